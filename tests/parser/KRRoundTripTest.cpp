// Round trips of the SELECT parser: whatever it reads comes back as text that reads back into the
// same model and is written the same way again. The statements come from data/roundtrip.sql, the
// exact texts from data/expected.txt, and a generator adds two thousand more.
#include "KRTestSupport.h"
#include "parser/KRSelectParser.h"

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <gtest/gtest.h>
#include <memory>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <vector>

using namespace korvan;

namespace {

using test::Unescape;
using test::Visible;

//! One way of writing statements: identifier quoting and the letter case of keywords and functions.
struct TMode
{
    bool Quote;
    TKRFormatMode Keywords;
    TKRFormatMode Functions;
    const char *Name;
};

const TMode Modes[] = {
    { true, qfmAsIs, qfmAsIs, "quoting on, keywords as written" },
    { true, qfmLowerCase, qfmAsIs, "quoting on, keywords in lower case" },
    { false, qfmAsIs, qfmAsIs, "quoting off, keywords as written" },
    { false, qfmLowerCase, qfmAsIs, "quoting off, keywords in lower case" },
    { true, qfmAsIs, qfmFirstUpper, "quoting on, functions First_Upper" },
};

std::unique_ptr<TKRSelectParser> NewParser(const TMode &Mode)
{
    auto P = Construct<TKRSelectParser>();
    P->Scanner()->SetQuoteIdentifiers(Mode.Quote);
    P->ScriptFormat()->SetKeywordsFormat(Mode.Keywords);
    P->ScriptFormat()->SetFunctionsFormat(Mode.Functions);
    return P;
}

std::string DataPath(const char *Name)
{
    return std::string(KORVAN_PARSER_DATA) + "/" + Name;
}

//! A statement of a data file with the marks in brackets in front of it.
struct TEntry
{
    std::string File;
    int Line = 0;
    std::set<std::string> Marks;
    std::string Text; //!< escapes undone
    std::string Source; //!< as the file has it
};

//! Splits "[mark] [mark] statement" into its marks and the statement.
void ReadMarks(const std::string &Line, TEntry &Entry)
{
    std::size_t Pos = 0;
    while (Pos < Line.size() && Line[Pos] == '[') {
        const std::size_t Close = Line.find(']', Pos);
        if (Close == std::string::npos)
            break;
        Entry.Marks.insert(Line.substr(Pos + 1, Close - Pos - 1));
        Pos = Line.find_first_not_of(' ', Close + 1);
        if (Pos == std::string::npos)
            Pos = Line.size();
    }
    Entry.Source = Line.substr(Pos);
    Entry.Text = Unescape(Entry.Source);
}

//! One statement a line; "#" starts a comment line, blank lines are skipped.
std::vector<TEntry> ReadCorpus(const char *Name)
{
    const std::string Path = DataPath(Name);
    std::ifstream In(Path);
    std::vector<TEntry> Entries;
    std::string Line;
    for (int Number = 1; std::getline(In, Line); ++Number) {
        if (!Line.empty() && Line.back() == '\r')
            Line.pop_back();
        if (Line.find_first_not_of(" \t") == std::string::npos || Line[0] == '#')
            continue;
        TEntry Entry;
        Entry.File = Path;
        Entry.Line = Number;
        ReadMarks(Line, Entry);
        Entries.push_back(std::move(Entry));
    }
    return Entries;
}

//! What became of one statement in one mode.
struct TOutcome
{
    bool Rejected = false; //!< the statement itself raised EKRParserError
    std::string Error; //!< its message, or the message met while reading the written text back
    std::string Text1; //!< the text written from the statement's model
    std::string Text2; //!< the text written from the model read back from Text1
    bool Reread = false; //!< Text1 was read back without an error
    std::string Model1; //!< both models written with the other quoting
    std::string Model2;

    bool TextStable() const { return Reread && Text2 == Text1; }
    bool ModelStable() const { return Model2 == Model1; }
};

//! text -> model -> Text1 -> model -> Text2; with CompareModels each model is also written with
//! the other quoting.
TOutcome RoundTrip(const std::string &Sql, const TMode &Mode, bool CompareModels = true)
{
    TOutcome Outcome;
    auto First = NewParser(Mode);
    try {
        First->SetExpression(Sql);
    } catch (const EKRParserError &E) {
        Outcome.Rejected = true;
        Outcome.Error = E.Message();
        return Outcome;
    }
    Outcome.Text1 = First->GetExpression();
    auto Second = NewParser(Mode);
    try {
        Second->SetExpression(Outcome.Text1);
        Outcome.Reread = true;
    } catch (const EKRParserError &E) {
        Outcome.Error = E.Message();
        return Outcome;
    }
    Outcome.Text2 = Second->GetExpression();
    if (!CompareModels)
        return Outcome;
    First->Scanner()->SetQuoteIdentifiers(!Mode.Quote);
    Second->Scanner()->SetQuoteIdentifiers(!Mode.Quote);
    Outcome.Model1 = First->GetExpression();
    Outcome.Model2 = Second->GetExpression();
    return Outcome;
}

std::string Describe(const TOutcome &Outcome)
{
    std::ostringstream Out;
    Out << "\n  text1:  " << Visible(Outcome.Text1);
    if (!Outcome.Reread)
        Out << "\n  text1 does not read back: " << Outcome.Error;
    else if (Outcome.Text2 != Outcome.Text1)
        Out << "\n  text2:  " << Visible(Outcome.Text2);
    else if (!Outcome.ModelStable())
        Out << "\n  written with the other quoting, the model of text1: " << Visible(Outcome.Model1)
            << "\n                            the model read back: " << Visible(Outcome.Model2);
    return Out.str();
}

} // namespace

// The corpus marks known faults instead of leaving them out: a marked fault must still show, so the
// mark goes as soon as the parser is mended.
TEST(KRRoundTrip, CorpusStatementsReadBackIntoTheSameModelInEveryMode)
{
    const std::vector<TEntry> Corpus = ReadCorpus("roundtrip.sql");
    ASSERT_GE(Corpus.size(), 120u) << "corpus not found or cut short: " << DataPath("roundtrip.sql");
    for (const TEntry &Entry : Corpus) {
        const bool QuotedOnly = Entry.Marks.count("quoted") > 0;
        const bool TextFault = Entry.Marks.count("fault-text") > 0;
        const bool ModelFault = Entry.Marks.count("fault-model") > 0;
        bool TextFaultShown = false;
        bool ModelFaultShown = false;
        for (const TMode &Mode : Modes) {
            const TOutcome Outcome = RoundTrip(Entry.Text, Mode);
            const auto Fail = [&](const char *What) {
                ADD_FAILURE_AT(Entry.File.c_str(), Entry.Line)
                        << What << " (" << Mode.Name << ")\n  input:  " << Entry.Source << Describe(Outcome);
            };
            if (Outcome.Rejected) {
                ADD_FAILURE_AT(Entry.File.c_str(), Entry.Line)
                        << "not read (" << Mode.Name << "): " << Outcome.Error
                        << "\n  input:  " << Entry.Source;
                continue;
            }
            if (Outcome.Text1.empty()) {
                Fail("nothing written");
                continue;
            }
            // Names with blanks, quotes or keyword spellings need the quotes that this mode leaves out.
            if (QuotedOnly && !Mode.Quote)
                continue;
            if (!Outcome.TextStable()) {
                TextFaultShown = true;
                if (!TextFault)
                    Fail("the written text does not read back into the same text");
                continue;
            }
            if (!Outcome.ModelStable()) {
                ModelFaultShown = true;
                if (!ModelFault)
                    Fail("the written text reads back into another model");
            }
        }
        if (TextFault && !TextFaultShown)
            ADD_FAILURE_AT(Entry.File.c_str(), Entry.Line)
                    << "marked [fault-text], but the text now reads back in every mode: remove the mark\n  "
                       "input:  "
                    << Entry.Source;
        if (ModelFault && !ModelFaultShown)
            ADD_FAILURE_AT(Entry.File.c_str(), Entry.Line)
                    << "marked [fault-model], but the models now agree in every mode: remove the mark\n  "
                       "input:  "
                    << Entry.Source;
    }
}

namespace {

//! A statement of data/expected.txt with the exact text written from it.
struct TExpected
{
    TEntry Input;
    std::string Text;
};

// Blocks separated by a line "----": the statement (with its marks), then the text written, one
// line of it per file line, each ending in "\n".
std::vector<TExpected> ReadExpected(const char *Name, std::vector<std::string> &Errors)
{
    const std::string Path = DataPath(Name);
    std::ifstream In(Path);
    std::vector<TExpected> Blocks;
    bool InBlock = false;
    std::string Line;
    for (int Number = 1; std::getline(In, Line); ++Number) {
        if (!Line.empty() && Line.back() == '\r')
            Line.pop_back();
        if (Line == "----") {
            InBlock = false;
            continue;
        }
        if (!InBlock) {
            if (Line.empty() || Line[0] == '#')
                continue;
            TExpected Block;
            Block.Input.File = Path;
            Block.Input.Line = Number;
            ReadMarks(Line, Block.Input);
            Blocks.push_back(std::move(Block));
            InBlock = true;
            continue;
        }
        if (Line.size() < 2 || Line.compare(Line.size() - 2, 2, "\\n") != 0)
            Errors.push_back(Path + ":" + std::to_string(Number) + ": an output line must end in \\n");
        Blocks.back().Text += Unescape(Line);
    }
    return Blocks;
}

} // namespace

TEST(KRRoundTrip, KnownStatementsAreWrittenExactlyAndReadBack)
{
    std::vector<std::string> Errors;
    const std::vector<TExpected> Blocks = ReadExpected("expected.txt", Errors);
    for (const std::string &Error : Errors)
        ADD_FAILURE() << Error;
    ASSERT_GE(Blocks.size(), 30u) << "expected texts not found or cut short: " << DataPath("expected.txt");
    for (const TExpected &Block : Blocks) {
        const TEntry &Input = Block.Input;
        const TMode Mode = { Input.Marks.count("no-quote") == 0,
            Input.Marks.count("lower") > 0 ? qfmLowerCase : qfmAsIs, qfmAsIs, "" };
        const TOutcome Outcome = RoundTrip(Input.Text, Mode);
        if (Outcome.Rejected) {
            ADD_FAILURE_AT(Input.File.c_str(), Input.Line) << "not read: " << Outcome.Error;
            continue;
        }
        if (Outcome.Text1 != Block.Text)
            ADD_FAILURE_AT(Input.File.c_str(), Input.Line)
                    << "input:    " << Input.Source << "\n  expected: " << Visible(Block.Text)
                    << "\n  written:  " << Visible(Outcome.Text1);
        else if (!Outcome.TextStable())
            ADD_FAILURE_AT(Input.File.c_str(), Input.Line)
                    << "the expected text does not read back\n  input:  " << Input.Source
                    << Describe(Outcome);
    }
}

namespace {

/*!
 * Builds random statements from the constructs the parser knows: select lists with names, calls,
 * literals, signs, arithmetic and aliases, and what it keeps whole (CASE, CAST, subqueries, ...);
 * FROM lists with aliases, procedures and join chains on one or two columns; WHERE and HAVING
 * trees with EXISTS and IN (SELECT ...); GROUP BY and ORDER BY by name, position and expression. Every fourth statement is then damaged by one token edit, so
 * that near misses are read as well. Tokens are laid out with random blanks, tabs, CR LF breaks and
 * comments, and keywords in random letter case.
 */
class TStatementGenerator
{
public:
    explicit TStatementGenerator(unsigned Seed)
        : FRandom(Seed)
    {}

    //! NeedsQuoting: the statement holds a name that only identifier quoting can write back.
    std::string Next(bool &NeedsQuoting)
    {
        FTokens.clear();
        FKeys.clear();
        FNeedsQuoting = false;
        Statement();
        if (Pick(4) == 0)
            Damage();
        NeedsQuoting = FNeedsQuoting;
        return Layout();
    }

private:
    int Pick(int Count) { return std::uniform_int_distribution<int>(0, Count - 1)(FRandom); }
    bool Chance(int Percent) { return Pick(100) < Percent; }
    template <std::size_t N>
    const char *OneOf(const char *const (&Words)[N])
    {
        return Words[Pick(static_cast<int>(N))];
    }

    void Add(const std::string &Token) { FTokens.push_back(Token); }

    void Keyword(const std::string &Word)
    {
        std::string Text = Word;
        const int Case = Pick(4);
        for (std::size_t I = 0; I < Text.size(); ++I) {
            const bool Lower = Case == 1 || (Case == 2 && I > 0) || (Case == 3 && Pick(2) == 0);
            if (Lower && Text[I] >= 'A' && Text[I] <= 'Z')
                Text[I] = static_cast<char>(Text[I] - 'A' + 'a');
        }
        Add(Text);
    }

    std::string Column()
    {
        static const char *const Plain[] = { "a", "b", "c", "id", "name", "qty", "\"price\"" };
        static const char *const Quoted[] = { "\"Unit Price\"", "\"select\"", "\"x\"\"y\"", "\"a.b\"" };
        if (Chance(8)) {
            FNeedsQuoting = true;
            return OneOf(Quoted);
        }
        return OneOf(Plain);
    }

    std::string Literal()
    {
        static const char *const Literals[] = { "1", "42", "0", "2.5", "'x'", "''", "'It''s'", "''''",
            "'a b'", "'%x%'", "';'", "'\"q\"'", "-1", "+3", "1e-5", "-2.5E+3", "TRUE", "NULL", "CURRENT_DATE",
            "DATE '2001-02-03'" };
        return OneOf(Literals);
    }

    // What the model keeps whole: CASE, CAST, a subquery, a call with keyword arguments, a cast.
    void Whole()
    {
        switch (Pick(5)) {
        case 0:
            Keyword("CASE");
            Keyword("WHEN");
            Add(Name(true));
            Add(OneOf({ "=", ">" }));
            Add(Literal());
            Keyword("THEN");
            Add(Literal());
            if (Chance(50)) {
                Keyword("ELSE");
                Add(Name(true));
            }
            Keyword("END");
            return;
        case 1:
            for (const char *Token : { "CAST", "(" })
                Add(Token);
            Add(Name(true));
            Keyword("AS");
            Add(OneOf({ "INTEGER", "VARCHAR(10)", "DECIMAL(10, 2)" }));
            Add(")");
            return;
        case 2:
            Add("(");
            Keyword("SELECT");
            Call(0);
            Keyword("FROM");
            Add(OneOf({ "u", "v" }));
            Add(")");
            return;
        case 3:
            for (const char *Token : { "EXTRACT", "(" })
                Add(Token);
            Keyword("YEAR");
            Keyword("FROM");
            Add(Name(true));
            Add(")");
            return;
        default:
            Add(Name(true) + "::int");
        }
    }

    // A qualifier is one of the FROM entries' keys (alias, or name without alias).
    std::string Qualified()
    {
        return FKeys[static_cast<std::size_t>(Pick(static_cast<int>(FKeys.size())))] + "." + Column();
    }

    std::string Name(bool MayQualify)
    {
        if (MayQualify && !FKeys.empty() && Chance(50))
            return Qualified();
        return Column();
    }

    // Aggregates and other calls, nested at most Depth levels.
    void Call(int Depth)
    {
        static const char *const Functions[] = { "SUM", "COUNT", "MAX", "MIN", "AVG", "UPPER", "COALESCE",
            "SUBSTRING", "f", "Lower" };
        const std::string Function = OneOf(Functions);
        Add(Function);
        Add("(");
        if (Function == "COUNT" && Chance(50)) {
            Add("*");
            Add(")");
            return;
        }
        if (Function == "COUNT" && Chance(30))
            Keyword("DISTINCT");
        const int Count = Function == "SUBSTRING" ? 3 : Function == "COALESCE" ? 2 : 1 + Pick(2) * Pick(2);
        for (int I = 0; I < Count; ++I) {
            if (I > 0)
                Add(",");
            if (Depth > 0 && Chance(25))
                Call(Depth - 1);
            else if (Chance(30))
                Add(Literal());
            else
                Add(Name(true));
        }
        Add(")");
    }

    // name | literal | call, optionally joined by arithmetic.
    void Value()
    {
        const int Terms = Chance(20) ? 2 + Pick(2) : 1;
        for (int I = 0; I < Terms; ++I) {
            if (I > 0)
                Add(OneOf({ "+", "-", "*", "/" }));
            const int Kind = Pick(12);
            if (Kind < 5)
                Add(Name(true));
            else if (Kind < 7)
                Add(Literal());
            else if (Kind == 7)
                Add("-" + Name(true));
            else if (Kind == 8)
                Whole();
            else
                Call(2);
        }
    }

    void Alias()
    {
        static const char *const Aliases[] = { "total", "n", "x1", "label" };
        const int Kind = Pick(10);
        if (Kind < 2) {
            Keyword("AS");
            Add(OneOf(Aliases));
        } else if (Kind == 2) {
            Add(OneOf(Aliases));
        } else if (Kind == 3 && Chance(30)) {
            Keyword("AS");
            Add("\"Total Sales\"");
            FNeedsQuoting = true;
        }
    }

    void SelectItem()
    {
        const int Kind = Pick(10);
        if (Kind < 4) {
            Add(Name(true));
            Alias();
        } else if (Kind == 4 && !FKeys.empty())
            Add(FKeys[static_cast<std::size_t>(Pick(static_cast<int>(FKeys.size())))] + ".*");
        else {
            Value();
            Alias();
        }
    }

    //! A name no other FROM entry uses as its key; the list holds more names than entries are made.
    std::string NewKey(const char *const *Names, int Count)
    {
        const int First = Pick(Count);
        for (int I = 0; I < Count; ++I) {
            const std::string Key = Names[(First + I) % Count];
            if (std::find(FKeys.begin(), FKeys.end(), Key) == FKeys.end())
                return Key;
        }
        return std::string(Names[First]) + std::to_string(FKeys.size());
    }

    // table [[AS] alias] | proc(args) [alias]; returns the entry's key.
    std::string Table()
    {
        static const char *const Tables[] = { "orders", "items", "customer", "t", "u", "v" };
        static const char *const Aliases[] = { "o", "i", "c", "x", "y", "z" };
        std::string Key;
        if (Chance(12)) {
            Key = NewKey(Aliases, 6);
            Add("p");
            Add("(");
            const int Count = Pick(4);
            for (int I = 0; I < Count; ++I) {
                if (I > 0)
                    Add(",");
                static const char *const Arguments[] = { ":p1", ":p2", "x", "10", "'a'", "1.5", "'It''s'" };
                Add(OneOf(Arguments));
            }
            Add(")");
            Add(Key);
        } else if (Chance(5)) {
            // An empty argument list is kept as written.
            Key = NewKey(Aliases, 6);
            for (const char *Token : { "p", "(", ")" })
                Add(Token);
            Add(Key);
        } else if (Chance(50)) {
            const std::string Name = NewKey(Tables, 6);
            Add(Name);
            Key = NewKey(Aliases, 6);
            if (Chance(30))
                Keyword("AS");
            Add(Key);
        } else {
            Key = NewKey(Tables, 6);
            Add(Key);
        }
        FKeys.push_back(Key);
        return Key;
    }

    void From()
    {
        const int Entries = 1 + Pick(3) * Pick(2);
        for (int E = 0; E < Entries; ++E) {
            if (E > 0)
                Add(",");
            std::vector<std::string> Chain{ Table() };
            const int Joins = Chance(40) ? 1 + Pick(2) : 0;
            for (int J = 0; J < Joins; ++J) {
                static const char *const Kinds[] = { "INNER", "LEFT", "LEFT OUTER", "RIGHT", "RIGHT OUTER",
                    "FULL", "FULL OUTER" };
                std::istringstream Words(OneOf(Kinds));
                // Now and then a bare JOIN.
                const bool Bare = Chance(10);
                for (std::string Word; !Bare && Words >> Word;)
                    Keyword(Word);
                Keyword("JOIN");
                const std::string Joined = Table();
                Keyword("ON");
                const std::string Owner =
                        Chain[static_cast<std::size_t>(Pick(static_cast<int>(Chain.size())))];
                const bool Parenthesised = Chance(40);
                if (Parenthesised)
                    Add("(");
                std::string Left = Owner + "." + OneOf({ "id", "a", "b" });
                std::string Right = Joined + "." + OneOf({ "id", "a", "ref" });
                if (Chance(50))
                    std::swap(Left, Right);
                Add(Left);
                Add(OneOf({ "=", "=", "<>", "<", ">", "<=", ">=" }));
                Add(Right);
                if (Chance(20)) {
                    // A second column of the same two tables.
                    Keyword("AND");
                    Add(Owner + ".c");
                    Add("=");
                    Add(Joined + ".c");
                }
                if (Parenthesised)
                    Add(")");
                Chain.push_back(Joined);
            }
        }
    }

    void Comparison(bool Having)
    {
        if (Having)
            Call(0);
        else
            Value();
        switch (Pick(8)) {
        case 0:
            if (Chance(30))
                Keyword("NOT");
            Keyword("BETWEEN");
            Value();
            Keyword("AND");
            Value();
            return;
        case 1: {
            if (Chance(30))
                Keyword("NOT");
            Keyword("IN");
            Add("(");
            const int Count = 1 + Pick(3);
            for (int I = 0; I < Count; ++I) {
                if (I > 0)
                    Add(",");
                Value();
            }
            Add(")");
            return;
        }
        case 2:
            Keyword("IS");
            if (Chance(50))
                Keyword("NOT");
            Keyword("NULL");
            return;
        case 3:
            if (Chance(30))
                Keyword("NOT");
            Keyword("LIKE");
            Add(OneOf({ "'x%'", "'%'", "''", "name" }));
            return;
        default:
            Add(OneOf({ "=", "<>", "<", ">", "<=", ">=" }));
            Value();
        }
    }

    void Condition(int Depth, bool Having)
    {
        if (Chance(12))
            Keyword("NOT");
        if (Chance(5)) {
            Keyword("EXISTS");
            for (const char *Word : { "(", "SELECT", "1", "FROM", "v", ")" })
                Add(Word);
        } else if (Chance(5)) {
            Add(Name(true));
            Keyword("IN");
            for (const char *Word : { "(", "SELECT", "a", "FROM", "u", "WHERE", "u.b", "=", "1", ")" })
                Add(Word);
        } else if (Depth > 0 && Chance(30)) {
            Add("(");
            Conditions(Depth - 1, Having);
            Add(")");
        } else if (Chance(15)) {
            Add("(");
            Comparison(Having);
            Add(")");
        } else
            Comparison(Having);
    }

    void Conditions(int Depth, bool Having)
    {
        const int Count = 1 + Pick(3);
        for (int I = 0; I < Count; ++I) {
            if (I > 0)
                Keyword(Chance(50) ? "AND" : "OR");
            Condition(Depth, Having);
        }
    }

    void NameList(bool Directions)
    {
        const int Count = 1 + Pick(3);
        for (int I = 0; I < Count; ++I) {
            if (I > 0)
                Add(",");
            // Positions and expressions as well as names.
            const int Kind = Pick(10);
            if (Kind == 0)
                Add(OneOf({ "1", "2" }));
            else if (Kind == 1)
                Call(0);
            else
                Add(Name(true));
            if (Directions && Chance(40))
                Keyword(Chance(60) ? "DESC" : "ASC");
        }
    }

    void Statement()
    {
        // The FROM list is made first, so that the select list and the conditions can name its
        // entries; the tokens are then put in statement order.
        From();
        std::vector<std::string> FromTokens = std::move(FTokens);
        FTokens.clear();
        Keyword("SELECT");
        if (Chance(15))
            Keyword("DISTINCT");
        const bool WithFrom = Chance(95);
        if (Chance(10))
            Add("*");
        else {
            const int Items = 1 + Pick(4);
            for (int I = 0; I < Items; ++I) {
                if (I > 0)
                    Add(",");
                SelectItem();
            }
        }
        if (!WithFrom)
            return;
        Keyword("FROM");
        FTokens.insert(FTokens.end(), FromTokens.begin(), FromTokens.end());
        if (Chance(50)) {
            Keyword("WHERE");
            Conditions(2, false);
        }
        if (Chance(25)) {
            Keyword("GROUP");
            Keyword("BY");
            NameList(false);
            if (Chance(50)) {
                Keyword("HAVING");
                Conditions(1, true);
            }
        } else if (Chance(5)) {
            Keyword("HAVING");
            Conditions(0, true);
        }
        if (Chance(30)) {
            Keyword("ORDER");
            Keyword("BY");
            NameList(true);
        }
        if (Chance(5))
            Add(";");
    }

    // One token deleted, doubled, swapped with its neighbour or replaced by a stray word.
    void Damage()
    {
        static const char *const Strays[] = { "SELECT", "FROM", "WHERE", "AND", "OR", "NOT", "(", ")", ",",
            "*", "JOIN", "ON", "AS", "IN", "IS", "NULL", "=", ".", ":", "1", "x", "BY", "GROUP", "ORDER" };
        const std::size_t At = static_cast<std::size_t>(Pick(static_cast<int>(FTokens.size())));
        switch (Pick(4)) {
        case 0:
            FTokens.erase(FTokens.begin() + static_cast<std::ptrdiff_t>(At));
            break;
        case 1:
            FTokens.insert(FTokens.begin() + static_cast<std::ptrdiff_t>(At), FTokens[At]);
            break;
        case 2:
            if (At + 1 < FTokens.size())
                std::swap(FTokens[At], FTokens[At + 1]);
            break;
        default:
            FTokens[At] = OneOf(Strays);
        }
    }

    static bool Sticky(const std::string &Token) { return Token == "(" || Token == ")" || Token == ","; }

    // Tokens apart by blanks, tabs or line breaks; punctuation may touch its neighbours.
    std::string Layout()
    {
        std::string Text;
        for (std::size_t I = 0; I < FTokens.size(); ++I) {
            if (I > 0) {
                const bool MayTouch = Sticky(FTokens[I]) || Sticky(FTokens[I - 1]);
                const int Kind = Pick(40);
                if (Kind == 38)
                    Text += Chance(50) ? " /* note */ " : " -- note\r\n";
                else if (Kind >= 36)
                    Text += Kind == 36 ? "\r\n  " : "\t";
                else if (!MayTouch || Kind >= 16)
                    Text += Kind >= 32 ? "   " : " ";
            }
            Text += FTokens[I];
        }
        return Text;
    }

    std::mt19937 FRandom;
    std::vector<std::string> FTokens;
    //! The qualifiers the FROM list offers.
    std::vector<std::string> FKeys;
    bool FNeedsQuoting = false;
};

} // namespace

// Whatever the generator makes, the parser either refuses with EKRParserError or reads into a model
// whose text reads back into the same text. Each statement is read with quoting on and with quoting
// off, the letter case of keywords taking turns. Any other exception ends the test.
TEST(KRRoundTrip, GeneratedStatementsAreRefusedOrRoundTrip)
{
    constexpr int StatementCount = 2000;
    TStatementGenerator Generator(20240607u);
    int Read = 0;
    int Failures = 0;
    for (int I = 0; I < StatementCount && Failures < 20; ++I) {
        bool NeedsQuoting = false;
        const std::string Sql = Generator.Next(NeedsQuoting);
        const TMode *const Pair[] = { &Modes[I % 2], &Modes[3 - I % 2] };
        for (const TMode *Mode : Pair) {
            if (NeedsQuoting && !Mode->Quote)
                continue;
            const TOutcome Outcome = RoundTrip(Sql, *Mode, false);
            if (Outcome.Rejected)
                continue;
            ++Read;
            if (Outcome.TextStable())
                continue;
            ++Failures;
            ADD_FAILURE() << "generated statement " << I << " (" << Mode->Name
                          << ")\n  input:  " << Visible(Sql) << Describe(Outcome);
            break;
        }
    }
    RecordProperty("StatementsRead", Read);
    // The generator must mostly make statements that parse, or it tests only the error paths.
    EXPECT_GT(Read, StatementCount);
}
