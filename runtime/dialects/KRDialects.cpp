#include "KRDialects.h"

#include "dialects/KRIBSelectParser.h"
#include "dialects/KRMySelectParser.h"
#include "framework/KRText.h"
#include "resources/KRResource.h"

#include <array>
#include <typeinfo>

namespace korvan {

namespace {

// Generic and MySQL: the scanner's identifier quoting is the one option.
template <class TParser>
std::unique_ptr<TKRSelectParser> MakeQuoting(const TKRDialectOptions &Options)
{
    std::unique_ptr<TKRSelectParser> Parser = Construct<TParser>();
    if (Options.QuoteIdentifiers)
        Parser->Scanner()->SetQuoteIdentifiers(*Options.QuoteIdentifiers);
    return Parser;
}

template <class TParser>
std::optional<TKRDialectOptions> DescribeQuoting(const TKRSelectParser &Parser)
{
    if (typeid(Parser) != typeid(TParser))
        return std::nullopt;
    TKRDialectOptions Options;
    Options.QuoteIdentifiers = Parser.Scanner()->QuoteIdentifiers();
    return Options;
}

// InterBase and Firebird: one parser class whose server the entry fixes; the scanner's SQL dialect
// decides the quoting.
template <TKRIBSQLServer Server>
std::unique_ptr<TKRSelectParser> MakeInterBase(const TKRDialectOptions &Options)
{
    auto Parser = Construct<TKRIBSelectParser>();
    Parser->SetSQLServer(Server);
    if (Options.SQLDialect)
        static_cast<TKRIBScanner *>(Parser->Scanner())
                ->SetDialect(*Options.SQLDialect == 1 ? qibDialect1 : qibDialect3);
    return Parser;
}

template <TKRIBSQLServer Server>
std::optional<TKRDialectOptions> DescribeInterBase(const TKRSelectParser &Parser)
{
    if (typeid(Parser) != typeid(TKRIBSelectParser))
        return std::nullopt;
    const auto &InterBase = static_cast<const TKRIBSelectParser &>(Parser);
    if (InterBase.SQLServer() != Server)
        return std::nullopt;
    // Its own CreateScanner made the scanner; a value outside the enumeration quotes as dialect 3.
    const auto *Scanner = static_cast<const TKRIBScanner *>(InterBase.Scanner());
    TKRDialectOptions Options;
    Options.SQLDialect = Scanner->Dialect() == qibDialect1 ? 1 : 3;
    return Options;
}

constexpr std::array<TKRDialect, 4> List = { {
        { "generic", SDialectGeneric, true, false, MakeQuoting<TKRSelectParser>,
                DescribeQuoting<TKRSelectParser> },
        { "interbase", SDialectInterBase, false, true, MakeInterBase<qssInterBase>,
                DescribeInterBase<qssInterBase> },
        { "firebird", SDialectFirebird, false, true, MakeInterBase<qssFireBird>,
                DescribeInterBase<qssFireBird> },
        { "mysql", SDialectMySQL, true, false, MakeQuoting<TKRMySelectParser>,
                DescribeQuoting<TKRMySelectParser> },
} };

std::string JoinedNames()
{
    std::string Result;
    for (const TKRDialect &Dialect : List)
        Result += (Result.empty() ? "" : ", ") + std::string(Dialect.Name);
    return Result;
}

} // namespace

std::span<const TKRDialect> Dialects()
{
    return List;
}

std::vector<std::string_view> DialectNames()
{
    std::vector<std::string_view> Result;
    for (const TKRDialect &Dialect : List)
        Result.push_back(Dialect.Name);
    return Result;
}

const TKRDialect *FindDialect(std::string_view Name)
{
    for (const TKRDialect &Dialect : List) {
        if (Dialect.Name == Name)
            return &Dialect;
    }
    return nullptr;
}

const TKRDialect &DialectByName(std::string_view Name)
{
    if (const TKRDialect *Dialect = FindDialect(Name))
        return *Dialect;
    throw EKRDialectError(Format(SUnknownDialect, { Name, JoinedNames() }));
}

void CheckDialectOptions(const TKRDialect &Dialect, const TKRDialectOptions &Options)
{
    if (Options.QuoteIdentifiers && !Dialect.TakesQuoteIdentifiers)
        throw EKRDialectError(Format(SDialectTakesNoOption, { Dialect.Name, "QuoteIdentifiers" }));
    if (Options.SQLDialect && !Dialect.TakesSQLDialect)
        throw EKRDialectError(Format(SDialectTakesNoOption, { Dialect.Name, "SQLDialect" }));
    if (Options.SQLDialect && *Options.SQLDialect != 1 && *Options.SQLDialect != 3)
        throw EKRDialectError(Format(SInvalidSQLDialect, { *Options.SQLDialect }));
}

std::unique_ptr<TKRSelectParser> CreateDialectParser(
        const TKRDialect &Dialect, const TKRDialectOptions &Options)
{
    CheckDialectOptions(Dialect, Options);
    return Dialect.Make(Options);
}

std::unique_ptr<TKRSelectParser> CreateDialectParser(std::string_view Name, const TKRDialectOptions &Options)
{
    return CreateDialectParser(DialectByName(Name), Options);
}

TKRParserDialect DialectOf(const TKRSelectParser &Parser)
{
    for (const TKRDialect &Dialect : List) {
        if (std::optional<TKRDialectOptions> Options = Dialect.Describe(Parser))
            return { &Dialect, *Options };
    }
    return {};
}

} // namespace korvan
