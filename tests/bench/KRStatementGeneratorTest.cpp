// The benchmark statements must be what they claim: read by their mode's parser into a model of
// the promised size, written back stably, and the same on every run.
#include "KRStatementGenerator.h"

#include "KRBenchSupport.h"

#include <gtest/gtest.h>
#include <string>

using namespace korvan;
using namespace korvan::bench;

namespace {

int OutputFields(const TKRSelectParser &P)
{
    int Count = 0;
    for (int I = 0; I < P.TableDefs()->Count(); ++I)
        Count += P.TableDefs()->Items(I)->FieldDefs()->Count();
    return Count;
}

} // namespace

TEST(KRStatementGenerator, StatementsOfEveryModeAndSizeReadBackStably)
{
    for (const TBenchMode Mode : BenchModes)
        for (const TStatementSize &Size : { SmallSize, MediumSize, LargeSize }) {
            SCOPED_TRACE(std::string(BenchModeName(Mode)) + " " + Size.Name);
            const std::string Sql = GenerateStatement(Mode, Size, 7);
            EXPECT_NE(Sql.find("\r\n"), std::string::npos);
            EXPECT_EQ(Sql.find_first_of('\n'), Sql.find("\r\n") + 1);
            auto First = NewBenchParser(Mode);
            ASSERT_NO_THROW(First->SetExpression(Sql));
            EXPECT_EQ(First->TableDefs()->Count(), Size.Tables);
            EXPECT_EQ(OutputFields(*First), Size.Fields);
            const std::string Text1 = First->GetExpression();
            auto Second = NewBenchParser(Mode);
            ASSERT_NO_THROW(Second->SetExpression(Text1));
            EXPECT_EQ(Second->GetExpression(), Text1);
        }
}

TEST(KRStatementGenerator, TheSameSeedGivesTheSameStatements)
{
    EXPECT_EQ(GenerateStatement(bmMySQL, MediumSize, 1), GenerateStatement(bmMySQL, MediumSize, 1));
    EXPECT_NE(GenerateStatement(bmMySQL, MediumSize, 1), GenerateStatement(bmMySQL, MediumSize, 2));
    const auto Batch = GenerateBatch(bmGeneric, 3);
    ASSERT_EQ(Batch.size(), static_cast<std::size_t>(BatchCount));
    EXPECT_NE(Batch[0], Batch[1]);
    EXPECT_EQ(SplitStatements(JoinStatements(Batch)), Batch);
}

TEST(KRStatementGenerator, TheBareTokenizerCountsWordsDelimitersAndQuotedSections)
{
    EXPECT_EQ(BareTokenize(""), 0u);
    EXPECT_EQ(BareTokenize("SELECT a.b, 'it''s' FROM\r\n t"), 8u);
    EXPECT_EQ(BareTokenize("'open"), 1u);
}
