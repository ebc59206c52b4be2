// Checks of the user-visible texts that the compiler cannot make: placeholders, empty and repeated texts.
#include "resources/KRResource.h"

#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <regex>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace korvan {
namespace {

// The conversion letters of a printf-style text in order; "%%" is a plain percent sign.
std::string Conversions(std::string_view Text)
{
    std::string Result;
    for (std::size_t i = 0; i < Text.size(); ++i) {
        if (Text[i] != '%')
            continue;
        const char Letter = i + 1 < Text.size() ? Text[++i] : '?';
        if (Letter != '%')
            Result += Letter;
    }
    return Result;
}

struct TDeclaredText
{
    std::string Name;
    std::string Text;
    bool Documented; // a "//!" line stands right above the declaration
};

std::string ReadHeader()
{
    std::ifstream File(KORVAN_RESOURCE_HEADER);
    std::stringstream Buffer;
    Buffer << File.rdbuf();
    return Buffer.str();
}

std::vector<TDeclaredText> ReadDeclaredTexts()
{
    const std::string Source = ReadHeader();
    const std::regex Declaration(R"re(inline constexpr const char \*(S\w+)\s*=\s*"((?:[^"\\]|\\.)*)";)re");
    std::vector<TDeclaredText> Result;
    for (auto It = std::sregex_iterator(Source.begin(), Source.end(), Declaration);
            It != std::sregex_iterator(); ++It) {
        const auto Start = static_cast<std::size_t>(It->position());
        const auto PreviousLine = Source.rfind('\n', Start - 2) + 1;
        const std::string Text = std::regex_replace((*It)[2].str(), std::regex(R"(\\(.))"), "$1");
        Result.push_back({ (*It)[1].str(), Text, Source.compare(PreviousLine, 3, "//!") == 0 });
    }
    return Result;
}

TEST(KRResource, HeaderScanReadsTheCompiledTexts)
{
    const std::string Source = ReadHeader();
    std::size_t Declarations = 0;
    for (auto At = Source.find("inline constexpr"); At != std::string::npos;
            At = Source.find("inline constexpr", At + 1))
        ++Declarations;
    std::map<std::string, std::string> Texts;
    for (const auto &Declared : ReadDeclaredTexts())
        Texts[Declared.Name] = Declared.Text;
    EXPECT_EQ(Texts.size(), Declarations) << "a declaration in a form the scan does not read";
    EXPECT_EQ(Texts["SInvalidToken"], SInvalidToken);
    EXPECT_EQ(Texts["SPreviewOperand"], SPreviewOperand);
}

TEST(KRResource, FormatTextsTakeTheArgumentsTheirCallersPass)
{
    // The parser error passes token, position, line; the other codes pass the code or nothing.
    const std::pair<const char *, const char *> Cases[] = { { SInvalidToken, "sdd" }, { SUnexpectedEnd, "" },
        { SUnterminatedString, "" }, { SUnknownError, "d" }, { SInvalidPointIndex, "d" },
        { SInvalidLinkTable, "s" } };
    for (const auto &[Text, Expected] : Cases)
        EXPECT_EQ(Conversions(Text), Expected) << Text;
}

TEST(KRResource, EveryTextIsNonEmptyWithOnlyPlaceholdersFormatKnows)
{
    const auto Declared = ReadDeclaredTexts();
    ASSERT_FALSE(Declared.empty());
    for (const auto &[Name, Text, Documented] : Declared) {
        EXPECT_FALSE(Text.empty()) << Name;
        const std::string Letters = Conversions(Text);
        std::string Unknown = Letters;
        std::erase_if(Unknown, [](char Letter) { return Letter == 's' || Letter == 'd'; });
        EXPECT_EQ(Unknown, "") << Name;
        if (!Letters.empty()) {
            EXPECT_TRUE(Documented) << Name << " needs a //! line naming its arguments";
        }
    }
}

TEST(KRResource, NoTwoConstantsHoldTheSameText)
{
    // A text shown in several places ("Confirmation", "OK", "and", ...) is one constant used there.
    std::map<std::string, std::string> FirstHolder;
    for (const auto &[Name, Text, Documented] : ReadDeclaredTexts()) {
        const auto [It, Inserted] = FirstHolder.emplace(Text, Name);
        EXPECT_TRUE(Inserted) << Name << " repeats " << It->second << ": \"" << Text << '"';
    }
}

} // namespace
} // namespace korvan
