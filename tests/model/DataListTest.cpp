#include "model/DataList.h"
#include "model/DataModelClasses.h"

#include "platform/ui/Controls.h"
#include "tests/model/ArchiveBytes.h"
#include "tests/support/MessageScript.h"

#include <QComboBox>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace DataListTest {

CData* Item(WORD number, const char* name, const char* key = "N", WORD group = 0, WORD level = 1, WORD parent = 0)
{
    return new CData(number, name, "", key, "N", "", group, 0, 0, level, parent);
}

// The list's names joined by commas.
std::string Names(const CObList& list)
{
    std::string names;
    for (POSITION pos = list.GetHeadPosition(); pos;) {
        names += Utf8(static_cast<CData*>(list.GetNext(pos))->GetName());
        names += pos ? "," : "";
    }
    return names;
}

// Items a to e numbered 1 to 5.
void FillFive(CDataList& list)
{
    const char* names[] = {"a", "b", "c", "d", "e"};
    for (WORD i = 0; i < 5; ++i)
        list.AddDataDirect(Item(WORD(i + 1), names[i]));
}

TEST(DataList, InsertionPositions)
{
    struct Case
    {
        int index, result;
        const char* order;
    } cases[] = {
        {CDataList::kInsertAtHead, 0, "x,a,b,c,d,e"},
        {5, 5, "a,b,c,d,e,x"}, // the count: past the end appends
        {-1, 5, "a,b,c,d,e,x"},
        {0, 1, "a,x,b,c,d,e"},
        {4, 5, "a,b,c,d,e,x"},
    };
    for (const Case& c : cases) {
        CDataList list;
        FillFive(list);
        EXPECT_EQ(list.InsertAfterData(Item(9, "x"), c.index), c.result) << c.index;
        EXPECT_EQ(Names(list), c.order) << c.index;
    }
}

TEST(DataList, MovesReturnTheNewIndex)
{
    struct Case
    {
        int from, to, result;
        const char* order;
    } cases[] = {
        {0, 3, 2, "b,c,a,d,e"},  {3, 0, 0, "d,a,b,c,e"},  {1, 9, 4, "a,c,d,e,b"},
        {2, 2, -1, "a,b,c,d,e"}, {7, 0, -1, "a,b,c,d,e"},
    };
    for (const Case& c : cases) {
        CDataList list;
        FillFive(list);
        EXPECT_EQ(list.MoveDataItemPosByIndex(c.from, c.to), c.result) << c.from << "->" << c.to;
        EXPECT_EQ(Names(list), c.order);
    }
}

TEST(DataList, Lookups)
{
    CDataList list;
    FillFive(list);
    list.AddDataDirect(Item(6, "b"));
    list.GetDataAt(2)->SetName("");
    EXPECT_EQ(list.FindDataByNumber(4)->GetName(), CString("d"));
    EXPECT_EQ(list.FindDataIndexByNumber(4), 3);
    EXPECT_EQ(list.FindDataByNumber(99), nullptr);
    EXPECT_EQ(list.FindDataByName("e")->GetDataNumber(), 5);
    EXPECT_EQ(list.FindEmptyNameIndex(), 2);
    EXPECT_EQ(list.FindPreviousItem(2)->GetName(), CString("a"));
    EXPECT_EQ(list.FindPreviousItem(1), nullptr);
    EXPECT_EQ(list.GetDataAt(6), nullptr);
    CData* first = nullptr;
    CData* second = nullptr;
    EXPECT_EQ(list.FindDuplicateName(first, second), 1);
    EXPECT_EQ(first->GetDataNumber(), 2);
    EXPECT_EQ(second->GetDataNumber(), 6);

    EXPECT_FALSE(list.HasAnyNumberText());
    list.GetDataAt(0)->SetNumberText("10");
    EXPECT_TRUE(list.HasAnyNumberText());
    EXPECT_TRUE(list.ClearNumberTexts());
    EXPECT_FALSE(list.ClearNumberTexts());
}

TEST(DataList, PrimaryKeyGroupIsTheSmallestRealGroup)
{
    struct Case
    {
        std::vector<WORD> groups; // 0: a non-key item
        WORD primary, max;
    } cases[] = {
        {{3, 0, 2}, 2, 3},
        {{0, 0}, 0, 0},
        {{32767}, 32767, 32767},
        {{40000, 32767}, 32767, 40000},
    };
    for (const Case& c : cases) {
        CDataList list;
        WORD number = 1;
        for (WORD group : c.groups)
            list.AddDataDirect(Item(number++, "i", group ? "K" : "N", group));
        EXPECT_EQ(list.GetPrimaryKeyGroup(), c.primary);
        EXPECT_EQ(list.GetMaxKeyGroup(), c.max);
    }
}

// c1 (child of A), x, A (key, group 1), B (key, group 2), y
void FillExample(CDataList& list)
{
    list.AddDataDirect(Item(1, "c1", "K", 1, 2, 3));
    list.AddDataDirect(Item(2, "x"));
    list.AddDataDirect(Item(3, "A", "K", 1));
    list.AddDataDirect(Item(4, "B", "K", 2));
    list.AddDataDirect(Item(5, "y"));
}

TEST(DataList, StandardOrder)
{
    CDataList list;
    FillExample(list);
    list.GetDataAt(1)->SetMarks(0x55);
    CDataPtrList order;
    EXPECT_TRUE(list.BuildStandardOrder(order));
    EXPECT_EQ(Names(order), "A,c1,B,x,y");
    EXPECT_EQ(list.GetDataAt(1)->GetMarks(), 0u); // the marks are cleared before and after
    EXPECT_TRUE(list.IsOrderChanged());
    EXPECT_TRUE(list.SortToStandardOrder());
    EXPECT_EQ(Names(list), "A,c1,B,x,y");
    EXPECT_FALSE(list.IsOrderChanged());

    // A child whose parent is outside the group follows its group; remaining children come last.
    CDataList mixed;
    mixed.AddDataDirect(Item(1, "k2child", "K", 2, 2, 2));
    mixed.AddDataDirect(Item(2, "P", "K", 1));
    mixed.AddDataDirect(Item(3, "orphan", "N", 0, 2, 9));
    mixed.AddDataDirect(Item(4, "n"));
    CDataPtrList mixedOrder;
    EXPECT_TRUE(mixed.BuildStandardOrder(mixedOrder));
    EXPECT_EQ(Names(mixedOrder), "P,k2child,n,orphan");
}

TEST(DataList, KeyCodesFollowGroupMembership)
{
    CDataList list;
    list.AddDataDirect(Item(1, "A", "K", 1));
    list.AddDataDirect(Item(2, "B", "K", 1));
    list.AddDataDirect(Item(3, "C", "K", 2));
    list.AddDataDirect(Item(4, "c1", "N", 0, 2, 3));
    list.AddDataDirect(Item(5, "c2", "N", 0, 2, 3));
    list.GetDataAt(1)->SetRkeyCode("R");
    EXPECT_TRUE(list.RecomputeKeyCodes());
    EXPECT_EQ(list.GetDataAt(0)->GetKeyCode(), CString("S"));
    EXPECT_EQ(list.GetDataAt(1)->GetKeyCode(), CString("P"));
    EXPECT_EQ(list.GetDataAt(2)->GetKeyCode(), CString("K"));
    EXPECT_EQ(list.CountKeyItems(1, 1, 0), 2);
    EXPECT_EQ(list.CountKeyItems(1, 2, 0), 0);

    EXPECT_EQ(list.MakeChildrenKeys(3), 2);
    EXPECT_EQ(list.GetDataAt(3)->GetKeyCode(), CString("S"));
    EXPECT_EQ(list.GetDataAt(4)->GetKeyGroup(), 2);
    EXPECT_EQ(list.GetDataAt(4)->GetNullOption(), CData::NULL_NOT_NULL);
    EXPECT_EQ(list.CountKeyItems(2, 2, 3), 2);
    EXPECT_EQ(list.MakeChildrenKeys(1), 0);
    EXPECT_EQ(list.MakeChildrenKeys(99), -1);

    // Item B leaves group 1: the other member becomes a key of one item.
    list.GetDataAt(1)->SetKeyCode("N");
    EXPECT_EQ(list.UpdateGroupKeyCodes(1, 1, 2), 1);
    EXPECT_EQ(list.GetDataAt(0)->GetKeyCode(), CString("K"));
    EXPECT_EQ(list.GetKeyGroupAbove(3), 1);
    EXPECT_EQ(list.GetKeyGroupAbove(5), 2);
}

TEST(DataList, ParentRulesOverTheList)
{
    struct Case
    {
        WORD childGroup, childParent;
        const char* childKey;
        int index;
        const char8_t* message;
    } cases[] = {
        {1, 1, "K", -1, u8""},
        {2, 1, "K", 1, u8"ｷｰｸﾞﾙｰﾌﾟ番号が異なるﾃﾞｰﾀ項目が親概念ﾃﾞｰﾀ項目が指定されている"},
        {0, 1, "N", 1, u8"ｷｰ機能がないﾃﾞｰﾀ項目にｷｰ機能がある親概念ﾃﾞｰﾀ項目が指定されている"},
        {1, 7, "K", 1, u8"親概念ﾃﾞｰﾀ項目で指定されているﾃﾞｰﾀ項目位置にﾃﾞｰﾀ項目が見つかりません。"},
    };
    for (const Case& c : cases) {
        CDataList list;
        list.AddDataDirect(Item(1, "A", "K", 1));
        list.AddDataDirect(Item(2, "a1", c.childKey, c.childGroup, 2, c.childParent));
        CString message;
        EXPECT_EQ(list.CheckParentRules(message), c.index);
        EXPECT_EQ(message, CString(c.message));
    }
}

TEST(DataList, SelfReferencesAndFileReferences)
{
    CDataList list;
    list.AddDataDirect(Item(1, "A"));
    list.AddDataDirect(Item(2, "B"));
    DWORD bits = 0;
    int source = 0;
    EXPECT_EQ(list.FindSelfReference(10, bits, source), -1);
    EXPECT_FALSE(list.AnyItemRefersToFile(10, 20));

    CData* b = list.GetDataAt(1);
    auto* own = new CDataGenSrc;
    own->ByIds().srcFile = 20; // another file first, so the own-file source is the second
    own->ByIds().srcItem = 1;
    b->GetSources().AddDataGenSrcDirect(own);
    auto* self = new CDataGenSrc;
    self->ByIds().srcFile = 10;
    self->ByIds().srcItem = 2;
    b->GetSources().AddDataGenSrcDirect(self);
    b->SetRefFile(10);
    b->SetRefItem(2);
    EXPECT_EQ(list.FindSelfReference(10, bits, source), 1);
    EXPECT_EQ(bits, CData::DIFF_REF_ITEM | CDataGenSrc::MARK_SOURCE_DONE);
    EXPECT_EQ(source, 1);
    EXPECT_TRUE(list.AnyItemRefersToFile(10, 20));
    own->SetMarks(CDataGenSrc::MARK_FROZEN);
    EXPECT_FALSE(list.AnyItemRefersToFile(10, 20));
    EXPECT_TRUE(list.AnyItemRefersToFile(30, 10)); // the item's own reference
    b->SetUpdateMarks(CData::UPDATE_REF_FROZEN);
    self->SetMarks(CDataGenSrc::MARK_FROZEN);
    EXPECT_FALSE(list.AnyItemRefersToFile(30, 10));
}

TEST(DataList, MergeAsKeyGroup)
{
    CDataList other;
    other.AddDataDirect(Item(1, "k1", "S", 1));
    other.AddDataDirect(Item(2, "k2", "S", 1));
    other.AddDataDirect(Item(3, "k3", "S", 1));
    struct Case
    {
        std::vector<const char*> keys; // key codes of the existing items a, b, ...
        const char* order;
    } cases[] = {
        {{"N", "K"}, "k1,k2,k3,a,b"},
        {{"K", "N"}, "a,k1,k2,k3,b"},
        {{"K", "K"}, "a,b,k1,k2,k3"},
        {{}, "k1,k2,k3"},
    };
    for (const Case& c : cases) {
        CDataList list;
        const char* names[] = {"a", "b"};
        for (std::size_t i = 0; i < c.keys.size(); ++i)
            list.AddDataDirect(Item(WORD(i + 1), names[i], c.keys[i], 4));
        const WORD group = WORD(list.GetMaxKeyGroup() + 1);
        EXPECT_EQ(list.MergeAsKeyGroup(other), 3);
        EXPECT_EQ(Names(list), c.order);
        CData* merged = list.FindDataByName("k2");
        EXPECT_EQ(merged->GetKeyGroup(), group);
        EXPECT_EQ(merged->GetDataNumber(), 0);
        EXPECT_EQ(merged->GetUpdateMarks(), CData::UPDATE_MERGED);
    }
}

TEST(DataList, MatchingKeyGroupComparesTopLevelNames)
{
    CDataList list;
    list.AddDataDirect(Item(1, "A", "S", 1));
    list.AddDataDirect(Item(2, "B", "S", 1));
    list.AddDataDirect(Item(3, "C", "K", 2));
    list.AddDataDirect(Item(4, "c", "K", 2, 2, 3));
    CDataList twoNames, oneName, otherName;
    twoNames.AddDataDirect(Item(1, "B"));
    twoNames.AddDataDirect(Item(2, "A"));
    oneName.AddDataDirect(Item(1, "C"));
    otherName.AddDataDirect(Item(1, "A"));
    EXPECT_EQ(list.HasMatchingKeyGroup(twoNames), 1);
    EXPECT_EQ(list.HasMatchingKeyGroup(oneName), 1);
    EXPECT_EQ(list.HasMatchingKeyGroup(otherName), 0);
}

TEST(DataList, CopiesAreDeepAndTheArchiveRoundTrips)
{
    RegisterDataModelClasses();
    CDataList list;
    FillExample(list);
    auto* source = new CDataGenSrc;
    source->ByIds().srcFile = 3;
    list.GetDataAt(1)->GetSources().AddDataGenSrcDirect(source);

    CDataList copy;
    copy.AddDataDirect(Item(9, "gone"));
    EXPECT_EQ(copy.AssignDataFrom(list), 5);
    EXPECT_EQ(Names(copy), Names(list));
    EXPECT_NE(copy.GetDataAt(0), list.GetDataAt(0));

    const std::string bytes = ArchiveBytes::Store([&](CArchive& ar) { ar.WriteObject(&list); });
    ArchiveBytes::Load(bytes, [&](CArchive& ar) {
        std::unique_ptr<CObject> loaded = ar.ReadNewObject(RUNTIME_CLASS(CDataList));
        auto* items = static_cast<CDataList*>(loaded.get());
        EXPECT_EQ(Names(*items), "c1,x,A,B,y");
        EXPECT_EQ(items->GetDataAt(1)->CompareData(*list.GetDataAt(1), FALSE), 0u);
    });
    // A list holding a reference back to one of its own items is refused.
    CDataList twice;
    twice.AddTail(list.GetDataAt(0));
    twice.AddTail(list.GetDataAt(0));
    const std::string repeated = ArchiveBytes::Store([&](CArchive& ar) { twice.CObList::Serialize(ar); });
    twice.RemoveAll();
    ArchiveBytes::Load(repeated, [](CArchive& ar) {
        CDataList items;
        EXPECT_THROW(items.Serialize(ar), CArchiveException);
    });
}

TEST(DataList, DataItemCombo)
{
    CDataList list;
    list.AddDataDirect(Item(1, "plain"));
    list.AddDataDirect(Item(2, "key", "K", 1));
    QComboBox widget;
    CComboBox combo;
    combo.Attach(&widget);
    EXPECT_EQ(list.FillDataItemCombo(&combo, TRUE, FALSE), 2);
    ASSERT_EQ(combo.GetCount(), 1);
    EXPECT_EQ(combo.GetItemData(0), 2u);
    EXPECT_EQ(list.FillDataItemCombo(&combo, FALSE, TRUE), 2);
    ASSERT_EQ(combo.GetCount(), 3);
    CString text;
    combo.GetLBText(0, text);
    EXPECT_EQ(text, CString(u8"(指定しない)"));
    EXPECT_EQ(combo.GetItemData(0), 0u);

    CComboBox detached;
    MessageScript script;
    EXPECT_EQ(list.FillDataItemCombo(&detached, FALSE, TRUE), -1);
    EXPECT_EQ(list.FillDataItemCombo(&detached, FALSE, FALSE), 0);
    EXPECT_EQ(script.Texts(), std::vector<std::string>(2, "ﾃﾞｰﾀ項目ｺﾝﾎﾞﾎﾞｯｸｽの初期化中にｴﾗｰが発生しました。"));
}

TEST(DataList, NamesAndPhysicalTargets)
{
    CDataList list;
    list.AddDataDirect(Item(1, "OrderNo", "K", 1));
    list.AddDataDirect(Item(2, "orderDate", "K", 2));
    list.AddDataDirect(Item(3, "Customer", "N", 0, 2, 1));
    EXPECT_EQ(list.CountNameMatches("Order", TRUE), 1);
    EXPECT_EQ(list.CountNameMatches("ORDER", FALSE), 2);
    EXPECT_EQ(list.ReplaceInDataNames("Order", "Sales", TRUE), 1);
    EXPECT_EQ(list.GetDataAt(0)->GetName(), CString("SalesNo"));

    EXPECT_EQ(list.ClearKeyPhysicalTargets(), 2);
    EXPECT_EQ(list.SetPrimaryPhysicalTargets(), 1);
    EXPECT_EQ(list.ResetPhysicalTargetsByLevel(), 1); // item 2 comes back on; the child stays off
    EXPECT_EQ(list.GetDataAt(1)->GetPhysicalTarget(), 1u);
    EXPECT_EQ(list.CountColumnNameTargets(CData::COLUMN_PHYSICAL_ONLY), 2);
}

} // namespace DataListTest
