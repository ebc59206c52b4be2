#include "framework/KRDataSet.h"

#include "framework/KRException.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <limits>
#include <string>
#include <vector>

using namespace korvan;

TEST(KRParamValue, AsStringWritesEveryKindAsDocumented)
{
    struct TCase
    {
        TParamValue Value;
        TParamValueKind Kind;
        std::string Text;
    };
    const std::vector<TCase> Cases = {
        { TParamValue(), vkEmpty, "" },
        { TParamValue::Null(), vkNull, "" },
        { TParamValue(-42), vkInteger, "-42" },
        { TParamValue(std::numeric_limits<std::int64_t>::max()), vkInteger, "9223372036854775807" },
        { TParamValue(2.5), vkFloat, "2.5" },
        { TParamValue::FromCurrencyScaled(12345), vkCurrency, "1.2345" },
        { TParamValue::FromCurrencyScaled(30000), vkCurrency, "3" },
        { TParamValue::FromCurrencyScaled(-5), vkCurrency, "-0.0005" },
        { TParamValue::FromCurrencyScaled(std::numeric_limits<std::int64_t>::min()), vkCurrency,
                "-922337203685477.5808" },
        { TParamValue::FromCurrency(19.999949), vkCurrency, "19.9999" },
        { TParamValue::FromCurrency(-0.00005), vkCurrency, "-0.0001" },
        { TParamValue::FromDateTime(45000.75), vkDateTime, "45000.75" },
        { TParamValue("O'Hara"), vkString, "O'Hara" },
        { TParamValue(true), vkBoolean, "True" },
        { TParamValue(false), vkBoolean, "False" },
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Text);
        EXPECT_EQ(C.Value.Kind(), C.Kind);
        EXPECT_EQ(C.Value.AsString(), C.Text);
    }
}

TEST(KRParamValue, TypedAccessorsRefuseOtherKindsNamingBothTypes)
{
    EXPECT_EQ(TParamValue(7).AsInteger(), 7);
    EXPECT_EQ(TParamValue(7).AsFloat(), 7.0);
    EXPECT_EQ(TParamValue::FromCurrencyScaled(15000).AsFloat(), 1.5);
    EXPECT_EQ(TParamValue::FromCurrency(2.5).AsCurrencyScaled(), 25000);
    EXPECT_EQ(TParamValue::FromDateTime(1.25).AsDateTime(), 1.25);
    EXPECT_EQ(TParamValue(true).AsBoolean(), true);
    try {
        (void)TParamValue("12").AsInteger();
        ADD_FAILURE() << "no error raised";
    } catch (const EConvertError &E) {
        EXPECT_EQ(E.Message(), "Could not convert variant of type (String) into type (Int64)");
    }
    EXPECT_THROW((void)TParamValue::Null().AsFloat(), EConvertError);
    EXPECT_THROW((void)TParamValue(1.0).AsDateTime(), EConvertError);
    EXPECT_THROW(TParamValue::FromCurrency(1e300), EConvertError);
}

TEST(KRParamValue, EqualityNeedsTheSameKindAndValue)
{
    EXPECT_EQ(TParamValue(1), TParamValue(1));
    EXPECT_NE(TParamValue(1), TParamValue(1.0));
    EXPECT_NE(TParamValue(1.0), TParamValue::FromDateTime(1.0));
    EXPECT_NE(TParamValue(), TParamValue::Null());
    EXPECT_EQ(TParamValue("a"), TParamValue(std::string("a")));
}

TEST(KRParams, IsNullHoldsUntilAValueIsGivenAndAfterClear)
{
    TParams Params;
    TParam *P = Params.Add();
    EXPECT_TRUE(P->IsNull());
    P->SetValue(0);
    EXPECT_FALSE(P->IsNull());
    P->Clear();
    EXPECT_TRUE(P->IsNull());
    EXPECT_EQ(P->Value().Kind(), vkNull);
    P->SetValue("");
    EXPECT_FALSE(P->IsNull());
}

TEST(KRParams, FindParamIgnoresCaseAndParamByNameRaisesWhenAbsent)
{
    TParams Params;
    Params.CreateParam(ftInteger, "CustNo", ptInput);
    TParam *Second = Params.CreateParam(ftString, "Name", ptOutput);
    EXPECT_EQ(Params.FindParam("NAME"), Second);
    EXPECT_EQ(Params.ParamByName("custno"), Params.Items(0));
    EXPECT_EQ(Params.FindParam("Nam"), nullptr);
    try {
        Params.ParamByName("Missing");
        ADD_FAILURE() << "no error raised";
    } catch (const Exception &E) {
        EXPECT_EQ(E.Message(), "Parameter 'Missing' not found");
    }
}

TEST(KRParams, AssignCopiesNamesTypesAndValues)
{
    TParams Source;
    TParam *P = Source.CreateParam(ftCurrency, "Amount", ptInputOutput);
    P->SetValue(TParamValue::FromCurrency(9.99));
    Source.CreateParam(ftDate, "Since", ptInput);

    TParams Copy;
    Copy.CreateParam(ftBlob, "Stale", ptResult);
    Copy.Assign(&Source);
    ASSERT_EQ(Copy.Count(), 2);
    const TParam *First = Copy.Items(0);
    EXPECT_EQ(First->Name(), "Amount");
    EXPECT_EQ(First->DataType(), ftCurrency);
    EXPECT_EQ(First->ParamType(), ptInputOutput);
    EXPECT_EQ(First->Value(), TParamValue::FromCurrencyScaled(99900));
    EXPECT_TRUE(Copy.Items(1)->IsNull());
    EXPECT_EQ(Copy.Items(1)->GetDisplayName(), "Since");

    try {
        Copy.Items(0)->Assign(&Source);
        ADD_FAILURE() << "no error raised";
    } catch (const EConvertError &E) {
        EXPECT_EQ(E.Message(), "Cannot assign a TParams to a TParam");
    }
}

TEST(KRDataSet, FieldsKeepTheirOrderAndAreFoundIgnoringCase)
{
    TDataSet Orders;
    TFieldDesc &Id = Orders.AddField("OrderNo", ftAutoInc);
    for (int I = 0; I < 100; ++I)
        Orders.AddField("Extra" + std::to_string(I), ftString);
    EXPECT_EQ(Id.FieldName(), "OrderNo");
    EXPECT_EQ(Orders.FieldCount(), 101);
    EXPECT_EQ(Orders.Fields(100).FieldName(), "Extra99");
    EXPECT_EQ(Orders.FindField("ORDERNO"), &Orders.Fields(0));
    EXPECT_EQ(Orders.FindField("Order"), nullptr);
    EXPECT_THROW(Orders.Fields(101), EListError);
    Orders.ClearFields();
    EXPECT_EQ(Orders.FieldCount(), 0);
    EXPECT_EQ(Orders.FindField("OrderNo"), nullptr);
}
