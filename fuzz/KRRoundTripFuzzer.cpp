// The round-trip property over arbitrary bytes, in every dialect and quoting: when a text is read,
// the text written from its model is read too, and writes exactly the same text again.
#include "KRFuzzSupport.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>

using namespace korvan;
using namespace korvan::fuzz;

namespace {

//! True when a quoted section of the text holds more than a plain word (a "-" passes the letter
//! rule of identifiers but is a delimiter). With identifier quoting off
//! the writer gives names as they are stored, so a name read from such a section ("Order Date", or
//! a double-quoted table name in MySQL) cannot come back: by design, not a fault.
bool QuotesMoreThanAWord(const std::string &Text, TKRSQLScanner &Scanner)
{
    try {
        for (Scanner.SetExpression(Text); Scanner.TokenKind() != tkEnd; Scanner.GetNextToken()) {
            if (Scanner.TokenQuote() == '\0')
                continue;
            const std::string Value = Scanner.TokenValue();
            const bool Delimiter = std::any_of(
                    Value.begin(), Value.end(), [&Scanner](char C) { return Scanner.IsDelim(C); });
            if (!Scanner.IsIdentifier(Value) || Delimiter || Scanner.IsKeyword(Value)
                    || Scanner.IsFunction(Value))
                return true;
        }
    } catch (const EKRParserError &) {}
    return false;
}

void CheckRoundTrip(const std::string &Text, const TKRDialect &Dialect, bool Quote)
{
    auto First = NewParser(Dialect, Quote);
    try {
        First->SetExpression(Text);
    } catch (const EKRParserError &) {
        return;
    }
    if (!Quote && QuotesMoreThanAWord(Text, *NewParser(Dialect, Quote)->Scanner()))
        return;
    const std::string Text1 = First->GetExpression();
    const std::string Where = "mode: " + std::string(Dialect.Name)
            + (Quote ? ", quoting on" : ", quoting off") + "\ntext:   \"" + Printable(Text)
            + "\"\nwritten: \"" + Printable(Text1) + "\"";
    auto Second = NewParser(Dialect, Quote);
    try {
        Second->SetExpression(Text1);
    } catch (const EKRParserError &Error) {
        Fail("the written text is not read back", Where + "\nerror: " + Error.Message());
    }
    const std::string Text2 = Second->GetExpression();
    if (Text2 != Text1)
        Fail("the written text reads into another model", Where + "\nagain:   \"" + Printable(Text2) + "\"");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *Data, std::size_t Size)
{
    const std::string Text(reinterpret_cast<const char *>(Data), Size);
    for (const TKRDialect &Dialect : Dialects()) {
        CheckRoundTrip(Text, Dialect, true);
        CheckRoundTrip(Text, Dialect, false);
    }
    return 0;
}
