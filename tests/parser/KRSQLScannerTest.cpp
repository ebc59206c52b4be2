#include "parser/KRSQLScanner.h"

#include "parser/KRParserError.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace korvan;

namespace {

struct Tok
{
    std::string Text;
    TTokenKind Kind;
    int Blanks = -1; //!< -1: not checked
    bool operator==(const Tok &O) const
    {
        return Text == O.Text && Kind == O.Kind && (Blanks < 0 || O.Blanks < 0 || Blanks == O.Blanks);
    }
};

void PrintTo(const Tok &T, std::ostream *Os)
{
    *Os << '{' << '"' << T.Text << "\", " << int(T.Kind) << ", " << T.Blanks << '}';
}

std::unique_ptr<TKRSQLScanner> NewScanner()
{
    return Construct<TKRSQLScanner>();
}

//! Every token up to and including the first tkEnd.
std::vector<Tok> Tokens(TKRSQLScanner &S, const std::string &Sql)
{
    std::vector<Tok> Out;
    S.SetExpression(Sql);
    for (;;) {
        Out.push_back({ S.Token(), S.TokenKind(), S.BlankCount() });
        if (S.TokenKind() == tkEnd)
            return Out;
        S.GetNextToken();
    }
}

std::vector<Tok> Tokens(const std::string &Sql)
{
    auto S = NewScanner();
    return Tokens(*S, Sql);
}

} // namespace

TEST(KRSQLScanner, SplitsASimpleSelectAndKeepsReturningEnd)
{
    auto S = NewScanner();
    EXPECT_EQ(Tokens(*S, "SELECT a,b FROM t"),
            (std::vector<Tok>{ { "SELECT", tkKeyword }, { "a", tkIdent }, { ",", tkDelim }, { "b", tkIdent },
                    { "FROM", tkKeyword }, { "t", tkIdent }, { "", tkEnd } }));
    for (int I = 0; I < 3; ++I) {
        EXPECT_EQ(S->GetNextToken(), "");
        EXPECT_EQ(S->TokenKind(), tkEnd);
    }
    EXPECT_EQ(S->Level(), 0);
}

TEST(KRSQLScanner, ClassifiesWordsFunctionsFirstAndIgnoringCase)
{
    EXPECT_EQ(Tokens("count select Max 42 x_1-2 1abc"),
            (std::vector<Tok>{ { "count", tkFunction }, { "select", tkKeyword }, { "Max", tkFunction },
                    { "42", tkInteger }, { "x_1", tkIdent }, { "-", tkOperation }, { "2", tkInteger },
                    { "1abc", tkUnknown }, { "", tkEnd } }));
    // Operator words of the default table are keywords, so conditions using them read back.
    EXPECT_EQ(Tokens("like In is NULL between"),
            (std::vector<Tok>{ { "like", tkKeyword }, { "In", tkKeyword }, { "is", tkKeyword },
                    { "NULL", tkKeyword }, { "between", tkKeyword }, { "", tkEnd } }));
}

TEST(KRSQLScanner, ReadsDecimalsButNotQualifiedNames)
{
    EXPECT_EQ(Tokens("1.5 t.a 2. 3.x 4.5.6"),
            (std::vector<Tok>{ { "1.5", tkFloat }, { "t", tkIdent }, { ".", tkDelim }, { "a", tkIdent },
                    { "2.", tkFloat }, { "3", tkInteger }, { ".", tkDelim }, { "x", tkIdent },
                    { "4", tkInteger }, { ".", tkDelim }, { "5.6", tkFloat }, { "", tkEnd } }));
    EXPECT_EQ(Tokens("f(1.25)"),
            (std::vector<Tok>{ { "f", tkIdent }, { "(", tkDelim }, { "1.25", tkFloat }, { ")", tkDelim },
                    { "", tkEnd } }));
}

TEST(KRSQLScanner, ExponentNumbersAreOneNumber)
{
    EXPECT_EQ(Tokens("1e-308 1.5E+10 2e5 3.e2 1e x1e5 1e+"),
            (std::vector<Tok>{ { "1e-308", tkFloat }, { "1.5E+10", tkFloat }, { "2e5", tkFloat },
                    { "3.e2", tkFloat }, { "1e", tkUnknown }, { "x1e5", tkIdent }, { "1e", tkUnknown },
                    { "+", tkOperation }, { "", tkEnd } }));
}

// Comments stand where blanks may: they count as blanks, the lines inside them count, and the quotes
// and parentheses inside them count for nothing, also after stepping back.
TEST(KRSQLScanner, CommentsAreBlanks)
{
    EXPECT_EQ(Tokens("a--x ' (\r\n/* it's\r\n ( */b/**/c-d -- e"),
            (std::vector<Tok>{ { "a", tkIdent, 0 }, { "b", tkIdent, 3 }, { "c", tkIdent, 1 },
                    { "-", tkOperation, 0 }, { "d", tkIdent, 0 }, { "", tkEnd } }));
    auto S = NewScanner();
    S->SetExpression("SELECT a /* it's ( */\r\n  -- (\r\n , b");
    while (S->Token() != "b")
        S->GetNextToken();
    EXPECT_EQ(S->Line(), 3);
    EXPECT_EQ(S->Column(), 5);
    EXPECT_EQ(S->Level(), 0);
    S->SetPosition(S->Position() - 1);
    EXPECT_EQ(S->Line(), 3);
    EXPECT_EQ(S->Level(), 0);
    EXPECT_EQ(S->GetNextToken(), "b");
}

TEST(KRSQLScanner, UnterminatedCommentIsAnErrorAtItsStart)
{
    auto S = NewScanner();
    S->SetExpression("SELECT a\r\n  FROM t /* no end\r\n");
    try {
        while (S->TokenKind() != tkEnd)
            S->GetNextToken();
        FAIL() << "no error";
    } catch (const EKRParserError &E) {
        EXPECT_EQ(E.ErrorCode(), 4);
        EXPECT_EQ(E.LineNo(), 2);
        EXPECT_EQ(E.LinePos(), 10);
        EXPECT_EQ(E.Message(), "Unterminated comment.");
    }
}

TEST(KRSQLScanner, ArithmeticSignsAreOperations)
{
    EXPECT_EQ(Tokens("a*b/c+-d"),
            (std::vector<Tok>{ { "a", tkIdent }, { "*", tkOperation }, { "b", tkIdent }, { "/", tkOperation },
                    { "c", tkIdent }, { "+", tkOperation }, { "-", tkOperation }, { "d", tkIdent },
                    { "", tkEnd } }));
}

TEST(KRSQLScanner, QuotedSectionsComeBackWithoutTheirQuotes)
{
    auto S = NewScanner();
    S->SetExpression("'It''s' x");
    EXPECT_EQ(S->Token(), "It''s");
    EXPECT_EQ(S->TokenKind(), tkIdentString);
    EXPECT_EQ(S->TokenQuote(), '\'');
    EXPECT_EQ(S->TokenValue(), "It's");
    EXPECT_EQ(S->GetNextToken(), "x");
    EXPECT_EQ(S->TokenQuote(), '\0');
    EXPECT_EQ(S->TokenValue(), "x");

    S->SetExpression("\"Total \"\"Sales\"\"\"");
    EXPECT_EQ(S->Token(), "Total \"\"Sales\"\"");
    EXPECT_EQ(S->TokenKind(), tkIdentString);
    EXPECT_EQ(S->TokenQuote(), '"');
    EXPECT_EQ(S->TokenValue(), "Total \"Sales\"");
    EXPECT_EQ(S->GetNextToken(), "");
    EXPECT_EQ(S->TokenKind(), tkEnd);
    EXPECT_FALSE(S->InString());
}

TEST(KRSQLScanner, EmptyLiteralIsAnEmptyTokenNotTheEnd)
{
    EXPECT_EQ(Tokens("a = '' AND b = \"\""),
            (std::vector<Tok>{ { "a", tkIdent }, { "=", tkComparison }, { "", tkIdentString },
                    { "AND", tkKeyword }, { "b", tkIdent }, { "=", tkComparison }, { "", tkIdentString },
                    { "", tkEnd } }));
    EXPECT_EQ(Tokens("''"), (std::vector<Tok>{ { "", tkIdentString }, { "", tkEnd } }));
}

TEST(KRSQLScanner, QuotedTextKeepsItsKind)
{
    EXPECT_EQ(Tokens("a = ';' OR op = '+' OR c = '(('"),
            (std::vector<Tok>{ { "a", tkIdent }, { "=", tkComparison }, { ";", tkIdentString },
                    { "OR", tkKeyword }, { "op", tkIdent }, { "=", tkComparison }, { "+", tkIdentString },
                    { "OR", tkKeyword }, { "c", tkIdent }, { "=", tkComparison }, { "((", tkIdentString },
                    { "", tkEnd } }));
    auto S = NewScanner();
    Tokens(*S, "f('(', \")\")");
    EXPECT_EQ(S->Level(), 0);
}

TEST(KRSQLScanner, WordRightBeforeAQuoteIsClassifiedOnItsOwn)
{
    EXPECT_EQ(Tokens("abc'x'"),
            (std::vector<Tok>{ { "abc", tkIdent }, { "x", tkIdentString }, { "", tkEnd } }));
}

TEST(KRSQLScanner, UnterminatedStringRaisesOnTheCallThatReachesTheEnd)
{
    auto S = NewScanner();
    S->SetExpression("SELECT a FROM t WHERE b = 'abc");
    for (int I = 0; I < 6; ++I)
        S->GetNextToken();
    EXPECT_EQ(S->Token(), "=");
    try {
        S->GetNextToken();
        FAIL() << "no error";
    } catch (const EKRParserError &E) {
        EXPECT_EQ(E.ErrorCode(), 3);
        EXPECT_EQ(E.Message(), "Unterminated string.");
        EXPECT_EQ(E.Token(), "=");
        EXPECT_EQ(E.LineNo(), 1);
    }
    // A lone quote at the very end fails the same way.
    S->SetExpression("SELECT a,");
    EXPECT_NO_THROW(S->GetNextToken());
    EXPECT_THROW(S->SetExpression("'"), EKRParserError);
}

TEST(KRSQLScanner, ComparisonPairsAndBlankCounts)
{
    EXPECT_EQ(Tokens("a < = b"),
            (std::vector<Tok>{ { "a", tkIdent, 0 }, { "<", tkComparison, 1 }, { "=", tkComparison, 1 },
                    { "b", tkIdent, 1 }, { "", tkEnd, 0 } }));
    EXPECT_EQ(Tokens("a<=b<>c>=d"),
            (std::vector<Tok>{ { "a", tkIdent, 0 }, { "<=", tkComparison, 0 }, { "b", tkIdent, 0 },
                    { "<>", tkComparison, 0 }, { "c", tkIdent, 0 }, { ">=", tkComparison, 0 },
                    { "d", tkIdent, 0 }, { "", tkEnd, 0 } }));
    EXPECT_EQ(Tokens("NOT  LIKE\r\n\tx"),
            (std::vector<Tok>{ { "NOT", tkKeyword, 0 }, { "LIKE", tkKeyword, 2 }, { "x", tkIdent, 2 },
                    { "", tkEnd, 0 } }));
}

TEST(KRSQLScanner, CrLfBreaksLinesButBareLfDoesNot)
{
    auto S = NewScanner();
    S->SetExpression("SELECT a\r\n  FROM t");
    EXPECT_EQ(S->Line(), 1);
    EXPECT_EQ(S->Column(), 7);
    S->GetNextToken();
    EXPECT_EQ(S->Column(), 9);
    S->GetNextToken();
    EXPECT_EQ(S->Token(), "FROM");
    EXPECT_EQ(S->Line(), 2);
    EXPECT_EQ(S->Column(), 7);

    EXPECT_EQ(Tokens("a\nb\rc"),
            (std::vector<Tok>{ { "a\nb", tkUnknown }, { "\r", tkDelim }, { "c", tkIdent }, { "", tkEnd } }));
}

TEST(KRSQLScanner, LineCountStaysTrueAfterAMultiLineLiteral)
{
    auto S = NewScanner();
    S->SetExpression("a = 'one\r\ntwo' AND");
    S->GetNextToken();
    S->GetNextToken();
    EXPECT_EQ(S->Token(), "one\r\ntwo");
    EXPECT_EQ(S->Line(), 2);
    S->GetNextToken();
    EXPECT_EQ(S->Token(), "AND");
    EXPECT_EQ(S->Line(), 2);
    EXPECT_EQ(S->Column() - 3, 6);
}

TEST(KRSQLScanner, SemicolonEndsTheStatementAnywhere)
{
    EXPECT_EQ(Tokens("SELECT a; DROP t"),
            (std::vector<Tok>{ { "SELECT", tkKeyword }, { "a", tkIdent }, { ";", tkEnd } }));
}

TEST(KRSQLScanner, CountsNestingOnceForEachParenthesis)
{
    auto S = NewScanner();
    S->SetExpression("f((a), b)");
    std::vector<int> Levels;
    while (S->TokenKind() != tkEnd) {
        Levels.push_back(S->Level());
        S->GetNextToken();
    }
    EXPECT_EQ(Levels, (std::vector<int>{ 0, 1, 2, 2, 1, 1, 1, 0 }));
    S->GetNextToken();
    EXPECT_EQ(S->Level(), 0);
}

TEST(KRSQLScanner, NestingBeyondTheLimitIsAClearError)
{
    auto S = NewScanner();
    const std::string Deep = "SELECT " + std::string(TKRSQLScanner::MaxLevel, '(') + "1";
    S->SetExpression(Deep);
    while (S->TokenKind() != tkEnd)
        S->GetNextToken();
    EXPECT_EQ(S->Level(), TKRSQLScanner::MaxLevel);

    S->SetExpression("SELECT\r\n" + std::string(100000, '('));
    try {
        while (S->TokenKind() != tkEnd)
            S->GetNextToken();
        FAIL() << "no error";
    } catch (const EKRParserError &E) {
        EXPECT_EQ(E.ErrorCode(), 1);
        EXPECT_EQ(E.Token(), "(");
        EXPECT_EQ(E.LineNo(), 2);
        EXPECT_EQ(E.LinePos(), TKRSQLScanner::MaxLevel + 1);
        EXPECT_EQ(E.Message(), "Invalid token '(' at position 257 of line 2.");
    }
}

TEST(KRSQLScanner, LongRunsOfBlanksCostNoStack)
{
    auto S = NewScanner();
    S->SetExpression("SELECT" + std::string(2000000, ' ') + "a");
    EXPECT_EQ(S->GetNextToken(), "a");
    EXPECT_EQ(S->BlankCount(), 2000000);
    S->SetExpression(std::string(1000000, '\r') + "x");
    EXPECT_EQ(S->Token(), "\r");
}

TEST(KRSQLScanner, LookAheadLeavesTheScanWhereItWas)
{
    auto S = NewScanner();
    S->SetExpression("a\r\n  (b)");
    const int Position = S->Position();
    EXPECT_EQ(S->GetTokenPlus(), "(");
    EXPECT_EQ(S->Token(), "a");
    EXPECT_EQ(S->TokenKind(), tkIdent);
    EXPECT_EQ(S->Position(), Position);
    EXPECT_EQ(S->Line(), 1);
    EXPECT_EQ(S->Level(), 0);
    // The blanks before the peeked token stay counted: operators of two words are read this way.
    EXPECT_EQ(S->BlankCount(), 3);
    EXPECT_EQ(S->GetNextToken(), "(");
    EXPECT_EQ(S->Line(), 2);
    EXPECT_EQ(S->Level(), 1);
}

TEST(KRSQLScanner, LookAheadRestoresTheScanEvenWhenItRaises)
{
    auto S = NewScanner();
    S->SetExpression("x = 'open");
    S->GetNextToken();
    EXPECT_THROW(S->GetTokenPlus(), EKRParserError);
    EXPECT_EQ(S->Token(), "=");
    EXPECT_EQ(S->TokenKind(), tkComparison);
    EXPECT_FALSE(S->InString());
    EXPECT_EQ(S->QuoteChar(), '\0');
    EXPECT_EQ(S->Column(), 4);
}

TEST(KRSQLScanner, SteppingBackDescribesTheNewPosition)
{
    auto S = NewScanner();
    S->SetExpression("SELECT f(a,\r\n ')(' , (b)) x");
    while (S->Token() != "x")
        S->GetNextToken();
    EXPECT_EQ(S->Level(), 0);
    // Back to the "(" before b: one call and no group open before it, whatever the literal holds.
    const int Paren = static_cast<int>(S->Expression().rfind("(b"));
    S->SetPosition(Paren + 1);
    EXPECT_EQ(S->Line(), 2);
    EXPECT_EQ(S->Column(), 9);
    EXPECT_EQ(S->Level(), 1);
    EXPECT_EQ(S->GetNextToken(), "(");
    EXPECT_EQ(S->Level(), 2);
    EXPECT_EQ(S->GetNextToken(), "b");
    EXPECT_EQ(S->Column() - 1, 10);
}

TEST(KRSQLScanner, SetPositionClampsAndSetsTheKind)
{
    auto S = NewScanner();
    S->SetExpression("ab cd");
    S->SetPosition(99);
    EXPECT_EQ(S->Position(), 5);
    EXPECT_EQ(S->TokenKind(), tkEnd);
    S->SetPosition(-3);
    EXPECT_EQ(S->Position(), 1);
    EXPECT_EQ(S->TokenKind(), tkUnknown);
    S->SetPosition(4);
    EXPECT_EQ(S->Token(), "");
    EXPECT_EQ(S->GetNextToken(), "cd");
    // Position 1 restarts the scan and reads the first token again.
    S->SetPosition(1);
    EXPECT_EQ(S->Token(), "ab");
    EXPECT_EQ(S->Position(), 1);
}

TEST(KRSQLScanner, WordListSettersUpperCaseAndSortButOperationsKeepTheirOrder)
{
    auto S = NewScanner();
    TStringList Words;
    Words.SetCommaText("zeta,alpha,Mid");
    S->SetKeywords(Words);
    EXPECT_EQ(S->Keywords().CommaText(), "ALPHA,MID,ZETA");
    EXPECT_TRUE(S->IsKeyword("mid"));
    EXPECT_FALSE(S->IsKeyword("SELECT"));
    S->SetKeywords(S->Keywords());
    EXPECT_EQ(S->Keywords().CommaText(), "ALPHA,MID,ZETA");

    S->SetFunctions(Words);
    EXPECT_EQ(S->Functions().CommaText(), "ALPHA,MID,ZETA");
    EXPECT_EQ(Tokens(*S, "zeta"), (std::vector<Tok>{ { "zeta", tkFunction }, { "", tkEnd } }));

    TStringList Ops;
    Ops.SetCommaText("||,+,mod");
    S->SetOperations(Ops);
    EXPECT_EQ(S->Operations().CommaText(), "||,+,mod");
    EXPECT_EQ(Tokens(*S, "a || b MOD c"),
            (std::vector<Tok>{ { "a", tkIdent }, { "||", tkOperation }, { "b", tkIdent },
                    { "MOD", tkOperation }, { "c", tkIdent }, { "", tkEnd } }));
}

TEST(KRSQLScanner, DefaultWordListsAreSortedUpperCase)
{
    auto S = NewScanner();
    EXPECT_EQ(S->Functions().CommaText(), "AVG,COUNT,MAX,MIN,SUM");
    EXPECT_EQ(S->Operations().CommaText(), "*,+,-,/");
    EXPECT_EQ(S->Keywords().Count(), 27);
    for (int I = 1; I < S->Keywords().Count(); ++I)
        EXPECT_LT(S->Keywords().Strings(I - 1), S->Keywords().Strings(I));
}
