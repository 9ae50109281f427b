// Printing and the print preview: the job's pages, the zoom of the print scale, and the
// decorations of each printed page (white masks around the body, the automatic header, the page
// number in the footer, the frame of the body).
#include "view/BaseView.h"

#include "document/BaseDoc.h"
#include "document/PageGeometry.h"
#include "platform/ui/PrintInfo.h"
#include "view/FrameServices.h"
#include "view/PrintOptDlg.h"

#include <QPrinter>

namespace BaseViewPrint {

// The paper whose header takes the small fonts and five item columns.
constexpr WORD kSmallHeaderPaper = 5;
// Spacing unit of the header cells.
constexpr int kCellPad = 10;
constexpr COLORREF kPageMapColor = RGB(0xC0, 0xC0, 0xC0);
// An item cell holds ten full-width characters, room for a date. Ten kanji numerals measure that
// in any Japanese face: the proportional gothic draws full-width digits narrower than full width,
// which would cut the dates.
constexpr const char8_t* kItemCellSample = u8"一二三四五六七八九〇";
constexpr UINT kTextFormat = DT_SINGLELINE | DT_NOPREFIX;
constexpr UINT kLeftCentred = kTextFormat | DT_LEFT | DT_VCENTER;
constexpr UINT kCentred = kTextFormat | DT_CENTER | DT_VCENTER;
constexpr UINT kRightCentred = kTextFormat | DT_RIGHT | DT_VCENTER;

void DrawLine(CDC* dc, int x1, int y1, int x2, int y2)
{
    dc->MoveTo(x1, y1);
    dc->LineTo(x2, y2);
}

void DrawCellText(CDC* dc, const CString& text, CRect cell, UINT format)
{
    dc->DrawText(text, &cell, format);
}

// Letters of a page column or row from 0: A ... Z, then AA ... AZ, BA ...
CString PageLetters(int index)
{
    CString letters;
    if (index <= 25)
        letters.Format("%c", 'A' + index);
    else
        letters.Format("%c%c", 'A' + index / 26 - 1, 'A' + index % 26);
    return letters;
}

// A printing font selected into the device context while it lives.
class HeaderFont
{
public:
    HeaderFont(CDC* dc, const HeaderFontSet& fonts, int size) : m_dc(dc)
    {
        const LOGFONT log = MakeHeaderLogFont(fonts, size);
        m_font.CreateFontIndirect(&log);
        m_old = dc->SelectObject(&m_font);
    }
    ~HeaderFont() { m_dc->SelectObject(m_old); }
    HeaderFont(const HeaderFont&) = delete;
    HeaderFont& operator=(const HeaderFont&) = delete;

private:
    CDC* m_dc;
    CFont m_font;
    CFont* m_old;
};

HeaderFontSet GetHeaderFonts()
{
    HeaderFontSet fonts;
    if (FrameServices* frame = GetFrameServices())
        frame->GetHeaderFonts(fonts);
    else
        fonts = LoadHeaderFontSet();
    return fonts;
}

} // namespace BaseViewPrint

void CBaseView::GetPageColumnRow(CSize& columnRow, int index) const
{
    const int across = std::max(1, int(m_sizePrintPages.cx));
    columnRow = CSize(index % across, index / across);
}

void CBaseView::SetPrintOptions(BOOL viewScale, BOOL frameOnPrint, BOOL header, BOOL pageFrame, BOOL footerPage)
{
    PrintViewScale = viewScale;
    DrawFrameOnPrint = frameOnPrint;
    DrawHeader = header;
    m_bDrawPrintPageFrame = pageFrame;
    DrawFooterPage = footerPage;
}

void CBaseView::OnPrintOptions()
{
    EndInPlaceEditAndRefresh();
    CPrintOptDlg dialog;
    dialog.m_values = {DrawHeader, PrintViewScale, DrawFrameOnPrint, m_bDrawPrintPageFrame, DrawFooterPage};
    dialog.m_bHeaderEnabled = GetDocument()->GetHeaderStyle() == 1;
    if (dialog.DoModal() != IDOK)
        return;
    const PrintOptionValues& v = dialog.m_values;
    SetPrintOptions(v.printViewScale, v.drawFrameOnPrint, v.drawHeader, v.drawPrintPageFrame, v.drawFooterPage);
}

BOOL CBaseView::OnPreparePrinting(CPrintInfo* info)
{
    if (IsLabelEditing())
        EndInPlaceEdit();
    CBaseDoc* doc = GetDocument();
    if (info->m_pPrinter)
        ApplyPaperToPrinter(*info->m_pPrinter, doc->GetPaperId());
    if (PrintViewScale)
        GetPageCountAtZoom(m_sizePrintPages);
    else
        m_sizePrintPages = doc->GetPages();
    info->SetMaxPage(UINT(m_sizePrintPages.cx * m_sizePrintPages.cy));
    return DoPreparePrinting(info);
}

void CBaseView::OnBeginPrinting(CDC*, CPrintInfo*)
{
    m_printIndex.reset();
    // The window is not redrawn: the zoom comes back before anything repaints it.
    if (PrintViewScale)
        return;
    m_nZoomSaved = m_nZoom;
    m_nZoom = int(GetDocument()->GetPrintScale());
}

void CBaseView::OnPrint(CDC* dc, CPrintInfo* info)
{
    m_pPrintInfo = info;
    OnDraw(dc);
}

void CBaseView::OnEndPrinting(CDC*, CPrintInfo*)
{
    if (!PrintViewScale) {
        m_nZoom = m_nZoomSaved;
        Invalidate(TRUE);
    }
    m_pPrintInfo = nullptr;
    m_printIndex.reset();
}

CBaseView::PrintedPage CBaseView::GetPrintedPage(const CPrintInfo* info) const
{
    const CBaseDoc* doc = GetDocument();
    const CRect& d = info->m_rectDraw;
    const CSize leftTop = doc->GetMarginLeftTop();
    const CSize size = doc->GetPrintableSize();
    const int left = d.left + leftTop.cx;
    const int top = d.top - leftTop.cy - doc->GetHeaderAreaHeight();
    const int bottom = top + size.cy;
    PrintedPage page;
    page.body = CRect(left, top, left + size.cx, bottom);
    page.header = CRect(left, d.top - leftTop.cy, left + size.cx, top);
    page.footer = CRect(left, bottom, left + size.cx, bottom - doc->GetMarginRightBottom().cy);
    return page;
}

void CBaseView::DrawPrintDecorations(CDC* dc)
{
    if (!m_pPrintInfo)
        return;
    MaskPrintTopBand(dc, m_pPrintInfo);
    if (!DrawFrameOnPrint)
        MaskPrintSideBands(dc, m_pPrintInfo);
    if (GetDocument()->GetHeaderStyle() == 1 && DrawHeader)
        PrintHeaderFooter(dc, m_pPrintInfo);
    if (DrawFooterPage)
        FormatPageNumber(dc, m_pPrintInfo);
    if (m_bDrawPrintPageFrame)
        DrawPrintPageFrame(dc, m_pPrintInfo);
}

void CBaseView::MaskPrintTopBand(CDC* dc, CPrintInfo* info)
{
    const CRect clip = GetClipBoxYUp(dc);
    const int bodyTop = GetPrintedPage(info).body.top;
    // The automatic header keeps the five units above the body for its bottom line.
    const int y = GetDocument()->GetHeaderStyle() == 1 && DrawHeader ? bodyTop - 5 : bodyTop;
    CGdiObject* oldPen = dc->SelectStockObject(WHITE_PEN);
    CGdiObject* oldBrush = dc->SelectStockObject(WHITE_BRUSH);
    dc->Rectangle(clip.left, clip.top, clip.right, y);
    dc->SelectObject(oldBrush);
    dc->SelectObject(oldPen);
}

void CBaseView::MaskPrintSideBands(CDC* dc, CPrintInfo* info)
{
    const CRect clip = GetClipBoxYUp(dc);
    const CRect body = GetPrintedPage(info).body;
    CGdiObject* oldPen = dc->SelectStockObject(WHITE_PEN);
    CGdiObject* oldBrush = dc->SelectStockObject(WHITE_BRUSH);
    dc->Rectangle(clip.left, clip.top, body.left + 5, clip.bottom);
    dc->Rectangle(body.right - 3, clip.top, clip.right, clip.bottom);
    dc->Rectangle(clip.left, body.bottom + 3, clip.right, clip.bottom);
    dc->SelectObject(oldBrush);
    dc->SelectObject(oldPen);
}

void CBaseView::PrintHeaderFooter(CDC* dc, CPrintInfo* info)
{
    DrawPrintHeader(dc, info, TRUE);
}

void CBaseView::DrawPrintHeader(CDC* dc, CPrintInfo* info, BOOL withDocType)
{
    using namespace BaseViewPrint;
    const CBaseDoc* doc = GetDocument();
    const CRect band = GetPrintedPage(info).header;
    const int L = band.left, T = band.top, R = band.right, B = band.bottom;
    const int h = B - T, p = kCellPad;
    const int y20 = T + 2 * h / 10, y40 = T + 4 * h / 10, y60 = T + 6 * h / 10, y80 = T + 8 * h / 10;
    const bool small = doc->GetPaperId() == kSmallHeaderPaper;

    CGdiObject* oldPen = dc->SelectStockObject(BLACK_PEN);
    const HeaderFontSet fonts = BaseViewPrint::GetHeaderFonts();
    const int pw = dc->GetTextExtent(CString(u8"ページ")).cx + 4 * p;
    DrawLine(dc, L, T, R, T);
    dc->LineTo(R, B);
    dc->LineTo(L, B);
    dc->LineTo(L, T);
    DrawLine(dc, L, y40, R, y40);
    DrawLine(dc, L, y60, R - pw, y60);
    DrawLine(dc, L, y80, R - pw, y80);
    const COLORREF oldColor = dc->SetTextColor(RGB(0, 0, 0));
    const int oldMode = dc->SetBkMode(TRANSPARENT);
    {
        int titleLeft = L + p;
        if (withDocType) {
            const HeaderFont font(dc, fonts, small ? fonts.docTypeSmall : fonts.docTypeLarge);
            const CString product = doc->GetProductName();
            const int tw = dc->GetTextExtent(product).cx;
            DrawCellText(dc, product, CRect(L + p, T, L + tw + 3 * p, y40), kLeftCentred);
            DrawLine(dc, L + tw + 3 * p, T, L + tw + 3 * p, y40);
            titleLeft = L + tw + 4 * p;
        }
        {
            const HeaderFont font(dc, fonts, small ? fonts.titleSmall : fonts.titleLarge);
            DrawCellText(dc, doc->GetHeaderTitle(), CRect(titleLeft, T, R - pw - p, y40), kLeftCentred);
        }
        const HeaderFont font(dc, fonts, small ? fonts.itemSmall : fonts.itemLarge);
        const int columns = small ? 5 : 6;
        const int cw = std::min(int(dc->GetTextExtent(CString(kItemCellSample)).cx) + 4 * p, (R - L - pw) / columns);
        const CString labels[] = {CString(u8"作成者名"), CString(u8"更新者名"), CString(u8"作成日"),
                                  CString(u8"更新日"), CString(u8"出力日")};
        const CString values[] = {doc->GetAuthorName(), doc->GetUpdaterName(), doc->FormatCreatedDate(),
                                  doc->FormatUpdatedDate(), CBaseDoc::FormatHeaderDate(CTime::GetCurrentTime())};
        for (int i = 0; i < 5; ++i) {
            const int left = L + p + i * cw, right = L + (i + 1) * cw;
            DrawCellText(dc, labels[i], CRect(left, y40, right, y60), kCentred);
            DrawCellText(dc, values[i], CRect(left, y60, right, y80), kLeftCentred);
            if (i < 4 || L + 5 * cw < R - pw - 10)
                DrawLine(dc, right, y40, right, y80);
        }
        DrawLine(dc, R - pw, T, R - pw, B);
        DrawLine(dc, R - pw, y20, R, y20);
        DrawCellText(dc, CString(u8"ページ"), CRect(R - pw + 2 * p, T, R - 2 * p, y20), kCentred);
        CString number;
        number.Format("%d", int(info->m_nCurPage));
        DrawCellText(dc, number, CRect(R - pw + p, y20, R - 3 * p, y40), kRightCentred);
        const int across = int(m_sizePrintPages.cx), down = int(m_sizePrintPages.cy);
        if (across > 1 && down > 1) {
            CSize cell;
            GetPageColumnRow(cell, int(info->m_nCurPage) - 1);
            const int mw = pw / across, mh = (B - y40) / down;
            const int x0 = R - pw;
            CBrush grey(kPageMapColor);
            const CRect current(x0 + mw * cell.cx, y40 + mh * cell.cy, x0 + mw * (cell.cx + 1),
                                y40 + mh * (cell.cy + 1));
            dc->FillRect(&current, &grey);
            for (int i = 0; i < across; ++i)
                DrawLine(dc, x0 + mw * i, y40, x0 + mw * i, B);
            for (int i = 0; i < down; ++i)
                DrawLine(dc, x0, y40 + mh * i, R, y40 + mh * i);
        }
    }
    const CString& remarks = doc->GetRemarks();
    if (!remarks.IsEmpty()) {
        const HeaderFont font(dc, fonts, fonts.note);
        DrawCellText(dc, CString(u8"備考 : ") + remarks, CRect(L + p, y80, R - 3 * p, B), kLeftCentred);
    }
    dc->SetBkMode(oldMode);
    dc->SetTextColor(oldColor);
    dc->SelectObject(oldPen);
}

CString CBaseView::FormatPageNumberText(UINT page) const
{
    const CBaseDoc* doc = GetDocument();
    const int across = std::max(1, int(m_sizePrintPages.cx));
    const int k = int(page) - 1;
    const int first = doc->GetFirstPageNumber();
    CString text;
    switch (doc->GetPageNumStyle()) {
    case 2: {
        const int total = doc->IsTotalPagesAuto() ? across * int(m_sizePrintPages.cy) : doc->GetTotalPagesGiven();
        text.Format("%d / %d", k + first, total);
        break;
    }
    case 3: text.Format("%s%d", LPCTSTR(BaseViewPrint::PageLetters(k % across)), k / across + 1); break;
    case 4: text.Format("%s%d", LPCTSTR(BaseViewPrint::PageLetters(k / across)), k % across + 1); break;
    default: text.Format("- %d - ", k + first); break;
    }
    return text;
}

void CBaseView::FormatPageNumber(CDC* dc, CPrintInfo* info)
{
    const CBaseDoc* doc = GetDocument();
    const CRect footer = GetPrintedPage(info).footer;
    const HeaderFontSet fonts = BaseViewPrint::GetHeaderFonts();
    const BaseViewPrint::HeaderFont font(dc, fonts, fonts.itemSmall);
    const COLORREF oldColor = dc->SetTextColor(RGB(0, 0, 0));
    const int oldMode = dc->SetBkMode(TRANSPARENT);
    const CString text = FormatPageNumberText(info->m_nCurPage);
    const CSize extent = dc->GetTextExtent(text);
    const int bw = extent.cx + 40;
    CRect box;
    if (doc->GetPageNumInMargin()) {
        box.top = footer.top - 5;
        box.bottom = box.top - extent.cy;
    } else {
        box.bottom = footer.top + 5;
        box.top = box.bottom + 5 + extent.cy;
    }
    switch (doc->GetPageNumPos()) {
    case 1: box.left = footer.left + bw / 2; break;
    case 3: box.left = footer.right - bw / 2 - bw; break;
    default: box.left = footer.left + footer.Width() / 2 - bw / 2; break;
    }
    box.right = box.left + bw;
    dc->DrawText(text, &box, BaseViewPrint::kCentred);
    dc->SetBkMode(oldMode);
    dc->SetTextColor(oldColor);
}

void CBaseView::DrawPrintPageFrame(CDC* dc, CPrintInfo* info)
{
    const CRect body = GetPrintedPage(info).body;
    CPen pen(PS_SOLID, 1, RGB(0, 0, 0));
    CPen* oldPen = dc->SelectObject(&pen);
    BaseViewPrint::DrawLine(dc, body.left, body.top, body.right, body.top);
    dc->LineTo(body.right, body.bottom);
    dc->LineTo(body.left, body.bottom);
    dc->LineTo(body.left, body.top);
    dc->SelectObject(oldPen);
}
