// What the drawing views need of the main frame, which lives higher up (shell): the current
// drawing tool, the zoom options read at its creation, the cursor position and the message of its
// status bar, the fonts of the printed header, the find and replace dialogs and the active view.
// The frame registers itself here; tests register a small stand-in.
#pragma once

#include "foundation/ServiceSlot.h"
#include "platform/afx/Point.h"
#include "platform/afx/WinTypes.h"
#include "view/HeaderFontSet.h"

class CBaseView;

class FrameServices
{
public:
    virtual ~FrameServices() = default;

    virtual UINT GetCurrentTool() const = 0;
    virtual void SetCurrentTool(UINT tool) = 0;
    // The kind of relation arrow the arrow tool draws: 1 1:N, 2 subtype, 3 substructure, 4
    // supertype. A frame without the arrow-kind buttons draws 1:N arrows.
    virtual WORD GetArrowKind() const { return 1; }
    // Percent step of zoom in, zoom out and the wheel ("InitialViewState"/"ZoomScaleUpDown").
    virtual int GetZoomStep() const = 0;
    // Whether new views fit the zoom to the window ("InitialViewState"/"ZoomFitToWnd").
    virtual BOOL GetZoomFitToWnd() const = 0;
    // The position for the cursor pane, in 0.1 mm from the document origin; (-1, -1) for none.
    virtual void SetCursorPosition(POINT position) = 0;
    // The message pane of the status bar (pane 0).
    virtual void SetStatusText(LPCTSTR text) = 0;
    // The fonts of the printed header; the main frame reads them once.
    virtual void GetHeaderFonts(HeaderFontSet& fonts) { fonts = LoadHeaderFontSet(); }
    // The find and replace dialogs, which the frame owns: a shown one is hidden, a hidden or new
    // one shown (hiding the other) and filled with the kept texts; TRUE when it shows afterwards.
    // A frame without the dialogs shows none.
    virtual BOOL ToggleFindDialog() { return FALSE; }
    virtual BOOL ToggleReplaceDialog() { return FALSE; }
    // The active child's view when it is a drawing view; a frame without children has none.
    virtual CBaseView* GetActiveBaseView() const { return nullptr; }
};

// The registered main frame, or null; registering returns the one it replaces.
constexpr auto GetFrameServices = &ServiceSlot<FrameServices>::Get;
constexpr auto SetFrameServices = &ServiceSlot<FrameServices>::Set;
