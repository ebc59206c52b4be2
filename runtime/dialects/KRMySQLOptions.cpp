#include "dialects/KRMySQLOptions.h"

#include "framework/KRText.h"
#include "parser/KRSelectParser.h"

#include <iterator>

namespace korvan {

static_assert(std::size(MySQLSelectOptionWords) == mysoHighPriority + 1);
static_assert(std::size(MySQLFilterWords) == myfoAll + 1);

TKRMySQLOptions::TKRMySQLOptions(TKRSelectParser *Parser)
    : FParser(Parser)
{}

void TKRMySQLOptions::Clear()
{
    FLimitRows = 0;
    FLimitOffset = 0;
    FSelectOptions = {};
    FFilter = myfoNone;
}

void TKRMySQLOptions::Assign(const TPersistent *Source)
{
    if (const auto *Other = dynamic_cast<const TKRMySQLOptions *>(Source)) {
        FFilter = Other->FFilter;
        FLimitRows = Other->FLimitRows;
        FLimitOffset = Other->FLimitOffset;
        FSelectOptions = Other->FSelectOptions;
        return;
    }
    TPersistent::Assign(Source);
}

TPersistent *TKRMySQLOptions::GetOwner() const
{
    return FParser;
}

std::string TKRMySQLOptions::Keyword(const char *Word) const
{
    return FParser != nullptr ? FParser->ProcessKeyword(Word) : Word;
}

std::string TKRMySQLOptions::OptionsScript() const
{
    std::string Result;
    for (std::size_t I = 0; I < std::size(MySQLSelectOptionWords); ++I)
        if (FSelectOptions.Contains(static_cast<TKRMySQLSelectOption>(I)))
            Result += Keyword(MySQLSelectOptionWords[I]) + " ";
    return Result;
}

std::string TKRMySQLOptions::FilterScript() const
{
    return FFilter == myfoNone ? "" : Keyword(MySQLFilterWords[FFilter]) + " ";
}

std::string TKRMySQLOptions::LimitScript() const
{
    if (FLimitOffset > 0)
        return Keyword("LIMIT") + " " + IntToStr(FLimitOffset) + ", " + IntToStr(FLimitRows);
    if (FLimitRows > 0)
        return Keyword("LIMIT") + " " + IntToStr(FLimitRows);
    return "";
}

} // namespace korvan
