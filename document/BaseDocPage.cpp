// Page geometry of CBaseDoc: the sizes that follow from the page settings, the page counts and the
// extent of the objects. Lengths in 0.1 mm; a size is (cx >= 0, cy <= 0).
#include "document/BaseDoc.h"

#include "document/PageGeometry.h"
#include "document/SetDocDlg.h"
#include "foundation/ZoomScale.h"
#include "objects/BaseObj.h"
#include "objects/DrawObjects.h"
#include "objects/PolyObj.h"

#include "platform/afx/MessageSink.h"
#include "platform/ui/Controls.h"

#include <algorithm>

CSize CBaseDoc::GetPaperSize() const
{
    return GetPaperSizeById(m_wPaperID);
}

CSize CBaseDoc::GetPaperSizeById(WORD paperId) const
{
    CSize size = PageGeometry::GetPaperTableSize(paperId);
    size.cy += GetHeaderAreaHeight();
    return size;
}

int CBaseDoc::GetHeaderAreaHeight() const
{
    return GetHeaderAreaHeightForStyle(m_wHeaderStyle);
}

CSize CBaseDoc::GetPrintableSize() const
{
    const CSize paper = GetPaperSize();
    return CSize(paper.cx - (m_nMarginLeft + m_nMarginRight), paper.cy + (m_nMarginTop + m_nMarginBottom));
}

CSize CBaseDoc::GetPageExtent() const
{
    SIZE extent = GetPrintableSize();
    UnscalePointByZoom(extent, int(m_dwPrintScale));
    // The settings are kept in ranges that leave every page at least a unit each way; the floor
    // keeps the divisions below safe whatever a caller stored.
    return CSize(std::max(extent.cx, LONG(1)), std::min(extent.cy, LONG(-1)));
}

CSize CBaseDoc::GetDocumentSize() const
{
    const CSize page = GetPageExtent();
    return CSize(page.cx * m_nPagesAcross, page.cy * m_nPagesDown);
}

CSize CBaseDoc::GetPrintPageCount() const
{
    const CSize document = GetDocumentSize();
    const CSize printable = GetPrintableSize();
    return CSize(PageGeometry::CeilDivide(document.cx, std::max(printable.cx, LONG(1))),
                 PageGeometry::CeilDivide(document.cy, std::min(printable.cy, LONG(-1))));
}

CSize CBaseDoc::GetPrintedAreaSize() const
{
    const CSize printable = GetPrintableSize();
    const CSize count = GetPrintPageCount();
    return CSize(printable.cx * count.cx, printable.cy * count.cy);
}

namespace {

// Calls the function with the print-mode rectangle of every box or line object (lines, arrows and
// implementation groups alike), and with its define-mode rectangle too unless the object is hidden
// in define mode.
template <typename Function>
void ForEachObjectExtentRect(const CObList& objects, Function function)
{
    for (POSITION pos = objects.GetHeadPosition(); pos;) {
        const CObject* object = objects.GetNext(pos);
        BOOL hidden = FALSE;
        if (const CBaseObj* box = DrawObjects::AsBoxObject(object))
            hidden = box->GetHideDefine();
        else if (const CPolyObj* line = DrawObjects::AsLineObject(object))
            hidden = line->GetHideDefine();
        else
            continue;
        CRect rect;
        DrawObjects::GetVisibleRect(object, rect, TRUE);
        function(rect);
        if (!hidden) {
            DrawObjects::GetVisibleRect(object, rect, FALSE);
            function(rect);
        }
    }
}

} // namespace

CPoint CBaseDoc::GetObjectsRightEdge() const
{
    CPoint edge(10, -10);
    ForEachObjectExtentRect(m_objects, [&edge](const CRect& rect) {
        if (rect.right > edge.x)
            edge = CPoint(rect.right, rect.bottom);
    });
    return edge;
}

CPoint CBaseDoc::GetObjectsBottomEdge() const
{
    CPoint edge(10, -10);
    ForEachObjectExtentRect(m_objects, [&edge](const CRect& rect) {
        if (rect.bottom < edge.y)
            edge = CPoint(rect.right, rect.bottom);
    });
    return edge;
}

CSize CBaseDoc::GetObjectsExtent() const
{
    return CSize(GetObjectsRightEdge().x, GetObjectsBottomEdge().y);
}

CSize CBaseDoc::GetContentExtent() const
{
    if (m_objects.IsEmpty())
        return GetPageExtent();
    return GetObjectsExtent() + CSize(20, -20);
}

CSize CBaseDoc::FitPageCount(int across, int down) const
{
    const CSize page = GetPageExtent();
    // A request below one page fits like a request of none (the objects decide), without the
    // product with the page size running out of range.
    across = std::clamp(across, 0, kMaxDocumentExtent / int(page.cx));
    down = std::clamp(down, 0, -kMaxDocumentExtent / int(page.cy));
    const CSize objects = GetObjectsExtent();
    if (page.cx * across < objects.cx)
        across = PageGeometry::CeilDivide(objects.cx, page.cx);
    if (page.cy * down > objects.cy)
        down = PageGeometry::CeilDivide(objects.cy, page.cy);
    return CSize(across, down);
}

BOOL CBaseDoc::CalcPageCounts(WORD paperId, int scale, int left, int top, int right, int bottom, WORD headerStyle,
                              CSize* needed, CSize* maximum) const
{
    if (scale <= 0)
        return FALSE;
    CSize paper = GetPaperSizeById(paperId);
    paper.cy = paper.cy - GetHeaderAreaHeight() + GetHeaderAreaHeightForStyle(headerStyle);
    const int cx = paper.cx - (left + right);
    const int cy = paper.cy + (top + bottom);
    const double factor = 100.0 / scale;
    const int width = int(cx * factor);
    const int height = int(cy * factor);
    // A page without a printable width or height is as unusable as one above the limit.
    if (width <= 0 || height >= 0 || width > kMaxDocumentExtent || -height > kMaxDocumentExtent)
        return FALSE;
    *maximum = CSize(kMaxDocumentExtent / width, -kMaxDocumentExtent / height);
    const CSize objects = GetObjectsExtent();
    *needed = CSize(PageGeometry::CeilDivide(objects.cx, width), PageGeometry::CeilDivide(objects.cy, height));
    return TRUE;
}

int CBaseDoc::GetMinPrintScale(WORD paperId, int left, int top, int right, int bottom) const
{
    const CSize paper = GetPaperSizeById(paperId);
    const int cx = paper.cx - (left + right);
    const int cy = paper.cy + (top + bottom);
    const int longest = std::max(cx, -cy);
    return int(double(longest) / kMaxDocumentExtent * 100.0) + 1;
}

void CBaseDoc::GetPageSettings(WORD* paperId, int* scale, CSize* leftTop, CSize* rightBottom) const
{
    *paperId = m_wPaperID;
    *scale = int(m_dwPrintScale);
    *leftTop = CSize(m_nMarginLeft, m_nMarginTop);
    *rightBottom = CSize(m_nMarginRight, m_nMarginBottom);
}

void CBaseDoc::SetPageSettings(WORD paperId, DWORD printScale, CSize leftTop, CSize rightBottom)
{
    m_wPaperID = paperId;
    m_dwPrintScale = printScale;
    m_nMarginLeft = leftTop.cx;
    m_nMarginTop = leftTop.cy;
    m_nMarginRight = rightBottom.cx;
    m_nMarginBottom = rightBottom.cy;
    NormalizePageSettings();
}

void CBaseDoc::SetFooterSettings(WORD firstPage, BOOL autoTotal, WORD totalGiven, WORD style, WORD position,
                                 BOOL inMargin)
{
    m_wFooterStartPage = firstPage;
    m_bAutoTotalPages = autoTotal ? 1 : 0;
    m_wUserTotalPages = totalGiven;
    m_wPageNumStyle = style;
    m_wPageNumPos = position;
    m_bPageNumInMargin = inMargin ? 1 : 0;
}

void CBaseDoc::OnPageLayout()
{
    EndInPlaceEditInViews();
    CSetDocDlg dialog;
    dialog.m_pDoc = this;
    if (dialog.DoModal() != IDOK)
        return;
    m_wPaperID = dialog.m_wPaper;
    m_dwPrintScale = DWORD(dialog.m_nScale);
    m_nMarginLeft = dialog.m_nMargins[0];
    m_nMarginTop = dialog.m_nMargins[1];
    m_nMarginRight = dialog.m_nMargins[2];
    m_nMarginBottom = dialog.m_nMargins[3];
    m_wHeaderStyle = dialog.m_wHeaderStyle;
    // A total equal to the present page grid is no figure of the user's.
    const CSize pages = GetPages();
    const WORD userTotal = dialog.m_nUserTotal == pages.cx * pages.cy ? 0 : WORD(dialog.m_nUserTotal);
    SetFooterSettings(WORD(dialog.m_nStartNumber), dialog.m_bAutoTotal, userTotal, dialog.m_wNumberStyle,
                      dialog.m_wNumberPos, dialog.m_bNumberInMargin);
    SetPages(1, 1);
}

void CBaseDoc::NormalizePageCounts()
{
    // At least one page each way, and no more than fitting the grid could have given: the most
    // pages within the extent limit, or as many as the objects need.
    const CSize page = GetPageExtent();
    const CSize objects = GetObjectsExtent();
    const int maxAcross = std::max(kMaxDocumentExtent / int(page.cx), PageGeometry::CeilDivide(objects.cx, page.cx));
    const int maxDown = std::max(-kMaxDocumentExtent / int(page.cy), PageGeometry::CeilDivide(objects.cy, page.cy));
    m_nPagesAcross = std::clamp(m_nPagesAcross, 1, maxAcross);
    m_nPagesDown = std::clamp(m_nPagesDown, 1, maxDown);
}

void CBaseDoc::NormalizePageSettings()
{
    m_dwPrintScale = PageGeometry::ClampPrintScale(m_dwPrintScale);
    m_nMarginLeft = PageGeometry::ClampMargin(m_nMarginLeft);
    m_nMarginTop = PageGeometry::ClampMargin(m_nMarginTop);
    m_nMarginRight = PageGeometry::ClampMargin(m_nMarginRight);
    m_nMarginBottom = PageGeometry::ClampMargin(m_nMarginBottom);
}

int CBaseDoc::FillPaperCombo(CComboBox* combo) const
{
    combo->ResetContent();
    BOOL filled = TRUE;
    try {
        for (WORD paperId = 1; filled && paperId <= kPaperCount; ++paperId) {
            const int index = combo->AddString(CString(GetPaperInfo(paperId).comboText));
            filled = index != CB_ERR && combo->SetItemData(index, paperId) != CB_ERR;
        }
    } catch (...) {
        if (!AfxIsMemoryException())
            throw;
        AfxMessageBox(CString(u8"ﾒﾓﾘ不足のため用紙ｻｲｽﾞComboBoxを初期化できません。"), MB_OK);
        combo->ResetContent();
        return 0;
    }
    if (!filled) {
        AfxMessageBox(CString(u8"用紙ｻｲｽﾞComboBoxの初期化中にｴﾗｰが発生しました。"), MB_OK);
        combo->ResetContent();
        return 0;
    }
    return kPaperCount;
}

void CBaseDoc::SelectPaperInCombo(CComboBox* combo) const
{
    int selection = -1;
    for (int i = 0; i < combo->GetCount(); ++i)
        if (combo->GetItemData(i) == m_wPaperID)
            selection = i;
    combo->SetCurSel(selection);
}
