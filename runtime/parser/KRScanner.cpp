#include "parser/KRScanner.h"

#include <cstring>

namespace korvan {

namespace {

//! Saves the base scan state and puts it back when it goes out of scope, also during an exception.
class TScanStateGuard
{
public:
    TScanStateGuard(bool &InString, char &QuoteChar, int &Level, int &Position, std::string &Token)
        : FInString(InString, InString)
        , FQuoteChar(QuoteChar, QuoteChar)
        , FLevel(Level, Level)
        , FPosition(Position, Position)
        , FToken(Token, Token)
    {}
    ~TScanStateGuard()
    {
        FInString.first = FInString.second;
        FQuoteChar.first = FQuoteChar.second;
        FLevel.first = FLevel.second;
        FPosition.first = FPosition.second;
        FToken.first = std::move(FToken.second);
    }
    TScanStateGuard(const TScanStateGuard &) = delete;
    TScanStateGuard &operator=(const TScanStateGuard &) = delete;

private:
    std::pair<bool &, bool> FInString;
    std::pair<char &, char> FQuoteChar;
    std::pair<int &, int> FLevel;
    std::pair<int &, int> FPosition;
    std::pair<std::string &, std::string> FToken;
};

} // namespace

TKRScanner::TKRScanner()
{
    TKRScanner::Init();
}

TKRScanner::~TKRScanner() = default;

void TKRScanner::SetExpression(const std::string &Value)
{
    FExpression = Value;
    FLength = static_cast<int>(FExpression.size());
    GetFirstToken();
}

void TKRScanner::SetPosition(int Value)
{
    if (Value == FPosition)
        return;
    if (Value == 1)
        GetFirstToken();
    else
        Init();
    if (Value < 1 || FLength == 0)
        FPosition = 1;
    else if (Value > FLength)
        FPosition = FLength;
    else
        FPosition = Value;
}

bool TKRScanner::IsAlpha(char C) const
{
    return (C >= 'A' && C <= 'Z') || (C >= 'a' && C <= 'z');
}

bool TKRScanner::IsDelim(char C) const
{
    switch (C) {
    case '\r':
    case '.':
    case ',':
    case '/':
    case '\\':
    case ';':
    case ':':
    case '(':
    case ')':
    case '{':
    case '}':
    case '[':
    case ']':
    case '*':
    case '+':
    case '-':
    case '<':
    case '=':
    case '>':
    case '!':
        return true;
    default:
        return false;
    }
}

bool TKRScanner::IsDigit(char C) const
{
    return C >= '0' && C <= '9';
}

bool TKRScanner::IsQuote(char C) const
{
    return C == '"' || C == '\'';
}

bool TKRScanner::IsSpace(char C) const
{
    return C == '\t' || C == ' ';
}

std::string TKRScanner::GetTokenPlus()
{
    TScanStateGuard Guard(FInString, FQuoteChar, FLevel, FPosition, FToken);
    return GetNextToken();
}

bool TKRScanner::ShouldLevelUp(char C) const
{
    return C == '(';
}

bool TKRScanner::ShouldLevelDown(char C) const
{
    return C == ')';
}

void TKRScanner::Init()
{
    FToken.clear();
    FPosition = 1;
    FLevel = 0;
    FInString = false;
    FQuoteChar = '\0';
}

std::string TKRScanner::GetFirstToken()
{
    Init();
    return GetNextToken();
}

} // namespace korvan
