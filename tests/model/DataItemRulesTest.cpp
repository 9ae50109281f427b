// The data items dialog's rules on a working list, and the derivation sources dialog's rules on a
// source list, driven without widgets.
#include "model/DataGenSrc.h"
#include "model/DataGenSrcList.h"
#include "model/DataGenSrcRules.h"
#include "model/DataItemRules.h"
#include "model/DataList.h"
#include "model/DataModelClasses.h"

#include "platform/afx/String.h"
#include "tests/support/MessageScript.h"

#include <gtest/gtest.h>

#include <string>

namespace DataItemRulesTest {

constexpr WORD kOwnFile = 7;

CData* Item(WORD number, const char* name, const char* key = "N", WORD group = 0, WORD level = 1, WORD parent = 0)
{
    return new CData(number, name, "", key, "N", "", group, 0, 0, level, parent);
}

// Each item as name:key code/group/NULL option, joined by spaces.
std::string Keys(const CDataList& list)
{
    std::string text;
    for (POSITION pos = list.GetHeadPosition(); pos;) {
        const CData* item = list.GetNext(pos);
        text += Utf8(item->GetName()) + ":" + Utf8(item->GetKeyCode()) + "/" + std::to_string(item->GetKeyGroup()) +
                "/" + std::to_string(item->GetNullOption());
        text += pos ? " " : "";
    }
    return text;
}

std::string Names(const CDataList& list)
{
    std::string names;
    for (POSITION pos = list.GetHeadPosition(); pos;) {
        names += Utf8(list.GetNext(pos)->GetName());
        names += pos ? "," : "";
    }
    return names;
}

} // namespace DataItemRulesTest

using namespace DataItemRulesTest;

TEST(DataItemRules, CheckingAndUncheckingKey)
{
    // a, b, c plain top-level items; each step acts on the list the step before left.
    CDataList list;
    list.AddDataDirect(Item(1, "a"));
    list.AddDataDirect(Item(2, "b"));
    list.AddDataDirect(Item(3, "c"));
    DataItemRules rules(list, kOwnFile, FALSE);
    struct Step
    {
        int row;
        BOOL on;
        BOOL changed;
        const char* keys;
    } steps[] = {
        {0, TRUE, TRUE, "a:K/1/1 b:N/0/2 c:N/0/2"},  // first key item: group 1, "K", NOT NULL
        {1, TRUE, TRUE, "a:S/1/1 b:S/1/1 c:N/0/2"},  // a second joins the group: both "S"
        {1, TRUE, FALSE, "a:S/1/1 b:S/1/1 c:N/0/2"}, // no change, nothing happens
        {0, FALSE, TRUE, "a:N/0/2 b:K/1/1 c:N/0/2"}, // unchecking: the one left becomes "K"
        {2, TRUE, TRUE, "a:N/0/2 b:S/1/1 c:S/1/1"},  // the group of the nearest key item above
    };
    for (const Step& s : steps) {
        EXPECT_EQ(rules.SetKey(*list.GetDataAt(s.row), s.on), s.changed) << s.row;
        EXPECT_EQ(Keys(list), s.keys) << s.row << " " << s.on;
    }
}

TEST(DataItemRules, KeyOnAParentReachesItsChildren)
{
    CDataList list;
    list.AddDataDirect(Item(1, "p"));
    list.AddDataDirect(Item(2, "c1", "N", 0, 2, 1));
    list.AddDataDirect(Item(3, "c2", "N", 0, 2, 1));
    DataItemRules rules(list, kOwnFile, FALSE);
    rules.SetKey(*list.GetDataAt(0), TRUE);
    EXPECT_EQ(Keys(list), "p:K/1/1 c1:S/1/1 c2:S/1/1");
    rules.SetKey(*list.GetDataAt(0), FALSE);
    EXPECT_EQ(Keys(list), "p:N/0/2 c1:N/0/2 c2:N/0/2");
}

TEST(DataItemRules, KeyGroupRkeyAndChildLevel)
{
    CDataList list;
    list.AddDataDirect(Item(1, "a", "S", 1));
    list.AddDataDirect(Item(2, "b", "S", 1));
    list.AddDataDirect(Item(3, "n"));
    DataItemRules rules(list, kOwnFile, FALSE);
    CData& b = *list.GetDataAt(1);
    EXPECT_FALSE(rules.SetKeyGroup(b, 0));                  // zero is no group
    EXPECT_FALSE(rules.SetKeyGroup(*list.GetDataAt(2), 2)); // not a key item
    EXPECT_FALSE(rules.SetKeyGroup(b, 1));                  // unchanged
    EXPECT_TRUE(rules.SetKeyGroup(b, 2));
    EXPECT_EQ(Keys(list), "a:K/1/1 b:K/2/1 n:N/0/2");
    // RKEY on a key item of a group of two gives "P"; off clears the reference.
    rules.SetKeyGroup(b, 1);
    b.SetRefFile(9);
    b.SetRefItem(4);
    EXPECT_TRUE(rules.SetRkey(b, TRUE));
    EXPECT_EQ(Utf8(b.GetKeyCode()), "P");
    EXPECT_TRUE(rules.SetRkey(b, FALSE));
    EXPECT_EQ(Utf8(b.GetKeyCode()), "S");
    EXPECT_EQ(b.GetRefFile(), 0);
    EXPECT_EQ(b.GetRefItem(), 0);
    // Child level: no physical target; back at the top it is one again, unless a key item of a
    // file merged into its parent.
    CData& n = *list.GetDataAt(2);
    EXPECT_TRUE(rules.SetChildLevel(n, TRUE));
    EXPECT_EQ(n.GetLevel(), 2);
    EXPECT_EQ(n.GetPhysicalTarget(), 0u);
    n.SetParentItem(1);
    EXPECT_TRUE(rules.SetChildLevel(n, FALSE));
    EXPECT_EQ(n.GetParentItem(), 0);
    EXPECT_EQ(n.GetPhysicalTarget(), 1u);
    // A key item leaving group 1's top level leaves "a" alone as "K".
    EXPECT_TRUE(rules.SetChildLevel(b, TRUE));
    EXPECT_EQ(Utf8(list.GetDataAt(0)->GetKeyCode()), "K");
    DataItemRules merged(list, kOwnFile, TRUE);
    EXPECT_TRUE(merged.SetChildLevel(b, FALSE));
    EXPECT_EQ(b.GetPhysicalTarget(), 0u);
}

TEST(DataItemRules, ChoosingAParent)
{
    using Choice = DataItemRules::ParentChoice;
    struct Case
    {
        int row;
        WORD parent;
        Choice choice;
        const char8_t* message;
    } cases[] = {
        {1, 2, Choice::Refused,
         u8"自分自身が親概念ﾃﾞｰﾀ項目に選択されました。定義が矛盾していますので確認してください。"},
        {1, 3, Choice::StoredWithFinding,
         u8"子ﾚﾍﾞﾙのﾃﾞｰﾀ項目が親概念ﾃﾞｰﾀ項目に選択されました。定義が矛盾していますので確認してください。"},
        {3, 1, Choice::StoredWithFinding,
         u8"ｷｰ機能がないﾃﾞｰﾀ項目の親概念ﾃﾞｰﾀ項目に、ｷｰ機能があるものが選択されました。定義が矛盾していますので確認してください。"},
        {1, 4, Choice::StoredWithFinding,
         u8"ｷｰ機能があるﾃﾞｰﾀ項目の親概念ﾃﾞｰﾀ項目に、ｷｰ機能がないものが選択されました。定義が矛盾していますので確認してください。"},
        {4, 1, Choice::StoredWithFinding,
         u8"ｷｰｸﾞﾙｰﾌﾟ番号が異なるﾃﾞｰﾀ項目が親概念ﾃﾞｰﾀ項目に選択されました。定義が矛盾していますので確認してください。"},
        {2, 1, Choice::Unchanged, u8""},
        {2, 0, Choice::Stored, u8""},
    };
    for (const Case& c : cases) {
        CDataList list;
        list.AddDataDirect(Item(1, "k1", "K", 1));
        list.AddDataDirect(Item(2, "k2", "K", 1));
        list.AddDataDirect(Item(3, "child", "K", 1, 2, 1));
        list.AddDataDirect(Item(4, "plain"));
        list.AddDataDirect(Item(5, "k3", "K", 2));
        DataItemRules rules(list, kOwnFile, FALSE);
        CData& item = *list.GetDataAt(c.row);
        const WORD before = item.GetParentItem();
        CString message;
        EXPECT_EQ(rules.SetParent(item, c.parent, message), c.choice) << c.row << "->" << c.parent;
        EXPECT_EQ(Utf8(message), Utf8(CString(c.message))) << c.row << "->" << c.parent;
        EXPECT_EQ(item.GetParentItem(), c.choice == Choice::Refused ? before : c.parent);
    }
}

TEST(DataItemRules, ReferenceToSelfIsRefusedAndNamesAreLookedUp)
{
    CDataList list;
    list.AddDataDirect(Item(1, "a"));
    list.AddDataDirect(Item(2, "b"));
    DataItemRules rules(list, kOwnFile, FALSE,
                        [](WORD file, WORD number) { return file == 9 && number == 3 ? CString("other") : CString(); });
    CData& a = *list.GetDataAt(0);
    CString message;
    EXPECT_FALSE(rules.ApplyReference(a, kOwnFile, 1, message));
    EXPECT_EQ(Utf8(message),
              Utf8(CString(u8"自分自身が参照先ﾃﾞｰﾀ項目に選択されました。定義が矛盾していますので確認してください。")));
    EXPECT_TRUE(rules.ApplyReference(a, kOwnFile, 2, message));
    EXPECT_EQ(Utf8(a.GetRefItemName()), "b");
    EXPECT_TRUE(rules.ApplyReference(a, 9, 3, message));
    EXPECT_EQ(a.GetRefFile(), 9);
    EXPECT_EQ(Utf8(a.GetRefItemName()), "other");
    EXPECT_TRUE(rules.ApplyReference(a, 9, 0, message));
    EXPECT_EQ(Utf8(a.GetRefItemName()), "");
}

TEST(DataItemRules, InsertingFollowsTheItemAbove)
{
    CDataList list;
    list.AddDataDirect(Item(1, "k", "K", 1));
    list.AddDataDirect(Item(2, "n"));
    DataItemRules rules(list, kOwnFile, FALSE);
    // After the key item: a key item of its group, NOT NULL, both now "S".
    EXPECT_EQ(rules.Insert(0), 1);
    EXPECT_EQ(Keys(list), Utf8(CString(u8"k:S/1/1 新規追加1:S/1/1 n:N/0/2")));
    EXPECT_EQ(list.GetDataAt(1)->GetDataNumber(), 3); // initial count + 1
    EXPECT_EQ(list.GetDataAt(1)->GetUpdateMarks(), CData::UPDATE_ADDED);
    // No row: at the end, after a non-key item: NULL, numbered 4.
    EXPECT_EQ(rules.Insert(-1), 3);
    EXPECT_EQ(Utf8(list.GetDataAt(3)->GetName()), Utf8(CString(u8"新規追加2")));
    EXPECT_EQ(list.GetDataAt(3)->GetDataNumber(), 4);
    EXPECT_EQ(list.GetDataAt(3)->GetNullOption(), CData::NULL_NULL);
}

TEST(DataItemRules, DeletingCleansWhatPointedAtTheItem)
{
    CDataList list;
    list.AddDataDirect(Item(1, "p", "S", 1));
    list.AddDataDirect(Item(2, "k", "S", 1));
    list.AddDataDirect(Item(3, "child", "N", 0, 2, 1));
    CData* refers = Item(4, "r");
    refers->SetRefFile(kOwnFile);
    refers->SetRefItem(1);
    refers->SetRefItemName("p");
    auto* source = new CDataGenSrc;
    source->ByIds().srcFile = kOwnFile;
    source->ByIds().srcItem = 1;
    refers->GetSources().AddDataGenSrcDirect(source);
    list.AddDataDirect(refers);
    DataItemRules rules(list, kOwnFile, FALSE);
    EXPECT_EQ(rules.Delete(0), 0);
    EXPECT_EQ(Names(list), "k,child,r");
    EXPECT_EQ(Utf8(list.GetDataAt(0)->GetKeyCode()), "K");
    EXPECT_EQ(list.GetDataAt(1)->GetLevel(), 1);
    EXPECT_EQ(list.GetDataAt(1)->GetParentItem(), 0);
    EXPECT_EQ(list.GetDataAt(2)->GetRefItem(), 0);
    EXPECT_TRUE(list.GetDataAt(2)->GetSources().IsEmpty());
    EXPECT_EQ(rules.Delete(2), 1); // the last row: the one before is selected
    EXPECT_EQ(rules.Delete(5), -1);
}

TEST(DataItemRules, OkRefusals)
{
    using Focus = DataItemRules::Focus;
    struct Case
    {
        const char* what;
        void (*build)(CDataList&);
        const char8_t* message;
        int row;
        Focus focus;
    } cases[] = {
        {"empty name", [](CDataList& l) { l.GetDataAt(1)->SetName(""); },
         u8"ﾃﾞｰﾀ項目名が指定されていません。ﾃﾞｰﾀ項目名は必ず指定してください。", 1, Focus::Name},
        {"duplicate", [](CDataList& l) { l.GetDataAt(2)->SetName("b"); }, u8"ﾃﾞｰﾀ項目名が重複しているものがあります。",
         1, Focus::Name},
        {"parent of a top-level item", [](CDataList& l) { l.GetDataAt(2)->SetParentItem(1); },
         u8"子ﾚﾍﾞﾙのﾃﾞｰﾀ項目でないのに親概念ﾃﾞｰﾀ項目が指定されているものがあります。", 2, Focus::Parent},
        {"missing parent",
         [](CDataList& l) {
             l.GetDataAt(2)->SetLevel(2);
             l.GetDataAt(2)->SetParentItem(9);
         },
         u8"親概念ﾃﾞｰﾀ項目で指定されているﾃﾞｰﾀ項目位置にﾃﾞｰﾀ項目が見つかりません。", 2, Focus::Parent},
        {"reference to itself",
         [](CDataList& l) {
             l.GetDataAt(1)->SetRefFile(kOwnFile);
             l.GetDataAt(1)->SetRefItem(2);
         },
         u8"参照先ﾃﾞｰﾀ項目の定義が自分自身を参照しています。", 1, Focus::ReferencedItem},
        {"source is itself",
         [](CDataList& l) {
             auto* s = new CDataGenSrc;
             s->ByIds().srcFile = kOwnFile;
             s->ByIds().srcItem = 3;
             l.GetDataAt(2)->GetSources().AddDataGenSrcDirect(s);
         },
         u8"加工元ﾃﾞｰﾀ項目の定義が自分自身を参照しています。", 2, Focus::Sources},
        {"order", [](CDataList& l) { l.MoveDataItemPosByIndex(0, 3); },
         u8"ﾃﾞｰﾀ項目の並び順を見直す必要があります。確認してください。", -1, Focus::None},
    };
    for (const Case& c : cases) {
        CDataList list;
        list.AddDataDirect(Item(1, "a", "K", 1));
        list.AddDataDirect(Item(2, "b"));
        list.AddDataDirect(Item(3, "c"));
        c.build(list);
        DataItemRules rules(list, kOwnFile, FALSE);
        DataItemRules::Refusal refusal;
        EXPECT_FALSE(rules.CheckForOK(refusal)) << c.what;
        EXPECT_EQ(Utf8(refusal.message), Utf8(CString(c.message))) << c.what;
        EXPECT_EQ(refusal.row, c.row) << c.what;
        EXPECT_EQ(refusal.focus, c.focus) << c.what;
    }
    CDataList good;
    good.AddDataDirect(Item(1, "a", "S", 1)); // a stale code is recomputed on OK
    good.AddDataDirect(Item(2, "b"));
    DataItemRules rules(good, kOwnFile, FALSE);
    DataItemRules::Refusal refusal;
    EXPECT_TRUE(rules.CheckForOK(refusal));
    EXPECT_EQ(Utf8(good.GetDataAt(0)->GetKeyCode()), "K");
}

TEST(DataItemRules, RowTextsAndColumnWidths)
{
    CData item(1, "", "", "K", "R", "C", 2, 0, 0, 2, 1);
    item.SetRefItem(5);
    EXPECT_EQ(Utf8(DataItemRules::CellText(item, 0, 0, FALSE)), "");
    EXPECT_EQ(Utf8(DataItemRules::CellText(item, 0, 0, TRUE)), Utf8(CString(u8"未指定")));
    const char* cells[] = {"K", "2", "R*", "C", "2", "N"};
    for (int column = 1; column <= 6; ++column)
        EXPECT_EQ(Utf8(DataItemRules::CellText(item, 4, column, FALSE)), cells[column - 1]) << column;
    EXPECT_EQ(Utf8(DataItemRules::CellText(item, 4, 9, FALSE)), "NOT NULL");
    EXPECT_EQ(Utf8(DataItemRules::CellText(item, 4, 10, FALSE)), "5");
    CData plain(2, "x", "", "N", "N", "N", 0, 0, 0, 1, 0);
    plain.GetSources().AddDataGenSrcDirect(new CDataGenSrc);
    EXPECT_EQ(Utf8(DataItemRules::CellText(plain, 0, 1, FALSE)), "");
    EXPECT_EQ(Utf8(DataItemRules::CellText(plain, 0, 4, FALSE)), "*");
    // W = 440: 20 per share, the last takes what is left less 4.
    int sum = 0;
    for (int column = 0; column < DataItemRules::kColumnCount; ++column)
        sum += DataItemRules::ColumnWidth(column, 440);
    EXPECT_EQ(DataItemRules::ColumnWidth(0, 440), 100);
    EXPECT_EQ(DataItemRules::ColumnWidth(10, 440), 440 - 420 - 4);
    EXPECT_EQ(sum, 436);
    EXPECT_EQ(DataGenSrcRules::ColumnWidth(0, 503), 201);
    EXPECT_EQ(DataGenSrcRules::ColumnWidth(3, 503), 503 - 201 - 200 - 4);
}

TEST(DataItemRules, MovingAndArranging)
{
    CDataList list;
    list.AddDataDirect(Item(1, "n"));
    list.AddDataDirect(Item(2, "k", "K", 1));
    DataItemRules rules(list, kOwnFile, FALSE);
    EXPECT_EQ(rules.Move(1, 0), 0);
    EXPECT_EQ(Names(list), "k,n");
    EXPECT_EQ(rules.Move(0, 2), 1);
    EXPECT_EQ(Names(list), "n,k");
    EXPECT_TRUE(rules.Arrange());
    EXPECT_EQ(Names(list), "k,n");
}

TEST(DataGenSrcRules, InsertDeleteAndOk)
{
    using Focus = DataGenSrcRules::Focus;
    CDataGenSrcList sources;
    DataGenSrcRules rules(sources, kOwnFile, 3);
    EXPECT_EQ(rules.Insert(-1), 0);
    const CDataGenSrc& inserted = *sources.GetAt(0);
    EXPECT_EQ(Utf8(inserted.ByIds().srcItemName), Utf8(CString(u8"新規追加1")));
    EXPECT_EQ(inserted.ByIds().srcFile, kOwnFile);
    EXPECT_EQ(inserted.ByIds().refFile, kOwnFile);
    EXPECT_EQ(inserted.GetMarks(), 4u);
    DataGenSrcRules::Refusal refusal;
    EXPECT_FALSE(rules.CheckForOK(refusal));
    EXPECT_EQ(Utf8(refusal.message),
              Utf8(CString(u8"加工元ﾃﾞｰﾀ項目が指定されていない行があります。不要な場合は行を削除して下さい。")));
    EXPECT_EQ(refusal.row, 0);

    struct Case
    {
        WORD srcItem;
        WORD refs[3];
        const char8_t* message;
        Focus focus;
    } cases[] = {
        {3, {0, 0, 0}, u8"加工元ﾃﾞｰﾀ項目が自己参照しています。", Focus::SourceItem},
        {1, {0, 3, 0}, u8"加工元参照ﾃﾞｰﾀ項目が自己参照しています。", Focus::RefItem2},
        {3, {0, 3, 0}, u8"加工元ﾃﾞｰﾀ項目と加工元参照ﾃﾞｰﾀ項目が自己参照しています。", Focus::SourceItem},
    };
    for (const Case& c : cases) {
        CDataGenSrcList list;
        DataGenSrcRules r(list, kOwnFile, 3);
        r.Insert(-1);
        r.Insert(-1);
        list.GetAt(0)->ByIds().srcItem = 1;
        GenSrcByIds& ids = list.GetAt(1)->ByIds();
        ids.srcItem = c.srcItem;
        for (int i = 0; i < 3; ++i)
            ids.refItems[i] = c.refs[i];
        EXPECT_FALSE(r.CheckForOK(refusal));
        EXPECT_EQ(Utf8(refusal.message), Utf8(CString(c.message)));
        EXPECT_EQ(refusal.row, 1);
        EXPECT_EQ(refusal.focus, c.focus);
    }
    // Only reference item 3 set: it moves to the front on OK.
    GenSrcByIds& ids = sources.GetAt(0)->ByIds();
    ids.srcItem = 1;
    ids.refItems[2] = 2;
    ids.refItemNames[2] = "b";
    EXPECT_TRUE(rules.CheckForOK(refusal));
    EXPECT_EQ(ids.refItems[0], 2);
    EXPECT_EQ(Utf8(ids.refItemNames[0]), "b");
    EXPECT_EQ(ids.refItems[2], 0);
    // Delete: the same index, else the last, else none.
    rules.Insert(-1);
    rules.Insert(-1);
    EXPECT_EQ(rules.Delete(2), 1);
    EXPECT_EQ(rules.Delete(0), 0);
    EXPECT_EQ(rules.Delete(0), -1);
}
