// Strings and blocks of lines drawn again on a picture are copied from the pixels they left the
// first time wherever those lie on one colour: every such copy must give the very pixels of
// drawing the glyphs anew, on plain and mixed backgrounds, in boxes, clips and at the picture's
// edge.
#include "platform/gdi/DC.h"
#include "platform/gdi/PainterDevice.h"

#include <QImage>

#include <gtest/gtest.h>

#include <cstring>

namespace {

LOGFONT Font(int height, int weight = FW_NORMAL, BYTE underline = 0)
{
    LOGFONT lf{};
    lf.lfHeight = height;
    lf.lfWeight = weight;
    lf.lfUnderline = underline;
    lf.lfCharSet = SHIFTJIS_CHARSET;
    std::strcpy(lf.lfFaceName, CString(u8"ＭＳ Ｐゴシック").GetString());
    return lf;
}

const CString kBlock(u8"受注番号\r\n顧客名 Customer\r\n金額\r\n備考が枠からはみ出す長い行");

// One scene in pixels (y down) on a 420 x 300 picture.
void DrawScene(CDC& dc)
{
    dc.SetBkMode(TRANSPARENT);
    int y = 0;
    for (const LOGFONT& lf : {Font(-4), Font(-12), Font(-16, FW_BOLD, 1)}) {
        CFont font;
        font.CreateFontIndirect(&lf);
        CFont* old = dc.SelectObject(&font);
        dc.SetTextColor(RGB(0, 0, 0));
        // On white, in a box it overflows, and with a line across it and a band of colour under
        // part of it.
        CRect plain(4, y, 110, y + 60);
        dc.DrawText(kBlock, &plain, DT_WORDBREAK | DT_NOPREFIX);
        dc.FillSolidRect(CRect(120, y + 8, 230, y + 14), RGB(200, 230, 255));
        dc.MoveTo(120, y + 20);
        dc.LineTo(230, y + 20);
        CRect mixed(120, y, 230, y + 70);
        dc.DrawText(kBlock, &mixed, DT_WORDBREAK | DT_NOPREFIX);
        // Coloured text on a coloured box; the same again running off the picture's right edge.
        dc.FillSolidRect(CRect(240, y, 350, y + 60), RGB(255, 255, 200));
        dc.SetTextColor(RGB(200, 0, 0));
        CRect coloured(240, y, 350, y + 60);
        dc.DrawText(kBlock, &coloured, DT_WORDBREAK | DT_NOPREFIX);
        CRect edge(380, y, 460, y + 60);
        dc.DrawText(kBlock, &edge, DT_NOPREFIX | DT_NOCLIP);
        // Single strings: on white, across a line, clipped by their box.
        dc.SetTextColor(RGB(0, 0, 128));
        dc.TextOut(4, y + 72, CString(u8"一行の文字列"));
        dc.MoveTo(120, y + 78);
        dc.LineTo(230, y + 78);
        dc.TextOut(120, y + 72, CString(u8"一行の文字列"));
        const CRect box(240, y + 72, 280, y + 80);
        dc.ExtTextOut(240, y + 72, ETO_CLIPPED, &box, CString(u8"一行の文字列"));
        dc.SelectObject(old);
        y += 100;
    }
    // A clip of two rectangles across a block.
    CRgn left, right, both;
    left.CreateRectRgn(300, 200, 330, 300);
    right.CreateRectRgn(340, 200, 420, 300);
    both.CreateRectRgn(0, 0, 0, 0);
    both.CombineRgn(&left, &right, RGN_OR);
    dc.SelectClipRgn(&both);
    CFont font;
    const LOGFONT lf = Font(-12);
    font.CreateFontIndirect(&lf);
    CFont* old = dc.SelectObject(&font);
    dc.SetTextColor(RGB(0, 0, 0));
    CRect clipped(300, 210, 420, 290);
    dc.DrawText(kBlock, &clipped, DT_WORDBREAK | DT_NOPREFIX);
    dc.SelectObject(old);
    dc.SelectClipRgn(nullptr);
}

QImage Render(bool plain)
{
    PainterDevice::SetPlainText(plain);
    QImage image(420, 300, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        CDC dc;
        EXPECT_TRUE(dc.CreateOnDevice(&image));
        dc.SetDeviceCaps(LOGPIXELSX, 96);
        dc.SetDeviceCaps(LOGPIXELSY, 96);
        DrawScene(dc);
    }
    PainterDevice::SetPlainText(false);
    return image;
}

int ChangedPixels(const QImage& a, const QImage& b)
{
    int changed = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            changed += a.pixel(x, y) != b.pixel(x, y);
    return changed;
}

TEST(TextStampTest, CopiedTextGivesThePixelsOfDrawingItAnew)
{
    const QImage reference = Render(true);
    QImage white(reference.size(), reference.format());
    white.fill(Qt::white);
    ASSERT_GT(ChangedPixels(reference, white), 5000);
    const long before = PainterDevice::StampsCopied();
    // The first time draws glyphs; from the second on the kept pixels are copied.
    for (int time = 1; time <= 3; ++time)
        EXPECT_EQ(ChangedPixels(reference, Render(false)), 0) << "drawn " << time << " times";
    EXPECT_GT(PainterDevice::StampsCopied() - before, 20);
}

} // namespace
