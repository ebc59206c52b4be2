// TKRSelectParser: construction, the model it owns, letter case and writing the statement.
#include "parser/KRSelectParser.h"

#include "framework/KRText.h"

#include <algorithm>

namespace korvan {

TKRSelectParser::TKRSelectParser(TConstructKey /*Key*/) {}

// The parts go in the reverse order of their dependencies: the tables still reach the ORDER BY
// list while they die (they take their entries with them).
TKRSelectParser::~TKRSelectParser()
{
    // Entries that each dying table would look through first.
    if (FOrderByItems)
        FOrderByItems->Clear();
    if (FGroupByItems)
        FGroupByItems->ClearRead();
    FScriptFormat.reset();
    FOperators.reset();
    FAggregates.reset();
    FHavingItems.reset();
    FTableDefs.reset();
    FOrderByItems.reset();
    FGroupByItems.reset();
    FWhereItems.reset();
    FScanner.reset();
}

void TKRSelectParser::AfterConstruction()
{
    TPersistent::AfterConstruction();
    FScanner = CreateScanner();
    MakeModel();
    FAggregates = std::make_unique<TStringList>();
    DefineAggregates();
    FOperators = std::make_unique<TKROperators>();
    DefineOperators();
    FScriptFormat = std::make_unique<TKRScriptFormat>();
}

void TKRSelectParser::MakeModel()
{
    FTableDefs = CreateTableDefs();
    FTableDefs->SetParser(this);
    FWhereItems = CreateWhereItems();
    FWhereItems->SetParser(this);
    FHavingItems = CreateHavingItems();
    FHavingItems->SetParser(this);
    FGroupByItems = std::make_unique<TKRGroupByItems>(this);
    FOrderByItems = std::make_unique<TKROrderByItems>(this);
}

//! The parts of a statement's model, while a parse reads the next statement into new ones.
struct TKRSelectParser::TSavedModel
{
    std::unique_ptr<TKRTableDefs> TableDefs;
    std::unique_ptr<TKRWhereItems> WhereItems;
    std::unique_ptr<TKROrderByItems> OrderByItems;
    std::unique_ptr<TKRGroupByItems> GroupByItems;
    std::unique_ptr<TKRHavingItems> HavingItems;
    bool Distinct = false;
};

void TKRSelectParser::SaveModel()
{
    FSaved = std::make_unique<TSavedModel>();
    FSaved->TableDefs = std::move(FTableDefs);
    FSaved->WhereItems = std::move(FWhereItems);
    FSaved->OrderByItems = std::move(FOrderByItems);
    FSaved->GroupByItems = std::move(FGroupByItems);
    FSaved->HavingItems = std::move(FHavingItems);
    FSaved->Distinct = FDistinct;
    MakeModel();
}

// The parts read since are freed after the saved ones are back: their tables then no longer look
// through the parser's ORDER BY list, which is not theirs.
void TKRSelectParser::RestoreModel()
{
    std::unique_ptr<TSavedModel> Saved = std::move(FSaved);
    if (Saved == nullptr)
        return;
    std::swap(FTableDefs, Saved->TableDefs);
    std::swap(FWhereItems, Saved->WhereItems);
    std::swap(FOrderByItems, Saved->OrderByItems);
    std::swap(FGroupByItems, Saved->GroupByItems);
    std::swap(FHavingItems, Saved->HavingItems);
    FDistinct = Saved->Distinct;
}

void TKRSelectParser::TakeReadModel()
{
    std::unique_ptr<TSavedModel> Read = std::move(FSaved);
    if (Read == nullptr)
        return;
    std::swap(FTableDefs, Read->TableDefs);
    std::swap(FWhereItems, Read->WhereItems);
    std::swap(FOrderByItems, Read->OrderByItems);
    std::swap(FGroupByItems, Read->GroupByItems);
    std::swap(FHavingItems, Read->HavingItems);
    // The sort and grouping entries go first: each table of the last statement looks through them
    // while it goes, and must not find the new ones.
    FOrderByItems->Clear();
    FGroupByItems->ClearRead();
    FTableDefs->Clear();
    FTableDefs->TakeItems(*Read->TableDefs);
    FTableDefs->UpdateFieldAliases();
    FOrderByItems->Assign(Read->OrderByItems.get());
    FGroupByItems->Assign(Read->GroupByItems.get());
    FWhereItems->Clear();
    FWhereItems->TakeItems(*Read->WhereItems);
    FWhereItems->SetFilter(Read->WhereItems->Filter());
    FHavingItems->Clear();
    FHavingItems->TakeItems(*Read->HavingItems);
    FHavingItems->SetFilter(Read->HavingItems->Filter());
}

std::unique_ptr<TKRSQLScanner> TKRSelectParser::CreateScanner()
{
    return Construct<TKRSQLScanner>();
}

std::unique_ptr<TKRTableDefs> TKRSelectParser::CreateTableDefs()
{
    return std::make_unique<TKRTableDefs>();
}

std::unique_ptr<TKRWhereItems> TKRSelectParser::CreateWhereItems()
{
    return std::make_unique<TKRWhereItems>(this);
}

std::unique_ptr<TKRHavingItems> TKRSelectParser::CreateHavingItems()
{
    return std::make_unique<TKRHavingItems>(this);
}

void TKRSelectParser::SetTableDefs(const TKRTableDefs *Value)
{
    if (Value != FTableDefs.get())
        FTableDefs->Assign(Value);
}

void TKRSelectParser::SetWhereItems(const TKRWhereItems *Value)
{
    if (Value != FWhereItems.get())
        FWhereItems->Assign(Value);
}

void TKRSelectParser::SetOrderByItems(const TKROrderByItems *Value)
{
    if (Value != FOrderByItems.get())
        FOrderByItems->Assign(Value);
}

void TKRSelectParser::SetGroupByItems(const TKRGroupByItems *Value)
{
    if (Value != FGroupByItems.get())
        FGroupByItems->Assign(Value);
}

void TKRSelectParser::SetHavingItems(const TKRHavingItems *Value)
{
    if (Value != FHavingItems.get())
        FHavingItems->Assign(Value);
}

void TKRSelectParser::SetAggregates(const TStrings &Value)
{
    if (&Value == FAggregates.get())
        return;
    FAggregates->Assign(&Value);
    UpperCaseItems(*FAggregates);
    FAggregates->Sort();
}

void TKRSelectParser::SetOperators(const TKROperators *Value)
{
    if (Value != FOperators.get())
        FOperators->Assign(Value);
}

void TKRSelectParser::SetScriptFormat(const TKRScriptFormat *Value)
{
    if (Value != FScriptFormat.get())
        FScriptFormat->Assign(Value);
}

std::string TKRSelectParser::GetCommaAggregates() const
{
    return "SUM,MIN,MAX,AVG,COUNT";
}

// One clause at a time: GROUP BY is derived from the select list while it is written, and the
// operands of one + chain may be evaluated in any order.
std::string TKRSelectParser::GetExpression() const
{
    const std::string Tables = FTableDefs->GetScript();
    if (Tables.empty())
        return "";
    std::string Result = ProcessKeyword("SELECT") + " ";
    Result += GetSelectOptionsScript();
    Result += Tables;
    Result += FWhereItems->GetScript();
    Result += FGroupByItems->GetScript();
    Result += FHavingItems->GetScript();
    Result += FOrderByItems->GetScript();
    return Result + GetAppendixScript();
}

std::string TKRSelectParser::GetSelectOptionsScript() const
{
    return GetDistinct() ? ProcessKeyword("DISTINCT") + " " : "";
}

std::string TKRSelectParser::GetAppendixScript() const
{
    return "";
}

bool TKRSelectParser::IsJoinDef(const std::string &Word) const
{
    return SameText(Word, "INNER") || SameText(Word, "LEFT") || SameText(Word, "RIGHT")
            || SameText(Word, "FULL");
}

void TKRSelectParser::DefineAggregates()
{
    FAggregates->Clear();
    FAggregates->SetCommaText(GetCommaAggregates());
    UpperCaseItems(*FAggregates);
    FAggregates->Sort();
}

void TKRSelectParser::DefineOperators()
{
    FOperators->LoadDefaults();
}

bool TKRSelectParser::GetDistinct() const
{
    return FDistinct;
}

void TKRSelectParser::SetDistinct(bool Value)
{
    FDistinct = Value;
}

// Nothing of an earlier statement survives: a reused parser starts like a new one.
void TKRSelectParser::Clear()
{
    // ORDER BY and the GROUP BY entries read go first: each table would otherwise look through them
    // for its own entries.
    FOrderByItems->Clear();
    FGroupByItems->ClearRead();
    FTableDefs->Clear();
    FWhereItems->Clear();
    FGroupByItems->Clear();
    FHavingItems->Clear();
    FWhereItems->SetFilter(cfAll);
    FHavingItems->SetFilter(cfAll);
    SetDistinct(false);
    FLastTableName.clear();
    FLastTableAlias.clear();
    FScanner->SetExpression("");
}

std::string TKRSelectParser::ProcessKeyword(const std::string &Word) const
{
    return ApplyFormatMode(FScriptFormat->KeywordsFormat(), Word);
}

std::string TKRSelectParser::ProcessFunction(const std::string &Name) const
{
    // A name held in quotes is case-sensitive: "myFn"(x) is not MYFN(x).
    if (std::any_of(Name.begin(), Name.end(), [this](char C) { return FScanner->IsIdentQuote(C); }))
        return Name;
    return ApplyFormatMode(FScriptFormat->FunctionsFormat(), Name);
}

} // namespace korvan
