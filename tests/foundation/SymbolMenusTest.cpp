// The symbol menus: which kinds and marks they offer under which ids, and what an item paints.
#include "foundation/CommandIds.h"
#include "foundation/PopupMenuDataMedia.h"
#include "foundation/PopupMenuDataMediaDraw.h"
#include "foundation/PopupMenuDataMediaFile.h"
#include "foundation/PopupMenuDataMediaIn.h"
#include "foundation/PopupMenuDataMediaMisc.h"
#include "foundation/PopupMenuDataMediaOut.h"
#include "foundation/PopupMenuDataMediaParm.h"
#include "foundation/PopupMenuDataMediaStorage.h"
#include "foundation/PopupMenuFileBoxStyle.h"
#include "foundation/PopupMenuFlowMedia.h"
#include "foundation/SymbolPrimitives.h"
#include "tests/foundation/MenuTesting.h"
#include "tests/foundation/SymbolRecording.h"

#include "platform/gdi/DC.h"
#include "platform/gdi/DrawLog.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <memory>
#include <numeric>
#include <string>
#include <vector>

namespace symbol_menus_test {

using menu_testing::ItemIds;
using symbol_recording::Ops;
using symbol_recording::RectsOf;

// Paints one item 200 x 30 pixels, 60 pixels down the menu.
DrawLog PaintItem(CMenu& menu, UINT id, UINT_PTR data, UINT action, UINT state = 0)
{
    return menu_testing::PaintItem(menu, id, data, action, state, RECT{0, 60, 200, 90});
}

TEST(SymbolMenus, MediaGroupsCoverEveryKindOnce)
{
    std::vector<std::unique_ptr<CPopupMenuDataMedia>> groups;
    groups.push_back(std::make_unique<CPopupMenuDataMediaFile>());
    groups.push_back(std::make_unique<CPopupMenuDataMediaParm>());
    groups.push_back(std::make_unique<CPopupMenuDataMediaStorage>());
    groups.push_back(std::make_unique<CPopupMenuDataMediaOut>());
    groups.push_back(std::make_unique<CPopupMenuDataMediaIn>());
    groups.push_back(std::make_unique<CPopupMenuDataMediaDraw>());
    groups.push_back(std::make_unique<CPopupMenuDataMediaMisc>());
    std::vector<UINT> all;
    for (const auto& group : groups) {
        group->BuildMediaMenu();
        const std::vector<UINT> ids = ItemIds(*group);
        all.insert(all.end(), ids.begin(), ids.end());
    }
    EXPECT_EQ(ItemIds(*groups[0]), std::vector<UINT>({21804, 21846, 21805, 21806, 21844, 21845}));
    std::sort(all.begin(), all.end());
    std::vector<UINT> expected(51);
    std::iota(expected.begin(), expected.end(), ID_DATA_MEDIA_BASE + 1);
    EXPECT_EQ(all, expected);

    CPopupMenuDataMedia every;
    every.BuildMediaMenu();
    EXPECT_EQ(ItemIds(every), expected);
}

TEST(SymbolMenus, ProcessMenuHasNineShapes)
{
    CPopupMenuFlowMedia menu;
    menu.BuildMediaMenu();
    std::vector<UINT> expected(9);
    std::iota(expected.begin(), expected.end(), ID_FLOW_MEDIA_BASE + 1);
    EXPECT_EQ(ItemIds(menu), expected);
    MEASUREITEMSTRUCT measure;
    menu.MeasureItem(&measure);
    EXPECT_EQ(measure.itemWidth, 200u);
    EXPECT_EQ(measure.itemHeight, 30u);
}

TEST(SymbolMenus, FileTypeMenuOffersTheShownStyles)
{
    CPopupMenuFileBoxStyle menu;
    menu.BuildBoxStyleMenu({{1, "A", TRUE}, {2, "B", FALSE}, {9, "C", TRUE}});
    EXPECT_EQ(ItemIds(menu), std::vector<UINT>({21701, 21709}));

    CPopupMenuFileBoxStyle none;
    none.BuildBoxStyleMenu({{1, "A", FALSE}});
    EXPECT_NE(none.GetSafeHmenu(), nullptr);
    EXPECT_EQ(none.GetMenuItemCount(), 0);
    CPopupMenuFileBoxStyle empty;
    empty.BuildBoxStyleMenu({});
    EXPECT_NE(empty.GetSafeHmenu(), nullptr);
    EXPECT_EQ(empty.GetMenuItemCount(), 0);
}

TEST(SymbolMenus, MediaItemPaintsItsPictogramOnlyWhenDrawnWhole)
{
    CPopupMenuDataMedia menu;
    const DrawLog whole = PaintItem(menu, ID_DATA_MEDIA_BASE + 1, 1, ODA_DRAWENTIRE);
    // The pictogram in 0.1 mm without texts, then the name from a quarter of the right edge.
    const auto rects = whole.Of("Rectangle");
    ASSERT_EQ(rects.size(), 2u);
    EXPECT_EQ(rects[1].mapMode, MM_LOMETRIC);
    EXPECT_EQ(rects[1].pen.lopnColor, 0u);
    // The pictogram's name and text are empty; the label comes last.
    const auto texts = whole.Of("DrawText");
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_TRUE(texts[0].text.IsEmpty() && texts[1].text.IsEmpty());
    EXPECT_EQ(texts[2].text, GetDataMediaName(1));
    EXPECT_EQ(texts[2].args, std::vector<int>({50, 62, 200, 88, 0x24}));
    EXPECT_EQ(texts[2].mapMode, MM_TEXT);

    const DrawLog selected = PaintItem(menu, ID_DATA_MEDIA_BASE + 1, 1, ODA_SELECT, ODS_SELECTED);
    EXPECT_TRUE(selected.Of("Rectangle").empty());
    EXPECT_EQ(RectsOf(selected, "FillRect"), std::vector<std::vector<int>>({{48, 61, 200, 89}}));

    CPopupMenuFlowMedia flow;
    const DrawLog shape = PaintItem(flow, ID_FLOW_MEDIA_BASE + 7, 7, ODA_DRAWENTIRE);
    EXPECT_EQ(shape.Of("Ellipse").size(), 1u);
    EXPECT_EQ(shape.Of("DrawText").back().text, GetFlowMediaName(7));
}

TEST(SymbolMenus, FileTypeItemPaintsCheckMarkAndLabel)
{
    CPopupMenuFileBoxStyle menu;
    const FileTypeMenuEntry style{2, "USER", TRUE};
    const DrawLog log =
        PaintItem(menu, ID_FILE_TYPE_MARK_BASE + 2, reinterpret_cast<UINT_PTR>(&style), ODA_DRAWENTIRE, ODS_CHECKED);
    EXPECT_EQ(Ops(log), std::vector<std::string>({"Rectangle", "Rectangle", "Ellipse", "DrawText", "DrawTextLine"}));
    EXPECT_EQ(RectsOf(log, "Rectangle")[0], std::vector<int>({15, 64, 37, 86})); // the mark, pixels y down
    EXPECT_EQ(RectsOf(log, "Ellipse")[0], std::vector<int>({4, 66, 11, 83}));
    EXPECT_EQ(log.Of("Ellipse")[0].brush.lbColor, 0u);
    EXPECT_EQ(log.Of("DrawText")[0].text, CString("USER"));
    EXPECT_EQ(RectsOf(log, "DrawText")[0], std::vector<int>({41, 62, 200, 88}));
}

// Every item of the media, process and file-type menus as the menu shows them, for a reviewer;
// each item's picture part must have ink.
TEST(SymbolMenus, SheetOfEveryItem)
{
    CPopupMenuDataMedia media;
    media.BuildMediaMenu();
    CPopupMenuFlowMedia flow;
    flow.BuildMediaMenu();
    std::vector<FileTypeMenuEntry> styles;
    for (WORD mark = 0; mark < FILE_TYPE_MARK_COUNT; ++mark)
        styles.push_back({mark, GetFileTypeMarkName(mark), TRUE});
    CPopupMenuFileBoxStyle files;
    files.BuildBoxStyleMenu(styles);
    const std::vector<FileTypeMenuEntry*> entries = [&] {
        std::vector<FileTypeMenuEntry*> all;
        for (FileTypeMenuEntry& style : styles)
            all.push_back(&style);
        return all;
    }();
    QImage image(400, 60 * 30, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter sheet(&image);
    // Each item is painted on its own picture with its top at 0, as the menu shows it.
    const auto paint = [&sheet](CMenu& menu, int column, int row, int position, UINT_PTR data) {
        MEASUREITEMSTRUCT measure;
        measure.itemID = menu.GetMenuItemID(position);
        menu.MeasureItem(&measure);
        QImage cell(int(measure.itemWidth), int(measure.itemHeight), QImage::Format_RGB32);
        cell.fill(Qt::white);
        {
            CDC dc;
            ASSERT_TRUE(dc.CreateOnDevice(&cell));
            dc.SelectStockObject(DEFAULT_GUI_FONT);
            DRAWITEMSTRUCT item;
            item.itemID = measure.itemID;
            item.itemAction = ODA_DRAWENTIRE;
            item.itemState = position == 1 ? ODS_SELECTED | ODS_CHECKED : 0;
            item.pDC = &dc;
            item.rcItem = RECT{0, 0, cell.width(), cell.height()};
            item.itemData = data;
            menu.DrawItem(&item);
        }
        sheet.drawImage(column * 200, row * 30, cell);
    };
    for (int row = 0; row < media.GetMenuItemCount(); ++row)
        paint(media, 0, row, row, UINT_PTR(row + 1));
    for (int row = 0; row < flow.GetMenuItemCount(); ++row)
        paint(flow, 0, row + 51, row, UINT_PTR(row + 1));
    for (int row = 1; row < files.GetMenuItemCount(); ++row)
        paint(files, 1, row, row, reinterpret_cast<UINT_PTR>(entries[std::size_t(row)]));
    sheet.end();
    EXPECT_TRUE(image.save(QDir::temp().filePath("zivra-symbol-menus.png")));
    for (int row = 0; row < 60; ++row) {
        bool inked = false;
        for (int y = row * 30; y < row * 30 + 30 && !inked; ++y)
            for (int x = 0; x < 48 && !inked; ++x)
                inked = image.pixel(x, y) != qRgb(255, 255, 255);
        EXPECT_TRUE(inked) << "item " << row;
    }
}

} // namespace symbol_menus_test
