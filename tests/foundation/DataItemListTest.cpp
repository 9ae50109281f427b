#include "foundation/DataItemList.h"

#include <gtest/gtest.h>

TEST(DataItemList, FindsNamesByteForByte)
{
    CDataItemList list;
    for (const char8_t* name : {u8"ABC", u8"ＡＢＣ", u8"abc", u8"顧客", u8"ABC"})
        EXPECT_TRUE(list.AddDataItemDirect(new CDataItem(CString(name))));
    const CDataItem copy(CString(u8"ｺｰﾄﾞ"));
    EXPECT_TRUE(list.AddDataItem(copy));

    const struct
    {
        const char8_t* text;
        int index;
    } cases[] = {
        // clang-format off
        {u8"ABC", 0},  // the first of two equal names
        {u8"ＡＢＣ", 1}, // full-width is not half-width
        {u8"abc", 2},  // case matters
        {u8"顧客", 3},
        {u8"ｺｰﾄﾞ", 5},
        {u8"Abc", -1},
        {u8"", -1},
        // clang-format on
    };
    for (const auto& c : cases)
        EXPECT_EQ(list.FindDataItemIndex(CString(c.text)), c.index) << reinterpret_cast<const char*>(c.text);

    EXPECT_EQ(CDataItemList().FindDataItemIndex(CString("ABC")), -1);
}
