#include "dialects/KRIBScanner.h"

#include "framework/KRText.h"

#include <algorithm>

namespace korvan {

bool TKRIBScanner::IsAlpha(char C) const
{
    return C >= 'A' && C <= 'Z';
}

bool TKRIBScanner::IsQuote(char C) const
{
    switch (FDialect) {
    case qibDialect1:
        return C == '"' || C == '\'';
    case qibDialect3:
        return C == '\'';
    }
    return TKRSQLScanner::IsQuote(C);
}

// "$" belongs to system names such as RDB$RELATIONS.
bool TKRIBScanner::IsLegalSymbol(char C) const
{
    return TKRSQLScanner::IsLegalSymbol(C) || C == '$';
}

bool TKRIBScanner::IsIdentQuote(char C) const
{
    switch (FDialect) {
    case qibDialect1:
        return false;
    case qibDialect3:
        return C == '"';
    }
    return TKRSQLScanner::IsIdentQuote(C);
}

char TKRIBScanner::GetIdentQuote() const
{
    return '"';
}

bool TKRIBScanner::GetProcessAliases() const
{
    return true;
}

bool TKRIBScanner::GetQuoteIdentifiers() const
{
    switch (FDialect) {
    case qibDialect1:
        return false;
    case qibDialect3:
        return true;
    }
    return TKRSQLScanner::GetQuoteIdentifiers();
}

// A bare name must read back as the same single name: "-" passes as a legal symbol but ends a
// word, so "A-B" written bare would come back as the expression A - B.
bool TKRIBScanner::NeedQuotes(const std::string &S) const
{
    if (IsKeyword(S) || IsFunction(S) || IsValueWord(S))
        return true;
    if (S.size() > 1 && IsIdentQuote(S.front()) && S.front() == S.back())
        return false;
    return !IsIdentifier(S) || std::any_of(S.begin(), S.end(), [this](char C) { return IsDelim(C); });
}

std::string TKRIBScanner::ProcessIdent(const std::string &S) const
{
    return AnsiUpperCase(S);
}

std::string TKRIBScanner::ProcessName(const std::string &S) const
{
    if (FDialect != qibDialect1)
        return TKRSQLScanner::ProcessName(S);
    // Dialect 1 cannot quote a name; the nearest name it can write is the server's own spelling.
    std::string Result = AnsiUpperCase(S);
    std::replace(Result.begin(), Result.end(), ' ', '_');
    return Result;
}

} // namespace korvan
