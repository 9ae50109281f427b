// RelArrowTool: the relation-arrow tool. The press must land on a conceptual file or a clone, which
// becomes the start; a rubber band follows the mouse while the status bar says whether an arrow of
// the frame's kind may end under it; the release on a file or clone builds the arrow between the
// two in one undo step and applies the rules a new connection sets off. What the model forbids (an
// arrow of a subtype kind from a file to itself, an arrow between a file and its own clone, a loop
// of subtype or substructure arrows) is refused with its message, and nothing is created.
#pragma once

#include "view/ViewTool.h"

class RelArrowTool : public ViewTool
{
public:
    void Press(CBaseView& view, const ToolEvent& event) const override;
    void Hover(CBaseView& view, const ToolEvent& event) const override;
    void Track(CBaseView& view, const ToolEvent& event) const override;
    void Release(CBaseView& view, const ToolEvent& event) const override;
    // A press beside every file started no arrow: a click there returns to the pointer.
    void ReleaseWithoutDrag(CBaseView& view, const ToolEvent& event) const override;
    void DrawFeedback(CBaseView& view, CDC* dc) const override;
};
