#include "schema/KRSqlSchema.h"

#include "component/KRKorvan.h"
#include "framework/KRText.h"
#include "framework/qt/KRPrompter.h"
#include "resources/KRResource.h"

#include <algorithm>

#include <QPointer>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlField>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QWidget>

namespace korvan {

namespace {

bool IsSQLite(const QSqlDatabase &Database)
{
    return Database.driver() != nullptr && Database.driver()->dbmsType() == QSqlDriver::SQLite;
}

//! SQLite reserves every name that starts with "sqlite_", in any letter case, for itself.
bool IsSQLiteInternal(const std::string &Name)
{
    constexpr std::string_view Prefix = "sqlite_";
    return Name.size() >= Prefix.size() && SameText(std::string_view(Name).substr(0, Prefix.size()), Prefix);
}

std::string ErrorText(const QSqlError &Error)
{
    return Error.text().trimmed().toStdString();
}

//! The object name that marks the source KRConnectSchema gave a component.
QString ConnectedSchemaName()
{
    return QStringLiteral("KRConnectedSchema");
}

//! The name a statement gives, as the database spells it: without the identifier quotes that hold
//! it whole ("order items", `order items`, [order items]), inner doubled quotes single again.
std::string DatabaseName(const std::string &Name)
{
    if (Name.size() < 2)
        return Name;
    const char Open = Name.front();
    const char Close = Open == '[' ? ']' : Open;
    if ((Open != '"' && Open != '`' && Open != '[') || Name.back() != Close)
        return Name;
    std::string Result;
    for (std::size_t I = 1; I + 1 < Name.size(); ++I) {
        Result += Name[I];
        if (Name[I] == Close && I + 2 < Name.size() && Name[I + 1] == Close)
            ++I;
    }
    return Result;
}

} // namespace

TKRSqlSchema::TKRSqlSchema(const QString &ConnectionName, QObject *Parent)
    : QObject(Parent)
    , FConnectionName(ConnectionName)
{}

TKRSqlSchema::~TKRSqlSchema() = default;

QSqlDatabase TKRSqlSchema::OpenConnection(std::string &Problem) const
{
    QSqlDatabase Database = QSqlDatabase::database(FConnectionName, false);
    if (!Database.isValid())
        Problem = Format(SSchemaNoConnection, { FConnectionName.toStdString() });
    else if (!Database.isOpen())
        Problem = SSchemaNotOpen;
    return Database;
}

std::vector<std::string> TKRSqlSchema::Tables() const
{
    std::string Problem;
    const QSqlDatabase Database = OpenConnection(Problem);
    if (!Problem.empty())
        throw EKRSchemaError(Format(SSchemaReadTablesFailed, { Problem }));
    const bool SQLite = IsSQLite(Database);
    std::vector<std::string> Names;
    // QSql::TableType is a plain enumeration, though tables() takes its values combined.
    const auto TablesAndViews = static_cast<QSql::TableType>(QSql::Tables | QSql::Views);
    for (const QString &Table : Database.tables(TablesAndViews)) {
        std::string Name = Table.toStdString();
        if (!SQLite || !IsSQLiteInternal(Name))
            Names.push_back(std::move(Name));
    }
    std::sort(Names.begin(), Names.end(), [](const std::string &A, const std::string &B) {
        const int Order = CompareText(A, B);
        return Order != 0 ? Order < 0 : A < B;
    });
    // SQLite lists a temporary table beside the database's table it hides; a window can only be
    // opened on the one the name reaches.
    Names.erase(std::unique(Names.begin(), Names.end(),
                        [](const std::string &A, const std::string &B) { return SameText(A, B); }),
            Names.end());
    return Names;
}

bool TKRSqlSchema::HasTable(const std::string &Text) const
{
    const std::string Name = DatabaseName(Text);
    const std::vector<std::string> Names = Tables();
    return std::any_of(
            Names.begin(), Names.end(), [&Name](const std::string &Table) { return SameText(Table, Name); });
}

std::unique_ptr<TDataSet> TKRSqlSchema::ReadFields(const std::string &Text) const
{
    const std::string Name = DatabaseName(Text);
    std::string Problem;
    const QSqlDatabase Database = OpenConnection(Problem);
    if (!Problem.empty())
        throw EKRSchemaError(Format(SSchemaReadFieldsFailed, { Name, Problem }));
    return IsSQLite(Database) ? ReadSQLiteFields(Database, Name) : ReadDriverFields(Database, Name);
}

// The driver's record describes DATE and DATETIME columns as strings and NUMERIC as double, so
// SQLite's columns are read from the declared types. The table-valued form of PRAGMA table_info
// takes the name as a bound value: no name, however it is quoted, becomes part of the statement.
std::unique_ptr<TDataSet> TKRSqlSchema::ReadSQLiteFields(
        const QSqlDatabase &Database, const std::string &Name) const
{
    QSqlQuery Query(Database);
    Query.setForwardOnly(true);
    const auto Fail = [&] {
        throw EKRSchemaError(Format(SSchemaReadFieldsFailed, { Name, ErrorText(Query.lastError()) }));
    };
    if (!Query.prepare(QStringLiteral("SELECT name, type FROM pragma_table_info(?) ORDER BY cid")))
        Fail();
    Query.addBindValue(QString::fromStdString(Name));
    if (!Query.exec())
        Fail();
    auto DataSet = std::make_unique<TDataSet>();
    while (Query.next())
        DataSet->AddField(Query.value(0).toString().toStdString(),
                FieldTypeOf(Query.value(1).toString().toStdString()));
    // A step that fails (a view over a dropped table) ends the rows early.
    if (Query.lastError().isValid())
        Fail();
    // Every table and view has a column, so no row means no such table.
    if (DataSet->FieldCount() == 0)
        return nullptr;
    return DataSet;
}

std::unique_ptr<TDataSet> TKRSqlSchema::ReadDriverFields(
        const QSqlDatabase &Database, const std::string &Name) const
{
    // Drivers build their own statement around the name, and not all of them escape the quotes
    // inside it; so only a name the database itself listed, in its own spelling, is handed on.
    const std::vector<std::string> Names = Tables();
    const auto Listed = std::find_if(
            Names.begin(), Names.end(), [&Name](const std::string &Table) { return SameText(Table, Name); });
    if (Listed == Names.end())
        return nullptr;
    const QSqlRecord Record = Database.record(QString::fromStdString(*Listed));
    if (Record.isEmpty())
        return nullptr;
    auto DataSet = std::make_unique<TDataSet>();
    for (int I = 0; I < Record.count(); ++I) {
        const QSqlField Field = Record.field(I);
        DataSet->AddField(Field.name().toStdString(), FieldTypeOf(Field.metaType()));
    }
    return DataSet;
}

void TKRSqlSchema::GetTableFields(const std::string &Name, TDataSet *&DataSet, TParams *& /*Params*/)
{
    FDataSet.reset();
    try {
        FDataSet = ReadFields(Name);
    } catch (const Exception &E) {
        ReportError(E.Message());
    } catch (const std::exception &E) {
        ReportError(E.what());
    }
    DataSet = FDataSet.get();
}

void TKRSqlSchema::ReportError(const std::string &Message)
{
    if (FOnError)
        FOnError(Message);
    else
        KRPrompter().ShowException(qobject_cast<QWidget *>(parent()), Message);
}

TFieldType TKRSqlSchema::FieldTypeOf(const std::string &DeclaredType)
{
    const std::string Type = AnsiUpperCase(Trim(DeclaredType));
    const auto Has = [&Type](std::string_view Word) { return Type.find(Word) != std::string::npos; };
    if (Has("INT")) {
        if (Has("BIGINT") || Has("BIG INT") || Has("INT8"))
            return ftLargeint;
        if (Has("SMALLINT") || Has("TINYINT") || Has("INT2"))
            return ftSmallint;
        return ftInteger;
    }
    if (Has("CHAR") || Has("CLOB") || Has("TEXT"))
        return ftString;
    if (Type.empty() || Has("BLOB"))
        return ftBlob;
    if (Has("REAL") || Has("FLOA") || Has("DOUB"))
        return ftFloat;
    if (Has("BOOL"))
        return ftBoolean;
    if (Has("DATETIME") || Has("TIMESTAMP"))
        return ftDateTime;
    if (Has("DATE"))
        return ftDate;
    if (Has("TIME"))
        return ftTime;
    if (Has("NUMERIC") || Has("DECIMAL"))
        return ftBCD;
    return ftUnknown;
}

TFieldType TKRSqlSchema::FieldTypeOf(QMetaType Type)
{
    switch (Type.id()) {
    case QMetaType::Bool:
        return ftBoolean;
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::UChar:
    case QMetaType::Short:
    case QMetaType::UShort:
        return ftSmallint;
    case QMetaType::Int:
        return ftInteger;
    // An unsigned 32-bit value may not fit an Integer.
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        return ftLargeint;
    case QMetaType::Float:
    case QMetaType::Double:
        return ftFloat;
    case QMetaType::QChar:
    case QMetaType::QString:
        return ftString;
    case QMetaType::QByteArray:
        return ftBlob;
    case QMetaType::QDate:
        return ftDate;
    case QMetaType::QTime:
        return ftTime;
    case QMetaType::QDateTime:
        return ftDateTime;
    case QMetaType::QUuid:
        return ftGuid;
    default:
        return ftUnknown;
    }
}

TKRSqlSchema *KRConnectSchema(TCustomKorvan &Korvan, const QSqlDatabase &Database)
{
    for (TKRSqlSchema *Earlier :
            Korvan.findChildren<TKRSqlSchema *>(ConnectedSchemaName(), Qt::FindDirectChildrenOnly))
        delete Earlier;
    auto *Schema = new TKRSqlSchema(Database.connectionName(), &Korvan);
    Schema->setObjectName(ConnectedSchemaName());
    // The application may free the source before the component.
    Korvan.SetOnGetTableFields([Source = QPointer<TKRSqlSchema>(Schema)](
                                       const std::string &Name, TDataSet *&DataSet, TParams *&Params) {
        if (Source)
            Source->GetTableFields(Name, DataSet, Params);
    });
    return Schema;
}

} // namespace korvan
