// CZivraView: the view class that the document template creates for the diagram document. It
// draws through CBaseView and answers the help commands with the help context of the object
// concerned: the kind of the single selected object plus 1000, else the drawing's 101.
#pragma once

#include "view/BaseView.h"

// Help contexts of the drawing in general and of the page-count handles of the document frame.
constexpr UINT HELP_CONTEXT_DRAWING = 101;
constexpr UINT HELP_CONTEXT_PAGE_HANDLES = 102;
constexpr UINT HELP_CONTEXT_KIND_BASE = 1000;

class CZivraView : public CBaseView
{
    DECLARE_DYNCREATE(CZivraView)
public:
    CZivraView() = default;

    void OnInitialUpdate() override;
    void OnDraw(CDC* dc) override;

    // The help context of the selection (F1).
    UINT GetSelectionHelpContext() const;
    // The frame's help command: opens the help at the selection's context.
    void OnHelp();
    // The help context under a point of the window (client pixels): the page-count handles of the
    // document frame, else the kind of the topmost object there, else the drawing's.
    UINT OnHelpHitTest(CPoint clientPoint) const;
    // Shift+F1: the next click on the window opens the help at the context under it; Escape or
    // the right button leaves without help.
    void OnContextHelp();
    BOOL IsContextHelpMode() const { return m_bContextHelpMode; }
    // The automatic header without the document-type cell: the title opens the band.
    void PrintHeaderFooter(CDC* dc, CPrintInfo* info) override;

protected:
    const MessageMap* GetMessageMap() const override;
    // Opens the help at the context; without an installed help it says so.
    virtual void ShowHelpContext(UINT context);
    void OnLButtonDown(UINT flags, CPoint point) override;
    void OnLButtonUp(UINT flags, CPoint point) override;
    void OnRButtonDown(UINT flags, CPoint point) override;
    void OnMouseMove(UINT flags, CPoint point) override;
    void OnKeyDown(UINT vkey, UINT repeat, UINT flags) override;

private:
    void EndContextHelpMode();

    BOOL m_bContextHelpMode = FALSE;
    // The release of the click that asked for help belongs to no tool.
    BOOL m_bHelpClickDown = FALSE;
};
