// Text routines over byte strings. Letter-case changes and case-insensitive comparisons touch the
// ASCII letters only, so UTF-8 text passes through them unchanged.
#pragma once

#include <concepts>
#include <initializer_list>
#include <string>
#include <string_view>
#include <variant>

namespace korvan {

std::string AnsiUpperCase(std::string_view S);
std::string AnsiLowerCase(std::string_view S);

//! Compares with ASCII letters folded to upper case, byte by byte as unsigned values:
//! negative when A sorts first, 0 when equal, positive when B sorts first.
int CompareText(std::string_view A, std::string_view B);
bool SameText(std::string_view A, std::string_view B);

//! S enclosed in Quote, each Quote inside doubled: AnsiQuotedStr("it's", '\'') gives 'it''s'.
std::string AnsiQuotedStr(std::string_view S, char Quote);

//! One argument of Format: a text or an integer. A text argument only refers to the caller's
//! characters, which is safe for the duration of the Format call it is written in.
class TFormatArg
{
public:
    TFormatArg(const std::string &Value)
        : FValue(std::string_view(Value))
    {}
    TFormatArg(std::string_view Value)
        : FValue(Value)
    {}
    TFormatArg(const char *Value)
        : FValue(std::string_view(Value != nullptr ? Value : ""))
    {}
    template <std::integral T>
    requires(!std::same_as<T, bool> && !std::same_as<T, char>) TFormatArg(T Value)
    {
        if constexpr (std::is_signed_v<T>)
            FValue = static_cast<long long>(Value);
        else
            FValue = static_cast<unsigned long long>(Value);
    }

    void AppendTo(std::string &Out) const;

private:
    std::variant<std::string_view, long long, unsigned long long> FValue;
};

//! Fills Fmt's %s and %d (upper case accepted too) from Args in order; %% writes one %. Both
//! conversions write a text as it is and an integer in decimal. Arguments left over are ignored.
//! Raises EConvertError for a conversion without an argument and for any other conversion.
std::string Format(std::string_view Fmt, std::initializer_list<TFormatArg> Args);

std::string IntToStr(long long Value);

//! Reads [blanks][+|-]digits[blanks] into Value; false (Value untouched) on anything else or when
//! the number does not fit an int.
bool TryStrToInt(std::string_view S, int &Value);
//! As TryStrToInt; raises EConvertError naming S when it is not an integer.
int StrToInt(std::string_view S);
int StrToIntDef(std::string_view S, int Default);

//! The shortest text that reads back as the same double, laid out like the framework's general
//! format with 15 significant digits: plain digits while the integer part has at most 15 digits and
//! the value is at least 0.00001, otherwise mantissa and exponent ("1E20", "1.5E-7"). Always "." as
//! the decimal separator, whatever the C locale says. Infinities and NaN give "INF", "-INF", "NAN".
std::string FloatToStr(double Value);

// Date and time texts of a day count since 1899-12-30 whose fraction is the time of day (-1.25 is
// 1899-12-29 06:00). The layout is fixed, year-month-day and a 24-hour clock to the second, so that
// the text reads the same to every database whatever the locale. EConvertError when the value is not
// a day of the years 1 to 9999.
//! "yyyy-mm-dd".
std::string DateToStr(double Days);
//! "hh:nn:ss".
std::string TimeToStr(double Days);
//! "yyyy-mm-dd hh:nn:ss", or the date alone at midnight.
std::string DateTimeToStr(double Days);

//! Trim removes the bytes up to and including ' ' (blanks and control characters) from both ends;
//! TrimLeft only from the start, TrimRight only from the end.
std::string Trim(std::string_view S);
std::string TrimLeft(std::string_view S);
std::string TrimRight(std::string_view S);

} // namespace korvan
