#include "tests/view/ViewTestSupport.h"

#include "tests/support/MessageScript.h"

#include "objects/ElliObj.h"
#include "platform/ui/Controls.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/PrintInfo.h"
#include "platform/ui/WinApp.h"

#include <QImage>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace ViewPrintTestImpl {

constexpr unsigned kPaper = 0xFFFFFF;
constexpr unsigned kCoverFill = 0x0000FF;
constexpr unsigned kPageMapGrey = 0xC0C0C0;
constexpr int kDpi = 150;

// An application whose current printer writes a PDF file.
class PdfPrinterApp : public CWinApp
{
public:
    explicit PdfPrinterApp(const QString& file) : printer(QPrinter::HighResolution)
    {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(file);
    }
    QPrinter* GetPrinter() override { return &printer; }

    QPrinter printer;
};

// One page of the PDF as a picture at kDpi, or at the resolution given.
QImage RenderPage(const QString& pdf, int page, const QString& folder, int dpi = kDpi)
{
    const QString base = folder + QStringLiteral("/page");
    QProcess::execute(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-f"),
                                                   QString::number(page), QStringLiteral("-l"), QString::number(page),
                                                   QStringLiteral("-singlefile"), QStringLiteral("-png"), pdf, base});
    return QImage(base + QStringLiteral(".png"));
}

QString PageText(const QString& pdf, int page)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"),
                                                QString::number(page), pdf, QStringLiteral("-")});
    process.waitForFinished();
    return QString::fromUtf8(process.readAllStandardOutput());
}

int PageCount(const QString& pdf)
{
    QProcess process;
    process.start(QStringLiteral("pdfinfo"), {pdf});
    process.waitForFinished();
    const QString info = QString::fromUtf8(process.readAllStandardOutput());
    const qsizetype at = info.indexOf(QStringLiteral("Pages:"));
    return at < 0 ? -1 : info.mid(at + 6).section(QLatin1Char('\n'), 0, 0).trimmed().toInt();
}

// The colour at a point of the sheet given in millimetres from its top-left corner.
unsigned ColorAtMm(const QImage& page, double x, double y)
{
    return page.pixel(int(x * kDpi / 25.4), int(y * kDpi / 25.4)) & 0xFFFFFF;
}

// Pixels of the colour that lie in the one rectangle and not in the other.
int CountPagePixels(const QImage& page, unsigned color, const QRect& inside, const QRect& outside = QRect())
{
    int n = 0;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x) {
            const QPoint p(x, y);
            if (inside.contains(p) && !outside.contains(p))
                n += (page.pixel(p) & 0xFFFFFF) == color;
        }
    return n;
}

// The pixels of a rectangle given in millimetres from the sheet's top-left corner.
QRect PixelsOfMm(double left, double top, double right, double bottom, int dpi)
{
    const auto px = [dpi](double mm) { return int(mm * dpi / 25.4); };
    return QRect(QPoint(px(left), px(top)), QPoint(px(right) - 1, px(bottom) - 1));
}

} // namespace ViewPrintTestImpl

using namespace ViewPrintTestImpl;

class ViewPrint : public ViewTest
{
};

TEST_F(ViewPrint, PageNumbersFollowTheDocumentsStyle)
{
    struct Case
    {
        WORD style;
        int across, down;
        WORD first;
        BOOL autoTotal;
        WORD given;
        UINT page;
        const char* text;
    };
    const Case cases[] = {
        {3, 30, 1, 1, TRUE, 0, 27, "AA1"},  // column 26 after Z
        {3, 3, 2, 1, TRUE, 0, 5, "B2"},     //
        {4, 1, 28, 1, TRUE, 0, 28, "AB1"},  // the row as letters
        {2, 2, 2, 5, TRUE, 0, 1, "5 / 4"},  // the total computed, from the first number
        {2, 2, 2, 1, FALSE, 9, 3, "3 / 9"}, // the user's total
        {1, 2, 2, 1, TRUE, 0, 3, "- 3 - "}, {7, 2, 2, 4, TRUE, 0, 1, "- 4 - "}, // an unknown style numbers as style 1
    };
    CZivraView& view = Open();
    for (const Case& c : cases) {
        m_doc->SetFooterSettings(c.first, c.autoTotal, c.given, c.style, 2, TRUE);
        m_doc->SetPages(c.across, c.down);
        CPrintInfo info;
        info.m_bDirect = TRUE;
        ASSERT_TRUE(view.OnPreparePrinting(&info));
        EXPECT_EQ(info.GetMaxPage(), UINT(c.across * c.down));
        EXPECT_STREQ(view.FormatPageNumberText(c.page), c.text) << c.style << " page " << c.page;
    }
}

// A drawing of 3 x 2 pages under a filled rectangle that covers it all, printed to PDF with the
// automatic header and the column letters in the footer: every page has its own cell of the
// drawing, the masks keep the margins white, and the header's page map marks the page.
TEST_F(ViewPrint, PrintingToPdfCutsTheDrawingIntoPagesWithMasksHeaderAndPageNumbers)
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("job.pdf"));
    PdfPrinterApp app(pdf);
    m_doc->SetHeaderStyle(1);
    m_doc->SetHeaderTitle(CString(u8"倉庫管理 構造図"));
    m_doc->SetAuthorName(CString(u8"山田"));
    m_doc->SetRemarks(CString(u8"第二版"));
    m_doc->SetFooterSettings(1, TRUE, 0, 3, 2, TRUE);
    CRectObj* cover = AddRect(CRect(10, -10, 5240, -4830));
    cover->SetFill(TRUE);
    cover->SetFillColor(RGB(0, 0, 255));
    m_doc->SetPages(3, 2);
    CZivraView& view = Open();
    view.SetPrintOptions(FALSE, FALSE, TRUE, FALSE, TRUE);
    view.SetZoom(75);

    view.SendMessage(WM_COMMAND, ID_FILE_PRINT_DIRECT);
    EXPECT_EQ(view.GetZoom(), 75); // the print scale was only borrowed
    ASSERT_EQ(PageCount(pdf), 6);

    // A4 with 2.5 mm of printer margin: the header band runs from 17.5 to 37.5 mm, the body from
    // 17.5 to 192.5 mm across and down to 279.5 mm.
    const QImage first = RenderPage(pdf, 1, dir.path());
    ASSERT_FALSE(first.isNull());
    EXPECT_EQ(ColorAtMm(first, 105, 150), kCoverFill);
    EXPECT_EQ(ColorAtMm(first, 105, 286), kPaper); // the drawing below the page is masked
    EXPECT_EQ(ColorAtMm(first, 105, 296), kPaper);
    EXPECT_EQ(ColorAtMm(first, 194, 150), kPaper); // and so is what lies right of it
    EXPECT_EQ(ColorAtMm(first, 191.8, 28.5), kPaper);

    const QImage second = RenderPage(pdf, 2, dir.path());
    EXPECT_EQ(ColorAtMm(second, 10, 150), kPaper); // the left margin hides the first page's cell
    EXPECT_EQ(ColorAtMm(second, 1, 150), kPaper);  // nothing lands outside the printable area
    EXPECT_EQ(ColorAtMm(second, 105, 150), kCoverFill);
    const QImage third = RenderPage(pdf, 3, dir.path());
    EXPECT_EQ(ColorAtMm(third, 191.8, 28.5), kPageMapGrey); // the last cell of the map's first row
    const QImage fourth = RenderPage(pdf, 4, dir.path());
    EXPECT_EQ(ColorAtMm(fourth, 150, 20), kPaper); // the header band hides the row above
    EXPECT_EQ(ColorAtMm(fourth, 105, 150), kCoverFill);

    const QString header = PageText(pdf, 3);
    for (const char8_t* text : {u8"倉庫管理 構造図", u8"作成者名", u8"山田", u8"出力日", u8"備考 : 第二版", u8"C1"})
        EXPECT_TRUE(header.contains(QString::fromUtf8(reinterpret_cast<const char*>(text))))
            << reinterpret_cast<const char*>(text);
    EXPECT_FALSE(header.contains(QStringLiteral("Zivra"))); // this view's header has no product cell
    EXPECT_TRUE(PageText(pdf, 4).contains(QStringLiteral("A2")));
}

// The header rows print as the text boxes they are; a hidden row prints nothing.
TEST_F(ViewPrint, ShownHeaderRowsPrintAndHiddenOnesDoNot)
{
    QTemporaryDir dir;
    m_doc->SetHeaderTitle(CString(u8"受注管理"));
    m_doc->SetUpdaterName(CString(u8"佐藤"));
    CZivraView& view = Open();
    m_doc->OnHeaderRow(ID_HEADER_TITLE);
    m_doc->OnHeaderRow(ID_HEADER_UPDATER);
    const auto printed = [&](const char* name) {
        const QString pdf = dir.filePath(QString::fromUtf8(name));
        PdfPrinterApp app(pdf);
        view.SendMessage(WM_COMMAND, ID_FILE_PRINT_DIRECT);
        return PageText(pdf, 1);
    };
    const QString shown = printed("shown.pdf");
    for (const char8_t* text : {u8"受注管理", u8"更新者名", u8"佐藤"})
        EXPECT_TRUE(shown.contains(QString::fromUtf8(reinterpret_cast<const char*>(text))))
            << reinterpret_cast<const char*>(text);
    EXPECT_FALSE(shown.contains(QString::fromUtf8(reinterpret_cast<const char*>(u8"作成者名"))));

    m_doc->OnHeaderRow(ID_HEADER_TITLE);
    const QString hidden = printed("hidden.pdf");
    EXPECT_FALSE(hidden.contains(QString::fromUtf8(reinterpret_cast<const char*>(u8"受注管理"))));
    EXPECT_TRUE(hidden.contains(QString::fromUtf8(reinterpret_cast<const char*>(u8"佐藤"))));
}

TEST_F(ViewPrint, PreviewRunsTheSameJobAndACancelledDialogLeavesTheZoom)
{
    QTemporaryDir dir;
    PdfPrinterApp app(dir.filePath(QStringLiteral("preview.pdf")));
    AddRect(CRect(100, -100, 500, -400));
    m_doc->SetPages(2, 3);
    CZivraView& view = Open();
    view.SetZoom(150);

    int previewPages = 0;
    const auto oldPreview = CView::SetPreviewHook([&](QPrintPreviewDialog& preview) {
        auto* widget = preview.findChild<QPrintPreviewWidget*>();
        ASSERT_NE(widget, nullptr);
        widget->updatePreview();
        previewPages = widget->pageCount();
    });
    view.SendMessage(WM_COMMAND, ID_FILE_PRINT_PREVIEW);
    CView::SetPreviewHook(oldPreview);
    EXPECT_EQ(previewPages, 6);
    EXPECT_EQ(view.GetZoom(), 150);

    int dialogs = 0;
    const auto oldDialog = CView::SetPrintDialogHook([&](QPrinter&, CPrintInfo& info) {
        ++dialogs;
        EXPECT_EQ(info.GetMaxPage(), 6u);
        return FALSE;
    });
    view.SendMessage(WM_COMMAND, ID_FILE_PRINT);
    CView::SetPrintDialogHook(oldDialog);
    EXPECT_EQ(dialogs, 1);
    EXPECT_EQ(view.GetZoom(), 150);
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("preview.pdf"))));
}

TEST_F(ViewPrint, DirectPrintWithoutAPrinterSaysSo)
{
    CWinApp app;
    CZivraView& view = Open();
    MessageScript script;
    view.SendMessage(WM_COMMAND, ID_FILE_PRINT_DIRECT);
    EXPECT_EQ(script.Texts(), (std::vector<std::string>{"印刷できるプリンタがありません。"}));
}

TEST_F(ViewPrint, PrintOptionsDialogShowsAndTakesTheViewsOptions)
{
    CZivraView& view = Open();
    view.SetPrintOptions(FALSE, TRUE, TRUE, TRUE, TRUE);
    const auto checked = [](CDialog& d, int id) {
        return static_cast<CButton*>(d.GetDlgItem(id))->GetCheck() == BST_CHECKED;
    };
    CDialog::SetModalHook([&](CDialog& d) {
        // The frame of each page wins over the layout frames; without a header area the header box
        // is disabled but keeps its check.
        EXPECT_TRUE(checked(d, 1001));
        EXPECT_FALSE(checked(d, 1002));
        EXPECT_FALSE(checked(d, 1003));
        EXPECT_TRUE(checked(d, 1000));
        EXPECT_FALSE(d.GetDlgItem(1000)->IsWindowEnabled());
        static_cast<CButton*>(d.GetDlgItem(1003))->SetCheck(BST_CHECKED);
        static_cast<CButton*>(d.GetDlgItem(1005))->SetCheck(BST_CHECKED);
        d.SendMessage(WM_COMMAND, IDOK);
    });
    view.SendMessage(WM_COMMAND, ID_PRINT_OPTIONS);
    CDialog::SetModalHook(nullptr);

    // Printing now follows the view's zoom and draws no frames: the page count is the zoomed one.
    view.SetZoom(200);
    CPrintInfo info;
    info.m_bDirect = TRUE;
    ASSERT_TRUE(view.OnPreparePrinting(&info));
    EXPECT_EQ(view.GetPrintPages(), CSize(2, 2));
}


// A filled, shadowed ellipse across the break of a 1 x 2 page job on A4 landscape: each page shows
// its part of it in the page body, and not one pixel of it in the margins, down to the last row
// of the printable area (it once left a hairline there, 2.6 mm above the paper's edge).
TEST_F(ViewPrint, AnEllipseAcrossThePageBreakLeavesTheMarginsWhite)
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty())
        GTEST_SKIP() << "pdftoppm (poppler-utils) is not installed: the printed pages cannot be inspected";
    constexpr int dpi = 300;
    constexpr unsigned fill = 0xFF0000, shadow = 0x00C000; // as 0xRRGGBB
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("break.pdf"));
    PdfPrinterApp app(pdf);
    m_doc->SetPageSettings(2, 100, CSize(150, 150), CSize(150, 150));
    m_doc->SetHeaderStyle(1);
    {
        CUndoStep step(m_doc);
        // The page body is 1550 units high: the ellipse has its widest chord on the break.
        auto* ellipse = new CElliObj(m_doc->NewObjectId(), CRect(500, -1200, 2000, -1900));
        ellipse->SetFill(TRUE);
        ellipse->SetFillColor(RGB(0xFF, 0, 0));
        ellipse->SetShadowDepth(20);
        ellipse->SetShadowColor(RGB(0, 0xC0, 0));
        ASSERT_TRUE(m_doc->AddObject(ellipse));
    }
    m_doc->SetPages(1, 2);
    CZivraView& view = Open();
    // No header, page number or frame: nothing but the drawing may print anywhere.
    view.SetPrintOptions(FALSE, FALSE, FALSE, FALSE, FALSE);
    view.SendMessage(WM_COMMAND, ID_FILE_PRINT_DIRECT);
    ASSERT_EQ(PageCount(pdf), 2);

    // 297 x 210 mm with 2.5 mm of printer margin, 15 mm margins and the 20 mm header area: the
    // body runs from 17.5 to 279.5 mm across and from 37.5 to 192.5 mm down. Its edges are left a
    // pixel of the rendering's smoothing.
    const QRect body = PixelsOfMm(17.5, 37.5, 279.5, 192.5, dpi).adjusted(-1, -1, 1, 1);
    for (int page = 1; page <= 2; ++page) {
        const QImage image = RenderPage(pdf, page, dir.path(), dpi);
        ASSERT_FALSE(image.isNull());
        EXPECT_GT(CountPagePixels(image, fill, body), 1000) << "page " << page;
        EXPECT_GT(CountPagePixels(image, shadow, body), 100) << "page " << page;
        const QRect sheet = image.rect();
        EXPECT_EQ(CountPagePixels(image, 0xFFFFFF, sheet, body),
                  sheet.width() * sheet.height() - body.width() * body.height())
            << "page " << page << ": the margins hold more than white";
    }
}
