// The shell's menu items and strings read as the program shows them: the settings commands stand
// only in the menu shown without a document, and the texts are the program's own.
#include "foundation/CommandIds.h"
#include "platform/afx/StringTable.h"
#include "platform/ui/FrameworkIds.h"
#include "platform/ui/Resources.h"
#include "tests/support/MessageScript.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

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

// The numbers the command-id headers name, each with its name.
std::map<UINT, std::string> NamedCommandIds()
{
    std::map<UINT, std::string> named;
    const QRegularExpression definition(QStringLiteral(R"(^constexpr UINT (ID_\w+) = (0x[0-9A-Fa-f]+|\d+);)"),
                                        QRegularExpression::MultilineOption);
    for (const char* header : {"foundation/CommandIds.h", "platform/ui/FrameworkIds.h"}) {
        QFile file(QStringLiteral(ZIVRA_SOURCE_DIR "/") + QString::fromUtf8(header));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << header;
        const QString text = QString::fromUtf8(file.readAll());
        for (auto it = definition.globalMatch(text); it.hasNext();) {
            const QRegularExpressionMatch m = it.next();
            const UINT id = m.captured(2).toUInt(nullptr, 0);
            const auto [at, fresh] = named.emplace(id, m.captured(1).toStdString());
            EXPECT_TRUE(fresh) << at->second << " and " << m.captured(1).toStdString() << " are both " << id;
        }
    }
    return named;
}

// Every command id that the menus, accelerators and tool bars of the resources use.
void CollectCommandIds(const QJsonValue& value, std::set<UINT>& ids)
{
    if (value.isArray()) {
        for (const QJsonValue& element : value.toArray())
            element.isDouble() ? void(ids.insert(UINT(element.toInt()))) : CollectCommandIds(element, ids);
    } else if (value.isObject()) {
        const QJsonObject object = value.toObject();
        for (auto it = object.begin(); it != object.end(); ++it)
            it.key() == QLatin1String("id") ? void(ids.insert(UINT(it->toInt()))) : CollectCommandIds(*it, ids);
    }
}

} // namespace ShellResourcesTest

TEST(ShellResources, EveryCommandOfTheResourceTablesHasAName)
{
    const std::map<UINT, std::string> named = ShellResourcesTest::NamedCommandIds();
    ASSERT_TRUE(named.count(ID_TOOL_RECT) && named.count(ID_FILE_NEW));
    QFile file(QStringLiteral(":/ui.json"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    std::set<UINT> used;
    ShellResourcesTest::CollectCommandIds(QJsonDocument::fromJson(file.readAll()).object(), used);
    ASSERT_GT(used.size(), 100u);
    for (const UINT id : used) {
        // The recent files are numbered entries of one range.
        const bool recentFile = id >= ID_FILE_MRU_FILE1 && id <= ID_FILE_MRU_FILE16;
        EXPECT_TRUE(id == ID_SEPARATOR || recentFile || named.count(id)) << id << " has no name";
    }
}

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
        {ID_IMPORT_EXCEL_DB_INTERFACE, "DBｲﾝﾀﾌｪｰｽ形式Exceｼｰﾄからｲﾝﾎﾟｰﾄ(&I)", true},
        {ID_DATA_TYPE_SETTINGS, "ﾃﾞｰﾀﾀｲﾌﾟの設定(&D)...", false},
        {ID_FILE_KIND_SETTINGS, "ﾌｧｲﾙ類型の設定(&B)...", false},
        {ID_OPTIONS, "ｵﾌﾟｼｮﾝ(&O)...", false},
        {ID_DRAWING_FONT, "描画ﾌｫﾝﾄ設定(&F)...", false},
    };
    // The update imports work on the active document: its File menu alone has them.
    for (UINT id : {ID_IMPORT_EXCEL_CONCEPT_UPDATE, ID_IMPORT_EXCEL_PHYSICAL_UPDATE}) {
        EXPECT_EQ(FindItem(*mainMenu, id), nullptr) << id;
        EXPECT_NE(FindItem(*docMenu, id), nullptr) << id;
    }
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
        {ID_IMPORT_EXCEL_DB_INTERFACE, "DBｲﾝﾀﾌｪｰｽ形式のExcelｼｰﾄからｲﾝﾎﾟｰﾄする\nDBｲﾝﾀﾌｪｰｽ形式Exceｼｰﾄからｲﾝﾎﾟｰﾄ"},
        {ID_DATA_TYPE_SETTINGS, "ﾃﾞｰﾀﾀｲﾌﾟを設定する"},
        {ID_IMPORT_EXCEL_CONCEPT_UPDATE,
         "概念属性更新形式Excelｼｰﾄからｲﾝﾎﾟｰﾄして更新する\n概念属性更新形式Excelｼｰﾄからｲﾝﾎﾟｰﾄ更新"},
        {ID_IMPORT_EXCEL_PHYSICAL_UPDATE,
         "物理属性更新形式Excelｼｰﾄからｲﾝﾎﾟｰﾄして更新する\n物理属性更新形式Excelｼｰﾄからｲﾝﾎﾟｰﾄ更新"},
        {ID_FILE_KIND_SETTINGS, "概念ﾌｧｲﾙ ｵﾌﾞｼﾞｪｸﾄのﾌｧｲﾙ類型を設定する"},
        {ID_OPTIONS, "ｵﾌﾟｼｮﾝの変更"},
        {ID_DRAWING_FONT, "ﾃﾞｰﾀ､ｼｮﾘ､ﾌｧｲﾙなどの描画で使用するﾃﾞｨﾌｫﾙﾄのﾌｫﾝﾄを設定\n描画ﾌｫﾝﾄ設定"},
        {ID_DOCUMENT_FONT, "ﾃﾞｰﾀ､ｼｮﾘ､ﾌｧｲﾙなどの描画で使用するﾌｫﾝﾄを設定\n描画ﾌｫﾝﾄ設定"},
        {ID_EDIT_OPTIONS, "文字列編集ｵﾌﾟｼｮﾝの設定\n文字列編集ｵﾌﾟｼｮﾝの設定"},
        {129, "\nZivra\nZivra\nZivra ﾌｧｲﾙ (*.zvr)\n.zvr\nZivra.Document\nZivra Document"},
        {193, "OLE の初期化に失敗しました。OLE ﾗｲﾌﾞﾗﾘが正しいﾊﾞｰｼﾞｮﾝのものか確認してください。"},
        {ID_INDICATOR_CURSOR, "ｶｰｿﾙ座標(mm)   "},
        {ID_INDICATOR_ZOOM, "倍率 "},
        {ID_INDICATOR_CLOCK, "99:99"},
        {ID_INDICATOR_WRITE_STATE, "書禁"},
        {61440, "開く"},
        {61442, "すべてのファイル (*.*)"},
        {32777, "印刷ｽｹｰﾙに合わせてﾍﾟｰｼﾞ枠を表示"},
        {32778, "表示ｽｹｰﾙに合わせてﾍﾟｰｼﾞ枠を表示"},
        {20016, "ﾌｫﾝﾄの指定"},
        {20001, "点線"}, // the pen menu draws its own labels, which name these two the other way round
        {20002, "破線"},
        {32786, "表示倍率をｱｯﾌﾟして拡大表示する\n拡大表示"},
        {32853, "ｵﾌﾞｼﾞｪｸﾄの幅を最少の幅に揃える\n幅揃え"},
        {57607, "作業中のﾌｧｲﾙを印刷\n印刷"},
        {57609, "ﾌﾙｽｸﾘｰﾝで表示\n印刷プレビュー"},
        {57669, "ｸﾘｯｸされたﾎﾞﾀﾝ、ﾒﾆｭｰまたはｳｨﾝﾄﾞｳのﾍﾙﾌﾟを表示\nヘルプ"},
        {21210, "開始点にﾏｰｸを描画しない"},
        {21218, "開始点に小さい二重矢印に円を付けて描画"},
        {21225, "開始点に円と二重縦棒を描画"},
    };
    for (const auto& s : strings)
        EXPECT_EQ(Utf8(LoadStringResource(s.id)), s.text) << s.id;
}

TEST(ShellResources, EveryLineEndMarkCommandHasItsStatusText)
{
    // The end marks read as the start marks with the other end named.
    const std::string start = "開始点に", end = "終了点に";
    for (UINT mark = 0; mark < 16; ++mark) {
        const std::string startText = Utf8(LoadStringResource(21210 + mark));
        ASSERT_GT(startText.size(), start.size()) << mark;
        EXPECT_EQ(startText.substr(0, start.size()), start) << mark;
        EXPECT_EQ(Utf8(LoadStringResource(21226 + mark)), end + startText.substr(start.size())) << mark;
    }
}
