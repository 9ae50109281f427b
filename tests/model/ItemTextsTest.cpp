#include "model/Data.h"
#include "model/DataList.h"
#include "model/NotationSymbols.h"

#include "tests/support/MessageScript.h"

#include <gtest/gtest.h>

namespace ItemTextsTest {

struct Row
{
    const char8_t* name;
    const char* keyCode;
    const char* rkeyCode;
    const char* derivation;
    WORD group, keyOrder, childOrder, level, parent;
};

// Items numbered by their position.
void Fill(CDataList& list, std::initializer_list<Row> rows)
{
    WORD number = 0;
    for (const Row& row : rows)
        list.AddDataDirect(new CData(++number, CString(row.name), CString(), row.keyCode, row.rkeyCode, row.derivation,
                                     row.group, row.keyOrder, row.childOrder, row.level, row.parent));
}

// Two key items of group 1, the second with two key children; data items, the second with two children.
void FillOneGroup(CDataList& list)
{
    Fill(list, {{u8"K1", "S", "N", "N", 1, 1, 0, 1, 0},
                {u8"K2", "S", "N", "N", 1, 2, 0, 1, 0},
                {u8"c1", "S", "N", "N", 1, 2, 1, 2, 2},
                {u8"c2", "S", "N", "N", 1, 2, 2, 2, 2},
                {u8"D1", "N", "N", "N", 0, 0, 0, 1, 0},
                {u8"D2", "N", "N", "N", 0, 0, 0, 1, 0},
                {u8"e1", "N", "N", "N", 0, 0, 1, 2, 6},
                {u8"e2", "N", "N", "N", 0, 0, 2, 2, 6},
                {u8"D3", "N", "N", "N", 0, 0, 0, 1, 0}});
}

void FillTwoGroups(CDataList& list)
{
    Fill(list, {{u8"A", "S", "N", "N", 1, 1, 0, 1, 0},
                {u8"B", "S", "N", "N", 1, 2, 0, 1, 0},
                {u8"C", "K", "R", "G", 2, 1, 0, 1, 0},
                {u8"D", "N", "N", "N", 0, 0, 0, 1, 0}});
}

TEST(ItemTexts, NotationTextCarriesTheRkeyMarkInsideTheDerivationBrackets)
{
    const struct
    {
        const char* rkey;
        const char* derivation;
        const char8_t* text;
    } cases[] = {{"R", "G", u8"＜＜A＊＞＞"}, {"R", "S", u8"＜A＊＞"}, {"N", "B", u8"＜A＞"}, {"N", "W", u8"（A）"},
                 {"N", "C", u8"｛A｝"},       {"R", "N", u8"A＊"},     {"N", "M", u8"A"},     {"N", "", u8"A"}};
    CNotationSymbols symbols;
    for (const auto& c : cases) {
        const CData item(1, "A", "", "N", c.rkey, c.derivation, 0, 0, 0, 1, 0);
        EXPECT_EQ(item.GetNotationText(symbols), CString(c.text)) << c.rkey << c.derivation;
    }
}

TEST(ItemTexts, NotationModeWritesGroupsChildrenSeparatorsAndLineBreaks)
{
    CNotationSymbols halfWidth;
    halfWidth.DetectFromTexts("[A.B(=C)]-[<<D*>>]", "E,F");
    const struct
    {
        void (*fill)(CDataList&);
        bool halfWidthSymbols;
        DWORD options;
        const char8_t* key;
        const char8_t* data;
    } cases[] = {
        {FillOneGroup, false, 0, u8"K1．\r\nK2（＝c1．c2）", u8"D1、\r\nD2（＝e1、e2）、\r\nD3"},
        {FillOneGroup, false, 0x2, u8"K1．K2（＝c1．c2）", u8"D1、\r\nD2（＝e1、e2）、\r\nD3"},
        {FillOneGroup, false, 0x4, u8"K1．\r\nK2（＝c1．c2）", u8"D1、D2（＝e1、e2）、D3"},
        {FillOneGroup, true, 0, u8"K1.\r\nK2(=c1.c2)", u8"D1,\r\nD2(=e1,e2),\r\nD3"},
        {FillTwoGroups, false, 0, u8"［A．\r\nB］－\r\n［＜＜C＊＞＞］", u8"D"},
        {FillTwoGroups, true, 0x6, u8"[A.B]-[<<C*>>]", u8"D"},
        // The foreign-key mark belongs to the display mode only.
        {FillTwoGroups, false, 0x2000002, u8"［A．B］－［＜＜C＊＞＞］", u8"D"},
    };
    for (const auto& c : cases) {
        CDataList list;
        c.fill(list);
        CNotationSymbols fullWidth;
        CString key, data;
        ASSERT_TRUE(list.BuildItemTexts(key, data, c.halfWidthSymbols ? halfWidth : fullWidth, c.options));
        EXPECT_EQ(key, CString(c.key)) << c.options;
        EXPECT_EQ(data, CString(c.data)) << c.options;
    }
}

TEST(ItemTexts, DisplayModePutsEveryItemOnALineOfItsOwn)
{
    CNotationSymbols symbols;
    CString key, data;
    CDataList oneGroup;
    FillOneGroup(oneGroup);
    ASSERT_TRUE(oneGroup.BuildItemTexts(key, data, symbols, 0x200000));
    EXPECT_EQ(key, "K1\r\nK2\r\nc1\r\nc2");
    EXPECT_EQ(data, "D1\r\nD2\r\ne1\r\ne2\r\nD3");

    CDataList twoGroups;
    FillTwoGroups(twoGroups);
    ASSERT_TRUE(twoGroups.BuildItemTexts(key, data, symbols, 0x200000));
    EXPECT_EQ(key, "A\r\nB\r\nC");
    EXPECT_EQ(data, "D");
}

TEST(ItemTexts, DisplayOptionsChooseNamesTypesAndMarks)
{
    const struct
    {
        const char* column;
        DWORD physicalTarget;
        WORD nullOption;
        const char* rkey;
        DWORD options;
        const char8_t* text;
    } cases[] = {
        {"CUST_NAME", 1, 0, "N", 0x200000, u8"顧客名"},
        {"CUST_NAME", 1, 0, "N", 0x20000, u8"CUST_NAME"},
        {"", 1, 0, "N", 0x20000, u8""}, // an empty line
        {"", 1, 0, "N", 0xA0000, u8"顧客名"},
        {"", 0, 0, "N", 0x100000, u8"顧客名(L)"},
        {"", 1, 0, "N", 0x100000, u8"顧客名"},
        {"", 1, 0, "N", 0x10000, u8"顧客名 VARCHAR2(40)"},
        {"CUST_NAME", 1, 0, "N", 0x30000, u8"CUST_NAME  VARCHAR2(40)"},
        {"", 1, 1, "N", 0x400000, u8"顧客名 NOT NULL"},
        {"", 1, 2, "N", 0x400000, u8"顧客名 NULL"},
        {"", 1, 3, "N", 0x400000, u8"顧客名"},
        {"", 1, 0, "R", 0x2200000, u8"顧客名 (FK)"},
        {"", 0, 1, "R", 0x2510000, u8"顧客名(L) VARCHAR2(40) NOT NULL (FK)"},
        {"", 0, 0, "N", 0x40000, u8""}, // only physical targets: the item is left out
    };
    CNotationSymbols symbols;
    for (const auto& c : cases) {
        CDataList list;
        auto* item = new CData(1, CString(u8"顧客名"), "", "N", c.rkey, "N", 0, 0, 0, 1, 0);
        item->SetColumnName(c.column);
        item->SetPhysicalTarget(c.physicalTarget);
        item->SetNullOption(c.nullOption);
        item->SetDataTypeName("VARCHAR2");
        item->SetEditKind(1);
        item->SetDigits(40);
        list.AddDataDirect(item);
        CString key, data;
        ASSERT_TRUE(list.BuildItemTexts(key, data, symbols, c.options));
        EXPECT_EQ(key, "");
        EXPECT_EQ(data, CString(c.text)) << std::hex << c.options;
    }
}

TEST(ItemTexts, ItemsOutOfTheStandardOrderMakeNoTexts)
{
    CDataList list;
    Fill(list, {{u8"D", "N", "N", "N", 0, 0, 0, 1, 0}, {u8"K", "K", "N", "N", 1, 1, 0, 1, 0}});
    CNotationSymbols symbols;
    CString key("old key"), data("old data");
    EXPECT_FALSE(list.BuildItemTexts(key, data, symbols, 0));
    EXPECT_EQ(key, "old key");
    EXPECT_EQ(data, "old data");
}

} // namespace ItemTextsTest
