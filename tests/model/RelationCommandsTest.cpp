// The relation arrow's kind and main-arrow commands, and the conceptual file's merge command, as the
// view sends them: through the document's attribute command entry.
#include "foundation/CommandIds.h"
#include "model/RelationGraph.h"
#include "model/MainArrowUpkeep.h"
#include "tests/model/ModelBytes.h"
#include "tests/model/RelationModel.h"
#include "tests/support/MessageScript.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>

namespace RelationCommandsTest {

const char* const LOOP_MESSAGE =
    reinterpret_cast<const char*>(u8"ｻﾌﾞﾀｲﾌﾟ矢線あるいはｻﾌﾞｽﾄﾗｸﾁｬ矢線がﾙｰﾌﾟしてしまうので、矢線種別は変更できません。");
const char* const END_CLONE_MESSAGE = reinterpret_cast<const char*>(
    u8"ﾒｲﾝ矢線にしようとした矢線の接続先の概念ﾌｧｲﾙ ｸﾛｰﾝ ｵﾌﾞｼﾞｪｸﾄは元概念ﾌｧｲﾙが指定されていないでの、"
    u8"ﾒｲﾝ矢線にすることはできません。\n先に接続先の概念ﾌｧｲﾙ ｸﾛｰﾝ ｵﾌﾞｼﾞｪｸﾄの元概念ﾌｧｲﾙを指定してください。");
const char* const START_CLONE_MESSAGE = reinterpret_cast<const char*>(
    u8"ﾒｲﾝ矢線にしようとした矢線の接続元の概念ﾌｧｲﾙ ｸﾛｰﾝ ｵﾌﾞｼﾞｪｸﾄは元概念ﾌｧｲﾙが指定されていないでの、"
    u8"ﾒｲﾝ矢線にすることはできません。\n先に接続元の概念ﾌｧｲﾙ ｸﾛｰﾝ ｵﾌﾞｼﾞｪｸﾄの元概念ﾌｧｲﾙを指定してください。");

// The arrow a case sends its command to, the file at its end (0: none) and another arrow whose main
// flag the case expects (0: none).
struct Built
{
    WORD arrow;
    WORD endFile;
    WORD other = 0;
};

struct CommandCase
{
    const char* what;
    std::function<Built(RelationModel&)> build;
    UINT command;
    const char* message; // null: none
    // Expected after a command that changed something; a refused one must leave every object as
    // it was and the document unmodified.
    BOOL changed;
    BOOL main;
    BOOL physicalTarget;
    BOOL merged;
    std::optional<BOOL> otherMain = std::nullopt;
};

void RunCommandCases(std::initializer_list<CommandCase> cases)
{
    for (const CommandCase& c : cases) {
        SCOPED_TRACE(c.what);
        RelationModel m;
        const Built built = c.build(m);
        m.doc.SetModifiedFlag(FALSE);
        const std::string before = ObjectListBytes(m.doc);
        MessageScript messages;
        {
            CUndoStep step(&m.doc);
            EXPECT_EQ(m.doc.ApplyObjectCommand(&m.ArrowAt(built.arrow), c.command, nullptr, 0), c.changed);
        }
        if (c.message) {
            ASSERT_EQ(messages.Texts().size(), 1u);
            EXPECT_EQ(messages.Texts()[0], c.message);
        } else {
            EXPECT_TRUE(messages.Texts().empty());
        }
        if (!c.changed) {
            EXPECT_EQ(ObjectListBytes(m.doc), before);
            EXPECT_FALSE(m.doc.IsModified());
            EXPECT_FALSE(m.doc.IsChangeRecordedForUndo(built.arrow));
            continue;
        }
        EXPECT_TRUE(m.doc.IsModified());
        EXPECT_EQ(m.ArrowAt(built.arrow).IsMainArrow(), c.main);
        if (built.endFile) {
            EXPECT_EQ(m.FileAt(built.endFile).IsPhysicalTarget(), c.physicalTarget);
            EXPECT_EQ(m.FileAt(built.endFile).GetMergedIntoParent(), c.merged);
        }
        if (c.otherMain) {
            EXPECT_EQ(m.ArrowAt(built.other).IsMainArrow(), *c.otherMain);
        }
        // One undo takes the whole change back, the other objects' changes with it.
        m.doc.Undo();
        EXPECT_EQ(ObjectListBytes(m.doc), before);
    }
}

TEST(RelationCommands, KindChange)
{
    RunCommandCases({
        {"into a subtype arrow when the end is an ancestor of the start over a non-main arrow",
         [](RelationModel& m) {
             const WORD a = m.File("A"), b = m.File("B"), c = m.File("C");
             m.Arrow(3, c, a);
             m.Arrow(2, b, c, TRUE);
             return Built{m.Arrow(1, a, b), b};
         },
         ID_REL_KIND_SUBTYPE, LOOP_MESSAGE, FALSE, FALSE, FALSE, FALSE},
        {"into a substructure arrow back to the parent",
         [](RelationModel& m) {
             const WORD a = m.File("A"), b = m.File("B");
             m.Arrow(2, b, a, TRUE);
             return Built{m.Arrow(1, a, b), b};
         },
         ID_REL_KIND_SUBSTRUCTURE, LOOP_MESSAGE, FALSE, FALSE, FALSE, FALSE},
        {"into a subtype arrow: main, and the end file merged into its new parent",
         [](RelationModel& m) {
             const WORD b = m.File("B");
             return Built{m.Arrow(1, m.File("A"), b), b};
         },
         ID_REL_KIND_SUBTYPE, nullptr, TRUE, TRUE, TRUE, TRUE},
        {"into a subtype arrow when the end file has a main arrow through its clone",
         [](RelationModel& m) {
             const WORD b = m.File("B");
             const WORD viaClone = m.Arrow(2, m.File("C"), m.Clone(b), TRUE);
             return Built{m.Arrow(1, m.File("A"), b), b, viaClone};
         },
         ID_REL_KIND_SUBTYPE, nullptr, TRUE, FALSE, TRUE, TRUE, TRUE},
        {"into a supertype arrow: the end file is neither a physical target nor merged",
         [](RelationModel& m) {
             const WORD a = m.File("A"), b = m.File("B");
             m.FileAt(b).SetMergedIntoParent(TRUE);
             return Built{m.Arrow(1, a, b), b};
         },
         ID_REL_KIND_SUPERTYPE, nullptr, TRUE, FALSE, FALSE, FALSE},
        {"the main arrow into 1:N hands the role to the file's other subtype arrow",
         [](RelationModel& m) {
             const WORD b = m.File("B");
             const WORD mainArrow = m.Arrow(2, m.File("A"), b, TRUE);
             const WORD other = m.Arrow(2, m.File("C"), b);
             m.FileAt(b).SetMergedIntoParent(TRUE);
             return Built{mainArrow, b, other};
         },
         ID_REL_KIND_ONE_TO_MANY, nullptr, TRUE, FALSE, TRUE, TRUE, TRUE},
        {"the only main arrow into 1:N: the end file has no parent left",
         [](RelationModel& m) {
             const WORD b = m.File("B");
             m.FileAt(b).SetMergedIntoParent(TRUE);
             return Built{m.Arrow(2, m.File("A"), b, TRUE), b};
         },
         ID_REL_KIND_ONE_TO_MANY, nullptr, TRUE, FALSE, TRUE, FALSE},
        {"the kind it has already",
         [](RelationModel& m) {
             return Built{m.Arrow(2, m.File("A"), m.File("B"), TRUE), 0};
         },
         ID_REL_KIND_SUBTYPE, nullptr, FALSE, FALSE, FALSE, FALSE},
        {"a self-reference stays 1:N",
         [](RelationModel& m) {
             const WORD a = m.File("A");
             return Built{m.Arrow(1, a, a), a};
         },
         ID_REL_KIND_SUBSTRUCTURE, nullptr, FALSE, FALSE, FALSE, FALSE},
        {"a missing end object",
         [](RelationModel& m) {
             return Built{m.Arrow(1, m.File("A"), 999), 0};
         },
         ID_REL_KIND_SUBTYPE, nullptr, FALSE, FALSE, FALSE, FALSE},
    });
}

TEST(RelationCommands, MainArrow)
{
    RunCommandCases({
        {"the arrow takes the role from the file's main arrow",
         [](RelationModel& m) {
             const WORD b = m.File("B");
             const WORD current = m.Arrow(3, m.File("C"), b, TRUE);
             return Built{m.Arrow(2, m.File("A"), b), b, current};
         },
         ID_REL_MAIN_ARROW, nullptr, TRUE, TRUE, TRUE, TRUE, FALSE},
        {"an end clone without an original",
         [](RelationModel& m) {
             return Built{m.Arrow(2, m.File("A"), m.Clone(0)), 0};
         },
         ID_REL_MAIN_ARROW, END_CLONE_MESSAGE, FALSE, FALSE, FALSE, FALSE},
        {"a start clone without an original",
         [](RelationModel& m) {
             const WORD b = m.File("B");
             return Built{m.Arrow(2, m.Clone(0), b), b};
         },
         ID_REL_MAIN_ARROW, START_CLONE_MESSAGE, FALSE, FALSE, FALSE, FALSE},
        {"a 1:N arrow has no main role",
         [](RelationModel& m) {
             return Built{m.Arrow(1, m.File("A"), m.File("B")), 0};
         },
         ID_REL_MAIN_ARROW, nullptr, FALSE, FALSE, FALSE, FALSE},
    });
}

// The new main arrow names its start file as the one that holds the discriminator.
TEST(RelationCommands, NewMainArrowTakesItsStartFileAsDiscriminatorFile)
{
    for (UINT command : {ID_REL_KIND_SUBTYPE, ID_REL_MAIN_ARROW}) {
        SCOPED_TRACE(command);
        RelationModel m;
        const WORD a = m.File("A"), b = m.File("B");
        const WORD arrow = m.Arrow(command == ID_REL_MAIN_ARROW ? 2 : 1, m.Clone(a), b);
        CUndoStep step(&m.doc);
        ASSERT_TRUE(m.doc.ApplyObjectCommand(&m.ArrowAt(arrow), command, nullptr, 0));
        EXPECT_EQ(m.ArrowAt(arrow).GetDiscriminatorFile(), a);
    }
}

// The ends move onto the sides the new kind connects at: a subtype or substructure arrow leaves
// its start at the left or right, a substructure arrow meets the end's facing edge, a supertype
// arrow meets the end at its left or right.
TEST(RelationCommands, KindChangeMovesTheEndsOntoTheKindsSides)
{
    const struct
    {
        UINT command;
        DWORD startSides;
        DWORD endSides;
    } cases[] = {
        {ID_REL_KIND_SUBTYPE, SIDE_LEFT | SIDE_RIGHT, SIDE_TOP},
        {ID_REL_KIND_SUBSTRUCTURE, SIDE_LEFT | SIDE_RIGHT, SIDE_LEFT | SIDE_RIGHT},
        {ID_REL_KIND_SUPERTYPE, SIDE_BOTTOM, SIDE_LEFT | SIDE_RIGHT},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.command);
        RelationModel m;
        const WORD a = m.File("A", CPoint(0, 0)), b = m.File("B", CPoint(400, -400));
        auto* line = new CRelLineObj(m.doc.NewObjectId(), CRelLineObj::KIND_ONE_TO_MANY);
        line->AddPoint(CPoint(120, -160)); // A's bottom
        line->AddPoint(CPoint(520, -400)); // B's top
        line->SetStartObjectId(a);
        line->SetEndObjectId(b);
        {
            CUndoStep step(&m.doc);
            m.doc.AddObject(line);
        }
        CUndoStep step(&m.doc);
        ASSERT_TRUE(m.doc.ApplyObjectCommand(line, c.command, nullptr, 0));
        EXPECT_NE(m.FileAt(a).HitTestSides(line->GetStartPoint(), 1) & c.startSides, 0u);
        EXPECT_NE(m.FileAt(b).HitTestSides(line->GetEndPoint(), 1) & c.endSides, 0u);
        if (c.command == ID_REL_KIND_SUBSTRUCTURE) {
            EXPECT_EQ(line->GetEndPoint().x, 400); // B lies right of A: its left edge
        }
    }
}

// Merging a file's implementation into its parent's needs a parent.
TEST(RelationCommands, MergeIntoParentRefusedWithoutParent)
{
    RelationModel m;
    const WORD a = m.File("A");
    m.doc.SetModifiedFlag(FALSE);
    const std::string before = ObjectListBytes(m.doc);
    CUndoStep step(&m.doc);
    EXPECT_FALSE(m.doc.ApplyObjectCommand(&m.FileAt(a), ID_FILE_MERGE_INTO_PARENT, nullptr, 0));
    EXPECT_EQ(ObjectListBytes(m.doc), before);
    EXPECT_FALSE(m.doc.IsModified());
    EXPECT_FALSE(m.doc.IsChangeRecordedForUndo(a));
}

// The parent chosen for a file: the arrow from it becomes the file's main arrow, also when it ends
// at a clone of the file, and the main arrow until then gives the role up.
TEST(RelationCommands, ChosenParentArrowBecomesMain)
{
    RelationModel m;
    const WORD a = m.File("A"), b = m.File("B"), c = m.File("C");
    const WORD cloneB = m.Clone(b);
    const WORD current = m.Arrow(2, a, b, TRUE);
    const WORD chosen = m.Arrow(3, c, cloneB);
    const WORD oneToMany = m.Arrow(1, c, b);
    const WORD unbound = m.Clone(0);
    const std::string before = ObjectListBytes(m.doc);
    {
        CUndoStep step(&m.doc);
        EXPECT_FALSE(MainArrowUpkeep::SetMainSubTypeArrow(m.doc, b, oneToMany));
        EXPECT_FALSE(MainArrowUpkeep::SetMainSubTypeArrow(m.doc, unbound, chosen));
        EXPECT_TRUE(MainArrowUpkeep::SetMainSubTypeArrow(m.doc, cloneB, chosen));
    }
    EXPECT_TRUE(m.ArrowAt(chosen).IsMainArrow());
    EXPECT_FALSE(m.ArrowAt(current).IsMainArrow());
    EXPECT_EQ(RelationGraph::GetParentFileComp(m.doc, b), &m.FileAt(c));
    m.doc.Undo();
    EXPECT_EQ(ObjectListBytes(m.doc), before);
}

// A plain line that refuses a command leaves nothing in the undo step either.
TEST(RelationCommands, RefusedLineCommandRecordsNothing)
{
    RelationModel m;
    CPolyObj* line = AddLine(m.doc, {CPoint(0, 0), CPoint(100, -100)});
    m.doc.SetModifiedFlag(FALSE);
    CUndoStep step(&m.doc);
    EXPECT_FALSE(m.doc.ApplyObjectCommand(line, ID_REL_MAIN_ARROW, nullptr, 0));
    EXPECT_FALSE(m.doc.IsChangeRecordedForUndo(line->GetObjectId()));
    EXPECT_FALSE(m.doc.IsModified());
}

} // namespace RelationCommandsTest
