// The query builder for MySQL: the component with the dialect's parser (back-quoted names, the
// select options, DISTINCTROW and LIMIT, reached through the parser's MySQLOptions).
#pragma once

#include "component/KRKorvan.h"
#include "dialects/KRMySelectParser.h"

namespace korvan {

class TMySQLKorvan : public TCustomKorvan
{
    Q_OBJECT
    Q_PROPERTY(
            bool QuoteIdentifiers READ QuoteIdentifiers WRITE SetQuoteIdentifiers RESET ResetQuoteIdentifiers)

public:
    explicit TMySQLKorvan(QWidget *Parent = nullptr, bool Designing = false);

    std::unique_ptr<TKRSelectParser> CreateParser() const override;
    TKRMySelectParser *MySQLParser() const;
};

} // namespace korvan
