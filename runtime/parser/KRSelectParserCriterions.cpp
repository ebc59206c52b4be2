// TKRSelectParser: reading WHERE and HAVING conditions (DoParseCriterions) into criteria trees.
//
// Conditions are read as people write them: NOT binds tighter than AND, AND tighter than OR, and
// parentheses group. A parenthesised comparison is that comparison; any other parenthesised part
// is a group criterion. a = 1 AND b = 2 OR c = 3 reads as Any of [All of [a = 1, b = 2], c = 3].
#include "framework/KRText.h"
#include "parser/KRSelectParser.h"

#include <algorithm>

namespace korvan {

//! One condition of a list, as read: a comparison, a parenthesised list, or a negated one.
struct TKRSelectParser::TCondition
{
    enum TShape { Simple, Group, Negated };
    TShape Shape = Simple;
    bool Parenthesised = false;
    std::unique_ptr<TKRCriterion> Criterion; //!< Simple
    std::unique_ptr<TKRCriterions> List; //!< Group and Negated: the items and their filter
};

namespace {

TKRCriterionFilter Negate(TKRCriterionFilter Filter)
{
    switch (Filter) {
    case cfAll:
        return cfNone;
    case cfNone:
        return cfAll;
    case cfAny:
        return cfNotAll;
    case cfNotAll:
        return cfAny;
    }
    return Filter;
}

bool TokenIs(const TKRSQLScanner &Scanner, const std::string &Word)
{
    return SameText(Scanner.Token(), Word) && Scanner.TokenQuote() == '\0';
}

//! Moves every item of From to the end of To.
void MoveItems(TKRCriterions &From, TKRCriterions &To)
{
    To.TakeItems(From);
}

} // namespace

void TKRSelectParser::DoParseCriterions(TKRCriterions *List)
{
    if (List == nullptr)
        return;
    bool SingleBare = false;
    ReadConditionList(*List, false, SingleBare);
}

// condition {AND|OR condition}; a nested list must end at ")", which the caller consumes.
bool TKRSelectParser::ReadConditionList(TKRCriterions &Out, bool Nested, bool &SingleBare)
{
    std::vector<TCondition> Items;
    std::vector<bool> Ands;
    for (;;) {
        TCondition Condition;
        if (!ReadCondition(Condition)) {
            // What was read before the fault stays in the model.
            Ands.resize(Items.empty() ? 0 : Items.size() - 1);
            BuildConditionList(Items, Ands, Out);
            return false;
        }
        Items.push_back(std::move(Condition));
        const bool And = TokenIs(*FScanner, "AND") && FScanner->TokenKind() == tkKeyword;
        const bool Or = TokenIs(*FScanner, "OR") && FScanner->TokenKind() == tkKeyword;
        if (!And && !Or)
            break;
        Ands.push_back(And);
        FScanner->GetNextToken();
    }
    SingleBare = Items.size() == 1 && Items[0].Shape == TCondition::Simple && !Items[0].Parenthesised;
    BuildConditionList(Items, Ands, Out);
    if (Nested && !(FScanner->TokenKind() == tkDelim && FScanner->Token() == ")"))
        return Fail();
    return true;
}

// Puts the conditions of one level into Out: one negated condition alone negates the level.
void TKRSelectParser::BuildConditionList(
        std::vector<TCondition> &Items, const std::vector<bool> &Ands, TKRCriterions &Out)
{
    // NOT (...) alone on its level negates the level itself.
    if (Items.size() == 1 && Items[0].Shape == TCondition::Negated) {
        MoveItems(*Items[0].List, Out);
        Out.SetFilter(Items[0].List->Filter());
        return;
    }
    // Each criterion is owned here until a list takes it.
    std::vector<std::unique_ptr<TKRCriterion>> Criteria;
    for (TCondition &Condition : Items) {
        if (Condition.Shape == TCondition::Simple) {
            Criteria.push_back(std::move(Condition.Criterion));
            continue;
        }
        auto Group = std::make_unique<TKRCriterion>();
        Group->SetParser(this);
        MoveItems(*Condition.List, *Group->SubItems());
        Group->SubItems()->SetFilter(Condition.List->Filter());
        Criteria.push_back(std::move(Group));
    }
    const bool AnyAnd = std::find(Ands.begin(), Ands.end(), true) != Ands.end();
    const bool AnyOr = std::find(Ands.begin(), Ands.end(), false) != Ands.end();
    Out.SetFilter(AnyOr ? cfAny : cfAll);
    const auto Give = [](std::unique_ptr<TKRCriterion> &Criterion, TKRCriterions &List) {
        Criterion->SetCollection(&List);
        Criterion.release();
    };
    for (std::size_t I = 0; I < Criteria.size();) {
        // In an OR list each run of AND-joined conditions is one All group.
        std::size_t End = I + 1;
        while (AnyOr && AnyAnd && End < Criteria.size() && Ands[End - 1])
            ++End;
        if (End - I == 1 || !AnyOr) {
            for (; I < End; ++I)
                Give(Criteria[I], Out);
            continue;
        }
        TKRCriterion *Run = Out.Add();
        for (; I < End; ++I)
            Give(Criteria[I], *Run->SubItems());
        Run->SubItems()->SetFilter(cfAll);
    }
}

// [NOT ...] ( "(" list ")" | comparison )
bool TKRSelectParser::ReadCondition(TCondition &Condition)
{
    int Nots = 0;
    while (TokenIs(*FScanner, "NOT") && FScanner->TokenKind() == tkKeyword) {
        ++Nots;
        FScanner->GetNextToken();
    }
    const bool Paren = FScanner->TokenKind() == tkDelim && FScanner->Token() == "(";
    if (TokenIs(*FScanner, "EXISTS") && NextIs("(")) {
        // EXISTS (SELECT ...) is a condition of its own, kept whole.
        Condition.Criterion = std::make_unique<TKRCriterion>();
        Condition.Criterion->SetParser(this);
        if (!ReadWholeCondition(*Condition.Criterion))
            return false;
    } else if (Paren && !IsWholeStart()) {
        if (!ReadParenthesised(Condition))
            return false;
    } else if (IsValueStart()) {
        Condition.Criterion = std::make_unique<TKRCriterion>();
        Condition.Criterion->SetParser(this);
        if (!ReadComparison(*Condition.Criterion))
            return false;
    } else
        // Nothing to read: a ")" or connective right after "(" or a connective, or the end.
        return Fail();

    if (Nots % 2 == 0)
        return true;
    if (Condition.Shape == TCondition::Simple) {
        Condition.List = std::make_unique<TKRCriterions>(nullptr);
        Condition.List->SetParser(this);
        // The list owns the criterion from here on.
        Condition.Criterion->SetCollection(Condition.List.get());
        Condition.Criterion.release();
        Condition.List->SetFilter(cfNone);
    } else
        Condition.List->SetFilter(Negate(Condition.List->Filter()));
    Condition.Shape = TCondition::Negated;
    return true;
}

// "(" list ")" is a group, or the parenthesised criterion itself; failing that, "(" starts the
// left side of a comparison: (a + b) > 5. When both fail, the group's fault is reported: WHERE (flag)
// fails at the ")" after a condition without an operator.
bool TKRSelectParser::ReadParenthesised(TCondition &Condition)
{
    const TKRScanMark Start = FScanner->Mark();
    const TKRSelectState Before = FState;
    FScanner->GetNextToken();
    auto Inner = std::make_unique<TKRCriterions>(nullptr);
    Inner->SetParser(this);
    bool SingleBare = false;
    if (ReadConditionList(*Inner, true, SingleBare)) {
        FScanner->GetNextToken();
        if (Inner->Count() == 1 && Inner->Filter() == cfAll && SingleBare) {
            Condition.Shape = TCondition::Simple;
            Condition.Parenthesised = true;
            TKRCriterion *Only = Inner->Items(0);
            Only->SetCollection(nullptr);
            Condition.Criterion.reset(Only);
        } else {
            Condition.Shape = TCondition::Group;
            Condition.List = std::move(Inner);
        }
        return true;
    }
    const TKRScanMark GroupFault = FScanner->Mark();
    FScanner->Restore(Start);
    FState = Before;
    Condition.Criterion = std::make_unique<TKRCriterion>();
    Condition.Criterion->SetParser(this);
    if (ReadComparison(*Condition.Criterion))
        return true;
    FScanner->Restore(GroupFault);
    return Fail();
}

bool TKRSelectParser::ReadWholeCondition(TKRCriterion &Criterion)
{
    std::string Text;
    if (!ReadWholeText(Text))
        return false;
    Criterion.LeftSide()->SetKind(fkExpression);
    Criterion.LeftSide()->SetName(Text);
    Criterion.SetOperator("");
    return true;
}

bool TKRSelectParser::ReadComparison(TKRCriterion &Criterion)
{
    DoParseExpression(Criterion.LeftSide(), TTokenKinds{ tkKeyword, tkComparison }, "", true);
    if (FState == ssError)
        return false;
    // A condition needs an operator: WHERE (flag) fails at the ")".
    const TKROperator *Operator = nullptr;
    if (FHandedBack || !ReadOperator(Criterion, Operator))
        return Fail();
    return ReadOperands(Criterion, *Operator);
}

// The longest operator caption that the next words spell, word by word: IS NOT NULL, NOT BETWEEN,
// "<" and "=" written together. Words read beyond it are given back.
bool TKRSelectParser::ReadOperator(TKRCriterion &Criterion, const TKROperator *&Operator)
{
    const TKRScanMark Start = FScanner->Mark();
    TKRScanMark After;
    std::string Text;
    while (FScanner->TokenKind() == tkKeyword || FScanner->TokenKind() == tkComparison) {
        const std::string Candidate = Text.empty()
                ? FScanner->Token()
                : Text + (FScanner->BlankCount() > 0 ? " " : "") + FScanner->Token();
        bool Partial = false;
        if (FOperators->FindNearest(Candidate, Partial) == nullptr)
            break;
        Text = Candidate;
        FScanner->GetNextToken();
        for (int I = 0; I < FOperators->Count(); ++I)
            if (SameText(FOperators->Items(I)->Caption(), Text)) {
                Operator = FOperators->Items(I);
                After = FScanner->Mark();
                break;
            }
    }
    if (Operator == nullptr) {
        FScanner->Restore(Start);
        return false;
    }
    FScanner->Restore(After);
    Criterion.SetOperator(Operator->Caption());
    return true;
}

bool TKRSelectParser::ReadOperands(TKRCriterion &Criterion, const TKROperator &Operator)
{
    if (!Operator.Prefix().empty() && !Operator.Postfix().empty() && IsWholeStart()) {
        // a IN (SELECT ...): the subquery is the one operand, parentheses and all.
        std::string Text;
        if (!ReadWholeText(Text))
            return false;
        TKRFunctionDef *Operand = Criterion.RightSide()->Add();
        Operand->SetKind(fkExpression);
        Operand->SetName(Text);
        return true;
    }
    if (!Operator.Prefix().empty() && !Operator.Postfix().empty()) {
        // a IN (1, 2, 3): the members, as the arguments of one node without a name.
        if (!TokenIs(*FScanner, Operator.Prefix()))
            return Fail();
        FScanner->GetNextToken();
        TKRFunctionDef *List = Criterion.RightSide()->Add();
        for (;;) {
            TKRFunctionDef Member;
            Member.SetParser(this);
            DoParseExpression(&Member, TTokenKinds{ tkKeyword }, "", true);
            if (FState == ssError)
                return false;
            List->Arguments()->Add()->Assign(&Member);
            if (FHandedBack || !(FScanner->TokenKind() == tkDelim && FScanner->Token() == ","))
                break;
            FScanner->GetNextToken();
        }
        if (!TokenIs(*FScanner, Operator.Postfix()))
            return Fail();
        FScanner->GetNextToken();
        return true;
    }
    const int Count = std::max(0, Operator.Count());
    for (int I = 0; I < Count; ++I) {
        if (!Operator.Prefix().empty()) {
            if (!TokenIs(*FScanner, Operator.Prefix()))
                return Fail();
            FScanner->GetNextToken();
        }
        DoParseExpression(Criterion.RightSide()->Add(), TTokenKinds{ tkKeyword }, "", true);
        if (FState == ssError)
            return false;
        if (!Operator.Postfix().empty() && TokenIs(*FScanner, Operator.Postfix()))
            FScanner->GetNextToken();
        if (I < Count - 1 && !Operator.Relate().empty() && TokenIs(*FScanner, Operator.Relate()))
            FScanner->GetNextToken();
    }
    return true;
}

} // namespace korvan
