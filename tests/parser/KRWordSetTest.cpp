// The scanner's word look-up must answer exactly as a case-blind search of its word list would.
#include "parser/KRWordSet.h"

#include <gtest/gtest.h>
#include <string>

using namespace korvan;

TEST(KRWordSet, FindsWordsInAnyLetterCaseAndNothingElse)
{
    TStringList List;
    const std::string Long(100, 'x');
    for (const char *Word : { "SELECT", "||", "a", "Order_By", "RDB$DB_KEY" })
        List.Add(Word);
    List.Add(Long);
    TKRWordSet Set;
    Set.Assign(List);
    for (const char *Word : { "select", "SeLeCt", "||", "A", "order_by", "rdb$db_key" })
        EXPECT_TRUE(Set.Contains(Word)) << Word;
    EXPECT_TRUE(Set.Contains(std::string(100, 'X')));
    for (const char *Word : { "", "SELEC", "SELECTS", "|", "b", "ORDER BY", "rdb$db_kez", "SELECT " })
        EXPECT_FALSE(Set.Contains(Word)) << Word;
    EXPECT_FALSE(Set.Contains(std::string(99, 'x')));
    // Letters outside A..Z are compared as they are.
    EXPECT_FALSE(Set.Contains("\xe9"));

    List.Clear();
    List.Add("");
    Set.Assign(List);
    EXPECT_TRUE(Set.Contains(""));
    EXPECT_FALSE(Set.Contains("SELECT"));
}
