// The popup menus of the object menus: the table-built popup, the pen-style, colour and line-end
// menus, what their items paint, and a contact sheet of them for review.
#include "foundation/CommandIds.h"
#include "foundation/ListElements.h"
#include "foundation/PopupMenu.h"
#include "foundation/PopupMenuArrow.h"
#include "foundation/PopupMenuColorItem.h"
#include "foundation/PopupMenuPenStyle.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/DrawLog.h"
#include "tests/foundation/MenuTesting.h"
#include "tests/support/TestAppServices.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QImage>

#include <algorithm>
#include <iostream>
#include <vector>

namespace popup_menus_test {

std::vector<DrawCall> Paint(CMenu& menu, UINT id, UINT_PTR data, UINT state)
{
    return menu_testing::PaintItem(menu, id, data, ODA_DRAWENTIRE, state, RECT{0, 0, 160, 20}).calls;
}

bool Has(const std::vector<DrawCall>& calls, const char* op, std::vector<int> args = {})
{
    return std::any_of(calls.begin(), calls.end(),
                       [&](const DrawCall& c) { return c.op == op && (args.empty() || c.args == args); });
}

} // namespace popup_menus_test

using menu_testing::ItemIds;
using popup_menus_test::Has;
using popup_menus_test::Paint;

TEST(PopupMenus, TableMenuMakesSeparatorsOfItsMarkerAndTakesTheCount)
{
    const PopupMenuItem items[] = {
        {MF_STRING, 22008, u8"ｸﾞﾘｯﾄﾞに配置"},
        {MF_CHECKED, POPUP_SEPARATOR_ID, u8"ignored"},
        {MF_STRING, 22004, u8"高さで正方形"},
    };
    CPopupMenu menu;
    menu.BuildFromItems(items, 3);
    EXPECT_EQ(ItemIds(menu), (std::vector<UINT>{22008, 0, 22004}));
    CPopupMenu empty;
    empty.BuildFromItems(items, 0);
    ASSERT_NE(empty.GetSafeHmenu(), nullptr);
    EXPECT_EQ(empty.GetMenuItemCount(), 0);
}

TEST(PopupMenus, ColourMenuListsThePaletteWithItsDialogEntryAtSixteen)
{
    TestAppServices app;
    CColorItemList& palette = *app.GetColorItemList();
    ASSERT_EQ(palette.CreateDefaultColorItems(), 16);
    palette.SetRecentColorFrom(-1);
    CPopupMenuColorItem menu;
    menu.BuildColorMenu(ID_FILL_COLOR_BASE);
    std::vector<UINT> expected;
    for (UINT i = 0; i < 16; ++i)
        expected.push_back(ID_FILL_COLOR_BASE + i);
    expected.insert(expected.end(), {0, ID_FILL_COLOR_BASE + COLOR_MENU_DIALOG});
    EXPECT_EQ(ItemIds(menu), expected);

    // A shorter palette keeps the dialog where the commands look for it.
    palette.RemoveColorItemAt(0);
    CPopupMenuColorItem shorter;
    shorter.BuildColorMenu(ID_PEN_COLOR_BASE);
    EXPECT_EQ(ItemIds(shorter).back(), ID_PEN_COLOR_BASE + COLOR_MENU_DIALOG);
    EXPECT_EQ(shorter.GetMenuItemCount(), 17);
}

TEST(PopupMenus, ItemsPaintTheirPictureCheckAndLabel)
{
    TestAppServices app;
    CColorItemList& palette = *app.GetColorItemList();
    ASSERT_EQ(palette.CreateDefaultColorItems(), 16);
    const CColorItem* red = GetElementAtIndex(palette, 1);

    CPopupMenuColorItem colors;
    // A swatch framed in black, the check dot, the name.
    const std::vector<DrawCall> swatch = Paint(colors, ID_PEN_COLOR_BASE + 1, red->GetId(), ODS_CHECKED);
    EXPECT_TRUE(Has(swatch, "FillRect", {15, 1, 33, 19}));
    EXPECT_TRUE(Has(swatch, "FrameRect", {15, 1, 33, 19}));
    EXPECT_TRUE(Has(swatch, "Ellipse", {4, 6, 11, 13}));
    EXPECT_TRUE(std::any_of(swatch.begin(), swatch.end(),
                            [&](const DrawCall& c) { return c.op == "DrawText" && c.text == red->GetMenuName(); }));
    // The dialog entry reads "その他..."; an entry whose colour has left the palette paints nothing.
    const std::vector<DrawCall> other = Paint(colors, ID_PEN_COLOR_BASE + 16, 0, 0);
    EXPECT_TRUE(std::any_of(other.begin(), other.end(),
                            [](const DrawCall& c) { return c.op == "DrawText" && c.text == CString(u8"その他..."); }));
    EXPECT_TRUE(Paint(colors, ID_PEN_COLOR_BASE + 3, 999, ODS_CHECKED | ODS_SELECTED).empty());

    // The pen sample runs from X0 + 6 to X0 + 58 (X0 = L + H - 4 = 16); the check box is crossed.
    CPopupMenuPenStyle pens;
    const std::vector<DrawCall> pen = Paint(pens, ID_PEN_DOT, 0, ODS_CHECKED);
    EXPECT_TRUE(Has(pen, "LineTo", {22, 10, 74, 10}));
    EXPECT_TRUE(Has(pen, "Rectangle", {4, 4, 16, 16}));
    // Selected, the label part is highlighted and framed with the focus rectangle.
    const std::vector<DrawCall> selected = Paint(pens, ID_PEN_DOT, 0, ODS_SELECTED);
    EXPECT_TRUE(Has(selected, "DrawFocusRect", {78, 1, 160, 19}));

    // Start marks sit at the left end of the sample, end marks at the right end.
    CPopupMenuArrow starts;
    starts.BuildArrowMenu(TRUE, TRUE);
    EXPECT_EQ(ItemIds(starts).front(), ID_ARROW_START_BASE);
    EXPECT_EQ(ItemIds(starts).back(), ID_ARROW_START_BASE + 15);
    const std::vector<DrawCall> dot = Paint(starts, ID_ARROW_START_BASE + 3, 0, 0);
    EXPECT_TRUE(Has(dot, "Ellipse", {22, 8, 26, 13}));
    EXPECT_TRUE(Has(dot, "LineTo", {24, 10, 54, 10}));
    CPopupMenuArrow ends;
    ends.BuildArrowMenu(FALSE, FALSE);
    const std::vector<DrawCall> endDot = Paint(ends, ID_ARROW_END_BASE + 3, 0, 0);
    EXPECT_TRUE(Has(endDot, "Ellipse", {50, 8, 54, 13}));
    EXPECT_TRUE(Has(endDot, "LineTo", {22, 10, 52, 10}));
}

// The pen-style, colour and both line-end menus painted side by side, every item plain, with the
// third item checked and the fifth selected, written for review.
TEST(PopupMenus, ContactSheet)
{
    TestAppServices app;
    ASSERT_EQ(app.GetColorItemList()->CreateDefaultColorItems(), 16);
    CPopupMenuPenStyle pens;
    pens.BuildPenStyleMenu();
    CPopupMenuColorItem colors;
    colors.BuildColorMenu(ID_PEN_COLOR_BASE);
    CPopupMenuArrow starts;
    starts.BuildArrowMenu(TRUE, TRUE);
    CPopupMenuArrow ends;
    ends.BuildArrowMenu(FALSE, FALSE);
    CMenu* menus[] = {&pens, &colors, &starts, &ends};
    constexpr int kColumn = 180;
    constexpr int kRow = 22;
    QImage image(kColumn * 4, kRow * 19, QImage::Format_RGB32);
    image.fill(Qt::white);
    CDC dc;
    ASSERT_TRUE(dc.CreateOnDevice(&image));
    dc.SelectStockObject(DEFAULT_GUI_FONT);
    for (int column = 0; column < 4; ++column) {
        CMenu& menu = *menus[column];
        int row = 0;
        for (int i = 0; i < menu.GetMenuItemCount(); ++i, ++row) {
            const UINT id = menu.GetMenuItemID(i);
            if (id == 0)
                continue;
            MEASUREITEMSTRUCT measure;
            measure.itemID = id;
            menu.MeasureItem(&measure);
            DRAWITEMSTRUCT item;
            item.itemID = id;
            item.itemAction = ODA_DRAWENTIRE;
            item.itemState = (row == 2 ? ODS_CHECKED : 0) | (row == 4 ? ODS_SELECTED : 0);
            item.pDC = &dc;
            item.rcItem = RECT{column * kColumn, row * kRow, column * kColumn + int(measure.itemWidth),
                               row * kRow + int(measure.itemHeight)};
            // Colour items carry their palette entry's id; the dialog entry 0.
            item.itemData = menus[column] == &colors && id != ID_PEN_COLOR_BASE + COLOR_MENU_DIALOG
                                ? GetElementAtIndex(*app.GetColorItemList(), int(id - ID_PEN_COLOR_BASE))->GetId()
                                : 0;
            menu.DrawItem(&item);
        }
    }
    dc.DeleteDC();
    const QString path = QDir::temp().filePath("zivra-popup-menus.png");
    EXPECT_TRUE(image.save(path));
    std::cout << "contact sheet: " << path.toStdString() << "\n";
}
