// BoxCreationTool: a tool that builds one box object over each dragged rectangle. The press fixes
// one corner on the grid, an XOR outline of the future object follows the mouse, and the release
// builds the object (with the default attributes of its kind, in one undo step, selected). A
// click without a drag builds nothing and returns to the pointer. Each tool adds its outline and
// its object.
#pragma once

#include "view/ViewTool.h"

#include "platform/gdi/GdiTypes.h"

class CBaseObj;

class BoxCreationTool : public ViewTool
{
public:
    explicit BoxCreationTool(UINT trackMode) : m_nTrackMode(trackMode) {}

    void Press(CBaseView& view, const ToolEvent& event) const override;
    void Hover(CBaseView& view, const ToolEvent& event) const override;
    void Track(CBaseView& view, const ToolEvent& event) const override;
    void Release(CBaseView& view, const ToolEvent& event) const override;

protected:
    // Every creation outline is yellow.
    static constexpr COLORREF kOutlineColor = RGB(0xFF, 0xFF, 0);

    // Builds the tool's object over the view's dragged rectangle and adds it; TRUE when one was added.
    virtual BOOL Create(CBaseView& view) const = 0;
    // Runs after the release built and showed the object (the view's current object).
    virtual void AfterCreate(CBaseView& view, const ToolEvent& event) const;
    // Copies the attributes of the object's default prototype onto it; FALSE without a prototype.
    static BOOL CopyPrototypeAttributes(CBaseObj* object);
    // A new id from the view's document; 0 (and the document's message) when none is left.
    static WORD NewObjectId(CBaseView& view);
    // Gives a new object its prototype's attributes and adds it as the view's new selection.
    static BOOL AddWithDefaults(CBaseView& view, CBaseObj* object);

private:
    UINT m_nTrackMode;
};
