#include "model/RelationGraph.h"
#include "model/RelationGraphIndex.h"
#include "model/RelationRules.h"
#include "platform/afx/File.h"
#include "platform/ui/Controls.h"

#include "tests/model/RelationModel.h"

#include <QComboBox>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace RelationGraphTest {

using namespace RelationGraph;
using RelationRules::HasSubTypeLoop;
using RelationRules::IsSubTypeAncestor;
using RelationRules::WouldCreateSubTypeLoop;

struct QueryRow
{
    std::string what;
    std::function<int()> actual;
    int expected;
};

void ExpectRows(const std::vector<QueryRow>& rows)
{
    for (const QueryRow& row : rows)
        EXPECT_EQ(row.actual(), row.expected) << row.what;
}

// D's parent is E, E's is B (reached through B's clone K1), B's is A; C's only subtype arrow
// starts at a clone without an original; D has two main arrows; A gets a supertype arrow and a
// non-main substructure arrow from C.
struct Family : RelationModel
{
    WORD a = File("A"), b = File("B"), c = File("C"), d = File("D"), e = File("E"), f = File("F");
    WORD k1 = Clone(b), k0 = Clone(0);
    WORD toB = Arrow(2, a, k1, TRUE);
    WORD toC = Arrow(2, k0, c, TRUE);
    WORD toD = Arrow(2, e, d, TRUE);
    WORD secondToD = Arrow(3, f, d, TRUE);
    WORD oneToMany = Arrow(1, a, b);
    WORD superToA = Arrow(4, c, a);
    WORD toE = Arrow(2, b, e, TRUE);
    WORD nonMainToA = Arrow(3, c, a);
    WORD groupE = Group(e);
};

TEST(RelationGraph, QueriesOverArrowsClonesAndParents)
{
    Family m;
    const CBaseDoc& doc = m.doc;
    m.FileAt(m.e).SetMergedIntoParent(TRUE);
    const auto endFiles = [&](WORD arrowId) {
        CObject* start = nullptr;
        CObject* end = nullptr;
        const BOOL found = GetRelLineEndFiles(doc, m.ArrowAt(arrowId), start, end);
        return found ? IdOf(start) * 1000 + IdOf(end) : -1;
    };
    ExpectRows({
        {"a main arrow that arrives through a clone", [&] { return IdOf(FindMainSubTypeRelLine(doc, m.b, 0)); }, m.toB},
        {"the skipped main arrow", [&] { return IdOf(FindMainSubTypeRelLine(doc, m.b, m.toB)); }, 0},
        {"two main arrows: the earlier one", [&] { return IdOf(FindMainSubTypeRelLine(doc, m.d, 0)); }, m.toD},
        {"two main arrows: the later when the earlier is skipped",
         [&] { return IdOf(FindMainSubTypeRelLine(doc, m.d, m.toD)); }, m.secondToD},
        {"main arrow at the end of an arrow",
         [&] { return IdOf(FindMainSubTypeRelLineAtEndOf(doc, m.ArrowAt(m.toD), 0)); }, m.toD},
        {"no main arrow for file id 0", [&] { return IdOf(FindMainSubTypeRelLine(doc, 0, 0)); }, 0},
        {"parent through the clone's arrow", [&] { return IdOf(GetParentFileComp(doc, m.b)); }, m.a},
        {"parent of the first main arrow", [&] { return IdOf(GetParentFileComp(doc, m.d)); }, m.e},
        {"start clone without original: the arrow is main", [&] { return IdOf(FindMainSubTypeRelLine(doc, m.c, 0)); },
         m.toC},
        {"start clone without original: no parent", [&] { return IdOf(GetParentFileComp(doc, m.c)); }, 0},
        {"ending at: direct arrow from an unresolved start, plain",
         [&] { return IdOf(FindRelLineEndingAt(doc, m.c, 2, 0, FALSE)); }, m.toC},
        {"ending at: direct arrow from an unresolved start, resolved",
         [&] { return IdOf(FindRelLineEndingAt(doc, m.c, 2, 0, TRUE)); }, 0},
        {"ending at: through a clone, resolved", [&] { return IdOf(FindRelLineEndingAt(doc, m.b, 2, 0, TRUE)); },
         m.toB},
        {"ending at: exact kind", [&] { return IdOf(FindRelLineEndingAt(doc, m.a, 4, 0, FALSE)); }, m.superToA},
        {"count of any kind ending at A", [&] { return CountRelLinesEndingAt(doc, m.a, 0, 0, FALSE); }, 2},
        {"count at B: the clone's arrow and the 1:N arrow",
         [&] { return CountRelLinesEndingAt(doc, m.b, 0, 0, FALSE); }, 2},
        {"count at B without the skipped", [&] { return CountRelLinesEndingAt(doc, m.b, 0, m.oneToMany, FALSE); }, 1},
        {"non-1:N arrows at B: not the one ending at its clone", [&] { return CountNonOneToManyRelLinesAt(doc, m.b); },
         1},
        {"non-1:N arrows at the clone", [&] { return CountNonOneToManyRelLinesAt(doc, m.k1); }, 1},
        {"end files: the clone resolved", [&] { return endFiles(m.toB); }, m.a * 1000 + m.b},
        {"end files: a clone without original as itself", [&] { return endFiles(m.toC); }, m.k0 * 1000 + m.c},
        {"between files: through a clone", [&] { return IsRelLineBetweenFiles(doc, m.ArrowAt(m.toB)); }, 1},
        {"between files: from a clone without original", [&] { return IsRelLineBetweenFiles(doc, m.ArrowAt(m.toC)); },
         0},
        {"ancestor over main arrows", [&] { return IsAncestorFileComp(doc, m.a, m.FileAt(m.d)); }, 1},
        {"no ancestor over a non-main arrow", [&] { return IsAncestorFileComp(doc, m.c, m.FileAt(m.a)); }, 0},
        {"subtype ancestor over a non-main arrow", [&] { return IsSubTypeAncestor(doc, m.FileAt(m.a), m.c); }, 1},
        {"top parent", [&] { return IdOf(FindTopParentFileComp(doc, m.FileAt(m.d), FALSE)); }, m.a},
        {"top parent, stopping at an implemented file",
         [&] { return IdOf(FindTopParentFileComp(doc, m.FileAt(m.d), TRUE)); }, m.e},
        {"no top parent without a parent", [&] { return IdOf(FindTopParentFileComp(doc, m.FileAt(m.a), FALSE)); }, 0},
        {"merge target past the merged parent", [&] { return IdOf(FindMergeTargetFileComp(doc, m.FileAt(m.d))); }, m.b},
        {"implementation group", [&] { return IdOf(FindImplGroupForFile(doc, m.FileAt(m.e))); }, m.groupE},
        {"no implementation group", [&] { return IdOf(FindImplGroupForFile(doc, m.FileAt(m.d))); }, 0},
        {"file by exact name", [&] { return IdOf(FindFileCompByName(doc, "C")); }, m.c},
        {"names compare by case", [&] { return IdOf(FindFileCompByName(doc, "c")); }, 0},
        {"has a parent through a clone", [&] { return m.FileAt(m.b).HasParentFileComp(doc); }, 1},
        {"has a parent over a non-main arrow", [&] { return m.FileAt(m.a).HasParentFileComp(doc); }, 1},
        {"no parent from a clone without original", [&] { return m.FileAt(m.c).HasParentFileComp(doc); }, 0},
        {"subtype child without clones: not through B's clone", [&] { return IsSubTypeChildFile(doc, m.b, FALSE); }, 0},
        {"subtype child without clones: any start", [&] { return IsSubTypeChildFile(doc, m.c, FALSE); }, 1},
        {"supertype file", [&] { return IsSuperTypeFile(doc, m.a, TRUE); }, 1},
        {"no supertype file", [&] { return IsSuperTypeFile(doc, m.b, TRUE); }, 0},
        {"a new arrow D->A would close a loop", [&] { return WouldCreateSubTypeLoop(doc, &m.Get(m.d), &m.Get(m.a)); },
         1},
        {"a new arrow A->D would not", [&] { return WouldCreateSubTypeLoop(doc, &m.Get(m.a), &m.Get(m.d)); }, 0},
        {"D->B's clone would close a loop", [&] { return WouldCreateSubTypeLoop(doc, &m.Get(m.d), &m.Get(m.k1)); }, 1},
        {"a clone without original closes none", [&] { return WouldCreateSubTypeLoop(doc, &m.Get(m.d), &m.Get(m.k0)); },
         0},
        {"no loop of main arrows", [&] { return HasSubTypeLoop(doc); }, 0},
    });
}

// The index built once for a pass answers every id as the walks do: clones at either end, a start
// clone with and without an original, two main arrows, ids of arrows, clones and no object.
TEST(RelationGraph, TheIndexOfAPassAnswersAsTheWalks)
{
    Family m;
    m.Arrow(2, m.k1, m.f, TRUE);
    const RelationGraphIndex index(m.doc);
    const WORD past = m.doc.NewObjectId();
    for (WORD id = 0; id <= past; ++id) {
        EXPECT_EQ(index.FindMainSubTypeRelLine(id), FindMainSubTypeRelLine(m.doc, id, 0)) << id;
        EXPECT_EQ(index.GetParentFileComp(id), GetParentFileComp(m.doc, id)) << id;
    }
    EXPECT_EQ(IdOf(index.GetParentFileComp(m.f)), m.b);
}

// P -> Q -> R -> P over main arrows, and S hangs below Q: a document no rule would have let
// through. Every walk answers.
struct ParentLoop : RelationModel
{
    WORD p = File("P"), q = File("Q"), r = File("R"), s = File("S"), x = File("X");
    WORD pq = Arrow(2, p, q, TRUE), qr = Arrow(3, q, r, TRUE), rp = Arrow(2, r, p, TRUE), qs = Arrow(2, q, s, TRUE);
};

// Every walk over the loop answers; the document may be the built one or one read back from a file.
void ExpectParentLoopAnswers(const CBaseDoc& doc, const ParentLoop& m)
{
    const auto file = [&](WORD id) -> const CFileComp& { return ObjectIn<CFileComp>(doc, id); };
    const auto object = [&](WORD id) { return &ObjectIn(doc, id); };
    ExpectRows({
        {"a file in the loop is its own ancestor", [&] { return IsAncestorFileComp(doc, m.p, file(m.p)); }, 1},
        {"a file outside the loop is not", [&] { return IsAncestorFileComp(doc, m.s, file(m.s)); }, 0},
        {"an unrelated file is no ancestor", [&] { return IsAncestorFileComp(doc, m.x, file(m.s)); }, 0},
        {"top parent: the last file before the chain repeats",
         [&] { return IdOf(FindTopParentFileComp(doc, file(m.s), TRUE)); }, m.r},
        {"merge target with every file merged", [&] { return IdOf(FindMergeTargetFileComp(doc, file(m.s))); }, m.r},
        {"the loop is found", [&] { return HasSubTypeLoop(doc); }, 1},
        {"no subtype ancestor outside the loop", [&] { return IsSubTypeAncestor(doc, file(m.s), m.x); }, 0},
        {"a new arrow S->R would close a loop", [&] { return WouldCreateSubTypeLoop(doc, object(m.s), object(m.r)); },
         1},
        {"parent of P", [&] { return IdOf(GetParentFileComp(doc, m.p)); }, m.r},
        {"S has a parent", [&] { return file(m.s).HasParentFileComp(doc); }, 1},
    });
}

TEST(RelationGraph, ParentLoopAnswersEveryWalk)
{
    ParentLoop m;
    for (WORD id : {m.p, m.q, m.r, m.s})
        m.FileAt(id).SetMergedIntoParent(TRUE);
    ExpectParentLoopAnswers(m.doc, m);

    QTemporaryDir dir;
    const CString path = FromFileSystemPath(dir.filePath("loop.zvr").toStdString());
    ASSERT_TRUE(m.doc.OnSaveDocument(path));
    TestDoc reopened;
    ASSERT_TRUE(reopened.OnOpenDocument(path));
    ExpectParentLoopAnswers(reopened, m);
}

TEST(RelationGraph, DataItemComboByFileId)
{
    RelationModel m;
    const WORD file = m.File("F");
    m.FileAt(file).AddData(new CData(1, "ID", "", "K", "N", "", 1, 0, 0, 1, 0));
    const WORD clone = m.Clone(file);
    QComboBox widget;
    CComboBox combo;
    combo.Attach(&widget);
    combo.AddString("stale");

    EXPECT_EQ(FillDataItemCombo(m.doc, 0, &combo, FALSE, TRUE), 0);
    EXPECT_EQ(combo.GetCount(), 0);
    EXPECT_EQ(FillDataItemCombo(m.doc, file, &combo, FALSE, TRUE), 1);
    EXPECT_EQ(combo.GetCount(), 2);
    EXPECT_EQ(FillDataItemCombo(m.doc, clone, &combo, FALSE, TRUE), -1);
    EXPECT_EQ(FillDataItemCombo(m.doc, 999, &combo, FALSE, TRUE), -1);
}

} // namespace RelationGraphTest
