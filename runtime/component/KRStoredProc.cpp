#include "component/KRStoredProc.h"

#include "component/KRStyles.h"
#include "diagram/KRWorkArea.h"
#include "framework/KRDataSet.h"
#include "framework/KRText.h"

#include <algorithm>

namespace korvan {

namespace {

//! The most rows a new window shows.
constexpr int MaxInitialRows = 6;

//! Name as a parameter placeholder the SQL scanner reads as one word: upper case, blanks as "_",
//! anything but "$", "_", digits and letters dropped; "Par" and the row's position when nothing is
//! left.
std::string SqlName(const std::string &Name, int Position)
{
    std::string Result;
    for (char C : AnsiUpperCase(Name)) {
        if (C == '$' || C == '_' || (C >= '0' && C <= '9') || (C >= 'A' && C <= 'Z'))
            Result += C;
        else if (C == ' ')
            Result += '_';
    }
    return Result.empty() ? "Par" + IntToStr(Position) : Result;
}

std::string DateLiteral(const TParamValue &Value, TFieldType DataType)
{
    const double Days = Value.AsDateTime();
    switch (DataType) {
    case ftDate:
        return "'" + DateToStr(Days) + "'";
    case ftTime:
        return "'" + TimeToStr(Days) + "'";
    default:
        return "'" + DateTimeToStr(Days) + "'";
    }
}

//! The argument that Row passes: its value as a literal, NULL, or its placeholder while it has
//! no value.
std::string ArgumentText(const TKRListItem &Row, int Position)
{
    const std::string Placeholder = ":" + SqlName(Row.Name(), Position);
    if (!Row.Checked())
        return Placeholder;
    if (Row.IsNull())
        return "NULL";
    const TParamValue &Value = Row.ParamValue();
    switch (Value.Kind()) {
    case vkEmpty:
        return Placeholder;
    case vkNull:
        return "NULL";
    case vkInteger:
        return IntToStr(Value.AsInteger());
    case vkFloat:
        // FloatToStr writes "." whatever the locale, as SQL wants it.
        return FloatToStr(Value.AsFloat());
    case vkCurrency:
        // The exact amount, with "." too.
        return Value.AsString();
    case vkDateTime:
        return DateLiteral(Value, Row.DataType());
    case vkString:
        // Quotes inside are doubled, so that no value ends the literal early.
        return AnsiQuotedStr(Value.AsString(), '\'');
    case vkBoolean:
        return Value.AsBoolean() ? "T" : "F";
    }
    return Placeholder;
}

} // namespace

TKRStoredProc::TKRStoredProc(
        TKRWorkArea *WorkArea, const TParams *Params, std::string Name, const TDataSet *DataSet)
    : TKRTable(WorkArea, DataSet, std::move(Name))
    , FParams(std::make_unique<TParams>())
{
    if (!Params)
        return;
    FParams->Assign(Params);
    for (int I = 0; I < Params->Count(); ++I) {
        const TParam &Param = *Params->Items(I);
        TKRListItem &Row = *FItems.emplace_back(std::make_unique<TKRListItem>(
                this, Param.Name(), Param.Name(), Param.DataType(), Param.ParamType()));
        if (Param.Value().Kind() == vkEmpty)
            continue;
        // A value given beforehand shows as set, without asking the application again.
        Row.UpdateCheck(true);
        Row.SetIsNull(Param.IsNull());
        if (!Param.IsNull())
            Row.SetParamValue(Param.Value());
    }
    if (FVisibleCount <= MaxInitialRows)
        FVisibleCount = std::min(FVisibleCount + Params->Count(), MaxInitialRows);
    FHeight = RowsHeight(FVisibleCount);
}

TKRStoredProc::~TKRStoredProc() = default;

TColor TKRStoredProc::GetClientColor() const
{
    return FWorkArea->Palette().ProcClient();
}

std::string TKRStoredProc::GetParameters() const
{
    std::string Result;
    for (int I = 0; I < Count(); ++I) {
        const TKRListItem &Row = *Items(I);
        if (Row.ParamType() != ptInput)
            continue;
        if (!Result.empty())
            Result += ", ";
        Result += ArgumentText(Row, I);
    }
    return Result;
}

} // namespace korvan
