// PointerTool: selects by click, Ctrl-click and rubber band, moves and resizes the selection and
// drags the guide lines; each drag is one tracking mode of the view.
#pragma once

#include "view/ViewTool.h"

class PointerTool : public ViewTool
{
public:
    void Press(CBaseView& view, const ToolEvent& event) const override;
    void Hover(CBaseView& view, const ToolEvent& event) const override;
    void Track(CBaseView& view, const ToolEvent& event) const override;
    void Release(CBaseView& view, const ToolEvent& event) const override;
    void DrawFeedback(CBaseView& view, CDC* dc) const override;
};
