#include "framework/KRText.h"

#include "framework/KRConsts.h"
#include "framework/KRException.h"

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <system_error>

namespace korvan {

namespace {

char UpperChar(char C)
{
    return C >= 'a' && C <= 'z' ? static_cast<char>(C - 'a' + 'A') : C;
}

char LowerChar(char C)
{
    return C >= 'A' && C <= 'Z' ? static_cast<char>(C - 'A' + 'a') : C;
}

bool IsBlank(char C)
{
    return static_cast<unsigned char>(C) <= ' ';
}

template <class T>
std::string IntegerText(T Value)
{
    char Buffer[24];
    auto [End, Error] = std::to_chars(Buffer, Buffer + sizeof(Buffer), Value);
    (void)Error; // every 64-bit integer fits the buffer
    return std::string(Buffer, End);
}

// The decimal digits and the power of ten of the first one: 1.5e-7 gives "15" and -7.
struct TDecimal
{
    std::string Digits;
    int Exponent = 0;
};

TDecimal ShortestDecimal(double Magnitude)
{
    // to_chars without a precision gives the shortest text that reads back exactly; the scientific
    // form ("1.5e-07") makes the digits and the exponent easy to take apart.
    char Buffer[64];
    auto [End, Error] =
            std::to_chars(Buffer, Buffer + sizeof(Buffer), Magnitude, std::chars_format::scientific);
    (void)Error; // a finite double needs at most 24 characters
    std::string_view Text(Buffer, static_cast<std::size_t>(End - Buffer));
    std::size_t E = Text.find('e');
    TDecimal Result;
    for (char C : Text.substr(0, E)) {
        if (C != '.')
            Result.Digits += C;
    }
    while (Result.Digits.size() > 1 && Result.Digits.back() == '0')
        Result.Digits.pop_back();
    std::string_view ExponentText = Text.substr(E + 1);
    if (!ExponentText.empty() && ExponentText.front() == '+')
        ExponentText.remove_prefix(1);
    std::from_chars(ExponentText.data(), ExponentText.data() + ExponentText.size(), Result.Exponent);
    return Result;
}

std::string FixedText(const TDecimal &D)
{
    const int Count = static_cast<int>(D.Digits.size());
    if (D.Exponent < 0)
        return "0." + std::string(static_cast<std::size_t>(-D.Exponent - 1), '0') + D.Digits;
    if (Count <= D.Exponent + 1)
        return D.Digits + std::string(static_cast<std::size_t>(D.Exponent + 1 - Count), '0');
    const auto IntegerDigits = static_cast<std::size_t>(D.Exponent + 1);
    return D.Digits.substr(0, IntegerDigits) + '.' + D.Digits.substr(IntegerDigits);
}

std::string ScientificText(const TDecimal &D)
{
    std::string Result(1, D.Digits.front());
    if (D.Digits.size() > 1)
        Result += '.' + D.Digits.substr(1);
    return Result + 'E' + IntToStr(D.Exponent);
}

} // namespace

std::string AnsiUpperCase(std::string_view S)
{
    std::string Result(S);
    for (char &C : Result)
        C = UpperChar(C);
    return Result;
}

std::string AnsiLowerCase(std::string_view S)
{
    std::string Result(S);
    for (char &C : Result)
        C = LowerChar(C);
    return Result;
}

int CompareText(std::string_view A, std::string_view B)
{
    const std::size_t Common = std::min(A.size(), B.size());
    for (std::size_t I = 0; I < Common; ++I) {
        const auto CA = static_cast<unsigned char>(UpperChar(A[I]));
        const auto CB = static_cast<unsigned char>(UpperChar(B[I]));
        if (CA != CB)
            return CA < CB ? -1 : 1;
    }
    if (A.size() == B.size())
        return 0;
    return A.size() < B.size() ? -1 : 1;
}

bool SameText(std::string_view A, std::string_view B)
{
    return A.size() == B.size() && CompareText(A, B) == 0;
}

std::string AnsiQuotedStr(std::string_view S, char Quote)
{
    std::string Result(1, Quote);
    for (char C : S) {
        Result += C;
        if (C == Quote)
            Result += Quote;
    }
    Result += Quote;
    return Result;
}

void TFormatArg::AppendTo(std::string &Out) const
{
    if (const auto *Text = std::get_if<std::string_view>(&FValue))
        Out += *Text;
    else if (const auto *Signed = std::get_if<long long>(&FValue))
        Out += IntegerText(*Signed);
    else
        Out += IntegerText(std::get<unsigned long long>(FValue));
}

std::string Format(std::string_view Fmt, std::initializer_list<TFormatArg> Args)
{
    std::string Result;
    const TFormatArg *Next = Args.begin();
    for (std::size_t I = 0; I < Fmt.size(); ++I) {
        if (Fmt[I] != '%') {
            Result += Fmt[I];
            continue;
        }
        if (I + 1 == Fmt.size())
            throw EConvertError(Format(SInvalidFormat, { "%" }));
        const char Conversion = Fmt[++I];
        if (Conversion == '%') {
            Result += '%';
            continue;
        }
        const std::string Directive{ '%', Conversion };
        if (LowerChar(Conversion) != 's' && LowerChar(Conversion) != 'd')
            throw EConvertError(Format(SInvalidFormat, { Directive }));
        if (Next == Args.end())
            throw EConvertError(Format(SArgumentMissing, { Directive }));
        (Next++)->AppendTo(Result);
    }
    return Result;
}

std::string IntToStr(long long Value)
{
    return IntegerText(Value);
}

bool TryStrToInt(std::string_view S, int &Value)
{
    const std::string Text = Trim(S);
    std::string_view Digits = Text;
    const bool Negative = !Digits.empty() && Digits.front() == '-';
    if (!Digits.empty() && (Digits.front() == '-' || Digits.front() == '+'))
        Digits.remove_prefix(1);
    if (Digits.empty())
        return false;
    // Accumulate as a negative number: its range reaches the int minimum, which has no positive twin.
    long long Accumulated = 0;
    for (char C : Digits) {
        if (C < '0' || C > '9')
            return false;
        Accumulated = Accumulated * 10 - (C - '0');
        if (Accumulated < std::numeric_limits<int>::min())
            return false;
    }
    if (!Negative) {
        if (-Accumulated > std::numeric_limits<int>::max())
            return false;
        Accumulated = -Accumulated;
    }
    Value = static_cast<int>(Accumulated);
    return true;
}

int StrToInt(std::string_view S)
{
    int Value = 0;
    if (!TryStrToInt(S, Value))
        throw EConvertError(Format(SInvalidInteger, { S }));
    return Value;
}

int StrToIntDef(std::string_view S, int Default)
{
    int Value = Default;
    return TryStrToInt(S, Value) ? Value : Default;
}

std::string FloatToStr(double Value)
{
    if (std::isnan(Value))
        return "NAN";
    if (std::isinf(Value))
        return Value < 0 ? "-INF" : "INF";
    if (Value == 0)
        return "0"; // also for -0, which reads as 0 in SQL text
    // Where the framework's general format switches to an exponent: more integer digits than its
    // precision, or a value below 0.00001.
    constexpr int Precision = 15;
    constexpr int SmallestFixedExponent = -5;
    const TDecimal D = ShortestDecimal(std::fabs(Value));
    const bool Fixed = D.Exponent < Precision && D.Exponent >= SmallestFixedExponent;
    return (Value < 0 ? "-" : "") + (Fixed ? FixedText(D) : ScientificText(D));
}

namespace {

constexpr long long MSecsPerDay = 24LL * 60 * 60 * 1000;
// Day counts of 0001-01-01 and 9999-12-31, and of 1970-01-01 where the standard clock starts.
constexpr long long FirstDay = -693593;
constexpr long long LastDay = 2958465;
constexpr long long UnixDay = 25569;

// A day count split as the framework splits it: rounded to the millisecond, the whole days towards
// zero and the time of day from the fraction's magnitude.
struct TDayTime
{
    long long Day;
    long long MSecs;
};

TDayTime SplitDays(double Days)
{
    if (!(Days > static_cast<double>(FirstDay - 1) && Days < static_cast<double>(LastDay + 1)))
        throw EConvertError(Format(SInvalidDateTime, { FloatToStr(Days) }));
    const long long MSecs = std::llround(Days * static_cast<double>(MSecsPerDay));
    const TDayTime Result{ MSecs / MSecsPerDay, std::llabs(MSecs) % MSecsPerDay };
    if (Result.Day < FirstDay || Result.Day > LastDay)
        throw EConvertError(Format(SInvalidDateTime, { FloatToStr(Days) }));
    return Result;
}

void AppendDigits(std::string &Out, long long Value, std::size_t Width)
{
    const std::string Digits = IntegerText(Value);
    Out.append(Width > Digits.size() ? Width - Digits.size() : 0, '0');
    Out += Digits;
}

std::string DateText(long long Day)
{
    using namespace std::chrono;
    const year_month_day Date{ sys_days{ days{ Day - UnixDay } } };
    std::string Result;
    AppendDigits(Result, static_cast<int>(Date.year()), 4);
    Result += '-';
    AppendDigits(Result, static_cast<unsigned>(Date.month()), 2);
    Result += '-';
    AppendDigits(Result, static_cast<unsigned>(Date.day()), 2);
    return Result;
}

std::string TimeText(long long MSecs)
{
    const long long Seconds = MSecs / 1000;
    std::string Result;
    AppendDigits(Result, Seconds / 3600, 2);
    Result += ':';
    AppendDigits(Result, Seconds / 60 % 60, 2);
    Result += ':';
    AppendDigits(Result, Seconds % 60, 2);
    return Result;
}

} // namespace

std::string DateToStr(double Days)
{
    return DateText(SplitDays(Days).Day);
}

std::string TimeToStr(double Days)
{
    return TimeText(SplitDays(Days).MSecs);
}

std::string DateTimeToStr(double Days)
{
    const TDayTime Split = SplitDays(Days);
    return Split.MSecs == 0 ? DateText(Split.Day) : DateText(Split.Day) + ' ' + TimeText(Split.MSecs);
}

std::string TrimLeft(std::string_view S)
{
    std::size_t First = 0;
    while (First < S.size() && IsBlank(S[First]))
        ++First;
    return std::string(S.substr(First));
}

std::string TrimRight(std::string_view S)
{
    std::size_t Length = S.size();
    while (Length > 0 && IsBlank(S[Length - 1]))
        --Length;
    return std::string(S.substr(0, Length));
}

std::string Trim(std::string_view S)
{
    return TrimLeft(TrimRight(S));
}

} // namespace korvan
