// The dialects the core reads and writes, in one list: each one's name, what it is, how its parser
// is made and which options it takes. Programs choose a dialect by its name here, so a new dialect
// is one new entry of the list.
#pragma once

#include "framework/KRException.h"
#include "parser/KRSelectParser.h"

#include <memory>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace korvan {

//! What a program may choose beside the dialect itself. An option left empty keeps the dialect's
//! default; giving one that the dialect does not take is an error.
struct TKRDialectOptions
{
    //! Generic and MySQL: write names in identifier quotes (default on).
    std::optional<bool> QuoteIdentifiers;
    //! InterBase and Firebird: the server's SQL dialect, 1 or 3 (default 3), which decides the
    //! quoting; the server itself follows from the dialect.
    std::optional<int> SQLDialect;

    bool operator==(const TKRDialectOptions &) const = default;
};

//! One dialect of the list.
struct TKRDialect
{
    //! Lower case, as programs and command lines name it.
    std::string_view Name;
    //! One line for people choosing a dialect.
    std::string_view Description;
    bool TakesQuoteIdentifiers = false;
    bool TakesSQLDialect = false;
    //! A new parser of the dialect with Options applied; the options are checked before.
    std::unique_ptr<TKRSelectParser> (*Make)(const TKRDialectOptions &Options) = nullptr;
    //! Every option the dialect takes as Parser has it, when Parser is of this dialect: of the
    //! class that Make makes (not a class derived from it) and, where it matters, the same server.
    std::optional<TKRDialectOptions> (*Describe)(const TKRSelectParser &Parser) = nullptr;
};

//! A dialect cannot be made as asked: an unknown name, or an option it does not take.
class EKRDialectError : public Exception
{
public:
    using Exception::Exception;
};

//! Every dialect, the generic one first.
std::span<const TKRDialect> Dialects();
std::vector<std::string_view> DialectNames();
//! The dialect named exactly Name, nullptr when there is none.
const TKRDialect *FindDialect(std::string_view Name);
//! As FindDialect; raises EKRDialectError, naming the dialects there are.
const TKRDialect &DialectByName(std::string_view Name);

//! Raises EKRDialectError for an option the dialect does not take and for an SQL dialect other
//! than 1 or 3.
void CheckDialectOptions(const TKRDialect &Dialect, const TKRDialectOptions &Options);
//! A new parser of the dialect, options checked and applied. Raises EKRDialectError.
std::unique_ptr<TKRSelectParser> CreateDialectParser(
        const TKRDialect &Dialect, const TKRDialectOptions &Options = {});
std::unique_ptr<TKRSelectParser> CreateDialectParser(
        std::string_view Name, const TKRDialectOptions &Options = {});

//! Which dialect a parser reads, and with which options.
struct TKRParserDialect
{
    //! nullptr when the parser's class is in no entry of the list.
    const TKRDialect *Dialect = nullptr;
    //! Every option the dialect takes, filled in.
    TKRDialectOptions Options;
};

TKRParserDialect DialectOf(const TKRSelectParser &Parser);

} // namespace korvan
