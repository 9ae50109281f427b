// Filling in RKEY references by the ends of item names (32921): the suffix rule on character
// boundaries, the question and its three answers, the count of items set, the red frames and the
// one undo step.
#include "model/RkeyAutoSetting.h"

#include "tests/model/RelationModel.h"
#include "tests/support/MessageScript.h"

#include "document/UndoStep.h"

#include <gtest/gtest.h>

#include <string>

namespace RkeyAutoSettingTest {

CData* Item(WORD number, const char8_t* name, const char* keyCode, const char* rkeyCode, WORD group = 0)
{
    return new CData(number, CString(name), CString(), CString(keyCode), CString(rkeyCode), CString(), group,
                     group ? 1 : 0, 0, 1, 0);
}

TEST(RkeySuffixMatch, KeyNameMustEndTheItemNameOnACharacterBoundary)
{
    const struct
    {
        const char8_t* item;
        const char8_t* key;
        bool matches;
    } cases[] = {
        {u8"顧客コード", u8"コード", true},
        {u8"コード", u8"コード", true},    // equal names match
        {u8"ド", u8"コード", false},       // shorter never
        {u8"顧客ｺｰﾄﾞ", u8"コード", false}, // no folding between the two kana widths
        {u8"XA", u8"A", true},
        {u8"ｴﾘｱA", u8"A", true},    // one-byte kana before it
        {u8"エリア", u8"A", false}, // 'A' (0x41) is the trail byte of ア
        {u8"エリア", u8"ア", true},
        {u8"予定表", u8"\\", false}, // 0x5C is the trail byte of 表
        {u8"ＡＢア", u8"ア", true},
        {u8"", u8"", false},
    };
    for (const auto& c : cases) {
        CData rkey(1, CString(c.item), CString(), "N", "R", CString(), 0, 0, 0, 1, 0);
        CData key(1, CString(c.key), CString(), "K", "N", CString(), 1, 1, 0, 1, 0);
        EXPECT_EQ(rkey.NameEndsWith(key) != FALSE, c.matches) << Utf8(CString(c.item)) << " / " << Utf8(CString(c.key));
    }
}

class RkeyCommand : public ::testing::Test
{
protected:
    // A key file K (two key items, the first named by a suffix of the second, and a key item that
    // is an RKEY item itself) and a file X with RKEY items.
    RkeyCommand()
    {
        k = m.File("K");
        x = m.File("X", CPoint(400, 0));
        CFileComp& key = m.FileAt(k);
        key.AddData(Item(1, u8"コード", "S", "N", 1));
        key.AddData(Item(2, u8"顧客コード", "S", "N", 1));
        key.AddData(Item(3, u8"区分", "P", "R", 2));
        CFileComp& file = m.FileAt(x);
        file.AddData(Item(1, u8"主顧客コード", "N", "R"));
        file.AddData(Item(2, u8"取引区分", "N", "R"));
        file.AddData(Item(3, u8"エリア", "N", "R"));
        file.AddData(Item(4, u8"商品コード", "N", "N")); // no RKEY item
    }
    CData& XItem(WORD number) { return *m.FileAt(x).FindDataByNumber(number); }
    void Run(int answer)
    {
        script.Answer(answer);
        RkeyAutoSetting::OnAutoSetRkeyReferences(m.doc);
    }

    RelationModel m;
    MessageScript script;
    WORD k = 0, x = 0;
};

TEST_F(RkeyCommand, KeepSetsTheFirstMatchAndCountsEachItemOnce)
{
    const COLORREF keyPen = m.FileAt(k).GetPenColor();
    const int undoIndex = m.doc.GetUndoIndex();
    Run(IDNO);
    ASSERT_EQ(script.Messages().size(), 2u);
    EXPECT_EQ(script.Messages()[0].type, UINT(MB_YESNOCANCEL | MB_ICONQUESTION));
    EXPECT_EQ(script.Texts()[0],
              "Rｷｰ機能をもっていないｷｰﾃﾞｰﾀ項目のﾃﾞｰﾀ項目名でRｷｰのﾃﾞｰﾀ項目名を後方ﾏｯﾁﾝｸﾞしてRｷｰの参照先ﾃﾞｰﾀ項目を"
              "自動設定します。\n参照先ﾃﾞｰﾀ項目が自動設定されたものを含む概念ﾌｧｲﾙは、枠線が赤色に変更されます。\n\n"
              "既に参照先が設定されているものを上書きする場合は[はい]を、上書きしない場合は[いいえ]を押してください。");
    EXPECT_EQ(script.Texts()[1], "1件のRKEYﾃﾞｰﾀ項目に関して参照先KEYﾃﾞｰﾀ項目の自動設定を行いました。\n"
                                 "参照先ﾃﾞｰﾀ項目が自動設定されたものを含む概念ﾌｧｲﾙは、赤色で表示されます。");
    EXPECT_EQ(script.Messages()[1].type, UINT(MB_OK | MB_ICONINFORMATION));
    // The first key item in list order whose name ends the item's name; 取引区分 finds only a key
    // item that is an RKEY item itself, and エリア no key item at all.
    EXPECT_EQ(XItem(1).GetRefFile(), k);
    EXPECT_EQ(XItem(1).GetRefItem(), 1);
    EXPECT_EQ(Utf8(XItem(1).GetRefItemName()), "コード");
    EXPECT_FALSE(XItem(2).HasReferencedItem());
    EXPECT_FALSE(XItem(3).HasReferencedItem());
    EXPECT_EQ(m.FileAt(x).GetPenColor(), RkeyAutoSetting::kReferencedPen);
    EXPECT_EQ(m.FileAt(k).GetPenColor(), keyPen);
    EXPECT_TRUE(m.doc.IsModified());

    // One undo step takes back the references and the frame.
    m.doc.Undo();
    EXPECT_EQ(m.doc.GetUndoIndex(), undoIndex);
    EXPECT_FALSE(XItem(1).HasReferencedItem());
    EXPECT_NE(m.FileAt(x).GetPenColor(), RkeyAutoSetting::kReferencedPen);
}

TEST_F(RkeyCommand, OverwriteLetsTheLastMatchWinAndStillCountsTheItemOnce)
{
    Run(IDYES);
    EXPECT_EQ(XItem(1).GetRefItem(), 2); // 顧客コード, the later match
    ASSERT_EQ(script.Messages().size(), 2u);
    EXPECT_EQ(script.Texts()[1].find("1件の"), 0u);
}

TEST_F(RkeyCommand, AnItemThatAlreadyRefersChangesOnlyOnOverwrite)
{
    CData& item = XItem(1);
    item.SetRefFile(x);
    item.SetRefItem(4);
    item.SetRefItemName(CString(u8"商品コード"));
    Run(IDNO);
    EXPECT_EQ(item.GetRefFile(), x);
    EXPECT_EQ(script.Texts().back(), "参照先KEYﾃﾞｰﾀ項目を自動設定したﾃﾞｰﾀ項目はありません。");
    // Nothing matched: no frame changes.
    EXPECT_NE(m.FileAt(x).GetPenColor(), RkeyAutoSetting::kReferencedPen);
    Run(IDYES);
    EXPECT_EQ(item.GetRefFile(), k);
    EXPECT_EQ(item.GetRefItem(), 2);
}

TEST_F(RkeyCommand, CancelAndReadOnlyChangeNothing)
{
    Run(IDCANCEL);
    EXPECT_EQ(script.Messages().size(), 1u);
    EXPECT_FALSE(XItem(1).HasReferencedItem());
    m.doc.SetReadOnly(TRUE);
    RkeyAutoSetting::OnAutoSetRkeyReferences(m.doc);
    EXPECT_EQ(script.Messages().size(), 1u); // not even asked
}

TEST_F(RkeyCommand, AnRkeyItemMayReferToAKeyItemOfItsOwnFile)
{
    CFileComp& file = m.FileAt(x);
    file.AddData(Item(5, u8"店舗", "K", "N", 1));
    file.AddData(Item(6, u8"出荷店舗", "N", "R"));
    Run(IDNO);
    const CData& own = *file.FindDataByNumber(6);
    EXPECT_EQ(own.GetRefFile(), x);
    EXPECT_EQ(own.GetRefItem(), 5);
    EXPECT_EQ(script.Texts().back().find("2件の"), 0u);
}

TEST_F(RkeyCommand, KeyFilesAreTriedInDrawingOrderAcrossTheDocument)
{
    const WORD later = m.File("K2", CPoint(800, 0));
    m.FileAt(later).AddData(Item(1, u8"客コード", "K", "N", 1));
    Run(IDNO);
    EXPECT_EQ(XItem(1).GetRefFile(), k); // keep: the first key file's first match
    Run(IDYES);
    EXPECT_EQ(XItem(1).GetRefFile(), later); // overwrite: the last key file's match
    EXPECT_EQ(XItem(1).GetRefItem(), 1);
    EXPECT_EQ(script.Texts().back().find("1件の"), 0u);
}

} // namespace RkeyAutoSettingTest
