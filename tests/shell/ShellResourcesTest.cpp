// The shell's menu items and strings read as the program shows them: the settings commands stand
// only in the menu shown without a document, and the texts are the program's own.
#include "platform/afx/StringTable.h"
#include "platform/ui/Resources.h"
#include "tests/support/MessageScript.h"

#include <gtest/gtest.h>

namespace ShellResourcesTest {

// The item of the id anywhere in the menu, or nullptr.
const MenuItemResource* FindItem(const std::vector<MenuItemResource>& items, UINT id)
{
    for (const MenuItemResource& item : items) {
        if (!item.IsPopup() && item.id == id)
            return &item;
        if (const MenuItemResource* inner = FindItem(item.items, id))
            return inner;
    }
    return nullptr;
}

} // namespace ShellResourcesTest

TEST(ShellResources, MenuItemsAndStrings)
{
    using ShellResourcesTest::FindItem;
    const std::vector<MenuItemResource>* mainMenu = FindMenuResource(128);
    const std::vector<MenuItemResource>* docMenu = FindMenuResource(129);
    ASSERT_TRUE(mainMenu && docMenu);
    const struct
    {
        UINT id;
        const char* text;
        bool inDocumentMenu;
    } items[] = {
        {32902, "DBｲﾝﾀﾌｪｰｽ形式Exceｼｰﾄからｲﾝﾎﾟｰﾄ(&I)", true},
        {32959, "ﾃﾞｰﾀﾀｲﾌﾟの設定(&D)...", false},
        {32871, "ﾌｧｲﾙ類型の設定(&B)...", false},
        {32870, "ｵﾌﾟｼｮﾝ(&O)...", false},
        {32901, "描画ﾌｫﾝﾄ設定(&F)...", false},
    };
    for (const auto& item : items) {
        const MenuItemResource* found = FindItem(*mainMenu, item.id);
        ASSERT_NE(found, nullptr) << item.id;
        EXPECT_EQ(found->text.toStdString(), item.text) << item.id;
        EXPECT_EQ(FindItem(*docMenu, item.id) != nullptr, item.inDocumentMenu) << item.id;
    }

    const struct
    {
        UINT id;
        const char* text;
    } strings[] = {
        {32902, "DBｲﾝﾀﾌｪｰｽ形式のExcelｼｰﾄからｲﾝﾎﾟｰﾄする\nDBｲﾝﾀﾌｪｰｽ形式Exceｼｰﾄからｲﾝﾎﾟｰﾄ"},
        {32959, "ﾃﾞｰﾀﾀｲﾌﾟを設定する"},
        {32871, "概念ﾌｧｲﾙ ｵﾌﾞｼﾞｪｸﾄのﾌｧｲﾙ類型を設定する"},
        {32870, "ｵﾌﾟｼｮﾝの変更"},
        {32901, "ﾃﾞｰﾀ､ｼｮﾘ､ﾌｧｲﾙなどの描画で使用するﾃﾞｨﾌｫﾙﾄのﾌｫﾝﾄを設定\n描画ﾌｫﾝﾄ設定"},
        {129, "\nZivra\nZivra\nZivra ﾌｧｲﾙ (*.zvr)\n.zvr\nZivra.Document\nZivra Document"},
        {193, "OLE の初期化に失敗しました。OLE ﾗｲﾌﾞﾗﾘが正しいﾊﾞｰｼﾞｮﾝのものか確認してください。"},
        {32893, "ｶｰｿﾙ座標(mm)   "},
        {32894, "倍率 "},
        {32895, "99:99"},
        {32896, "書禁"},
        {61440, "開く"},
        {61442, "すべてのファイル (*.*)"},
    };
    for (const auto& s : strings)
        EXPECT_EQ(Utf8(LoadStringResource(s.id)), s.text) << s.id;
}
