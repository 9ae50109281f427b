// ModelBoxTool: a tool of the data model that builds one modelling box (conceptual file, clone,
// task, data or process symbol) over each dragged rectangle, outlined by a rectangle while the mouse
// drags. The object gets the default attributes of its kind and then the tool's own setting.
#pragma once

#include "view/BoxCreationTool.h"

#include "platform/afx/Rect.h"

class ModelBoxTool : public BoxCreationTool
{
public:
    void DrawFeedback(CBaseView& view, CDC* dc) const override;

protected:
    using BoxCreationTool::BoxCreationTool;

    BOOL Create(CBaseView& view) const override;
    // The tool's object with the id over the rectangle.
    virtual CBaseObj* Build(WORD id, const CRect& rect) const = 0;
    // What the tool sets whether or not a prototype gave the object its attributes.
    virtual void ApplyToolSetting(CBaseView& view, CBaseObj* object) const;
};

// The tool of a modelling class built by its (id, rectangle) constructor.
template <class Object>
class ModelObjectTool : public ModelBoxTool
{
protected:
    using ModelBoxTool::ModelBoxTool;

    CBaseObj* Build(WORD id, const CRect& rect) const override { return new Object(id, rect); }
};
