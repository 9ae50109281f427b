// LineTool: the line tool, which draws a straight line of two points from the press to the
// release, with a rubber band meanwhile. The new line takes the default attributes of lines,
// connects to the objects under its ends and is added in one undo step, selected.
#pragma once

#include "view/ViewTool.h"

class LineTool : public ViewTool
{
public:
    void Press(CBaseView& view, const ToolEvent& event) const override;
    void Hover(CBaseView& view, const ToolEvent& event) const override;
    void Track(CBaseView& view, const ToolEvent& event) const override;
    void Release(CBaseView& view, const ToolEvent& event) const override;
    void DrawFeedback(CBaseView& view, CDC* dc) const override;
};
