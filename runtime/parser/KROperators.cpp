#include "parser/KROperators.h"

#include "framework/KRException.h"
#include "framework/KRText.h"
#include "framework/KRUpdateGuard.h"
#include "resources/KRResource.h"

#include <vector>

namespace korvan {

TKROperator::TKROperator(TCollection *Collection)
    : TCollectionItem(Collection)
{}

void TKROperator::Assign(const TPersistent *Source)
{
    if (const auto *Other = dynamic_cast<const TKROperator *>(Source)) {
        FCount = Other->FCount;
        FPrefix = Other->FPrefix;
        FRelate = Other->FRelate;
        FCaption = Other->FCaption;
        FName = Other->FName;
        FPostfix = Other->FPostfix;
        return;
    }
    TCollectionItem::Assign(Source);
}

TKROperators::TKROperators()
    : TCollection(&ItemClassOf<TKROperator>)
{}

void TKROperators::SetItems(int Index, const TKROperator *Value)
{
    TKROperator *Item = Items(Index);
    if (Item != Value)
        Item->Assign(Value);
}

void TKROperators::Assign(const TPersistent *Source)
{
    const auto *Other = dynamic_cast<const TKROperators *>(Source);
    if (Other == nullptr || Other == this) {
        if (Other == nullptr)
            TCollection::Assign(Source);
        return;
    }
    TUpdateGuard<TKROperators> Guard(*this);
    Clear();
    for (int I = 0; I < Other->Count(); ++I)
        Add()->Assign(Other->Items(I));
}

TKROperator *TKROperators::FindByCaption(const std::string &Text) const
{
    for (int I = 0; I < Count(); ++I)
        if (Items(I)->Caption() == Text)
            return Items(I);
    return nullptr;
}

TKROperator *TKROperators::FindByName(const std::string &Text) const
{
    for (int I = 0; I < Count(); ++I)
        if (Items(I)->Name() == Text)
            return Items(I);
    return nullptr;
}

// Multi-word operators are read a word at a time: "NOT" finds NOT LIKE as a partial match, and
// the next word decides.
TKROperator *TKROperators::FindNearest(const std::string &Text, bool &Partial) const
{
    const std::string Wanted = AnsiUpperCase(Text);
    for (int I = 0; I < Count(); ++I) {
        const std::string Caption = AnsiUpperCase(Items(I)->Caption());
        if (Caption.compare(0, Wanted.size(), Wanted) == 0) {
            Partial = Wanted != Caption;
            return Items(I);
        }
    }
    return nullptr;
}

namespace {

//! The items of a line that OperatorsText wrote: separated by commas, each in double quotes with
//! inner quotes doubled; an item without quotes runs to the next comma.
std::vector<std::string> SplitQuotedItems(std::string_view Line)
{
    std::vector<std::string> Items;
    std::size_t At = 0;
    while (true) {
        std::string Item;
        bool Quoted = At < Line.size() && Line[At] == '"';
        for (At += Quoted ? 1 : 0; At < Line.size(); ++At) {
            if (Quoted && Line[At] == '"') {
                // A doubled quote stands for one; a single one closes the item.
                if (At + 1 < Line.size() && Line[At + 1] == '"') {
                    Item += Line[++At];
                    continue;
                }
                Quoted = false;
                continue;
            }
            if (!Quoted && Line[At] == ',')
                break;
            Item += Line[At];
        }
        Items.push_back(std::move(Item));
        if (At >= Line.size())
            return Items;
        ++At;
    }
}

} // namespace

std::string OperatorsText(const TKROperators &Operators)
{
    std::string Result;
    for (int I = 0; I < Operators.Count(); ++I) {
        const TKROperator *Operator = Operators.Items(I);
        const char *Separator = "";
        for (const std::string &Item :
                { Operator->Name(), Operator->Caption(), std::to_string(Operator->Count()),
                        Operator->Prefix(), Operator->Relate(), Operator->Postfix() }) {
            Result += Separator + AnsiQuotedStr(Item, '"');
            Separator = ",";
        }
        Result += "\n";
    }
    return Result;
}

void SetOperatorsText(TKROperators &Operators, std::string_view Text)
{
    TKROperators Read;
    int LineNo = 0;
    while (!Text.empty()) {
        const std::size_t End = Text.find('\n');
        std::string_view Line = Text.substr(0, End);
        Text = End == std::string_view::npos ? std::string_view() : Text.substr(End + 1);
        ++LineNo;
        if (Line.ends_with('\r'))
            Line.remove_suffix(1);
        if (Trim(Line).empty())
            continue;
        const auto Fail = [LineNo](const std::string &Problem) {
            throw EConvertError(Format(SOperatorLineInvalid, { LineNo, Problem }));
        };
        const std::vector<std::string> Items = SplitQuotedItems(Line);
        if (Items.size() != 6)
            Fail(Format(SOperatorItemCount, { static_cast<int>(Items.size()) }));
        int Count = 0;
        if (!TryStrToInt(Items[2], Count))
            Fail(Format(SOperatorCountInvalid, { Items[2] }));
        TKROperator *Operator = Read.Add();
        Operator->SetName(Items[0]);
        Operator->SetCaption(Items[1]);
        Operator->SetCount(Count);
        Operator->SetPrefix(Items[3]);
        Operator->SetRelate(Items[4]);
        Operator->SetPostfix(Items[5]);
    }
    Operators.Assign(&Read);
}

} // namespace korvan
