#include "parser/KRJoinDefs.h"

#include "framework/KRText.h"
#include "parser/KRTableDefs.h"

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
    const TKRTableDef *Owner = GetTableDef();
    const std::string Word = JoinWord(FJoinKind);
    if (Owner == nullptr || FFieldName.empty() || Trim(FJoinFieldName).empty() || FJoinTable.empty()
            || Word.empty())
        return "";

    std::string Joined;
    const TKRTableDef *Target = nullptr;
    if (const TKRTableDefs *Tables = Owner->TableDefs()) {
        Target = Tables->FindByAlias(FJoinTable);
        if (Target == nullptr)
            Target = Tables->FindByName(FJoinTable);
        if (Target == nullptr)
            return "";
        Joined = Owner->ProcessName(Target->Name()) + Target->GetParamsScript();
        if (!Target->Alias().empty() && Target->Alias() != Target->Name())
            Joined += " " + Owner->ProcessName(Target->Alias());
    } else
        Joined = Owner->ProcessName(FJoinTable);

    const std::string Left = Owner->Alias().empty() ? Owner->Name() : Owner->Alias();
    const std::string Right = Target != nullptr ? Target->Alias() : FJoinTable;
    if (Left.empty() || Right.empty())
        return "";
    return ProcessKeyword(Word) + " " + ProcessKeyword("JOIN") + " " + Joined + " " + ProcessKeyword("ON")
            + " (" + Owner->ProcessName(Left) + "." + KRText::ProcessNamePart(FParser, FFieldName) + " "
            + FOperation + " " + Owner->ProcessName(Right) + "."
            + KRText::ProcessNamePart(FParser, FJoinFieldName) + ")";
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

std::string TKRJoinDefs::GetScript() const
{
    if (Owner() == nullptr)
        return "";
    std::string Result;
    for (int I = 0; I < Count(); ++I) {
        const std::string Clause = Items(I)->GetScript();
        if (!Result.empty() && !Clause.empty())
            Result += "\r\n  ";
        Result += Clause;
    }
    return Result.empty() ? Result : "\r\n  " + Result;
}

} // namespace korvan
