#include "dialects/KRMySQLScanner.h"

namespace korvan {

namespace {

constexpr char BackQuote = '`';
constexpr char Backslash = '\\';

//! The number of backslashes that end Text[0, End).
std::size_t BackslashRun(const std::string &Text, std::size_t End)
{
    std::size_t Run = 0;
    while (Run < End && Text[End - 1 - Run] == Backslash)
        ++Run;
    return Run;
}

} // namespace

bool TKRMySQLScanner::IsIdentQuote(char C) const
{
    return C == BackQuote;
}

// A quote closes a string unless it pairs with the quote before it or a backslash escapes it.
// Backslashes pair up among themselves first: in 'C:\\' the quote closes, in 'It\'s' it does not,
// and in 'a\\\'b' the third backslash escapes the quote.
bool TKRMySQLScanner::IsTerminator(char C, const std::string &Token, char Next, char Quote) const
{
    if (Quote == BackQuote)
        return TKRSQLScanner::IsTerminator(C, Token, Next, Quote);
    if (C != Quote || Next == Quote)
        return false;
    std::size_t Run = 0;
    while (Run < Token.size() && Token[Token.size() - 1 - Run] == Quote)
        ++Run;
    // An odd run of backslashes escapes the first quote of the run (or C itself, when the run is
    // empty), which then pairs with nothing: the run counts one less.
    const bool Escaped = BackslashRun(Token, Token.size() - Run) % 2 == 1;
    return (Escaped ? Run + 1 : Run) % 2 == 0;
}

char TKRMySQLScanner::GetIdentQuote() const
{
    return BackQuote;
}

bool TKRMySQLScanner::GetProcessAliases() const
{
    return QuoteIdentifiers();
}

// A backslash and the character after it are one unit, kept as written; only a doubled quote
// outside such a unit stands for one quote.
std::string TKRMySQLScanner::UnescapeQuoted(const std::string &Text, char Quote) const
{
    if (Quote == BackQuote)
        return TKRSQLScanner::UnescapeQuoted(Text, Quote);
    std::string Result;
    Result.reserve(Text.size());
    for (std::size_t I = 0; I < Text.size(); ++I) {
        const char C = Text[I];
        Result += C;
        if (I + 1 == Text.size())
            break;
        if (C == Backslash)
            Result += Text[++I];
        else if (C == Quote && Text[I + 1] == Quote)
            ++I;
    }
    return Result;
}

// The value may come from a double-quoted literal ("It's") or from an editor, so a single quote
// that no backslash escapes is doubled, and a trailing lone backslash gets its partner: otherwise
// it would escape the closing quote.
std::string TKRMySQLScanner::QuoteString(const std::string &Value) const
{
    const char Quote = GetStringQuote();
    std::string Result(1, Quote);
    Result.reserve(Value.size() + 2);
    for (std::size_t I = 0; I < Value.size(); ++I) {
        const char C = Value[I];
        Result += C;
        if (C == Backslash) {
            if (I + 1 < Value.size())
                Result += Value[++I];
            else
                Result += Backslash;
        } else if (C == Quote)
            Result += Quote;
    }
    Result += Quote;
    return Result;
}

bool TKRMySQLScanner::IsCommentStart(int P) const
{
    const char C = CharAt(P);
    if (C == '#')
        return true;
    if (C == '-' && CharAt(P + 1) == '-') {
        const auto After = static_cast<unsigned char>(CharAt(P + 2));
        return After <= ' ';
    }
    return TKRSQLScanner::IsCommentStart(P);
}

} // namespace korvan
