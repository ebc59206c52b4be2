#include "parser/KRSQLScanner.h"

#include "framework/KRText.h"
#include "parser/KRParserError.h"

#include <algorithm>
#include <utility>

namespace korvan {

//! What one pass of the lexing loop found, beside the kind it leaves in FTokenKind.
struct TKRSQLScanner::TStep
{
    std::string Result;
    int Start = 1; //!< where the pass began
    bool Quoted = false; //!< the text is the contents of a quoted section
    bool Consumed = false; //!< the pass consumed at least one byte
    bool Exhausted = false; //!< the pass ran into the end of the text while gathering
};

namespace {

//! Restores one value when the scope ends, also during an exception.
template <typename T>
class TRestore
{
public:
    explicit TRestore(T &Ref)
        : FRef(Ref)
        , FSaved(Ref)
    {}
    ~TRestore() { FRef = std::move(FSaved); }
    TRestore(const TRestore &) = delete;
    TRestore &operator=(const TRestore &) = delete;

private:
    T &FRef;
    T FSaved;
};

void LoadWords(TStringList &List, const std::string &CommaText, bool UpperCase)
{
    List.Clear();
    List.SetCommaText(CommaText);
    if (UpperCase)
        UpperCaseItems(List);
    List.Sort();
}

void CopyWords(TStringList &List, const TStrings &Value)
{
    List.Assign(&Value);
    UpperCaseItems(List);
    List.Sort();
}

} // namespace

TKRSQLScanner::TKRSQLScanner()
    : FKeywords(std::make_unique<TStringList>())
    , FFunctions(std::make_unique<TStringList>())
    , FOperations(std::make_unique<TStringList>())
{
    TKRSQLScanner::Init();
}

TKRSQLScanner::~TKRSQLScanner() = default;

void TKRSQLScanner::AfterConstruction()
{
    TKRScanner::AfterConstruction();
    DefineFunctions();
    DefineKeywords();
    DefineOperations();
}

std::string TKRSQLScanner::TokenValue() const
{
    return FTokenQuote != '\0' ? UnescapeQuoted(FToken, FTokenQuote) : FToken;
}

void TKRSQLScanner::SetKeywords(const TStrings &Value)
{
    if (&Value != FKeywords.get())
        CopyWords(*FKeywords, Value);
    FKeywordSet.Assign(*FKeywords);
}

void TKRSQLScanner::SetFunctions(const TStrings &Value)
{
    if (&Value != FFunctions.get())
        CopyWords(*FFunctions, Value);
    FFunctionSet.Assign(*FFunctions);
}

void TKRSQLScanner::SetOperations(const TStrings &Value)
{
    if (&Value != FOperations.get())
        FOperations->Assign(&Value);
    FOperationSet.Assign(*FOperations);
}

void TKRSQLScanner::Init()
{
    TKRScanner::Init();
    FLine = 1;
    FColumn = 1;
    FTokenKind = tkUnknown;
    FBlankCount = 0;
    FEmptyLiteralPending = false;
    FTokenQuote = '\0';
    FTokenStart = 1;
}

TKRScanMark TKRSQLScanner::Mark() const
{
    return { FPosition, FToken, FLevel, FInString, FQuoteChar, FTokenKind, FLine, FColumn, FBlankCount,
        FEmptyLiteralPending, FTokenQuote, FTokenStart };
}

void TKRSQLScanner::Restore(const TKRScanMark &Value)
{
    FPosition = Value.Position;
    FToken = Value.Token;
    FLevel = Value.Level;
    FInString = Value.InString;
    FQuoteChar = Value.QuoteChar;
    FTokenKind = Value.TokenKind;
    FLine = Value.Line;
    FColumn = Value.Column;
    FBlankCount = Value.BlankCount;
    FEmptyLiteralPending = Value.EmptyLiteralPending;
    FTokenQuote = Value.TokenQuote;
    FTokenStart = Value.TokenStart;
}

void TKRSQLScanner::SetPosition(int Value)
{
    if (Value == FPosition)
        return;
    TKRScanner::SetPosition(Value);
    if (FPosition == FLength)
        FTokenKind = tkEnd;
    else if (FToken.empty())
        FTokenKind = tkUnknown;
    RecomputeLinePosition();
}

// After a jump the counters must describe the new position, or error messages would point at a
// token the parser has stepped back from. They are counted again from the start of the text.
void TKRSQLScanner::RecomputeLinePosition()
{
    int LineNo = 1;
    int LineStart = 1;
    int Depth = 0;
    char Quote = '\0';
    std::string Gathered;
    for (int P = 1; P < FPosition; ++P) {
        const char C = At(P);
        if (C == '\r' && P + 1 < FPosition && At(P + 1) == '\n') {
            ++LineNo;
            LineStart = P + 2;
        }
        if (Quote == '\0') {
            if (IsCommentStart(P)) {
                // Quotes and parentheses inside a comment count for nothing.
                const int Found = CommentEnd(P);
                const int End = Found < 0 ? FPosition : std::min(Found, FPosition);
                for (int Q = P; Q + 1 < End; ++Q)
                    if (At(Q) == '\r' && At(Q + 1) == '\n') {
                        ++LineNo;
                        LineStart = Q + 2;
                    }
                P = End - 1;
                continue;
            }
            if (IsQuote(C) || IsIdentQuote(C)) {
                Quote = C;
                Gathered.clear();
            } else if (ShouldLevelUp(C))
                ++Depth;
            else if (ShouldLevelDown(C))
                --Depth;
        } else if (C == Quote && (P == FLength || IsTerminator(C, Gathered, CharAt(P + 1), Quote)))
            Quote = '\0';
        else
            Gathered += C;
    }
    FLine = LineNo;
    FColumn = FPosition - LineStart + 1;
    FLevel = Depth;
}

std::string TKRSQLScanner::GetTokenPlus()
{
    TRestore<int> Line(FLine);
    TRestore<int> Column(FColumn);
    TRestore<TTokenKind> Kind(FTokenKind);
    TRestore<char> TokenQuote(FTokenQuote);
    TRestore<int> TokenStart(FTokenStart);
    return TKRScanner::GetTokenPlus();
}

TKRScanMark TKRSQLScanner::PeekNext()
{
    const TKRScanMark Here = Mark();
    try {
        GetNextToken();
    } catch (...) {
        Restore(Here);
        throw;
    }
    const TKRScanMark Next = Mark();
    Restore(Here);
    return Next;
}

void TKRSQLScanner::ScanOne(TStep &Step)
{
    if (FTokenKind != tkSpace && FTokenKind != tkEol)
        FBlankCount = 0;
    FTokenKind = tkUnknown;
    Step = TStep();
    Step.Start = FPosition;
    std::string &Result = Step.Result;

    while (FPosition <= FLength) {
        const char C = At(FPosition);
        const char Next = CharAt(FPosition + 1);
        if ((IsQuote(C) || IsIdentQuote(C))
                && ((FQuoteChar != '\0' && C == FQuoteChar
                            && (FPosition == FLength || IsTerminator(C, Result, Next, FQuoteChar)))
                        || FQuoteChar == '\0')) {
            if (!Result.empty() || FEmptyLiteralPending) {
                // The quote ends the token and is read again by the next call.
                if (FInString) {
                    const bool Ident = IsIdentQuote(C);
                    const bool Str = IsQuote(C);
                    FTokenKind = Ident && Str ? tkIdentString : (Ident ? tkIdent : tkString);
                    Step.Quoted = true;
                }
                FEmptyLiteralPending = false;
                return FinishWord(Result, Step.Quoted);
            }
            const bool Opening = !FInString;
            FQuoteChar = FInString ? '\0' : C;
            FInString = FQuoteChar != '\0';
            if (Opening)
                FEmptyLiteralPending = Next == C && (FPosition + 1 == FLength || CharAt(FPosition + 2) != C);
            Result = C;
            FTokenKind = tkQuote;
            ++FPosition;
            Step.Consumed = true;
            return FinishWord(Result, false);
        }

        if (!FInString) {
            // 1.5, 1., 1.5E+10 and 1e-308 are one number each.
            const bool Point = C == '.';
            if ((Point || C == 'e' || C == 'E') && IsInteger(Result)) {
                int P = FPosition + (Point ? 1 : 0);
                while (Point && P <= FLength && IsDigit(At(P)))
                    ++P;
                P = ExponentEnd(P);
                const char After = CharAt(P);
                if ((Point || P > FPosition)
                        && (P > FLength || IsSpace(After) || (IsDelim(After) && After != '.'))) {
                    Result.append(FExpression, static_cast<std::size_t>(FPosition - 1),
                            static_cast<std::size_t>(P - FPosition));
                    FPosition = P;
                    FTokenKind = tkFloat;
                    Step.Consumed = true;
                    return FinishWord(Result, false);
                }
            }
            if (IsCommentStart(FPosition)) {
                if (!Result.empty())
                    return FinishWord(Result, false);
                SkipComment();
                FTokenKind = tkSpace;
                Step.Consumed = true;
                return;
            }
            if (IsDelim(C) || IsSpace(C)) {
                if (!Result.empty())
                    return FinishWord(Result, false);
                Result = C;
                FTokenKind = IsDelim(C) ? tkDelim : tkSpace;
                ++FPosition;
                Step.Consumed = true;
                if (C == '\r' && CharAt(FPosition) == '\n') {
                    Result += '\n';
                    ++FPosition;
                    FTokenKind = tkEol;
                    ++FLine;
                    FColumn = 1;
                } else if (IsComparison(C)) {
                    if (IsComparison(CharAt(FPosition))) {
                        Result += At(FPosition);
                        ++FPosition;
                    }
                    FTokenKind = tkComparison;
                }
                return FinishWord(Result, false);
            }
        }
        Result += C;
        ++FPosition;
        Step.Consumed = true;
    }
    Step.Exhausted = FInString;
    FinishWord(Result, false);
}

// An exponent at P (e or E, an optional sign, at least one digit) ends where it stops; without one
// P itself is the end.
int TKRSQLScanner::ExponentEnd(int P) const
{
    if (P > FLength || (At(P) != 'e' && At(P) != 'E'))
        return P;
    int Digits = P + 1;
    if (Digits <= FLength && (At(Digits) == '+' || At(Digits) == '-'))
        ++Digits;
    int End = Digits;
    while (End <= FLength && IsDigit(At(End)))
        ++End;
    return End > Digits ? End : P;
}

bool TKRSQLScanner::IsCommentStart(int P) const
{
    const char C = CharAt(P);
    const char Next = CharAt(P + 1);
    return (C == '-' && Next == '-') || (C == '/' && Next == '*');
}

// Where the comment that starts at P ends: "--" at the line break that ends its line (the break is
// not part of it), "/*" right after the next "*/"; -1 for a "/*" that is never closed.
int TKRSQLScanner::CommentEnd(int P) const
{
    if (At(P) != '/') {
        int End = P + 2;
        while (End <= FLength && At(End) != '\r' && At(End) != '\n')
            ++End;
        return End;
    }
    const std::size_t Close = FExpression.find("*/", static_cast<std::size_t>(P + 1));
    return Close == std::string::npos ? -1 : static_cast<int>(Close) + 3;
}

// A comment stands where blanks may. The counters follow the line breaks inside it; a "/*" that is
// never closed is an error at once, at its own position.
void TKRSQLScanner::SkipComment()
{
    const int Start = FPosition;
    const int End = CommentEnd(Start);
    if (End < 0)
        throw EKRParserError(4, "/*", FLine, FColumn);
    int LineStart = 0;
    for (int P = Start; P + 1 < End; ++P)
        if (At(P) == '\r' && At(P + 1) == '\n') {
            ++FLine;
            LineStart = P + 2;
        }
    FColumn = LineStart == 0 ? FColumn + (End - Start) : End - LineStart + 1;
    FPosition = End;
}

// Classifies a finished pass and moves the column past it.
void TKRSQLScanner::FinishWord(std::string &Result, bool Quoted)
{
    if (FTokenKind == tkUnknown) {
        if (Result.empty())
            FTokenKind = tkEnd;
        else if (IsFunction(Result))
            FTokenKind = tkFunction;
        else if (IsKeyword(Result))
            FTokenKind = tkKeyword;
        else if (IsInteger(Result))
            FTokenKind = tkInteger;
        else if (IsIdentifier(Result) || IsIdentifier(ProcessIdent(Result)))
            FTokenKind = tkIdent;
    } else if (!Quoted && Result == ";")
        FTokenKind = tkEnd;
    // Quoted text keeps its kind: WHERE op = '+' compares with a literal.
    if (!Quoted && IsOperation(Result))
        FTokenKind = tkOperation;

    if (FTokenKind == tkEol)
        return;
    // A literal may span lines; the counters follow its line breaks so later positions stay true.
    const auto Break = Quoted ? Result.rfind("\r\n") : std::string::npos;
    if (Break == std::string::npos)
        FColumn += static_cast<int>(Result.size());
    else {
        for (std::size_t P = Result.find("\r\n"); P != std::string::npos; P = Result.find("\r\n", P + 2))
            ++FLine;
        FColumn = static_cast<int>(Result.size() - (Break + 2)) + 1;
    }
}

void TKRSQLScanner::UpdateLevel(const TStep &Step)
{
    if (FInString || !Step.Consumed || FPosition <= 1)
        return;
    const char Last = At(FPosition - 1);
    if (ShouldLevelUp(Last)) {
        if (++FLevel > MaxLevel)
            throw EKRParserError(1, Step.Result, FLine, FColumn - static_cast<int>(Step.Result.size()));
    } else if (ShouldLevelDown(Last))
        --FLevel;
}

std::string TKRSQLScanner::GetNextToken()
{
    // Blanks, line breaks and quotes are skipped in a loop: a long run of them costs no stack.
    TStep Step;
    for (;;) {
        ScanOne(Step);
        if (FTokenKind == tkSpace || FTokenKind == tkEol)
            ++FBlankCount;
        else if (FTokenKind != tkQuote)
            break;
    }
    UpdateLevel(Step);
    if (FInString && (FTokenKind == tkEnd || Step.Exhausted))
        throw EKRParserError(3, FToken, FLine, FColumn - static_cast<int>(FToken.size()));
    FTokenQuote = Step.Quoted ? FQuoteChar : '\0';
    FTokenStart = Step.Start;
    FToken = std::move(Step.Result);
    return FToken;
}

bool TKRSQLScanner::IsOperation(const std::string &S) const
{
    return FOperationSet.Contains(S);
}

bool TKRSQLScanner::IsComparison(char C) const
{
    return C == '<' || C == '=' || C == '>';
}

bool TKRSQLScanner::IsLegalSymbol(char C) const
{
    return IsAlpha(C) || IsDigit(C) || C == '-' || C == '_';
}

bool TKRSQLScanner::IsIdentQuote(char C) const
{
    return C == '"' || C == '\'';
}

bool TKRSQLScanner::IsIdentifier(const std::string &S) const
{
    if (S.empty() || !IsAlpha(S[0]))
        return false;
    for (std::size_t I = 1; I < S.size(); ++I)
        if (!IsLegalSymbol(S[I]))
            return false;
    return true;
}

bool TKRSQLScanner::IsInteger(const std::string &S) const
{
    if (S.empty())
        return false;
    for (const char C : S)
        if (!IsDigit(C))
            return false;
    return true;
}

bool TKRSQLScanner::IsKeyword(const std::string &S) const
{
    return FKeywordSet.Contains(S);
}

bool TKRSQLScanner::IsFunction(const std::string &S) const
{
    return FFunctionSet.Contains(S);
}

bool TKRSQLScanner::IsTerminator(char C, const std::string &Token, char Next, char Quote) const
{
    if (C != Quote || Next == Quote)
        return false;
    std::size_t Run = 0;
    while (Run < Token.size() && Token[Token.size() - 1 - Run] == Quote)
        ++Run;
    return Run % 2 == 0;
}

char TKRSQLScanner::GetIdentQuote() const
{
    return '"';
}

bool TKRSQLScanner::GetProcessAliases() const
{
    return false;
}

bool TKRSQLScanner::GetQuoteIdentifiers() const
{
    return FQuoteIdentifiers;
}

char TKRSQLScanner::GetStringQuote() const
{
    return '\'';
}

bool TKRSQLScanner::NeedQuotes(const std::string &S) const
{
    return !(S.size() > 1 && IsIdentQuote(S.front()) && S.front() == S.back());
}

std::string TKRSQLScanner::ProcessIdent(const std::string &S) const
{
    return NeedQuotes(S) ? S : S.substr(1, S.size() - 2);
}

void TKRSQLScanner::DefineKeywords()
{
    LoadWords(*FKeywords, GetCommaKeywords(), true);
    FKeywordSet.Assign(*FKeywords);
}

void TKRSQLScanner::DefineFunctions()
{
    LoadWords(*FFunctions, GetCommaFunctions(), true);
    FFunctionSet.Assign(*FFunctions);
}

void TKRSQLScanner::DefineOperations()
{
    LoadWords(*FOperations, GetCommaOperations(), false);
    FOperationSet.Assign(*FOperations);
}

// Quotes each part of a dotted name that needs it. The parts before the last "." are joined and
// quoted as one unless one of them was quoted already: a.b.c gives "a.b"."c", "a".b gives "a"."b".
// With quoting off a name is written bare where it reads back bare: a part that is no identifier,
// holds a delimiter or is a keyword or function word is quoted all the same.
bool TKRSQLScanner::NeedsQuotesWhenOff(const std::string &S) const
{
    if (S.empty() || !IsIdentQuote(GetIdentQuote())
            || (S.size() > 1 && S.front() == GetIdentQuote() && S.back() == S.front()))
        return false;
    return !IsIdentifier(S) || std::any_of(S.begin(), S.end(), [this](char C) { return IsDelim(C); })
            || IsKeyword(S) || IsFunction(S) || IsValueWord(S);
}

bool TKRSQLScanner::IsLiteralValueWord(const std::string &S) const
{
    static const TKRWordSet Words = [] {
        TStringList List;
        for (const char *Word : { "TRUE", "FALSE", "NULL", "CURRENT_DATE", "CURRENT_TIME",
                     "CURRENT_TIMESTAMP", "LOCALTIME", "LOCALTIMESTAMP", "CURRENT_USER", "USER",
                     "SESSION_USER", "SYSTEM_USER", "CURRENT_ROLE", "CURRENT_CATALOG", "CURRENT_SCHEMA" })
            List.Add(Word);
        TKRWordSet Set;
        Set.Assign(List);
        return Set;
    }();
    return Words.Contains(S);
}

bool TKRSQLScanner::IsValueWord(const std::string &S) const
{
    return IsLiteralValueWord(S) || SameText(S, "CASE");
}

std::string TKRSQLScanner::ProcessName(const std::string &S) const
{
    if (!GetQuoteIdentifiers()) {
        const char Quote = GetIdentQuote();
        std::string Result;
        std::string Part;
        bool Quoted = false;
        const auto Flush = [&] {
            Result += NeedsQuotesWhenOff(Part) ? AnsiQuotedStr(Part, Quote) : Part;
            Part.clear();
        };
        for (const char C : S) {
            if (C == Quote)
                Quoted = !Quoted;
            if (C == '.' && !Quoted) {
                Flush();
                Result += '.';
            } else
                Part += C;
        }
        Flush();
        return Result;
    }
    const char Quote = GetIdentQuote();
    std::string Result;
    std::string Rest = S;
    bool QuotedPart = false;
    const auto AppendDot = [&Result] {
        if (!Result.empty() && Result.back() != '.')
            Result += '.';
    };
    while (Rest.find('.', 1) != std::string::npos) {
        std::size_t Close = std::string::npos;
        if (Rest[0] == Quote) {
            // The closing quote is the first one not doubled; without one the part counts as bare.
            for (std::size_t I = 1; I < Rest.size(); ++I) {
                if (Rest[I] != Quote)
                    continue;
                if (I + 1 < Rest.size() && Rest[I + 1] == Quote) {
                    ++I;
                    continue;
                }
                Close = I;
                break;
            }
            // A quoted last part may hold dots of its own: it is the last part all the same.
            if (Close + 1 == Rest.size())
                break;
        }
        AppendDot();
        if (Close != std::string::npos) {
            Result.append(Rest, 0, Close + 1);
            Rest.erase(0, Close + 1);
            QuotedPart = true;
            // Whatever follows the closing quote up to the next "." belongs to this part.
            const std::size_t Dot = Rest.find('.');
            if (Dot != std::string::npos)
                Rest.erase(0, Dot + 1);
        } else {
            const std::size_t Dot = Rest.find('.', 1);
            Result.append(Rest, 0, Dot);
            Rest.erase(0, Dot + 1);
        }
    }
    if (Rest.empty())
        return Result;
    if (!Result.empty()) {
        if (!QuotedPart && NeedQuotes(Result))
            Result = AnsiQuotedStr(Result, Quote);
        AppendDot();
    }
    Result += NeedQuotes(Rest) ? AnsiQuotedStr(Rest, Quote) : Rest;
    return Result;
}

std::string TKRSQLScanner::UnescapeQuoted(const std::string &Text, char Quote) const
{
    std::string Result;
    Result.reserve(Text.size());
    for (std::size_t I = 0; I < Text.size(); ++I) {
        Result += Text[I];
        if (Text[I] == Quote && I + 1 < Text.size() && Text[I + 1] == Quote)
            ++I;
    }
    return Result;
}

std::string TKRSQLScanner::QuoteString(const std::string &Value) const
{
    return AnsiQuotedStr(Value, GetStringQuote());
}

} // namespace korvan
