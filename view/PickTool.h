// PickTool: the pick-an-object operations wait with the mouse captured for a press on the target;
// the captured moves draw a line from the object to the mouse and say what lies under it.
#pragma once

#include "view/ViewTool.h"

class PickTool : public ViewTool
{
public:
    void Press(CBaseView& view, const ToolEvent& event) const override;
    void Hover(CBaseView& view, const ToolEvent& event) const override;
    void Track(CBaseView& view, const ToolEvent& event) const override;
    void Release(CBaseView& view, const ToolEvent& event) const override;
    void DrawFeedback(CBaseView& view, CDC* dc) const override;
};
