// The drawing view's part in the spreadsheet import of a model: the automatic placement starts two
// grid widths inside the document origin, with the default file size as the row extent.
#include "view/BaseView.h"

#include "view/ExcelImportViewServices.h"

LRESULT CBaseView::OnImportExcelDbInterface(WPARAM, LPARAM lParam)
{
    m_ptAnchor100 = m_ptCurrent100 = CPoint(2 * GridWidth, -2 * GridWidth);
    m_ptAnchor = m_ptCurrent = ZoomedOf(m_ptAnchor100);
    m_sizeDefaultFile = GetDefaultFileSize();
    ExcelImportViewServices* services = GetExcelImportViewServices();
    return services && services->ImportExcelDbInterface(*this, lParam) ? 1 : 0;
}
