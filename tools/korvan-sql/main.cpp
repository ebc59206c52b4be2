// korvan-sql: reads one SELECT statement and prints it as the core writes it back, or its model as
// JSON. Exit status: 0 done, 1 failure, 2 syntax error, 64 bad usage (as sysexits' EX_USAGE).
#include "KRCommandLine.h"
#include "KRErrorContext.h"
#include "KRJsonWriter.h"
#include "dialects/KRIBSelectParser.h"
#include "dialects/KRMySelectParser.h"
#include "parser/KRSelectParser.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <exception>
#include <memory>
#include <string>
#include <vector>

using namespace korvan;

namespace {

constexpr int ExitFailure = 1;
constexpr int ExitSyntaxError = 2;
constexpr int ExitUsage = 64;

struct TFileCloser
{
    void operator()(std::FILE *File) const { std::fclose(File); }
};

//! The whole stream, byte for byte; raises EKRUsageError naming Source and the system's reason.
std::string ReadAll(std::FILE *File, const std::string &Source)
{
    std::string Result;
    char Buffer[65536];
    std::size_t Read = 0;
    while ((Read = std::fread(Buffer, 1, sizeof Buffer, File)) > 0)
        Result.append(Buffer, Read);
    if (std::ferror(File))
        throw EKRUsageError("cannot read " + Source + ": " + std::strerror(errno));
    return Result;
}

std::string ReadInput(const TKRCommandLine &Options)
{
    if (Options.ReadsStandardInput())
        return ReadAll(stdin, "standard input");
    const std::string Source = "'" + Options.FileName + "'";
    const std::unique_ptr<std::FILE, TFileCloser> File(std::fopen(Options.FileName.c_str(), "rb"));
    if (!File)
        throw EKRUsageError("cannot read " + Source + ": " + std::strerror(errno));
    return ReadAll(File.get(), Source);
}

// The scanner breaks lines only at CR LF, so text from Unix editors would be one long line to it
// and every error would be reported on line 1.
std::string LfToCrLf(const std::string &Text)
{
    std::string Result;
    Result.reserve(Text.size());
    for (std::size_t I = 0; I < Text.size(); ++I) {
        if (Text[I] == '\n' && (I == 0 || Text[I - 1] != '\r'))
            Result += '\r';
        Result += Text[I];
    }
    return Result;
}

std::string CrLfToLf(const std::string &Text)
{
    std::string Result;
    Result.reserve(Text.size());
    for (std::size_t I = 0; I < Text.size(); ++I) {
        if (!(Text[I] == '\r' && I + 1 < Text.size() && Text[I + 1] == '\n'))
            Result += Text[I];
    }
    return Result;
}

std::unique_ptr<TKRSelectParser> CreateParser(const TKRCommandLine &Options)
{
    if (Options.Dialect == "interbase" || Options.Dialect == "firebird") {
        auto Parser = Construct<TKRIBSelectParser>();
        Parser->SetSQLServer(Options.Dialect == "firebird" ? qssFireBird : qssInterBase);
        static_cast<TKRIBScanner *>(Parser->Scanner())
                ->SetDialect(Options.SqlDialect == 1 ? qibDialect1 : qibDialect3);
        return Parser;
    }
    std::unique_ptr<TKRSelectParser> Parser;
    if (Options.Dialect == "mysql")
        Parser = Construct<TKRMySelectParser>();
    else
        Parser = Construct<TKRSelectParser>();
    Parser->Scanner()->SetQuoteIdentifiers(Options.QuoteIdentifiers);
    return Parser;
}

std::string Render(const TKRCommandLine &Options, const std::string &Statement)
{
    std::unique_ptr<TKRSelectParser> Parser = CreateParser(Options);
    Parser->ScriptFormat()->SetKeywordsFormat(Options.KeywordsFormat);
    Parser->ScriptFormat()->SetFunctionsFormat(Options.FunctionsFormat);
    Parser->SetExpression(Statement);
    if (Options.Json)
        return ModelToJson(*Parser, Options.Dialect);
    const std::string Text = Parser->GetExpression();
    return Options.CrLf ? Text : CrLfToLf(Text);
}

void WriteAll(std::FILE *Stream, const std::string &Text)
{
    if (std::fwrite(Text.data(), 1, Text.size(), Stream) != Text.size() || std::fflush(Stream) != 0)
        throw Exception(std::string("cannot write the result: ") + std::strerror(errno));
}

// Messages can quote the statement, which may hold any byte (NUL included): never printf them.
void WriteError(const std::string &Text)
{
    std::fwrite(Text.data(), 1, Text.size(), stderr);
}

int Run(const std::vector<std::string> &Args)
{
    TKRCommandLine Options;
    std::string Statement;
    try {
        Options = ParseCommandLine(Args);
        if (Options.Help) {
            WriteAll(stdout, UsageText());
            return 0;
        }
        Statement = LfToCrLf(ReadInput(Options));
    } catch (const EKRUsageError &Error) {
        WriteError("korvan-sql: " + Error.Message() + "\n" + UsageText());
        return ExitUsage;
    }
    try {
        WriteAll(stdout, Render(Options, Statement));
    } catch (const EKRParserError &Error) {
        WriteError(Error.Message() + "\n" + FormatErrorContext(Statement, Error));
        return ExitSyntaxError;
    }
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    try {
        return Run(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const korvan::Exception &Error) {
        WriteError(Error.Message() + "\n");
    } catch (const std::exception &Error) {
        WriteError(std::string(Error.what()) + "\n");
    }
    return ExitFailure;
}
