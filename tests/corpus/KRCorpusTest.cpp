// The corpus check: real SELECT statements (data/generic.sql, mysql.sql, firebird.sql) go through
// the parser of their dialect. Whatever it accepts must be written as text that reads back and is
// written the same way again; in generic SQL the written text must also mean what the statement
// meant, as PostgreSQL's own parser reads both. What the parser refuses is counted by the construct
// it stopped at. The report is printed whether the test passes or not.
#include "KRCorpusFile.h"
#include "KRPgTree.h"
#include "KRRefusalReason.h"
#include "KRTreeDifference.h"
#include "dialects/KRDialects.h"
#include "framework/KREdgeText.h"
#include "parser/KRSelectParser.h"

#include <algorithm>
#include <cstdlib>
#include <exception>
#include <gtest/gtest.h>
#include <iostream>
#include <map>
#include <memory>
#include <numeric>
#include <sstream>
#include <string>
#include <vector>

using namespace korvan;

namespace {

//! One reading of a corpus file: the dialect's parser, its quoting, and whether meaning is checked.
struct TPass
{
    const char *Name;
    const char *File;
    const char *Dialect; //!< its name in the dialect list
    TKRDialectOptions Options;
    bool CheckMeaning; //!< PostgreSQL reads generic SQL; the other dialects have words it lacks
};

const TPass Passes[] = {
    { "generic", "generic.sql", "generic", { true, {} }, true },
    { "generic, quoting off", "generic.sql", "generic", { false, {} }, true },
    { "MySQL", "mysql.sql", "mysql", {}, false },
    { "Firebird", "firebird.sql", "firebird", { {}, 3 }, false },
};

std::unique_ptr<TKRSelectParser> NewParser(const TPass &Pass)
{
    return CreateDialectParser(Pass.Dialect, Pass.Options);
}

// The environment variable of the same name points the check at another folder of corpus files.
std::string DataFolder()
{
    const char *Folder = std::getenv("KORVAN_CORPUS_DATA");
    return Folder && *Folder ? Folder : KORVAN_CORPUS_DATA;
}

constexpr std::size_t ExamplesShown = 20;
constexpr std::size_t TextShown = 600;

//! A statement as failure messages show it: one line, line breaks as "\n", cut when very long.
std::string OneLine(const std::string &Text)
{
    std::string Result;
    for (std::size_t I = 0; I < Text.size() && Result.size() < TextShown; ++I) {
        if (Text[I] == '\r' && I + 1 < Text.size() && Text[I + 1] == '\n')
            continue;
        Result += Text[I] == '\n' ? std::string("\\n") : std::string(1, Text[I]);
    }
    return Result.size() < TextShown ? Result : Result + "...";
}

//! What became of one corpus file in one pass.
struct TTally
{
    int Statements = 0;
    int Accepted = 0;
    int Stable = 0;
    int Checked = 0; //!< accepted and read by PostgreSQL, so their meaning was compared
    int Kept = 0;
    int NotCheckable = 0; //!< accepted, but PostgreSQL cannot parse the statement itself
    std::map<std::string, int> Refusals; //!< by reason
    std::map<std::string, int> ChangedClauses; //!< meaning changes by the first clause that differs
    std::vector<std::string> Changes;
    std::vector<std::string> Unstable;
    std::vector<std::string> Unplaced; //!< refusals without a message or a place in the statement
    std::vector<std::string> Escaped; //!< statements that raised something other than EKRParserError
    std::vector<std::string> FileFaults;

    int Refused() const
    {
        int Sum = 0;
        for (const auto &Reason : Refusals)
            Sum += Reason.second;
        return Sum;
    }
};

//! "generic.sql:12\n    input:   ..." with the lines that follow it.
std::string Example(const std::string &Where, const std::string &Input, const std::string &Written = "")
{
    std::string Text = Where + "\n    input:   " + OneLine(Input);
    if (!Written.empty())
        Text += "\n    written: " + OneLine(Written);
    return Text;
}

void CheckRefusal(
        const std::string &Where, const std::string &Sql, const EKRParserError &Error, TTally &Tally)
{
    ++Tally.Refusals[RefusalReason(Sql, Error)];
    if (Error.Message().empty() || OffsetOf(Sql, Error.LineNo(), Error.LinePos()) == std::string::npos)
        Tally.Unplaced.push_back(Example(Where, Sql) + "\n    error:   \"" + Error.Message() + "\" at line "
                + std::to_string(Error.LineNo()) + ", position " + std::to_string(Error.LinePos()));
}

//! The written text reads back and is written again unchanged.
void CheckStability(const TPass &Pass, const std::string &Where, const std::string &Sql,
        const std::string &Written, TTally &Tally)
{
    std::string Again;
    std::string Fault;
    try {
        auto Parser = NewParser(Pass);
        Parser->SetExpression(Written);
        Again = Parser->GetExpression();
    } catch (const EKRParserError &Error) {
        Fault = "the written text does not read back: " + Error.Message();
    }
    if (Fault.empty() && Written.empty())
        Fault = "nothing written";
    else if (Fault.empty() && Again != Written)
        Fault = "written again as: " + OneLine(Again);
    if (Fault.empty())
        ++Tally.Stable;
    else
        Tally.Unstable.push_back(Example(Where, Sql, Written) + "\n    " + Fault);
}

//! PostgreSQL reads the statement and the written text into the same tree, once normalised.
void CheckMeaning(const std::string &Where, const std::string &Sql, const std::string &Written, TTally &Tally)
{
    TKRPgTree Input = ReadPgTree(Sql);
    if (!Input.Parsed) {
        ++Tally.NotCheckable;
        return;
    }
    ++Tally.Checked;
    TKRPgTree Output = ReadPgTree(Written);
    if (!Output.Parsed) {
        ++Tally.ChangedClauses["written text unreadable"];
        Tally.Changes.push_back(Example(Where, Sql, Written)
                + "\n    PostgreSQL cannot read the written text: " + Output.Error);
        return;
    }
    NormalisePgTree(Input.Tree);
    NormalisePgTree(Output.Tree);
    DropAddedNames(Input.Tree, Output.Tree);
    const TKRTreeDifference Difference = FirstDifference(Input.Tree, Output.Tree);
    if (Difference.Path.empty()) {
        ++Tally.Kept;
        return;
    }
    ++Tally.ChangedClauses[Difference.Clause];
    Tally.Changes.push_back(Example(Where, Sql, Written) + "\n    differs at " + Difference.Path
            + "\n      input:   " + Difference.Left + "\n      written: " + Difference.Right);
}

void CheckStatement(const TPass &Pass, const std::string &Where, const std::string &Text, TTally &Tally)
{
    const std::string Sql = LfToCrLf(Text);
    ++Tally.Statements;
    std::string Written;
    try {
        auto Parser = NewParser(Pass);
        Parser->SetExpression(Sql);
        Written = Parser->GetExpression();
    } catch (const EKRParserError &Error) {
        CheckRefusal(Where, Sql, Error, Tally);
        return;
    } catch (const std::exception &Error) {
        Tally.Escaped.push_back(Example(Where, Sql) + "\n    raised: " + Error.what());
        return;
    }
    ++Tally.Accepted;
    CheckStability(Pass, Where, Sql, Written, Tally);
    if (Pass.CheckMeaning)
        CheckMeaning(Where, Sql, Written, Tally);
}

TTally RunPass(const TPass &Pass)
{
    TTally Tally;
    const TKRCorpusFile File = ReadCorpusFile(DataFolder() + "/" + Pass.File);
    Tally.FileFaults = File.Faults;
    if (!File.Found)
        Tally.FileFaults.push_back(File.Path + ": cannot be read");
    else if (File.Statements.empty())
        Tally.FileFaults.push_back(File.Path + ": holds no statement");
    for (const TKRCorpusStatement &Statement : File.Statements)
        CheckStatement(
                Pass, std::string(Pass.File) + ":" + std::to_string(Statement.Line), Statement.Text, Tally);
    return Tally;
}

std::string Cell(int Value, bool Shown = true)
{
    return Shown ? std::to_string(Value) : "-";
}

//! One row of a breakdown: what is counted and its count in each pass shown.
struct TRow
{
    std::string Key;
    std::vector<int> Counts;

    int Total() const { return std::accumulate(Counts.begin(), Counts.end(), 0); }
    int Most() const { return Counts.empty() ? 0 : *std::max_element(Counts.begin(), Counts.end()); }
};

/*!
 * Counts by key and pass, the most frequent first. Keys met at most once in every pass share one
 * last row, so that the long tail of single tokens does not drown the rest.
 */
void PrintBreakdown(std::ostream &Out, const char *Title, const std::vector<TTally> &Tallies,
        std::map<std::string, int> TTally::*Counts, bool MeaningOnly)
{
    std::vector<std::size_t> Shown;
    for (std::size_t I = 0; I < Tallies.size(); ++I)
        if (!MeaningOnly || Passes[I].CheckMeaning)
            Shown.push_back(I);
    std::map<std::string, TRow> Rows;
    for (std::size_t Column = 0; Column < Shown.size(); ++Column)
        for (const auto &Item : Tallies[Shown[Column]].*Counts) {
            TRow &Row = Rows.try_emplace(Item.first, TRow{ Item.first, std::vector<int>(Shown.size()) })
                                .first->second;
            Row.Counts[Column] = Item.second;
        }
    if (Rows.empty())
        return;
    std::vector<TRow> Listed;
    TRow Rest{ "", std::vector<int>(Shown.size()) };
    int RestKeys = 0;
    for (const auto &Item : Rows) {
        if (Item.second.Most() > 1) {
            Listed.push_back(Item.second);
            continue;
        }
        ++RestKeys;
        for (std::size_t Column = 0; Column < Shown.size(); ++Column)
            Rest.Counts[Column] += Item.second.Counts[Column];
    }
    std::stable_sort(
            Listed.begin(), Listed.end(), [](const TRow &A, const TRow &B) { return A.Total() > B.Total(); });
    if (RestKeys > 0) {
        Rest.Key = "(" + std::to_string(RestKeys) + " more, each met once)";
        Listed.push_back(Rest);
    }
    Out << "\n| " << Title;
    for (const std::size_t I : Shown)
        Out << " | " << Passes[I].Name;
    Out << " |\n|---";
    for (std::size_t Column = 0; Column < Shown.size(); ++Column)
        Out << "|---:";
    Out << "|\n";
    for (const TRow &Row : Listed) {
        Out << "| " << Row.Key;
        for (const int Count : Row.Counts)
            Out << " | " << Count;
        Out << " |\n";
    }
}

void PrintReport(std::ostream &Out, const std::vector<TTally> &Tallies)
{
    Out << "\nCorpus check (" << DataFolder() << ")\n\n"
        << "| pass | statements | accepted | refused | stable | meaning checked | meaning kept | not "
           "checked: "
           "PostgreSQL cannot parse it |\n"
        << "|---|---:|---:|---:|---:|---:|---:|---:|\n";
    for (std::size_t I = 0; I < Tallies.size(); ++I) {
        const TTally &T = Tallies[I];
        const bool Meaning = Passes[I].CheckMeaning;
        Out << "| " << Passes[I].Name << " | " << T.Statements << " | " << T.Accepted << " | " << T.Refused()
            << " | " << T.Stable << " | " << Cell(T.Checked, Meaning) << " | " << Cell(T.Kept, Meaning)
            << " | " << Cell(T.NotCheckable, Meaning) << " |\n";
    }
    PrintBreakdown(Out, "refused, by reason", Tallies, &TTally::Refusals, false);
    PrintBreakdown(
            Out, "meaning changed, by first clause that differs", Tallies, &TTally::ChangedClauses, true);
    Out << std::endl;
}

void ExpectNone(const std::vector<std::string> &Found, const std::string &What)
{
    std::ostringstream Message;
    Message << Found.size() << " " << What;
    if (Found.size() > ExamplesShown)
        Message << ", the first " << ExamplesShown;
    Message << ":";
    for (std::size_t I = 0; I < Found.size() && I < ExamplesShown; ++I)
        Message << "\n  " << Found[I];
    EXPECT_EQ(Found.size(), 0u) << Message.str();
}

} // namespace

TEST(KRCorpus, AcceptedStatementsKeepTheirMeaningAndReadBackTheSame)
{
    std::vector<TTally> Tallies;
    for (const TPass &Pass : Passes)
        Tallies.push_back(RunPass(Pass));
    PrintReport(std::cout, Tallies);
    for (std::size_t I = 0; I < Tallies.size(); ++I) {
        const std::string Name = Passes[I].Name;
        const TTally &Tally = Tallies[I];
        ExpectNone(Tally.FileFaults, Name + ": faults of the corpus file");
        ExpectNone(Tally.Changes, Name + ": accepted statements whose written text means something else");
        ExpectNone(Tally.Unstable,
                Name + ": accepted statements whose written text is not written back the same");
        ExpectNone(Tally.Unplaced, Name + ": refusals without a message or a place in the statement");
        ExpectNone(Tally.Escaped, Name + ": statements that raised something other than a syntax error");
    }
}
