// ViewTool: one drawing tool of the view. The view hands the current tool the press on the
// document and the moves without capture (hover); a press that starts a drag sets the view's
// tracking mode and captures the mouse, and the tool that took the press then gets the captured
// moves, the release and the redrawing of its XOR feedback. Tools keep no state of their own: the
// drag lives in the view, so one instance serves every view.
//
// A tool is one class and one row of the tool table (ViewToolTable.cpp); the tools of objects that
// live above the view register their rows at start-up.
#pragma once

#include "platform/afx/Point.h"
#include "platform/afx/WinTypes.h"

class CBaseView;
class CDC;

// One mouse event as the tools receive it.
struct ToolEvent
{
    // The current tool's command id.
    UINT tool = 0;
    // Key-state flags (MK_*).
    UINT flags = 0;
    // The client device point.
    CPoint device;
    // The device context prepared like the window's: the screen picture for presses and moves,
    // a mapping-only context for releases (what a release applies repaints by itself).
    CDC* dc = nullptr;
    // The point at the zoom (view units), and in document units.
    CPoint zoomed;
    CPoint doc;
};

class ViewTool
{
public:
    virtual ~ViewTool() = default;

    virtual void Press(CBaseView& view, const ToolEvent& event) const = 0;
    virtual void Hover(CBaseView& view, const ToolEvent& event) const = 0;
    virtual void Track(CBaseView& view, const ToolEvent& event) const = 0;
    virtual void Release(CBaseView& view, const ToolEvent& event) const = 0;
    // The release of a press that started no drag (the press found nothing to drag from).
    virtual void ReleaseWithoutDrag(CBaseView& /*view*/, const ToolEvent& /*event*/) const {}
    // Draws the feedback of the drag in progress; drawn a second time it is gone.
    virtual void DrawFeedback(CBaseView& view, CDC* dc) const = 0;
};
