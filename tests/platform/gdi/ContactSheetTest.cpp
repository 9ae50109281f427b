// Draws pens, brushes, arcs and text into a picture for a reviewer to look at (not compared
// pixel by pixel). ZIVRA_CONTACT_SHEET names the output folder; the working folder otherwise.
#include "platform/gdi/DC.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPdfWriter>

#include <gtest/gtest.h>

#include <cstring>

namespace {

QString OutputPath(const QString& name)
{
    const QByteArray dir = qgetenv("ZIVRA_CONTACT_SHEET");
    return QDir(dir.isEmpty() ? QDir::currentPath() : QString::fromLocal8Bit(dir)).filePath(name);
}

LOGFONT Font(const char8_t* face, int height, int weight = FW_NORMAL)
{
    LOGFONT lf{};
    lf.lfHeight = height;
    lf.lfWeight = weight;
    lf.lfCharSet = SHIFTJIS_CHARSET;
    std::strcpy(lf.lfFaceName, CString(face).GetString());
    return lf;
}

// The sheet in 0.1 mm, y up: 190 x 120 mm.
void DrawSheet(CDC& dc)
{
    dc.SetMapMode(MM_LOMETRIC);
    dc.SetBkMode(TRANSPARENT);
    LOGFONT label = Font(u8"ＭＳ Ｐゴシック", -30);
    CFont labelFont;
    labelFont.CreateFontIndirect(&label);
    CFont* oldFont = dc.SelectObject(&labelFont);

    // Pens: the five styles at width 0, then widths 1, 5 and 10 (0.1 mm) solid and inside frame.
    const int styles[] = {PS_SOLID, PS_DASH, PS_DOT, PS_DASHDOT, PS_DASHDOTDOT};
    dc.TextOut(20, -20, CString(u8"ペン"));
    for (int i = 0; i < 5; ++i) {
        CPen pen(styles[i], 0, RGB(0, 0, 0));
        CPen* old = dc.SelectObject(&pen);
        dc.MoveTo(20, -80 - i * 30);
        dc.LineTo(420, -80 - i * 30);
        dc.SelectObject(old);
    }
    const int widths[] = {1, 5, 10};
    for (int i = 0; i < 3; ++i) {
        CPen pen(PS_SOLID, widths[i], RGB(0, 0, 200));
        CPen inside(PS_INSIDEFRAME, widths[i] * 3, RGB(200, 0, 0));
        dc.SelectObject(&pen);
        dc.MoveTo(460, -80 - i * 50);
        dc.LineTo(860, -80 - i * 50);
        dc.SelectObject(&inside);
        dc.SelectStockObject(NULL_BRUSH);
        dc.Rectangle(900 + i * 150, -60, 1030 + i * 150, -200);
        dc.SelectStockObject(BLACK_PEN);
    }

    // Brushes: solid colours, stock grey, the three pattern bitmaps.
    dc.TextOut(20, -250, CString(u8"ブラシ"));
    const COLORREF colours[] = {RGB(255, 0, 0), RGB(0, 160, 0), RGB(0, 0, 255), RGB(255, 255, 0)};
    for (int i = 0; i < 4; ++i) {
        CBrush brush(colours[i]);
        dc.SelectObject(&brush);
        dc.Rectangle(20 + i * 150, -300, 150 + i * 150, -430);
        dc.SelectStockObject(WHITE_BRUSH);
    }
    dc.SelectStockObject(LTGRAY_BRUSH);
    dc.Ellipse(620, -300, 750, -430);
    for (int i = 0; i < 3; ++i) {
        CBitmap bitmap;
        bitmap.LoadBitmap(151 + UINT(i));
        CBrush pattern(&bitmap);
        dc.SelectObject(&pattern);
        dc.Rectangle(770 + i * 150, -300, 900 + i * 150, -430);
        dc.SelectStockObject(WHITE_BRUSH);
    }

    // Arcs: from the right-hand point to the top point (a quarter), a chord and a pie.
    dc.TextOut(20, -470, CString(u8"円弧"));
    CPen arcPen(PS_SOLID, 5, RGB(0, 0, 0));
    dc.SelectObject(&arcPen);
    dc.Arc(20, -520, 220, -720, 220, -620, 120, -520);
    CBrush cyan(RGB(0, 200, 200));
    dc.SelectObject(&cyan);
    dc.Chord(260, -520, 460, -720, 460, -620, 260, -620);
    dc.Pie(500, -520, 700, -720, 700, -620, 600, -720);
    dc.RoundRect(740, -520, 1000, -720, 80, 80);
    dc.SelectStockObject(BLACK_PEN);
    dc.SelectStockObject(WHITE_BRUSH);

    // Text in the four Japanese faces, bold, italic, underlined, and a wrapped DrawText.
    struct Sample
    {
        const char8_t* face;
        LONG weight;
        BYTE italic, underline;
    } samples[] = {
        {u8"ＭＳ Ｐゴシック", FW_NORMAL, 0, 0},
        {u8"ＭＳ ゴシック", FW_BOLD, 0, 0},
        {u8"ＭＳ Ｐ明朝", FW_NORMAL, 1, 0},
        {u8"ＭＳ 明朝", FW_NORMAL, 0, 1},
    };
    for (int i = 0; i < 4; ++i) {
        LOGFONT lf = Font(samples[i].face, -40, samples[i].weight);
        lf.lfItalic = samples[i].italic;
        lf.lfUnderline = samples[i].underline;
        CFont font;
        font.CreateFontIndirect(&lf);
        dc.SelectObject(&font);
        dc.SetTextColor(i == 1 ? RGB(200, 0, 0) : RGB(0, 0, 0));
        dc.TextOut(20, -760 - i * 60, CString(samples[i].face) + CString(u8" 構造図エディタ Zivra 0123"));
        dc.SelectObject(&labelFont);
    }
    dc.SetTextColor(RGB(0, 0, 0));
    CRect box(1100, -520, 1850, -1150);
    dc.SelectStockObject(NULL_BRUSH);
    dc.Rectangle(&box);
    dc.DrawText(CString(u8"ワードブレーク：日本語の文は文字と文字の間で折り返し、English words break at spaces."), &box,
                DT_WORDBREAK | DT_NOPREFIX | DT_CENTER);
    CRect single(1100, -1160, 1850, -1190);
    dc.DrawText(CString(u8"一行で縦中央"), &single, DT_SINGLELINE | DT_VCENTER | DT_RIGHT);

    // An XOR dotted tracker on white and on the filled rectangles.
    CPen dots(PS_DOT, 0, RGB(0, 0, 0));
    dc.SelectObject(&dots);
    dc.SetBkMode(OPAQUE);
    dc.SetROP2(R2_XORPEN);
    dc.Rectangle(100, -280, 1400, -450);
    dc.SetROP2(R2_COPYPEN);
    dc.SelectStockObject(BLACK_PEN);
    dc.SelectObject(oldFont);
}

TEST(ContactSheetTest, WritesPensBrushesArcsAndTextToAPicture)
{
    QImage image(720, 460, QImage::Format_RGB32); // 190 x 120 mm at 96 dpi
    image.fill(Qt::white);
    {
        CDC dc;
        ASSERT_TRUE(dc.CreateOnDevice(&image));
        dc.SetDeviceCaps(LOGPIXELSX, 96);
        dc.SetDeviceCaps(LOGPIXELSY, 96);
        DrawSheet(dc);
    }
    const QString path = OutputPath(QStringLiteral("gdi-contact-sheet.png"));
    ASSERT_TRUE(image.save(path)) << path.toStdString();
}

TEST(ContactSheetTest, PrintsToPdfAtThePrinterResolution)
{
    const QString path = OutputPath(QStringLiteral("gdi-contact-sheet.pdf"));
    QPdfWriter pdf(path);
    pdf.setResolution(600);
    {
        CDC dc;
        ASSERT_TRUE(dc.CreateOnDevice(&pdf, true));
        EXPECT_TRUE(dc.IsPrinting());
        EXPECT_EQ(dc.GetDeviceCaps(LOGPIXELSX), 600);
        EXPECT_GT(dc.GetDeviceCaps(PHYSICALWIDTH), dc.GetDeviceCaps(HORZRES));
        DrawSheet(dc);
    }
    EXPECT_GT(QFileInfo(path).size(), 1000);
}

} // namespace
