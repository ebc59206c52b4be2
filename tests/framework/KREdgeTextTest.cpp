// Text at the core's edge: line breaks, well-formed UTF-8, and byte positions as a user interface
// counts characters.
#include "framework/KREdgeText.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace korvan;

TEST(KREdgeText, LineBreaksConvertOnlyWhereTheyMust)
{
    struct TCase
    {
        std::string Text, CrLf, Lf;
    };
    const std::vector<TCase> Cases = {
        { "", "", "" },
        { "a\nb\n", "a\r\nb\r\n", "a\nb\n" },
        { "\n\nx", "\r\n\r\nx", "\n\nx" },
        { "a\r\nb", "a\r\nb", "a\nb" },
        { "a\r\n\nb", "a\r\n\r\nb", "a\n\nb" },
        // A CR on its own is no line break in either direction, and does not pair with a later LF.
        { "a\rb\r", "a\rb\r", "a\rb\r" },
        { "a\r\r\nb", "a\r\r\nb", "a\r\nb" },
        { "\r\n\r", "\r\n\r", "\n\r" },
    };
    for (const TCase &Case : Cases) {
        SCOPED_TRACE(testing::PrintToString(Case.Text));
        EXPECT_EQ(LfToCrLf(Case.Text), Case.CrLf);
        EXPECT_EQ(CrLfToLf(Case.Text), Case.Lf);
        // Text from an editor that breaks lines with LF alone comes back as it was.
        if (Case.Lf.find("\r\n") == std::string::npos) {
            EXPECT_EQ(CrLfToLf(LfToCrLf(Case.Lf)), Case.Lf);
        }
    }
}

TEST(KREdgeText, Utf8CheckTakesWellFormedSequencesOnly)
{
    struct TCase
    {
        std::string Text;
        //! The well-formed prefix; the length of Text when all of it is UTF-8.
        std::size_t Valid;
    };
    const std::vector<TCase> Cases = {
        { "", 0 },
        { "SELECT 1", 8 },
        // The first and last code point of each length, and either side of the surrogates.
        { "\x7F", 1 },
        { "\xC2\x80", 2 },
        { "\xDF\xBF", 2 },
        { "\xE0\xA0\x80", 3 },
        { "\xED\x9F\xBF", 3 },
        { "\xEE\x80\x80", 3 },
        { "\xEF\xBF\xBF", 3 },
        { "\xF0\x90\x80\x80", 4 },
        { "\xF4\x8F\xBF\xBF", 4 },
        { "a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80z", 11 },
        // Stray and impossible bytes.
        { "a\x80", 1 },
        { "ab\xBF", 2 },
        { "\xFF", 0 },
        { "\xFE", 0 },
        { "\xF5\x80\x80\x80", 0 },
        // Overlong forms.
        { "\xC0\xAF", 0 },
        { "\xC1\xBF", 0 },
        { "\xE0\x9F\xBF", 0 },
        { "\xF0\x8F\xBF\xBF", 0 },
        // Surrogates and what lies above U+10FFFF.
        { "x\xED\xA0\x80", 1 },
        { "\xED\xBF\xBF", 0 },
        { "\xF4\x90\x80\x80", 0 },
        // Sequences cut short by the end of the text or by a byte that does not continue them.
        { "\xC3", 0 },
        { "ab\xE2\x82", 2 },
        { "\xF0\x9F\x98", 0 },
        { "\xC3\x28", 0 },
        { "\xE2\x82\x28", 0 },
        { "\xC3\xA9\xF0\x9F\x98\x41", 2 },
    };
    for (const TCase &Case : Cases) {
        SCOPED_TRACE(testing::PrintToString(Case.Text));
        EXPECT_EQ(Utf8ValidLength(Case.Text), Case.Valid);
        EXPECT_EQ(IsValidUtf8(Case.Text), Case.Valid == Case.Text.size());
        const std::size_t First = Utf8SequenceLength(Case.Text, 0);
        EXPECT_EQ(First == 0, Case.Valid == 0);
        EXPECT_EQ(Utf8CharLength(Case.Text, 0), First > 0 ? First : 1);
    }
    EXPECT_EQ(Utf8SequenceLength("ab", 2), 0U);
}

TEST(KREdgeText, BytePositionsMapToCodePointsAndUtf16Units)
{
    // a, é (2 bytes), € (3), U+1F600 (4, two UTF-16 units), then 0xFF and a sequence cut short by
    // "b": each of their bytes is a character.
    const std::string Line = "a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80\xFF\xE2\x82"
                             "b";
    struct TCase
    {
        std::size_t Byte, CodePoint, Utf16;
    };
    const std::vector<TCase> Cases = {
        { 1, 1, 1 },
        { 2, 2, 2 },
        { 3, 2, 2 },
        { 4, 3, 3 },
        { 6, 3, 3 },
        { 7, 4, 4 },
        { 10, 4, 4 },
        { 11, 5, 6 },
        { 12, 6, 7 },
        { 13, 7, 8 },
        { 14, 8, 9 },
        // Just past the line, and beyond it one character per byte.
        { 15, 9, 10 },
        { 17, 11, 12 },
        { 0, 1, 1 },
    };
    for (const TCase &Case : Cases) {
        SCOPED_TRACE(Case.Byte);
        EXPECT_EQ(CodePointPosition(Line, Case.Byte), Case.CodePoint);
        EXPECT_EQ(Utf16Position(Line, Case.Byte), Case.Utf16);
    }
    EXPECT_EQ(CodePointPosition("", 1), 1U);
    EXPECT_EQ(Utf16Position("", 3), 3U);
    EXPECT_EQ(CodePointPosition("\xF0\x9F\x98\x80\xF0\x9F\x98\x80", 5), 2U);
    EXPECT_EQ(Utf16Position("\xF0\x9F\x98\x80\xF0\x9F\x98\x80", 9), 5U);
}
