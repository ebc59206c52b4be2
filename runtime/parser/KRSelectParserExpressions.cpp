// TKRSelectParser: reading one value (DoParseExpression) - a name, a literal, a call, "*", or
// operands joined by arithmetic operations.
#include "framework/KRText.h"
#include "parser/KRSelectParser.h"
#include "parser/KRWordSet.h"

#include <algorithm>

namespace korvan {

//! One value as read, before it is put into a node.
struct TKRSelectParser::TExprValue
{
    bool Present = false; //!< something was read
    TKRFunctionKind Kind = fkUnknown;
    std::string Name; //!< node name: the last part of a name, a call's head, a literal
    std::string QualifiedName; //!< a name with its qualifiers as written, each part quoted as needed
    std::string Text; //!< the value as SQL text, as an expression or a call writes it
    std::vector<TExprValue> Args;
    std::string Quantifier; //!< DISTINCT or ALL before a call's arguments
    bool IsName = false;
    bool Qualified = false;
    bool IsCall = false;
    bool Star = false;
    bool Expression = false;
    //! The table a qualified name's qualifier names (SELECT list only).
    const TKRTableDef *QualifierTable = nullptr;

    //! An expression the model does not take apart, written as Value.
    void SetExpression(std::string Value)
    {
        Present = true;
        Expression = true;
        Kind = fkExpression;
        Text = std::move(Value);
    }
};

bool TKRSelectParser::Fail()
{
    FState = ssError;
    return false;
}

bool TKRSelectParser::IsTerminator() const
{
    if (FScanner->TokenKind() == tkEnd)
        return true;
    if (!FTerminators.Contains(FScanner->TokenKind()))
        return false;
    for (const std::string &Word : FStopWords)
        if (SameText(Word, FScanner->Token()))
            return false;
    return true;
}

// The model takes a name that starts and ends with an identifier quote as quoted already, so a
// quoted name whose own text looks like that ("'x'") keeps its quotes, or it would be written bare.
std::string TKRSelectParser::GetTokenName() const
{
    const std::string Name = FScanner->TokenValue();
    if (FScanner->TokenQuote() != '\0' && Name.size() > 1 && FScanner->IsIdentQuote(Name.front())
            && Name.front() == Name.back())
        return AnsiQuotedStr(Name, FScanner->GetIdentQuote());
    return Name;
}

// Only a quoted name can hold a dot; such a part is kept quoted, so that "t.x" stays one part when
// it is joined with others and when it is written.
std::string TKRSelectParser::NamePart(const std::string &Part) const
{
    return Part.find('.') != std::string::npos ? KRModelText::ProcessNamePart(this, Part) : Part;
}

namespace {

//! Words whose parenthesised part the model keeps whole: CAST(x AS INTEGER), EXISTS (SELECT ...),
//! x = ANY (SELECT ...).
constexpr const char *WholeCallWords[] = { "CAST", "EXISTS", "ANY", "SOME", "ALL" };

//! Keywords of some dialect that are also the names of functions: LEFT(a, 2), TRIM(x), YEAR(d).
constexpr const char *CallKeywords[] = { "LEFT", "RIGHT", "SUBSTRING", "TRIM", "EXTRACT", "POSITION",
    "CHAR_LENGTH", "CHARACTER_LENGTH", "OCTET_LENGTH", "UPPER", "LOWER", "COALESCE", "NULLIF", "IIF", "IF",
    "CONVERT", "DATE", "TIME", "TIMESTAMP", "YEAR", "MONTH", "DAY", "HOUR", "MINUTE", "SECOND", "WEEK",
    "REPLACE", "INSERT", "CHAR", "CHARACTER", "DATABASE", "USER", "LENGTH", "MOD", "MAX", "MIN", "SUM", "AVG",
    "COUNT", "GEN_ID", "DAYOFMONTH", "DAYOFWEEK", "DAYOFYEAR", "MONTHNAME", "LAST_INSERT_ID", "INTERVAL" };

//! Words that make a typed literal of the string after them: DATE '2001-02-03'.
constexpr const char *TypedLiteralWords[] = { "DATE", "TIME", "TIMESTAMP", "INTERVAL" };

//! The units an INTERVAL literal may end with: INTERVAL '1' DAY, INTERVAL 3 HOUR TO SECOND.
constexpr const char *IntervalUnits[] = { "YEAR", "MONTH", "DAY", "HOUR", "MINUTE", "SECOND", "WEEK",
    "QUARTER", "MICROSECOND", "TO", "YEAR_MONTH", "DAY_HOUR", "DAY_MINUTE", "DAY_SECOND", "HOUR_MINUTE",
    "HOUR_SECOND", "MINUTE_SECOND" };

//! The later words of type names of several words: double precision, character varying,
//! timestamp with time zone.
constexpr const char *TypeWords[] = { "PRECISION", "VARYING", "WITH", "WITHOUT", "TIME", "ZONE" };

//! Whether Word is one of Words, letter case ignored. Each list is looked up on many tokens: it is
//! made a hash set once.
template <const auto &Words>
bool IsOneOf(const std::string &Word)
{
    static const TKRWordSet Set = [] {
        TStringList List;
        for (const char *W : Words)
            List.Add(W);
        TKRWordSet Result;
        Result.Assign(List);
        return Result;
    }();
    return Set.Contains(Word);
}

} // namespace

bool TKRSelectParser::NextIs(const char *Word) const
{
    const TKRScanMark Next = FScanner->PeekNext();
    return Next.TokenQuote == '\0' && SameText(Next.Token, Word);
}

bool TKRSelectParser::IsLiteralWord() const
{
    if (FScanner->TokenQuote() != '\0' || !FScanner->IsLiteralValueWord(FScanner->Token()))
        return false;
    return !NextIs("(") && !NextIs(".");
}

bool TKRSelectParser::IsCallKeyword() const
{
    return FScanner->TokenKind() == tkKeyword && FScanner->TokenQuote() == '\0'
            && IsOneOf<CallKeywords>(FScanner->Token()) && NextIs("(");
}

// DATE '2001-02-03', TIMESTAMP '...', INTERVAL '1 day', INTERVAL 3 DAY.
bool TKRSelectParser::IsTypedLiteral() const
{
    if (FScanner->TokenQuote() != '\0' || !IsOneOf<TypedLiteralWords>(FScanner->Token()))
        return false;
    const TKRScanMark Next = FScanner->PeekNext();
    const bool String = Next.TokenKind == tkString
            || (Next.TokenKind == tkIdentString && Next.TokenQuote == FScanner->GetStringQuote());
    const bool Number = Next.TokenKind == tkInteger || Next.TokenKind == tkFloat;
    return String || (Number && SameText(FScanner->Token(), "INTERVAL"));
}

// A parameter of the application's statement: ?, :name, $1, @name. The model keeps it as written.
bool TKRSelectParser::IsParameter() const
{
    const std::string &Token = FScanner->Token();
    if (FScanner->TokenQuote() != '\0' || Token.empty())
        return false;
    if (FScanner->TokenKind() == tkDelim && Token == ":") {
        const TKRScanMark Next = FScanner->PeekNext();
        return Next.BlankCount == 0 && Next.TokenQuote == '\0'
                && (Next.TokenKind == tkIdent || Next.TokenKind == tkKeyword || Next.TokenKind == tkFunction
                        || Next.TokenKind == tkInteger);
    }
    if (FScanner->TokenKind() != tkUnknown)
        return false;
    const auto Digits = [&Token] {
        return Token.size() > 1 && Token.find_first_not_of("0123456789", 1) == std::string::npos;
    };
    const auto Name = [this, &Token](std::size_t From) {
        return Token.size() > From && FScanner->IsIdentifier(Token.substr(From));
    };
    return Token == "?" || (Token[0] == '$' && Digits())
            || (Token[0] == '@' && (Name(1) || (Token[1] == '@' && Name(2))));
}

void TKRSelectParser::ReadParameter(TExprValue &Value)
{
    std::string Text;
    int After = 0;
    AppendRaw(Text, After);
    if (FScanner->Token() == ":") {
        FScanner->GetNextToken();
        AppendRaw(Text, After);
    }
    FScanner->GetNextToken();
    Value.SetExpression(Text);
}

bool TKRSelectParser::IsSign() const
{
    return FScanner->TokenKind() == tkOperation && (FScanner->Token() == "-" || FScanner->Token() == "+");
}

// A subquery in parentheses, CASE, or one of the words whose call is kept whole.
bool TKRSelectParser::IsWholeStart() const
{
    if (FScanner->TokenQuote() != '\0')
        return false;
    const std::string &Token = FScanner->Token();
    if (FScanner->TokenKind() == tkDelim && Token == "(") {
        const TKRScanMark Next = FScanner->PeekNext();
        return Next.TokenQuote == '\0' && (SameText(Next.Token, "SELECT") || SameText(Next.Token, "WITH"));
    }
    // CASE.x is a column of a table named CASE.
    if (SameText(Token, "CASE"))
        return !NextIs(".");
    return IsOneOf<WholeCallWords>(Token) && NextIs("(");
}

bool TKRSelectParser::IsValueStart() const
{
    const TTokenKind Kind = FScanner->TokenKind();
    return Kind == tkFunction || Kind == tkInteger || Kind == tkFloat || Kind == tkString || Kind == tkIdent
            || Kind == tkIdentString || (Kind == tkDelim && FScanner->Token() == "(") || IsSign()
            || IsLiteralWord() || IsWholeStart() || IsCallKeyword() || IsTypedLiteral() || IsParameter();
}

// The current token as it stands in the text, quotes included: its first and one past its last
// 1-based position. The closing quote of a quoted token is still ahead, at Position.
std::pair<int, int> TKRSelectParser::RawToken() const
{
    if (FScanner->TokenQuote() == '\0')
        return { FScanner->TokenStart(), FScanner->Position() };
    return { FScanner->TokenStart() - 1, FScanner->Position() + 1 };
}

// Appends the current token as it stands, after one blank when blanks, line breaks or comments
// stood between it and the token before (which ended at After).
void TKRSelectParser::AppendRaw(std::string &Text, int &After) const
{
    const auto [Start, End] = RawToken();
    if (!Text.empty() && Start > After)
        Text += ' ';
    Text.append(FScanner->Expression(), static_cast<std::size_t>(Start - 1),
            static_cast<std::size_t>(End - Start));
    After = End;
}

// A region the model does not take apart, gathered as one value up to where its parentheses and
// its CASE ... END are closed again: keywords inside it are text, not clause boundaries. It is
// written back token by token as it stands, one blank wherever blanks, line breaks or comments
// stood between two tokens.
bool TKRSelectParser::ReadWhole(TExprValue &Value)
{
    std::string Text;
    int Parens = 0;
    int Cases = 0;
    bool Opened = false;
    int After = 0;
    do {
        if (FScanner->TokenKind() == tkEnd)
            return Fail();
        AppendRaw(Text, After);
        const std::string &Token = FScanner->Token();
        const bool Bare = FScanner->TokenQuote() == '\0';
        if (FScanner->TokenKind() == tkDelim && Token == "(")
            ++Parens;
        else if (FScanner->TokenKind() == tkDelim && Token == ")")
            --Parens;
        else if (Bare && SameText(Token, "CASE"))
            ++Cases;
        else if (Bare && SameText(Token, "END"))
            --Cases;
        Opened = Opened || Parens > 0 || Cases > 0;
        if (Parens < 0 || Cases < 0)
            return Fail();
        FScanner->GetNextToken();
    } while (!Opened || Parens > 0 || Cases > 0);
    Value.SetExpression(Text);
    return true;
}

bool TKRSelectParser::ReadWholeText(std::string &Text)
{
    TExprValue Value;
    if (!ReadWhole(Value))
        return false;
    Text = Value.Text;
    return true;
}

// A typed literal as it stands: the word, the literal, and an interval's units.
void TKRSelectParser::ReadTypedLiteral(TExprValue &Value)
{
    const bool Interval = SameText(FScanner->Token(), "INTERVAL");
    std::string Text;
    int After = 0;
    AppendRaw(Text, After);
    FScanner->GetNextToken();
    AppendRaw(Text, After);
    FScanner->GetNextToken();
    while (Interval && FScanner->TokenQuote() == '\0' && IsOneOf<IntervalUnits>(FScanner->Token())) {
        AppendRaw(Text, After);
        FScanner->GetNextToken();
    }
    Value.SetExpression(Text);
}

// A call whose arguments the model cannot take apart, because words or a comparison stand where
// it expects a separator (EXTRACT(YEAR FROM d), TRIM(BOTH ' ' FROM x), IF(a > 0, 1, 2)), is kept
// whole, as written. A misplaced delimiter (f(a,)) stays an error, and so does what is refused on purpose.
bool TKRSelectParser::ReadCallOrWhole(TExprValue &Value, const TKRScanMark &NameStart)
{
    const TKRSelectState Before = FState;
    FRefused = false;
    if (ReadCall(Value))
        return true;
    const TTokenKind Kind = FScanner->TokenKind();
    const bool Word = Kind == tkKeyword || Kind == tkIdent || Kind == tkFunction || Kind == tkString
            || Kind == tkIdentString || Kind == tkInteger || Kind == tkFloat || Kind == tkComparison;
    if (FRefused || !Word)
        return false;
    // When the call is not closed either, the word where it went wrong is the better report.
    const TKRScanMark Fault = FScanner->Mark();
    FScanner->Restore(NameStart);
    FState = Before;
    Value = TExprValue();
    if (ReadWhole(Value))
        return true;
    FScanner->Restore(Fault);
    return Fail();
}

// A literal word as read, in the keyword letter case.
void TKRSelectParser::ReadLiteralWord(TExprValue &Value)
{
    Value.SetExpression(ProcessKeyword(FScanner->Token()));
    FScanner->GetNextToken();
}

// -x, +3, - -1: signs bind to the operand right after them; a signed number stays a number. The
// signs are counted in a loop, so a long run of them costs no stack.
bool TKRSelectParser::ReadSigned(TExprValue &Value, bool InCall)
{
    std::string Signs;
    while (IsSign()) {
        // Two signs in a row keep a blank between them: "--" would start a comment.
        if (!Signs.empty())
            Signs += ' ';
        Signs += FScanner->Token();
        FScanner->GetNextToken();
    }
    TExprValue Operand;
    bool Empty = false;
    if (!ReadOperand(Operand, InCall, Empty))
        return false;
    if (Empty || Operand.Star)
        return Fail();
    const std::string Text = Signs + Operand.Text;
    if ((Operand.Kind == fkInteger || Operand.Kind == fkFloat) && !Operand.Expression) {
        Value = Operand;
        Value.Name = Text;
        Value.Text = Text;
        return true;
    }
    Value.SetExpression(Text);
    return true;
}

// name | name "." name ... | name "." "*" | name "(" args ")"
bool TKRSelectParser::ReadName(TExprValue &Value, bool InCall)
{
    const TKRScanMark NameStart = FScanner->Mark();
    const bool FunctionWord = FScanner->TokenKind() == tkFunction;
    const bool QuotedWord = FScanner->TokenQuote() != '\0';
    std::vector<std::string> Parts{ GetTokenName() };
    FScanner->GetNextToken();
    while (FScanner->Token() == "." && FScanner->BlankCount() == 0 && FScanner->TokenKind() == tkDelim) {
        FScanner->GetNextToken();
        const TTokenKind Kind = FScanner->TokenKind();
        if (FScanner->Token() == "*" && Kind == tkOperation) {
            // t.* : every column of one table; an output field only, no value elsewhere and no call
            // argument (COUNT(t.*) would have to be written as COUNT(*), which counts other rows).
            if (FQualifiedNames || InCall) {
                FRefused = true;
                return Fail();
            }
            std::string Qualifier;
            for (const std::string &Part : Parts)
                Qualifier += (Qualifier.empty() ? "" : ".") + NamePart(Part);
            if (!FQualifiedNames) {
                FExprTable = FTableDefs->FindByAlias(Qualifier);
                if (FExprTable == nullptr) {
                    FExprTable = FTableDefs->Add();
                    FExprTable->SetAlias(Qualifier);
                }
            }
            FScanner->GetNextToken();
            Value.Present = true;
            Value.Star = true;
            Value.Qualified = true;
            Value.Text = KRModelText::ProcessName(this, Qualifier) + ".*";
            return true;
        }
        const bool NameToken =
                Kind == tkIdent || Kind == tkFunction || Kind == tkIdentString || Kind == tkString;
        if (!NameToken || FScanner->Token().empty())
            return Fail();
        Parts.push_back(GetTokenName());
        FScanner->GetNextToken();
    }

    std::string Qualified;
    for (const std::string &Part : Parts)
        Qualified += (Qualified.empty() ? "" : ".") + KRModelText::ProcessNamePart(this, Part);
    Value.Present = true;
    if (FScanner->Token() == "(" && FScanner->TokenKind() == tkDelim) {
        // A call, whatever the kind of its name: UPPER(b) is a function in every dialect. A name read
        // in quotes keeps them where it needs them: `*`(x) written bare would not read back.
        if (Parts.size() > 1 || QuotedWord)
            Value.Name = Qualified;
        else
            Value.Name = FunctionWord ? ProcessFunction(Parts[0]) : Parts[0];
        return ReadCallOrWhole(Value, NameStart);
    }
    Value.IsName = true;
    Value.Kind = fkIdentifier;
    Value.Name = Parts.back();
    Value.QualifiedName = Qualified;
    Value.Text = Qualified;
    if (Parts.size() > 1) {
        Value.Qualified = true;
        std::string Qualifier;
        for (std::size_t I = 0; I + 1 < Parts.size(); ++I)
            Qualifier += (Qualifier.empty() ? "" : ".") + NamePart(Parts[I]);
        // In conditions a qualifier is part of the name and adds no table.
        if (!FQualifiedNames) {
            FExprTable = FTableDefs->FindByAlias(Qualifier);
            if (FExprTable == nullptr) {
                FExprTable = FTableDefs->Add();
                FExprTable->SetAlias(Qualifier);
            }
            Value.QualifierTable = FExprTable;
        }
    }
    return true;
}

// "(" [value {"," value}] ")" ; the current token is the "(". The nesting depth is bounded by the
// scanner, which refuses a "(" beyond its limit.
bool TKRSelectParser::ReadCall(TExprValue &Value)
{
    Value.Present = true;
    Value.IsCall = true;
    Value.Kind = fkFunction;
    FScanner->GetNextToken();
    if (FScanner->Token() == ")" && FScanner->TokenKind() == tkDelim) {
        FScanner->GetNextToken();
        Value.Args.emplace_back();
        Value.Text = Value.Name + "()";
        return true;
    }
    // COUNT(DISTINCT x), SUM(ALL x); COUNT(DISTINCT *) counts nothing distinct and is refused.
    if (!Value.Name.empty() && FScanner->TokenQuote() == '\0'
            && (SameText(FScanner->Token(), "DISTINCT") || SameText(FScanner->Token(), "ALL"))) {
        const TKRScanMark Word = FScanner->Mark();
        if (!NextIs(")") && !NextIs(",")) {
            Value.Quantifier = AnsiUpperCase(FScanner->Token());
            FScanner->GetNextToken();
            if (FScanner->Token() == "*" && FScanner->TokenKind() == tkOperation) {
                FScanner->Restore(Word);
                FRefused = true;
                return Fail();
            }
        }
    }
    std::string Arguments;
    for (;;) {
        TExprValue Argument;
        if (!ReadValue(Argument, true))
            return false;
        if (!Argument.Present)
            return Fail();
        Arguments += (Value.Args.empty() ? "" : ", ") + Argument.Text;
        Value.Args.push_back(std::move(Argument));
        if (FScanner->TokenKind() == tkDelim && FScanner->Token() == ",") {
            FScanner->GetNextToken();
            continue;
        }
        if (FScanner->TokenKind() == tkDelim && FScanner->Token() == ")") {
            FScanner->GetNextToken();
            break;
        }
        // A keyword, AS or the end of the text while the call is still open.
        return Fail();
    }
    const std::string Quantifier = Value.Quantifier.empty() ? "" : ProcessKeyword(Value.Quantifier) + " ";
    Value.Text = Value.Name + "(" + Quantifier + Arguments + ")";
    return true;
}

bool TKRSelectParser::ReadOperand(TExprValue &Value, bool InCall, bool &Empty)
{
    Empty = false;
    // These may be keywords of the dialect, which end a value elsewhere.
    if (FScanner->TokenKind() != tkEnd) {
        if (IsWholeStart())
            return ReadWhole(Value);
        if (IsLiteralWord()) {
            ReadLiteralWord(Value);
            return true;
        }
        if (IsTypedLiteral()) {
            ReadTypedLiteral(Value);
            return true;
        }
        if (IsCallKeyword())
            return ReadName(Value, InCall);
        if (IsSign())
            return ReadSigned(Value, InCall);
    }
    if (IsTerminator()) {
        Empty = true;
        return true;
    }
    if (IsParameter()) {
        ReadParameter(Value);
        return true;
    }
    const std::string Token = FScanner->Token();
    const TTokenKind Kind = FScanner->TokenKind();
    if (Token == "*" && Kind == tkOperation) {
        // "*" stands for columns: a value only in the SELECT list and inside calls (COUNT(*)).
        if (FQualifiedNames && !InCall)
            return Fail();
        FScanner->GetNextToken();
        Value.Present = true;
        Value.Star = true;
        Value.Text = "*";
        if (!FQualifiedNames && FTableDefs->Count() == 0) {
            FExprTable = FTableDefs->Add();
            // SELECT *, a.x FROM ...: further columns may follow.
            const bool Closed = FScanner->TokenKind() == tkEnd || SameText(FScanner->Token(), "FROM")
                    || (FScanner->TokenKind() == tkDelim
                            && (FScanner->Token() == ")" || FScanner->Token() == ","));
            if (!Closed)
                return Fail();
        }
        return true;
    }
    if (Token == "(" && Kind == tkDelim)
        return ReadCall(Value);
    switch (Kind) {
    case tkIdent:
    case tkFunction:
        if (!Token.empty())
            return ReadName(Value, InCall);
        [[fallthrough]];
    case tkIdentString:
        // "Smith" is a name, 'Smith' a string; an empty quoted text is an empty string.
        if (!Token.empty() && FScanner->TokenQuote() != FScanner->GetStringQuote())
            return ReadName(Value, InCall);
        [[fallthrough]];
    case tkString: {
        const std::string Text = FScanner->TokenValue();
        const auto IsQuote = [](char C) { return C == '\'' || C == '"'; };
        // A value that itself starts and ends with a quote gets one more pair, which the writer
        // strips again: '''a''' stays '''a'''.
        Value.Name =
                Text.size() >= 2 && IsQuote(Text.front()) && IsQuote(Text.back()) ? "'" + Text + "'" : Text;
        Value.Text = KRModelText::QuoteString(this, Text);
        Value.Kind = fkString;
        Value.Present = true;
        FScanner->GetNextToken();
        return true;
    }
    case tkInteger:
    case tkFloat:
        Value.Name = Token;
        Value.Text = Token;
        Value.Kind = Kind == tkInteger ? fkInteger : fkFloat;
        Value.Present = true;
        FScanner->GetNextToken();
        return true;
    default:
        return Fail();
    }
}

// operand {operation operand}
// ::type after an operand (PostgreSQL's cast), kept as written: a::int, b::numeric(10, 2),
// c::text[], d::timestamp with time zone. It binds tighter than any operation, as the text shows.
bool TKRSelectParser::ReadCasts(TExprValue &Value)
{
    const auto IsColon = [](const TKRScanMark &Mark) {
        return Mark.TokenKind == tkDelim && Mark.Token == ":";
    };
    while (IsColon(FScanner->Mark()) && IsColon(FScanner->PeekNext())
            && FScanner->PeekNext().BlankCount == 0) {
        if (Value.Star)
            return Fail();
        std::string Text = Value.Text + "::";
        FScanner->GetNextToken();
        FScanner->GetNextToken();
        int After = 0;
        const auto IsTypeWord = [this] {
            const TTokenKind Kind = FScanner->TokenKind();
            return (Kind == tkIdent || Kind == tkKeyword || Kind == tkFunction || Kind == tkIdentString)
                    && !FScanner->Token().empty();
        };
        if (!IsTypeWord())
            return Fail();
        std::string Type;
        AppendRaw(Type, After);
        FScanner->GetNextToken();
        // Type names of several words, and a qualified type name.
        while ((FScanner->TokenQuote() == '\0' && IsOneOf<TypeWords>(FScanner->Token()))
                || (FScanner->TokenKind() == tkDelim && FScanner->Token() == "."
                        && FScanner->BlankCount() == 0)) {
            AppendRaw(Type, After);
            FScanner->GetNextToken();
            if (IsTypeWord() && Type.back() == '.') {
                AppendRaw(Type, After);
                FScanner->GetNextToken();
            }
        }
        if (FScanner->TokenKind() == tkDelim && FScanner->Token() == "(") {
            TExprValue Modifier;
            if (!ReadWhole(Modifier))
                return false;
            Type += Modifier.Text;
        }
        while (FScanner->TokenKind() == tkDelim && FScanner->Token() == "["
                && FScanner->PeekNext().Token == "]") {
            Type += "[]";
            FScanner->GetNextToken();
            FScanner->GetNextToken();
        }
        Value.Text = Text + Type;
        Value.Expression = true;
        Value.Kind = fkExpression;
        Value.IsName = Value.IsCall = Value.Qualified = false;
        Value.Args.clear();
    }
    return true;
}

bool TKRSelectParser::ReadValue(TExprValue &Value, bool InCall)
{
    bool Empty = false;
    if (!ReadOperand(Value, InCall, Empty))
        return false;
    if (Empty)
        return true;
    if (!ReadCasts(Value))
        return false;
    while (FScanner->TokenKind() == tkOperation && !IsTerminator()) {
        const std::string Operation = FScanner->Token();
        if (Value.Star)
            return Fail();
        FScanner->GetNextToken();
        // a * / 1: two operations in a row; a - -1 is a signed operand.
        if (FScanner->TokenKind() == tkOperation && !IsSign())
            return Fail();
        TExprValue Next;
        if (!ReadOperand(Next, InCall, Empty))
            return false;
        if (Empty || Next.Star || !ReadCasts(Next))
            return Fail();
        Value.Text += " " + Operation + " " + Next.Text;
        Value.Expression = true;
        Value.Kind = fkExpression;
        Value.IsName = Value.IsCall = Value.Qualified = false;
        Value.Args.clear();
    }
    return true;
}

void TKRSelectParser::ApplyValue(const TExprValue &Value, TKRFunctionDef &Node) const
{
    const bool Argument = &Node != FExprRoot;
    if (Value.Expression) {
        Node.SetKind(fkExpression);
        Node.SetName(Value.Text);
    } else if (Value.Star) {
        Node.SetKind(fkUnknown);
        Node.SetName(Argument ? "*" : "");
        Node.SetUnqualified(!Value.Qualified && !Argument);
    } else if (Value.IsCall) {
        Node.SetKind(fkFunction);
        Node.SetName(Value.Name);
        Node.SetQuantifier(Value.Quantifier);
        for (const TExprValue &Arg : Value.Args)
            ApplyValue(Arg, *Node.Arguments()->Add());
    } else if (Value.IsName) {
        Node.SetKind(fkIdentifier);
        // A field is named by its last part and belongs to its qualifier's table; a call argument
        // read with a qualifier, and every name in a condition, keeps the qualified name.
        // An argument qualified by the field's own table needs no qualifier of its own: the
        // writer puts it back (COUNT(t.a) reads back as it was written).
        const bool OtherTable = Value.Qualified && Value.QualifierTable != FExprTable;
        const bool AsWritten =
                FQualifiedNames || (Argument && (OtherTable || Value.Name.find('.') != std::string::npos));
        Node.SetName(AsWritten ? Value.QualifiedName : Value.Name);
        // Which table a name read without a qualifier belongs to is settled after the FROM clause.
        Node.SetUnqualified(!FQualifiedNames && !Value.Qualified);
    } else if (Value.Present) {
        Node.SetKind(Value.Kind);
        Node.SetName(Value.Name);
    }
}

TKRTableDef *TKRSelectParser::DoParseExpression(
        TKRFunctionDef *Root, TTokenKinds Terminators, const std::string &StopWords, bool UseQualifiedNames)
{
    FHandedBack = false;
    FExprTable = nullptr;
    FAliased = false;
    if (Root == nullptr)
        return nullptr;
    Root->Clear();
    FTerminators = Terminators;
    TStringList Stop;
    Stop.SetCommaText(StopWords);
    FStopWords.assign(Stop.begin(), Stop.end());
    FQualifiedNames = UseQualifiedNames;
    FExprRoot = Root;

    TExprValue Value;
    if (!ReadValue(Value, false))
        return FExprTable;
    if (!Value.Present) {
        Fail();
        return FExprTable;
    }
    // Only an output field has an alias: the SELECT list reads with AS as a stop word.
    const bool MayAlias = std::find_if(FStopWords.begin(), FStopWords.end(), [](const std::string &Word) {
        return SameText(Word, "AS");
    }) != FStopWords.end();
    auto *Field = MayAlias ? dynamic_cast<TKRFieldDef *>(Root) : nullptr;
    std::string Alias;
    for (;;) {
        const TTokenKind Kind = FScanner->TokenKind();
        if (Kind == tkKeyword && SameText(FScanner->Token(), "AS") && !IsTerminator()) {
            if (Field == nullptr || FAliased) {
                Fail();
                return FExprTable;
            }
            FScanner->GetNextToken();
            const TTokenKind AliasKind = FScanner->TokenKind();
            if ((AliasKind != tkIdent && AliasKind != tkIdentString) || FScanner->Token().empty()) {
                Fail();
                return FExprTable;
            }
        } else {
            // SELECT a b FROM t: a name right after a complete value is its alias.
            const bool Name = Kind == tkIdent
                    || (Kind == tkIdentString && !FScanner->Token().empty()
                            && FScanner->TokenQuote() != FScanner->GetStringQuote());
            if (!Name || Field == nullptr || FAliased)
                break;
        }
        // Where the dialect writes aliases by the name rules, a quote-looking alias needs the
        // quoted-already form GetTokenName gives; elsewhere ProcessAlias quotes any alias that is
        // no plain identifier, so it is kept exactly as read.
        Alias = FScanner->GetProcessAliases() ? GetTokenName() : FScanner->TokenValue();
        FAliased = true;
        FScanner->GetNextToken();
    }
    if (FScanner->TokenKind() == tkDelim && FScanner->Token() == ")")
        FHandedBack = true;
    else if (!IsTerminator() && !(FScanner->TokenKind() == tkDelim && FScanner->Token() == ",")) {
        // Two operands in a row without an operation between them.
        Fail();
        return FExprTable;
    }
    ApplyValue(Value, *Root);
    if (FAliased)
        Field->SetAlias(Alias);
    return FExprTable;
}

} // namespace korvan
