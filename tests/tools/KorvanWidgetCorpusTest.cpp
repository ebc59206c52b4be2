// Through the component nothing is lost and nothing added: every statement of the corpora
// (tests/parser/data/roundtrip.sql, tests/corpus/data/*.sql) that korvan-sql reads, in every dialect
// of the list, comes out of korvan-widget exactly as korvan-sql prints it, as SQL and as JSON. The
// core decides in-process which statements korvan-sql takes; those go into one script per corpus,
// dialect and way of writing, and each tool reads that script once. Statements korvan-sql refuses
// are refused by korvan-widget with the same message (a sample of them).
#include "KRCorpusFile.h"
#include "KRProgramRun.h"
#include "KRStatementSplitter.h"
#include "KRTestSupport.h"
#include "dialects/KRDialects.h"
#include "framework/KREdgeText.h"
#include "parser/KRSelectParser.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <iostream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

using namespace korvan;
using namespace korvan::test;

namespace {

struct TStatement
{
    int Line = 0;
    std::string Text;
};

struct TSource
{
    std::string Name;
    std::string Path;
    std::vector<TStatement> Statements;
};

//! roundtrip.sql: one statement a line after its marks in brackets, with "\n" for CR LF.
TSource ReadRoundTrip()
{
    TSource Source{ "roundtrip", std::string(KORVAN_PARSER_DATA) + "/roundtrip.sql", {} };
    std::istringstream In(ReadFile(Source.Path));
    std::string Line;
    for (int Number = 1; std::getline(In, Line); ++Number) {
        if (!Line.empty() && Line.back() == '\r')
            Line.pop_back();
        if (Line.find_first_not_of(" \t") == std::string::npos || Line[0] == '#')
            continue;
        std::size_t Start = 0;
        while (Start < Line.size() && Line[Start] == '[' && Line.find(']', Start) != std::string::npos)
            Start = std::min(Line.find_first_not_of(' ', Line.find(']', Start) + 1), Line.size());
        Source.Statements.push_back({ Number, Unescape(Line.substr(Start)) });
    }
    return Source;
}

TSource ReadCorpus(const std::string &Name)
{
    const TKRCorpusFile File = ReadCorpusFile(std::string(KORVAN_CORPUS_DATA) + "/" + Name + ".sql");
    TSource Source{ Name, File.Path, {} };
    for (const TKRCorpusStatement &Statement : File.Statements)
        Source.Statements.push_back({ Statement.Line, Statement.Text });
    return Source;
}

const std::vector<TSource> &Sources()
{
    static const std::vector<TSource> All = { ReadRoundTrip(), ReadCorpus("generic"), ReadCorpus("mysql"),
        ReadCorpus("firebird") };
    return All;
}

//! A way of writing: as the dialect does by default, or with its options turned the other way.
struct TWriting
{
    const char *Name;
    bool Other;
};

const TWriting Writings[] = { { "defaults", false }, { "other", true } };

struct TCase
{
    std::size_t Source;
    std::string Dialect;
    TWriting Writing;
};

//! The command line for a case, and the parser korvan-sql makes from it.
struct TOptions
{
    std::vector<std::string> Args;
    TKRDialectOptions Dialect;
    TKRFormatMode Keywords = qfmAsIs;
    TKRFormatMode Functions = qfmAsIs;
};

TOptions OptionsOf(const TCase &Case)
{
    TOptions Options;
    Options.Args = { "--dialect", Case.Dialect };
    if (!Case.Writing.Other)
        return Options;
    if (DialectByName(Case.Dialect).TakesSQLDialect) {
        Options.Dialect.SQLDialect = 1;
        Options.Keywords = qfmUpperCase;
        Options.Functions = qfmLowerCase;
        Options.Args.insert(
                Options.Args.end(), { "--sql-dialect", "1", "--keywords", "upper", "--functions", "lower" });
    } else {
        Options.Dialect.QuoteIdentifiers = false;
        Options.Keywords = qfmLowerCase;
        Options.Functions = qfmFirstUpper;
        Options.Args.insert(
                Options.Args.end(), { "--no-quote", "--keywords", "lower", "--functions", "first" });
    }
    return Options;
}

/*!
 * Statements the component writes otherwise than the core, and why. Each must still differ: once
 * the two agree, its entry goes.
 */
struct TKnownDifference
{
    const char *Statement;
    const char *Why;
};

const TKnownDifference KnownDifferences[] = {
    { "SELECT a FROM t JOIN u ON t.a = u.b",
            "the join names t.a, so t's window has a column a and u's has none: the component gives "
            "the unqualified a to t (the one window that has it) and writes t.a" },
};

const TKnownDifference *FindKnownDifference(const std::string &Statement)
{
    for (const TKnownDifference &Known : KnownDifferences)
        if (Statement == Known.Statement)
            return &Known;
    return nullptr;
}

enum TVerdict { vdAccepted, vdRefused, vdNotOne };

/*!
 * What korvan-sql makes of a statement alone, decided by the core as korvan-sql decides it. The
 * parsers are made once per case: korvan-sql makes one per statement, and the test of its output
 * (CheckJudgement) would show if reading one statement changed what the next is read as.
 */
class TJudge
{
public:
    TJudge(const TCase &Case, const TOptions &Options)
        : FSplitter(MakeParser(Case, Options))
        , FParser(MakeParser(Case, Options))
    {}

    //! Written is the text korvan-sql prints for an accepted statement in a script, with the ";"
    //! and the empty line after it.
    TVerdict operator()(const std::string &Text, std::string &Written)
    {
        std::vector<TKRStatementText> Pieces = SplitStatements(*FSplitter->Scanner(), LfToCrLf(Text));
        std::erase_if(Pieces, [](const TKRStatementText &Piece) { return Piece.Empty; });
        if (Pieces.size() != 1)
            return vdNotOne;
        if (Pieces.front().ScanError)
            return vdRefused;
        try {
            FParser->SetExpression(Pieces.front().Text);
        } catch (const EKRParserError &) {
            return vdRefused;
        }
        Written = CrLfToLf(FParser->GetExpression());
        if (Written.ends_with("\n"))
            Written.pop_back();
        Written += ";\n\n";
        return vdAccepted;
    }

private:
    static std::unique_ptr<TKRSelectParser> MakeParser(const TCase &Case, const TOptions &Options)
    {
        std::unique_ptr<TKRSelectParser> Parser = CreateDialectParser(Case.Dialect, Options.Dialect);
        Parser->ScriptFormat()->SetKeywordsFormat(Options.Keywords);
        Parser->ScriptFormat()->SetFunctionsFormat(Options.Functions);
        return Parser;
    }

    std::unique_ptr<TKRSelectParser> FSplitter;
    std::unique_ptr<TKRSelectParser> FParser;
};

std::string Shown(const std::string &Text)
{
    return "\n" + Text + (Text.ends_with("\n") ? "" : "\n(no line break at the end)\n");
}

//! The offset of the first byte where A and B differ.
std::size_t FirstDifference(const std::string &A, const std::string &B)
{
    return static_cast<std::size_t>(std::mismatch(A.begin(), A.end(), B.begin(), B.end()).first - A.begin());
}

class KorvanWidgetCorpus : public TScratchTest, public ::testing::WithParamInterface<TCase>
{
protected:
    void SetUp() override
    {
        TScratchTest::SetUp();
        Source = &Sources()[GetParam().Source];
        Options = OptionsOf(GetParam());
        ASSERT_GT(Source->Statements.size(), 100U) << "cannot read " << Source->Path;
        TJudge Judge(GetParam(), Options);
        for (const TStatement &Statement : Source->Statements) {
            std::string Written;
            if (FindKnownDifference(Statement.Text)) {
                if (Judge(Statement.Text, Written) == vdAccepted)
                    Known.push_back(&Statement);
                continue;
            }
            switch (Judge(Statement.Text, Written)) {
            case vdAccepted:
                Accepted.push_back(&Statement);
                Expected.push_back(Written);
                break;
            case vdRefused:
                Refused.push_back(&Statement);
                break;
            case vdNotOne:
                ++NotOne;
                break;
            }
        }
    }

    //! Both tools over the script of every accepted statement, with Extra after the case's options.
    void Compare(const fs::path &Script, const std::vector<std::string> &Extra)
    {
        std::vector<std::string> Args = Options.Args;
        Args.insert(Args.end(), Extra.begin(), Extra.end());
        Args.push_back(Script.string());
        const TRun Sql = Spawn(KORVAN_SQL, Args);
        const TRun Widget = Spawn(KORVAN_WIDGET, Args);
        ASSERT_EQ(Sql.Status, 0) << "korvan-sql refuses the script it should read:\n" << Sql.Err;
        EXPECT_EQ(Widget.Status, 0) << Widget.Err;
        EXPECT_EQ(Widget.Err, "");
        const bool Json = !Extra.empty();
        if (!Json)
            CheckJudgement(Sql.Out);
        if (Widget.Out != Sql.Out)
            ReportDifference(Sql.Out, Widget.Out, Json, Options.Args);
    }

    // The core's decisions are the test's premise: korvan-sql must print what they say it prints.
    void CheckJudgement(const std::string &Output)
    {
        std::size_t Offset = 0;
        for (std::size_t I = 0; I < Accepted.size(); ++I) {
            if (Output.compare(Offset, Expected[I].size(), Expected[I]) != 0) {
                ADD_FAILURE_AT(Source->Path.c_str(), Accepted[I]->Line)
                        << "korvan-sql does not print what the core writes for:\n"
                        << Accepted[I]->Text << "\ncore:" << Shown(Expected[I])
                        << "korvan-sql:" << Shown(Output.substr(Offset, Expected[I].size()));
                return;
            }
            Offset += Expected[I].size();
        }
        EXPECT_EQ(Offset, Output.size()) << "korvan-sql prints more than the core writes";
    }

    //! The index of the accepted statement whose output holds Offset.
    std::size_t StatementAt(const std::string &SqlOutput, std::size_t Offset, bool Json) const
    {
        if (Json) {
            // The array's elements are the only objects that open at an indentation of two blanks.
            std::size_t Count = 0;
            for (std::size_t At = SqlOutput.find("\n  {\n"); At != std::string::npos && At < Offset;
                    At = SqlOutput.find("\n  {\n", At + 1))
                ++Count;
            return Count > 0 ? Count - 1 : 0;
        }
        std::size_t Start = 0;
        for (std::size_t I = 0; I < Expected.size(); ++I) {
            Start += Expected[I].size();
            if (Offset < Start)
                return I;
        }
        return Expected.size() - 1;
    }

    // The first statement whose output differs, with what each tool prints for it alone.
    void ReportDifference(const std::string &SqlOutput, const std::string &WidgetOutput, bool Json,
            std::vector<std::string> Args)
    {
        const std::size_t Offset = FirstDifference(SqlOutput, WidgetOutput);
        const std::size_t Index = std::min(StatementAt(SqlOutput, Offset, Json), Accepted.size() - 1);
        const TStatement &Statement = *Accepted[Index];
        if (Json)
            Args.push_back("--json");
        const TRun Sql = Spawn(KORVAN_SQL, Args, Statement.Text);
        const TRun Widget = Spawn(KORVAN_WIDGET, Args, Statement.Text);
        const std::size_t From = Offset - std::min<std::size_t>(Offset, 200);
        ADD_FAILURE_AT(Source->Path.c_str(), Statement.Line)
                << "korvan-widget " << testing::PrintToString(Args)
                << " differs from korvan-sql, first at statement " << Index + 1 << " of " << Accepted.size()
                << " in the script (byte " << Offset << "):\n"
                << Statement.Text << "\nkorvan-sql prints for it alone:" << Shown(Sql.Out + Sql.Err)
                << "korvan-widget prints for it alone:" << Shown(Widget.Out + Widget.Err)
                << "in the script, korvan-sql from 200 bytes before:" << Shown(SqlOutput.substr(From, 600))
                << "korvan-widget from there:" << Shown(WidgetOutput.substr(From, 600));
    }

    const TSource *Source = nullptr;
    TOptions Options;
    std::vector<const TStatement *> Accepted;
    std::vector<std::string> Expected;
    std::vector<const TStatement *> Refused;
    std::vector<const TStatement *> Known;
    int NotOne = 0;
};

TEST_P(KorvanWidgetCorpus, PrintsEveryStatementAsKorvanSqlDoes)
{
    ASSERT_FALSE(Accepted.empty());
    // ";" on a line of its own: a statement may end inside a "--" comment.
    std::string Script;
    for (const TStatement *Statement : Accepted)
        Script += Statement->Text + "\n;\n";
    const fs::path Path = File("script.sql", Script);
    Compare(Path, {});
    Compare(Path, { "--json" });

    // A sample of the refused statements, each alone: the first, one from the middle and the last.
    std::vector<const TStatement *> Sample;
    if (!Refused.empty())
        Sample = { Refused.front(), Refused[Refused.size() / 2], Refused.back() };
    Sample.erase(std::unique(Sample.begin(), Sample.end()), Sample.end());
    for (const TStatement *Statement : Sample) {
        SCOPED_TRACE(Source->Path + ":" + std::to_string(Statement->Line) + "\n" + Statement->Text);
        const TRun Sql = Spawn(KORVAN_SQL, Options.Args, Statement->Text);
        const TRun Widget = Spawn(KORVAN_WIDGET, Options.Args, Statement->Text);
        EXPECT_EQ(Sql.Status, 2);
        EXPECT_EQ(Widget.Status, 2);
        EXPECT_EQ(Widget.Out, "");
        EXPECT_EQ(Widget.Err, Sql.Err);
    }

    for (const TStatement *Statement : Known) {
        SCOPED_TRACE(Source->Path + ":" + std::to_string(Statement->Line) + "\n" + Statement->Text);
        const TRun Sql = Spawn(KORVAN_SQL, Options.Args, Statement->Text);
        const TRun Widget = Spawn(KORVAN_WIDGET, Options.Args, Statement->Text);
        EXPECT_EQ(Widget.Status, 0);
        EXPECT_NE(Widget.Out, Sql.Out)
                << "the known difference is gone (" << FindKnownDifference(Statement->Text)->Why
                << "): take its entry out";
    }

    std::cout << Source->Name << ", " << GetParam().Dialect << ", " << GetParam().Writing.Name << ": "
              << Accepted.size() << " statements compared (SQL and JSON), " << Refused.size() << " refused ("
              << Sample.size() << " compared), " << Known.size() << " known differences, " << NotOne
              << " not one statement to the splitter\n";
}

std::vector<TCase> AllCases()
{
    std::vector<TCase> Cases;
    for (std::size_t Source = 0; Source < Sources().size(); ++Source)
        for (const std::string_view Dialect : DialectNames())
            for (const TWriting &Writing : Writings)
                Cases.push_back({ Source, std::string(Dialect), Writing });
    return Cases;
}

INSTANTIATE_TEST_SUITE_P(Corpora, KorvanWidgetCorpus, ::testing::ValuesIn(AllCases()),
        [](const ::testing::TestParamInfo<TCase> &Info) {
            return Sources()[Info.param.Source].Name + "_" + Info.param.Dialect + "_"
                    + Info.param.Writing.Name;
        });

} // namespace
