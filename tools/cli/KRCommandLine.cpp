#include "KRCommandLine.h"

#include <array>
#include <string_view>
#include <vector>

namespace korvan {

namespace {

//! Names as a sentence lists them: Join({a, b, c}, ", ", " or ") gives "a, b or c".
std::string Join(
        const std::vector<std::string_view> &Names, std::string_view Separator, std::string_view Last)
{
    std::string Result;
    for (std::size_t I = 0; I < Names.size(); ++I) {
        if (I > 0)
            Result += I + 1 == Names.size() ? Last : Separator;
        Result += Names[I];
    }
    return Result;
}

//! The dialects that take the option Takes names, in the list's order.
std::vector<std::string_view> NamesTaking(bool TKRDialect::*Takes)
{
    std::vector<std::string_view> Result;
    for (const TKRDialect &Dialect : Dialects()) {
        if (Dialect.*Takes)
            Result.push_back(Dialect.Name);
    }
    return Result;
}

std::string SQLDialectNames()
{
    return Join(NamesTaking(&TKRDialect::TakesSQLDialect), ", ", " and ");
}

// The dialects and the options they take come from the dialect list; the tool says what it does
// and lists its own options before --help.
std::string MakeUsage(const TKRProgramOptions &Program)
{
    return "Usage: " + Program.Name() + " [options] [FILE]\n" + Program.Description() + R"(
Options:
  --dialect )"
            + Join(DialectNames(), "|", "|") + R"(
                             the SQL dialect of the statement (default generic)
  --sql-dialect 1|3          )"
            + SQLDialectNames() + R"( only: the server's SQL dialect,
                             which decides the quoting (default 3)
  --no-quote                 write names without identifier quotes ()"
            + Join(NamesTaking(&TKRDialect::TakesQuoteIdentifiers), ", ", " and ") + R"()
  --keywords asis|upper|lower|first
                             letter case of keywords (default asis)
  --functions asis|upper|lower|first
                             letter case of function names (default asis)
  --crlf                     keep the CR LF line breaks of the generated SQL
  --json                     print the query model as JSON instead of SQL
                             (a byte that is not valid UTF-8 is written as \u00XX, XX its value)
)" + Program.OptionsUsage()
            + R"(  --help                     print this text and exit

Exit status: 0 done, 1 failure, 2 syntax error in a statement, 64 bad usage.
)";
}

struct TFormatName
{
    std::string_view Name;
    TKRFormatMode Mode;
};

constexpr std::array<TFormatName, 4> FormatNames = { {
        { "asis", qfmAsIs },
        { "upper", qfmUpperCase },
        { "lower", qfmLowerCase },
        { "first", qfmFirstUpper },
} };

TKRFormatMode ParseFormatMode(const std::string &Option, const std::string &Value)
{
    for (const TFormatName &Entry : FormatNames) {
        if (Entry.Name == Value)
            return Entry.Mode;
    }
    throw EKRUsageError("bad value '" + Value + "' for " + Option + " (asis, upper, lower or first)");
}

std::string ParseDialect(const std::string &Value)
{
    if (FindDialect(Value) == nullptr)
        throw EKRUsageError(
                "bad value '" + Value + "' for --dialect (" + Join(DialectNames(), ", ", " or ") + ")");
    return Value;
}

bool TakesSharedValue(const std::string &Option)
{
    return Option == "--dialect" || Option == "--sql-dialect" || Option == "--keywords"
            || Option == "--functions";
}

void ApplyValue(TKRCommandLine &Result, const std::string &Option, const std::string &Value)
{
    if (Option == "--dialect")
        Result.Dialect = ParseDialect(Value);
    else if (Option == "--sql-dialect") {
        if (Value != "1" && Value != "3")
            throw EKRUsageError("bad value '" + Value + "' for --sql-dialect (1 or 3)");
        Result.DialectOptions.SQLDialect = Value == "1" ? 1 : 3;
    } else if (Option == "--keywords")
        Result.KeywordsFormat = ParseFormatMode(Option, Value);
    else
        Result.FunctionsFormat = ParseFormatMode(Option, Value);
}

//! False when Option is no flag.
bool ApplyFlag(TKRCommandLine &Result, const std::string &Option)
{
    if (Option == "--no-quote")
        Result.DialectOptions.QuoteIdentifiers = false;
    else if (Option == "--crlf")
        Result.CrLf = true;
    else if (Option == "--json")
        Result.Json = true;
    else if (Option == "--help")
        Result.Help = true;
    else
        return false;
    return true;
}

void SetFileName(TKRCommandLine &Result, bool &HaveFile, const std::string &Arg)
{
    if (HaveFile)
        throw EKRUsageError("more than one FILE: '" + Result.FileName + "' and '" + Arg + "'");
    HaveFile = true;
    Result.FileName = Arg;
}

} // namespace

// Options take their value as the next argument or after "=" (--keywords=upper); "--" ends the
// options, so that a file whose name starts with "-" can still be read.
TKRCommandLine ParseCommandLine(const std::vector<std::string> &Args, TKRProgramOptions &Program)
{
    TKRCommandLine Result;
    bool HaveFile = false;
    bool OptionsEnded = false;
    for (std::size_t I = 0; I < Args.size(); ++I) {
        const std::string &Arg = Args[I];
        if (OptionsEnded || Arg == "-" || Arg.empty() || Arg[0] != '-') {
            SetFileName(Result, HaveFile, Arg);
            continue;
        }
        if (Arg == "--") {
            OptionsEnded = true;
            continue;
        }
        const std::size_t Equals = Arg.find('=');
        const std::string Option = Arg.substr(0, Equals);
        const bool Shared = TakesSharedValue(Option);
        if (Shared || Program.TakesValue(Option)) {
            if (Equals == std::string::npos && I + 1 >= Args.size())
                throw EKRUsageError(Option + " needs a value");
            const std::string Value = Equals != std::string::npos ? Arg.substr(Equals + 1) : Args[++I];
            if (Shared)
                ApplyValue(Result, Option, Value);
            else
                Program.ApplyValue(Option, Value);
        } else if (Equals != std::string::npos && (ApplyFlag(Result, Option) || Program.ApplyFlag(Option))) {
            throw EKRUsageError(Option + " takes no value");
        } else if (!ApplyFlag(Result, Arg) && !Program.ApplyFlag(Arg)) {
            throw EKRUsageError("unknown option '" + Arg + "'");
        }
    }
    // Quoting in the InterBase dialects follows the server's SQL dialect, and only they have one.
    const TKRDialect &Dialect = DialectByName(Result.Dialect);
    if (Result.DialectOptions.SQLDialect && !Dialect.TakesSQLDialect)
        throw EKRUsageError("--sql-dialect applies to " + SQLDialectNames() + " only");
    if (Result.DialectOptions.QuoteIdentifiers && !Dialect.TakesQuoteIdentifiers)
        throw EKRUsageError(
                "--no-quote does not apply to " + Result.Dialect + ": quoting follows --sql-dialect");
    Program.Check(Result);
    return Result;
}

std::string UsageText(const TKRProgramOptions &Program)
{
    return MakeUsage(Program);
}

} // namespace korvan
