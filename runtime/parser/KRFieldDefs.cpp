#include "parser/KRFieldDefs.h"

#include "framework/KRText.h"
#include "parser/KRTableDefs.h"

namespace korvan {

namespace {

//! Calls Visit for every field of the same numbering as Field: the whole table list, or else
//! Field's own list.
template <typename F>
void ForEachNumberedField(const TKRFieldDef &Field, F Visit)
{
    if (const TKRTableDefs *Tables = Field.TableDefs()) {
        for (int T = 0; T < Tables->Count(); ++T) {
            const TKRFieldDefs *Fields = Tables->Items(T)->FieldDefs();
            for (int I = 0; Fields != nullptr && I < Fields->Count(); ++I)
                Visit(*Fields->Items(I));
        }
    } else if (const auto *List = dynamic_cast<const TKRFunctionDefs *>(Field.Collection())) {
        for (int I = 0; I < List->Count(); ++I)
            if (auto *Other = dynamic_cast<TKRFieldDef *>(List->Items(I)))
                Visit(*Other);
    }
}

} // namespace

TKRFieldDef::TKRFieldDef(TCollection *Collection)
    : TKRFunctionDef(Collection)
{
    // A new field goes to the end of the SELECT list.
    if (const TKRTableDefs *Tables = TableDefs()) {
        Tables->FieldAdded(FAlias);
        FSelectIndex = Tables->GetFieldCount() - 1;
    } else
        FSelectIndex = Index() < 0 ? 0 : Index();
}

// The numbering stays gapless: every field after this one moves up by one. When the whole table
// list goes, there is no numbering left to keep.
TKRFieldDef::~TKRFieldDef()
{
    if (const TKRTableDefs *Tables = TableDefs()) {
        Tables->FieldRemoved(FAlias);
        if (Tables->Clearing())
            return;
    }
    ForEachNumberedField(*this, [this](TKRFieldDef &Other) {
        if (&Other != this && Other.FSelectIndex > FSelectIndex)
            --Other.FSelectIndex;
    });
}

void TKRFieldDef::SetAlias(const std::string &Value)
{
    ChangeAlias(Value);
}

void TKRFieldDef::ChangeAlias(const std::string &Value)
{
    if (const TKRTableDefs *Tables = TableDefs())
        Tables->FieldAliasChanged(FAlias, Value);
    FAlias = Value;
}

TKRTableDef *TKRFieldDef::TableDef() const
{
    const auto *List = dynamic_cast<const TKRFieldDefs *>(Collection());
    return List != nullptr ? List->TableDef() : nullptr;
}

TKRTableDefs *TKRFieldDef::TableDefs() const
{
    const TKRTableDef *Table = TableDef();
    return Table != nullptr ? Table->TableDefs() : nullptr;
}

void TKRFieldDef::Assign(const TPersistent *Source)
{
    TKRFunctionDef::Assign(Source);
    if (const auto *Other = dynamic_cast<const TKRFieldDef *>(Source)) {
        ChangeAlias(Other->FAlias);
        FParamType = Other->FParamType;
    }
}

// The alias follows the name until the field has one of its own. Setting the name it already has
// changes nothing (it would otherwise find its own alias taken and become a1).
void TKRFieldDef::SetName(const std::string &Value)
{
    if (Value == FName)
        return;
    if (FAlias == FName)
        ChangeAlias(GenerateAlias(Value, false));
    FName = Value;
}

// A computed column is named by a generated alias: FIELD_1, FIELD_2, ...
void TKRFieldDef::SetKind(TKRFunctionKind Value)
{
    FKind = Value;
    if (FAlias == FName && Value != fkUnknown && Value != fkIdentifier)
        ChangeAlias(GenerateAlias("FIELD_", true));
}

void TKRFieldDef::Clear()
{
    TKRFunctionDef::Clear();
    ChangeAlias(FName);
}

std::string TKRFieldDef::GenerateAlias(const std::string &Base, bool Force) const
{
    if (const TKRTableDefs *Tables = TableDefs())
        return Tables->GetUniqueAlias(Base, Force);
    return Force ? Base + "1" : Base;
}

std::string TKRFieldDef::GetTableAlias() const
{
    const TKRTableDef *Table = TableDef();
    return Table != nullptr ? Table->Alias() : std::string();
}

std::string TKRFieldDef::GetScript() const
{
    std::string Result;
    if (IsStar()) {
        // * of one table among several is written t.*; the table list writes a lone *.
        const TKRTableDef *Table = TableDef();
        const std::string Qualifier =
                Table == nullptr ? std::string() : (Table->Alias().empty() ? Table->Name() : Table->Alias());
        Result = Qualifier.empty() ? "*" : ProcessName(Qualifier) + ".*";
    } else
        Result = TKRFunctionDef::GetScript();
    // A column's alias is left out where it is its name; a computed column's never is, since without
    // one it reads back under a generated alias: f() AS f is not f().
    const bool Computed = FKind != fkUnknown && FKind != fkIdentifier && !IsStar();
    if (!FAlias.empty() && (FAlias != FName || Computed))
        Result += " " + ProcessKeyword("AS") + " " + ProcessAlias(FAlias);
    return Result;
}

TKRFieldDefs::TKRFieldDefs(TPersistent *Owner, TCollectionItemClass AItemClass)
    : TKRFunctionDefs(Owner, AItemClass)
{}

TKRFieldDefs::~TKRFieldDefs()
{
    Clear();
}

TKRFieldDef *TKRFieldDefs::FindByName(const std::string &Value) const
{
    for (int I = 0; I < Count(); ++I)
        if (Items(I)->Name() == Value)
            return Items(I);
    return nullptr;
}

TKRFieldDef *TKRFieldDefs::FindByAlias(const std::string &Value) const
{
    for (int I = 0; I < Count(); ++I)
        if (Items(I)->Alias() == Value)
            return Items(I);
    return nullptr;
}

TKRTableDef *TKRFieldDefs::TableDef() const
{
    return dynamic_cast<TKRTableDef *>(Owner());
}

// A field moved in or out whole (not one being made or freed, which keeps the index itself)
// leaves the table list's field index behind.
void TKRFieldDefs::Notify(TCollectionItem *Item, TCollectionNotification Action)
{
    TKRFunctionDefs::Notify(Item, Action);
    if (Action == cnDeleting || dynamic_cast<TKRFieldDef *>(Item) == nullptr)
        return;
    if (const TKRTableDef *Table = TableDef())
        if (const TKRTableDefs *Tables = Table->TableDefs())
            Tables->DropFieldIndex();
}

std::string TKRFieldDefs::GetScript() const
{
    std::string Result;
    for (int I = 0; I < Count(); ++I) {
        const TKRFieldDef *Field = Items(I);
        if (Field->IsInputParam())
            continue;
        if (!Result.empty())
            Result += ",\r\n";
        Result += "  " + Field->GetScript();
    }
    return Result;
}

} // namespace korvan
