// Removing modelling objects through the document: what referred to the removed object lets go of
// it, what cannot stand without it goes too, in the one undo step of the removal.
#include "foundation/CommandIds.h"
#include "model/RelationGraph.h"
#include "tests/model/ModelBytes.h"
#include "tests/model/RelationModel.h"

#include <gtest/gtest.h>

#include <functional>

namespace ModelRemovalTest {

// Removes the object in an undo step of its own; FALSE when the document refused.
BOOL RemoveInStep(RelationModel& m, WORD id)
{
    CUndoStep step(&m.doc);
    return m.doc.RemoveObject(&m.Get(id));
}

BOOL Exists(const RelationModel& m, WORD id)
{
    CObject* object = nullptr;
    return m.doc.FindObjectById(id, object);
}

CRectObj& LinkedRect(RelationModel& m, WORD targetId)
{
    CRectObj* rect = AddRect(m.doc);
    rect->SetLinkObjectId(targetId);
    return *rect;
}

// A file with arrows at both ends, a clone with its own arrows, item references, a definition-file
// link, an implementation group and a linked box: each lets go of the file in its own way, and
// one undo gives the model back byte for byte.
TEST(ModelRemoval, RemovedFileLeavesNoReferenceAndUndoRestoresEveryByte)
{
    RelationModel m;
    const WORD a = m.File("A"), b = m.File("B"), c = m.File("C"), d = m.File("D");
    const WORD toB = m.Arrow(2, a, b, TRUE);
    const WORD fromC = m.Arrow(1, c, a);
    const WORD clone = m.Clone(a, "A");
    const WORD cloneToD = m.Arrow(2, clone, d, TRUE);
    const WORD secondToD = m.Arrow(2, c, d);
    const WORD substructureToD = m.Arrow(3, c, d);
    const WORD group = m.Group(a);
    const WORD linked = LinkedRect(m, a).GetObjectId();
    m.ArrowAt(cloneToD).SetDiscriminator(CRelLineObj::DISCRIMINATOR_IN_DOCUMENT, a, 1);
    m.ArrowAt(substructureToD).SetDiscriminator(CRelLineObj::DISCRIMINATOR_IN_DOCUMENT, a, 2);
    m.ArrowAt(substructureToD).GetItemNameLabel().SetText(CString("No"));
    CFileComp& fileB = m.FileAt(b);
    fileB.SetMergedIntoParent(TRUE);
    fileB.SetPhyControlFile(a, CString("A"));
    auto* item = new CData(1, CString("ANo"), CString(), CString("N"), CString("N"), CString(), 0, 0, 0, 1, 0);
    item->SetRefFile(a);
    item->SetRefItem(1);
    fileB.AddData(item);
    m.FileAt(d).SetMergedIntoParent(TRUE);
    const std::string before = ObjectListBytes(m.doc);

    ASSERT_TRUE(RemoveInStep(m, a));
    for (WORD gone : {a, toB, fromC, group})
        EXPECT_FALSE(Exists(m, gone)) << gone;
    EXPECT_FALSE(fileB.GetMergedIntoParent()); // no parent left
    EXPECT_EQ(fileB.GetPhyControlFileId(), 0);
    EXPECT_EQ(item->GetRefFile(), 0);
    EXPECT_EQ(m.Get<CFileClone>(clone).GetOriginalFileId(), 0);
    const CRelLineObj& fromClone = m.ArrowAt(cloneToD);
    EXPECT_FALSE(fromClone.IsMainArrow());
    EXPECT_EQ(fromClone.GetDiscriminatorFile(), 0);
    EXPECT_TRUE(m.ArrowAt(secondToD).IsMainArrow()); // the role stays with the file D
    EXPECT_TRUE(m.FileAt(d).GetMergedIntoParent());
    EXPECT_EQ(m.ArrowAt(substructureToD).GetDiscriminatorFile(), 0);
    EXPECT_EQ(m.ArrowAt(substructureToD).GetDiscriminatorItem(), 0);
    EXPECT_TRUE(m.ArrowAt(substructureToD).GetItemNameLabel().GetText().IsEmpty());
    EXPECT_EQ(m.Get<CRectObj>(linked).GetLinkObjectId(), 0);
    const std::string after = ObjectListBytes(m.doc);

    m.doc.Undo();
    EXPECT_EQ(ObjectListBytes(m.doc), before);
    m.doc.Redo();
    EXPECT_EQ(ObjectListBytes(m.doc), after);
}

struct ArrowRemovalCase
{
    const char* what;
    // Builds the model; returns the arrow to remove. The end file is B.
    std::function<WORD(RelationModel&, WORD a, WORD b, WORD c)> build;
    BOOL merged;
    BOOL physicalTarget;
    WORD newMainFrom; // the start of B's main arrow afterwards; 0: none
};

TEST(ModelRemoval, RemovedArrowLeavesItsEndFileInStep)
{
    const ArrowRemovalCase cases[] = {
        {"the main subtype arrow hands the role to the second one of its kind",
         [](RelationModel& m, WORD a, WORD b, WORD c) {
             const WORD mainArrow = m.Arrow(2, a, b, TRUE);
             m.Arrow(3, a, b); // another kind does not take it
             m.Arrow(2, c, b);
             m.FileAt(b).SetMergedIntoParent(TRUE);
             return mainArrow;
         },
         TRUE, TRUE, 3},
        {"the only main subtype arrow: the file is no longer merged",
         [](RelationModel& m, WORD a, WORD b, WORD) {
             m.FileAt(b).SetMergedIntoParent(TRUE);
             return m.Arrow(2, a, b, TRUE);
         },
         FALSE, TRUE, 0},
        {"a main arrow through a clone hands over at the original",
         [](RelationModel& m, WORD a, WORD b, WORD c) {
             m.FileAt(b).SetMergedIntoParent(TRUE);
             const WORD mainArrow = m.Arrow(2, a, m.Clone(b), TRUE);
             m.Arrow(2, c, b);
             return mainArrow;
         },
         TRUE, TRUE, 3},
        {"the only supertype arrow: the file is a physical target again",
         [](RelationModel& m, WORD a, WORD b, WORD) {
             m.FileAt(b).SetPhysicalTarget(FALSE);
             return m.Arrow(4, a, b);
         },
         FALSE, TRUE, 0},
        {"one of two supertype arrows: the file stays no physical target",
         [](RelationModel& m, WORD a, WORD b, WORD c) {
             m.FileAt(b).SetPhysicalTarget(FALSE);
             m.Arrow(4, c, b);
             return m.Arrow(4, a, b);
         },
         FALSE, FALSE, 0},
    };
    for (const ArrowRemovalCase& c : cases) {
        SCOPED_TRACE(c.what);
        RelationModel m;
        const WORD a = m.File("A"), b = m.File("B"), third = m.File("C");
        const WORD arrow = c.build(m, a, b, third);
        const std::string before = ObjectListBytes(m.doc);
        ASSERT_TRUE(RemoveInStep(m, arrow));
        EXPECT_EQ(m.FileAt(b).GetMergedIntoParent(), c.merged);
        EXPECT_EQ(m.FileAt(b).IsPhysicalTarget(), c.physicalTarget);
        const CRelLineObj* mainArrow = RelationGraph::FindMainSubTypeRelLine(m.doc, b, 0);
        EXPECT_EQ(mainArrow ? mainArrow->GetStartObjectId() : 0, c.newMainFrom);
        m.doc.Undo();
        EXPECT_EQ(ObjectListBytes(m.doc), before);
    }
}

// A removed clone takes every arrow at it along (handing a main role over to the original's other
// arrow first), and the boxes linked to it lose the link.
TEST(ModelRemoval, RemovedCloneTakesItsArrowsAndLinks)
{
    RelationModel m;
    const WORD a = m.File("A"), b = m.File("B"), c = m.File("C"), d = m.File("D");
    const WORD clone = m.Clone(a, "A");
    const WORD toClone = m.Arrow(2, b, clone, TRUE);
    const WORD fromClone = m.Arrow(1, clone, c);
    const WORD mainFromClone = m.Arrow(3, clone, d, TRUE);
    const WORD secondToA = m.Arrow(2, d, a);
    const WORD secondToD = m.Arrow(3, b, d);
    const WORD linked = LinkedRect(m, clone).GetObjectId();
    m.FileAt(a).SetMergedIntoParent(TRUE);
    m.FileAt(d).SetMergedIntoParent(TRUE);
    const std::string before = ObjectListBytes(m.doc);

    ASSERT_TRUE(RemoveInStep(m, clone));
    for (WORD gone : {clone, toClone, fromClone, mainFromClone})
        EXPECT_FALSE(Exists(m, gone)) << gone;
    EXPECT_TRUE(m.ArrowAt(secondToA).IsMainArrow());
    EXPECT_TRUE(m.ArrowAt(secondToD).IsMainArrow());
    EXPECT_TRUE(m.FileAt(a).GetMergedIntoParent());
    EXPECT_TRUE(m.FileAt(d).GetMergedIntoParent());
    EXPECT_EQ(m.Get<CRectObj>(linked).GetLinkObjectId(), 0);

    m.doc.Undo();
    EXPECT_EQ(ObjectListBytes(m.doc), before);
}

// The clone's detach operation: its arrows lose the main role and the discriminators they held
// through it, the original's other arrow takes the role; a clone without an original refuses.
TEST(ModelRemoval, DetachedCloneTakesMainRolesAndDiscriminatorsAlong)
{
    RelationModel m;
    const WORD a = m.File("A"), b = m.File("B"), c = m.File("C");
    const WORD clone = m.Clone(a, "A");
    const WORD toClone = m.Arrow(2, b, clone, TRUE);
    const WORD second = m.Arrow(2, c, clone);
    const WORD fromClone = m.Arrow(2, clone, c, TRUE);
    m.ArrowAt(fromClone).SetDiscriminator(CRelLineObj::DISCRIMINATOR_IN_DOCUMENT, a, 1);
    m.FileAt(a).SetMergedIntoParent(TRUE);
    m.FileAt(c).SetMergedIntoParent(TRUE);
    m.doc.SetModifiedFlag(FALSE);
    const std::string before = ObjectListBytes(m.doc);
    {
        CUndoStep step(&m.doc);
        ASSERT_TRUE(m.doc.ExecuteObjectOperation(&m.Get(clone), ID_OBJ_CANCEL_CLONE_SOURCE, 0, 0));
    }
    EXPECT_TRUE(m.doc.IsModified());
    EXPECT_EQ(m.Get<CFileClone>(clone).GetOriginalFileId(), 0);
    // Neither arrow at the detached clone may hold the role for A: A has no parent left.
    EXPECT_FALSE(m.ArrowAt(toClone).IsMainArrow());
    EXPECT_FALSE(m.ArrowAt(second).IsMainArrow());
    EXPECT_FALSE(m.FileAt(a).GetMergedIntoParent());
    EXPECT_FALSE(m.ArrowAt(fromClone).IsMainArrow());
    EXPECT_EQ(m.ArrowAt(fromClone).GetDiscriminatorFile(), 0);
    EXPECT_FALSE(m.FileAt(c).GetMergedIntoParent());

    m.doc.SetModifiedFlag(FALSE);
    CUndoStep step(&m.doc);
    EXPECT_FALSE(m.doc.ExecuteObjectOperation(&m.Get(clone), ID_OBJ_CANCEL_CLONE_SOURCE, 0, 0));
    EXPECT_FALSE(m.doc.IsModified());
    m.doc.Undo();
    m.doc.Undo();
    EXPECT_EQ(ObjectListBytes(m.doc), before);
}

// Which arrows run between two objects, directly or through their clones.
TEST(ModelRemoval, RelLineBetweenObjects)
{
    RelationModel m;
    const WORD a = m.File("A"), b = m.File("B");
    const WORD cloneA = m.Clone(a), cloneB = m.Clone(b);
    m.Arrow(1, cloneA, b);
    const struct
    {
        WORD start;
        WORD end;
        BOOL resolve;
        BOOL expected;
    } cases[] = {
        {a, b, FALSE, FALSE},          {a, b, TRUE, TRUE},  {cloneA, b, FALSE, TRUE}, {b, a, TRUE, FALSE},
        {cloneA, cloneB, TRUE, FALSE}, {a, 0, TRUE, FALSE},
    };
    for (const auto& c : cases)
        EXPECT_EQ(RelationGraph::HasRelLineBetween(m.doc, c.start, c.end, c.resolve), c.expected)
            << c.start << "->" << c.end << " resolve " << c.resolve;
}

} // namespace ModelRemovalTest
