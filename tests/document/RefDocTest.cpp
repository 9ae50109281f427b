#include "tests/document/DocumentFileTestSupport.h"

#include "tests/support/MessageScript.h"

#include "document/RefDoc.h"
#include "platform/ui/DocTemplate.h"

#include <gtest/gtest.h>

namespace {

// A document that can be given referenced diagrams directly.
class RefTestDoc : public TestDoc
{
public:
    void AddEntry(WORD number, const CString& path) { m_refDocList.AddTail(new CRefDoc(number, path, CString("old"))); }
    void SetHeaderTitle(const CString& title) { m_strTitle = title; }
};

} // namespace

class ReferencedDiagrams : public ::testing::Test
{
protected:
    // A diagram file with the title and that many rectangles.
    CString SaveDiagram(const char* name, const char* title, int rects)
    {
        RefTestDoc doc;
        doc.SetHeaderTitle(CString(title));
        for (int i = 0; i < rects; ++i)
            AddRect(doc);
        const CString path = PathIn(m_dir, name);
        EXPECT_TRUE(doc.OnSaveDocument(path));
        return path;
    }

    FileTestApp m_app;
    QTemporaryDir m_dir;
};

TEST_F(ReferencedDiagrams, OpeningADocumentOpensItsDiagramsAndCountsTheFailures)
{
    const CString found = SaveDiagram("found.zvr", "FOUND", 2);
    SaveDiagram("moved.zvr", "MOVED", 1);
    SaveDiagram("empty.zvr", "EMPTY", 0);
    const CString referencing = PathIn(m_dir, "main.zvr");
    {
        RefTestDoc doc;
        doc.AddEntry(1, found);
        doc.AddEntry(2, CString("C:\\old\\folder\\moved.zvr")); // written on Windows, moved here since
        doc.AddEntry(3, CString("/no/such/folder/lost.zvr"));
        doc.AddEntry(4, CString());
        doc.AddEntry(5, PathIn(m_dir, "empty.zvr"));
        ASSERT_TRUE(doc.OnSaveDocument(referencing));
    }

    CMultiDocTemplate docTemplate(0, RUNTIME_CLASS(CZivraDoc), nullptr, nullptr);
    RefTestDoc doc;
    docTemplate.AddDocument(&doc);
    MessageScript script;
    ASSERT_TRUE(doc.OnOpenDocument(referencing));
    EXPECT_EQ(script.Texts(),
              std::vector<std::string>({"参照先に設定している構造図が見つかりません。\n/no/such/folder/lost.zvr",
                                        "参照している構造図のうち 2件の構造図が正常に開けませんでした。"}));
    // The hidden documents belong to their entries, not to the template's open documents.
    EXPECT_EQ(docTemplate.GetDocuments(), std::vector<CDocument*>({&doc}));

    const auto entry = [&](WORD number) { return doc.FindRefDocByNumber(number); };
    EXPECT_TRUE(entry(1)->IsLoaded());
    EXPECT_EQ(DrawingOrder(*entry(1)->GetDocument()).size(), 2u);
    EXPECT_TRUE(entry(1)->GetDocument()->IsReadOnly());
    EXPECT_EQ(Utf8(entry(1)->GetTitle()), "FOUND");
    EXPECT_TRUE(entry(2)->IsLoaded());
    EXPECT_EQ(Utf8(entry(2)->GetTitle()), "MOVED");
    EXPECT_FALSE(entry(3)->IsLoaded());
    EXPECT_FALSE(entry(4)->IsLoaded());
    EXPECT_FALSE(entry(5)->IsLoaded()); // opened, but it holds nothing to refer to
    EXPECT_NE(entry(5)->GetDocument(), nullptr);
    EXPECT_EQ(Utf8(entry(5)->GetTitle()), "EMPTY");
    // The document's own question: listed and loaded, by number; 0 names no diagram.
    for (const WORD number : {WORD(0), WORD(1), WORD(2), WORD(3), WORD(5), WORD(9)})
        EXPECT_EQ(doc.IsRefDocLoaded(number), number == 1 || number == 2) << number;

    // Saved back with numbers and paths unchanged and the titles of the last open.
    doc.SetPathName(referencing, FALSE);
    ASSERT_TRUE(doc.OnSaveDocument(referencing));
    TestDoc reread;
    ASSERT_TRUE(reread.OpenAsReference(referencing));
    std::vector<std::string> entries;
    for (POSITION pos = reread.GetRefDocList()->GetHeadPosition(); pos;) {
        const CRefDoc* e = reread.GetRefDocList()->GetNextRefDoc(pos);
        entries.push_back(std::to_string(e->GetNumber()) + " " + Utf8(e->GetPath()) + " " + Utf8(e->GetTitle()));
    }
    EXPECT_EQ(entries, std::vector<std::string>({"1 " + Utf8(found) + " FOUND", "2 C:\\old\\folder\\moved.zvr MOVED",
                                                 "3 /no/such/folder/lost.zvr old", "4  old",
                                                 "5 " + Utf8(PathIn(m_dir, "empty.zvr")) + " EMPTY"}));

    // Closing the referencing document releases the hidden ones (the sanitizers see the rest).
    doc.DeleteContents();
    EXPECT_TRUE(doc.GetRefDocList()->IsEmpty());
    docTemplate.RemoveDocument(&doc);
}

// A diagram cut short, and a sparse 2 GB file of zeros, which was read whole before it was refused.
TEST_F(ReferencedDiagrams, ADiagramThatCannotBeReadIsReportedByItsOpen)
{
    for (const qint64 size : {qint64(0), qint64(2) << 30}) {
        SCOPED_TRACE(size);
        const CString broken = PathIn(m_dir, "broken.zvr");
        const QString brokenOnDisk = QString::fromStdString(ToFileSystemPath(broken));
        WriteFileBytes(brokenOnDisk, std::string("\xE9\x03\x01", 3)); // cut short
        if (size > 0) {
            ASSERT_TRUE(QFile::resize(brokenOnDisk, size)); // zeros after the version word
        }
        const CString referencing = PathIn(m_dir, "main.zvr");
        {
            RefTestDoc doc;
            doc.AddEntry(1, broken);
            ASSERT_TRUE(doc.OnSaveDocument(referencing));
        }
        RefTestDoc doc;
        MessageScript script;
        ASSERT_TRUE(doc.OnOpenDocument(referencing));
        EXPECT_EQ(script.Texts(),
                  std::vector<std::string>({"予期しないファイル形式です。",
                                            "参照している構造図のうち 1件の構造図が正常に開けませんでした。"}));
        EXPECT_FALSE(doc.FindRefDocByNumber(1)->IsLoaded());
    }
}
