#include "KRRefusalReason.h"

#include <algorithm>
#include <cctype>
#include <set>
#include <string_view>
#include <vector>

namespace korvan {

namespace {

//! A word of the statement in lower case, or an operator; strings are "'" and quoted names "name".
struct TWord
{
    std::string Text;
    std::size_t Start;
    std::size_t End;
};

bool IsWordChar(char C)
{
    return std::isalnum(static_cast<unsigned char>(C)) || C == '_' || C == '$'
            || static_cast<unsigned char>(C) >= 0x80;
}

std::string Lower(std::string Text)
{
    for (char &C : Text)
        if (C >= 'A' && C <= 'Z')
            C = static_cast<char>(C - 'A' + 'a');
    return Text;
}

//! Where the quoted section opened at Start ends (just past its closing quote).
std::size_t QuotedEnd(const std::string &Text, std::size_t Start, char Close)
{
    std::size_t I = Start + 1;
    while (I < Text.size()) {
        if (Text[I] == Close && !(I + 1 < Text.size() && Text[I + 1] == Close))
            return I + 1;
        I += Text[I] == Close ? 2 : 1;
    }
    return Text.size();
}

std::vector<TWord> Words(const std::string &Text)
{
    static const std::set<std::string> Pairs = { "::", "||", "<=", ">=", "<>", "!=" };
    std::vector<TWord> Result;
    std::size_t I = 0;
    while (I < Text.size()) {
        const char C = Text[I];
        if (std::isspace(static_cast<unsigned char>(C))) {
            ++I;
            continue;
        }
        if (Text.compare(I, 2, "--") == 0) {
            I = std::min(Text.find('\n', I), Text.size());
            continue;
        }
        if (Text.compare(I, 2, "/*") == 0) {
            const std::size_t Close = Text.find("*/", I + 2);
            I = Close == std::string::npos ? Text.size() : Close + 2;
            continue;
        }
        std::size_t End = I + 1;
        std::string Word;
        if (C == '\'') {
            End = QuotedEnd(Text, I, '\'');
            Word = "'";
        } else if (C == '"' || C == '`' || C == '[') {
            End = QuotedEnd(Text, I, C == '[' ? ']' : C);
            Word = "name";
        } else if (IsWordChar(C)) {
            while (End < Text.size() && IsWordChar(Text[End]))
                ++End;
            Word = Lower(Text.substr(I, End - I));
        } else if (Pairs.count(Text.substr(I, 2))) {
            End = I + 2;
            Word = Text.substr(I, 2);
        } else
            Word = std::string(1, C);
        Result.push_back({ Word, I, End });
        I = End;
    }
    return Result;
}

bool OneOf(const std::string &Word, std::initializer_list<const char *> Choices)
{
    return std::any_of(Choices.begin(), Choices.end(), [&](const char *Choice) { return Word == Choice; });
}

bool IsName(const std::string &Word)
{
    return Word == "name"
            || (!Word.empty() && !std::isdigit(static_cast<unsigned char>(Word[0])) && IsWordChar(Word[0]));
}

bool IsOperand(const std::string &Word)
{
    return Word == ")" || Word == "'" || Word == "name" || (!Word.empty() && IsWordChar(Word[0]));
}

bool IsOperatorChar(char C)
{
    return std::string_view("+-*/<>=~!@#%^&|?:").find(C) != std::string_view::npos;
}

//! The run of operator characters that the error position stands in ("->" for an error at its ">").
std::string OperatorAt(const std::string &Text, std::size_t Offset)
{
    if (Offset >= Text.size() || !IsOperatorChar(Text[Offset]))
        return "";
    std::size_t Start = Offset;
    while (Start > 0 && IsOperatorChar(Text[Start - 1]))
        --Start;
    std::size_t End = Offset;
    while (End < Text.size() && IsOperatorChar(Text[End]))
        ++End;
    return Text.substr(Start, End - Start);
}

//! The words around the place where the parser stopped.
struct TContext
{
    std::vector<TWord> Words;
    std::size_t At = 0; //!< the word at the error; Words.size() at the end of the text
    std::string Token; //!< as the error names it, in lower case
    std::string Operator; //!< the operator the error stands in, if any

    const std::string &Word(std::ptrdiff_t Delta) const
    {
        static const std::string None;
        const std::ptrdiff_t I = static_cast<std::ptrdiff_t>(At) + Delta;
        return I >= 0 && I < static_cast<std::ptrdiff_t>(Words.size())
                ? Words[static_cast<std::size_t>(I)].Text
                : None;
    }
    const std::string &Here() const { return Word(0); }
    const std::string &Before(std::ptrdiff_t N = 1) const { return Word(-N); }
    const std::string &After() const { return Word(1); }

    //! The last clause keyword before the error at its own parenthesis level or outside it: select,
    //! from, where, group, having, order or on.
    std::string Clause() const
    {
        static const std::set<std::string> Clauses = { "select", "from", "where", "group", "having", "order",
            "on" };
        int Depth = 0;
        for (std::size_t I = At; I-- > 0;) {
            const std::string &W = Words[I].Text;
            Depth += W == ")" ? 1 : W == "(" ? -1 : 0;
            if (Depth <= 0 && Clauses.count(W))
                return W;
            Depth = std::max(Depth, 0);
        }
        return "";
    }

    //! The name before the innermost parenthesis still open at the error: the call it stands in.
    std::string Call() const
    {
        int Depth = 0;
        for (std::size_t I = At; I-- > 0;) {
            const std::string &W = Words[I].Text;
            if (W == ")")
                ++Depth;
            else if (W == "(" && Depth-- == 0)
                return I > 0 && IsName(Words[I - 1].Text) ? Words[I - 1].Text : "";
        }
        return "";
    }

    //! CASE expressions opened before the error and not yet closed by END.
    int OpenCase() const
    {
        int Open = 0;
        for (std::size_t I = 0; I < At; ++I)
            Open += Words[I].Text == "case" ? 1 : Words[I].Text == "end" ? -1 : 0;
        return Open;
    }
};

//! A parenthesis opening a subquery: what stands before it tells which kind.
std::string SubqueryKind(const TContext &C, std::ptrdiff_t Paren)
{
    const std::string &Before = C.Word(Paren - 1);
    if (Before == "exists")
        return "EXISTS (subquery)";
    if (OneOf(Before, { "in", "any", "all", "some" }))
        return "IN/ANY/ALL (subquery)";
    if (OneOf(Before, { "from", "join" }) || (Before == "," && C.Clause() == "from"))
        return "subquery in FROM";
    return "scalar subquery";
}

//! A word before a string that makes it a typed literal (DATE '2001-01-01'), not a keyword.
bool IsTypeWord(const std::string &Word)
{
    return IsName(Word) && Word != "name"
            && !OneOf(Word,
                    { "and", "or", "not", "like", "ilike", "when", "then", "else", "select", "where", "on",
                            "having", "by", "in", "as", "escape", "similar", "to", "between", "is", "case",
                            "end", "from", "distinct", "all", "any", "some", "null", "limit", "offset",
                            "rows", "first", "skip", "collate", "with", "q", "containing", "starting",
                            "regexp", "rlike", "xor", "div", "mod" });
}

struct TRule
{
    const char *Reason;
    bool (*Applies)(const TContext &);
};

// First match wins: set operators and WITH before anything else, since their parts are statements
// of their own; the general kinds (operators, ORDER BY) last.
const TRule Rules[] = {
    { "UNION/INTERSECT/EXCEPT",
            [](const TContext &C) {
                const auto SetOp = [](const std::string &W) {
                    return OneOf(W, { "union", "intersect", "except", "minus" });
                };
                return SetOp(C.Here()) || SetOp(C.Before())
                        || (OneOf(C.Before(), { "all", "distinct" }) && SetOp(C.Before(2)));
            } },
    { "WITH ROLLUP",
            [](const TContext &C) {
                return C.Here() == "rollup" || (C.Here() == "with" && C.After() == "rollup");
            } },
    { "WITH (common table expression)",
            [](const TContext &C) { return C.Here() == "with" && C.After() != "time"; } },
    { "window function (OVER)",
            [](const TContext &C) {
                return OneOf(C.Here(), { "over", "partition", "window" }) || C.Before() == "over";
            } },
    { "LIMIT/OFFSET/FETCH",
            [](const TContext &C) {
                return OneOf(C.Here(), { "limit", "offset", "fetch", "rows", "top" })
                        || OneOf(C.Before(), { "limit", "offset", "fetch", "rows", "top" });
            } },
    { "type cast (::)",
            [](const TContext &C) {
                return C.Operator.find("::") != std::string::npos || C.Here() == "::";
            } },
    { "JOIN ... USING / NATURAL",
            [](const TContext &C) {
                return OneOf(C.Here(), { "using", "natural" }) || OneOf(C.Before(), { "using", "natural" });
            } },
    { "CROSS JOIN",
            [](const TContext &C) {
                return C.Here() == "cross" || (C.Here() == "join" && C.Before() == "cross");
            } },
    { "LATERAL",
            [](const TContext &C) {
                return C.Here() == "lateral" || C.Before() == "lateral" || C.Before(2) == "lateral";
            } },
    { "VALUES list", [](const TContext &C) { return C.Here() == "values" || C.After() == "values"; } },
    { "FULL JOIN", [](const TContext &C) { return C.Here() == "full" || C.Before() == "full"; } },
    { "JOIN without INNER/LEFT/RIGHT",
            [](const TContext &C) {
                return C.Here() == "straight_join"
                        || (C.Here() == "join" && !OneOf(C.Before(), { "inner", "outer", "left", "right" }));
            } },
    { "parenthesised FROM item (join or table list)",
            [](const TContext &C) {
                return C.Here() == "("
                        && (OneOf(C.Before(), { "from", "join" })
                                || (C.Before() == "," && C.Clause() == "from"));
            } },
    { "alias with a column list (AS t(a, b))",
            [](const TContext &C) {
                return C.Here() == "(" && C.Clause() == "from"
                        && (C.Before() == "as"
                                || (IsName(C.Before())
                                        && (C.Before(2) == "as"
                                                || (IsName(C.Before(2))
                                                        && !OneOf(C.Before(2), { "from", "join" })))));
            } },
    { "CASE expression", [](const TContext &C) { return C.Here() == "case" || C.OpenCase() > 0; } },
    { "CAST(... AS type)", [](const TContext &C) { return C.Here() == "cast" || C.Call() == "cast"; } },
    { "DISTINCT ON", [](const TContext &C) { return C.Here() == "on" && C.Before() == "distinct"; } },
    { "compound join condition (ON ... AND/OR)",
            [](const TContext &C) {
                return OneOf(C.Here(), { "and", "or", "not" }) && C.Clause() == "on";
            } },
    { "join condition on an unqualified column",
            [](const TContext &C) {
                return C.Clause() == "on" && OneOf(C.Operator, { "=", "<", ">", "<=", ">=", "<>", "!=" })
                        && IsName(C.Before()) && C.Before(2) != ".";
            } },
    { "join condition (ON ...)", [](const TContext &C) { return C.Clause() == "on"; } },
    { "DISTINCT inside a call",
            [](const TContext &C) { return C.Here() == "distinct" && C.Before() == "("; } },
    { "ORDER BY inside a call", [](const TContext &C) { return C.Here() == "order" && !C.Call().empty(); } },
    { "keyword arguments (EXTRACT(x FROM y), TRIM, SUBSTRING, ...)",
            [](const TContext &C) {
                return !C.Call().empty()
                        && (OneOf(C.Here(),
                                    { "from", "for", "both", "leading", "trailing", "placing", "similar" })
                                || (IsName(C.Here()) && C.Here() != "name" && IsOperand(C.Before())));
            } },
    { "aggregate FILTER / WITHIN GROUP",
            [](const TContext &C) {
                return OneOf(C.Here(), { "filter", "within" }) || C.Before() == "filter"
                        || (C.Here() == "group" && C.Before() == "within");
            } },
    { "SELECT INTO", [](const TContext &C) { return C.Here() == "into"; } },
    { "FOR UPDATE / FOR SHARE / WITH LOCK",
            [](const TContext &C) {
                return C.Here() == "for" || (C.Here() == "with" && C.After() == "lock");
            } },
    { "string concatenation (||)", [](const TContext &C) { return C.Operator == "||"; } },
    { "parameter or variable (?, $1, @name)",
            [](const TContext &C) {
                return C.Here() == "?"
                        || (C.Token.size() > 1 && OneOf(C.Token.substr(0, 1), { "@", "$", ":" }));
            } },
    { "condition as a value in the select list (a < b, x LIKE y, ...)",
            [](const TContext &C) {
                return C.Clause() == "select" && C.Call().empty()
                        && (OneOf(C.Operator, { "=", "<", ">", "<=", ">=", "<>", "!=" })
                                || OneOf(C.Here(),
                                        { "like", "ilike", "not", "in", "and", "or", "is", "between",
                                                "similar" }));
            } },
    { "condition as a call argument (IIF(a = b, ...))",
            [](const TContext &C) {
                return !C.Call().empty() && OneOf(C.Operator, { "=", "<", ">", "<=", ">=", "<>", "!=" });
            } },
    { "IS predicate (IS TRUE, IS DISTINCT FROM, ...)", [](const TContext &C) { return C.Here() == "is"; } },
    { "SIMILAR TO / LIKE ... ESCAPE",
            [](const TContext &C) {
                return OneOf(C.Here(), { "similar", "escape" }) || C.After() == "similar";
            } },
    { "alternative string quoting (q'...')",
            [](const TContext &C) { return C.Here() == "'" && C.Before() == "q"; } },
    { "character set introducer (_utf8'...')",
            [](const TContext &C) { return C.Here().size() > 1 && C.Here()[0] == '_' && C.After() == "'"; } },
    { "typed literal or INTERVAL (DATE '...', INTERVAL 1 DAY)",
            [](const TContext &C) {
                return (C.Here() == "'" && IsTypeWord(C.Before()))
                        || (OneOf(C.Here(), { "with", "without" }) && C.After() == "time")
                        || C.Here() == "interval"
                        || (OneOf(C.Here(), { "date", "time", "timestamp" }) && C.After() == "'");
            } },
    { "hexadecimal literal", [](const TContext &C) { return C.Token.compare(0, 2, "0x") == 0; } },
    { "array (ARRAY[...], x[i])", [](const TContext &C) { return C.Token == "[" || C.Here() == "array"; } },
    { "field of a composite value ((x).f)",
            [](const TContext &C) { return C.Here() == "." && C.Before() == ")"; } },
    { "COLLATE", [](const TContext &C) { return C.Here() == "collate" || C.Before() == "collate"; } },
    { "NULLS FIRST/LAST", [](const TContext &C) { return C.Here() == "nulls"; } },
    { "PLAN", [](const TContext &C) { return C.Here() == "plan"; } },
    { "CONTAINING / STARTING WITH",
            [](const TContext &C) {
                return OneOf(C.Here(), { "containing", "starting" });
            } },
    { "NEXT VALUE FOR (sequence)",
            [](const TContext &C) { return C.Here() == "value" && C.Before() == "next"; } },
    { "MySQL select modifier (SQL_CALC_FOUND_ROWS, ...)",
            [](const TContext &C) {
                return std::any_of(C.Words.begin(), C.Words.begin() + static_cast<std::ptrdiff_t>(C.At),
                        [](const TWord &W) {
                            return OneOf(W.Text,
                                    { "sql_calc_found_rows", "sql_no_cache", "sql_cache", "high_priority",
                                            "sql_small_result", "sql_big_result", "sql_buffer_result" });
                        });
            } },
    { "empty select list", [](const TContext &C) { return C.Here() == "from" && C.Before() == "select"; } },
    { "* followed by more columns", [](const TContext &C) { return C.Here() == "," && C.Before() == "*"; } },
    { "OPERATOR(...)", [](const TContext &C) { return C.Here() == "operator" || C.Before() == "operator"; } },
    { "alias spelled as a keyword, a function or a string",
            [](const TContext &C) { return C.Before() == "as" && (IsName(C.Here()) || C.Here() == "'"); } },
    { "unary sign (-x, +x)",
            [](const TContext &C) {
                return OneOf(C.Here(), { "-", "+" }) && !IsOperand(C.Before());
            } },
    { "column number in GROUP BY/ORDER BY",
            [](const TContext &C) {
                return OneOf(C.Clause(), { "group", "order" }) && OneOf(C.Before(), { "by", "," })
                        && C.Here().find_first_not_of("0123456789") == std::string::npos;
            } },
    { "expression in GROUP BY", [](const TContext &C) { return C.Clause() == "group"; } },
    { "expression in ORDER BY", [](const TContext &C) { return C.Clause() == "order"; } },
    { "arithmetic (+ - * / %)",
            [](const TContext &C) {
                return OneOf(C.Operator, { "+", "-", "*", "/", "%" });
            } },
    { "call of a function named by a keyword (TRIM(...), LEFT(...))",
            [](const TContext &C) {
                return IsName(C.Here()) && C.Here() != "name" && C.Here() == C.Token && C.After() == "(";
            } },
};

//! An operator the parser does not know, by its spelling ("operator ->"), or "".
std::string OperatorReason(const TContext &C)
{
    if (OneOf(C.Here(), { "xor", "div", "mod", "regexp", "rlike" }))
        return "operator " + C.Here();
    if (C.Operator.empty() || OneOf(C.Operator, { "=", "<", ">", "<=", ">=", "<>" }))
        return "";
    return "operator " + C.Operator;
}

std::size_t WordAt(const std::vector<TWord> &List, std::size_t Offset)
{
    for (std::size_t I = 0; I < List.size(); ++I)
        if (List[I].End > Offset)
            return I;
    return List.size();
}

std::string OtherReason(const std::string &Token)
{
    constexpr std::size_t Limit = 24;
    std::string Text = Lower(Token);
    if (Text.size() > Limit)
        Text = Text.substr(0, Limit) + "...";
    return "other: " + Text;
}

} // namespace

std::size_t OffsetOf(const std::string &Text, int LineNo, int LinePos)
{
    if (LineNo < 1 || LinePos < 1)
        return std::string::npos;
    std::size_t Start = 0;
    for (int Line = 1; Line < LineNo; ++Line) {
        const std::size_t Break = Text.find("\r\n", Start);
        if (Break == std::string::npos)
            return std::string::npos;
        Start = Break + 2;
    }
    const std::size_t Break = Text.find("\r\n", Start);
    const std::size_t Length = (Break == std::string::npos ? Text.size() : Break) - Start;
    // One past the last character is where an unfinished statement stops.
    if (static_cast<std::size_t>(LinePos) > Length + 1)
        return std::string::npos;
    return Start + static_cast<std::size_t>(LinePos) - 1;
}

std::string RefusalReason(const std::string &Text, const EKRParserError &Error)
{
    if (Error.ErrorCode() == 2)
        return "unexpected end of statement";
    if (Error.ErrorCode() == 3)
        return "unterminated string";
    if (Error.ErrorCode() == 4)
        return "unterminated comment";
    const std::size_t Offset = OffsetOf(Text, Error.LineNo(), Error.LinePos());
    if (Offset == std::string::npos)
        return OtherReason(Error.Token());
    if (Text.compare(Offset, 2, "--") == 0 || Text.compare(Offset, 2, "/*") == 0)
        return "comment inside the statement";
    TContext Context;
    Context.Words = Words(Text);
    Context.At = WordAt(Context.Words, Offset);
    Context.Token = Lower(Error.Token());
    Context.Operator = OperatorAt(Text, Offset);
    // A subquery stops the parser at its "(" or at the SELECT just inside it.
    if (Context.Here() == "select" && Context.Before() == "(")
        return SubqueryKind(Context, -1);
    if (Context.Here() == "(" && Context.After() == "select")
        return SubqueryKind(Context, 0);
    for (const TRule &Rule : Rules)
        if (Rule.Applies(Context))
            return Rule.Reason;
    const std::string Operator = OperatorReason(Context);
    return Operator.empty() ? OtherReason(Error.Token()) : Operator;
}

} // namespace korvan
