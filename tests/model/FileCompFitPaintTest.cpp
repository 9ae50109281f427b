// A conceptual file fitted to its texts shows every line it was fitted to, on a screen's picture and
// at a printer's resolution, at 100 and 150 %: the lines step by the font's height, as the fit
// counts them, whatever the resolution rounds a glyph to.
#include "document/ZivraDoc.h"
#include "foundation/SymbolPrimitives.h"
#include "foundation/ZoomScale.h"
#include "model/FileComp.h"
#include "objects/DrawObjects.h"
#include "platform/gdi/DC.h"

#include <QImage>

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace FileCompFitPaintTest {

constexpr DWORD kNormal = 0x10000;
constexpr QRgb kWhite = 0xFFFFFFFF;

// Lines of distinct texts, CR LF between them.
CString Lines(const char8_t* stem, int count)
{
    CString text;
    for (int i = 1; i <= count; ++i)
        text += CString(stem) + std::to_string(i).c_str() + (i < count ? "\r\n" : "");
    return text;
}

// The file drawn at the zoom onto a white picture at the resolution, in 0.1 mm with y up, its
// top-left corner 20 pixels into the picture.
struct Picture
{
    Picture(CFileComp& file, int dpi, int zoom, CZivraDoc& doc) : dpi(dpi), zoom(zoom)
    {
        CRect rect = file.GetRect();
        ScaleRectByZoom(rect, zoom);
        origin = CPoint(rect.left - MulDiv(20, 254, dpi), rect.top + MulDiv(20, 254, dpi));
        image =
            QImage(MulDiv(rect.Width(), dpi, 254) + 40, MulDiv(-rect.Height(), dpi, 254) + 40, QImage::Format_RGB32);
        image.fill(kWhite);
        CDC dc;
        EXPECT_TRUE(dc.CreateOnDevice(&image));
        dc.SetDeviceCaps(LOGPIXELSX, dpi);
        dc.SetDeviceCaps(LOGPIXELSY, dpi);
        dc.SetMapMode(MM_LOMETRIC);
        dc.SetWindowOrg(origin);
        DrawObjects::Draw(&file, &dc, zoom, FALSE, TRUE, doc.GetDrawingFont(), kNormal, &doc);
    }
    // The pixel column and row of a point of the file (unscaled).
    int Column(int x) const { return MulDiv(Scaled(x) - origin.x, dpi, 254); }
    int Row(int y) const { return MulDiv(origin.y - Scaled(y), dpi, 254); }
    int Scaled(int value) const
    {
        ScaleValueByZoom(value, zoom);
        return value;
    }
    bool Inked(int x, int y) const { return image.pixel(x, y) != kWhite; }

    int dpi, zoom;
    CPoint origin;
    QImage image;
};

// Whether the fitted file shows all of a text that the reference file, whose band for it is
// deeper, draws from the same top: the reference inks nothing below where the fitted band clips
// its text, and the fitted one inks the same pixels above (a clipped glyph may blend its edges a
// shade differently). The bands are given unscaled; texts keep a margin inside their band.
::testing::AssertionResult ShowsAll(const Picture& fitted, const CRect& band, const Picture& reference,
                                    const CRect& referenceBand)
{
    // Clear of the margin and the outline, which is a tenth of a millimetre wide.
    const int inset = MulDiv(4, fitted.dpi, 254) + 1;
    const int left = fitted.Column(band.left) + inset, right = fitted.Column(band.right) - inset;
    int margin = 5;
    ScaleValueByZoom(margin, fitted.zoom);
    const int clip = fitted.Row(band.bottom) - MulDiv(margin, fitted.dpi, 254);
    for (int row = clip; row < reference.Row(referenceBand.bottom) - inset; ++row)
        for (int x = left; x <= right; ++x)
            if (reference.Inked(x, row))
                return ::testing::AssertionFailure() << "text below the clip at row " << row << " of " << clip;
    for (int row = fitted.Row(band.top) + inset; row < clip; ++row)
        for (int x = left; x <= right; ++x)
            if (fitted.Inked(x, row) != reference.Inked(x, row))
                return ::testing::AssertionFailure() << "cut at " << x << ", " << row << " above the clip " << clip;
    return ::testing::AssertionSuccess();
}

CRect NameCell(const CFileComp& file)
{
    CRect rect;
    file.GetNameCellRect(rect);
    return rect;
}

CRect DataBand(const CFileComp& file)
{
    CRect rect;
    file.GetDataBandRect(rect);
    return rect;
}

// A file fitted to a name and data items of many lines, drawn at the resolutions of a screen and
// of printers: the fitted box shows every line of both.
TEST(FileCompFitPaint, AFittedFileShowsEveryLineOnScreenAndInPrint)
{
    struct Case
    {
        int dpi, zoom, lines;
    };
    // (At zoom 150 a line steps 40 for the 39 that 1.5 times 26 makes: the fit's slack of half a
    // line in a band lasts about a dozen lines there.)
    const Case cases[] = {{96, 100, 8},  {96, 100, 20},  {96, 150, 8},   {96, 150, 12},
                          {600, 100, 8}, {600, 150, 12}, {1200, 100, 20}};
    for (const Case& c : cases) {
        const std::string what =
            std::to_string(c.dpi) + " dpi, zoom " + std::to_string(c.zoom) + ", " + std::to_string(c.lines) + " lines";
        CZivraDoc doc;
        doc.m_bAutoDelete = FALSE;
        const auto make = [&](WORD id) {
            auto file = std::make_unique<CFileComp>(id, CRect(0, 0, 400, -160));
            file->SetFileNumber("F01");
            file->SetFileName(Lines(u8"受注", c.lines));
            file->SetDataText(Lines(u8"受注項目", c.lines));
            file->FitBoxToTexts(1 | 4, *doc.GetDrawingFont());
            return file;
        };
        const auto fitted = make(1);
        // The same file in a box far deeper than its texts need, and that box with a deeper
        // caption: nothing of the data, or of the name, is cut there.
        const auto deep = make(2);
        CRect deeper = deep->GetRect();
        deeper.bottom -= 900;
        deep->NormalizeRect(deeper);
        const auto deepCaption = make(3);
        deepCaption->NormalizeRect(deeper);
        deepCaption->ApplyHandleDrag(CSize(0, -400), CFileComp::HIT_BAND_HANDLE | CFileComp::DRAG_CAPTION_EDGE, 0);

        const Picture shown(*fitted, c.dpi, c.zoom, doc);
        const Picture whole(*deep, c.dpi, c.zoom, doc);
        const Picture wholeName(*deepCaption, c.dpi, c.zoom, doc);
        EXPECT_TRUE(ShowsAll(shown, DataBand(*fitted), whole, DataBand(*deep))) << what << ", data";
        EXPECT_TRUE(ShowsAll(shown, NameCell(*fitted), wholeName, NameCell(*deepCaption))) << what << ", name";
    }
}

} // namespace FileCompFitPaintTest
