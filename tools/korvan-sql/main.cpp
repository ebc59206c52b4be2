// korvan-sql: reads every SELECT statement of a script and prints each as the core writes it back,
// or their models as JSON. Exit status: 0 done, 1 failure, 2 syntax error, 64 bad usage (as
// sysexits' EX_USAGE).
#include "KRCommandLine.h"
#include "KRErrorContext.h"
#include "KRJsonWriter.h"
#include "KRStatementSplitter.h"
#include "dialects/KRDialects.h"
#include "framework/KREdgeText.h"
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

std::unique_ptr<TKRSelectParser> CreateParser(const TKRCommandLine &Options)
{
    std::unique_ptr<TKRSelectParser> Parser = CreateDialectParser(Options.Dialect, Options.DialectOptions);
    Parser->ScriptFormat()->SetKeywordsFormat(Options.KeywordsFormat);
    Parser->ScriptFormat()->SetFunctionsFormat(Options.FunctionsFormat);
    return Parser;
}

//! Parses Statement on its own; an error is raised with its line and position in the whole script.
void Parse(TKRSelectParser &Parser, const TKRStatementText &Statement)
{
    try {
        Parser.SetExpression(Statement.Text);
    } catch (const EKRParserError &Error) {
        throw ToScriptPosition(Error, Statement);
    }
    // The parser stopped short of where the scanner gave up: the scanner's complaint still stands.
    if (Statement.ScanError)
        throw *Statement.ScanError;
}

std::string WrittenText(const TKRCommandLine &Options, TKRSelectParser &Parser)
{
    const std::string Text = Parser.GetExpression();
    return Options.CrLf ? Text : CrLfToLf(Text);
}

std::string RenderOne(const TKRCommandLine &Options, const TKRStatementText &Statement)
{
    const std::unique_ptr<TKRSelectParser> Parser = CreateParser(Options);
    Parse(*Parser, Statement);
    return Options.Json ? ModelToJson(*Parser) : WrittenText(Options, *Parser);
}

// Several statements: each as written, closed by ";" and an empty line, or a JSON array of their
// models. A fresh parser per statement, so that nothing one statement sets can leak into the next.
std::string RenderMany(const TKRCommandLine &Options, const std::vector<TKRStatementText> &Statements)
{
    const std::string LineBreak = Options.CrLf ? "\r\n" : "\n";
    TKRJsonWriter Json;
    std::string Result;
    if (Options.Json)
        Json.BeginArray();
    for (const TKRStatementText &Statement : Statements) {
        const std::unique_ptr<TKRSelectParser> Parser = CreateParser(Options);
        Parse(*Parser, Statement);
        if (Options.Json) {
            WriteModel(Json, *Parser);
            continue;
        }
        std::string Text = WrittenText(Options, *Parser);
        if (Text.ends_with(LineBreak))
            Text.resize(Text.size() - LineBreak.size());
        Result += Text;
        Result += ";" + LineBreak + LineBreak;
    }
    if (!Options.Json)
        return Result;
    Json.EndArray();
    return Json.Text();
}

// The whole output is built before any of it is printed, so that an error in a later statement
// leaves standard output empty. A lone statement is written as it is, without a closing ";", and a
// script with no statement at all as the empty statement.
std::string Render(const TKRCommandLine &Options, const std::string &Script)
{
    std::vector<TKRStatementText> Statements = SplitStatements(*CreateParser(Options)->Scanner(), Script);
    std::erase_if(Statements, [](const TKRStatementText &Statement) { return Statement.Empty; });
    if (Statements.empty()) {
        TKRStatementText Nothing;
        Nothing.Text = Script;
        return RenderOne(Options, Nothing);
    }
    if (Statements.size() == 1)
        return RenderOne(Options, Statements.front());
    return RenderMany(Options, Statements);
}

// Some editors start a UTF-8 file with a byte-order mark. It is not part of the statement, and
// without it the first line's columns are the ones the editor shows.
std::string WithoutByteOrderMark(std::string Text)
{
    if (Text.starts_with("\xEF\xBB\xBF"))
        Text.erase(0, 3);
    return Text;
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
    std::string Script;
    try {
        Options = ParseCommandLine(Args);
        if (Options.Help) {
            WriteAll(stdout, UsageText());
            return 0;
        }
        // The scanner breaks lines only at CR LF, so text from Unix editors would be one long line
        // to it and every error would be reported on line 1.
        Script = LfToCrLf(WithoutByteOrderMark(ReadInput(Options)));
    } catch (const EKRUsageError &Error) {
        WriteError("korvan-sql: " + Error.Message() + "\n" + UsageText());
        return ExitUsage;
    }
    try {
        WriteAll(stdout, Render(Options, Script));
    } catch (const EKRParserError &Error) {
        WriteError(Error.Message() + "\n" + FormatErrorContext(Script, Error));
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
