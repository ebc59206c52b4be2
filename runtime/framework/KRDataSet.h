// Stand-ins for the database types an application hands the component: parameter lists and the
// column descriptions of a dataset. Nothing here ever talks to a database.
#pragma once

#include "framework/KRCollectionBase.h"
#include "framework/KRSet.h"

#include <concepts>
#include <cstdint>
#include <deque>
#include <string>
#include <utility>
#include <variant>

namespace korvan {

enum TFieldType : std::uint8_t {
    ftUnknown,
    ftString,
    ftSmallint,
    ftInteger,
    ftWord,
    ftBoolean,
    ftFloat,
    ftCurrency,
    ftBCD,
    ftDate,
    ftTime,
    ftDateTime,
    ftBytes,
    ftVarBytes,
    ftAutoInc,
    ftBlob,
    ftMemo,
    ftGraphic,
    ftFmtMemo,
    ftParadoxOle,
    ftDBaseOle,
    ftTypedBinary,
    ftCursor,
    ftFixedChar,
    ftWideString,
    ftLargeint,
    ftADT,
    ftArray,
    ftReference,
    ftDataSet,
    ftOraBlob,
    ftOraClob,
    ftVariant,
    ftInterface,
    ftIDispatch,
    ftGuid,
    ftTimeStamp,
    ftFMTBcd
};
using TFieldTypes = TSet<TFieldType>;

enum TParamType : std::uint8_t { ptUnknown, ptInput, ptOutput, ptInputOutput, ptResult };

enum TParamValueKind : std::uint8_t {
    vkEmpty,
    vkNull,
    vkInteger,
    vkFloat,
    vkCurrency,
    vkDateTime,
    vkString,
    vkBoolean
};

//! The value of a parameter: unassigned (empty), null, or one typed value.
class TParamValue
{
public:
    //! Empty: no value was ever given.
    TParamValue() = default;
    template <std::integral T>
    requires(!std::same_as<T, bool> && !std::same_as<T, char>) TParamValue(T Value)
        : FValue(static_cast<std::int64_t>(Value))
    {}
    TParamValue(double Value)
        : FValue(Value)
    {}
    TParamValue(bool Value)
        : FValue(Value)
    {}
    TParamValue(std::string Value)
        : FValue(std::move(Value))
    {}
    TParamValue(const char *Value)
        : FValue(std::string(Value != nullptr ? Value : ""))
    {}

    static TParamValue Null();
    //! Value rounded to 4 decimals; EConvertError when it is not finite or too large for them.
    static TParamValue FromCurrency(double Value);
    //! Scaled is the amount in ten-thousandths: 12345 stands for 1.2345.
    static TParamValue FromCurrencyScaled(std::int64_t Scaled);
    //! Days since 1899-12-30; the fraction is the time of day.
    static TParamValue FromDateTime(double Days);

    TParamValueKind Kind() const { return static_cast<TParamValueKind>(FValue.index()); }

    // Each accessor takes its own kind (AsFloat also the other numbers); any other kind raises
    // EConvertError naming both types.
    std::int64_t AsInteger() const;
    double AsFloat() const;
    std::int64_t AsCurrencyScaled() const;
    double AsDateTime() const;
    bool AsBoolean() const;
    //! Any kind as text: "" for empty and null, integers as IntToStr, floats and date/times (their
    //! day count) as FloatToStr, currency with up to 4 decimals, booleans as "True"/"False".
    std::string AsString() const;

    //! Same kind and same value; a float NaN equals nothing.
    bool operator==(const TParamValue &) const = default;

private:
    struct TNull
    {
        bool operator==(const TNull &) const = default;
    };
    struct TCurrency
    {
        std::int64_t Scaled;
        bool operator==(const TCurrency &) const = default;
    };
    struct TDateTime
    {
        double Days;
        bool operator==(const TDateTime &) const = default;
    };

    [[noreturn]] void CastError(TParamValueKind Wanted) const;

    // The alternatives are in the order of TParamValueKind, so the index is the kind.
    std::variant<std::monostate, TNull, std::int64_t, double, TCurrency, TDateTime, std::string, bool> FValue;
};

//! A parameter of a stored procedure or statement.
class TParam : public TCollectionItem
{
public:
    explicit TParam(TCollection *Collection);

    const std::string &Name() const { return FName; }
    void SetName(const std::string &Value) { FName = Value; }
    TParamType ParamType() const { return FParamType; }
    void SetParamType(TParamType Value) { FParamType = Value; }
    TFieldType DataType() const { return FDataType; }
    void SetDataType(TFieldType Value) { FDataType = Value; }
    const TParamValue &Value() const { return FValue; }
    void SetValue(TParamValue Value) { FValue = std::move(Value); }

    //! No value was given, or the value is null.
    bool IsNull() const;
    //! Makes the value null.
    void Clear();

    //! From another TParam: its name, types and value.
    void Assign(const TPersistent *Source) override;
    //! The name, or the class name while there is none.
    std::string GetDisplayName() const override;

private:
    std::string FName;
    TParamType FParamType = ptUnknown;
    TFieldType FDataType = ftUnknown;
    TParamValue FValue;
};

//! A list of parameters; every item is a TParam.
class TParams : public TCollection
{
public:
    explicit TParams(TPersistent *Owner = nullptr);

    TParam *Add();
    TParam *Items(int Index) const;
    //! A new parameter with these settings, appended.
    TParam *CreateParam(TFieldType DataType, const std::string &Name, TParamType ParamType);
    //! The first parameter named Name, ignoring ASCII case; nullptr when there is none.
    TParam *FindParam(const std::string &Name) const;
    //! As FindParam, but raises Exception "Parameter '<Name>' not found" when there is none.
    TParam *ParamByName(const std::string &Name) const;
};

//! One column of a dataset.
class TFieldDesc
{
public:
    TFieldDesc() = default;
    TFieldDesc(std::string FieldName, TFieldType DataType)
        : FFieldName(std::move(FieldName))
        , FDataType(DataType)
    {}

    const std::string &FieldName() const { return FFieldName; }
    void SetFieldName(const std::string &Value) { FFieldName = Value; }
    TFieldType DataType() const { return FDataType; }
    void SetDataType(TFieldType Value) { FDataType = Value; }

private:
    std::string FFieldName;
    TFieldType FDataType = ftUnknown;
};

//! The columns of a table or query, in order, as the application read them from its database.
class TDataSet
{
public:
    //! Appends a column; the reference stays valid until ClearFields.
    TFieldDesc &AddField(const std::string &Name, TFieldType DataType);
    int FieldCount() const { return static_cast<int>(FFields.size()); }
    const TFieldDesc &Fields(int Index) const;
    //! The first column named Name, ignoring ASCII case; nullptr when there is none.
    const TFieldDesc *FindField(const std::string &Name) const;
    void ClearFields() { FFields.clear(); }

private:
    // A deque keeps the references AddField hands out valid while columns are added.
    std::deque<TFieldDesc> FFields;
};

} // namespace korvan
