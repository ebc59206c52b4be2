#include "parser/KRGroupOrder.h"

#include "framework/KRText.h"
#include "parser/KRSelectParser.h"

#include <algorithm>
#include <unordered_set>

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
// columns at all. A column written without its table's qualifier is grouped by its bare name.
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
    FDerivedNames.clear();
    if (!Plain || !Aggregate)
        return;
    for (const TKRFieldDef *Field : Fields) {
        if (Field->Kind() != fkIdentifier || IsAggregate(Field->Name()))
            continue;
        const TKRTableDef *Table = Field->TableDef();
        std::string Qualifier = Field->GetTableAlias();
        if (Qualifier.empty() && Table != nullptr)
            Qualifier = Table->Name();
        const std::string Name = KRModelText::ProcessNamePart(Owner, Field->Name());
        Add(Qualifier.empty() || Field->Unqualified()
                        ? Name
                        : Owner->Scanner()->ProcessName(Qualifier) + "." + Name);
        FDerivedNames.push_back(Field->Name());
    }
}

// A read entry that the derivation already writes is left out: the same text, or the bare name of
// a grouped column (GROUP BY a beside the derived t.a). Positions and expressions always stay.
std::vector<std::string> TKRGroupByItems::KeptScripts() const
{
    std::unordered_set<std::string> Written;
    for (int I = 0; I < Count(); ++I)
        Written.insert(AnsiUpperCase(ProcessName(Strings(I))));
    const std::unordered_set<std::string> Names(FDerivedNames.begin(), FDerivedNames.end());
    std::vector<std::string> Result;
    for (int I = 0; I < FReadItems.Count(); ++I) {
        const std::string &Item = FReadItems.Strings(I);
        if (IsReadExpression(I)) {
            Result.push_back(Item);
            continue;
        }
        const std::string Text = ProcessName(Item);
        const bool Derived = Written.count(AnsiUpperCase(Text)) > 0
                || (Item.find('.') == std::string::npos && Names.count(Item) > 0);
        if (!Derived)
            Result.push_back(Text);
    }
    return Result;
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
    for (const std::string &Text : KeptScripts()) {
        if (!Body.empty())
            Body += ",\r\n  ";
        Body += Text;
    }
    return ClauseScript(*this, "GROUP", "BY", Body);
}

void TKRGroupByItems::AddRead(const std::string &Text, bool Expression)
{
    if (!FReadKeys.insert(AnsiUpperCase(Text)).second)
        return;
    FReadItems.Add(Text);
    FReadExpressions.push_back(Expression);
}

bool TKRGroupByItems::IsReadExpression(int Index) const
{
    return Index >= 0 && Index < static_cast<int>(FReadExpressions.size())
            && FReadExpressions[static_cast<std::size_t>(Index)];
}

void TKRGroupByItems::DeleteRead(int Index)
{
    FReadKeys.erase(AnsiUpperCase(FReadItems.Strings(Index)));
    FReadItems.Delete(Index);
    FReadExpressions.erase(FReadExpressions.begin() + Index);
}

void TKRGroupByItems::ClearRead()
{
    FReadKeys.clear();
    FReadItems.Clear();
    FReadExpressions.clear();
}

void TKRGroupByItems::Assign(const TPersistent *Source)
{
    TKRStringList::Assign(Source);
    if (const auto *Other = dynamic_cast<const TKRGroupByItems *>(Source);
            Other != nullptr && Other != this) {
        FReadItems.Assign(&Other->FReadItems);
        FReadExpressions = Other->FReadExpressions;
        FReadKeys = Other->FReadKeys;
    }
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

int TKROrderByItems::AddExpression(const std::string &Text, TKROrderKind Kind)
{
    const int Index = AddOrdered(Text, Kind);
    FEntries[static_cast<std::size_t>(Index)].Expression = true;
    return Index;
}

bool TKROrderByItems::IsExpression(int Index) const
{
    return Index >= 0 && Index < static_cast<int>(FEntries.size())
            && FEntries[static_cast<std::size_t>(Index)].Expression;
}

// Every way in goes through here, so the directions stay beside their entries.
void TKROrderByItems::InsertItem(int Index, std::string S)
{
    TKRStringList::InsertItem(Index, std::move(S));
    FEntries.insert(FEntries.begin() + Index, TEntry());
}

void TKROrderByItems::Delete(int Index)
{
    TKRStringList::Delete(Index);
    FEntries.erase(FEntries.begin() + Index);
}

void TKROrderByItems::Clear()
{
    TKRStringList::Clear();
    FEntries.clear();
}

TKROrderKind TKROrderByItems::Orders(int Index) const
{
    return Index >= 0 && Index < static_cast<int>(FEntries.size())
            ? FEntries[static_cast<std::size_t>(Index)].Order
            : okAsc;
}

void TKROrderByItems::SetOrders(int Index, TKROrderKind Value)
{
    if (Index >= 0 && Index < static_cast<int>(FEntries.size()))
        FEntries[static_cast<std::size_t>(Index)].Order = Value;
}

void TKROrderByItems::Assign(const TPersistent *Source)
{
    TKRStringList::Assign(Source);
    if (const auto *Other = dynamic_cast<const TKROrderByItems *>(Source); Other != nullptr && Other != this)
        FEntries = Other->FEntries;
}

// The direction word is written as it is, not in the keyword letter case.
std::string TKROrderByItems::GetScript() const
{
    std::string Body;
    for (int I = 0; I < Count(); ++I) {
        if (I > 0)
            Body += ",\r\n  ";
        Body += IsExpression(I) ? Strings(I) : ProcessName(Strings(I));
        if (Orders(I) == okDesc)
            Body += " DESC";
    }
    return ClauseScript(*this, "ORDER", "BY", Body);
}

} // namespace korvan
