// Draws every process pictogram, every media pictogram and every file-type mark at zoom 100 and
// 25 into a picture for a reviewer to compare with the pictograms' descriptions. The picture goes
// to the folder named by ZIVRA_CONTACT_SHEET, else the working folder.
#include "foundation/DataMediaSymbols.h"
#include "foundation/FileTypeMarks.h"
#include "foundation/FlowMediaSymbols.h"
#include "foundation/SymbolPrimitives.h"

#include "platform/gdi/DC.h"

#include <QDir>
#include <QImage>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace symbol_contact_sheet_test {

constexpr COLORREF kInk = 0x800000;
constexpr COLORREF kText = 0x000000;
constexpr SIZE kSymbol{240, -160};

QString SheetPath()
{
    const QByteArray dir = qgetenv("ZIVRA_CONTACT_SHEET");
    return QDir(dir.isEmpty() ? QDir::currentPath() : QString::fromLocal8Bit(dir))
        .filePath(QStringLiteral("symbol-contact-sheet.png"));
}

// One cell of the sheet: where it lies (0.1 mm, y up), what it draws there, whether it may be empty.
struct Cell
{
    CRect rect;
    std::function<void(CDC*, POINT)> draw;
    bool empty = false;
};

// Cells in rows of columns, from the top-left corner down; returns the bottom of the last row.
int AddGrid(std::vector<Cell>& cells, POINT corner, SIZE cell, int columns, int count,
            const std::function<Cell(int, CRect)>& make)
{
    for (int i = 0; i < count; ++i) {
        const int x = corner.x + (i % columns) * cell.cx;
        const int y = corner.y + (i / columns) * cell.cy;
        cells.push_back(make(i, CRect(x, y, x + cell.cx, y + cell.cy)));
    }
    return corner.y + ((count + columns - 1) / columns) * cell.cy;
}

CString Numbered(int n, const CString& name)
{
    return CString(std::to_string(n)) + " " + name;
}

// The symbols at a zoom: origins are given at zoom 100, so a cell at p takes p * 100 / zoom.
int AddSymbols(std::vector<Cell>& cells, int top, int zoom)
{
    const LOGFONT font = [] {
        LOGFONT lf;
        InitDefaultLogFont(lf);
        return lf;
    }();
    const SIZE cell{(kSymbol.cx + 60) * zoom / 100, (kSymbol.cy - 50) * zoom / 100};
    const auto at = [zoom](POINT p) { return POINT{p.x * 100 / zoom + 30, p.y * 100 / zoom - 25}; };
    top = AddGrid(cells, {20, top}, cell, 8, DATA_MEDIA_KIND_COUNT, [&](int kind, CRect rect) {
        return Cell{rect, [=](CDC* dc, POINT p) {
                        DrawDataMediaSymbol(dc, zoom, std::to_string(kind).c_str(), GetDataMediaName(WORD(kind)), at(p),
                                            kSymbol, WORD(kind), FALSE, kInk, kText, font, 0);
                    }};
    });
    top = AddGrid(cells, {20, top}, cell, 8, FLOW_MEDIA_KIND_COUNT, [&](int kind, CRect rect) {
        return Cell{
            rect, [=](CDC* dc, POINT p) {
                const FlowTexts texts{std::to_string(kind).c_str(), GetFlowMediaName(WORD(kind)), CString(u8"補足")};
                DrawFlowMediaSymbol(dc, zoom, texts, at(p), kSymbol, WORD(kind), FALSE, kInk, kText, font, 0,
                                    kind % 3 == 0 ? 15 : 0, 0xC0C0C0);
            }};
    });
    return AddGrid(cells, {20, top}, cell, 8, FILE_TYPE_MARK_COUNT, [&](int mark, CRect rect) {
        return Cell{rect, [=](CDC* dc, POINT p) {
                        const FileBoxTexts texts{std::to_string(mark).c_str(), GetFileTypeMarkName(WORD(mark)),
                                                 CString(u8"キー"), CString(u8"データ"), ""};
                        DrawFileBoxWithMark(dc, zoom, texts, at(p), kSymbol, {80, -40, -40, 0}, WORD(mark),
                                            {PS_SOLID, kInk, 1}, kText, font, 0, 0, 0);
                    }};
    });
}

// The marks large, 10 mm square, so that their strokes can be checked.
int AddLargeMarks(std::vector<Cell>& cells, int top)
{
    return AddGrid(cells, {20, top}, {150, -150}, 13, FILE_TYPE_MARK_COUNT, [](int mark, CRect rect) {
        return Cell{rect,
                    [mark](CDC* dc, POINT p) {
                        DrawFileTypeMark(dc, 100, {p.x + 25, p.y - 25, p.x + 125, p.y - 125}, WORD(mark), kInk, 0);
                    },
                    mark == 0};
    });
}

int InkedPixels(const QImage& image, const QRect& area)
{
    int inked = 0;
    for (int y = std::max(area.top(), 0); y <= std::min(area.bottom(), image.height() - 1); ++y)
        for (int x = std::max(area.left(), 0); x <= std::min(area.right(), image.width() - 1); ++x)
            inked += image.pixel(x, y) != qRgb(255, 255, 255);
    return inked;
}

TEST(SymbolContactSheet, EveryPictogramAtZoom100And25)
{
    std::vector<Cell> cells;
    int top = AddSymbols(cells, -20, 100);
    top = AddLargeMarks(cells, top - 20);
    AddSymbols(cells, top - 20, 25);

    QImage image(1460, 2300, QImage::Format_RGB32); // 247 x 389 mm at 150 dpi
    image.fill(Qt::white);
    std::vector<QRect> areas;
    {
        CDC dc;
        ASSERT_TRUE(dc.CreateOnDevice(&image));
        dc.SetDeviceCaps(LOGPIXELSX, 150);
        dc.SetDeviceCaps(LOGPIXELSY, 150);
        dc.SetMapMode(MM_LOMETRIC);
        for (const Cell& cell : cells) {
            cell.draw(&dc, cell.rect.TopLeft());
            CRect device(cell.rect);
            dc.LPtoDP(&device);
            areas.push_back(QRect(QPoint(device.left, device.top), QPoint(device.right - 1, device.bottom - 1)));
        }
    }
    ASSERT_TRUE(image.save(SheetPath())) << SheetPath().toStdString();
    for (std::size_t i = 0; i < cells.size(); ++i)
        EXPECT_EQ(InkedPixels(image, areas[i]) == 0, cells[i].empty) << "cell " << i;
}

} // namespace symbol_contact_sheet_test
