#include "model/ComplexItem.h"
#include "model/DataModelClasses.h"
#include "model/LegacyList.h"

#include "platform/afx/Archive.h"
#include "tests/model/ArchiveBytes.h"

#include <gtest/gtest.h>


namespace ComplexItemTestSupport = ArchiveBytes;

TEST(ComplexItem, RecordLayoutByVersion)
{
    // Written: version 1001, three strings, a WORD and the 32-bit value as a WORD.
    CComplexItem item;
    EXPECT_EQ(ComplexItemTestSupport::Store([&](CArchive& ar) { item.Serialize(ar); }),
              ComplexItemTestSupport::Le16(1001) + std::string(3, '\0') + ComplexItemTestSupport::Le16(0) +
                  ComplexItemTestSupport::Le16(0));

    // Version 8 holds only its version word: the next bytes belong to whoever reads on.
    ComplexItemTestSupport::Load(ComplexItemTestSupport::Le16(8) + ComplexItemTestSupport::Le16(0xBEEF),
                                 [](CArchive& ar) {
                                     CComplexItem old;
                                     old.Serialize(ar);
                                     WORD next = 0;
                                     ar >> next;
                                     EXPECT_EQ(old.GetVersion(), 8);
                                     EXPECT_EQ(next, 0xBEEF);
                                     EXPECT_TRUE(old.GetText(0).IsEmpty() && old.GetText(1).IsEmpty() &&
                                                 old.GetText(2).IsEmpty());
                                 });

    // From version 9 on every field is there; the stored WORD widens to the 32-bit value.
    const std::string full = ComplexItemTestSupport::Le16(9) +
                             "\x01"
                             "a" +
                             std::string(1, '\0') +
                             "\x03"
                             "xyz" +
                             ComplexItemTestSupport::Le16(7) + ComplexItemTestSupport::Le16(0xFFFF);
    ComplexItemTestSupport::Load(full, [](CArchive& ar) {
        CComplexItem loaded;
        loaded.Serialize(ar);
        EXPECT_EQ(loaded.GetText(0), CString("a"));
        EXPECT_TRUE(loaded.GetText(1).IsEmpty());
        EXPECT_EQ(loaded.GetText(2), CString("xyz"));
        EXPECT_EQ(loaded.GetWord(), 7);
        EXPECT_EQ(loaded.GetValue(), 0xFFFFu);
        // Storing it again writes the current version.
        EXPECT_EQ(ComplexItemTestSupport::Store([&](CArchive& out) { loaded.Serialize(out); }),
                  ComplexItemTestSupport::Le16(1001) +
                      "\x01"
                      "a" +
                      std::string(1, '\0') +
                      "\x03"
                      "xyz" +
                      ComplexItemTestSupport::Le16(7) + ComplexItemTestSupport::Le16(0xFFFF));
    });

    ComplexItemTestSupport::Load(ComplexItemTestSupport::Le16(9) + "\x01", [](CArchive& ar) {
        CComplexItem truncated;
        EXPECT_THROW(truncated.Serialize(ar), CArchiveException);
    });
}

TEST(ComplexItem, LegacyListsLoadByClassNameAndAreDiscarded)
{
    RegisterDataModelClasses();
    CObList stored;
    CComplexItem first, second;
    stored.AddTail(&first);
    stored.AddTail(&second);
    const std::string bytes = ComplexItemTestSupport::Store([&](CArchive& ar) { stored.Serialize(ar); });
    stored.RemoveAll();

    ComplexItemTestSupport::Load(bytes, [](CArchive& ar) {
        CObList legacy;
        legacy.Serialize(ar);
        ASSERT_EQ(legacy.GetCount(), 2);
        EXPECT_TRUE(legacy.GetHead()->IsKindOf(RUNTIME_CLASS(CComplexItem)));
        legacy.AddTail(static_cast<CObject*>(nullptr));
        EXPECT_EQ(DeleteLegacyList(legacy), 2); // the null element is removed, not deleted
        EXPECT_TRUE(legacy.IsEmpty());
    });

    CObList empty;
    EXPECT_EQ(DeleteLegacyList(empty), 0);
}
