// The dialect list: each name makes the parser that programs used to build by hand, with the options
// it takes, and tells them back from the parser; unknown names and options are clear errors.
#include "dialects/KRDialects.h"

#include "dialects/KRIBSelectParser.h"
#include "dialects/KRMySelectParser.h"

#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <typeinfo>
#include <vector>

using namespace korvan;

namespace {

TKRDialectOptions Quoting(bool Value)
{
    TKRDialectOptions Options;
    Options.QuoteIdentifiers = Value;
    return Options;
}

TKRDialectOptions SQLDialect(int Value)
{
    TKRDialectOptions Options;
    Options.SQLDialect = Value;
    return Options;
}

std::unique_ptr<TKRSelectParser> ByHand(TKRIBSQLServer Server, TKRSQLDialect Dialect)
{
    auto Parser = Construct<TKRIBSelectParser>();
    Parser->SetSQLServer(Server);
    static_cast<TKRIBScanner *>(Parser->Scanner())->SetDialect(Dialect);
    return Parser;
}

template <class TParser>
std::unique_ptr<TKRSelectParser> ByHand(bool Quote)
{
    std::unique_ptr<TKRSelectParser> Parser = Construct<TParser>();
    Parser->Scanner()->SetQuoteIdentifiers(Quote);
    return Parser;
}

//! A name and options, the parser that was built for them by hand, and what the list tells back.
struct TMakeCase
{
    std::string Name;
    TKRDialectOptions Options;
    std::function<std::unique_ptr<TKRSelectParser>()> MakeByHand;
    TKRDialectOptions Described;
};

const std::vector<TMakeCase> &MakeCases()
{
    static const std::vector<TMakeCase> Cases = {
        { "generic", {}, [] { return ByHand<TKRSelectParser>(true); }, Quoting(true) },
        { "generic", Quoting(false), [] { return ByHand<TKRSelectParser>(false); }, Quoting(false) },
        { "interbase", {}, [] { return ByHand(qssInterBase, qibDialect3); }, SQLDialect(3) },
        { "interbase", SQLDialect(1), [] { return ByHand(qssInterBase, qibDialect1); }, SQLDialect(1) },
        { "firebird", SQLDialect(3), [] { return ByHand(qssFireBird, qibDialect3); }, SQLDialect(3) },
        { "firebird", SQLDialect(1), [] { return ByHand(qssFireBird, qibDialect1); }, SQLDialect(1) },
        { "mysql", Quoting(true), [] { return ByHand<TKRMySelectParser>(true); }, Quoting(true) },
        { "mysql", Quoting(false), [] { return ByHand<TKRMySelectParser>(false); }, Quoting(false) },
    };
    return Cases;
}

std::string OptionsText(const TKRDialectOptions &Options)
{
    return "quote " + (Options.QuoteIdentifiers ? std::to_string(*Options.QuoteIdentifiers) : "-")
            + ", SQL dialect " + (Options.SQLDialect ? std::to_string(*Options.SQLDialect) : "-");
}

// Statements that reach the dialects' own clauses and every kind of quoting: mixed-case and quoted
// names, double-quoted text, back quotes, FIRST and SKIP, ROWS, LIMIT.
const std::vector<std::string> Statements = {
    "SELECT a, \"Mixed Name\" AS m FROM t, u WHERE t.a = u.b AND c = \"x\" ORDER BY a DESC",
    "select first 10 skip 5 name from customer where city = 'Oslo'",
    "SELECT \"Name\" FROM T ORDER BY \"Name\" ROWS 1 TO 10",
    "SELECT HIGH_PRIORITY DISTINCT `a` FROM t WHERE b = 'It\\'s' LIMIT 5, 10",
    "SELECT COUNT(*), d FROM t GROUP BY d HAVING COUNT(*) > 1",
};

//! The written text, or the message of the error reading Sql raised.
std::string Written(TKRSelectParser &Parser, const std::string &Sql)
{
    try {
        Parser.SetExpression(Sql);
        return Parser.GetExpression();
    } catch (const Exception &Error) {
        return "error: " + Error.Message();
    }
}

std::string ErrorOf(const std::function<void()> &Call)
{
    try {
        Call();
    } catch (const EKRDialectError &Error) {
        return Error.Message();
    }
    return "no error";
}

} // namespace

// The order is part of the list: korvan-sql's usage text and messages name the dialects in it, and
// the quoting fuzz target picks one by its index.
TEST(KRDialects, ListsEveryDialectOnceInOrder)
{
    EXPECT_EQ(DialectNames(), (std::vector<std::string_view>{ "generic", "interbase", "firebird", "mysql" }));
    for (const TKRDialect &Dialect : Dialects()) {
        EXPECT_EQ(FindDialect(Dialect.Name), &Dialect);
        // korvan-sql says "quoting follows --sql-dialect" to a dialect that takes no quoting option.
        EXPECT_NE(Dialect.TakesQuoteIdentifiers, Dialect.TakesSQLDialect) << Dialect.Name;
    }
    EXPECT_EQ(FindDialect("MySQL"), nullptr);
    EXPECT_EQ(FindDialect(""), nullptr);
}

TEST(KRDialects, EachNameMakesTheParserBuiltByHandAndTellsItsOptionsBack)
{
    for (const TMakeCase &Case : MakeCases()) {
        SCOPED_TRACE(Case.Name + ", " + OptionsText(Case.Options));
        const std::unique_ptr<TKRSelectParser> Parser = CreateDialectParser(Case.Name, Case.Options);
        const std::unique_ptr<TKRSelectParser> Old = Case.MakeByHand();
        EXPECT_EQ(typeid(*Parser), typeid(*Old));
        EXPECT_EQ(Parser->Scanner()->GetQuoteIdentifiers(), Old->Scanner()->GetQuoteIdentifiers());
        const TKRParserDialect Told = DialectOf(*Parser);
        ASSERT_NE(Told.Dialect, nullptr);
        EXPECT_EQ(Told.Dialect->Name, Case.Name);
        EXPECT_EQ(OptionsText(Told.Options), OptionsText(Case.Described));
        EXPECT_EQ(OptionsText(DialectOf(*Old).Options), OptionsText(Case.Described));
        for (const std::string &Sql : Statements) {
            SCOPED_TRACE(Sql);
            EXPECT_EQ(Written(*Parser, Sql), Written(*Old, Sql));
        }
    }
}

TEST(KRDialects, DialectOfFollowsTheParserAsItIsNow)
{
    // A server or quoting changed after the parser was made is what the list reports.
    auto InterBase = CreateDialectParser("interbase");
    static_cast<TKRIBSelectParser &>(*InterBase).SetSQLServer(qssFireBird);
    static_cast<TKRIBScanner &>(*InterBase->Scanner()).SetDialect(qibDialect1);
    EXPECT_EQ(DialectOf(*InterBase).Dialect, FindDialect("firebird"));
    EXPECT_EQ(OptionsText(DialectOf(*InterBase).Options), OptionsText(SQLDialect(1)));

    auto MySQL = CreateDialectParser("mysql");
    MySQL->Scanner()->SetQuoteIdentifiers(false);
    EXPECT_EQ(OptionsText(DialectOf(*MySQL).Options), OptionsText(Quoting(false)));

    // A class of the program's own is in no entry, even one derived from a listed class.
    class TOwnParser : public TKRMySelectParser
    {
    public:
        using TKRMySelectParser::TKRMySelectParser;
    };
    EXPECT_EQ(DialectOf(*Construct<TOwnParser>()).Dialect, nullptr);
}

TEST(KRDialects, UnknownNamesAndOptionsAreClearErrors)
{
    const std::vector<std::pair<std::function<void()>, std::string>> Cases = {
        { [] { CreateDialectParser("oracle"); },
                "Unknown dialect 'oracle' (the dialects are generic, interbase, firebird, mysql)" },
        { [] { DialectByName("Firebird"); },
                "Unknown dialect 'Firebird' (the dialects are generic, interbase, firebird, mysql)" },
        { [] { CreateDialectParser("firebird", Quoting(true)); },
                "Dialect 'firebird' takes no option QuoteIdentifiers" },
        { [] { CreateDialectParser("generic", SQLDialect(3)); },
                "Dialect 'generic' takes no option SQLDialect" },
        { [] { CreateDialectParser("mysql", SQLDialect(1)); }, "Dialect 'mysql' takes no option SQLDialect" },
        { [] { CreateDialectParser("interbase", SQLDialect(2)); }, "SQL dialect 2 is not 1 or 3" },
        { [] { CheckDialectOptions(DialectByName("interbase"), SQLDialect(0)); },
                "SQL dialect 0 is not 1 or 3" },
    };
    for (const auto &[Call, Message] : Cases)
        EXPECT_EQ(ErrorOf(Call), Message);
    // Programs that catch the system's errors catch these too.
    EXPECT_THROW(CreateDialectParser(""), Exception);
}
