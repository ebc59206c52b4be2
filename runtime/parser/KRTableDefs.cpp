#include "parser/KRTableDefs.h"

#include "parser/KRSelectParser.h"

#include <algorithm>
#include <unordered_set>

namespace korvan {

namespace {

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
    // A table of a model the parser has let go (a statement read over it, or a failed read) has no
    // say over the parser's lists.
    if (FParser == nullptr || FParser->TableDefs() != TableDefs())
        return;
    // Sort and grouping entries that start with the table's name and a dot go with it.
    const std::string Prefix = FName + ".";
    const auto Names = [&Prefix](const std::string &Entry) {
        return Entry.compare(0, Prefix.size(), Prefix) == 0;
    };
    if (TKROrderByItems *Order = FParser->OrderByItems())
        for (int I = Order->Count() - 1; I >= 0; --I)
            if (!Order->IsExpression(I) && Names(Order->Strings(I)))
                Order->Delete(I);
    if (TKRGroupByItems *Group = FParser->GroupByItems())
        for (int I = Group->ReadItems().Count() - 1; I >= 0; --I)
            if (!Group->IsReadExpression(I) && Names(Group->ReadItems().Strings(I)))
                Group->DeleteRead(I);
}

void TKRTableDef::SetAlias(const std::string &Value)
{
    if (Value == FAlias)
        return;
    const std::string Old = FAlias;
    TKRTableDefs *Tables = TableDefs();
    if (Tables != nullptr)
        Tables->UpdateTableAlias(FAlias, Value);
    FAlias = Value;
    if (Tables != nullptr)
        Tables->TableRenamed(this, Old, FName);
}

void TKRTableDef::SetName(const std::string &Value)
{
    if (Value == FName)
        return;
    const std::string OldAlias = FAlias;
    const std::string OldName = FName;
    if (FAlias == FName)
        FAlias = Value;
    FName = Value;
    if (const TKRTableDefs *Tables = TableDefs())
        Tables->TableRenamed(this, OldAlias, OldName);
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
        const std::string OldAlias = FAlias;
        const std::string OldName = FName;
        FAlias = Other->FAlias;
        FFieldDefs->Assign(Other->FFieldDefs.get());
        FName = Other->FName;
        if (const TKRTableDefs *Tables = TableDefs())
            Tables->TableRenamed(this, OldAlias, OldName);
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
    if (Params.empty())
        return FEmptyCall ? "()" : "";
    return "(" + Params + ")";
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
    BuildTableIndex();
    const auto Found = FFirstByName.find(Value);
    return Found != FFirstByName.end() ? Found->second : nullptr;
}

TKRTableDef *TKRTableDefs::FindByAlias(const std::string &Value) const
{
    BuildTableIndex();
    const auto Found = FFirstByAlias.find(Value);
    return Found != FFirstByAlias.end() ? Found->second : nullptr;
}

void TKRTableDefs::BuildTableIndex() const
{
    if (FTableIndexBuilt) {
        // Tables made since the last look-up are whole by now, and last in the list.
        for (TCollectionItem *Item : FNewTables) {
            auto *Table = static_cast<TKRTableDef *>(Item);
            FFirstByAlias.emplace(Table->Alias(), Table);
            FFirstByName.emplace(Table->Name(), Table);
        }
        FNewTables.clear();
        return;
    }
    FFirstByAlias.clear();
    FFirstByName.clear();
    for (int I = 0; I < Count(); ++I) {
        FFirstByAlias.emplace(Items(I)->Alias(), Items(I));
        FFirstByName.emplace(Items(I)->Name(), Items(I));
    }
    FNewTables.clear();
    FTableIndexBuilt = true;
}

void TKRTableDefs::DropTableIndex() const
{
    FTableIndexBuilt = false;
    FFirstByAlias.clear();
    FFirstByName.clear();
    FNewTables.clear();
}

namespace {

//! Brings one map of first tables up to date after Table's key went from Old to New.
template <typename TKey>
void Rekey(const TKRTableDefs &Tables, std::unordered_map<std::string, TKRTableDef *> &First,
        const TKRTableDef *Table, const std::string &Old, const std::string &New, TKey Key)
{
    if (Old == New)
        return;
    const auto Was = First.find(Old);
    if (Was != First.end() && Was->second == Table) {
        First.erase(Was);
        for (int I = 0; I < Tables.Count(); ++I)
            if (Key(*Tables.Items(I)) == Old) {
                First.emplace(Old, Tables.Items(I));
                break;
            }
    }
    auto *Self = const_cast<TKRTableDef *>(Table);
    const auto [Is, Added] = First.emplace(New, Self);
    if (!Added && Is->second != Table && Table->Index() < Is->second->Index())
        Is->second = Self;
}

} // namespace

void TKRTableDefs::TableRenamed(
        const TKRTableDef *Table, const std::string &OldAlias, const std::string &OldName) const
{
    if (!FTableIndexBuilt)
        return;
    BuildTableIndex();
    Rekey(*this, FFirstByAlias, Table, OldAlias, Table->Alias(),
            [](const TKRTableDef &T) -> const std::string & { return T.Alias(); });
    Rekey(*this, FFirstByName, Table, OldName, Table->Name(),
            [](const TKRTableDef &T) -> const std::string & { return T.Name(); });
}

void TKRTableDefs::ItemMoved(TCollectionItem *Item)
{
    TKRCollection::ItemMoved(Item);
    DropTableIndex();
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
    const bool Whole = dynamic_cast<TKRTableDef *>(Item) != nullptr;
    if (Action != cnDeleting && Whole)
        DropFieldIndex();
    // A table made right now (still without alias and name) goes to the end of the list; any other
    // arrival or departure leaves the table index behind.
    if (Action == cnAdded && !Whole && FTableIndexBuilt)
        FNewTables.push_back(Item);
    else
        DropTableIndex();
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
// exhaust the call stack; a table is entered once (A joins B, B joins A; A joins B on two columns). Each nested level puts one more blank before its line break.
std::string TKRTableDefs::GetJoinChain(
        const TKRTableDef *Root, std::vector<const TKRTableDef *> &Written) const
{
    TWrittenTables Tables{ Written, { Written.begin(), Written.end() } };
    return JoinChain(Root, Tables);
}

std::string TKRTableDefs::JoinChain(const TKRTableDef *Root, TWrittenTables &Written) const
{
    struct Frame
    {
        const TKRTableDef *Table;
        int Next;
    };
    std::string Result;
    std::vector<Frame> Chain;
    // Several joins into one table are one clause: the table's own chain follows once.
    std::unordered_set<const TKRTableDef *> Entered;
    const auto Enter = [&](const TKRTableDef *Table) {
        if (!Entered.insert(Table).second)
            return false;
        const std::string Clauses = Table->JoinDefs()->GetScript();
        if (Clauses.empty())
            return false;
        Result += std::string(Chain.size() + 1, ' ') + Clauses;
        const TKRJoinDefs *Joins = Table->JoinDefs();
        for (int I = 0; I < Joins->Count(); ++I) {
            const TKRJoinDef *Join = Joins->Items(I);
            if (Join->GetComparisonScript().empty())
                continue;
            const TKRTableDef *Target = FindByAlias(Join->JoinTable());
            if (Target == nullptr)
                Target = FindByName(Join->JoinTable());
            if (Target != nullptr)
                Written.Add(Target);
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

// A lone * is every named table's * in the order of the list, and nothing else: b.*, a.* is not *, and
// a.* of a table no FROM names stays a.* (a table without name or alias may hold the * of a
// statement without FROM).
bool TKRTableDefs::IsWholeStar(const std::vector<const TKRFieldDef *> &Fields) const
{
    std::vector<const TKRTableDef *> Tables;
    for (const TKRFieldDef *Field : Fields) {
        if (!Field->IsStar())
            return false;
        const TKRTableDef *Table = Field->TableDef();
        if (Table != nullptr && Table->Name().empty() && Table->Alias().empty())
            continue;
        Tables.push_back(Table);
    }
    std::vector<const TKRTableDef *> Named;
    for (int T = 0; T < Count(); ++T)
        if (!Items(T)->Name().empty())
            Named.push_back(Items(T));
    return !Fields.empty() && Tables == Named;
}

// The SELECT list in SelectIndex order. A statement whose only output is "*" for every named table
// is written SELECT *; otherwise a * entry is written t.*, as is the * of a table only an alias names.
std::string TKRTableDefs::GetFieldsScript() const
{
    std::vector<const TKRFieldDef *> Fields;
    for (const TKRFieldDef *Field : SelectList())
        if (!Field->IsInputParam())
            Fields.push_back(Field);
    if (IsWholeStar(Fields))
        return "*";
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
    std::vector<const TKRTableDef *> List;
    TWrittenTables Written{ List, {} };
    std::string Result;
    const auto Write = [&](const TKRTableDef *Table) {
        if (!Result.empty())
            Result += ",\r\n";
        Written.Add(Table);
        Result += Table->GetEntryScript() + JoinChain(Table, Written);
    };
    // What IsTableJoined tells, for every table at once.
    std::unordered_set<std::string> Joined;
    for (int T = 0; T < Count(); ++T) {
        const TKRJoinDefs *Joins = Items(T)->JoinDefs();
        for (int I = 0; Joins != nullptr && I < Joins->Count(); ++I)
            Joined.insert(Joins->Items(I)->JoinTable());
    }
    for (int T = 0; T < Count(); ++T)
        if (!Items(T)->Name().empty() && Joined.count(Items(T)->Alias()) == 0)
            Write(Items(T));
    for (int T = 0; T < Count(); ++T)
        if (!Items(T)->Name().empty() && !Written.Has(Items(T)))
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
