#include "KRToolRun.h"

#include "KRErrorContext.h"
#include "KRJsonWriter.h"
#include "KRStatementSplitter.h"
#include "dialects/KRDialects.h"
#include "framework/KREdgeText.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <exception>
#include <memory>

namespace korvan {

namespace {

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

//! Reads Statement on its own; an error is raised with its line and position in the whole script.
void Read(TKRTool &Tool, const TKRStatementText &Statement)
{
    try {
        Tool.Read(Statement.Text);
    } catch (const EKRParserError &Error) {
        throw ToScriptPosition(Error, Statement);
    }
    // The parser stopped short of where the scanner gave up: the scanner's complaint still stands.
    if (Statement.ScanError)
        throw *Statement.ScanError;
}

std::string WrittenText(const TKRCommandLine &Options, TKRTool &Tool)
{
    const std::string Text = Tool.Written();
    return Options.CrLf ? Text : CrLfToLf(Text);
}

std::string RenderOne(const TKRCommandLine &Options, TKRTool &Tool, const TKRStatementText &Statement)
{
    Read(Tool, Statement);
    return Options.Json ? ModelToJson(Tool.Model()) : WrittenText(Options, Tool);
}

// Several statements: each as written, closed by ";" and an empty line, or a JSON array of their
// models. Each statement replaces the model of the one before it.
std::string RenderMany(
        const TKRCommandLine &Options, TKRTool &Tool, const std::vector<TKRStatementText> &Statements)
{
    const std::string LineBreak = Options.CrLf ? "\r\n" : "\n";
    TKRJsonWriter Json;
    std::string Result;
    if (Options.Json)
        Json.BeginArray();
    for (const TKRStatementText &Statement : Statements) {
        Read(Tool, Statement);
        if (Options.Json) {
            WriteModel(Json, Tool.Model());
            continue;
        }
        std::string Text = WrittenText(Options, Tool);
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
std::string Render(const TKRCommandLine &Options, TKRTool &Tool, const std::string &Script)
{
    // The statements end where the dialect's scanner reads an end, whatever reads them afterwards.
    const std::unique_ptr<TKRSelectParser> Splitter =
            CreateDialectParser(Options.Dialect, Options.DialectOptions);
    std::vector<TKRStatementText> Statements = SplitStatements(*Splitter->Scanner(), Script);
    std::erase_if(Statements, [](const TKRStatementText &Statement) { return Statement.Empty; });
    if (Statements.empty()) {
        TKRStatementText Nothing;
        Nothing.Text = Script;
        return RenderOne(Options, Tool, Nothing);
    }
    if (Statements.size() == 1)
        return RenderOne(Options, Tool, Statements.front());
    return RenderMany(Options, Tool, Statements);
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

int Run(TKRTool &Tool, const std::vector<std::string> &Args)
{
    TKRCommandLine Options;
    std::string Script;
    try {
        Options = ParseCommandLine(Args, Tool);
        if (Options.Help) {
            WriteAll(stdout, UsageText(Tool));
            return 0;
        }
        // The scanner breaks lines only at CR LF, so text from Unix editors would be one long line
        // to it and every error would be reported on line 1.
        Script = LfToCrLf(WithoutByteOrderMark(ReadInput(Options)));
    } catch (const EKRUsageError &Error) {
        WriteError(Tool.Name() + ": " + Error.Message() + "\n" + UsageText(Tool));
        return ExitUsage;
    }
    try {
        Tool.Prepare(Options);
        std::string Output = Render(Options, Tool, Script);
        Tool.Finish();
        WriteAll(stdout, Output);
    } catch (const EKRParserError &Error) {
        WriteError(Error.Message() + "\n" + FormatErrorContext(Script, Error));
        return ExitSyntaxError;
    }
    return 0;
}

} // namespace

int RunTool(TKRTool &Tool, const std::vector<std::string> &Args)
{
    try {
        return Run(Tool, Args);
    } catch (const Exception &Error) {
        WriteError(Error.Message() + "\n");
    } catch (const std::exception &Error) {
        WriteError(std::string(Error.what()) + "\n");
    }
    return ExitFailure;
}

} // namespace korvan
