// The schema source over a real SQLite database file: the tables it offers, the columns and types
// it reads, names that need quoting, and a database that goes away while the source is in use.
#include "schema/KRSqlSchema.h"

#include "KRScriptedPrompter.h"

#include <string>
#include <utility>
#include <vector>

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

using namespace korvan;

namespace {

const QString Connection = QStringLiteral("korvan-schema-test");

QSqlDatabase Database()
{
    return QSqlDatabase::database(Connection, false);
}

QString TypeName(TFieldType Type)
{
    const std::pair<TFieldType, const char *> Names[] = { { ftString, "String" }, { ftSmallint, "Smallint" },
        { ftInteger, "Integer" }, { ftLargeint, "Largeint" }, { ftBoolean, "Boolean" }, { ftFloat, "Float" },
        { ftBCD, "BCD" }, { ftDate, "Date" }, { ftTime, "Time" }, { ftDateTime, "DateTime" },
        { ftBlob, "Blob" } };
    for (const auto &[Known, Name] : Names)
        if (Known == Type)
            return QString::fromUtf8(Name);
    return QString::number(Type);
}

//! "name Type, name Type, ..." in the data set's order; "none" for no data set.
QString Describe(const TDataSet *DataSet)
{
    if (DataSet == nullptr)
        return QStringLiteral("none");
    QStringList Fields;
    for (int I = 0; I < DataSet->FieldCount(); ++I)
        Fields << QString::fromStdString(DataSet->Fields(I).FieldName()) + u' '
                        + TypeName(DataSet->Fields(I).DataType());
    return Fields.join(QStringLiteral(", "));
}

//! The message of the EKRSchemaError that Call raises; "" when it raises none.
template <class F>
std::string ErrorOf(F Call)
{
    try {
        Call();
    } catch (const EKRSchemaError &E) {
        return E.Message();
    }
    return {};
}

} // namespace

class TKRSqlSchemaTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(FDir.isValid());
        QSqlDatabase Db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), Connection);
        Db.setDatabaseName(FDir.filePath(QStringLiteral("shop.db")));
        QVERIFY2(Db.open(), qPrintable(Db.lastError().text()));
        const char *Statements[] = {
            "CREATE TABLE customers (id INTEGER PRIMARY KEY, name VARCHAR(40) NOT NULL, born DATE,"
            " joined DATETIME, balance NUMERIC(10,2), active BOOLEAN, photo BLOB, note)",
            // AUTOINCREMENT makes SQLite's own table sqlite_sequence, which is never offered.
            "CREATE TABLE Orders (id INTEGER PRIMARY KEY AUTOINCREMENT, customer BIGINT,"
            " total REAL, placed TIMESTAMP, code TINYINT, due TIME)",
            "CREATE TABLE \"odd \"\"name\" (\"first col\" TEXT, \"select\" INT)",
            "CREATE TABLE \"line [1].x\" (a DOUBLE PRECISION)",
            "CREATE VIEW rich_customers AS SELECT id, name, balance FROM customers WHERE balance > 1000",
            "CREATE TABLE gone (a INTEGER)",
            "CREATE VIEW broken AS SELECT a FROM gone",
            "DROP TABLE gone",
        };
        QSqlQuery Query(Db);
        for (const char *Statement : Statements)
            QVERIFY2(Query.exec(QString::fromUtf8(Statement)), qPrintable(Query.lastError().text()));
    }

    void cleanupTestCase()
    {
        // Every handle has to be gone before the connection is removed.
        Database().close();
        QSqlDatabase::removeDatabase(Connection);
    }

    void init()
    {
        if (!Database().isOpen())
            QVERIFY(Database().open());
    }

    // Tables and views in name order with letter case ignored, SQLite's internal tables left out,
    // and the lookup by name ignores letter case too.
    void TablesAreOfferedInNameOrder()
    {
        QVERIFY(Database().tables().contains(QStringLiteral("sqlite_sequence")));
        const TKRSqlSchema Schema(Connection);
        QStringList Tables;
        for (const std::string &Name : Schema.Tables())
            Tables << QString::fromStdString(Name);
        QCOMPARE(Tables.join(u'|'),
                QStringLiteral("broken|customers|line [1].x|odd \"name|Orders|rich_customers"));
        QVERIFY(Schema.HasTable("ORDERS"));
        QVERIFY(Schema.HasTable("ODD \"NAME"));
        QVERIFY(!Schema.HasTable("sqlite_sequence"));
        QVERIFY(!Schema.HasTable("customer"));
    }

    // The declared types decide, not the driver's record (which gives DATE and DATETIME as strings
    // and NUMERIC as a double); a column without a type takes anything, as a blob does. Names with
    // blanks, quotes, brackets, dots and keywords reach the database as they are, in any letter
    // case; a name made to break out of a quoted statement is only an unknown table.
    void FieldsComeInDeclarationOrderWithTheirTypes()
    {
        const TKRSqlSchema Schema(Connection);
        const auto Fields = [&Schema](const char *Table) { return Describe(Schema.ReadFields(Table).get()); };
        QCOMPARE(Fields("customers"),
                QStringLiteral(
                        "id Integer, name String, born Date, joined DateTime, balance BCD, active Boolean,"
                        " photo Blob, note Blob"));
        QCOMPARE(Fields("ORDERS"),
                QStringLiteral("id Integer, customer Largeint, total Float, placed DateTime, code Smallint, "
                               "due Time"));
        QCOMPARE(Fields("rich_customers"), QStringLiteral("id Integer, name String, balance BCD"));
        QCOMPARE(Fields("odd \"name"), QStringLiteral("first col String, select Integer"));
        QCOMPARE(Fields("line [1].x"), QStringLiteral("a Float"));
        QCOMPARE(Fields("odd"), QStringLiteral("none"));
        QCOMPARE(Fields("customers'); DROP TABLE customers; --"), QStringLiteral("none"));
        QCOMPARE(Fields("customers\"); DROP TABLE customers; --"), QStringLiteral("none"));
        QVERIFY(Schema.HasTable("customers"));
    }

    // The event's answer: the source's own data set, replaced by the next call; an unknown table
    // gives none and is no error. A view over a dropped table cannot be read: the database's own
    // message says why.
    void GetTableFieldsAnswersTheComponent()
    {
        TKRSqlSchema Schema(Connection);
        std::vector<std::string> Errors;
        Schema.SetOnError([&Errors](const std::string &Message) { Errors.push_back(Message); });
        TDataSet *DataSet = nullptr;
        TParams *Params = nullptr;
        Schema.GetTableFields("rich_customers", DataSet, Params);
        QCOMPARE(Describe(DataSet), QStringLiteral("id Integer, name String, balance BCD"));
        QCOMPARE(Params, nullptr);
        Schema.GetTableFields("no_such_table", DataSet, Params);
        QCOMPARE(DataSet, nullptr);
        QCOMPARE(Errors.size(), std::size_t(0));

        Schema.GetTableFields("broken", DataSet, Params);
        QCOMPARE(DataSet, nullptr);
        QCOMPARE(Errors.size(), std::size_t(1));
        QVERIFY2(Errors[0].starts_with("Cannot read the fields of table 'broken': no such table"),
                Errors[0].c_str());
    }

    // The application closes the database while the component still asks: every call reports it,
    // through OnError, or without a handler in an error box, and nothing is handed out.
    void ADatabaseClosedInUseIsReported()
    {
        TKRSqlSchema Schema(Connection);
        std::vector<std::string> Errors;
        Schema.SetOnError([&Errors](const std::string &Message) { Errors.push_back(Message); });
        TDataSet *DataSet = nullptr;
        TParams *Params = nullptr;
        Schema.GetTableFields("customers", DataSet, Params);
        QVERIFY(DataSet != nullptr);

        Database().close();
        const std::string Closed = "Cannot read the fields of table 'customers': the database is not open";
        Schema.GetTableFields("customers", DataSet, Params);
        QCOMPARE(DataSet, nullptr);
        QCOMPARE(Errors, std::vector<std::string>{ Closed });
        QCOMPARE(ErrorOf([&] { (void)Schema.HasTable("customers"); }),
                std::string("Cannot read the tables of the database: the database is not open"));
        const TKRSqlSchema Elsewhere(QStringLiteral("nowhere"));
        QCOMPARE(ErrorOf([&] { (void)Elsewhere.ReadFields("customers"); }),
                std::string("Cannot read the fields of table 'customers': there is no database connection "
                            "'nowhere'"));

        TKRScriptedPrompter Prompter;
        Schema.SetOnError({});
        Schema.GetTableFields("customers", DataSet, Params);
        QCOMPARE(DataSet, nullptr);
        QCOMPARE(Prompter.Questions().size(), std::size_t(1));
        QCOMPARE(Prompter.Questions().at(0).Text, Closed);
        QCOMPARE(Prompter.Questions().at(0).Flags, MB_OK | MB_ICONERROR);

        // Reopened, the same source reads again.
        QVERIFY(Database().open());
        Schema.GetTableFields("customers", DataSet, Params);
        QCOMPARE(DataSet != nullptr ? DataSet->FieldCount() : -1, 8);
    }

    // SQLite's affinity rules, in their order (INT before CHAR before BLOB before REAL), refined by
    // the usual type names; letter case and sizes do not matter.
    void FieldTypeOfDeclaredTypes()
    {
        const std::pair<const char *, TFieldType> Cases[] = {
            { "INTEGER", ftInteger }, { "BIGINT", ftLargeint }, { "UNSIGNED BIG INT", ftLargeint },
            { "SMALLINT", ftSmallint }, { "tinyint", ftSmallint },
            { "POINT", ftInteger }, // "INT" inside: SQLite stores integers
            { "CHARINT", ftInteger }, // INT is looked for first
            { "VARCHAR(40)", ftString }, { "NATIVE CHARACTER(70)", ftString }, { "text", ftString },
            { "BLOB", ftBlob }, { "", ftBlob }, { "REAL", ftFloat }, { "DOUBLE PRECISION", ftFloat },
            { "NUMERIC(10,2)", ftBCD }, { "BOOLEAN", ftBoolean }, { "DATE", ftDate },
            { "DATETIME", ftDateTime }, { "timestamp", ftDateTime }, { "TIME", ftTime },
            { "STRING", ftUnknown }, // numeric in SQLite, whatever the name suggests
        };
        for (const auto &[Declared, Expected] : Cases)
            QVERIFY2(TKRSqlSchema::FieldTypeOf(Declared) == Expected,
                    qPrintable(QStringLiteral("'%1' gives %2, not %3")
                                       .arg(QString::fromUtf8(Declared),
                                               TypeName(TKRSqlSchema::FieldTypeOf(Declared)),
                                               TypeName(Expected))));
    }

private:
    QTemporaryDir FDir;
};

QTEST_MAIN(TKRSqlSchemaTest)
#include "KRSqlSchemaTest.moc"
