#include "framework/KRCollectionBase.h"

#include "framework/KRException.h"
#include "framework/KRUpdateGuard.h"

#include <algorithm>

namespace korvan {

TCollectionItem::TCollectionItem(TCollection *Collection)
{
    if (Collection != nullptr)
        Collection->InsertItem(this);
}

TCollectionItem::~TCollectionItem()
{
    if (FCollection != nullptr)
        FCollection->RemoveItem(this);
}

void TCollectionItem::SetCollection(TCollection *Value)
{
    if (Value == FCollection)
        return;
    if (FCollection != nullptr)
        FCollection->RemoveItem(this);
    if (Value != nullptr)
        Value->InsertItem(this);
}

int TCollectionItem::Index() const
{
    if (FCollection == nullptr)
        return -1;
    const auto &Items = FCollection->FItems;
    return static_cast<int>(std::find(Items.begin(), Items.end(), this) - Items.begin());
}

void TCollectionItem::SetIndex(int Value)
{
    const int Current = Index();
    if (Current < 0 || Current == Value)
        return;
    CheckListIndex(Value, FCollection->Count());
    auto &Items = FCollection->FItems;
    const auto From = Items.begin() + Current;
    const auto To = Items.begin() + Value;
    if (Value < Current)
        std::rotate(To, From, From + 1);
    else
        std::rotate(From, From + 1, To + 1);
    FCollection->ItemMoved(this);
    Changed(true);
}

std::string TCollectionItem::GetDisplayName() const
{
    return ClassName();
}

TPersistent *TCollectionItem::GetOwner() const
{
    return FCollection;
}

void TCollectionItem::Changed(bool AllItems)
{
    if (FCollection != nullptr && FCollection->FUpdateCount == 0)
        FCollection->Update(AllItems ? nullptr : this);
}

TCollection::TCollection(TCollectionItemClass AItemClass, TPersistent *Owner)
    : FItemClass(AItemClass)
    , FOwner(Owner)
{}

TCollection::~TCollection()
{
    // The descendant part is gone already: the items leaving now reach only this class's own empty
    // Notify, and the raised counter spares each of them a whole-collection Update.
    ++FUpdateCount;
    FreeItems();
}

TCollectionItem *TCollection::Add()
{
    return FItemClass(this);
}

TCollectionItem *TCollection::Insert(int Index)
{
    CheckListIndex(Index, Count() + 1);
    TCollectionItem *Item = Add();
    Item->SetIndex(Index);
    return Item;
}

void TCollection::Delete(int Index)
{
    CheckListIndex(Index, Count());
    TCollectionItem *Item = FItems[static_cast<std::size_t>(Index)];
    Notify(Item, cnDeleting);
    // A Notify override may already have freed it.
    if (Holds(Item))
        delete Item;
}

void TCollection::Clear()
{
    if (FItems.empty())
        return;
    TUpdateGuard<TCollection> Guard(*this);
    FreeItems();
}

void TCollection::TakeItems(TCollection &From)
{
    if (&From == this || From.FItems.empty())
        return;
    TUpdateGuard<TCollection> Guard(*this);
    std::vector<TCollectionItem *> Moving = std::move(From.FItems);
    From.FItems.clear();
    FItems.reserve(FItems.size() + Moving.size());
    for (TCollectionItem *Item : Moving) {
        From.Notify(Item, cnExtracting);
        FItems.push_back(Item);
        Item->FCollection = this;
        Notify(Item, cnAdded);
    }
    From.Changed();
}

void TCollection::BeginUpdate()
{
    ++FUpdateCount;
}

void TCollection::EndUpdate()
{
    if (FUpdateCount == 0)
        return;
    --FUpdateCount;
    Changed();
}

TPersistent *TCollection::GetOwner() const
{
    return FOwner;
}

void TCollection::Assign(const TPersistent *Source)
{
    const auto *Other = dynamic_cast<const TCollection *>(Source);
    if (Other == nullptr) {
        TPersistent::Assign(Source);
        return;
    }
    // Clearing first would free the very items to be copied.
    if (Other == this)
        return;
    TUpdateGuard<TCollection> Guard(*this);
    Clear();
    for (int I = 0; I < Other->Count(); ++I)
        Add()->Assign(Other->Items(I));
}

void TCollection::Update(TCollectionItem *) {}

void TCollection::Changed()
{
    if (FUpdateCount == 0)
        Update(nullptr);
}

void TCollection::Notify(TCollectionItem *, TCollectionNotification) {}

void TCollection::ItemMoved(TCollectionItem *) {}

void TCollection::InsertItem(TCollectionItem *Item)
{
    FItems.push_back(Item);
    Item->FCollection = this;
    try {
        Notify(Item, cnAdded);
        Changed();
    } catch (...) {
        // When this runs from the item's constructor, the item will never be destroyed as such:
        // it must not stay listed.
        if (Holds(Item))
            FItems.erase(std::find(FItems.begin(), FItems.end(), Item));
        Item->FCollection = nullptr;
        throw;
    }
}

void TCollection::RemoveItem(TCollectionItem *Item)
{
    Notify(Item, cnExtracting);
    // Clear frees from the end, so look there first.
    const auto Found = std::find(FItems.rbegin(), FItems.rend(), Item);
    if (Found != FItems.rend())
        FItems.erase(std::next(Found).base());
    Item->FCollection = nullptr;
    Changed();
}

bool TCollection::Holds(const TCollectionItem *Item) const
{
    return std::find(FItems.begin(), FItems.end(), Item) != FItems.end();
}

void TCollection::FreeItems()
{
    // Re-read the end each time: an item's destructor may free other items of this collection.
    while (!FItems.empty())
        delete FItems.back();
}

} // namespace korvan
