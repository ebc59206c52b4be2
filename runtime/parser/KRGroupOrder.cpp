#include "parser/KRGroupOrder.h"

#include "parser/KRSelectParser.h"

namespace korvan {

namespace {

//! Entries each on a line of their own after two blanks, the last one ended by a line break, after
//! the two clause words; empty without entries.
std::string ClauseScript(const TKRStringList &List, const std::string &First, const std::string &Second,
        const std::string &Body)
{
    if (Body.empty())
        return Body;
    return List.ProcessKeyword(First) + " " + List.ProcessKeyword(Second) + "\r\n  " + Body + "\r\n";
}

} // namespace

// Groups by every plain column as soon as the SELECT list mixes plain columns and aggregates.
// Computed columns count as plain columns but are never listed; procedure parameters are no
// columns at all.
void TKRGroupByItems::Rebuild()
{
    const TKRSelectParser *Owner = Parser();
    if (Owner == nullptr)
        return;
    const TKRTableDefs &Tables = *Owner->TableDefs();
    const TStringList &Aggregates = Owner->Aggregates();
    const auto IsAggregate = [&Aggregates](const std::string &Name) {
        int Index = 0;
        return Aggregates.Find(Name, Index);
    };
    std::vector<const TKRFieldDef *> Fields;
    bool Plain = false;
    bool Aggregate = false;
    for (const TKRFieldDef *Field : Tables.SelectList()) {
        if (Field->IsInputParam())
            continue;
        Fields.push_back(Field);
        if (Field->Kind() == fkFunction && IsAggregate(Field->Name()))
            Aggregate = true;
        else
            Plain = true;
    }
    Clear();
    if (!Plain || !Aggregate)
        return;
    for (const TKRFieldDef *Field : Fields) {
        if (Field->Kind() != fkIdentifier || IsAggregate(Field->Name()))
            continue;
        const TKRTableDef *Table = Field->TableDef();
        std::string Qualifier = Field->GetTableAlias();
        if (Qualifier.empty() && Table != nullptr)
            Qualifier = Table->Name();
        const std::string Name = KRText::ProcessNamePart(Owner, Field->Name());
        Add(Qualifier.empty() ? Name : Owner->Scanner()->ProcessName(Qualifier) + "." + Name);
    }
}

std::string TKRGroupByItems::GetScript()
{
    Rebuild();
    std::string Body;
    for (int I = 0; I < Count(); ++I) {
        if (I > 0)
            Body += ",\r\n  ";
        Body += ProcessName(Strings(I));
    }
    return ClauseScript(*this, "GROUP", "BY", Body);
}

int TKROrderByItems::Add(const std::string &Text)
{
    return AddOrdered(Text, okAsc);
}

int TKROrderByItems::AddOrdered(const std::string &Text, TKROrderKind Kind)
{
    const int Index = TKRStringList::Add(Text);
    SetOrders(Index, Kind);
    return Index;
}

// Every way in goes through here, so the directions stay beside their entries.
void TKROrderByItems::InsertItem(int Index, std::string S)
{
    TKRStringList::InsertItem(Index, std::move(S));
    FOrders.insert(FOrders.begin() + Index, okAsc);
}

void TKROrderByItems::Delete(int Index)
{
    TKRStringList::Delete(Index);
    FOrders.erase(FOrders.begin() + Index);
}

void TKROrderByItems::Clear()
{
    TKRStringList::Clear();
    FOrders.clear();
}

TKROrderKind TKROrderByItems::Orders(int Index) const
{
    return Index >= 0 && Index < static_cast<int>(FOrders.size()) ? FOrders[static_cast<std::size_t>(Index)]
                                                                  : okAsc;
}

void TKROrderByItems::SetOrders(int Index, TKROrderKind Value)
{
    if (Index >= 0 && Index < static_cast<int>(FOrders.size()))
        FOrders[static_cast<std::size_t>(Index)] = Value;
}

void TKROrderByItems::Assign(const TPersistent *Source)
{
    TKRStringList::Assign(Source);
    if (const auto *Other = dynamic_cast<const TKROrderByItems *>(Source); Other != nullptr && Other != this)
        FOrders = Other->FOrders;
}

// The direction word is written as it is, not in the keyword letter case.
std::string TKROrderByItems::GetScript() const
{
    std::string Body;
    for (int I = 0; I < Count(); ++I) {
        if (I > 0)
            Body += ",\r\n  ";
        Body += ProcessName(Strings(I));
        if (Orders(I) == okDesc)
            Body += " DESC";
    }
    return ClauseScript(*this, "ORDER", "BY", Body);
}

} // namespace korvan
