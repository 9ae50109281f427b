#include "model/DataList.h"
#include "model/DiagramFiles.h"
#include "model/ItemRenumbering.h"

#include "tests/support/MessageScript.h"

#include <gtest/gtest.h>

#include <array>
#include <map>
#include <memory>
#include <string>

namespace ItemRenumberingTest {

CData* Item(WORD number, const char* name, WORD level = 1, WORD parent = 0)
{
    return new CData(number, name, "", "N", "N", "", 0, 0, 0, level, parent);
}

// An item of another file holding a form-1 reference to (file, item, name).
CData* Referring(WORD number, WORD file, WORD item, const char* name)
{
    CData* data = Item(number, "ref");
    data->SetRefFile(file);
    data->SetRefItem(item);
    data->SetRefItemName(name);
    return data;
}

CDataGenSrc* Source(WORD file, WORD item, const char* name, WORD refFile, std::array<WORD, 3> refs)
{
    auto* source = new CDataGenSrc;
    source->ByIds().srcFile = file;
    source->ByIds().srcItem = item;
    source->ByIds().srcItemName = name;
    source->ByIds().refFile = refFile;
    source->ByIds().refItems = refs;
    return source;
}

// Items A to E of file 10, numbered 1 to 5.
void FillFile(CDataList& list)
{
    for (const char* name : {"A", "B", "C", "D", "E"})
        list.AddDataDirect(Item(WORD(list.GetCount() + 1), name));
}

// The new list of the data items dialog: a copy of the old one with the items at the given
// positions of the old list (their numbers kept).
void Rearrange(const CDataList& old, CDataList& out, std::initializer_list<int> positions)
{
    for (int position : positions)
        out.AppendCopyOf(*old.GetDataAt(position));
}

TEST(ItemRenumbering, SwappedItemsMoveEveryPointerExactlyOnce)
{
    CDataList file10, file20, file30;
    FillFile(file10);
    file10.GetDataAt(4)->SetParentItem(3); // E is a child of C
    file10.GetDataAt(4)->SetChildLevel();
    file10.GetDataAt(0)->GetSources().AddDataGenSrcDirect(Source(10, 4, "D", 10, {3, 0, 0}));
    file20.AddDataDirect(Referring(1, 10, 3, "C"));
    file20.AddDataDirect(Referring(2, 10, 4, "D"));
    file20.GetDataAt(0)->GetSources().AddDataGenSrcDirect(Source(10, 3, "C", 10, {4, 3, 5}));
    file30.AddDataDirect(Referring(1, 10, 4, "D"));
    file30.AddDataDirect(Referring(2, 20, 1, "ref")); // points elsewhere: untouched

    CDataList replaced;
    Rearrange(file10, replaced, {0, 1, 3, 2, 4}); // C and D swap places
    EXPECT_EQ(ReplaceItemsByNumber(10, file10, replaced, {{20, &file20}, {30, &file30}}), 2);

    EXPECT_EQ(file20.GetDataAt(0)->GetRefItem(), 4);
    EXPECT_EQ(file20.GetDataAt(0)->GetRefItemName(), CString("C"));
    EXPECT_EQ(file20.GetDataAt(1)->GetRefItem(), 3);
    EXPECT_EQ(file30.GetDataAt(0)->GetRefItem(), 3);
    EXPECT_EQ(file30.GetDataAt(1)->GetRefItem(), 1);
    const GenSrcByIds& source = file20.GetDataAt(0)->GetSources().GetHead()->ByIds();
    EXPECT_EQ(source.srcItem, 4);
    EXPECT_EQ(source.refItems, (std::array<WORD, 3>{3, 4, 5}));
    EXPECT_EQ(source.refItemNames[0], CString("D"));

    // The file's own pointers follow, and its items take their positions as numbers.
    const CData* e = replaced.FindDataByName("E");
    EXPECT_EQ(e->GetParentItem(), 4);
    EXPECT_EQ(replaced.FindDataByName("C")->GetDataNumber(), 4);
    const GenSrcByIds& own = replaced.GetDataAt(0)->GetSources().GetHead()->ByIds();
    EXPECT_EQ(own.srcItem, 3);
    EXPECT_EQ(own.refItems[0], 4);
    // Marks do not outlive the pass.
    EXPECT_EQ(file20.GetDataAt(0)->GetUpdateMarks(), 0u);
    EXPECT_EQ(file20.GetDataAt(0)->GetSources().GetHead()->GetMarks(), 0u);
    EXPECT_EQ(file10.GetDataAt(2)->GetMarks(), 0u);
}

TEST(ItemRenumbering, DeletedItemsLoseTheirPointers)
{
    CDataList file10, file20;
    FillFile(file10);
    file10.GetDataAt(2)->SetParentItem(2); // C is a child of B
    file10.GetDataAt(2)->SetChildLevel();
    file20.AddDataDirect(Referring(1, 10, 2, "B"));
    file20.AddDataDirect(Referring(2, 10, 9, "B")); // the number is stale, the name still matches
    file20.AddDataDirect(Referring(3, 10, 4, "D"));
    file20.GetDataAt(2)->GetSources().AddDataGenSrcDirect(Source(10, 2, "B", 10, {1, 2, 0}));
    file20.GetDataAt(2)->GetSources().AddDataGenSrcDirect(Source(10, 1, "A", 10, {2, 4, 5}));

    CDataList replaced;
    Rearrange(file10, replaced, {0, 2, 3, 4}); // B is deleted
    ReplaceItemsByNumber(10, file10, replaced, {{20, &file20}});

    EXPECT_EQ(file20.GetDataAt(0)->GetRefFile(), 0);
    EXPECT_TRUE(file20.GetDataAt(0)->GetRefItemName().IsEmpty());
    EXPECT_EQ(file20.GetDataAt(1)->GetRefFile(), 0);
    EXPECT_EQ(file20.GetDataAt(2)->GetRefItem(), 3);
    // The source of B is gone; the other keeps its two remaining reference items, moved forward.
    const CDataGenSrcList& sources = file20.GetDataAt(2)->GetSources();
    ASSERT_EQ(sources.GetCount(), 1);
    EXPECT_EQ(sources.GetHead()->ByIds().refItems, (std::array<WORD, 3>{3, 4, 0}));
    // The child of the deleted parent stands on its own.
    const CData* c = replaced.FindDataByName("C");
    EXPECT_EQ(c->GetParentItem(), 0);
    EXPECT_FALSE(c->IsChildLevel());
    EXPECT_EQ(c->GetDataNumber(), 2);
}

TEST(ItemRenumbering, ParsedTextsMatchItemsByName)
{
    CDataList file10, file20, file30;
    FillFile(file10);
    file10.GetDataAt(0)->SetSummary("kept");
    file10.GetDataAt(3)->SetParentItem(1); // D is a child of A
    file10.GetDataAt(0)->GetSources().AddDataGenSrcDirect(Source(10, 5, "E", 0, {}));
    file20.AddDataDirect(Referring(1, 10, 1, "A"));
    file20.AddDataDirect(Referring(2, 10, 2, "B"));
    file30.AddDataDirect(Referring(1, 10, 5, "E"));

    // The texts now read E, A, C, D: B is gone and every item moved.
    CDataList parsed;
    const char* names[] = {"E", "A", "C", "D"};
    for (const char* name : names)
        parsed.AddDataDirect(Item(WORD(parsed.GetCount() + 1), name));
    EXPECT_EQ(ReplaceItemsByName(10, file10, parsed, {{20, &file20}, {30, &file30}}), 2);

    EXPECT_EQ(file20.GetDataAt(0)->GetRefItem(), 2);
    EXPECT_EQ(file20.GetDataAt(1)->GetRefFile(), 0);
    EXPECT_EQ(file30.GetDataAt(0)->GetRefItem(), 1);
    // The new items keep the definitions of the old ones, renumbered.
    const CData* a = parsed.FindDataByName("A");
    EXPECT_EQ(a->GetSummary(), CString("kept"));
    ASSERT_EQ(a->GetSources().GetCount(), 1);
    EXPECT_EQ(a->GetSources().GetHead()->ByIds().srcItem, 1);
    EXPECT_EQ(parsed.FindDataByName("D")->GetParentItem(), 0); // the texts give the hierarchy
}

TEST(ItemRenumbering, ResolvingWithinTheOwnList)
{
    CDataList list;
    FillFile(list);
    list.AssignScratchNumbers();
    struct Case
    {
        WORD refItem;
        WORD refFileAfter, refItemAfter;
    } cases[] = {
        {0, 0, 0},  // item 0 of the own file clears the reference
        {9, 10, 9}, // a number the list does not hold is left as it is
        {2, 10, 2},
    };
    for (const Case& c : cases) {
        CData* item = Referring(1, 10, c.refItem, "");
        item->GetSources().AddDataGenSrcDirect(Source(20, 1, "x", 10, {9, 3, 0}));
        item->ResolveWithinList(10, list);
        EXPECT_EQ(item->GetRefFile(), c.refFileAfter) << c.refItem;
        EXPECT_EQ(item->GetRefItem(), c.refItemAfter) << c.refItem;
        // A source's reference item whose number the list does not hold is cleared.
        EXPECT_EQ(item->GetSources().GetHead()->ByIds().refItems, (std::array<WORD, 3>{3, 0, 0}));
        delete item;
    }
}

TEST(ItemRenumbering, DefinitionsCarryOverToTheNewItem)
{
    struct Case
    {
        const char* oldCode;
        const char* newCode;
        const char* result;
    } cases[] = {{"W", "G", "G"}, {"T", "S", "T"}, {"G", "T", "T"}, {"S", "N", "N"}, {"", "T", "T"}};
    for (const Case& c : cases) {
        CData old(3, "A", "3a", "K", "R", c.oldCode, 1, 1, 0, 1, 0);
        old.SetSummary("sum");
        old.SetNullOption(1);
        old.SetRefForm(2);
        old.SetRef2ItemName("x");
        old.GetSources().AddDataGenSrcDirect(new CDataGenSrc);
        CData fresh(1, "A", "", "N", "N", c.newCode, 0, 0, 0, 2, 7);
        fresh.SetPhysicalTarget(0);
        EXPECT_TRUE(fresh.CopyDefinitionFrom(old));
        EXPECT_EQ(fresh.GetDerivationCode(), CString(c.result)) << c.oldCode << c.newCode;
        EXPECT_EQ(fresh.GetNumberText(), CString("3a"));
        EXPECT_EQ(fresh.GetSummary(), CString("sum"));
        EXPECT_EQ(fresh.GetRef2ItemName(), CString("x"));
        EXPECT_EQ(fresh.GetNullOption(), 1);
        EXPECT_EQ(fresh.GetSources().GetCount(), 1);
        // Identity, key and place stay the new item's own.
        EXPECT_EQ(fresh.GetKeyCode(), CString("N"));
        EXPECT_EQ(fresh.GetParentItem(), 7);
        EXPECT_EQ(fresh.GetPhysicalTarget(), 0u);
    }
}

// The referenced diagram 4, holding files 20 ("Orders") and 30 ("Customers").
class OtherDiagram : public DiagramFiles
{
public:
    WORD GetDiagramNumber() const override { return 4; }
    BOOL FindFileName(WORD fileId, CString& name) const override
    {
        const auto found = m_names.find(fileId);
        if (found == m_names.end())
            return FALSE;
        name = found->second;
        return TRUE;
    }

private:
    std::map<WORD, CString> m_names{{10, "Self"}, {20, "Orders"}, {30, "Customers"}};
};

TEST(ItemRenumbering, CopiedFilesPointIntoTheirDiagram)
{
    const OtherDiagram diagram;
    // The file was 10 there and is 77 here.
    const std::unique_ptr<CData> toOther(Referring(1, 20, 3, "OrderNo"));
    EXPECT_TRUE(toOther->ConvertForOtherDiagram(diagram, 10, 77));
    EXPECT_EQ(toOther->GetRefForm(), CData::REF_IN_DIAGRAM);
    EXPECT_EQ(toOther->GetRef3Diagram(), 4);
    EXPECT_EQ(toOther->GetRef3File(), 20);
    EXPECT_EQ(toOther->GetRef3FileName(), CString("Orders"));
    EXPECT_EQ(toOther->GetRef3ItemName(), CString("OrderNo"));
    EXPECT_EQ(toOther->GetRefFile(), 0);

    const std::unique_ptr<CData> toSelf(Referring(1, 10, 3, "x"));
    EXPECT_TRUE(toSelf->ConvertForOtherDiagram(diagram, 10, 77));
    EXPECT_EQ(toSelf->GetRefFile(), 77);

    const std::unique_ptr<CData> unknown(Referring(1, 99, 3, "x"));
    unknown->GetSources().AddDataGenSrcDirect(Source(20, 1, "s", 0, {}));
    EXPECT_FALSE(unknown->ConvertForOtherDiagram(diagram, 10, 77));
    EXPECT_EQ(unknown->GetRefFile(), 99);
    EXPECT_EQ(unknown->GetSources().GetHead()->GetForm(), CDataGenSrc::FORM_BY_IDS);

    // Sources keep one form: wholly in the file itself they stay here; anything else moves into
    // the diagram whole, the file itself under its id there.
    CData derived;
    CDataGenSrcList& sources = derived.GetSources();
    sources.AddDataGenSrcDirect(Source(10, 1, "a", 10, {2, 0, 0}));
    sources.AddDataGenSrcDirect(Source(10, 1, "a", 30, {5, 6, 0}));
    sources.AddDataGenSrcDirect(Source(20, 2, "b", 10, {3, 0, 0}));
    sources.AddDataGenSrcDirect(Source(99, 2, "b", 0, {}));
    EXPECT_TRUE(derived.ConvertForOtherDiagram(diagram, 10, 77));
    const CDataGenSrc* local = sources.GetAt(0);
    EXPECT_EQ(local->GetForm(), CDataGenSrc::FORM_BY_IDS);
    EXPECT_EQ(local->ByIds().srcFile, 77);
    EXPECT_EQ(local->ByIds().refFile, 77);
    struct Moved
    {
        WORD srcFile;
        const char* srcFileName;
        WORD refFile;
        const char* refFileName;
    } moved[] = {{10, "Self", 30, "Customers"}, {20, "Orders", 10, "Self"}};
    for (int i = 0; i < 2; ++i) {
        const CDataGenSrc* source = sources.GetAt(i + 1);
        EXPECT_EQ(source->GetForm(), CDataGenSrc::FORM_IN_DIAGRAM);
        EXPECT_EQ(source->InDiagram().diagram, 4);
        EXPECT_EQ(source->InDiagram().srcFile, moved[i].srcFile);
        EXPECT_EQ(source->InDiagram().srcFileName, CString(moved[i].srcFileName));
        EXPECT_EQ(source->InDiagram().refFile, moved[i].refFile);
        EXPECT_EQ(source->InDiagram().refFileName, CString(moved[i].refFileName));
        EXPECT_EQ(source->ByIds().srcFile, 0);
        EXPECT_EQ(source->ByIds().refFile, 0);
    }
    EXPECT_EQ(sources.GetAt(1)->InDiagram().refItems, (std::array<WORD, 3>{5, 6, 0}));
    EXPECT_EQ(sources.GetAt(3)->GetForm(), CDataGenSrc::FORM_BY_IDS); // its file is not there
}

TEST(ItemRenumbering, DetachingMergedItemsFromTheirFile)
{
    CData item(4, "x", "", "N", "N", "", 0, 0, 0, 2, 2);
    item.SetRefFile(10);
    item.SetRefItem(1);
    item.GetSources().AddDataGenSrcDirect(Source(10, 1, "a", 0, {}));
    item.GetSources().AddDataGenSrcDirect(Source(20, 1, "a", 0, {}));
    EXPECT_TRUE(item.DetachFromFile(10, 10));
    EXPECT_EQ(item.GetParentItem(), 0);
    EXPECT_TRUE(item.IsChildLevel()); // the caller gives it its new parent
    EXPECT_EQ(item.GetRefFile(), 0);
    EXPECT_EQ(item.GetSources().GetCount(), 1);
    EXPECT_FALSE(item.DetachFromFile(10, 10));
}

} // namespace ItemRenumberingTest
