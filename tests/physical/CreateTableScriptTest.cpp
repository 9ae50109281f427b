#include "tests/physical/DdlModel.h"

#include "physical/CreateTableDdl.h"
#include "tests/support/MessageScript.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace CreateTableScriptTest {

// Builds the script of the whole document; expects one table count.
std::string Script(DdlModel& m, const DdlOptions& options, int tables = -2)
{
    CString script;
    MessageScript messages;
    const int count =
        CreateTableDdl::BuildCreateTableScript(m.doc, *m.doc.GetObjectList(), m.types, options, TRUE, script);
    if (tables != -2) {
        EXPECT_EQ(tables, count);
    }
    EXPECT_TRUE(messages.Texts().empty());
    return CreateTableDdl::ToFileBytes(script).toStdString();
}

DdlOptions Options(DWORD table, DWORD column)
{
    DdlOptions options;
    options.table = table;
    options.column = column;
    options.tablePrefix = "T_";
    options.primaryKeyPrefix = "XPK_";
    options.primaryKeySuffix = "_XPK";
    return options;
}

TEST(CreateTableScript, DefaultOptionsWriteKeyConstraintInsideCreate)
{
    DdlModel m;
    const WORD orders = m.Table("受注", "ORDERS", "XPK_ORDERS");
    m.Item(orders, {.name = "受注番号",
                    .keyGroup = 1,
                    .type = "NUMBER",
                    .editKind = 1,
                    .digits = 10,
                    .nullOption = 1,
                    .column = "ORDER_NO"});
    m.Item(orders, {.name = "顧客名",
                    .type = "VARCHAR2",
                    .editKind = 1,
                    .digits = 40,
                    .nullOption = 2,
                    .column = "CUSTOMER_NAME_OF_ORDER"});
    m.Item(orders, {.name = "金額", .type = "NUMBER", .editKind = 2, .digits = 9, .decimals = 2, .column = "AMT"});
    // Not a physical target: left out under the physical-flag column rule.
    m.Item(orders, {.name = "備考", .type = "VARCHAR2", .editKind = 1, .digits = 200, .column = "NOTE", .physical = 0});

    const std::string script = Script(m, Options(DDL_TABLE_DEFAULT, DDL_COLUMN_DEFAULT), 1);
    EXPECT_EQ(FileBytes(Banner("受注") + "\nCREATE TABLE ORDERS (\n"
                                         "       ORDER_NO             NUMBER(10) NOT NULL,\n"
                                         "       CUSTOMER_NAME_OF_ORDER VARCHAR2(40) NULL,\n"
                                         "       AMT                  NUMBER(9,2),\n"
                                         "       CONSTRAINT XPK_ORDERS\n"
                                         "              PRIMARY KEY (ORDER_NO)\n"
                                         ");\n"),
              script);
    // Code page 932 and CR LF in the file itself: the first line is empty, the name is 受注.
    EXPECT_EQ(0u, script.find("\r\n----"));
    EXPECT_NE(std::string::npos, script.find("-- \x8E\xF3\x92\x8D\r\n"));
    EXPECT_EQ(QByteArray::fromStdString(script).count('\n'), QByteArray::fromStdString(script).count("\r\n"));
}

TEST(CreateTableScript, AlterFormWithDropAndSuffixUsesFileNameWithoutLineBreak)
{
    DdlModel m;
    const WORD file = m.Table("受注\r\n明細");
    m.Item(file, {.name = "A", .keyGroup = 1, .type = "CHAR", .editKind = 1, .digits = 3, .nullOption = 1});
    m.Item(file, {.name = "B", .keyGroup = 1, .type = "INTEGER", .nullOption = 1});
    m.Item(file, {.name = "C", .type = "DATE"});
    // Table name else file name, column name else item name, ALTER, suffix, DROP; all files.
    const DWORD table = 0x10000 | DDL_TABLE_ALL_FILES | DDL_TABLE_RULE_MERGED_FLAG | DDL_TABLE_NAME_TABLE_ELSE_FILE |
                        DDL_TABLE_PRIMARY_KEY_BY_ALTER | DDL_TABLE_KEY_SUFFIX | DDL_TABLE_DROP;
    const DWORD column = DDL_COLUMN_RULE_STANDARD | DDL_COLUMN_NAME_COLUMN_ELSE_ITEM | DDL_COLUMN_NULL_CLAUSES;

    EXPECT_EQ(FileBytes(Banner("受注明細") + "\n-- DROP TABLE 受注明細 CASCADE CONSTRAINTS;\n"
                                             "\nCREATE TABLE 受注明細 (\n"
                                             "       A                    CHAR(3) NOT NULL,\n"
                                             "       B                    INTEGER NOT NULL,\n"
                                             "       C                    DATE\n"
                                             ");\n"
                                             "\n-- PRIMARY KEY 制約\n"
                                             "ALTER TABLE 受注明細\n"
                                             "       ADD  ( CONSTRAINT 受注明細_XPK PRIMARY KEY (A, B) );\n"),
              Script(m, Options(table, column), 1));
}

TEST(CreateTableScript, TablespacesComeFromTheFileElseTheDocument)
{
    DdlModel m;
    const WORD first = m.Table("F1", "T1", "", CPoint(0, 0));
    m.Item(first, {.name = "K", .keyGroup = 1, .type = "INTEGER", .column = "K"});
    const WORD second = m.Table("F2", "T2", "", CPoint(0, -500));
    m.Item(second, {.name = "K", .keyGroup = 1, .type = "INTEGER", .column = "K"});
    m.FileAt(second).SetTableSpace("OWN_T");
    m.FileAt(second).SetIndexSpace("OWN_I");
    const WORD third = m.Table("F3", "T3", "", CPoint(0, -1000));
    m.Item(third, {.name = "K", .keyGroup = 1, .type = "INTEGER", .column = "K"});

    DdlOptions options = Options(DDL_TABLE_DEFAULT | DDL_TABLE_TABLESPACES, DDL_COLUMN_DEFAULT);
    options.tableSpace = "TS_DATA";
    options.indexSpace = "TS_IDX";
    const std::string key = "       K                    INTEGER,\n       CONSTRAINT XPK_";
    EXPECT_EQ(FileBytes(Banner("F1") + "\nCREATE TABLE T1 (\n" + key +
                        "T1\n              PRIMARY KEY (K)\n              USING INDEX TABLESPACE TS_IDX\n"
                        ")\n       TABLESPACE TS_DATA;\n" +
                        Banner("F2") + "\nCREATE TABLE T2 (\n" + key +
                        "T2\n              PRIMARY KEY (K)\n              USING INDEX TABLESPACE OWN_I\n"
                        ")\n       TABLESPACE OWN_T;\n" +
                        Banner("F3") + "\nCREATE TABLE T3 (\n" + key +
                        "T3\n              PRIMARY KEY (K)\n              USING INDEX TABLESPACE TS_IDX\n"
                        ")\n       TABLESPACE TS_DATA;\n"),
              Script(m, options, 3));

    // Without any table tablespace only the index one is written; the ALTER form carries it too.
    options.tableSpace.Empty();
    options.table = (options.table & ~DDL_TABLE_PRIMARY_KEY_IN_CREATE) | DDL_TABLE_PRIMARY_KEY_BY_ALTER;
    const std::string alter = Script(m, options, 3);
    EXPECT_EQ(0u, alter.find(FileBytes(Banner("F1") +
                                       "\nCREATE TABLE T1 (\n"
                                       "       K                    INTEGER\n"
                                       ");\n"
                                       "\n-- PRIMARY KEY 制約\n"
                                       "ALTER TABLE T1\n"
                                       "       ADD  ( CONSTRAINT XPK_T1 PRIMARY KEY (K)\n"
                                       "              USING INDEX TABLESPACE TS_IDX );\n" +
                                       Banner("F2"))));
    // Without the check box no tablespace at all.
    options.table &= ~DDL_TABLE_TABLESPACES;
    EXPECT_EQ(std::string::npos, Script(m, options).find("TABLESPACE"));
}

TEST(CreateTableScript, NoPrimaryKeyClauseWithoutKeyOrWhenAskedNot)
{
    DdlModel m;
    const WORD keyless = m.Table("F", "NOKEY");
    m.Item(keyless, {.name = "A", .type = "DATE", .column = "A"});
    EXPECT_EQ(FileBytes(Banner("F") + "\nCREATE TABLE NOKEY (\n       A                    DATE\n);\n"),
              Script(m, Options(DDL_TABLE_DEFAULT | DDL_TABLE_PRIMARY_KEY_BY_ALTER, DDL_COLUMN_DEFAULT), 1));

    DdlModel k;
    const WORD keyed = k.Table("G", "KEYED", "IX");
    k.Item(keyed, {.name = "A", .keyGroup = 1, .type = "DATE", .column = "A"});
    const DWORD noKey = (DDL_TABLE_DEFAULT & ~DDL_TABLE_PRIMARY_KEY_IN_CREATE) | DDL_TABLE_NO_PRIMARY_KEY;
    EXPECT_EQ(FileBytes(Banner("G") + "\nCREATE TABLE KEYED (\n       A                    DATE\n);\n"),
              Script(k, Options(noKey, DDL_COLUMN_DEFAULT), 1));
}

TEST(CreateTableScript, TableWithoutColumnsClosesAtOnce)
{
    DdlModel m;
    const WORD file = m.Table("EMPTY", "", "", CPoint(0, 0));
    m.Item(file, {.name = "K", .keyGroup = 1, .type = "INTEGER", .physical = 0});
    m.Table("BARE", "", "", CPoint(0, -500));
    const DWORD table = (DDL_TABLE_DEFAULT & ~DDL_TABLE_NAME_FROM_TABLE_NAME) | DDL_TABLE_NAME_FROM_FILE_NAME |
                        DDL_TABLE_PRIMARY_KEY_BY_ALTER;
    EXPECT_EQ(FileBytes(Banner("EMPTY") + "\nCREATE TABLE EMPTY (\n);\n" + Banner("BARE") +
                        "\nCREATE TABLE BARE (\n);\n"),
              Script(m, Options(table, DDL_COLUMN_DEFAULT), 2));
}

TEST(CreateTableScript, NamingAffixesAndPlaceholders)
{
    DdlModel m;
    const WORD file = m.Table("F", "ORDERS", "", CPoint(0, 0));
    m.Item(file, {.name = "NO", .keyGroup = 1, .type = "NUMBER", .editKind = 1, .digits = 5, .column = "ORDER_NO"});
    m.Item(file, {.name = "X", .type = "", .column = "ABCDEFGHIJKLMNOPQRSTUVWXY"}); // 25 bytes, no type
    m.Item(file, {.name = "", .type = "UNKNOWN"});                                  // no name at all
    const WORD unnamed = m.Table("", "", "", CPoint(0, -500));
    m.Item(unnamed, {.name = "K", .keyGroup = 1, .type = "DATE", .column = "K"});

    // Table prefix, the data type's column prefix, key name = prefix + table name.
    const DWORD table = (DDL_TABLE_DEFAULT & ~DDL_TABLE_KEY_INDEX_NAME) | DDL_TABLE_PREFIX | DDL_TABLE_KEY_PREFIX;
    const DWORD column = DDL_COLUMN_DEFAULT | DDL_COLUMN_TYPE_PREFIX;
    EXPECT_EQ(FileBytes(Banner("F") +
                        "\nCREATE TABLE T_ORDERS (\n"
                        "       N_ORDER_NO           NUMBER(5),\n"
                        "       ABCDEFGHIJKLMNOPQRSTUVWXY NO_DATA_TYPE,\n"
                        "       NO_COLUMN_NAME???    UNKNOWN,\n"
                        "       CONSTRAINT XPK_T_ORDERS\n"
                        "              PRIMARY KEY (N_ORDER_NO)\n"
                        ");\n" +
                        Banner("") +
                        "\nCREATE TABLE T_NO_TABLE_NAME??? (\n"
                        "       D_K                  DATE,\n"
                        "       CONSTRAINT XPK_T_NO_TABLE_NAME???\n"
                        "              PRIMARY KEY (D_K)\n"
                        ");\n"),
              Script(m, Options(table, column), 2));

    // The file's index name, else "XPK_" and the table name; or no name at all.
    const DWORD indexName = DDL_TABLE_DEFAULT;
    EXPECT_NE(std::string::npos, Script(m, Options(indexName, DDL_COLUMN_DEFAULT)).find("CONSTRAINT XPK_ORDERS\r\n"));
    const DWORD noName = (DDL_TABLE_DEFAULT & ~DDL_TABLE_KEY_INDEX_NAME) | DDL_TABLE_KEY_NO_NAME;
    const std::string bare = Script(m, Options(noName, DDL_COLUMN_DEFAULT));
    EXPECT_EQ(std::string::npos, bare.find("CONSTRAINT"));
    EXPECT_NE(std::string::npos, bare.find(",\r\n       PRIMARY KEY (ORDER_NO)\r\n);"));
    const DWORD suffix = (DDL_TABLE_DEFAULT & ~DDL_TABLE_KEY_INDEX_NAME) | DDL_TABLE_KEY_SUFFIX;
    EXPECT_NE(std::string::npos, Script(m, Options(suffix, DDL_COLUMN_DEFAULT)).find("CONSTRAINT ORDERS_XPK\r\n"));
}

TEST(CreateTableScript, DefaultValuesAreEnclosedByTheirTypeWithTheEnclosureDoubled)
{
    struct Case
    {
        const char* type;
        WORD kind;
        const char* value;
        const char* written;
    };
    const Case cases[] = {
        {"VARCHAR2", 1, "abc", " DEFAULT 'abc'"},
        {"VARCHAR2", 1, "null", " DEFAULT null"},
        {"VARCHAR2", 1, "NuLL", " DEFAULT NuLL"},
        {"VARCHAR2", 1, "O'Neil", " DEFAULT 'O''Neil'"},
        {"VARCHAR2", 1, "''", " DEFAULT ''''''"},
        {"NUMBER", 1, "0", " DEFAULT 0"},
        {"VARCHAR2", 2, "abc", " DEFAULT abc"}, // no such type in the list: as it is
        {"VARCHAR2", 1, "", ""},
    };
    for (const Case& c : cases) {
        DdlModel m;
        const WORD file = m.Table("F", "T");
        m.Item(file, {.name = "A",
                      .type = c.type,
                      .editKind = c.kind,
                      .digits = 5,
                      .nullOption = 1,
                      .defaultValue = c.value,
                      .column = "A"});
        const std::string type = std::string(c.type) + (c.kind == 2 ? "(5,0)" : "(5)");
        EXPECT_EQ(FileBytes(Banner("F") + "\nCREATE TABLE T (\n       A                    " + type + c.written +
                            " NOT NULL\n);\n"),
                  Script(m, Options(DDL_TABLE_DEFAULT, DDL_COLUMN_DEFAULT)))
            << c.value;
        // Without the check box no DEFAULT clause.
        EXPECT_EQ(std::string::npos,
                  Script(m, Options(DDL_TABLE_DEFAULT, DDL_COLUMN_DEFAULT & ~DDL_COLUMN_DEFAULTS)).find("DEFAULT"));
    }
}

// --- The run ----------------------------------------------------------------------------------------

class Run : public ::testing::Test
{
protected:
    Run()
    {
        const WORD file = m.Table("F", "T");
        m.Item(file, {.name = "A", .keyGroup = 1, .type = "DATE", .column = "A"});
    }
    CString Path(const char* name) const { return CString(QDir(dir.path()).filePath(name).toUtf8().constData()); }
    static QByteArray Read(const CString& path)
    {
        QFile file(QString::fromUtf8(path.GetString()));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
    int Generate(const CString& path)
    {
        return CreateTableDdl::GenerateCreateTableScript(m.doc, *m.doc.GetObjectList(), m.types,
                                                         Options(DDL_TABLE_DEFAULT, DDL_COLUMN_DEFAULT), TRUE, path);
    }

    DdlModel m;
    QTemporaryDir dir;
};

TEST_F(Run, WritesTheGivenFileWithoutAskingAndReportsTheCount)
{
    const CString path = Path("model.sql");
    {
        QFile old(QString::fromUtf8(path.GetString()));
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("an older and much longer script that must not survive as a tail");
    }
    MessageScript messages;
    EXPECT_EQ(1, Generate(path));
    EXPECT_EQ(Script(m, Options(DDL_TABLE_DEFAULT, DDL_COLUMN_DEFAULT)), Read(path).toStdString());
    ASSERT_EQ(1u, messages.Messages().size());
    EXPECT_EQ("1件のCreate文を " + std::string(path.GetString()) + " に作成しました。", messages.Texts()[0]);
    EXPECT_EQ(UINT(MB_OK | MB_ICONINFORMATION), messages.Messages()[0].type);
}

TEST_F(Run, AFailedWriteReportsTheErrorAndLeavesNoFile)
{
    const CString path = Path("missing-folder/model.sql");
    MessageScript messages;
    EXPECT_EQ(-1, Generate(path));
    ASSERT_EQ(1u, messages.Messages().size());
    EXPECT_EQ(std::string::npos, messages.Texts()[0].find("作成しました"));
    EXPECT_EQ(QByteArray("<missing>"), Read(path));
}

TEST_F(Run, RefusesALoopOfMainArrowsAndReadOnlyDocuments)
{
    const WORD a = m.Table("A", "", "", CPoint(0, -500));
    const WORD b = m.Table("B", "", "", CPoint(0, -1000));
    m.Arrow(2, a, b, TRUE);
    m.Arrow(2, b, a, TRUE);
    {
        MessageScript messages;
        EXPECT_EQ(-1, Generate(Path("x.sql")));
        ASSERT_EQ(1u, messages.Texts().size());
        EXPECT_EQ(
            "ｻﾌﾞﾀｲﾌﾟ矢線あるいはｻﾌﾞｽﾄﾗｸﾁｬ矢線でﾒｲﾝ矢線の接続関係がﾙｰﾌﾟしているものがあるため、処理を実行できません。",
            messages.Texts()[0]);
    }
    m.doc.SetReadOnly(TRUE);
    MessageScript messages;
    EXPECT_EQ(0, Generate(Path("x.sql")));
    EXPECT_TRUE(messages.Texts().empty());
    EXPECT_EQ(QByteArray("<missing>"), Read(Path("x.sql")));
}

TEST_F(Run, NothingToWriteIsReported)
{
    m.FileAt(1).SetPhysicalTarget(FALSE);
    MessageScript messages;
    EXPECT_EQ(0, Generate(Path("x.sql")));
    EXPECT_EQ(std::vector<std::string>{"Create文の作成対象となる概念ﾌｧｲﾙはありません。"}, messages.Texts());
}

TEST(SqlOutputFile, ProposesTheDocumentNameWithSqlSplitAtTheLastSlash)
{
    struct Case
    {
        const char* document;
        const char* folder;
        const char* name;
    };
    const Case cases[] = {
        {"/home/u/model.zvr", "/home/u", "model.sql"},
        {"/home/u.v/model", "/home/u.v", "model.sql"},
        {"model.v1.zvr", "", "model.v1.sql"},
        {"", "", ".sql"},
    };
    for (const Case& c : cases) {
        CString folder, name;
        CreateTableDdl::ProposeSqlOutputFile(c.document, folder, name);
        EXPECT_STREQ(c.folder, folder.GetString()) << c.document;
        EXPECT_STREQ(c.name, name.GetString()) << c.document;
    }
}

} // namespace CreateTableScriptTest
