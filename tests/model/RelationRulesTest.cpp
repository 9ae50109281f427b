#include "model/RelationRules.h"

#include "tests/model/RelationModel.h"

#include <gtest/gtest.h>

#include <functional>

namespace RelationRulesTest {

// The built model's new arrow and the conceptual file whose flags the rules may change (0: none).
struct Connection
{
    WORD arrow;
    WORD endFile;
};

struct ConnectCase
{
    const char* what;
    std::function<Connection(RelationModel&)> build;
    BOOL result;
    BOOL main;
    BOOL physicalTarget;
    BOOL merged;
    BOOL recorded;
};

TEST(RelationRules, ConnectRules)
{
    const ConnectCase cases[] = {
        {"a subtype arrow becomes main and merges its end file",
         [](RelationModel& m) {
             const WORD b = m.File("B");
             return Connection{m.Arrow(2, m.File("A"), b), b};
         },
         TRUE, TRUE, TRUE, TRUE, TRUE},
        {"a substructure arrow to a clone merges the original",
         [](RelationModel& m) {
             const WORD b = m.File("B");
             return Connection{m.Arrow(3, m.File("A"), m.Clone(b)), b};
         },
         TRUE, TRUE, TRUE, TRUE, TRUE},
        {"the end file's main arrow through its clone keeps the role",
         [](RelationModel& m) {
             const WORD a = m.File("A"), b = m.File("B");
             m.Arrow(2, m.File("C"), m.Clone(b), TRUE);
             return Connection{m.Arrow(2, a, b, TRUE), b};
         },
         TRUE, FALSE, TRUE, FALSE, FALSE},
        {"an end clone without original never makes a main arrow",
         [](RelationModel& m) {
             return Connection{m.Arrow(2, m.File("A"), m.Clone(0), TRUE), 0};
         },
         TRUE, FALSE, TRUE, FALSE, FALSE},
        {"a start clone without original never makes a main arrow",
         [](RelationModel& m) {
             const WORD b = m.File("B");
             return Connection{m.Arrow(2, m.Clone(0), b, TRUE), b};
         },
         TRUE, FALSE, TRUE, FALSE, FALSE},
        {"a missing start object",
         [](RelationModel& m) {
             const WORD b = m.File("B");
             return Connection{m.Arrow(2, 999, b), b};
         },
         FALSE, FALSE, TRUE, FALSE, FALSE},
        {"a supertype arrow clears both flags of its end file",
         [](RelationModel& m) {
             const WORD b = m.File("B");
             m.FileAt(b).SetMergedIntoParent(TRUE);
             return Connection{m.Arrow(4, m.File("A"), b), b};
         },
         TRUE, FALSE, FALSE, FALSE, TRUE},
        {"a supertype arrow to a clone clears the original's flags",
         [](RelationModel& m) {
             const WORD b = m.File("B");
             return Connection{m.Arrow(4, m.File("A"), m.Clone(b)), b};
         },
         TRUE, FALSE, FALSE, FALSE, TRUE},
        {"a supertype arrow leaves clear flags unrecorded",
         [](RelationModel& m) {
             const WORD b = m.File("B");
             m.FileAt(b).SetPhysicalTarget(FALSE);
             return Connection{m.Arrow(4, m.File("A"), b), b};
         },
         TRUE, FALSE, FALSE, FALSE, FALSE},
        {"a supertype arrow to a clone without original",
         [](RelationModel& m) {
             return Connection{m.Arrow(4, m.File("A"), m.Clone(0)), 0};
         },
         TRUE, FALSE, TRUE, FALSE, FALSE},
        {"a supertype arrow with a missing end",
         [](RelationModel& m) {
             return Connection{m.Arrow(4, m.File("A"), 999), 0};
         },
         FALSE, FALSE, TRUE, FALSE, FALSE},
        {"a 1:N arrow changes nothing",
         [](RelationModel& m) {
             const WORD b = m.File("B");
             return Connection{m.Arrow(1, m.File("A"), b), b};
         },
         TRUE, FALSE, TRUE, FALSE, FALSE},
    };
    for (const ConnectCase& c : cases) {
        SCOPED_TRACE(c.what);
        RelationModel m;
        const Connection connection = c.build(m);
        CUndoStep step(&m.doc);
        EXPECT_EQ(RelationRules::ApplyRelLineConnectRules(m.doc, m.ArrowAt(connection.arrow)), c.result);
        EXPECT_EQ(m.ArrowAt(connection.arrow).IsMainArrow(), c.main);
        if (connection.endFile == 0)
            continue;
        const CFileComp& file = m.FileAt(connection.endFile);
        EXPECT_EQ(file.IsPhysicalTarget(), c.physicalTarget);
        EXPECT_EQ(file.GetMergedIntoParent(), c.merged);
        EXPECT_EQ(m.doc.IsChangeRecordedForUndo(connection.endFile), c.recorded);
    }
}

TEST(RelationRules, ConnectRulesUndoWithTheStep)
{
    RelationModel m;
    const WORD a = m.File("A"), b = m.File("B");
    const WORD arrow = m.Arrow(4, a, b);
    m.FileAt(b).SetMergedIntoParent(TRUE);
    {
        CUndoStep step(&m.doc);
        RelationRules::ApplyRelLineConnectRules(m.doc, m.ArrowAt(arrow));
    }
    ASSERT_FALSE(m.FileAt(b).IsPhysicalTarget());
    m.doc.Undo();
    EXPECT_TRUE(m.FileAt(b).IsPhysicalTarget());
    EXPECT_TRUE(m.FileAt(b).GetMergedIntoParent());
}

} // namespace RelationRulesTest
