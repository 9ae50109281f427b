// The print cycle of a view: the print dialog or none, the preview, and the pages of a job.
#include "platform/ui/View.h"

#include "platform/afx/MessageSink.h"
#include "platform/gdi/DC.h"
#include "platform/ui/FrameworkIds.h"
#include "platform/ui/PrintInfo.h"
#include "platform/ui/WinApp.h"

#include <QFileInfo>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include <memory>

namespace ViewPrinting {

CView::PrintDialogHook& DialogHook()
{
    static CView::PrintDialogHook hook;
    return hook;
}

CView::PreviewHook& PreviewHook()
{
    static CView::PreviewHook hook;
    return hook;
}

// The printer a print-to command names: an installed printer of that name, or, for a name that
// ends in ".pdf", a PDF file of that name (the PDF printer of a machine without printers).
std::unique_ptr<QPrinter> CreateNamedPrinter(const CString& name)
{
    const QString printerName = ToQString(name);
    const QPrinterInfo info = QPrinterInfo::printerInfo(printerName);
    if (!info.isNull())
        return std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    if (!printerName.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
        return nullptr;
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(QFileInfo(printerName).absoluteFilePath());
    return printer;
}

// Where the print dialog and the preview draw when no printer is installed: PDF output, which the
// print dialog lets the user send to a file.
std::unique_ptr<QPrinter> CreatePdfPrinter()
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    return printer;
}

} // namespace ViewPrinting

CView::PrintDialogHook CView::SetPrintDialogHook(PrintDialogHook hook)
{
    return std::exchange(ViewPrinting::DialogHook(), std::move(hook));
}

CView::PreviewHook CView::SetPreviewHook(PreviewHook hook)
{
    return std::exchange(ViewPrinting::PreviewHook(), std::move(hook));
}

void CView::OnDraw(CDC*) {}

void CView::OnPrepareDC(CDC*, CPrintInfo* info)
{
    // A job whose length nobody set prints its first page only.
    if (info && info->GetMaxPage() == 0xFFFF && info->m_nCurPage > 1)
        info->m_bContinuePrinting = FALSE;
}

BOOL CView::OnPreparePrinting(CPrintInfo* info)
{
    return DoPreparePrinting(info);
}

void CView::OnBeginPrinting(CDC*, CPrintInfo*) {}

void CView::OnPrint(CDC* dc, CPrintInfo*)
{
    OnDraw(dc);
}

void CView::OnEndPrinting(CDC*, CPrintInfo*) {}

BOOL CView::DoPreparePrinting(CPrintInfo* info)
{
    if (info->m_bDirect || info->m_bPreview)
        return TRUE;
    QPrinter& printer = *info->m_pPrinter;
    printer.setFromTo(0, 0);
    if (const PrintDialogHook& hook = ViewPrinting::DialogHook())
        return hook(printer, *info);
    QPrintDialog dialog(&printer, GetSafeHwnd() ? GetSafeHwnd()->window() : nullptr);
    dialog.setMinMax(int(info->GetMinPage()), int(std::min(info->GetMaxPage(), 0xFFFFu)));
    if (dialog.exec() != QDialog::Accepted)
        return FALSE;
    if (printer.printRange() == QPrinter::PageRange) {
        info->m_nFromPage = UINT(printer.fromPage());
        info->m_nToPage = UINT(printer.toPage());
    }
    return TRUE;
}

BOOL CView::RunPrintJob(CPrintInfo& info)
{
    CDC dc;
    if (!dc.CreateOnDevice(info.m_pPrinter, true)) {
        AfxMessageBox(AFX_IDP_FAILED_TO_START_PRINT, MB_OK | MB_ICONEXCLAMATION);
        return FALSE;
    }
    OnBeginPrinting(&dc, &info);
    const UINT last = std::min(info.GetToPage(), info.GetMaxPage());
    for (UINT page = info.GetFromPage(); page <= last && info.m_bContinuePrinting; ++page) {
        info.m_nCurPage = page;
        const int saved = dc.SaveDC();
        // A printer draws on its printable area only; PDF output would also take the margins.
        dc.IntersectClipRect(0, 0, dc.GetDeviceCaps(HORZRES), dc.GetDeviceCaps(VERTRES));
        OnPrepareDC(&dc, &info);
        if (info.m_bContinuePrinting) {
            if (page != info.GetFromPage())
                info.m_pPrinter->newPage();
            info.m_rectDraw.SetRect(0, 0, dc.GetDeviceCaps(HORZRES), dc.GetDeviceCaps(VERTRES));
            dc.DPtoLP(&info.m_rectDraw);
            OnPrint(&dc, &info);
        }
        dc.RestoreDC(saved);
    }
    OnEndPrinting(&dc, &info);
    return dc.DeleteDC();
}

BOOL CView::PrintOn(QPrinter* printer, BOOL direct)
{
    CPrintInfo info(printer);
    info.m_bDirect = direct;
    if (!OnPreparePrinting(&info))
        return FALSE;
    return RunPrintJob(info);
}

void CView::OnFilePrint()
{
    CWinApp* app = AfxGetApp();
    QPrinter* current = app ? app->GetPrinter() : nullptr;
    const std::unique_ptr<QPrinter> pdf = current ? nullptr : ViewPrinting::CreatePdfPrinter();
    PrintOn(current ? current : pdf.get(), FALSE);
}

void CView::OnFilePrintDirect()
{
    CWinApp* app = AfxGetApp();
    CCommandLineInfo* command = app ? app->m_pCmdInfo : nullptr;
    if (command)
        command->m_bPrinted = PrintDirect(app, *command);
    else
        PrintDirect(app, CCommandLineInfo());
}

BOOL CView::PrintDirect(CWinApp* app, const CCommandLineInfo& command)
{
    std::unique_ptr<QPrinter> named;
    QPrinter* printer = nullptr;
    if (command.m_nShellCommand == CCommandLineInfo::FilePrintTo) {
        named = ViewPrinting::CreateNamedPrinter(command.m_strPrinterName);
        printer = named.get();
    } else if (app) {
        printer = app->GetPrinter();
    }
    if (!printer) {
        AfxMessageBox(AFX_IDP_NO_PRINTER, MB_OK | MB_ICONEXCLAMATION);
        return FALSE;
    }
    return PrintOn(printer, TRUE);
}

void CView::OnFilePrintPreview()
{
    CWinApp* app = AfxGetApp();
    QPrinter* current = app ? app->GetPrinter() : nullptr;
    const std::unique_ptr<QPrinter> pdf = current ? nullptr : ViewPrinting::CreatePdfPrinter();
    QPrinter* printer = current ? current : pdf.get();
    // The preview asks for its pages whenever it shows them; each time the whole job runs again.
    CPrintInfo prepared(printer);
    prepared.m_bPreview = TRUE;
    if (!OnPreparePrinting(&prepared))
        return;
    QPrintPreviewDialog preview(printer, GetSafeHwnd() ? GetSafeHwnd()->window() : nullptr);
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview, [this](QPrinter* device) {
        CPrintInfo info(device);
        info.m_bPreview = TRUE;
        if (OnPreparePrinting(&info))
            RunPrintJob(info);
    });
    if (const PreviewHook& hook = ViewPrinting::PreviewHook())
        hook(preview);
    else
        preview.exec();
}
