#include "foundation/ColorItemList.h"

#include "foundation/ListElements.h"

#include "platform/afx/StdioFile.h"
#include "platform/profile/Profile.h"
#include "platform/ui/CmdUI.h"
#include "platform/ui/ColorDialog.h"
#include "tests/support/MessageScript.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <tuple>

namespace color_item_list_test {

using Entry = std::tuple<int, COLORREF, std::string, int>; // id, colour, name (UTF-8), recent

std::vector<Entry> Entries(const CColorItemList& list)
{
    std::vector<Entry> out;
    for (POSITION pos = list.GetHeadPosition(); pos;) {
        const CColorItem* item = list.GetNext(pos);
        out.emplace_back(item->GetId(), item->GetColor(), Utf8(item->GetMenuName()), item->GetRecentFlag());
    }
    return out;
}

std::vector<COLORREF> Colors(const CColorItemList& list)
{
    std::vector<COLORREF> out;
    for (const Entry& e : Entries(list))
        out.push_back(std::get<1>(e));
    return out;
}

// A palette of the given colours with the recent block from index recentFrom (-1: none).
void Fill(CColorItemList& list, const std::vector<COLORREF>& colors, int recentFrom)
{
    int index = 0;
    for (COLORREF c : colors) {
        const bool recent = recentFrom >= 0 && index >= recentFrom;
        list.AddColorItemDirect(new CColorItem(WORD(++index), c, recent ? RecentColorName() : CString("c"), recent));
    }
}


class ColorPalette : public ::testing::Test
{
protected:
    void SetUp() override { Profile::WriteProfileString(COLORITEM_SECTION, nullptr, nullptr); }

    // Writes bytes to a file and opens it for reading as text.
    std::unique_ptr<CStdioFile> TextFile(const std::string& bytes)
    {
        const QString path = m_folder.filePath("palette.csv");
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes.data(), qint64(bytes.size()));
        file.close();
        return std::make_unique<CStdioFile>(FromQString(path), CFile::modeRead);
    }
    CString PathOf(const char* name) { return FromQString(m_folder.filePath(name)); }

    QTemporaryDir m_folder;
};

TEST_F(ColorPalette, EmptyProfileGivesTheDefaultsWhichRoundTrip)
{
    CColorItemList palette;
    EXPECT_EQ(palette.ReadColorItemsFromReg(), 0);
    ASSERT_EQ(palette.CreateDefaultColorItems(), 16);
    ASSERT_TRUE(palette.WriteColorItemsToReg());
    EXPECT_EQ(Profile::GetProfileInt(COLORITEM_SECTION, "NumColorItem", 0), 16);
    EXPECT_EQ(Profile::GetProfileString(COLORITEM_SECTION, "13"), CString(u8"8553090,灰色,0"));
    EXPECT_EQ(Profile::GetProfileString(COLORITEM_SECTION, "16"), CString(u8"32896,最近使った色,1"));

    const std::vector<Entry> defaults = Entries(palette);
    EXPECT_EQ(defaults.front(), Entry(1, 0x000000, "黒", 0));
    EXPECT_EQ(defaults[12], Entry(13, 0x828282, "灰色", 0));
    EXPECT_EQ(defaults[14], Entry(15, 0x000080, "最近使った色", 1));
    CColorItemList reread;
    EXPECT_EQ(reread.ReadColorItemsFromReg(), 16);
    EXPECT_EQ(Entries(reread), defaults);
}

TEST_F(ColorPalette, StoredRecordsReadAsFarAsTheyGo)
{
    struct Case
    {
        const char8_t* record;
        BOOL whole;
        Entry expected;
    };
    const Case cases[] = {
        // clang-format off
        {u8"255,名前,1", TRUE, {1, 255, "名前", 1}},
        {u8"255,名前", FALSE, {1, 255, "", 0}},
        {u8"255,", FALSE, {1, 255, "", 0}},
        {u8"no comma", FALSE, {1, 0, "", 0}},
        {u8"", FALSE, {1, 0, "", 0}},
        {u8"4294967295,a,b,1", TRUE, {1, 0xFFFFFFFF, "a", 0}},
        // clang-format on
    };
    for (const Case& c : cases) {
        Profile::WriteProfileString(COLORITEM_SECTION, "1", CString(c.record));
        CColorItem item(1);
        EXPECT_EQ(Entry(item.GetId(), item.GetColor(), Utf8(item.GetMenuName()), item.GetRecentFlag()), c.expected)
            << Utf8(CString(c.record));
        EXPECT_EQ(item.ReadFromReg(), c.whole) << Utf8(CString(c.record));
    }

    Profile::WriteProfileInt(COLORITEM_SECTION, "NumColorItem", 2); // key 2 is missing
    CColorItemList palette;
    EXPECT_EQ(palette.ReadColorItemsFromReg(), 2);
    EXPECT_EQ(Entries(palette)[1], Entry(2, 0, "", 0));
}

TEST_F(ColorPalette, WritingAShorterPaletteRemovesTheKeysBeyondIt)
{
    CColorItemList palette;
    palette.CreateDefaultColorItems();
    palette.WriteColorItemsToReg();
    palette.RemoveColorItemAt(15);
    palette.RemoveColorItemAt(14);
    ASSERT_TRUE(palette.WriteColorItemsToReg());
    EXPECT_EQ(Profile::GetProfileInt(COLORITEM_SECTION, "NumColorItem", 0), 14);
    EXPECT_TRUE(Profile::HasProfileEntry(COLORITEM_SECTION, "14"));
    EXPECT_FALSE(Profile::HasProfileEntry(COLORITEM_SECTION, "15"));
    EXPECT_FALSE(Profile::HasProfileEntry(COLORITEM_SECTION, "16"));
}

TEST_F(ColorPalette, NamesThatCannotBeReadBackAreRefusedNotCut)
{
    CColorItemList palette;
    palette.CreateDefaultColorItems();
    palette.WriteColorItemsToReg();
    GetElementAtIndex(palette, 2)->SetMenuName(CString(u8"水色,薄"));
    {
        MessageScript script;
        EXPECT_FALSE(palette.WriteColorItemsToReg());
        EXPECT_EQ(script.Texts(),
                  std::vector<std::string>{"色名「水色,薄」にｶﾝﾏ(,)が含まれているため、色ｱｲﾃﾑを保存できません。"});
        EXPECT_EQ(script.Messages()[0].type, MB_ICONEXCLAMATION);
    }
    EXPECT_EQ(Profile::GetProfileString(COLORITEM_SECTION, "3"), CString(u8"16776960,水色,0")); // untouched

    GetElementAtIndex(palette, 2)->SetMenuName(CString(u8"\"水色\""));
    CStdioFile file(PathOf("out.csv"), CFile::modeCreate | CFile::modeWrite);
    MessageScript script;
    EXPECT_EQ(palette.ExportColorItemsCsv(file), -1);
    EXPECT_EQ(script.Texts(),
              std::vector<std::string>{"色名「\"水色\"」にｶﾝﾏ(,)またはﾀﾞﾌﾞﾙｸｫｰﾃｰｼｮﾝ(\")が含まれているため、"
                                       "ｴｸｽﾎﾟｰﾄ処理を中止します。"});
}

TEST_F(ColorPalette, LongNamesAreCutOnACharacterBoundary)
{
    const CString name = CString(std::string(COLORITEM_MAX_NAME_BYTES - 1, 'a')) + CString(u8"灰");
    CColorItem item(1, 0x828282, name, 0);
    EXPECT_EQ(item.GetMenuName(), CString(std::string(COLORITEM_MAX_NAME_BYTES - 1, 'a')));
    item.SetMenuName(CString(std::string(COLORITEM_MAX_NAME_BYTES - 2, 'a')) + CString(u8"灰色"));
    EXPECT_EQ(item.GetMenuName().GetLength(), COLORITEM_MAX_NAME_BYTES);
    ASSERT_TRUE(item.WriteToReg());
    CColorItem reread(1);
    EXPECT_EQ(reread.GetMenuName(), item.GetMenuName());
}

TEST_F(ColorPalette, MovePlacesTheItemBeforeTheTargetOrLast)
{
    struct Case
    {
        int from, to, result;
        std::vector<COLORREF> order;
    };
    const Case cases[] = {
        // clang-format off
        {0, 2, 1, {1, 0, 2, 3, 4}}, {3, 1, 1, {0, 3, 1, 2, 4}}, {1, 9, 4, {0, 2, 3, 4, 1}},
        {1, -1, 4, {0, 2, 3, 4, 1}}, {4, 0, 0, {4, 0, 1, 2, 3}}, {2, 2, -1, {0, 1, 2, 3, 4}},
        {7, 1, -1, {0, 1, 2, 3, 4}}, {-1, 1, -1, {0, 1, 2, 3, 4}},
        // clang-format on
    };
    for (const Case& c : cases) {
        CColorItemList list;
        Fill(list, {0, 1, 2, 3, 4}, -1);
        EXPECT_EQ(list.MoveColorItemPosByIndex(c.from, c.to), c.result) << c.from << "->" << c.to;
        EXPECT_EQ(Colors(list), c.order) << c.from << "->" << c.to;
    }
}

TEST_F(ColorPalette, ListEditingAtTheEdges)
{
    CColorItemList list;
    Fill(list, {10, 11}, -1);
    EXPECT_EQ(list.InsertBeforeColorItemByPos(new CColorItem(0, 12, "x", 0), 1), 1);
    EXPECT_EQ(list.InsertBeforeColorItemByPos(new CColorItem(0, 13, "x", 0), 9), 0);
    EXPECT_EQ(list.InsertBeforeColorItemByPos(new CColorItem(0, 14, "x", 0), -1), 0);
    EXPECT_EQ(Colors(list), (std::vector<COLORREF>{14, 13, 10, 12, 11}));
    EXPECT_FALSE(list.RemoveColorItemAt(5));
    EXPECT_FALSE(list.RemoveColorItemAt(-1));
    EXPECT_TRUE(list.RemoveColorItemAt(4));
    EXPECT_EQ(list.RenumberColorItemIds(), 4);
    EXPECT_EQ(list.FindColorItemById(3)->GetColor(), 10u);
    EXPECT_EQ(list.FindColorItemById(5), nullptr);
    EXPECT_EQ(list.FindColorIndexFrom(-1, 14), -1);
    EXPECT_EQ(list.FindColorIndexFrom(1, 14), -1);

    EXPECT_EQ(list.CopyColorItemList(list), 4); // onto itself: kept, not emptied
    EXPECT_EQ(list.AppendColorItemCopies(list), 4);
    EXPECT_EQ(Colors(list), (std::vector<COLORREF>{14, 13, 10, 12, 14, 13, 10, 12}));
}

TEST_F(ColorPalette, RecentBlockNamesAndFlags)
{
    CColorItemList list;
    Fill(list, {0, 1, 2, 3}, 2);
    EXPECT_EQ(list.GetFirstRecentColorIndex(), 2);
    EXPECT_EQ(list.FindMisnamedRecentColor(), -1);
    EXPECT_EQ(list.FindOrdinaryNamedRecent(), -1);
    GetElementAtIndex(list, 3)->SetMenuName("mine");
    GetElementAtIndex(list, 0)->SetMenuName(RecentColorName());
    EXPECT_EQ(list.FindMisnamedRecentColor(), 3);
    EXPECT_EQ(list.FindOrdinaryNamedRecent(), 0);
    EXPECT_EQ(list.ResetRecentColorNames(), 2);
    EXPECT_EQ(list.FindMisnamedRecentColor(), -1);

    EXPECT_EQ(list.SetRecentColorFrom(-1), 4);
    EXPECT_EQ(list.GetFirstRecentColorIndex(), -1);
    EXPECT_EQ(list.FindMisnamedRecentColor(), -1);
    EXPECT_EQ(list.FindOrdinaryNamedRecent(), 0); // without a block every item counts
    EXPECT_EQ(list.ResetRecentColorNames(), -1);
    list.SetRecentColorFrom(1);
    EXPECT_EQ(std::get<3>(Entries(list)[0]), 0);
    EXPECT_EQ(std::get<3>(Entries(list)[3]), 1);
}

TEST_F(ColorPalette, PickingFromTheMenuMovesOnlyALaterRecentColorToTheFront)
{
    struct Case
    {
        UINT id;
        BOOL chosen;
        COLORREF color;
        std::vector<COLORREF> order;
    };
    const std::vector<COLORREF> defaults = [] {
        CColorItemList d;
        d.CreateDefaultColorItems();
        return Colors(d);
    }();
    std::vector<COLORREF> swapped = defaults;
    std::swap(swapped[14], swapped[15]);
    const Case cases[] = {
        // clang-format off
        {21000 + 15, TRUE, 0x008080, swapped},  {21000 + 14, TRUE, 0x000080, defaults},
        {21000 + 2, TRUE, 0xFFFF00, defaults},  {21000 + 17, FALSE, 0x123456, defaults},
        {20999, FALSE, 0x123456, defaults},
        // clang-format on
    };
    for (const Case& c : cases) {
        CColorItemList palette;
        palette.CreateDefaultColorItems();
        COLORREF color = 0x123456;
        EXPECT_EQ(palette.SelectColorByCommandId(c.id, 21000, 21016, 0, color), c.chosen) << c.id;
        EXPECT_EQ(color, c.color) << c.id;
        EXPECT_EQ(Colors(palette), c.order) << c.id;
        EXPECT_EQ(std::get<0>(Entries(palette)[15]), 16);
    }
}

TEST_F(ColorPalette, DialogColoursEnterTheRecentBlock)
{
    struct Case
    {
        int recentFrom;
        BOOL confirm;
        COLORREF picked;
        std::vector<COLORREF> order;
    };
    const Case cases[] = {
        // clang-format off
        {3, TRUE, 1, {0, 1, 2, 1, 3}},  // equals an ordinary colour: still a new recent head, oldest dropped
        {3, TRUE, 4, {0, 1, 2, 4, 3}},  // already the second recent slot: moved to the head
        {3, TRUE, 3, {0, 1, 2, 3, 4}},  // already the head
        {3, TRUE, 9, {0, 1, 2, 9, 3}},  // new
        {-1, TRUE, 9, {0, 1, 2, 3, 4}}, // no recent block: returned, palette unchanged
        {3, FALSE, 9, {0, 1, 2, 3, 4}}, // cancelled
        // clang-format on
    };
    for (const Case& c : cases) {
        CColorItemList palette;
        Fill(palette, {0, 1, 2, 3, 4}, c.recentFrom);
        COLORREF seenInitial = 0;
        const ColorDialogSink previous = SetColorDialogSink([&](COLORREF initial, COLORREF& picked) {
            seenInitial = initial;
            picked = c.picked;
            return c.confirm;
        });
        COLORREF color = 77;
        EXPECT_EQ(palette.SelectColorByCommandId(21016, 21000, 21016, 0x55, color), c.confirm);
        SetColorDialogSink(previous);
        EXPECT_EQ(seenInitial, 0x55u);
        EXPECT_EQ(color, c.confirm ? c.picked : 77u);
        EXPECT_EQ(Colors(palette), c.order) << c.picked;
        EXPECT_EQ(std::get<0>(Entries(palette)[4]), 5);
        if (c.recentFrom >= 0) {
            EXPECT_EQ(std::get<2>(Entries(palette)[3]), "最近使った色");
        }
    }
}

TEST_F(ColorPalette, MenuCheckGoesToTheFirstEntryOfTheColourElseToOther)
{
    CColorItemList palette;
    Fill(palette, {5, 6, 5, 7}, -1);
    for (const auto& [color, checkedId] : {std::pair<COLORREF, UINT>{5, 21000}, {7, 21003}, {8, 21016}}) {
        for (UINT id = 21000; id <= 21016; ++id) {
            CCmdUI ui;
            ui.m_nID = id;
            palette.UpdateColorMenuCheck(&ui, color, 21000, 21016);
            EXPECT_EQ(ui.GetCheck(), id == checkedId ? 1 : 0) << color << " " << id;
        }
    }
}

TEST_F(ColorPalette, CsvExportThenImportGivesTheDefaultsBack)
{
    CColorItemList palette;
    palette.CreateDefaultColorItems();
    {
        CStdioFile out(PathOf("palette.csv"), CFile::modeCreate | CFile::modeWrite);
        EXPECT_EQ(palette.ExportColorItemsCsv(out), 16);
    }
    QFile written(m_folder.filePath("palette.csv"));
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = written.readAll().split('\n');
    EXPECT_EQ(CString(std::string(lines[0])), CString(u8"\"色\",\"色名\",\"最近使った色\"\r"));
    EXPECT_EQ(CString(std::string(lines[13])), CString(u8"\"8553090\",\"灰色\",\"NO\"\r"));

    CStdioFile in(PathOf("palette.csv"), CFile::modeRead);
    CColorItemList imported;
    EXPECT_EQ(imported.ImportColorItemsCsv(in), 16);
    EXPECT_EQ(Entries(imported), Entries(palette));
}

TEST_F(ColorPalette, CsvImportStopsAtTheFirstBadLineWithItsNumber)
{
    const std::string tooLong(2049, '9');
    struct Case
    {
        const char8_t* text;
        int result;
        std::vector<Entry> items;
        std::string message;
    };
    const Case cases[] = {
        // clang-format off
        {u8"\"255\",\"赤\",\"yEs\"\n\"0\",\"黒\",\"no\"\n", 2, {{1, 255, "赤", 1}, {2, 0, "黒", 0}}, ""},
        {u8"\"1\",\"a\",\"NO\"\n\"色\",\"色名\",\"最近使った色\"\n", 2, {{1, 1, "a", 0}, {2, 0, "色名", 0}}, ""},
        {u8"\"色\",\"色名\",\"最近使った色\"\n\"1\",\"a\",\"NO\"\n\n\"2\",\"b\",\"NO\"\n", 1, {{1, 1, "a", 0}}, ""},
        {u8"\"1\",\"a\",\"NO\"\n\"2\",\"b\"\n", -1, {{1, 1, "a", 0}},
         // clang-format on
         "2 行目のﾚｺｰﾄﾞの項目数が色ｱｲﾃﾑのｲﾝﾎﾟｰﾄ用CSVﾌｧｲﾙの項目数である3項目ではないため、ｲﾝﾎﾟｰﾄ処理を中止します。"},
        {u8"\"1\",\"a\",\"NO\",\"x\"\n",
         -1,
         {},
         "1 行目のﾚｺｰﾄﾞの項目数が色ｱｲﾃﾑのｲﾝﾎﾟｰﾄ用CSVﾌｧｲﾙの項目数である3項目ではないため、ｲﾝﾎﾟｰﾄ処理を中止します。"},
        // clang-format off
        {u8"\"\",\"a\",\"NO\"\n", -1, {}, "1 行目のﾚｺｰﾄﾞの色が指定されていないため、ｲﾝﾎﾟｰﾄ処理を中止します。"},
        {u8"\"1\",\"a,b\",\"NO\"\n", -1, {}, "1 行目のﾚｺｰﾄﾞの色名にｶﾝﾏ(,)が含まれているため、ｲﾝﾎﾟｰﾄ処理を中止します。"},
        {u8"TOOLONG", -1, {},
         // clang-format on
         "1 行目のﾚｺｰﾄﾞの項目で読込み可能最大桁数の2048ﾊﾞｲﾄをｵｰﾊﾞｰした項目があるため、ｲﾝﾎﾟｰﾄ処理を中止します。"},
    };
    for (const Case& c : cases) {
        std::string text = CString(c.text).Bytes();
        if (text == "TOOLONG")
            text = "\"" + tooLong + "\",\"a\",\"NO\"\n";
        const auto file = TextFile(text);
        CColorItemList list;
        MessageScript script;
        EXPECT_EQ(list.ImportColorItemsCsv(*file), c.result) << Utf8(CString(c.text));
        EXPECT_EQ(Entries(list), c.items) << Utf8(CString(c.text));
        EXPECT_EQ(script.Texts(), c.message.empty() ? std::vector<std::string>{} : std::vector<std::string>{c.message});
        for (const RecordedMessage& m : script.Messages())
            EXPECT_EQ(m.type, MB_OK);
    }
}

} // namespace color_item_list_test
