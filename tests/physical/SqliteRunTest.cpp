// A generated script run through a real SQL engine: SQLite takes the CREATE TABLE statements with
// their type names, NULL and DEFAULT clauses and named primary keys (it has no tablespaces and no
// ALTER TABLE ... ADD CONSTRAINT, so those options stay off here).
#include "tests/physical/DdlModel.h"

#include "physical/CreateTableDdl.h"
#include "tests/support/MessageScript.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace SqliteRunTest {

// Runs sqlite3 on the database with the commands as its input: standard output, or "<failed>".
QString RunSqlite(const QString& database, const QString& input, QString* errors = nullptr)
{
    QProcess sqlite;
    sqlite.start(QStringLiteral("sqlite3"), {QStringLiteral("-bail"), database});
    if (!sqlite.waitForStarted())
        return QStringLiteral("<failed>");
    sqlite.write(input.toUtf8());
    sqlite.closeWriteChannel();
    sqlite.waitForFinished(30000);
    if (errors)
        *errors = QString::fromUtf8(sqlite.readAllStandardError());
    return sqlite.exitCode() == 0 ? QString::fromUtf8(sqlite.readAllStandardOutput()) : QStringLiteral("<failed>");
}

TEST(SqliteRun, AFiveFileModelCreatesItsTablesAndDefaults)
{
    if (QStandardPaths::findExecutable(QStringLiteral("sqlite3")).isEmpty())
        GTEST_SKIP() << "sqlite3 is not installed (scripts/setup installs it)";

    DdlModel m;
    const WORD customer = m.Table("顧客", "CUSTOMER", "XPK_CUSTOMER", CPoint(0, 0));
    m.Item(customer, {.name = "顧客番号",
                      .keyGroup = 1,
                      .type = "NUMBER",
                      .editKind = 1,
                      .digits = 8,
                      .nullOption = 1,
                      .column = "CUST_NO"});
    m.Item(customer, {.name = "顧客名",
                      .type = "VARCHAR2",
                      .editKind = 1,
                      .digits = 40,
                      .nullOption = 2,
                      .defaultValue = "O'Neil",
                      .column = "CUST_NAME"});
    const WORD order = m.Table("受注", "ORDERS", "", CPoint(400, 0));
    m.Item(order, {.name = "受注番号",
                   .keyGroup = 1,
                   .type = "NUMBER",
                   .editKind = 1,
                   .digits = 10,
                   .nullOption = 1,
                   .column = "ORDER_NO"});
    m.Item(order, {.name = "受注日", .type = "DATE", .column = "ORDER_DATE"});
    m.Item(order, {.name = "金額",
                   .type = "NUMBER",
                   .editKind = 2,
                   .digits = 9,
                   .decimals = 2,
                   .defaultValue = "0",
                   .column = "AMOUNT"});
    const WORD line = m.Table("受注明細", "ORDER_LINE", "", CPoint(0, -400));
    m.Item(line, {.name = "受注番号",
                  .keyGroup = 1,
                  .type = "NUMBER",
                  .editKind = 1,
                  .digits = 10,
                  .nullOption = 1,
                  .column = "ORDER_NO"});
    m.Item(line, {.name = "明細番号", .keyGroup = 1, .type = "INTEGER", .nullOption = 1, .column = "LINE_NO"});
    m.Item(line, {.name = "数量", .type = "SMALLINT", .defaultValue = "1", .column = "QTY"});
    const WORD product = m.Table("商品", "PRODUCT", "", CPoint(400, -400));
    m.Item(product, {.name = "商品コード",
                     .keyGroup = 1,
                     .type = "CHAR",
                     .editKind = 1,
                     .digits = 6,
                     .nullOption = 1,
                     .column = "PRODUCT_CODE"});
    m.Item(product, {.name = "商品名",
                     .type = "VARCHAR2",
                     .editKind = 1,
                     .digits = 60,
                     .defaultValue = "null",
                     .column = "PRODUCT_NAME"});
    // A subtype folded into the product's table.
    const WORD food = m.Table("食品", "FOOD", "", CPoint(400, -800));
    m.Item(food, {.name = "賞味期限", .type = "DATE", .column = "BEST_BEFORE"});
    m.Arrow(2, product, food, TRUE);
    m.FileAt(food).SetMergedIntoParent(TRUE);
    m.Arrow(1, customer, order);
    m.Arrow(1, order, line);

    QTemporaryDir dir;
    const QString script = QDir(dir.path()).filePath(QStringLiteral("model.sql"));
    DdlOptions options;
    options.table |= DDL_TABLE_DROP;
    options.primaryKeySuffix = "_XPK";
    {
        MessageScript messages;
        ASSERT_EQ(4, CreateTableDdl::GenerateCreateTableScript(m.doc, *m.doc.GetObjectList(), m.types, options, TRUE,
                                                               CString(script.toUtf8().constData())));
    }
    const QString database = QDir(dir.path()).filePath(QStringLiteral("model.db"));
    QString errors;
    EXPECT_EQ(QString(), RunSqlite(database, QStringLiteral(".read ") + script + "\n", &errors))
        << errors.toStdString();
    EXPECT_EQ(QStringLiteral("CUSTOMER\nORDERS\nORDER_LINE\nPRODUCT\n"),
              RunSqlite(database,
                        QStringLiteral("SELECT name FROM sqlite_master WHERE type='table' ORDER BY rowid;\n")));
    // The defaults as SQLite stores them, the doubled quote back to one.
    EXPECT_EQ(QStringLiteral("1|O'Neil\n"),
              RunSqlite(database, QStringLiteral("INSERT INTO CUSTOMER (CUST_NO) VALUES (1);"
                                                 "SELECT CUST_NO, CUST_NAME FROM CUSTOMER;\n")));
    EXPECT_EQ(QStringLiteral("A|\n"),
              RunSqlite(database, QStringLiteral("INSERT INTO PRODUCT (PRODUCT_CODE, BEST_BEFORE) VALUES ('A', NULL);"
                                                 "SELECT PRODUCT_CODE, PRODUCT_NAME FROM PRODUCT;\n")));
    // The primary keys hold: a second row with the same key is refused.
    EXPECT_EQ(QStringLiteral("<failed>"),
              RunSqlite(database, QStringLiteral("INSERT INTO ORDER_LINE (ORDER_NO, LINE_NO) VALUES (1, 1);"
                                                 "INSERT INTO ORDER_LINE (ORDER_NO, LINE_NO) VALUES (1, 1);\n")));
    EXPECT_EQ(QStringLiteral("1\n"), RunSqlite(database, QStringLiteral("SELECT QTY FROM ORDER_LINE;\n")));
}

} // namespace SqliteRunTest
