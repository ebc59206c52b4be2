// The tables and columns of an application's database, read through Qt SQL, in the form the
// component asks for them: a data set of field descriptions for each table a window is opened on.
#pragma once

#include "framework/KRDataSet.h"
#include "framework/KRException.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <QMetaType>
#include <QObject>
#include <QString>

class QSqlDatabase;

namespace korvan {

class TCustomKorvan;

//! The database could not be read: its connection is gone or closed, or a query failed.
class EKRSchemaError : public Exception
{
public:
    using Exception::Exception;
};

/*!
 * The fields of the tables of one open database, for the component's OnGetTableFields. It names
 * the connection rather than holding it, so the application stays free to close, reopen or remove
 * the connection between calls; every call fetches the connection anew.
 */
class TKRSqlSchema : public QObject
{
    Q_OBJECT

public:
    //! Reads through the connection ConnectionName (as QSqlDatabase::database opens it, without
    //! opening it).
    explicit TKRSqlSchema(const QString &ConnectionName, QObject *Parent = nullptr);
    ~TKRSqlSchema() override;

    const QString &ConnectionName() const { return FConnectionName; }

    //! The tables and views an application offers to add, in name order (letter case ignored);
    //! SQLite's own sqlite_ tables left out. Raises EKRSchemaError when the database is not open.
    std::vector<std::string> Tables() const;
    //! Whether Tables() holds Name, letter case ignored as SQLite does (ASCII letters only); raises
    //! as Tables() does.
    bool HasTable(const std::string &Name) const;
    //! A name held in identifier quotes, as a statement writes it, is looked up without them.
    //! The columns of Name in declaration order with their types; nullptr when the database has no
    //! such table or view. Raises EKRSchemaError when the database is not open or the query fails.
    std::unique_ptr<TDataSet> ReadFields(const std::string &Name) const;

    /*!
     * Answers OnGetTableFields. DataSet becomes this source's own data set, valid until the next
     * call; Params stays nullptr. An unknown table gives no data set. An error gives no data set
     * either and goes to OnError or, without a handler, into an error box over the parent widget;
     * it never escapes into the component.
     */
    void GetTableFields(const std::string &Name, TDataSet *&DataSet, TParams *&Params);
    void SetOnError(std::function<void(const std::string &Message)> Value) { FOnError = std::move(Value); }

    /*!
     * The field type for a column declared as DeclaredType. SQLite decides a column's storage by
     * its type affinity, found by looking for words inside the declared type in this order; each
     * affinity is refined by the usual type names:
     * - "INT" anywhere: integer; ftLargeint for BIGINT, BIG INT and INT8, ftSmallint for SMALLINT,
     *   TINYINT and INT2, otherwise ftInteger (so MEDIUMINT and even POINT are ftInteger, as
     *   SQLite stores them);
     * - "CHAR", "CLOB" or "TEXT": ftString;
     * - "BLOB", or no type at all: ftBlob (SQLite keeps such values exactly as given);
     * - "REAL", "FLOA" or "DOUB": ftFloat;
     * - otherwise numeric: ftBoolean for BOOL...; ftDateTime for DATETIME and TIMESTAMP; ftDate
     *   for DATE; ftTime for TIME; ftBCD for NUMERIC and DECIMAL; ftUnknown for anything else.
     * Letter case is ignored; sizes such as (10,2) change nothing.
     */
    static TFieldType FieldTypeOf(const std::string &DeclaredType);
    //! The field type for a value type that a Qt SQL driver reports; ftUnknown for one it has not.
    static TFieldType FieldTypeOf(QMetaType Type);

private:
    //! The connection when it is open; otherwise an unusable handle, and Problem says why.
    QSqlDatabase OpenConnection(std::string &Problem) const;
    std::unique_ptr<TDataSet> ReadSQLiteFields(const QSqlDatabase &Database, const std::string &Name) const;
    std::unique_ptr<TDataSet> ReadDriverFields(const QSqlDatabase &Database, const std::string &Name) const;
    void ReportError(const std::string &Message);

    const QString FConnectionName;
    std::unique_ptr<TDataSet> FDataSet;
    std::function<void(const std::string &Message)> FOnError;
};

//! Connects Korvan to Database: the component's OnGetTableFields is answered by a schema source
//! that becomes the component's child, and that is returned. A source connected earlier is freed.
TKRSqlSchema *KRConnectSchema(TCustomKorvan &Korvan, const QSqlDatabase &Database);

} // namespace korvan
