// The query builder for InterBase and Firebird: the component with the dialect's parser, and the
// choice of SQL dialect (which decides the quoting) and of server (which decides FIRST/SKIP or ROWS).
#pragma once

#include "component/KRKorvan.h"
#include "dialects/KRIBScanner.h"
#include "dialects/KRIBSelectParser.h"

namespace korvan {

class TInterBaseKorvan : public TCustomKorvan
{
    Q_OBJECT
    Q_PROPERTY(TKRSQLDialect SQLDialect READ SQLDialect WRITE SetSQLDialect RESET ResetSQLDialect)
    Q_PROPERTY(TKRIBSQLServer SQLServer READ SQLServer WRITE SetSQLServer RESET ResetSQLServer)

public:
    //! The parser's values as a form designer shows them.
    enum TKRSQLDialect { qibDialect1 = korvan::qibDialect1, qibDialect3 = korvan::qibDialect3 };
    Q_ENUM(TKRSQLDialect)
    enum TKRIBSQLServer { qssInterBase = korvan::qssInterBase, qssFireBird = korvan::qssFireBird };
    Q_ENUM(TKRIBSQLServer)

    explicit TInterBaseKorvan(QWidget *Parent = nullptr, bool Designing = false);

    std::unique_ptr<TKRSelectParser> CreateParser() const override;
    TKRIBSelectParser *IBParser() const;

    //! The scanner's dialect; dialect 1 for a scanner of another kind, which ignores the setter.
    TKRSQLDialect SQLDialect() const;
    void SetSQLDialect(TKRSQLDialect Value);
    void ResetSQLDialect() { SetSQLDialect(qibDialect3); }
    bool IsSQLDialectStored() const { return SQLDialect() != qibDialect3; }
    TKRIBSQLServer SQLServer() const;
    void SetSQLServer(TKRIBSQLServer Value);
    void ResetSQLServer() { SetSQLServer(qssInterBase); }
    bool IsSQLServerStored() const { return SQLServer() != qssInterBase; }
};

} // namespace korvan
