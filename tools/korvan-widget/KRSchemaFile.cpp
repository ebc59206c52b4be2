#include "KRSchemaFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

namespace korvan {

namespace {

//! The one connection the tool opens.
QString ConnectionName()
{
    return QStringLiteral("korvan-widget-schema");
}

struct TFileCloser
{
    void operator()(std::FILE *File) const { std::fclose(File); }
};

// Every SQLite database file starts with these 16 bytes. Opening anything else would only fail at
// the first query, and opening a file that is not there would create it.
void CheckDatabaseFile(const std::string &Path, const std::string &Problem)
{
    std::error_code Error;
    if (std::filesystem::is_directory(Path, Error))
        throw Exception(Problem + std::strerror(EISDIR));
    const std::unique_ptr<std::FILE, TFileCloser> File(std::fopen(Path.c_str(), "rb"));
    if (!File)
        throw Exception(Problem + std::strerror(errno));
    constexpr char Header[] = "SQLite format 3";
    char Start[sizeof Header] = {};
    if (std::fread(Start, 1, sizeof Start, File.get()) != sizeof Start
            || std::memcmp(Start, Header, sizeof Header) != 0)
        throw Exception(Problem + "not an SQLite database");
}

void OpenConnection(const std::string &Path, const std::string &Problem)
{
    QSqlDatabase Database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), ConnectionName());
    Database.setDatabaseName(QString::fromStdString(Path));
    Database.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
    if (!Database.open())
        throw Exception(Problem + Database.lastError().text().trimmed().toStdString());
    // A file with the right header can still be damaged, and the driver's list of tables hides
    // that: the catalogue is read once here.
    QSqlQuery Query(Database);
    if (!Query.exec(QStringLiteral("SELECT count(*) FROM sqlite_master")))
        throw Exception(Problem + Query.lastError().text().trimmed().toStdString());
}

//! Once no handle of the connection is left.
void CloseConnection()
{
    QSqlDatabase::database(ConnectionName(), false).close();
    QSqlDatabase::removeDatabase(ConnectionName());
}

} // namespace

TKRSchemaFile::TKRSchemaFile(const std::string &Path)
{
    const std::string Problem = "korvan-widget: cannot read the schema '" + Path + "': ";
    CheckDatabaseFile(Path, Problem);
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QSQLITE")))
        throw Exception(Problem + "Qt SQL has no SQLite driver (QSQLITE) here");
    try {
        OpenConnection(Path, Problem);
        FSchema = std::make_unique<TKRSqlSchema>(ConnectionName());
    } catch (...) {
        FSchema.reset();
        CloseConnection();
        throw;
    }
}

TKRSchemaFile::~TKRSchemaFile()
{
    FSchema.reset();
    CloseConnection();
}

} // namespace korvan
