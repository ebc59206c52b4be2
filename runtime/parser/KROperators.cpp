#include "parser/KROperators.h"

#include "framework/KRText.h"
#include "framework/KRUpdateGuard.h"

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

} // namespace korvan
