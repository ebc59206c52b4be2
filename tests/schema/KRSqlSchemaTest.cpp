// The schema source over a real SQLite database file: the tables it offers, the columns and types
// it reads, names that need quoting, and a database that goes away while the source is in use.
#include "schema/KRSqlSchema.h"

#include "KRScriptedPrompter.h"

#include <string>
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
    switch (Type) {
    case ftString:
        return QStringLiteral("String");
    case ftSmallint:
        return QStringLiteral("Smallint");
    case ftInteger:
        return QStringLiteral("Integer");
    case ftLargeint:
        return QStringLiteral("Largeint");
    case ftBoolean:
        return QStringLiteral("Boolean");
    case ftFloat:
        return QStringLiteral("Float");
    case ftBCD:
        return QStringLiteral("BCD");
    case ftDate:
        return QStringLiteral("Date");
    case ftTime:
        return QStringLiteral("Time");
    case ftDateTime:
        return QStringLiteral("DateTime");
    case ftBlob:
        return QStringLiteral("Blob");
    case ftGuid:
        return QStringLiteral("Guid");
    case ftUnknown:
        return QStringLiteral("Unknown");
    default:
        return QString::number(Type);
    }
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

QStringList ToStringList(const std::vector<std::string> &Names)
{
    QStringList List;
    for (const std::string &Name : Names)
        List << QString::fromStdString(Name);
    return List;
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
            "CREATE TABLE Orders (id INTEGER PRIMARY KEY AUTOINCREMENT, customer BIGINT REFERENCES "
            "customers(id),"
            " total REAL, placed TIMESTAMP, code TINYINT, due TIME)",
            "CREATE TABLE \"odd \"\"name\" (\"first col\" TEXT, \"select\" INT)",
            "CREATE TABLE \"line [1].x\" (a DOUBLE PRECISION)",
            "CREATE VIEW rich_customers AS SELECT id, name, balance FROM customers WHERE balance > 1000",
            "CREATE TABLE gone (a INTEGER)",
            "CREATE VIEW broken AS SELECT a FROM gone",
            "DROP TABLE gone",
            // AUTOINCREMENT above made SQLite's own sqlite_sequence, which is never offered.
            "INSERT INTO Orders (total) VALUES (1.5)",
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

    // Tables and views in name order with letter case ignored, SQLite's internal tables left out
    // (they exist: sqlite_sequence), and the lookup by name ignores letter case too.
    void TablesAreOfferedInNameOrder()
    {
        QVERIFY(Database().tables(QSql::Tables).contains(QStringLiteral("sqlite_sequence")));
        const TKRSqlSchema Schema(Connection);
        QCOMPARE(ToStringList(Schema.Tables()),
                QStringList({ QStringLiteral("broken"), QStringLiteral("customers"),
                        QStringLiteral("line [1].x"), QStringLiteral("odd \"name"), QStringLiteral("Orders"),
                        QStringLiteral("rich_customers") }));
        QVERIFY(Schema.HasTable("ORDERS"));
        QVERIFY(Schema.HasTable("Rich_Customers"));
        QVERIFY(Schema.HasTable("ODD \"NAME"));
        QVERIFY(!Schema.HasTable("sqlite_sequence"));
        QVERIFY(!Schema.HasTable("customer"));
        QVERIFY(!Schema.HasTable(""));
    }

    // The declared types decide, not the driver's record (which gives DATE and DATETIME as strings
    // and NUMERIC as a double); a column without a type takes anything, as a blob does.
    void FieldsComeInDeclarationOrderWithTheirTypes()
    {
        const TKRSqlSchema Schema(Connection);
        QCOMPARE(Describe(Schema.ReadFields("customers").get()),
                QStringLiteral(
                        "id Integer, name String, born Date, joined DateTime, balance BCD, active Boolean,"
                        " photo Blob, note Blob"));
        QCOMPARE(Describe(Schema.ReadFields("Orders").get()),
                QStringLiteral("id Integer, customer Largeint, total Float, placed DateTime, code Smallint, "
                               "due Time"));
        // A view's columns carry the types of the columns they show.
        QCOMPARE(Describe(Schema.ReadFields("rich_customers").get()),
                QStringLiteral("id Integer, name String, balance BCD"));
    }

    // Names with blanks, quotes, brackets, dots and keywords reach the database as they are, in
    // any letter case; a name made to break out of a quoted statement is only an unknown table.
    void NamesAreLookedUpAsTheyAre()
    {
        const TKRSqlSchema Schema(Connection);
        QCOMPARE(Describe(Schema.ReadFields("odd \"name").get()),
                QStringLiteral("first col String, select Integer"));
        QCOMPARE(Describe(Schema.ReadFields("line [1].x").get()), QStringLiteral("a Float"));
        QCOMPARE(Describe(Schema.ReadFields("CUSTOMERS").get()),
                Describe(Schema.ReadFields("customers").get()));
        QCOMPARE(Describe(Schema.ReadFields("odd").get()), QStringLiteral("none"));
        QCOMPARE(Describe(Schema.ReadFields("customers'); DROP TABLE customers; --").get()),
                QStringLiteral("none"));
        QCOMPARE(Describe(Schema.ReadFields("customers\"); DROP TABLE customers; --").get()),
                QStringLiteral("none"));
        QVERIFY(Schema.HasTable("customers"));
    }

    // The event's answer: the source's own data set, replaced by the next call; an unknown table
    // gives none, and is no error.
    void GetTableFieldsAnswersTheComponent()
    {
        TKRSqlSchema Schema(Connection);
        std::vector<std::string> Errors;
        Schema.SetOnError([&Errors](const std::string &Message) { Errors.push_back(Message); });
        TDataSet *DataSet = nullptr;
        TParams *Params = nullptr;
        Schema.GetTableFields("orders", DataSet, Params);
        QCOMPARE(DataSet != nullptr ? DataSet->FieldCount() : -1, 6);
        QCOMPARE(Params, nullptr);
        Schema.GetTableFields("rich_customers", DataSet, Params);
        QCOMPARE(Describe(DataSet), QStringLiteral("id Integer, name String, balance BCD"));
        Schema.GetTableFields("no_such_table", DataSet, Params);
        QCOMPARE(DataSet, nullptr);
        QCOMPARE(Params, nullptr);
        QCOMPARE(Errors.size(), std::size_t(0));
    }

    // A view over a dropped table exists but cannot be read: the database's own message says why.
    void AFailingQueryIsAClearError()
    {
        const TKRSqlSchema Schema(Connection);
        try {
            (void)Schema.ReadFields("broken");
            QFAIL("no error raised");
        } catch (const EKRSchemaError &E) {
            QVERIFY2(QString::fromStdString(E.Message())
                             .startsWith(QStringLiteral(
                                     "Cannot read the fields of table 'broken': no such table")),
                    E.what());
        }
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
        Schema.GetTableFields("customers", DataSet, Params);
        QCOMPARE(DataSet, nullptr);
        QCOMPARE(Errors,
                std::vector<std::string>{
                        "Cannot read the fields of table 'customers': the database is not open" });
        QVERIFY_THROWS_EXCEPTION(EKRSchemaError, (void)Schema.Tables());
        QVERIFY_THROWS_EXCEPTION(EKRSchemaError, (void)Schema.HasTable("customers"));

        TKRScriptedPrompter Prompter;
        Schema.SetOnError({});
        Schema.GetTableFields("customers", DataSet, Params);
        QCOMPARE(DataSet, nullptr);
        QCOMPARE(Prompter.Questions().size(), std::size_t(1));
        QCOMPARE(Prompter.Questions().at(0).Text,
                std::string("Cannot read the fields of table 'customers': the database is not open"));
        QCOMPARE(Prompter.Questions().at(0).Flags, MB_OK | MB_ICONERROR);

        // Reopened, the same source reads again.
        QVERIFY(Database().open());
        Schema.GetTableFields("customers", DataSet, Params);
        QCOMPARE(DataSet != nullptr ? DataSet->FieldCount() : -1, 8);
    }

    void AConnectionThatIsGoneIsReported()
    {
        TKRSqlSchema Schema(QStringLiteral("nowhere"));
        try {
            (void)Schema.Tables();
            QFAIL("no error raised");
        } catch (const EKRSchemaError &E) {
            QCOMPARE(E.Message(),
                    std::string("Cannot read the tables of the database: there is no database connection "
                                "'nowhere'"));
        }
        std::string Error;
        Schema.SetOnError([&Error](const std::string &Message) { Error = Message; });
        TDataSet *DataSet = nullptr;
        TParams *Params = nullptr;
        Schema.GetTableFields("customers", DataSet, Params);
        QCOMPARE(DataSet, nullptr);
        QCOMPARE(Error,
                std::string("Cannot read the fields of table 'customers': there is no database connection "
                            "'nowhere'"));
    }

    // SQLite's affinity rules, in their order (INT before CHAR before BLOB before REAL), refined by
    // the usual type names; letter case and sizes do not matter.
    void FieldTypeOfDeclaredTypes()
    {
        const struct
        {
            const char *Declared;
            TFieldType Expected;
        } Cases[] = {
            { "INTEGER", ftInteger },
            { "int", ftInteger },
            { "MEDIUMINT", ftInteger },
            { "BIGINT", ftLargeint },
            { "UNSIGNED BIG INT", ftLargeint },
            { "INT8", ftLargeint },
            { "SMALLINT", ftSmallint },
            { "tinyint", ftSmallint },
            { "INT2", ftSmallint },
            { "POINT", ftInteger }, // "INT" inside: SQLite stores integers
            { "VARCHAR(40)", ftString },
            { "NATIVE CHARACTER(70)", ftString },
            { "CLOB", ftString },
            { "text", ftString },
            { "CHARINT", ftInteger }, // INT is looked for first
            { "BLOB", ftBlob },
            { "", ftBlob },
            { "  ", ftBlob },
            { "REAL", ftFloat },
            { "DOUBLE PRECISION", ftFloat },
            { "float", ftFloat },
            { "NUMERIC(10,2)", ftBCD },
            { "Decimal(10, 5)", ftBCD },
            { "BOOLEAN", ftBoolean },
            { "bool", ftBoolean },
            { "DATE", ftDate },
            { "DATETIME", ftDateTime },
            { "timestamp", ftDateTime },
            { "TIME", ftTime },
            { "STRING", ftUnknown }, // numeric in SQLite, whatever the name suggests
            { "JSON", ftUnknown },
        };
        for (const auto &Case : Cases)
            QVERIFY2(TKRSqlSchema::FieldTypeOf(Case.Declared) == Case.Expected,
                    qPrintable(QStringLiteral("'%1' gives %2, not %3")
                                       .arg(QString::fromUtf8(Case.Declared),
                                               TypeName(TKRSqlSchema::FieldTypeOf(Case.Declared)),
                                               TypeName(Case.Expected))));
    }

    // Other drivers describe columns by value type.
    void FieldTypeOfValueTypes()
    {
        const struct
        {
            QMetaType::Type Type;
            TFieldType Expected;
        } Cases[] = {
            { QMetaType::Int, ftInteger },
            { QMetaType::UInt, ftLargeint },
            { QMetaType::LongLong, ftLargeint },
            { QMetaType::Short, ftSmallint },
            { QMetaType::Bool, ftBoolean },
            { QMetaType::Double, ftFloat },
            { QMetaType::QString, ftString },
            { QMetaType::QByteArray, ftBlob },
            { QMetaType::QDate, ftDate },
            { QMetaType::QTime, ftTime },
            { QMetaType::QDateTime, ftDateTime },
            { QMetaType::QUuid, ftGuid },
            { QMetaType::QVariantMap, ftUnknown },
            { QMetaType::UnknownType, ftUnknown },
        };
        for (const auto &Case : Cases)
            QVERIFY2(TKRSqlSchema::FieldTypeOf(QMetaType(Case.Type)) == Case.Expected,
                    qPrintable(QStringLiteral("value type %1").arg(Case.Type)));
    }

private:
    QTemporaryDir FDir;
};

QTEST_MAIN(TKRSqlSchemaTest)
#include "KRSqlSchemaTest.moc"
