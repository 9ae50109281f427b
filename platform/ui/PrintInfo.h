// CPrintInfo: one print or preview job as the view's print cycle sees it: the device it draws on,
// whether a print dialog ran, the page range, the page being printed and its drawing rectangle.
#pragma once

#include "platform/afx/Rect.h"

class QPrinter;

struct CPrintInfo
{
    explicit CPrintInfo(QPrinter* printer = nullptr);

    void SetMinPage(UINT page) { m_nMinPage = page; }
    void SetMaxPage(UINT page) { m_nMaxPage = page; }
    UINT GetMinPage() const { return m_nMinPage; }
    UINT GetMaxPage() const { return m_nMaxPage; }
    // The range the user chose; the whole job unless the print dialog narrowed it.
    UINT GetFromPage() const;
    UINT GetToPage() const;

    // The printer or PDF output the job draws on (the preview's device while previewing).
    QPrinter* m_pPrinter;
    // Printing at once, without the print dialog (the shell's print commands).
    BOOL m_bDirect = FALSE;
    BOOL m_bPreview = FALSE;
    // Cleared by the view when the page asked for lies past the job.
    BOOL m_bContinuePrinting = TRUE;
    UINT m_nCurPage = 1;
    // The range the print dialog chose; 0 while it chose none.
    UINT m_nFromPage = 0;
    UINT m_nToPage = 0;
    // The printable area of the page in logical units, as the page's mapping gives it.
    CRect m_rectDraw;

private:
    UINT m_nMinPage = 1;
    UINT m_nMaxPage = 0xFFFF;
};
