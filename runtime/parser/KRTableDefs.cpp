#include "parser/KRTableDefs.h"

#include "parser/KRSelectParser.h"

#include <algorithm>

namespace korvan {

namespace {

bool Contains(const std::vector<const TKRTableDef *> &Tables, const TKRTableDef *Table)
{
    return std::find(Tables.begin(), Tables.end(), Table) != Tables.end();
}

//! The text of a stored-procedure argument: a parameter name as :name, anything else (a literal,
//! an expression, a call) as its own text, which no table qualifies.
std::string ParamText(const TKRFieldDef &Param)
{
    if (Param.Kind() == fkIdentifier || Param.Kind() == fkUnknown)
        return ":" + Param.Name();
    TKRFunctionDef Free;
    Free.Assign(&Param);
    return Free.GetScript();
}

} // namespace

TKRTableDef::TKRTableDef(TCollection *Collection)
    : TKRCollectionItem(Collection)
{
    FFieldDefs = TKRTableDef::CreateFieldDefs();
    FJoinDefs = TKRTableDef::CreateJoinDefs();
}

TKRTableDef::~TKRTableDef()
{
    // The fields are freed while the list is still reachable: they renumber the SELECT list.
    FJoinDefs->Clear();
    FJoinDefs.reset();
    FFieldDefs->Clear();
    FFieldDefs.reset();
    if (TKRTableDefs *Tables = TableDefs(); Tables != nullptr && !Tables->Clearing())
        Tables->UpdateJoins(this);
    if (FParser != nullptr && FParser->OrderByItems() != nullptr) {
        TKROrderByItems &Order = *FParser->OrderByItems();
        const std::string Prefix = FName + ".";
        for (int I = Order.Count() - 1; I >= 0; --I)
            if (Order.Strings(I).compare(0, Prefix.size(), Prefix) == 0)
                Order.Delete(I);
    }
}

void TKRTableDef::SetAlias(const std::string &Value)
{
    if (Value == FAlias)
        return;
    if (TKRTableDefs *Tables = TableDefs())
        Tables->UpdateTableAlias(FAlias, Value);
    FAlias = Value;
}

void TKRTableDef::SetName(const std::string &Value)
{
    if (Value == FName)
        return;
    if (FAlias == FName)
        FAlias = Value;
    FName = Value;
}

void TKRTableDef::SetFieldDefs(const TKRFieldDefs *Value)
{
    if (Value != FFieldDefs.get())
        FFieldDefs->Assign(Value);
}

void TKRTableDef::SetJoinDefs(const TKRJoinDefs *Value)
{
    if (Value != FJoinDefs.get())
        FJoinDefs->Assign(Value);
}

TKRTableDefs *TKRTableDef::TableDefs() const
{
    return dynamic_cast<TKRTableDefs *>(Collection());
}

void TKRTableDef::Assign(const TPersistent *Source)
{
    TKRCollectionItem::Assign(Source);
    if (const auto *Other = dynamic_cast<const TKRTableDef *>(Source)) {
        FAlias = Other->FAlias;
        FFieldDefs->Assign(Other->FFieldDefs.get());
        FName = Other->FName;
    }
}

void TKRTableDef::SetParser(TKRSelectParser *Value)
{
    TKRCollectionItem::SetParser(Value);
    FFieldDefs->SetParser(Value);
    FJoinDefs->SetParser(Value);
}

std::unique_ptr<TKRFieldDefs> TKRTableDef::CreateFieldDefs()
{
    return std::make_unique<TKRFieldDefs>(this, &ItemClassOf<TKRFieldDef>);
}

std::unique_ptr<TKRJoinDefs> TKRTableDef::CreateJoinDefs()
{
    return std::make_unique<TKRJoinDefs>(this, &ItemClassOf<TKRJoinDef>);
}

std::string TKRTableDef::GetParamsScript() const
{
    if (FTableType != qttStoredProc)
        return "";
    std::string Params;
    for (int I = 0; I < FFieldDefs->Count(); ++I) {
        const TKRFieldDef *Field = FFieldDefs->Items(I);
        if (!Field->IsInputParam())
            continue;
        if (!Params.empty())
            Params += ", ";
        Params += ParamText(*Field);
    }
    return Params.empty() ? Params : "(" + Params + ")";
}

std::string TKRTableDef::GetEntryScript() const
{
    std::string Result = "  " + ProcessName(FName) + GetParamsScript();
    if (!FAlias.empty() && FAlias != FName)
        Result += " " + ProcessName(FAlias);
    return Result;
}

std::string TKRTableDef::GetScript() const
{
    std::string Result = GetEntryScript();
    if (const TKRTableDefs *Tables = TableDefs()) {
        std::vector<const TKRTableDef *> Written;
        Result += Tables->GetJoinChain(this, Written);
    }
    return Result;
}

TKRTableDefs::TKRTableDefs(TCollectionItemClass AItemClass)
    : TKRCollection(AItemClass)
{}

// Tables look at the list while they die (joins into them, the SELECT list numbering).
TKRTableDefs::~TKRTableDefs()
{
    Clear();
}

void TKRTableDefs::Clear()
{
    FClearing = true;
    try {
        TKRCollection::Clear();
    } catch (...) {
        FClearing = false;
        throw;
    }
    FClearing = false;
}

TKRTableDef *TKRTableDefs::FindByName(const std::string &Value) const
{
    for (int I = 0; I < Count(); ++I)
        if (Items(I)->Name() == Value)
            return Items(I);
    return nullptr;
}

TKRTableDef *TKRTableDefs::FindByAlias(const std::string &Value) const
{
    for (int I = 0; I < Count(); ++I)
        if (Items(I)->Alias() == Value)
            return Items(I);
    return nullptr;
}

int TKRTableDefs::GetFieldCount() const
{
    BuildFieldIndex();
    return FFieldCount;
}

void TKRTableDefs::BuildFieldIndex() const
{
    if (FFieldIndexBuilt)
        return;
    FFieldAliases.clear();
    FFreeSuffixFrom.clear();
    FFieldCount = 0;
    for (int T = 0; T < Count(); ++T)
        if (const TKRFieldDefs *Fields = Items(T)->FieldDefs()) {
            FFieldCount += Fields->Count();
            for (int I = 0; I < Fields->Count(); ++I)
                ++FFieldAliases[Fields->Items(I)->Alias()];
        }
    FFieldIndexBuilt = true;
}

void TKRTableDefs::DropFieldIndex() const
{
    FFieldIndexBuilt = false;
    FFieldAliases.clear();
    FFreeSuffixFrom.clear();
}

void TKRTableDefs::FieldAdded(const std::string &Alias) const
{
    if (!FFieldIndexBuilt)
        return;
    ++FFieldCount;
    ++FFieldAliases[Alias];
}

void TKRTableDefs::FieldRemoved(const std::string &Alias) const
{
    if (!FFieldIndexBuilt)
        return;
    --FFieldCount;
    const auto Found = FFieldAliases.find(Alias);
    if (Found != FFieldAliases.end() && --Found->second == 0)
        FFieldAliases.erase(Found);
    FFreeSuffixFrom.clear();
}

void TKRTableDefs::FieldAliasChanged(const std::string &Old, const std::string &New) const
{
    if (!FFieldIndexBuilt || Old == New)
        return;
    FieldRemoved(Old);
    FieldAdded(New);
}

bool TKRTableDefs::AliasInUse(const std::string &Alias) const
{
    BuildFieldIndex();
    return FFieldAliases.count(Alias) > 0;
}

// Only a table that was whole before (one moved from another list) brings fields along; a new
// table is still empty, and a dying one has let its fields go one by one.
void TKRTableDefs::Notify(TCollectionItem *Item, TCollectionNotification Action)
{
    TKRCollection::Notify(Item, Action);
    if (Action != cnDeleting && dynamic_cast<TKRTableDef *>(Item) != nullptr)
        DropFieldIndex();
}

TKRFieldDef *TKRTableDefs::FieldDefs(int Index) const
{
    TKRFieldDef *Result = nullptr;
    for (int T = 0; T < Count(); ++T) {
        const TKRFieldDefs *Fields = Items(T)->FieldDefs();
        for (int I = 0; Fields != nullptr && I < Fields->Count(); ++I)
            if (Fields->Items(I)->SelectIndex() == Index)
                Result = Fields->Items(I);
    }
    return Result;
}

std::vector<TKRFieldDef *> TKRTableDefs::SelectList() const
{
    std::vector<TKRFieldDef *> Slots(static_cast<std::size_t>(GetFieldCount()), nullptr);
    for (int T = 0; T < Count(); ++T) {
        const TKRFieldDefs *Fields = Items(T)->FieldDefs();
        for (int I = 0; Fields != nullptr && I < Fields->Count(); ++I) {
            TKRFieldDef *Field = Fields->Items(I);
            const int Index = Field->SelectIndex();
            if (Index >= 0 && static_cast<std::size_t>(Index) < Slots.size())
                Slots[static_cast<std::size_t>(Index)] = Field;
        }
    }
    std::erase(Slots, nullptr);
    return Slots;
}

std::string TKRTableDefs::GetUniqueAlias(const std::string &Base, bool Force) const
{
    if (!Force && !AliasInUse(Base))
        return Base;
    // Base1, Base2, ... up to the first free one; the numbers found taken are not tried again
    // while no alias goes.
    const auto Hint = FFreeSuffixFrom.find(Base);
    int N = Hint != FFreeSuffixFrom.end() ? Hint->second : 1;
    std::string Result = Base + std::to_string(N);
    while (AliasInUse(Result))
        Result = Base + std::to_string(++N);
    FFreeSuffixFrom[Base] = N;
    return Result;
}

void TKRTableDefs::UpdateFieldAliases()
{
    for (int T = 0; T < Count(); ++T) {
        TKRFieldDefs *Fields = Items(T)->FieldDefs();
        for (int I = 0; I < Fields->Count(); ++I) {
            TKRFieldDef *Field = Fields->Items(I);
            // Only a field written under its own name can clash with another field's alias; one
            // that has an alias of its own keeps it (renaming it again would flip b1 and b2 on
            // every update). A * entry has no name to clash with.
            if (Field->IsStar() || Field->Alias() != Field->Name())
                continue;
            const TKRFieldDef *Holder = Fields->FindByAlias(Field->Name());
            if (Holder != nullptr && Holder != Field)
                Field->SetAlias(
                        GetUniqueAlias(Field->Kind() == fkIdentifier ? Field->Name() : "FIELD_", true));
        }
    }
}

void TKRTableDefs::UpdateTableAlias(const std::string &OldAlias, const std::string &NewAlias)
{
    for (int T = 0; T < Count(); ++T) {
        const TKRJoinDefs *Joins = Items(T)->JoinDefs();
        for (int I = 0; I < Joins->Count(); ++I)
            if (Joins->Items(I)->JoinTable() == OldAlias)
                Joins->Items(I)->SetJoinTable(NewAlias);
    }
}

void TKRTableDefs::EndUpdate()
{
    TKRCollection::EndUpdate();
    UpdateFieldAliases();
}

bool TKRTableDefs::IsTableJoined(const TKRTableDef *Table) const
{
    if (Table == nullptr)
        return false;
    for (int T = 0; T < Count(); ++T) {
        const TKRJoinDefs *Joins = Items(T)->JoinDefs();
        for (int I = 0; Joins != nullptr && I < Joins->Count(); ++I)
            if (Joins->Items(I)->JoinTable() == Table->Alias())
                return true;
    }
    return false;
}

// Only the joined table decides: a join whose table is gone goes with it, while a join to a field
// that is no output column stays (the diagram still shows it).
void TKRTableDefs::UpdateJoins(const TKRTableDef *Excluded)
{
    const auto Present = [this, Excluded](const std::string &Table) {
        for (int T = 0; T < Count(); ++T) {
            const TKRTableDef *Def = Items(T);
            if (Def != Excluded && (Def->Alias() == Table || Def->Name() == Table))
                return true;
        }
        return false;
    };
    for (int T = 0; T < Count(); ++T) {
        TKRTableDef *Def = Items(T);
        if (Def == Excluded)
            continue;
        TKRJoinDefs *Joins = Def->JoinDefs();
        for (int I = 0; I < Joins->Count();) {
            if (Present(Joins->Items(I)->JoinTable()))
                ++I;
            else
                Joins->Delete(I);
        }
    }
}

// Walks the joins depth first with an explicit stack, so no chain of joins, however long, can
// exhaust the call stack; a table already on the current chain is not entered again (A joins B,
// B joins A). Each nested level puts one more blank before its line break.
std::string TKRTableDefs::GetJoinChain(
        const TKRTableDef *Root, std::vector<const TKRTableDef *> &Written) const
{
    struct Frame
    {
        const TKRTableDef *Table;
        int Next;
    };
    std::string Result;
    std::vector<Frame> Chain;
    const auto Enter = [&](const TKRTableDef *Table) {
        const std::string Clauses = Table->JoinDefs()->GetScript();
        if (Clauses.empty())
            return false;
        Result += std::string(Chain.size() + 1, ' ') + Clauses;
        const TKRJoinDefs *Joins = Table->JoinDefs();
        for (int I = 0; I < Joins->Count(); ++I) {
            const TKRJoinDef *Join = Joins->Items(I);
            if (Join->GetScript().empty())
                continue;
            const TKRTableDef *Target = FindByAlias(Join->JoinTable());
            if (Target == nullptr)
                Target = FindByName(Join->JoinTable());
            if (Target != nullptr && !Contains(Written, Target))
                Written.push_back(Target);
        }
        Chain.push_back({ Table, 0 });
        return true;
    };
    Enter(Root);
    while (!Chain.empty()) {
        Frame &Top = Chain.back();
        const TKRJoinDefs *Joins = Top.Table->JoinDefs();
        if (Top.Next >= Joins->Count()) {
            Chain.pop_back();
            continue;
        }
        const TKRTableDef *Target = FindByAlias(Joins->Items(Top.Next++)->JoinTable());
        const bool OnChain = std::any_of(
                Chain.begin(), Chain.end(), [Target](const Frame &F) { return F.Table == Target; });
        if (Target != nullptr && !OnChain)
            Enter(Target);
    }
    return Result;
}

// The SELECT list in SelectIndex order. A statement whose only output is "*" for every named table
// is written SELECT *; otherwise a * entry is written t.*.
std::string TKRTableDefs::GetFieldsScript() const
{
    std::vector<const TKRFieldDef *> Fields;
    for (const TKRFieldDef *Field : SelectList())
        if (!Field->IsInputParam())
            Fields.push_back(Field);
    const bool AllStars = !Fields.empty()
            && std::all_of(Fields.begin(), Fields.end(), [](const TKRFieldDef *F) { return F->IsStar(); });
    if (AllStars) {
        bool EveryTable = true;
        for (int T = 0; T < Count(); ++T) {
            const TKRFieldDefs *List = Items(T)->FieldDefs();
            bool HasStar = false;
            for (int I = 0; I < List->Count(); ++I)
                HasStar = HasStar || List->Items(I)->IsStar();
            EveryTable = EveryTable && (Items(T)->Name().empty() || HasStar);
        }
        if (EveryTable)
            return "*";
    }
    std::string Result;
    for (const TKRFieldDef *Field : Fields) {
        const std::string Text = Field->GetScript();
        if (Text.empty())
            continue;
        if (!Result.empty())
            Result += ",\r\n";
        Result += "  " + Text;
    }
    return Result.empty() ? Result : "\r\n" + Result;
}

// Tables joined from another one are written inside its chain. A table that no written chain
// reaches (its joins write nothing, or they form a cycle) still gets an entry of its own, and a
// table without a name (one the SELECT list made, never named in FROM) gets none.
std::string TKRTableDefs::GetTablesScript() const
{
    std::vector<const TKRTableDef *> Written;
    std::string Result;
    const auto Write = [&](const TKRTableDef *Table) {
        if (!Result.empty())
            Result += ",\r\n";
        if (!Contains(Written, Table))
            Written.push_back(Table);
        Result += Table->GetEntryScript() + GetJoinChain(Table, Written);
    };
    for (int T = 0; T < Count(); ++T)
        if (!Items(T)->Name().empty() && !IsTableJoined(Items(T)))
            Write(Items(T));
    for (int T = 0; T < Count(); ++T)
        if (!Items(T)->Name().empty() && !Contains(Written, Items(T)))
            Write(Items(T));
    return Result;
}

std::string TKRTableDefs::GetScript() const
{
    std::string Fields = GetFieldsScript();
    const std::string Tables = GetTablesScript();
    if (Fields.empty()) {
        if (Tables.empty())
            return "";
        Fields = "*";
    }
    if (Tables.empty())
        return Fields + "\r\n";
    return Fields + "\r\n" + ProcessKeyword("FROM") + "\r\n" + Tables + "\r\n";
}

} // namespace korvan
