#include "view/ZivraView.h"

#include "objects/DrawObjects.h"
#include "platform/afx/MessageSink.h"
#include "platform/afx/StringTable.h"
#include "platform/ui/FrameworkIds.h"
#include "platform/ui/VirtualKeys.h"

#include <QCursor>

IMPLEMENT_DYNCREATE(CZivraView, CBaseView)

void CZivraView::OnInitialUpdate()
{
    CBaseView::OnInitialUpdate();
}

void CZivraView::OnDraw(CDC* dc)
{
    CBaseView::OnDraw(dc);
}

UINT CZivraView::GetSelectionHelpContext() const
{
    if (GetSelection().GetCount() != 1)
        return HELP_CONTEXT_DRAWING;
    const WORD kind = DrawObjects::GetKind(GetLastSelected());
    return kind != 0 ? HELP_CONTEXT_KIND_BASE + kind : HELP_CONTEXT_DRAWING;
}

void CZivraView::OnHelp()
{
    ShowHelpContext(GetSelectionHelpContext());
}

UINT CZivraView::OnHelpHitTest(CPoint clientPoint) const
{
    CPoint zoomed, doc;
    MapDevicePoint(clientPoint, zoomed, doc);
    const UINT zones = HitTestDocumentZones(zoomed);
    if (zones == 0)
        return HELP_CONTEXT_DRAWING;
    if (zones & (ZONE_RIGHT_EDGE | ZONE_BOTTOM_EDGE))
        return HELP_CONTEXT_PAGE_HANDLES;
    const WORD kind = DrawObjects::GetKind(FindObjectAt(doc));
    return kind != 0 ? HELP_CONTEXT_KIND_BASE + kind : HELP_CONTEXT_DRAWING;
}

void CZivraView::OnContextHelp()
{
    m_bContextHelpMode = TRUE;
    SetCursor(QCursor(Qt::WhatsThisCursor));
}

void CZivraView::EndContextHelpMode()
{
    m_bContextHelpMode = FALSE;
    SetCursor(QCursor(Qt::ArrowCursor));
}

void CZivraView::OnLButtonDown(UINT flags, CPoint point)
{
    m_bHelpClickDown = FALSE;
    if (!m_bContextHelpMode) {
        CBaseView::OnLButtonDown(flags, point);
        return;
    }
    EndContextHelpMode();
    m_bHelpClickDown = TRUE;
    ShowHelpContext(OnHelpHitTest(point));
}

void CZivraView::OnLButtonUp(UINT flags, CPoint point)
{
    if (m_bHelpClickDown)
        m_bHelpClickDown = FALSE;
    else
        CBaseView::OnLButtonUp(flags, point);
}

void CZivraView::OnRButtonDown(UINT flags, CPoint point)
{
    if (m_bContextHelpMode)
        EndContextHelpMode();
    else
        CBaseView::OnRButtonDown(flags, point);
}

void CZivraView::OnMouseMove(UINT flags, CPoint point)
{
    // The question cursor stays until the click.
    if (!m_bContextHelpMode)
        CBaseView::OnMouseMove(flags, point);
}

void CZivraView::OnKeyDown(UINT vkey, UINT repeat, UINT flags)
{
    if (m_bContextHelpMode && vkey == VK_ESCAPE)
        EndContextHelpMode();
    else
        CBaseView::OnKeyDown(vkey, repeat, flags);
}

void CZivraView::ShowHelpContext(UINT context)
{
    AfxMessageBox(AFX_IDS_NO_HELP, MB_OK | MB_ICONINFORMATION, context);
}

void CZivraView::PrintHeaderFooter(CDC* dc, CPrintInfo* info)
{
    DrawPrintHeader(dc, info, FALSE);
}

const MessageMap* CZivraView::GetMessageMap() const
{
    static const MessageMap map{CBaseView::GetMessageMap(),
                                {
                                    MapCommand(ID_FILE_PRINT, &CZivraView::OnFilePrint),
                                    MapCommand(ID_FILE_PRINT_DIRECT, &CZivraView::OnFilePrintDirect),
                                    MapCommand(ID_FILE_PRINT_PREVIEW, &CZivraView::OnFilePrintPreview),
                                    MapCommand(ID_HELP, &CZivraView::OnHelp),
                                    MapCommand(ID_CONTEXT_HELP, &CZivraView::OnContextHelp),
                                }};
    return &map;
}
