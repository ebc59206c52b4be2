// Hostile input in every dialect: huge, deep, binary or truncated texts end in a model or in
// EKRParserError with one of the documented codes, on the ordinary stack, and what is read keeps
// every byte it was given.
#include "KRHostileStatements.h"
#include "KRTestSupport.h"
#include "dialects/KRIBSelectParser.h"
#include "dialects/KRMySelectParser.h"
#include "parser/KRSelectParser.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

using namespace korvan;

namespace {

using test::Read;
using test::Repeat;
using TOutcome = test::TReadOutcome;

//! A parser of each dialect of the list, with its default options.
struct TDialect
{
    std::string Name;
    const korvan::TKRDialect *Entry;
    std::unique_ptr<TKRSelectParser> Create() const { return CreateDialectParser(*Entry); }
};

std::vector<TDialect> AllDialects()
{
    std::vector<TDialect> Result;
    for (const korvan::TKRDialect &D : korvan::Dialects())
        Result.push_back({ std::string(D.Name), &D });
    return Result;
}

const std::vector<TDialect> Every = AllDialects();

TOutcome Read(const TDialect &D, const std::string &Sql)
{
    auto P = D.Create();
    return Read(*P, Sql);
}

void ExpectClean(const TOutcome &Outcome, const std::string &What)
{
    EXPECT_TRUE(Outcome.Parsed || (Outcome.Code >= 1 && Outcome.Code <= 4))
            << What << ": code " << Outcome.Code;
}

//! The string value of the first condition of a statement read without error.
std::string FirstValue(const TKRSelectParser &P)
{
    const TKRCriterions *List = P.WhereItems();
    while (List->Count() > 0 && List->Items(0)->SubItems()->Count() > 0)
        List = List->Items(0)->SubItems();
    if (List->Count() == 0 || List->Items(0)->RightSide()->Count() == 0)
        return "<none>";
    return List->Items(0)->RightSide()->Items(0)->Name();
}

} // namespace

TEST(KRHostileInput, HundredThousandLevelsOfNestingEndInTheNestingError)
{
    for (const TDialect &D : Every)
        for (const std::string &Sql : bench::NestingStatements(bench::TestHostileSizes)) {
            const TOutcome Outcome = Read(D, Sql);
            EXPECT_FALSE(Outcome.Parsed) << D.Name;
            EXPECT_EQ(Outcome.Code, 1) << D.Name;
        }
}

// Chains that need no parenthesis do not nest: they are read without recursion or refused. The fuzz
// targets read them ten times longer.
TEST(KRHostileInput, LongUnparenthesisedChainsAreReadOrRefused)
{
    for (const TDialect &D : Every)
        for (const std::string &Sql : bench::ChainStatements(bench::TestHostileSizes))
            ExpectClean(Read(D, Sql), D.Name);
}

TEST(KRHostileInput, HugeLiteralsAndListsAreRead)
{
    const std::string Value = bench::LiteralValue(bench::TestHostileSizes);
    for (const TDialect &D : Every) {
        auto P = D.Create();
        const TOutcome Outcome = Read(*P, bench::LiteralStatement(bench::TestHostileSizes));
        ASSERT_TRUE(Outcome.Parsed) << D.Name;
        EXPECT_EQ(FirstValue(*P), Value) << D.Name;
    }
    auto P = Every[0].Create();
    const std::string List = bench::InListStatement(bench::TestHostileSizes);
    ASSERT_GT(List.size(), 1000u * 1000);
    const TOutcome Outcome = Read(*P, List);
    ASSERT_TRUE(Outcome.Parsed);
    EXPECT_GT(Outcome.Text.size(), List.size());
}

TEST(KRHostileInput, LongRunsOfBlanksAreNothingToRead)
{
    const std::string Statement = bench::BlanksStatement(bench::TestHostileSizes);
    for (const TDialect &D : Every)
        ExpectClean(Read(D, Statement), D.Name);
    const std::string Quarter(bench::TestHostileSizes.Blanks / 4, ' ');
    auto P = Every[0].Create();
    ASSERT_TRUE(Read(*P, "SELECT" + Quarter + "a" + Quarter + "FROM" + Quarter + "t" + Quarter).Parsed);
    EXPECT_EQ(P->TableDefs()->Count(), 1);
}

// A NUL is a byte like any other: it neither ends the text early nor is lost inside quotes.
TEST(KRHostileInput, NulBytesAreKeptOrRefused)
{
    const std::string Nul(1, '\0');
    for (const TDialect &D : Every) {
        for (const std::string &Sql : { Nul, "SELECT " + Nul, "SELECT a" + Nul + "b FROM t",
                     "SELECT a FROM t" + Nul + " WHERE a = 1", Repeat(Nul, 1000),
                     "SELECT a FROM t WHERE a = 1" + Nul })
            ExpectClean(Read(D, Sql), D.Name);
        auto P = D.Create();
        ASSERT_TRUE(Read(*P, "SELECT a FROM t WHERE a = 'x" + Nul + "y'").Parsed) << D.Name;
        EXPECT_EQ(FirstValue(*P), "x" + Nul + "y") << D.Name;
    }
}

TEST(KRHostileInput, InvalidUtf8PassesThroughQuotesUnchanged)
{
    const std::string Bytes = "\xff\xfe\x80\xc3\x28\xe2\x82\xed\xa0\x80";
    for (const TDialect &D : Every) {
        ExpectClean(Read(D, "SELECT " + Bytes + " FROM t"), D.Name);
        ExpectClean(Read(D, Bytes), D.Name);
        ExpectClean(Read(D, "SELECT a" + Bytes + "b FROM t" + Bytes), D.Name);
        auto P = D.Create();
        ASSERT_TRUE(Read(*P, "SELECT a FROM t WHERE a = '" + Bytes + "'").Parsed) << D.Name;
        EXPECT_EQ(FirstValue(*P), Bytes) << D.Name;
    }
}

TEST(KRHostileInput, AHugeIdentifierIsOneName)
{
    const std::string Name = bench::HugeName(bench::TestHostileSizes);
    for (const TDialect &D : Every) {
        auto P = D.Create();
        ASSERT_TRUE(Read(*P, bench::NameStatement(bench::TestHostileSizes)).Parsed) << D.Name;
        ASSERT_EQ(P->TableDefs()->Count(), 1) << D.Name;
        EXPECT_EQ(P->TableDefs()->Items(0)->Name(), Name) << D.Name;
    }
}

TEST(KRHostileInput, AQuoteLeftOpenAtTheVeryEndIsTheUnterminatedError)
{
    for (const TDialect &D : Every) {
        for (const char *Quote : { "'", "\"", "`" }) {
            for (const std::string &Sql : { std::string(Quote), "SELECT " + std::string(Quote),
                         "SELECT a FROM t WHERE a = " + std::string(Quote) + "abc",
                         "SELECT a FROM " + std::string(Quote) + "t" }) {
                const TOutcome Outcome = Read(D, Sql);
                // A quote that is no quote in this dialect is an invalid token instead.
                EXPECT_FALSE(Outcome.Parsed) << D.Name << " " << Sql;
                EXPECT_TRUE(Outcome.Code == 3 || Outcome.Code == 1) << D.Name << " " << Sql;
            }
        }
        EXPECT_EQ(Read(D, "SELECT a FROM t WHERE a = 'abc").Code, 3) << D.Name;
    }
}

TEST(KRHostileInput, EveryKeywordAloneAndAfterSelectIsReadOrRefused)
{
    for (const TDialect &D : Every) {
        const std::unique_ptr<TKRSelectParser> Words = D.Create();
        const TStringList &Keywords = Words->Scanner()->Keywords();
        ASSERT_GT(Keywords.Count(), 10) << D.Name;
        for (int I = 0; I < Keywords.Count(); ++I) {
            const std::string &Word = Keywords.Strings(I);
            for (const std::string &Sql : { Word, "SELECT " + Word, "SELECT " + Word + " FROM t",
                         "SELECT a FROM t WHERE " + Word, "SELECT a FROM " + Word })
                ExpectClean(Read(D, Sql), std::string(D.Name) + ": " + Sql);
        }
    }
}

// Found by fuzzing: unqualified fields copied to every table made alias look-ups scan the whole
// select list for each new field. Both statements, and a larger one of the same kind, are read.
TEST(KRHostileInput, UnqualifiedFieldsOverManyTablesAreRead)
{
    const char *const Found[] = {
        R"sql(SELECT xSHARED.aARTa,E, tECTu.b$$$ EVENTa,E.b$$$ a,Rt. EVENTa,ECTHOUR a,  a,RSHAa, RED.a,NTa,E,N7korvan11ED.a,NTa,E, tECTu.b$$$ a,Rt. u.b$$$ a,Rt. EV3ENTa,ECT a, wE,NHOUR, tECVENTa,EC a,RSHAa, RED.a,NTa,E,N7korvan11ED.a,NTa,E, tECTu.b$$$ a,Rt. u.b$$$ a,Rt. EV3ENTa,ECT a, wE,NHOUR, tECVENTa,ECT a, wERt. E,VENENTa,ECTNUa,CT a, EVENENLCSEET a, E,VtTa,ECTa,NTa,E,N7korvan11ED.a,NTa,E, tECTNUa,Rt.T a, wERt. E,VENENTa,ECTNUa,CT a, EVENENLCSEET a, E,VtTa,ECTa,NTa,E,N7korvan11ED.a,NTa,E, tECTNUa,Rt.bb FROM Rt.bbTw.b$$$ ,Ta,ECT a, T$y)sql",
        R"sql(SELECT xSHARED.aARTa,E, tECTu.b$$$ EVENTa,E.b$$$ a,Rt. EVENTa,ECTHOUR a,  a,RSHAa, RED.a,NTa,E,N7korvan11ED.a,NTa,E, tECTu.b$$$ a,Rt. u.b$$$ a,Rt. EV3ENTa,ESR a, wE,NHOUR, tECVENTa,EC a,RSHAa, RED.a,NTa,E,N7korvan11ED.a,NTa,E, tECTu.b$$$ a,Rt. u.b$$$ a,Rt. EV3ENTa,ECT a, wE,NHOUR, tECVENTa,ECT a, wERt. E,VENENTa,ECTNUa,CT a, EVENENLCSEET a, E,VtTa,ECTa,NTa,E,N7korvan11E3D.a,NTa,E, tECTNUa,Rt.T a, wERt. E,VENENTa,ECTNUa,CT a, EVENENLCSEET a, E,VtTa,ECTa,NTa,E,N7korvan11ED.a,NTa,E, tECTNUa,Rt.bb FROM Rt.bbTw.b$$$ ,Ta,ECT a, T$y)sql"
    };
    auto Firebird = Every[2].Create();
    for (const char *Sql : Found) {
        const TOutcome First = Read(*Firebird, Sql);
        ASSERT_TRUE(First.Parsed);
        const TOutcome Second = Read(*Firebird, First.Text);
        ASSERT_TRUE(Second.Parsed);
        EXPECT_EQ(Second.Text, First.Text);
    }
    std::string Sql = "SELECT ";
    for (int F = 0; F < 300; ++F)
        Sql += (F > 0 ? ", f" : "f") + std::to_string(F % 100) + " AS x";
    Sql += " FROM ";
    for (int T = 0; T < 50; ++T)
        Sql += (T > 0 ? ", t" : "t") + std::to_string(T);
    for (const TDialect &D : Every) {
        auto P = D.Create();
        ASSERT_TRUE(Read(*P, Sql).Parsed) << D.Name;
        // Nothing tells which table has them: each is one column, of the first table.
        EXPECT_EQ(P->TableDefs()->GetFieldCount(), 300) << D.Name;
        EXPECT_EQ(P->TableDefs()->Items(0)->FieldDefs()->Count(), 300) << D.Name;
    }
}
