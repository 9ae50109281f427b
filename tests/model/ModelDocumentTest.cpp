#include "tests/document/DocumentFileTestSupport.h"

#include "document/RefDoc.h"
#include "document/UndoStep.h"
#include "model/DataModelClasses.h"
#include "model/DocumentNotation.h"
#include "model/FileComp.h"
#include "model/NotationSymbols.h"
#include "model/RefDocFiles.h"
#include "model/RelLineObj.h"

#include <gtest/gtest.h>

namespace ModelDocumentTest {

// A conceptual file with a fresh id and those item texts, added in an undo step of its own.
CFileComp* AddFile(CBaseDoc& doc, const char* name, const CString& keyText = CString(),
                   const CString& dataText = CString())
{
    CUndoStep step(&doc);
    auto* file = new CFileComp(doc.NewObjectId(), CRect(0, 0, 240, -160));
    file->SetFileName(CString(name));
    file->SetKeyText(keyText);
    file->SetDataText(dataText);
    return doc.AddObject(file) ? file : nullptr;
}

class ModelDocument : public ::testing::Test
{
protected:
    void SetUp() override { RegisterDataModelClasses(); }

    FileTestApp m_app;
    QTemporaryDir m_dir;
};

// A file copied out of a referenced diagram turns its references into that diagram's into
// references that name the diagram, its file and the file's name there.
TEST_F(ModelDocument, ReferencedDiagramNamesItsConceptualFiles)
{
    const CString path = PathIn(m_dir, "other.zvr");
    {
        TestDoc other;
        AddFile(other, "Order");
        AddRect(other);
        ASSERT_TRUE(other.OnSaveDocument(path));
    }
    CRefDoc entry(4, path, CString("title"));
    const RefDocFiles files(entry);
    CString name("unchanged");
    EXPECT_FALSE(files.FindFileName(1, name)); // not opened yet
    ASSERT_TRUE(entry.Open(PathIn(m_dir, "main.zvr"), nullptr));
    EXPECT_EQ(files.GetDiagramNumber(), 4);
    EXPECT_TRUE(files.FindFileName(1, name));
    EXPECT_EQ(name, CString("Order"));
    for (WORD id : {WORD(2), WORD(99)}) { // a rectangle, nothing
        name = "unchanged";
        EXPECT_FALSE(files.FindFileName(id, name)) << id;
        EXPECT_EQ(name, CString("unchanged"));
    }

    CFileComp copied(7, CRect(0, 0, 240, -160));
    auto* item = new CData(1, "OrderNo", "", "N", "N", "", 0, 0, 0, 1, 0);
    item->SetRefFile(1);
    item->SetRefItem(3);
    item->SetRefItemName("No");
    copied.AddData(item);
    EXPECT_TRUE(copied.ConvertForOtherDiagram(files, 8));
    EXPECT_EQ(item->GetRefForm(), CData::REF_IN_DIAGRAM);
    EXPECT_EQ(item->GetRef3Diagram(), 4);
    EXPECT_EQ(item->GetRef3FileName(), CString("Order"));
    EXPECT_EQ(item->GetRef3ItemName(), CString("No"));
}

// The given file's texts come first; the document's files, in drawing order, fill what they leave
// empty.
TEST_F(ModelDocument, NotationSymbolsComeFromTheFileThenTheDocument)
{
    TestDoc doc;
    AddFile(doc, "A", CString(u8"a．b"), CString(u8"x、y"));
    CFileComp* second = AddFile(doc, "B", CString("a.b[c]"), CString());
    CFileComp* empty = AddFile(doc, "C");

    const struct
    {
        const char* name;
        const CFileComp* file;
        const char8_t* keySeparator;
        const char8_t* dataSeparator;
        const char8_t* groupOpener;
    } cases[] = {
        {"second file first", second, u8".", u8"、", u8"["},
        {"no file", nullptr, u8"．", u8"、", u8"["},
        {"a file without texts", empty, u8"．", u8"、", u8"["},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CNotationSymbols symbols;
        EXPECT_EQ(CollectNotationSymbols(doc, c.file, symbols), 1);
        EXPECT_EQ(symbols.GetSymbol0(), CString(c.keySeparator));
        EXPECT_EQ(symbols.GetSymbol1(), CString(c.dataSeparator));
        EXPECT_EQ(symbols.GetSymbol2(), CString(c.groupOpener));
    }
}

// Whether the parsed key items become physical targets depends on the file having a parent that
// it is merged into, which only the document can tell.
TEST_F(ModelDocument, ParsedKeyItemsOfAMergedSubtypeAreNoPhysicalTargets)
{
    TestDoc doc;
    CFileComp* parent = AddFile(doc, "Customer");
    CFileComp* child = AddFile(doc, "Corporate", CString("ID"), CString("Qty"));
    child->SetMergedIntoParent(TRUE);
    const auto keyTarget = [&](const CBaseDoc* document) {
        CDataList items;
        EXPECT_EQ(child->ParseItemTexts(document, items), 2);
        return items.GetDataAt(0)->GetPhysicalTarget();
    };
    EXPECT_NE(keyTarget(&doc), 0u); // no arrow yet: no parent
    {
        CUndoStep step(&doc);
        doc.AddObject(new CRelLineObj(doc.NewObjectId(), parent->GetCenter(), child->GetCenter(),
                                      CRelLineObj::KIND_SUBTYPE, parent->GetObjectId(), child->GetObjectId(), 0));
    }
    EXPECT_EQ(keyTarget(&doc), 0u);
    EXPECT_NE(keyTarget(nullptr), 0u); // without the document the file has no parent
}

} // namespace ModelDocumentTest
