#include "framework/KRText.h"

#include "framework/KRException.h"

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <gtest/gtest.h>
#include <limits>
#include <string>
#include <vector>

using namespace korvan;

namespace {

// "Größe é" in UTF-8: letters beyond ASCII must come through case changes byte for byte.
const std::string Utf8Mixed = "Gr\xC3\xB6\xC3\x9F"
                              "e \xC3\xA9";

} // namespace

TEST(KRText, CaseChangesTouchAsciiLettersOnly)
{
    EXPECT_EQ(AnsiUpperCase(Utf8Mixed),
            "GR\xC3\xB6\xC3\x9F"
            "E \xC3\xA9");
    EXPECT_EQ(AnsiLowerCase(Utf8Mixed),
            "gr\xC3\xB6\xC3\x9F"
            "e \xC3\xA9");
    EXPECT_EQ(AnsiUpperCase("select a_1 [@`{}~]"), "SELECT A_1 [@`{}~]");
    EXPECT_EQ(AnsiLowerCase("SELECT A_1 [@`{}~]"), "select a_1 [@`{}~]");
}

TEST(KRText, CompareTextFoldsAsciiToUpperAndComparesBytesUnsigned)
{
    struct TCase
    {
        std::string A, B;
        int Sign;
    };
    const std::vector<TCase> Cases = {
        { "Customers", "CUSTOMERS", 0 },
        { "", "", 0 },
        { "a", "B", -1 },
        { "B", "a", 1 },
        { "ab", "abc", -1 },
        { "abc", "AB", 1 },
        // Folding to upper case puts '_' after the letters, as the framework sorts names.
        { "a_b", "aab", 1 },
        // Bytes of UTF-8 text are above every ASCII byte, never negative.
        { "z", "\xC3\xA9", -1 },
        // Non-ASCII letters are not folded.
        { "\xC3\xA9", "\xC3\x89", 1 },
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.A + " vs " + C.B);
        const int Result = CompareText(C.A, C.B);
        EXPECT_EQ((Result > 0) - (Result < 0), C.Sign);
        EXPECT_EQ(SameText(C.A, C.B), C.Sign == 0);
    }
}

TEST(KRText, AnsiQuotedStrDoublesEveryQuoteInside)
{
    EXPECT_EQ(AnsiQuotedStr("", '\''), "''");
    EXPECT_EQ(AnsiQuotedStr("it's", '\''), "'it''s'");
    EXPECT_EQ(AnsiQuotedStr("''", '\''), "''''''");
    EXPECT_EQ(AnsiQuotedStr("say \"hi\" it's", '"'), "\"say \"\"hi\"\" it's\"");
    EXPECT_EQ(AnsiQuotedStr("a`b", '`'), "`a``b`");
}

TEST(KRText, FormatFillsTextsAndIntegersInOrder)
{
    const std::string Name = "ORDERS";
    EXPECT_EQ(Format("Table %s has %d rows", { Name, 42 }), "Table ORDERS has 42 rows");
    EXPECT_EQ(Format("%d%%", { -7 }), "-7%");
    EXPECT_EQ(Format("100%% sure", {}), "100% sure");
    EXPECT_EQ(Format("%s/%s", { std::string_view("a"), "b" }), "a/b");
    // Either conversion takes either kind of argument.
    EXPECT_EQ(Format("%d and %s", { "text", 5 }), "text and 5");
    EXPECT_EQ(Format("%S%D", { "x", 1 }), "x1");
    EXPECT_EQ(Format("%d %d",
                      { std::numeric_limits<long long>::min(),
                              std::numeric_limits<unsigned long long>::max() }),
            "-9223372036854775808 18446744073709551615");
    EXPECT_EQ(Format("%s", { static_cast<const char *>(nullptr) }), "");
    EXPECT_EQ(Format("only %s", { "one", "extra" }), "only one");
    // An argument that holds % is not read as a format.
    EXPECT_EQ(Format("%s", { "%d" }), "%d");
}

TEST(KRText, FormatRaisesForMissingArgumentsAndUnknownConversions)
{
    struct TCase
    {
        std::string Fmt;
        std::string Message;
    };
    const std::vector<TCase> Cases = {
        { "%s and %d", "No argument for format '%d'" },
        { "%x", "Format '%x' invalid or incompatible with argument" },
        { "%5d", "Format '%5' invalid or incompatible with argument" },
        { "50%", "Format '%' invalid or incompatible with argument" },
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Fmt);
        try {
            Format(C.Fmt, { "one" });
            ADD_FAILURE() << "no error raised";
        } catch (const EConvertError &E) {
            EXPECT_EQ(E.Message(), C.Message);
            EXPECT_STREQ(E.what(), C.Message.c_str());
        }
    }
}

TEST(KRText, StrToIntAcceptsBlanksSignAndDecimalDigitsOnly)
{
    struct TCase
    {
        std::string Text;
        int Value;
    };
    const std::vector<TCase> Valid = {
        { "0", 0 },
        { "  42\t", 42 },
        { "+7", 7 },
        { "-0012", -12 },
        { "2147483647", 2147483647 },
        { "-2147483648", std::numeric_limits<int>::min() },
    };
    for (const TCase &C : Valid) {
        SCOPED_TRACE(C.Text);
        EXPECT_EQ(StrToInt(C.Text), C.Value);
        EXPECT_EQ(StrToIntDef(C.Text, -1), C.Value);
    }
    const std::vector<std::string> Invalid = { "", "   ", "-", "+-1", "12a", "1 2", "0x10", "$10", "1.0",
        "2147483648", "-2147483649", "99999999999999999999" };
    for (const std::string &Text : Invalid) {
        SCOPED_TRACE(Text);
        EXPECT_EQ(StrToIntDef(Text, -99), -99);
        try {
            StrToInt(Text);
            ADD_FAILURE() << "no error raised";
        } catch (const EConvertError &E) {
            EXPECT_EQ(E.Message(), "'" + Text + "' is not a valid integer value");
        }
    }
}

TEST(KRText, IntToStrWritesTheWholeRange)
{
    EXPECT_EQ(IntToStr(0), "0");
    EXPECT_EQ(IntToStr(-15), "-15");
    EXPECT_EQ(IntToStr(std::numeric_limits<long long>::min()), "-9223372036854775808");
}

TEST(KRText, FloatToStrUsesTheGeneralLayoutWithShortestDigits)
{
    struct TCase
    {
        double Value;
        std::string Text;
    };
    const std::vector<TCase> Cases = {
        { 1.5, "1.5" },
        { 2.0, "2" },
        { 0.1, "0.1" },
        { -2.25, "-2.25" },
        { -0.0, "0" },
        { 100.0, "100" },
        { 0.1 + 0.2, "0.30000000000000004" },
        { 123456789012345.0, "123456789012345" },
        { 0.00001, "0.00001" },
        { 0.000012, "0.000012" },
        { 1e15, "1E15" },
        { 1234567890123456.0, "1.234567890123456E15" },
        { 1e20, "1E20" },
        { -1.5e-7, "-1.5E-7" },
        { std::numeric_limits<double>::infinity(), "INF" },
        { -std::numeric_limits<double>::infinity(), "-INF" },
        { std::nan(""), "NAN" },
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Text);
        EXPECT_EQ(FloatToStr(C.Value), C.Text);
    }
}

TEST(KRText, FloatToStrReadsBackExactlyWhateverTheLocale)
{
    // A locale with a decimal comma, where one exists on this machine, must not leak into the text.
    const std::string Saved = std::setlocale(LC_NUMERIC, nullptr);
    const bool Comma = std::setlocale(LC_NUMERIC, "de_DE.UTF-8") != nullptr;
    const std::vector<double> Values = { 1.0 / 3, 2.0 / 3 * 1e300, 5e-324, std::numeric_limits<double>::max(),
        1234.5678, -9.87654321e-10 };
    std::vector<std::string> Texts;
    for (double Value : Values)
        Texts.push_back(FloatToStr(Value));
    std::setlocale(LC_NUMERIC, Saved.c_str());
    for (std::size_t I = 0; I < Values.size(); ++I) {
        SCOPED_TRACE(Texts[I] + (Comma ? " (decimal comma locale)" : ""));
        EXPECT_EQ(Texts[I].find(','), std::string::npos);
        EXPECT_EQ(std::strtod(Texts[I].c_str(), nullptr), Values[I]);
    }
}

TEST(KRText, DateAndTimeTextsFromADayCount)
{
    struct TCase
    {
        double Days;
        std::string Date, Time, DateTime;
    };
    const std::vector<TCase> Cases = {
        { 0, "1899-12-30", "00:00:00", "1899-12-30" },
        { 45356.75, "2024-03-05", "18:00:00", "2024-03-05 18:00:00" },
        // The whole days count towards zero, the time comes from the fraction's magnitude.
        { -1.25, "1899-12-29", "06:00:00", "1899-12-29 06:00:00" },
        // Rounded to the millisecond first: a hair before midnight is the next day.
        { 45356.9999999999, "2024-03-06", "00:00:00", "2024-03-06" },
        { -693593, "0001-01-01", "00:00:00", "0001-01-01" },
        { 2958465.5, "9999-12-31", "12:00:00", "9999-12-31 12:00:00" },
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.DateTime);
        EXPECT_EQ(DateToStr(C.Days), C.Date);
        EXPECT_EQ(TimeToStr(C.Days), C.Time);
        EXPECT_EQ(DateTimeToStr(C.Days), C.DateTime);
    }
    for (double Bad : { -693594.0, 2958466.0, std::nan(""), std::numeric_limits<double>::infinity() }) {
        SCOPED_TRACE(Bad);
        EXPECT_THROW(DateToStr(Bad), EConvertError);
        EXPECT_THROW(DateTimeToStr(Bad), EConvertError);
    }
}

TEST(KRText, TrimRemovesBlanksAndControlBytesOnly)
{
    EXPECT_EQ(Trim(std::string_view(" \t\r\n x y \x01\0 ", 12)), "x y");
    EXPECT_EQ(TrimLeft("  a b  "), "a b  ");
    EXPECT_EQ(TrimRight("  a b  "), "  a b");
    // A UTF-8 no-break space is text, not a blank.
    EXPECT_EQ(Trim(" \xC2\xA0 "), "\xC2\xA0");
    EXPECT_EQ(Trim("   "), "");
}
