#include "parser/KRCollection.h"

#include "framework/KRText.h"
#include "parser/KRSelectParser.h"

#include <algorithm>
#include <vector>

namespace korvan {

namespace {

//! The scanner's quoting, part by part for a name of three or more parts: its own rule would put
//! the first two parts into one pair of quotes ("a.b"."c"), which names something else.
std::string ProcessParts(const TKRSQLScanner &Scanner, const std::string &Name)
{
    const char Quote = Scanner.GetIdentQuote();
    std::vector<std::string> Parts(1);
    bool Quoted = false;
    for (const char C : Name) {
        if (C == Quote)
            Quoted = !Quoted;
        if (C == '.' && !Quoted)
            Parts.emplace_back();
        else
            Parts.back() += C;
    }
    if (Parts.size() < 3 || Quoted)
        return Scanner.ProcessName(Name);
    std::string Result;
    for (const std::string &Part : Parts)
        Result += (Result.empty() ? "" : ".") + (Part.empty() ? Part : Scanner.ProcessName(Part));
    return Result;
}

} // namespace

namespace KRModelText {

std::string ProcessKeyword(const TKRSelectParser *Parser, const std::string &Word)
{
    return Parser != nullptr ? Parser->ProcessKeyword(Word) : Word;
}

std::string ProcessFunction(const TKRSelectParser *Parser, const std::string &Name)
{
    return Parser != nullptr ? Parser->ProcessFunction(Name) : Name;
}

std::string ProcessName(const TKRSelectParser *Parser, const std::string &Name)
{
    if (Parser == nullptr)
        return Name;
    const TKRSQLScanner &Scanner = *Parser->Scanner();
    // A Paradox-style file name such as customer.DB is one name, dots included.
    if (AnsiLowerCase(Name).find(".db") != std::string::npos && Scanner.GetQuoteIdentifiers()) {
        const char Quote = Scanner.GetIdentQuote();
        const bool Quoted = Name.size() > 1 && Name.front() == Quote && Name.back() == Quote;
        return Quoted ? Name : AnsiQuotedStr(Name, Quote);
    }
    return ProcessParts(Scanner, Name);
}

std::string ProcessNamePart(const TKRSelectParser *Parser, const std::string &Name)
{
    if (Parser == nullptr)
        return Name;
    const TKRSQLScanner &Scanner = *Parser->Scanner();
    // Only a quoted name can hold a dot: "a.b" must not come back as two parts.
    const bool Quote =
            Scanner.GetQuoteIdentifiers() ? Scanner.NeedQuotes(Name) : Scanner.NeedsQuotesWhenOff(Name);
    if (Name.find('.') != std::string::npos && Quote)
        return AnsiQuotedStr(Name, Scanner.GetIdentQuote());
    return ProcessName(Parser, Name);
}

std::string ProcessAlias(const TKRSelectParser *Parser, const std::string &Alias)
{
    if (Parser == nullptr)
        return Alias;
    const TKRSQLScanner &Scanner = *Parser->Scanner();
    // An alias is one name, dots included.
    if (Scanner.GetProcessAliases())
        return ProcessNamePart(Parser, Alias);
    // An alias such as Total Sales, or one that is a keyword, reads back only in quotes, with quoting
    // on or off; so does one with a delimiter, which the identifier rule lets through ("-" is a legal
    // symbol: Net-Total).
    const bool HasDelimiter =
            std::any_of(Alias.begin(), Alias.end(), [&Scanner](char C) { return Scanner.IsDelim(C); });
    if (Scanner.IsIdentQuote(Scanner.GetIdentQuote())
            && (!Scanner.IsIdentifier(Alias) || HasDelimiter || Scanner.IsKeyword(Alias)
                    || Scanner.IsFunction(Alias)))
        return AnsiQuotedStr(Alias, Scanner.GetIdentQuote());
    return Alias;
}

std::string QuoteString(const TKRSelectParser *Parser, const std::string &Value)
{
    return Parser != nullptr ? Parser->Scanner()->QuoteString(Value) : AnsiQuotedStr(Value, '\'');
}

} // namespace KRModelText

TKRCollectionItem::TKRCollectionItem(TCollection *Collection)
    : TCollectionItem(Collection)
{}

void TKRCollectionItem::SetParser(TKRSelectParser *Value)
{
    FParser = Value;
}

void TKRCollectionItem::Assign(const TPersistent *Source)
{
    if (const auto *Other = dynamic_cast<const TKRCollectionItem *>(Source)) {
        // An item in a list belongs to the list's parser; taking the source's would leave it
        // pointing at a parser that may go away first.
        const auto *List = dynamic_cast<const TKRCollection *>(Collection());
        SetParser(List != nullptr && List->Parser() != nullptr ? List->Parser() : Other->FParser);
        return;
    }
    TCollectionItem::Assign(Source);
}

std::string TKRCollectionItem::ProcessFunction(const std::string &Name) const
{
    return KRModelText::ProcessFunction(FParser, Name);
}

std::string TKRCollectionItem::ProcessKeyword(const std::string &Word) const
{
    return KRModelText::ProcessKeyword(FParser, Word);
}

TKRCollection::TKRCollection(TCollectionItemClass AItemClass, TPersistent *Owner)
    : TCollection(AItemClass, Owner)
{}

void TKRCollection::SetParser(TKRSelectParser *Value)
{
    if (Value == FParser)
        return;
    FParser = Value;
    for (int I = 0; I < Count(); ++I)
        Items(I)->SetParser(Value);
}

TKRCollectionItem *TKRCollection::Add()
{
    auto *Item = static_cast<TKRCollectionItem *>(TCollection::Add());
    Item->SetParser(FParser);
    return Item;
}

TKRCollectionItem *TKRCollection::Insert(int Index)
{
    auto *Item = static_cast<TKRCollectionItem *>(TCollection::Insert(Index));
    Item->SetParser(FParser);
    return Item;
}

void TKRCollection::SetItems(int Index, const TKRCollectionItem *Value)
{
    TKRCollectionItem *Item = Items(Index);
    if (Item != Value)
        Item->Assign(Value);
}

void TKRCollection::Assign(const TPersistent *Source)
{
    TCollection::Assign(Source);
    if (FParser != nullptr)
        for (int I = 0; I < Count(); ++I)
            Items(I)->SetParser(FParser);
}

std::string TKRCollection::ProcessKeyword(const std::string &Word) const
{
    return KRModelText::ProcessKeyword(FParser, Word);
}

TKRStringList::TKRStringList(TKRSelectParser *Parser)
    : FParser(Parser)
{}

std::string TKRStringList::ProcessName(const std::string &Name) const
{
    return FParser != nullptr ? ProcessParts(*FParser->Scanner(), Name) : Name;
}

std::string TKRStringList::ProcessKeyword(const std::string &Word) const
{
    return KRModelText::ProcessKeyword(FParser, Word);
}

} // namespace korvan
