#include "tests/physical/DdlModel.h"

#include "physical/CreateTableDdl.h"
#include "physical/DdlTableList.h"
#include "physical/PhysicalNames.h"
#include "tests/support/MessageScript.h"

#include <gtest/gtest.h>

namespace TableModelTest {

// Each table as "file name: column, column*" (* marks a primary-key column).
std::vector<std::string> Describe(const CDdlTableList& tables)
{
    std::vector<std::string> out;
    for (POSITION pos = tables.GetHeadPosition(); pos;) {
        const CDdlTable* table = tables.GetNext(pos);
        std::string text = Cp932ToUtf8(table->GetFileComp()->GetFileName().GetString()) + ":";
        const CDdlColumnList& columns = table->GetColumns();
        for (POSITION c = columns.GetHeadPosition(); c;) {
            const CDdlColumn* column = columns.GetNext(c);
            text += ' ';
            text += Cp932ToUtf8(column->GetData()->GetName().GetString());
            if (column->IsPrimaryKey())
                text += '*';
        }
        out.push_back(text);
    }
    return out;
}

// A parent P with a subtype S (main arrow) and a file U at which a supertype arrow ends; P is drawn
// last but stands highest.
class Hierarchy : public ::testing::Test
{
protected:
    Hierarchy()
    {
        s = m.Table("S", "", "", CPoint(0, -500));
        u = m.Table("U", "", "", CPoint(0, -1000));
        p = m.Table("P", "", "", CPoint(300, 0));
        m.Item(p, {.name = "PK", .keyGroup = 1});
        m.Item(p, {.name = "PALT", .keyGroup = 2, .physical = 1});
        m.Item(p, {.name = "PD"});
        m.Item(p, {.name = "PCHILD", .level = 2, .physical = 1});
        m.Item(s, {.name = "SK", .keyGroup = 1});
        m.Item(s, {.name = "SD"});
        m.Item(u, {.name = "UD"});
        m.Arrow(2, p, s, TRUE);
        m.Arrow(4, p, u);
    }
    std::vector<std::string> Build(DWORD table, DWORD column, int expected)
    {
        CDdlTableList tables;
        EXPECT_EQ(expected, CreateTableDdl::BuildDdlTableList(m.doc, *m.doc.GetObjectList(), tables, table, column));
        return Describe(tables);
    }

    DdlModel m;
    WORD p = 0, s = 0, u = 0;
};

TEST_F(Hierarchy, StandardRulesFoldSubtypesIntoTheTopParentAndSkipSupertypes)
{
    EXPECT_EQ((std::vector<std::string>{"P: PK* PD SD"}),
              Build(DDL_TABLE_ALL_FILES | DDL_TABLE_RULE_STANDARD, DDL_COLUMN_RULE_STANDARD, 1));
    // The physical-flag rule: alternate keys and child items that are physical targets, and every
    // physical item of the included file, its keys too.
    EXPECT_EQ((std::vector<std::string>{"P: PK* PALT PD PCHILD SK SD"}),
              Build(DDL_TABLE_ALL_FILES | DDL_TABLE_RULE_STANDARD, DDL_COLUMN_RULE_PHYSICAL_FLAG, 1));
    // A parent that is no physical target takes its subtype with it.
    m.FileAt(p).SetPhysicalTarget(FALSE);
    EXPECT_EQ((std::vector<std::string>{}),
              Build(DDL_TABLE_PHYSICAL_FILES_ONLY | DDL_TABLE_RULE_STANDARD, DDL_COLUMN_RULE_STANDARD, 0));
}

TEST_F(Hierarchy, MergedFlagRuleGivesSupertypesAndUnmergedSubtypesTheirOwnTables)
{
    // Tables in reading order: P (highest), then S, then U.
    EXPECT_EQ((std::vector<std::string>{"P: PK* PD", "S: SK* SD", "U: UD"}),
              Build(DDL_TABLE_ALL_FILES | DDL_TABLE_RULE_MERGED_FLAG, DDL_COLUMN_RULE_STANDARD, 3));
    m.FileAt(s).SetMergedIntoParent(TRUE);
    EXPECT_EQ((std::vector<std::string>{"P: PK* PD SD", "U: UD"}),
              Build(DDL_TABLE_ALL_FILES | DDL_TABLE_RULE_MERGED_FLAG, DDL_COLUMN_RULE_STANDARD, 2));
}

TEST_F(Hierarchy, ArrowsEndingAtClonesCountForTheirOriginal)
{
    // A second subtype C of P reached only through a clone of C; a supertype arrow to a clone of V.
    const WORD c = m.Table("C", "", "", CPoint(0, -1500));
    m.Item(c, {.name = "CD"});
    const WORD v = m.Table("V", "", "", CPoint(0, -1800));
    m.Arrow(2, p, m.Clone(c), TRUE);
    m.Arrow(4, p, m.Clone(v));
    EXPECT_EQ((std::vector<std::string>{"P: PK* PD SD CD"}),
              Build(DDL_TABLE_ALL_FILES | DDL_TABLE_RULE_STANDARD, DDL_COLUMN_RULE_STANDARD, 1));
}

TEST_F(Hierarchy, DefinitionFileItemsFollowAsPlainColumnsAndTheFileItselfGetsNoTable)
{
    const WORD definition = m.Table("DEF", "", "", CPoint(0, -2000));
    m.Item(definition, {.name = "DK", .keyGroup = 1});
    m.Item(definition, {.name = "CREATED", .physical = 0});
    m.FileAt(definition).SetPhyControlDedicated(TRUE);
    m.FileAt(p).SetPhyControlFile(definition, "DEF");
    EXPECT_EQ((std::vector<std::string>{"P: PK* PD SD CREATED"}),
              Build(DDL_TABLE_ALL_FILES | DDL_TABLE_RULE_STANDARD, DDL_COLUMN_RULE_STANDARD, 1));
}

TEST_F(Hierarchy, SelectionTakesTheFilesFoldedIntoTheSelectedOnes)
{
    for (DWORD rule : {DDL_TABLE_RULE_STANDARD, DDL_TABLE_RULE_MERGED_FLAG}) {
        m.FileAt(s).SetMergedIntoParent(TRUE);
        CObList selected, output;
        selected.AddTail(&m.FileAt(p));
        EXPECT_EQ(1, CreateTableDdl::SelectFileCompForCrateDdl(m.doc, selected, output, DDL_TABLE_ALL_FILES | rule));
        EXPECT_EQ(2, output.GetCount());
        EXPECT_EQ(&m.FileAt(s), output.GetTail());
        // Only the subtype selected: nothing.
        CObList onlySub, none;
        onlySub.AddTail(&m.FileAt(s));
        EXPECT_EQ(0, CreateTableDdl::SelectFileCompForCrateDdl(m.doc, onlySub, none, DDL_TABLE_ALL_FILES | rule));
    }
}

TEST(PhysicalNames, TableAndPrimaryIndexNames)
{
    DdlModel m;
    const WORD two = m.Table("受注\r\n明細");
    const WORD named = m.Table("顧客", "CUSTOMER");
    const WORD empty = m.Table("");
    const WORD dedicated = m.Table("DEF");
    m.FileAt(dedicated).SetPhyControlDedicated(TRUE);
    const WORD off = m.Table("OFF");
    m.FileAt(off).SetPhysicalTarget(FALSE);
    using namespace PhysicalNames;

    EXPECT_TRUE(IsTableNameTarget(m.FileAt(two), m.doc, 0x111));
    CreateTableName(m.FileAt(two), 0x111, "T_");
    EXPECT_EQ(DdlModel::FromUtf8("T_受注明細"), m.FileAt(two).GetTableName());
    EXPECT_FALSE(IsTableNameTarget(m.FileAt(named), m.doc, 0x111));
    EXPECT_TRUE(IsTableNameTarget(m.FileAt(named), m.doc, 0x1111));
    EXPECT_FALSE(IsTableNameTarget(m.FileAt(empty), m.doc, 0x1112));
    EXPECT_FALSE(IsTableNameTarget(m.FileAt(dedicated), m.doc, 0x1112));
    EXPECT_FALSE(IsTableNameTarget(m.FileAt(off), m.doc, 0x1111));
    EXPECT_TRUE(IsTableNameTarget(m.FileAt(off), m.doc, 0x1112));

    // Index names from the table name with the suffix, or the file name behind the prefix.
    EXPECT_TRUE(IsPrimaryIndexNameTarget(m.FileAt(named), m.doc, 0x2211));
    CreatePrimaryIndexName(m.FileAt(named), 0x2211, "XPK_", "_XPK");
    EXPECT_EQ(CString("CUSTOMER_XPK"), m.FileAt(named).GetPrimaryIndexName());
    EXPECT_FALSE(IsPrimaryIndexNameTarget(m.FileAt(named), m.doc, 0x1211));
    CreatePrimaryIndexName(m.FileAt(named), 0x1111, "XPK_", "_XPK");
    EXPECT_EQ(DdlModel::FromUtf8("XPK_顧客"), m.FileAt(named).GetPrimaryIndexName());
    // Without a table name no index name from it.
    m.FileAt(off).SetTableName("");
    EXPECT_FALSE(IsPrimaryIndexNameTarget(m.FileAt(off), m.doc, 0x11212));
    EXPECT_TRUE(IsPrimaryIndexNameTarget(m.FileAt(off), m.doc, 0x11112));
    EXPECT_FALSE(IsPrimaryIndexNameTarget(m.FileAt(dedicated), m.doc, 0x11112));
}

} // namespace TableModelTest
