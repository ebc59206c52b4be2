#include "framework/KRDataSet.h"

#include "framework/KRConsts.h"
#include "framework/KRException.h"
#include "framework/KRText.h"

#include <cmath>
#include <utility>

namespace korvan {

namespace {

constexpr std::int64_t CurrencyScale = 10000;

const char *KindName(TParamValueKind Kind)
{
    switch (Kind) {
    case vkEmpty:
        return "Empty";
    case vkNull:
        return "Null";
    case vkInteger:
        return "Int64";
    case vkFloat:
        return "Double";
    case vkCurrency:
        return "Currency";
    case vkDateTime:
        return "Date";
    case vkString:
        return "String";
    case vkBoolean:
        return "Boolean";
    }
    return "Unknown";
}

// 12345 gives "1.2345", 30000 gives "3", -5 gives "-0.0005".
std::string CurrencyText(std::int64_t Scaled)
{
    // Unsigned, so that the most negative amount has a magnitude too.
    const auto Magnitude =
            Scaled < 0 ? 0 - static_cast<std::uint64_t>(Scaled) : static_cast<std::uint64_t>(Scaled);
    constexpr auto Scale = static_cast<std::uint64_t>(CurrencyScale);
    std::string Result = (Scaled < 0 ? "-" : "") + std::to_string(Magnitude / Scale);
    // Adding the scale keeps the leading zeros of the fraction: 5 becomes "10005", then "0005".
    std::string Fraction = std::to_string(Magnitude % Scale + Scale).substr(1);
    while (!Fraction.empty() && Fraction.back() == '0')
        Fraction.pop_back();
    return Fraction.empty() ? Result : Result + '.' + Fraction;
}

} // namespace

TParamValue TParamValue::Null()
{
    TParamValue Result;
    Result.FValue = TNull{};
    return Result;
}

TParamValue TParamValue::FromCurrency(double Value)
{
    // The largest amount that still fits, with room to spare for rounding.
    constexpr double Limit = 9.2e14;
    if (!std::isfinite(Value) || std::fabs(Value) >= Limit)
        throw EConvertError(Format(SInvalidVarCast, { KindName(vkFloat), KindName(vkCurrency) }));
    return FromCurrencyScaled(std::llround(Value * static_cast<double>(CurrencyScale)));
}

TParamValue TParamValue::FromCurrencyScaled(std::int64_t Scaled)
{
    TParamValue Result;
    Result.FValue = TCurrency{ Scaled };
    return Result;
}

TParamValue TParamValue::FromDateTime(double Days)
{
    TParamValue Result;
    Result.FValue = TDateTime{ Days };
    return Result;
}

std::int64_t TParamValue::AsInteger() const
{
    if (Kind() != vkInteger)
        CastError(vkInteger);
    return std::get<std::int64_t>(FValue);
}

double TParamValue::AsFloat() const
{
    switch (Kind()) {
    case vkInteger:
        return static_cast<double>(std::get<std::int64_t>(FValue));
    case vkFloat:
        return std::get<double>(FValue);
    case vkCurrency:
        return static_cast<double>(std::get<TCurrency>(FValue).Scaled) / static_cast<double>(CurrencyScale);
    case vkDateTime:
        return std::get<TDateTime>(FValue).Days;
    default:
        CastError(vkFloat);
    }
}

std::int64_t TParamValue::AsCurrencyScaled() const
{
    if (Kind() != vkCurrency)
        CastError(vkCurrency);
    return std::get<TCurrency>(FValue).Scaled;
}

double TParamValue::AsDateTime() const
{
    if (Kind() != vkDateTime)
        CastError(vkDateTime);
    return std::get<TDateTime>(FValue).Days;
}

bool TParamValue::AsBoolean() const
{
    if (Kind() != vkBoolean)
        CastError(vkBoolean);
    return std::get<bool>(FValue);
}

std::string TParamValue::AsString() const
{
    switch (Kind()) {
    case vkEmpty:
    case vkNull:
        return {};
    case vkInteger:
        return IntToStr(std::get<std::int64_t>(FValue));
    case vkFloat:
        return FloatToStr(std::get<double>(FValue));
    case vkCurrency:
        return CurrencyText(std::get<TCurrency>(FValue).Scaled);
    case vkDateTime:
        return FloatToStr(std::get<TDateTime>(FValue).Days);
    case vkString:
        return std::get<std::string>(FValue);
    case vkBoolean:
        return std::get<bool>(FValue) ? "True" : "False";
    }
    return {};
}

void TParamValue::CastError(TParamValueKind Wanted) const
{
    throw EConvertError(Format(SInvalidVarCast, { KindName(Kind()), KindName(Wanted) }));
}

TParam::TParam(TCollection *Collection)
    : TCollectionItem(Collection)
{}

bool TParam::IsNull() const
{
    return FValue.Kind() == vkEmpty || FValue.Kind() == vkNull;
}

void TParam::Clear()
{
    FValue = TParamValue::Null();
}

void TParam::Assign(const TPersistent *Source)
{
    const auto *Other = dynamic_cast<const TParam *>(Source);
    if (Other == nullptr) {
        TCollectionItem::Assign(Source);
        return;
    }
    FName = Other->FName;
    FParamType = Other->FParamType;
    FDataType = Other->FDataType;
    FValue = Other->FValue;
}

std::string TParam::GetDisplayName() const
{
    return FName.empty() ? TCollectionItem::GetDisplayName() : FName;
}

TParams::TParams(TPersistent *Owner)
    : TCollection(&ItemClassOf<TParam>, Owner)
{}

TParam *TParams::Add()
{
    return static_cast<TParam *>(TCollection::Add());
}

TParam *TParams::Items(int Index) const
{
    return static_cast<TParam *>(TCollection::Items(Index));
}

TParam *TParams::CreateParam(TFieldType DataType, const std::string &Name, TParamType ParamType)
{
    TParam *Param = Add();
    Param->SetDataType(DataType);
    Param->SetName(Name);
    Param->SetParamType(ParamType);
    return Param;
}

TParam *TParams::FindParam(const std::string &Name) const
{
    for (int I = 0; I < Count(); ++I) {
        if (SameText(Items(I)->Name(), Name))
            return Items(I);
    }
    return nullptr;
}

TParam *TParams::ParamByName(const std::string &Name) const
{
    TParam *Param = FindParam(Name);
    if (Param == nullptr)
        throw Exception(Format(SParameterNotFound, { Name }));
    return Param;
}

TFieldDesc &TDataSet::AddField(const std::string &Name, TFieldType DataType)
{
    return FFields.emplace_back(Name, DataType);
}

const TFieldDesc &TDataSet::Fields(int Index) const
{
    CheckListIndex(Index, FieldCount());
    return FFields[static_cast<std::size_t>(Index)];
}

const TFieldDesc *TDataSet::FindField(const std::string &Name) const
{
    for (const TFieldDesc &Field : FFields) {
        if (SameText(Field.FieldName(), Name))
            return &Field;
    }
    return nullptr;
}

} // namespace korvan
