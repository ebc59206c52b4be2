// An SQLite database file as korvan-widget's schema: opened read-only, and checked before use, so
// that a missing or foreign file is a clear error instead of a new, empty database.
#pragma once

#include "schema/KRSqlSchema.h"

#include <memory>
#include <string>

namespace korvan {

class TKRSchemaFile
{
public:
    //! Opens Path read-only through Qt SQL's SQLite driver (a QApplication must exist). Raises
    //! Exception, naming the file and the reason, when it is missing, unreadable, no SQLite
    //! database, or its tables cannot be read.
    explicit TKRSchemaFile(const std::string &Path);
    ~TKRSchemaFile();
    TKRSchemaFile(const TKRSchemaFile &) = delete;
    TKRSchemaFile &operator=(const TKRSchemaFile &) = delete;

    const TKRSqlSchema &Schema() const { return *FSchema; }

private:
    std::unique_ptr<TKRSqlSchema> FSchema;
};

} // namespace korvan
