#include "parser/KRJoinDefs.h"

#include "framework/KRText.h"
#include "parser/KRTableDefs.h"

#include <vector>

namespace korvan {

namespace {

const char *JoinWord(TKRJoinKind Kind)
{
    switch (Kind) {
    case krjInnerJoin:
        return "INNER";
    case krjLOuterJoin:
        return "LEFT OUTER";
    case krjROuterJoin:
        return "RIGHT OUTER";
    case krjFOuterJoin:
        return "FULL OUTER";
    }
    return "";
}

} // namespace

TKRJoinDef::TKRJoinDef(TCollection *Collection)
    : TKRCollectionItem(Collection)
{}

void TKRJoinDef::Assign(const TPersistent *Source)
{
    if (const auto *Other = dynamic_cast<const TKRJoinDef *>(Source)) {
        FJoinKind = Other->FJoinKind;
        FFieldName = Other->FFieldName;
        FJoinFieldName = Other->FJoinFieldName;
        FJoinTable = Other->FJoinTable;
        FOperation = Other->FOperation;
        return;
    }
    TKRCollectionItem::Assign(Source);
}

TKRTableDef *TKRJoinDef::GetTableDef() const
{
    const auto *List = dynamic_cast<const TKRJoinDefs *>(Collection());
    return List != nullptr ? dynamic_cast<TKRTableDef *>(List->Owner()) : nullptr;
}

std::string TKRJoinDef::GetScript() const
{
    const std::string Comparison = GetComparisonScript();
    return Comparison.empty() ? Comparison : GetHeadScript() + " " + ProcessKeyword("ON") + " " + Comparison;
}

// The joined table in the owner's table list: by alias, else by name.
const TKRTableDef *TKRJoinDef::FindJoinedTable() const
{
    const TKRTableDef *Owner = GetTableDef();
    const TKRTableDefs *Tables = Owner != nullptr ? Owner->TableDefs() : nullptr;
    if (Tables == nullptr)
        return nullptr;
    const TKRTableDef *Target = Tables->FindByAlias(FJoinTable);
    return Target != nullptr ? Target : Tables->FindByName(FJoinTable);
}

// The join word, JOIN and the joined table with its parameters and alias.
std::string TKRJoinDef::GetHeadScript() const
{
    const TKRTableDef *Owner = GetTableDef();
    if (Owner == nullptr)
        return "";
    std::string Joined;
    if (Owner->TableDefs() != nullptr) {
        const TKRTableDef *Target = FindJoinedTable();
        if (Target == nullptr)
            return "";
        Joined = Owner->ProcessName(Target->Name()) + Target->GetParamsScript();
        if (!Target->Alias().empty() && Target->Alias() != Target->Name())
            Joined += " " + Owner->ProcessName(Target->Alias());
    } else
        Joined = Owner->ProcessName(FJoinTable);
    return ProcessKeyword(JoinWord(FJoinKind)) + " " + ProcessKeyword("JOIN") + " " + Joined;
}

// (q.f op q.f), or empty when the join cannot be resolved.
std::string TKRJoinDef::GetComparisonScript() const
{
    const TKRTableDef *Owner = GetTableDef();
    const std::string Word = JoinWord(FJoinKind);
    if (Owner == nullptr || FFieldName.empty() || Trim(FJoinFieldName).empty() || FJoinTable.empty()
            || Word.empty())
        return "";
    std::string Right = FJoinTable;
    if (Owner->TableDefs() != nullptr) {
        const TKRTableDef *Target = FindJoinedTable();
        if (Target == nullptr)
            return "";
        Right = Target->Alias();
    }
    const std::string Left = Owner->Alias().empty() ? Owner->Name() : Owner->Alias();
    if (Left.empty() || Right.empty())
        return "";
    return "(" + Owner->ProcessName(Left) + "." + KRModelText::ProcessNamePart(FParser, FFieldName) + " "
            + FOperation + " " + Owner->ProcessName(Right) + "."
            + KRModelText::ProcessNamePart(FParser, FJoinFieldName) + ")";
}

TKRJoinDefs::TKRJoinDefs(TPersistent *Owner, TCollectionItemClass AItemClass)
    : TKRCollection(AItemClass, Owner)
{}

TKRJoinDef *TKRJoinDefs::Find(
        const std::string &FieldName, const std::string &JoinTable, const std::string &JoinFieldName) const
{
    for (int I = 0; I < Count(); ++I) {
        TKRJoinDef *Join = Items(I);
        if (Join->FieldName() == FieldName && Join->JoinTable() == JoinTable
                && Join->JoinFieldName() == JoinFieldName)
            return Join;
    }
    return nullptr;
}

// The joins into one table make one clause: INNER JOIN u ON (t.a = u.b) AND (t.c = u.d), in the kind
// and at the place of the first of them.
std::string TKRJoinDefs::GetScript() const
{
    if (Owner() == nullptr)
        return "";
    std::string Result;
    std::vector<bool> Done(static_cast<std::size_t>(Count()), false);
    for (int I = 0; I < Count(); ++I) {
        if (Done[static_cast<std::size_t>(I)])
            continue;
        const TKRJoinDef *Join = Items(I);
        std::string Comparisons = Join->GetComparisonScript();
        for (int J = I + 1; J < Count(); ++J) {
            if (Items(J)->JoinTable() != Join->JoinTable())
                continue;
            Done[static_cast<std::size_t>(J)] = true;
            const std::string More = Items(J)->GetComparisonScript();
            if (!More.empty())
                Comparisons += (Comparisons.empty() ? "" : " " + ProcessKeyword("AND") + " ") + More;
        }
        if (Comparisons.empty())
            continue;
        const std::string Clause = Join->GetHeadScript() + " " + ProcessKeyword("ON") + " " + Comparisons;
        if (!Result.empty())
            Result += "\r\n  ";
        Result += Clause;
    }
    return Result.empty() ? Result : "\r\n  " + Result;
}

std::string KRMirrorComparison(const std::string &Operation)
{
    if (Operation == "<")
        return ">";
    if (Operation == ">")
        return "<";
    if (Operation == "<=")
        return ">=";
    if (Operation == ">=")
        return "<=";
    return Operation;
}

} // namespace korvan
