// ZoomTool: the rectangle dragged with it is zoomed to fill the window; a click returns to the
// pointer.
#pragma once

#include "view/ViewTool.h"

class ZoomTool : public ViewTool
{
public:
    void Press(CBaseView& view, const ToolEvent& event) const override;
    void Hover(CBaseView& view, const ToolEvent& event) const override;
    void Track(CBaseView& view, const ToolEvent& event) const override;
    void Release(CBaseView& view, const ToolEvent& event) const override;
    void DrawFeedback(CBaseView& view, CDC* dc) const override;
};
