#include "dialects/KRMySelectParser.h"

#include "dialects/KRMySQLScanner.h"
#include "framework/KRText.h"

#include <iterator>

namespace korvan {

namespace {

//! An unquoted Word: a back-quoted `LIMIT` is a name, not the clause.
bool IsWord(const TKRSQLScanner &Scanner, const char *Word)
{
    return Scanner.TokenQuote() == '\0' && SameText(Scanner.Token(), Word);
}

} // namespace

// The options exist before the generic parts are made, so that Clear and SetDistinct find them
// whenever they run.
TKRMySelectParser::TKRMySelectParser(TConstructKey Key)
    : TKRSelectParser(Key)
    , FMySQLOptions(std::make_unique<TKRMySQLOptions>(this))
{}

TKRMySelectParser::~TKRMySelectParser() = default;

void TKRMySelectParser::SetMySQLOptions(const TKRMySQLOptions *Value)
{
    if (Value != FMySQLOptions.get())
        FMySQLOptions->Assign(Value);
}

std::unique_ptr<TKRSQLScanner> TKRMySelectParser::CreateScanner()
{
    return Construct<TKRMySQLScanner>();
}

std::string TKRMySelectParser::GetSelectOptionsScript() const
{
    return FMySQLOptions->OptionsScript() + FMySQLOptions->FilterScript();
}

std::string TKRMySelectParser::GetAppendixScript() const
{
    return FMySQLOptions->LimitScript();
}

void TKRMySelectParser::SaveModel()
{
    TKRSelectParser::SaveModel();
    FSavedOptions = std::make_unique<TKRMySQLOptions>(this);
    FSavedOptions->Assign(FMySQLOptions.get());
}

void TKRMySelectParser::RestoreModel()
{
    TKRSelectParser::RestoreModel();
    if (FSavedOptions != nullptr)
        FMySQLOptions->Assign(FSavedOptions.get());
    FSavedOptions.reset();
}

bool TKRMySelectParser::GetDistinct() const
{
    return FMySQLOptions->Filter() == myfoDistinct;
}

void TKRMySelectParser::SetDistinct(bool Value)
{
    TKRSelectParser::SetDistinct(Value);
    FMySQLOptions->SetFilter(Value ? myfoDistinct : myfoNone);
}

void TKRMySelectParser::Clear()
{
    TKRSelectParser::Clear();
    FMySQLOptions->Clear();
}

int TKRMySelectParser::OptionAt() const
{
    for (std::size_t I = 0; I < std::size(MySQLSelectOptionWords); ++I)
        if (IsWord(*FScanner, MySQLSelectOptionWords[I]))
            return static_cast<int>(I);
    return -1;
}

TKRMySQLFilter TKRMySelectParser::FilterAt() const
{
    for (std::size_t I = myfoDistinct; I < std::size(MySQLFilterWords); ++I)
        if (IsWord(*FScanner, MySQLFilterWords[I]))
            return static_cast<TKRMySQLFilter>(I);
    return myfoNone;
}

//! What the generic SELECT clause accepts as the start of the first output field.
bool TKRMySelectParser::IsFieldStart() const
{
    return (FScanner->TokenKind() == tkOperation && FScanner->Token() == "*") || IsValueStart();
}

// [option ...] [DISTINCT | DISTINCTROW | ALL] field, ...
void TKRMySelectParser::DoParseSelectClause()
{
    TKRSelectParser::DoParseSelectClause();
    // Option words are keywords, which the generic handler refuses, except SQL_BUFFER_RESULT, which
    // it would take for a column: SELECT SQL_BUFFER_RESULT a is an option, not a column with an
    // alias, right after SELECT as right after DISTINCT, so that the writer's options read back.
    if (FState != ssError && OptionAt() < 0)
        return;
    if (OptionAt() >= 0)
        DoParseOptions();
    else if (FilterAt() != myfoNone)
        DoParseFilter();
    else
        FState = ssError;
}

void TKRMySelectParser::DoParseOptions()
{
    TKRMySQLSelectOptions Met;
    for (int Index = OptionAt(); Index >= 0; Index = OptionAt()) {
        const auto Option = static_cast<TKRMySQLSelectOption>(Index);
        if (Met.Contains(Option)) {
            FState = ssError;
            return;
        }
        Met.Include(Option);
        FMySQLOptions->SetSelectOptions(FMySQLOptions->SelectOptions() + TKRMySQLSelectOptions{ Option });
        FScanner->GetNextToken();
    }
    if (FilterAt() != myfoNone)
        DoParseFilter();
    else
        FState = IsFieldStart() ? ssFieldDefs : ssError;
}

void TKRMySelectParser::DoParseFilter()
{
    const TKRMySQLFilter Filter = FilterAt();
    // SELECT DISTINCT HIGH_PRIORITY ALL a: the filters contradict each other.
    if (Filter == myfoNone || FMySQLOptions->Filter() != myfoNone) {
        FState = ssError;
        return;
    }
    if (Filter == myfoDistinct)
        SetDistinct(true);
    else
        FMySQLOptions->SetFilter(Filter);
    FScanner->GetNextToken();
    FState = IsFieldStart() ? ssFieldDefs : ssError;
}

bool TKRMySelectParser::ReadLimitNumber(int &Value)
{
    if (FScanner->TokenKind() == tkInteger && TryStrToInt(FScanner->Token(), Value))
        return true;
    FState = ssError;
    return false;
}

// LIMIT rows | LIMIT offset, rows
void TKRMySelectParser::DoParseAppendix()
{
    if (!IsWord(*FScanner, "LIMIT")) {
        TKRSelectParser::DoParseAppendix();
        return;
    }
    FScanner->GetNextToken();
    TKRScanMark RowsMark = FScanner->Mark();
    int Offset = 0;
    int Rows = 0;
    if (!ReadLimitNumber(Rows))
        return;
    FScanner->GetNextToken();
    if (FScanner->TokenKind() == tkDelim && FScanner->Token() == ",") {
        FScanner->GetNextToken();
        Offset = Rows;
        RowsMark = FScanner->Mark();
        if (!ReadLimitNumber(Rows))
            return;
        FScanner->GetNextToken();
    }
    // No rows from the start is written as no LIMIT at all, which returns every row.
    if (Rows == 0 && Offset == 0) {
        FScanner->Restore(RowsMark);
        FState = ssError;
        return;
    }
    FMySQLOptions->SetLimitOffset(Offset);
    FMySQLOptions->SetLimitRows(Rows);
    // Nothing may follow: LIMIT 10 OFFSET 5 must not come back as LIMIT 10.
    FState = FScanner->TokenKind() == tkEnd ? ssEnd : ssError;
}

} // namespace korvan
