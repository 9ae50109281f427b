#include "model/Data.h"
#include "model/DataList.h"
#include "model/ItemTextParser.h"
#include "model/NotationSymbols.h"

#include "tests/support/MessageScript.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace ItemTextParserTest {

// One item as "name number key rkey derivation group/order child-order level parent".
std::string Describe(const CData& item)
{
    CString text;
    text.Format(" %u %s%s%s %u/%u %u L%u p%u", item.GetDataNumber(), item.GetKeyCode().GetString(),
                item.GetRkeyCode().GetString(), item.GetDerivationCode().GetString(), item.GetKeyGroup(),
                item.GetKeyOrder(), item.GetChildOrder(), item.GetLevel(), item.GetParentItem());
    return Utf8(item.GetName()) + Utf8(text);
}

std::vector<std::string> Describe(const CDataList& list)
{
    std::vector<std::string> rows;
    for (POSITION pos = list.GetHeadPosition(); pos;)
        rows.push_back(Describe(*list.GetNext(pos)));
    return rows;
}

std::vector<std::string> Parse(const char8_t* keyText, const char8_t* dataText)
{
    CDataList list;
    const int made = ParseItemTextsIntoList(CString(keyText), CString(dataText), FALSE, FALSE, list);
    EXPECT_EQ(made, int(list.GetCount()));
    return Describe(list);
}

TEST(ItemTextParser, ReadsGroupsItemsAndChildren)
{
    const struct
    {
        const char8_t* key;
        const char8_t* data;
        std::vector<std::string> items;
    } cases[] = {
        {u8"［A．B］－［C］", u8"", {"A 1 SNN 1/1 0 L1 p0", "B 2 SNN 1/2 0 L1 p0", "C 3 KNN 2/1 0 L1 p0"}},
        {u8"A．B", u8"", {"A 1 SNN 1/1 0 L1 p0", "B 2 SNN 1/2 0 L1 p0"}},
        {u8"［A］B", u8"", {"A 1 KNN 1/1 0 L1 p0"}},
        {u8"",
         u8"D（＝E、F）、G",
         {"D 1 NNN 0/0 0 L1 p0", "E 2 NNN 0/0 1 L2 p1", "F 3 NNN 0/0 2 L2 p1", "G 4 NNN 0/0 0 L1 p0"}},
        {u8"",
         u8"D（＝E）、G（＝H、I）、J",
         {"D 1 NNN 0/0 0 L1 p0", "E 2 NNN 0/0 1 L2 p1", "G 3 NNN 0/0 0 L1 p0", "H 4 NNN 0/0 1 L2 p3",
          "I 5 NNN 0/0 2 L2 p3", "J 6 NNN 0/0 0 L1 p0"}},
        {u8"A(=B.C).D",
         u8"",
         {"A 1 SNN 1/1 0 L1 p0", "B 2 SNN 1/1 1 L2 p1", "C 3 SNN 1/1 2 L2 p1", "D 4 SNN 1/2 0 L1 p0"}},
        {u8"A．．B", u8"", {"A 1 SNN 1/1 0 L1 p0", "B 2 SNN 1/3 0 L1 p0"}},
        {u8"", u8"A(=B、C", {"A 1 NNN 0/0 0 L1 p0", "B 2 NNN 0/0 1 L2 p1"}},
        // An empty child part without a closing pair takes the rest of the group with it.
        {u8"A(=．B", u8"", {"A 1 KNN 1/1 0 L1 p0"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Parse(c.key, c.data), c.items) << Utf8(CString(c.key)) << " | " << Utf8(CString(c.data));
}

TEST(ItemTextParser, KeyItemsOfAFileMergedIntoItsParentAreNoPhysicalTargets)
{
    for (const BOOL hasParent : {FALSE, TRUE})
        for (const BOOL merged : {FALSE, TRUE}) {
            CDataList list;
            ASSERT_EQ(ParseItemTextsIntoList(CString(u8"A．B"), CString(u8"D"), hasParent, merged, list), 3);
            const DWORD keyTarget = hasParent && merged ? 0 : 1;
            EXPECT_EQ(list.GetDataAt(0)->GetPhysicalTarget(), keyTarget) << hasParent << merged;
            EXPECT_EQ(list.GetDataAt(1)->GetPhysicalTarget(), keyTarget) << hasParent << merged;
            EXPECT_EQ(list.GetDataAt(2)->GetPhysicalTarget(), 1u) << hasParent << merged;
        }
}

// Long texts lose nothing: every item of a key text of more than 32767 bytes is read.
TEST(ItemTextParser, ReadsTextsOfAnyLength)
{
    CString key;
    for (int i = 1; i <= 4000; ++i)
        key.AppendFormat("%sITEM%04d\r\n", i > 1 ? "." : "", i);
    ASSERT_GT(key.GetLength(), 32767);
    CDataList list;
    ASSERT_EQ(ParseItemTextsIntoList(key, "", FALSE, FALSE, list), 4000);
    EXPECT_EQ(list.GetDataAt(3999)->GetName(), "ITEM4000");
    EXPECT_EQ(list.GetDataAt(3999)->GetKeyOrder(), 4000);
}

// Items in the standard order, written as texts and read back, come back with the same names,
// numbers, codes, groups, orders, levels and parents, whatever symbols and line breaks wrote them.
TEST(ItemTextParser, ReadsBackTheTextsTheItemsWrite)
{
    CDataList items;
    const struct
    {
        const char8_t* name;
        const char* rkey;
        const char* derivation;
        WORD group, keyOrder, childOrder, level, parent;
    } rows[] = {
        {u8"顧客番号", "R", "N", 1, 1, 0, 1, 0}, {u8"枝番", "N", "G", 1, 2, 0, 1, 0},
        {u8"明細番号", "N", "S", 1, 2, 1, 2, 2}, {u8"明細枝番", "R", "N", 1, 2, 2, 2, 2},
        {u8"代替キー", "N", "W", 2, 1, 0, 1, 0}, {u8"顧客名", "N", "N", 0, 0, 0, 1, 0},
        {u8"住所", "N", "C", 0, 0, 0, 1, 0},     {u8"郵便番号", "R", "G", 0, 0, 1, 2, 7},
        {u8"番地", "N", "N", 0, 0, 2, 2, 7},     {u8"電話", "R", "S", 0, 0, 0, 1, 0},
    };
    WORD number = 0;
    for (const auto& row : rows)
        items.AddDataDirect(new CData(++number, CString(row.name), "", row.group ? "K" : "N", row.rkey, row.derivation,
                                      row.group, row.keyOrder, row.childOrder, row.level, row.parent));
    ASSERT_TRUE(items.RecomputeKeyCodes());
    const std::vector<std::string> expected = Describe(items);
    ASSERT_EQ(expected[0], "顧客番号 1 PRN 1/1 0 L1 p0");
    ASSERT_EQ(expected[3], "明細枝番 4 PRN 1/2 2 L2 p2");

    CNotationSymbols halfWidth;
    halfWidth.DetectFromTexts("[A.B(=C)]-[<<D*>>]", "E,F<G>{H}(I)");
    for (const bool half : {false, true})
        for (const DWORD options : {DWORD(0), DWORD(0x6)}) {
            CNotationSymbols fullWidth;
            CString key, data;
            ASSERT_TRUE(items.BuildItemTexts(key, data, half ? halfWidth : fullWidth, options));
            CDataList parsed;
            EXPECT_EQ(ParseItemTextsIntoList(key, data, FALSE, FALSE, parsed), 10);
            EXPECT_EQ(Describe(parsed), expected) << Utf8(key) << " | " << Utf8(data);
        }
}

} // namespace ItemTextParserTest
