// The view's settings: what it reads from "InitialViewState" and the document when it opens, and
// the page-frame commands.
#include "view/BaseView.h"

#include "document/BaseDoc.h"
#include "foundation/AppServices.h"
#include "foundation/RegManList.h"
#include "foundation/ZoomScale.h"
#include "platform/ui/CmdUI.h"
#include "view/FrameServices.h"
#include "view/SetViewCurDlg.h"

namespace BaseViewSettings {

constexpr const char* kSection = "InitialViewState";

// One whole-number setting through the application's settings store; the default without one.
int ReadInt(const char* entry, int defaultValue)
{
    AppServices* app = GetAppServices();
    CRegManList* store = app ? app->GetRegManList() : nullptr;
    return store ? store->GetRegInt(kSection, entry, defaultValue, REGITEM_INT | REGITEM_PER_USER) : defaultValue;
}

BOOL ReadFlag(const char* entry, BOOL defaultValue)
{
    return ReadInt(entry, defaultValue) != 0;
}

} // namespace BaseViewSettings

void CBaseView::ReadInitialViewState()
{
    using namespace BaseViewSettings;
    const CBaseDoc* doc = GetDocument();
    ModePrint = ReadFlag("ModePrint", TRUE);
    // A zoom stored in a damaged file is brought into the view's limits.
    m_nZoom = std::clamp(int(std::min<DWORD>(doc->GetScale(), DWORD(ViewGeometry::kMaxZoom))), ViewGeometry::kMinZoom,
                         GetMaxZoom());
    m_nZoomSaved = m_nZoom;
    PrintViewScale = ReadFlag("PrintViewScale", FALSE);
    FramePrintSize = ReadFlag("FramePrintSize", TRUE);
    DrawFrameOnPrint = ReadFlag("DrawFrameOnPrint", FALSE);
    DrawHeader = ReadFlag("DrawHeader", FALSE);
    m_bDrawPrintPageFrame = ReadFlag("DrawPrintPageFrame", FALSE);
    DrawFooterPage = ReadFlag("DrawFooterPage", TRUE);
    DrawOpt = doc->GetDrawOpt();
    // The grid step divides; a hand-edited profile value below 1 never reaches a division.
    GridWidth = ViewGeometry::NormalizeGridWidth(ReadInt("GridWidth", 20));
    DrawGrid = ReadFlag("DrawGrid", TRUE);
    AdjustGrid = ReadFlag("AdjustGrid", TRUE);
    DrawGuide = ReadFlag("DrawGuide", FALSE);
    SystemFlowVertical = ReadFlag("SystemFlowVertical", FALSE);
    m_ptGuide = CPoint(-1, -1);
    PlaceGuidesAtSelection();
    DrawCanvasBack = ReadFlag("DrawCanvasBack", TRUE);
    AutoConnect = ReadFlag("AutoConnect", TRUE);
    AutoConnectFrame = ReadFlag("AutoConnectFrame", TRUE);
    AutoCmdLineMethod = DWORD(ReadInt("AutoCmdLineMethod", 0));
    AutoPolyInOrder = ReadFlag("AutoPolyInOrder", FALSE);
}

void CBaseView::OnInitialUpdate()
{
    ReadInitialViewState();
    // New objects placed without a drag start one grid step inside the document origin.
    m_ptAnchor100 = CPoint(GridWidth + ViewGeometry::kFrameInset, -ViewGeometry::kFrameInset - GridWidth);
    m_ptCurrent100 = m_ptAnchor100;
    m_ptAnchor = m_ptAnchor100;
    ScalePointByZoom(m_ptAnchor, m_nZoom);
    UpdateScrollSizes();
    CScrollView::OnInitialUpdate();
    m_nZoomRemembered = m_nZoom;
    if (const FrameServices* frame = GetFrameServices()) {
        m_nZoomStep = ViewGeometry::NormalizeZoomStep(frame->GetZoomStep());
        m_bFitToWindow = frame->GetZoomFitToWnd();
    }
    m_bInitialUpdateDone = TRUE;
    WatchScrollBarPresses();
    RefitZoom();
}

void CBaseView::SetFramePrintSize(BOOL printSize)
{
    FramePrintSize = printSize;
    UpdateScrollSizes();
    Invalidate(TRUE);
}

void CBaseView::OnFramePrintScale()
{
    EndInPlaceEditAndRefresh();
    SetFramePrintSize(TRUE);
}

void CBaseView::OnFrameViewScale()
{
    EndInPlaceEditAndRefresh();
    SetFramePrintSize(FALSE);
}

void CBaseView::OnViewSettings()
{
    EndInPlaceEditAndRefresh();
    CSetViewCurDlg dialog;
    dialog.m_values = {m_bFitToWindow,
                       m_nZoomStep,
                       DrawGrid,
                       AdjustGrid,
                       DrawGuide,
                       GridWidth,
                       DrawCanvasBack,
                       AutoConnect,
                       AutoConnectFrame,
                       AutoPolyInOrder,
                       int(AutoCmdLineMethod)};
    if (dialog.DoModal() != IDOK)
        return;
    const ViewOptionValues& v = dialog.m_values;
    m_nZoomStep = v.zoomStep;
    DrawGrid = v.drawGrid;
    AdjustGrid = v.adjustGrid;
    DrawGuide = v.drawGuide;
    GridWidth = v.gridWidth;
    DrawCanvasBack = v.drawCanvasBack;
    AutoConnect = v.autoConnect;
    AutoConnectFrame = v.autoConnectFrame;
    AutoPolyInOrder = v.autoPolyInOrder;
    AutoCmdLineMethod = DWORD(v.autoCmdLineMethod);
    // A change of the fit-to-window mode repaints through the zoom it brings.
    if (v.fitToWindow == m_bFitToWindow)
        Invalidate(TRUE);
    else if (m_bFitToWindow)
        OnZoomCustom();
    else
        OnZoomFit();
}

void CBaseView::OnUpdateFramePrintScale(CCmdUI* cmdUI)
{
    cmdUI->SetCheck(FramePrintSize ? 1 : 0);
}

void CBaseView::OnUpdateFrameViewScale(CCmdUI* cmdUI)
{
    cmdUI->SetCheck(FramePrintSize ? 0 : 1);
}
