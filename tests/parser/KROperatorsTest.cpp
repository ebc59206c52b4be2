#include "parser/KROperators.h"

#include "framework/KRException.h"
#include "parser/KRCriterions.h"
#include "parser/KRSelectParser.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace korvan;

namespace {

//! One row as Caption|Name|Count|Prefix|Relate|Postfix, so a whole table compares at once.
std::string Row(const TKROperator &O)
{
    return O.Caption() + "|" + O.Name() + "|" + std::to_string(O.Count()) + "|" + O.Prefix() + "|"
            + O.Relate() + "|" + O.Postfix();
}

std::vector<std::string> Rows(const TKROperators &Table)
{
    std::vector<std::string> Out;
    for (int I = 0; I < Table.Count(); ++I)
        Out.push_back(Row(*Table.Items(I)));
    return Out;
}

TKROperator &AddOperator(TKROperators &Table, const std::string &Caption, const std::string &Name, int Count,
        const std::string &Prefix = {}, const std::string &Relate = {}, const std::string &Postfix = {})
{
    TKROperator *O = Table.Add();
    O->SetCaption(Caption);
    O->SetName(Name);
    O->SetCount(Count);
    O->SetPrefix(Prefix);
    O->SetRelate(Relate);
    O->SetPostfix(Postfix);
    return *O;
}

const std::vector<std::string> DefaultRows = {
    "=|=|1|||",
    "<>|<>|1|||",
    "<|<|1|||",
    ">|>|1|||",
    "<=|<=|1|||",
    ">=|>=|1|||",
    "LIKE|LIKE|1|||",
    "NOT LIKE|NOT LIKE|1|||",
    "IN|IN|1|(||)",
    "NOT IN|NOT IN|1|(||)",
    "BETWEEN|BETWEEN|2||AND|",
    "NOT BETWEEN|NOT BETWEEN|2||AND|",
    "IS NULL|IS NULL|0|||",
    "IS NOT NULL|IS NOT NULL|0|||",
};

} // namespace

TEST(KROperators, DefaultTableHoldsTheFourteenOperatorsInOrder)
{
    auto P = Construct<TKRSelectParser>();
    EXPECT_EQ(Rows(*P->Operators()), DefaultRows);

    // Both ways of loading the defaults start from an empty table.
    AddOperator(*P->Operators(), "~", "~", 1);
    P->DefineOperators();
    EXPECT_EQ(Rows(*P->Operators()), DefaultRows);
    TKROperators Table;
    AddOperator(Table, "~", "~", 1);
    Table.LoadDefaults();
    EXPECT_EQ(Rows(Table), DefaultRows);
}

TEST(KROperators, FindByCaptionAndByNameMatchExactly)
{
    TKROperators Table;
    Table.LoadDefaults();
    TKROperator &Regex = AddOperator(Table, "~", "Regex", 1);
    AddOperator(Table, "~", "Second", 1);

    EXPECT_EQ(Table.FindByCaption("LIKE"), Table.Items(6));
    EXPECT_EQ(Table.FindByCaption("like"), nullptr);
    EXPECT_EQ(Table.FindByCaption("NOT"), nullptr);
    EXPECT_EQ(Table.FindByCaption(""), nullptr);
    EXPECT_EQ(Table.FindByCaption("~"), &Regex);
    EXPECT_EQ(Table.FindByCaption("Regex"), nullptr);
    EXPECT_EQ(Table.FindByName("Regex"), &Regex);
    EXPECT_EQ(Table.FindByName("regex"), nullptr);
    EXPECT_EQ(Table.FindByName("~"), nullptr);
    EXPECT_EQ(Table.FindByName("IS NOT NULL"), Table.Items(13));
}

TEST(KROperators, FindNearestTakesTheFirstCaptionThatBeginsWithTheText)
{
    struct Case
    {
        const char *Text;
        const char *Caption;
        bool Partial;
    };
    const Case Cases[] = {
        { "not", "NOT LIKE", true },
        { "NOT", "NOT LIKE", true },
        { "Not b", "NOT BETWEEN", true },
        { "is null", "IS NULL", false },
        { "IS N", "IS NULL", true },
        { "is not", "IS NOT NULL", true },
        // "<>" stands before "<" in the table.
        { "<", "<>", true },
        { "<=", "<=", false },
        { ">", ">", false },
        { "between", "BETWEEN", false },
        { "", "=", true },
    };
    TKROperators Table;
    Table.LoadDefaults();
    for (const Case &C : Cases) {
        SCOPED_TRACE(C.Text);
        for (bool Before : { false, true }) {
            bool Partial = Before;
            const TKROperator *Found = Table.FindNearest(C.Text, Partial);
            ASSERT_NE(Found, nullptr);
            EXPECT_EQ(Found->Caption(), C.Caption);
            EXPECT_EQ(Partial, C.Partial);
        }
    }
}

TEST(KROperators, FindNearestWithoutMatchLeavesPartialAlone)
{
    TKROperators Table;
    Table.LoadDefaults();
    for (const char *Text : { "xyz", "NOT LIKE X", "IS NULLS" }) {
        SCOPED_TRACE(Text);
        for (bool Before : { false, true }) {
            bool Partial = Before;
            EXPECT_EQ(Table.FindNearest(Text, Partial), nullptr);
            EXPECT_EQ(Partial, Before);
        }
    }
}

TEST(KROperators, FindNearestIgnoresTheCaseOfTheCaptionToo)
{
    TKROperators Table;
    TKROperator &Similar = AddOperator(Table, "similar to", "SIMILAR TO", 1);
    bool Partial = false;
    EXPECT_EQ(Table.FindNearest("SIMILAR", Partial), &Similar);
    EXPECT_TRUE(Partial);
    EXPECT_EQ(Table.FindNearest("Similar To", Partial), &Similar);
    EXPECT_FALSE(Partial);
}

TEST(KROperators, AssignReplacesTheRowsByCopiesInOrder)
{
    TKROperators Source;
    AddOperator(Source, "~", "Regex", 2, "[", "TO", "]");
    AddOperator(Source, "IS NULL", "Empty", 0);
    TKROperators Target;
    Target.LoadDefaults();

    Target.Assign(&Source);
    Source.Items(0)->SetCaption("changed");
    Source.Clear();
    EXPECT_EQ(Rows(Target), (std::vector<std::string>{ "~|Regex|2|[|TO|]", "IS NULL|Empty|0|||" }));

    TKROperator One;
    One.Assign(Target.Items(0));
    EXPECT_EQ(Row(One), "~|Regex|2|[|TO|]");
}

TEST(KROperators, ParserTakesACopyOfTheTableItIsGiven)
{
    auto P = Construct<TKRSelectParser>();
    TKROperators *Own = P->Operators();
    TKROperators Source;
    AddOperator(Source, "~", "Regex", 1);
    P->SetOperators(&Source);
    Source.Items(0)->SetCaption("changed");
    EXPECT_EQ(P->Operators(), Own);
    EXPECT_EQ(Rows(*P->Operators()), (std::vector<std::string>{ "~|Regex|1|||" }));
}

TEST(KROperators, FilterNamesForTheCriteriaEditor)
{
    EXPECT_EQ(GetFilterAsString(cfAll), "All");
    EXPECT_EQ(GetFilterAsString(cfAny), "Any");
    EXPECT_EQ(GetFilterAsString(cfNone), "None");
    EXPECT_EQ(GetFilterAsString(cfNotAll), "Not all");
    EXPECT_EQ(GetFilterAsString(static_cast<TKRCriterionFilter>(4)), "");
}

// The text a form stores reads back into the same table, whatever the operators' texts hold; a
// line that does not read names itself and leaves the table alone.
TEST(KROperators, TableTextReadsBackAndRefusesWhatIsMalformed)
{
    TKROperators Table;
    Table.LoadDefaults();
    TKROperator *Odd = Table.Add();
    Odd->SetName("IS, \"quoted\"");
    Odd->SetCaption("two words");
    Odd->SetCount(-1);
    const std::string Text = OperatorsText(Table);
    EXPECT_EQ(std::count(Text.begin(), Text.end(), '\n'), Table.Count());
    TKROperators Read;
    SetOperatorsText(Read, Text);
    EXPECT_EQ(Rows(Read), Rows(Table));
    // CR LF and empty lines are taken too.
    SetOperatorsText(Read, "=,Equal,1,,,\r\n\r\nLIKE,Like,1,,,\r\n");
    EXPECT_EQ(Rows(Read), (std::vector<std::string>{ "Equal|=|1|||", "Like|LIKE|1|||" }));

    const auto Refused = [&Read](const std::string &Bad) {
        try {
            SetOperatorsText(Read, Bad);
        } catch (const EConvertError &Error) {
            return Error.Message();
        }
        return std::string("accepted");
    };
    EXPECT_EQ(Refused("=,Equal,1,,,\nLIKE,Like\n"),
            "Line 2 of the operator table: an operator has 6 items (name, caption, count, prefix, relate, "
            "postfix), not 2");
    EXPECT_EQ(Refused("=,Equal,one,,,\n"),
            "Line 1 of the operator table: the operand count 'one' is not a number");
    EXPECT_EQ(Rows(Read), (std::vector<std::string>{ "Equal|=|1|||", "Like|LIKE|1|||" }));
}
