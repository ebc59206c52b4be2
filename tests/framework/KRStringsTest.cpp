#include "framework/KRStrings.h"

#include "framework/KRCollectionBase.h"
#include "framework/KRException.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace korvan;

namespace {

using TItems = std::vector<std::string>;

TItems ItemsOf(const TStringList &List)
{
    return TItems(List.begin(), List.end());
}

void Fill(TStrings &List, const TItems &Items)
{
    for (const std::string &S : Items)
        List.Add(S);
}

// Counts BeginUpdate/EndUpdate calls, and the items present when the outermost batch closes.
class TCountingList : public TStringList
{
public:
    void BeginUpdate() override
    {
        ++Begins;
        TStringList::BeginUpdate();
    }
    void EndUpdate() override
    {
        ++Ends;
        TStringList::EndUpdate();
        if (UpdateCount() == 0)
            CountAtEnd = Count();
    }
    int Begins = 0;
    int Ends = 0;
    int CountAtEnd = -1;
};

} // namespace

TEST(KRStringList, CommaTextSplitsAtCommasAndUnquotedBlanks)
{
    struct TCase
    {
        std::string Text;
        TItems Items;
    };
    const std::vector<TCase> Cases = {
        { "", {} },
        { "  ", {} },
        { "a,b c", { "a", "b", "c" } },
        { "\"a b\",c", { "a b", "c" } },
        { "a,,b", { "a", "", "b" } },
        { "a , b", { "a", "b" } },
        { "a, ,b", { "a", "", "b" } },
        { ",a", { "", "a" } },
        { "a,", { "a" } },
        { "\"\"", { "" } },
        { "\"say \"\"hi\"\"\",x", { "say \"hi\"", "x" } },
        { "\"a,b\"\t\"c\"", { "a,b", "c" } },
        { "\"open ended", { "open ended" } },
        { "\"a\"b", { "a", "b" } },
        { "x\ny\r\nz", { "x", "y", "z" } },
        { "caf\xC3\xA9,na\xC3\xAFve", { "caf\xC3\xA9", "na\xC3\xAFve" } },
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Text);
        TStringList List;
        List.Add("stale");
        List.SetCommaText(C.Text);
        EXPECT_EQ(ItemsOf(List), C.Items);
    }
}

TEST(KRStringList, CommaTextQuotesOnlyItemsThatNeedIt)
{
    struct TCase
    {
        TItems Items;
        std::string Text;
    };
    const std::vector<TCase> Cases = {
        { {}, "" },
        { { "a", "b" }, "a,b" },
        { { "a b", "c" }, "\"a b\",c" },
        { { "", "x", "" }, "\"\",x,\"\"" },
        { { "say \"hi\"" }, "\"say \"\"hi\"\"\"" },
        { { "a,b" }, "\"a,b\"" },
        { { "tab\there" }, "\"tab\there\"" },
        { { "it's", "caf\xC3\xA9" }, "it's,caf\xC3\xA9" },
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Text);
        TStringList List;
        Fill(List, C.Items);
        EXPECT_EQ(List.CommaText(), C.Text);
    }
}

TEST(KRStringList, CommaTextRoundTripsItemsWithBlanksCommasAndQuotes)
{
    const std::vector<TItems> Lists = {
        { "" },
        { "", "" },
        { "a", "" },
        { " lead", "trail ", " " },
        { "\"", "\"\"", "\"quoted\"", "mid\"dle" },
        { ",", ",,", "a,", ",b" },
        { "line\r\nbreak", std::string("nul\0byte", 8), "\x7F", "\xC3\xA9t\xC3\xA9" },
        { "plain", "a b, \"c\" ,d", "\t" },
    };
    for (const TItems &Items : Lists) {
        TStringList Source;
        Fill(Source, Items);
        SCOPED_TRACE(Source.CommaText());
        TStringList Copy;
        Copy.SetCommaText(Source.CommaText());
        EXPECT_EQ(ItemsOf(Copy), Items);
    }
}

TEST(KRStringList, SortedFindGivesFirstMatchOrInsertionPointIgnoringCase)
{
    TStringList List;
    List.SetSorted(true);
    Fill(List, { "delta", "Bravo", "alpha", "CHARLIE", "bravo", "echo" });
    // A duplicate goes in front of the items equal to it.
    EXPECT_EQ(ItemsOf(List), (TItems{ "alpha", "bravo", "Bravo", "CHARLIE", "delta", "echo" }));
    struct TCase
    {
        std::string Key;
        bool Found;
        int Index;
    };
    const std::vector<TCase> Cases = {
        { "ALPHA", true, 0 },
        { "BRAVO", true, 1 },
        { "charlie", true, 3 },
        { "Echo", true, 5 },
        { "aardvark", false, 0 },
        { "beta", false, 1 },
        { "c", false, 3 },
        { "zulu", false, 6 },
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Key);
        int Index = -1;
        EXPECT_EQ(List.Find(C.Key, Index), C.Found);
        EXPECT_EQ(Index, C.Index);
        EXPECT_EQ(List.IndexOf(C.Key), C.Found ? C.Index : -1);
    }
}

TEST(KRStringList, IndexOfIgnoresCaseOnUnsortedLists)
{
    TStringList List;
    Fill(List, { "Zeta", "alpha", "ALPHA" });
    EXPECT_EQ(List.IndexOf("Alpha"), 1);
    EXPECT_EQ(List.IndexOf("zeta"), 0);
    EXPECT_EQ(List.IndexOf("alph"), -1);
    EXPECT_EQ(List.IndexOf("\xC3\xA9"), -1);
}

TEST(KRStringList, SortIsStableAndIgnoresCase)
{
    TStringList List;
    Fill(List, { "b", "B2", "A", "b", "a", "_x", "B" });
    List.Sort();
    EXPECT_EQ(ItemsOf(List), (TItems{ "A", "a", "b", "b", "B", "B2", "_x" }));
}

TEST(KRStringList, SortedListRejectsChangesThatWouldBreakTheOrder)
{
    TStringList List;
    Fill(List, { "c", "a" });
    List.SetSorted(true);
    EXPECT_EQ(List.Add("b"), 1);
    EXPECT_THROW(List.Insert(0, "z"), EListError);
    List.SetStrings(1, "B");
    EXPECT_THROW(List.SetStrings(1, "d"), EListError);
    UpperCaseItems(List);
    EXPECT_EQ(ItemsOf(List), (TItems{ "A", "B", "C" }));
    List.SetSorted(false);
    List.Insert(0, "z");
    EXPECT_EQ(List.CommaText(), "z,A,B,C");
}

TEST(KRStringList, IndexesOutsideTheListRaiseListErrors)
{
    TStringList List;
    Fill(List, { "a", "b" });
    try {
        (void)List.Strings(2);
        ADD_FAILURE() << "no error raised";
    } catch (const EListError &E) {
        EXPECT_EQ(E.Message(), "List index out of bounds (2)");
    }
    EXPECT_THROW(List.SetStrings(-1, "x"), EListError);
    EXPECT_THROW(List.Delete(2), EListError);
    EXPECT_THROW(List.Insert(3, "x"), EListError);
    List.Insert(2, "c");
    List.Delete(0);
    EXPECT_EQ(List.CommaText(), "b,c");
}

TEST(KRStringList, AssignCopiesEveryStringInsideOneUpdate)
{
    TStringList Source;
    Fill(Source, { "b", "A", "b" });
    TCountingList Target;
    Fill(Target, { "old" });
    Target.SetSorted(true);
    Target.Assign(&Source);
    EXPECT_EQ(ItemsOf(Target), (TItems{ "A", "b", "b" }));
    EXPECT_EQ(Target.Begins, 1);
    EXPECT_EQ(Target.Ends, 1);
    EXPECT_EQ(Target.CountAtEnd, 3);
    EXPECT_TRUE(Target.Equals(Target));
    EXPECT_FALSE(Target.Equals(Source));

    Target.Assign(&Target);
    EXPECT_EQ(Target.Count(), 3);
}

TEST(KRStringList, AssignFromAnotherKindOfObjectNamesBothClasses)
{
    TCollection Collection(&ItemClassOf<TCollectionItem>);
    TCountingList Target;
    try {
        Target.Assign(&Collection);
        ADD_FAILURE() << "no error raised";
    } catch (const EConvertError &E) {
        EXPECT_EQ(E.Message(), "Cannot assign a TCollection to a TCountingList");
    }
    try {
        Target.Assign(nullptr);
        ADD_FAILURE() << "no error raised";
    } catch (const EConvertError &E) {
        EXPECT_EQ(E.Message(), "Cannot assign a nil to a TCountingList");
    }
}

TEST(KRStringList, TextEndsEveryItemWithCrLfAndEqualsMindsCase)
{
    TStringList A;
    TStringList B;
    EXPECT_EQ(A.Text(), "");
    Fill(A, { "select *", "", "from t" });
    EXPECT_EQ(A.Text(), "select *\r\n\r\nfrom t\r\n");
    Fill(B, { "select *", "", "FROM t" });
    EXPECT_FALSE(A.Equals(B));
    B.SetStrings(2, "from t");
    EXPECT_TRUE(A.Equals(B));
    B.Add("");
    EXPECT_FALSE(A.Equals(B));
}
