#include "dialects/KRIBSelectParser.h"

#include "framework/KRText.h"
#include "framework/KRUpdateGuard.h"

namespace korvan {

TKRIBSelectParser::TKRIBSelectParser(TConstructKey Key)
    : TKRSelectParser(Key)
{}

// The option records go first: they belong to this class, the model parts to the generic parser.
TKRIBSelectParser::~TKRIBSelectParser()
{
    FFBOptions.reset();
    FIBOptions.reset();
}

void TKRIBSelectParser::AfterConstruction()
{
    TKRSelectParser::AfterConstruction();
    FIBOptions = std::make_unique<TKRIBOptions>();
    FFBOptions = std::make_unique<TKRFBOptions>();
}

void TKRIBSelectParser::SetIBOptions(const TKRIBOptions *Value)
{
    if (Value != FIBOptions.get())
        FIBOptions->Assign(Value);
}

void TKRIBSelectParser::SetFBOptions(const TKRFBOptions *Value)
{
    if (Value != FFBOptions.get())
        FFBOptions->Assign(Value);
}

std::unique_ptr<TKRSQLScanner> TKRIBSelectParser::CreateScanner()
{
    return Construct<TKRIBScanner>();
}

std::string TKRIBSelectParser::GetSelectOptionsScript() const
{
    const std::string Distinct = TKRSelectParser::GetSelectOptionsScript();
    return FSQLServer == qssFireBird ? FFBOptions->GetScript() + Distinct : Distinct;
}

// Every clause of the generic statement ends with its own line break, so ROWS starts a line.
std::string TKRIBSelectParser::GetAppendixScript() const
{
    return FSQLServer == qssFireBird ? FIBOptions->GetRowsScript() : FIBOptions->GetScript();
}

void TKRIBSelectParser::SaveModel()
{
    TKRSelectParser::SaveModel();
    FSavedIBOptions.Assign(FIBOptions.get());
    FSavedFBOptions.Assign(FFBOptions.get());
}

void TKRIBSelectParser::RestoreModel()
{
    TKRSelectParser::RestoreModel();
    FIBOptions->Assign(&FSavedIBOptions);
    FFBOptions->Assign(&FSavedFBOptions);
}

void TKRIBSelectParser::Clear()
{
    TKRSelectParser::Clear();
    FIBOptions->Clear();
    FFBOptions->Clear();
}

bool TKRIBSelectParser::IsWord(const char *Word) const
{
    return SameText(FScanner->Token(), Word) && FScanner->TokenQuote() == '\0';
}

// Reads the number after a row-limiting word and steps past it. The number must fit an int: the
// option records could not give back a larger one. It must be above 0 too, except after SKIP: the
// records keep 0 for a word that is not there, and FIRST 0 (no rows at all) written back without
// its FIRST would return every row.
bool TKRIBSelectParser::ReadCount(int &Value, int Least)
{
    FScanner->GetNextToken();
    int Number = 0;
    if (FScanner->TokenKind() != tkInteger || !TryStrToInt(FScanner->Token(), Number) || Number < Least) {
        FState = ssError;
        return false;
    }
    Value = Number;
    FScanner->GetNextToken();
    return true;
}

// [FIRST n] [SKIP m], Firebird only; then the generic select clause.
void TKRIBSelectParser::DoParseSelectClause()
{
    if (FSQLServer == qssFireBird) {
        int Value = 0;
        if (IsWord("FIRST")) {
            if (!ReadCount(Value, 1))
                return;
            FFBOptions->SetFirst(Value);
        }
        if (IsWord("SKIP")) {
            if (!ReadCount(Value, 0))
                return;
            FFBOptions->SetSkip(Value);
        }
    }
    TKRSelectParser::DoParseSelectClause();
}

// ROWS n [TO m] [BY k] [PERCENT] [WITH TIES] for InterBase, each part in this order; Firebird
// has ROWS n [TO m] only.
void TKRIBSelectParser::DoParseAppendix()
{
    if (!IsWord("ROWS")) {
        TKRSelectParser::DoParseAppendix();
        return;
    }
    int Value = 0;
    if (!ReadCount(Value, 1))
        return;
    FIBOptions->SetRowsFrom(Value);
    if (IsWord("TO")) {
        if (!ReadCount(Value, 1))
            return;
        FIBOptions->SetRowsTo(Value);
    }
    if (FSQLServer == qssFireBird) {
        if (FScanner->TokenKind() != tkEnd)
            FState = ssError;
        return;
    }
    if (IsWord("BY")) {
        if (!ReadCount(Value, 1))
            return;
        FIBOptions->SetRowsBy(Value);
    }
    if (IsWord("PERCENT")) {
        FIBOptions->SetPercent(true);
        FScanner->GetNextToken();
    }
    if (IsWord("WITH")) {
        FScanner->GetNextToken();
        if (!IsWord("TIES")) {
            FState = ssError;
            return;
        }
        FIBOptions->SetTies(true);
        FScanner->GetNextToken();
    }
    // The clause ends the statement; a second ROWS must not overwrite the first.
    if (FScanner->TokenKind() != tkEnd)
        FState = ssError;
}

// STARTING WITH and CONTAINING, and their negations, after the generic operators.
void TKRIBSelectParser::DefineOperators()
{
    TKRSelectParser::DefineOperators();
    TUpdateGuard<TKROperators> Guard(*Operators());
    for (const char *Caption : { "STARTING WITH", "NOT STARTING WITH", "CONTAINING", "NOT CONTAINING" }) {
        TKROperator *Operator = Operators()->Add();
        Operator->SetCaption(Caption);
        Operator->SetName(Caption);
        Operator->SetCount(1);
    }
}

std::string TKRIBSelectParser::GetTokenName() const
{
    const std::string Name = TKRSelectParser::GetTokenName();
    if (FScanner->TokenKind() == tkIdent && FScanner->TokenQuote() == '\0')
        return AnsiUpperCase(Name);
    return Name;
}

} // namespace korvan
