#include "foundation/ListElements.h"
#include "foundation/RegManList.h"

#include "platform/profile/Profile.h"

#include <gtest/gtest.h>

#include <memory>

namespace reg_man_list_test {

// Every test works in a section of its own, so the shared test profile does not leak between them.
CString FreshSection()
{
    static int n = 0;
    CString section;
    section.Format("RegTest%d", ++n);
    return section;
}


TEST(RegManList, ReadsAreCachedAndWritesWaitForTheStoreToGo)
{
    const CString s = FreshSection();
    Profile::WriteProfileInt(s, "Stored", 5);
    auto store = std::make_unique<CRegManList>();

    EXPECT_EQ(store->GetRegInt(s, "Missing", 3, 0x10), 3);
    EXPECT_EQ(store->GetRegInt(s, "Missing", 8, 0x10), 3); // cached: the second default is ignored
    EXPECT_EQ(store->GetRegInt(s, "Stored", 0, 0x10), 5);
    Profile::WriteProfileInt(s, "Stored", 6);
    EXPECT_EQ(store->GetRegInt(s, "Stored", 0, 0x10), 5); // never re-read

    EXPECT_TRUE(store->SetRegInt(s, "Set", 42, 0x10));
    EXPECT_TRUE(store->SetRegInt(s, "Missing", 4, 0x10));
    EXPECT_EQ(store->GetRegInt(s, "Set", 0, 0x10), 42);
    CString text;
    EXPECT_TRUE(store->SetRegString(s, "Name", CString(u8"灰色"), 0x10));
    EXPECT_EQ(store->GetRegString(text, s, "Name", "", 0x10), CString(u8"灰色"));
    EXPECT_FALSE(Profile::HasProfileEntry(s, "Set"));
    EXPECT_FALSE(Profile::HasProfileEntry(s, "Missing"));
    EXPECT_FALSE(Profile::HasProfileEntry(s, "Name"));

    store.reset();
    EXPECT_EQ(Profile::GetProfileInt(s, "Set", 0), 42);
    EXPECT_EQ(Profile::GetProfileInt(s, "Missing", 0), 4);
    EXPECT_EQ(Profile::GetProfileString(s, "Name"), CString(u8"灰色"));
    EXPECT_EQ(Profile::GetProfileInt(s, "Stored", 0), 6); // read, never changed: not written
}

TEST(RegManList, OnlyChangedItemsThatMayWriteBackAreWritten)
{
    const CString s = FreshSection();
    Profile::WriteProfileInt(s, "Same", 5);
    Profile::WriteProfileString(s, "SameText", "abc");
    {
        CRegManList store;
        EXPECT_EQ(store.GetRegInt(s, "Same", 0, 0x10), 5);
        CString text;
        store.GetRegString(text, s, "SameText", "", 0x10);
        EXPECT_TRUE(store.SetRegInt(s, "Same", 5, 0x10));
        EXPECT_TRUE(store.SetRegString(s, "SameText", "abc", 0x10));
        EXPECT_TRUE(store.SetRegInt(s, "Quiet", 7, 0x18));
        Profile::WriteProfileInt(s, "Same", 9); // another program's change stays
        Profile::WriteProfileString(s, "SameText", "xyz");
    }
    EXPECT_EQ(Profile::GetProfileInt(s, "Same", 0), 9);
    EXPECT_EQ(Profile::GetProfileString(s, "SameText"), CString("xyz"));
    EXPECT_FALSE(Profile::HasProfileEntry(s, "Quiet"));
}

TEST(RegManList, EntriesDifferingInCaseAreSeparateSettings)
{
    const CString s = FreshSection();
    {
        CRegManList store;
        store.SetRegInt(s, "Zoom", 1, 0x10);
        store.SetRegInt(s, "ZOOM", 2, 0x10);
        EXPECT_EQ(store.GetCount(), 2);
        EXPECT_EQ(store.GetRegInt(s, "Zoom", 0, 0x10), 1);
    }
    EXPECT_EQ(Profile::GetProfileInt(s, "Zoom", 0), 1);
    EXPECT_EQ(Profile::GetProfileInt(s, "ZOOM", 0), 2);
}

TEST(RegManList, DeleteAllItemsWritesBackAndLaterReadsLoadAfresh)
{
    const CString s = FreshSection();
    CRegManList store;
    store.SetRegInt(s, "Grid", 25, 0x10);
    store.DeleteAllItems();
    EXPECT_TRUE(store.IsEmpty());
    EXPECT_EQ(Profile::GetProfileInt(s, "Grid", 0), 25);
    Profile::WriteProfileInt(s, "Grid", 30);
    EXPECT_EQ(store.GetRegInt(s, "Grid", 0, 0x10), 30);
}

TEST(RegItemObj, ConstructorsSetTheKindAndLoadUnlessToldNot)
{
    const CString s = FreshSection();
    Profile::WriteProfileInt(s, "N", 12);
    Profile::WriteProfileString(s, "T", "stored");
    struct Case
    {
        bool isInt;
        WORD flags, expectedFlags;
        bool loads;
    };
    const Case cases[] = {
        {true, 0x10, 0x11, true},  {true, 0x1A, 0x19, true},  {true, 0x05, 0x15, false},
        {false, 0x11, 0x12, true}, {false, 0x08, 0x1A, true}, {false, 0x26, 0x26, false},
    };
    for (const Case& c : cases) {
        const auto item = c.isInt ? std::make_unique<CRegItemObj>(s, "N", 99, c.flags)
                                  : std::make_unique<CRegItemObj>(s, "T", "default", c.flags);
        EXPECT_EQ(item->GetFlags(), c.expectedFlags) << c.flags;
        EXPECT_FALSE(item->IsModified());
        if (c.isInt)
            EXPECT_EQ(item->GetIntValue(), c.loads ? 12 : 99) << c.flags;
        else
            EXPECT_EQ(item->GetStringValue(), CString(c.loads ? "stored" : "default")) << c.flags;
    }
}

TEST(RegItemObj, CarrierSavesAtOnceAndRemovesWithTheDeleteFlag)
{
    const CString s = FreshSection();
    {
        CRegItemObj carrier;
        carrier.SetSection(s);
        carrier.SetEntry("PenWidth");
        carrier.SetFlags(0x9);
        carrier.SetIntValue(3);
        EXPECT_TRUE(carrier.SaveSetting());
        EXPECT_FALSE(carrier.IsModified());
        EXPECT_EQ(Profile::GetProfileInt(s, "PenWidth", 0), 3);

        carrier.SetDeleteFlag(TRUE);
        EXPECT_TRUE(carrier.SaveSetting());
        EXPECT_FALSE(Profile::HasProfileEntry(s, "PenWidth"));

        carrier.SetIntValue(8);
        EXPECT_TRUE(carrier.LoadSetting()); // missing: the current value is the default
        EXPECT_EQ(carrier.GetIntValue(), 8);
        EXPECT_FALSE(carrier.GetDeleteFlag());
        carrier.SetIntValue(9);
    }
    EXPECT_FALSE(Profile::HasProfileEntry(s, "PenWidth")); // flag 0x8: no write-back
}

TEST(ListElements, DeleteAllElementsSkipsNullAndGetElementAtIndexBounds)
{
    CTypedPtrList<CObList, CRegItemObj*> list;
    DeleteAllElements(list);
    EXPECT_TRUE(list.IsEmpty());
    auto* first = new CRegItemObj;
    list.AddTail(first);
    list.AddTail(static_cast<CRegItemObj*>(nullptr));
    EXPECT_EQ(GetElementAtIndex(list, 0), first);
    EXPECT_EQ(GetElementAtIndex(list, 1), nullptr);
    EXPECT_EQ(GetElementAtIndex(list, 2), nullptr);
    EXPECT_EQ(GetElementAtIndex(list, -1), nullptr);
    DeleteAllElements(list); // the sanitizer would report a leak or a bad delete
    EXPECT_TRUE(list.IsEmpty());
}

} // namespace reg_man_list_test
