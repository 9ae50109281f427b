// PageCountTool: the drag of the document frame's right or bottom edge, which changes the number
// of pages across or down. It is no tool of the palette: a press on those edges starts it whatever
// tool is current.
#pragma once

#include "view/ViewTool.h"

class PageCountTool : public ViewTool
{
public:
    void Press(CBaseView& view, const ToolEvent& event) const override;
    void Hover(CBaseView& view, const ToolEvent& event) const override;
    void Track(CBaseView& view, const ToolEvent& event) const override;
    void Release(CBaseView& view, const ToolEvent& event) const override;
    void DrawFeedback(CBaseView& view, CDC* dc) const override;
};
