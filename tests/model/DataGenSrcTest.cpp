#include "model/DataGenSrcList.h"
#include "model/DataModelClasses.h"

#include "tests/model/ArchiveBytes.h"

#include <gtest/gtest.h>

#include <array>

namespace DataGenSrcTest {

using ArchiveBytes::Bytes;

// A source record of `version` holding the fields a record of `loadedFrom` holds (the others at the
// values a load gives them): form 3 from version 12 on, with every field of every form set.
std::string SourceRecord(WORD version, WORD loadedFrom)
{
    Bytes b;
    b.W(version).W(4).W(5).S("src").S("note").W(1).W(2).W(3).S("r1").S("r2").S("r3");
    if (version >= 12 && loadedFrom >= 12) {
        b.W(3).S("F").S("File").S("I").S("Item").S("n1").S("n2").S("n3").S("m1").S("m2").S("m3");
        b.W(7).W(8).S("File8").W(9).S("Item9").W(11).W(12).W(13).S("d1").S("d2").S("d3");
    } else if (version >= 12) {
        b.W(1).Ss(10).Ws(2).Ss(1).Ws(1).Ss(1).Ws(3).Ss(3);
    }
    if (version < 1001)
        return b.data;
    if (loadedFrom >= 1001)
        b.W(6).S("RF").S("RefFile").W(10).S("File10");
    else if (loadedFrom >= 12) // the reference file is the source file
        b.W(4).S("F").S("File").W(8).S("File8");
    else
        b.W(4).Ss(2).Ws(1).Ss(1);
    return b.data;
}

TEST(DataGenSrc, RecordsOfEveryVersion)
{
    struct Case
    {
        WORD version, form, refFile, refFile3;
        const char* refFileName;
    } cases[] = {{8, 1, 4, 0, ""},      {11, 1, 4, 0, ""},      {12, 3, 4, 8, "File"},
                 {19, 3, 4, 8, "File"}, {999, 3, 4, 8, "File"}, {1001, 3, 6, 10, "RefFile"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.version);
        CDataGenSrc source;
        ArchiveBytes::Load(SourceRecord(c.version, c.version), [&](CArchive& ar) {
            source.Serialize(ar);
            EXPECT_EQ(ar.GetRemainingLength(), 0u);
        });
        EXPECT_EQ(source.GetForm(), c.form);
        EXPECT_EQ(source.GetNote(), CString("note"));
        EXPECT_EQ(source.ByIds().refItems, (std::array<WORD, 3>{1, 2, 3}));
        // Without a reference file of its own, a source's reference file is its source file.
        EXPECT_EQ(source.ByIds().refFile, c.refFile);
        EXPECT_EQ(source.InDiagram().refFile, c.refFile3);
        EXPECT_EQ(source.ByTexts().refFileName, CString(c.refFileName));
        EXPECT_EQ(ArchiveBytes::Store([&](CArchive& ar) { source.Serialize(ar); }), SourceRecord(1001, c.version));
    }
    const std::string record = SourceRecord(1001, 1001);
    for (std::size_t length = 0; length < record.size(); ++length) {
        ArchiveBytes::Load(record.substr(0, length), [](CArchive& ar) {
            CDataGenSrc source;
            EXPECT_THROW(source.Serialize(ar), CArchiveException);
        });
    }
}

TEST(DataGenSrc, CompactionMovesSetItemsForward)
{
    struct Case
    {
        std::array<WORD, 3> before, after;
        WORD refFile;
        bool moved;
    } cases[] = {
        {{0, 7, 0}, {7, 0, 0}, 5, true},  {{0, 0, 9}, {9, 0, 0}, 5, true},
        {{0, 7, 9}, {7, 9, 0}, 5, true},  {{4, 0, 9}, {4, 9, 0}, 5, true}, // the first item is never overwritten
        {{4, 7, 0}, {4, 7, 0}, 5, false}, {{0, 0, 0}, {0, 0, 0}, 0, false},
    };
    for (const Case& c : cases) {
        CDataGenSrc source;
        source.ByIds().refFile = 5;
        for (int i = 0; i < 3; ++i) {
            source.ByIds().refItems[i] = c.before[i];
            source.ByIds().refItemNames[i].Format("n%u", unsigned(c.before[i]));
            source.SetRefMarks(i, c.before[i]);
        }
        EXPECT_EQ(bool(source.CompactReferences()), c.moved);
        EXPECT_EQ(source.ByIds().refItems, c.after);
        EXPECT_EQ(source.ByIds().refFile, c.refFile);
        if (c.after[0] != 0) {
            EXPECT_EQ(source.ByIds().refItemNames[0], CString("n") + CString(std::to_string(c.after[0])));
            EXPECT_EQ(source.GetRefMarks(0), c.after[0]);
        }
    }
    // Form 2 tests the number texts; with none set the reference file's texts go too.
    CDataGenSrc texts;
    texts.SetForm(CDataGenSrc::FORM_BY_TEXTS);
    texts.ByTexts().refFileNumber = "F";
    texts.ByTexts().refItemNumbers[2] = "3";
    texts.ByTexts().refItemNames[2] = "three";
    EXPECT_TRUE(texts.CompactReferences());
    EXPECT_EQ(texts.ByTexts().refItemNames[0], CString("three"));
    texts.ByTexts().refItemNumbers[0].Empty();
    EXPECT_FALSE(texts.CompactReferences());
    EXPECT_TRUE(texts.ByTexts().refFileNumber.IsEmpty());
}

TEST(DataGenSrc, TestsByForm)
{
    CDataGenSrc source;
    source.ByIds() = {3, 4, "s", 6, {1, 0, 4}, {}};
    source.ByTexts().srcFileNumber = "F";
    EXPECT_FALSE(source.IsSourceMissing());
    EXPECT_TRUE(source.UsesFile(3));
    EXPECT_TRUE(source.UsesFile(6));
    DWORD bits = 0;
    EXPECT_TRUE(source.RefersToItem(6, 4, bits));
    EXPECT_EQ(bits, 0x4u | CDataGenSrc::MARK_REF_DONE);
    bits = 0;
    EXPECT_TRUE(source.RefersToItem(3, 4, bits));
    EXPECT_EQ(bits, CDataGenSrc::MARK_SOURCE_DONE);
    EXPECT_FALSE(source.RefersToItem(3, 5, bits));
    for (WORD form : {2, 3}) {
        source.SetForm(form);
        EXPECT_FALSE(source.UsesFile(3));
        EXPECT_FALSE(source.RefersToItem(3, 4, bits));
        EXPECT_TRUE(source.IsSourceMissing()) << form; // its own fields are not all set
    }
    source.SetForm(9);
    EXPECT_FALSE(source.IsSourceMissing());
    source.SetForm(1);
    source.SetMarks(CDataGenSrc::MARK_FROZEN);
    EXPECT_FALSE(source.UsesFile(3));
}

TEST(DataGenSrcList, ComparisonAndRenumberMarks)
{
    CDataGenSrcList two, three;
    for (int i = 0; i < 2; ++i)
        two.AddDataGenSrcDirect(new CDataGenSrc);
    EXPECT_EQ(three.CopySourcesFrom(two), 2);
    three.AddDataGenSrcDirect(new CDataGenSrc);
    EXPECT_EQ(two.CompareSourceLists(three), CDataGenSrcList::DIFF_COUNT);
    three.DeleteAt(2);
    EXPECT_EQ(two.CompareSourceLists(three), 0u);
    three.GetAt(1)->SetNote("x");
    three.GetAt(1)->ByIds().refFile = 2;
    EXPECT_EQ(two.CompareSourceLists(three), CDataGenSrc::DIFF_NOTE | CDataGenSrc::DIFF_REF_FILE);

    // Only an exact mark word acts.
    CDataGenSrcList marked;
    const DWORD marks[] = {CDataGenSrc::MARK_FROZEN, CDataGenSrc::MARK_FROZEN | CDataGenSrc::MARK_SOURCE_DONE,
                           CDataGenSrc::MARK_CLEAR_REFERENCES, CDataGenSrc::MARK_REF_DONE};
    for (DWORD mark : marks) {
        auto* source = new CDataGenSrc;
        source->ByIds().refFile = 5;
        source->ByIds().refItems = {0, 8, 0};
        source->SetMarks(mark);
        marked.AddDataGenSrcDirect(source);
    }
    EXPECT_EQ(marked.ApplyRenumberMarks(), 3);
    ASSERT_EQ(marked.GetCount(), 3);
    EXPECT_EQ(marked.GetAt(0)->GetMarks(), CDataGenSrc::MARK_FROZEN | CDataGenSrc::MARK_SOURCE_DONE);
    EXPECT_EQ(marked.GetAt(1)->ByIds().refFile, 0);
    EXPECT_EQ(marked.GetAt(2)->ByIds().refItems, (std::array<WORD, 3>{8, 0, 0}));
}

TEST(DataGenSrcList, ListOperations)
{
    CDataGenSrcList list;
    for (WORD file = 1; file <= 4; ++file) {
        auto* source = new CDataGenSrc;
        source->ByIds().srcFile = file;
        source->ByIds().srcItem = file == 2 ? 0 : 1;
        list.AddDataGenSrcDirect(source);
    }
    auto files = [&list] {
        std::string text;
        for (POSITION pos = list.GetHeadPosition(); pos;)
            text += char('0' + list.GetNext(pos)->ByIds().srcFile);
        return text;
    };
    EXPECT_EQ(list.FindMissingSource(), 1);
    EXPECT_EQ(list.MoveDataGenSrcPosByIndex(0, 3), 2);
    EXPECT_EQ(files(), "2314");
    for (int index : {0, 9}) {
        auto* source = new CDataGenSrc;
        source->ByIds().srcFile = 9;
        source->ByIds().refFile = 8;
        EXPECT_EQ(list.InsertAfterDataGenSrc(source, index), index == 0 ? 1 : 5);
    }
    EXPECT_EQ(files(), "293149");
    EXPECT_TRUE(list.DeleteSourcesUsingFile(9));
    EXPECT_EQ(files(), "2314");
    EXPECT_FALSE(list.DeleteAt(4));
    DWORD bits = 0;
    int index = 0;
    EXPECT_EQ(list.FindSourceReferringTo(1, 1, bits, index), list.GetAt(2));
    EXPECT_EQ(index, 2);
    EXPECT_EQ(list.FindSourceReferringTo(7, 1, bits, index), nullptr);
    EXPECT_EQ(index, -1);
}

} // namespace DataGenSrcTest
