// Collections of owned items: the base of every list in the query model.
#pragma once

#include "framework/KRException.h"
#include "framework/KRPersistent.h"

#include <cstdint>
#include <vector>

namespace korvan {

class TCollection;
class TCollectionItem;

//! Creates one item of a collection's item class and appends it to the collection it is given.
using TCollectionItemClass = TCollectionItem *(*)(TCollection *);

//! The item class of items of type T: TCollection Tables(&ItemClassOf<TMyItem>).
template <class T>
TCollectionItem *ItemClassOf(TCollection *Collection)
{
    return new T(Collection);
}

//! What happens to an item: cnAdded after it joined, the other two before it leaves.
enum TCollectionNotification : std::uint8_t { cnAdded, cnExtracting, cnDeleting };

//! An item of a TCollection. The collection owns it; `delete Item` frees it and takes it out of its
//! collection, exactly like deleting it through the collection.
class TCollectionItem : public TPersistent
{
public:
    //! Appends the new item to Collection when one is given.
    explicit TCollectionItem(TCollection *Collection);
    ~TCollectionItem() override;

    TCollection *Collection() const { return FCollection; }
    //! Moves the item to the end of Value (or out of any collection, for nullptr); the collection
    //! it ends up in owns it.
    void SetCollection(TCollection *Value);
    //! Position in the collection; -1 without one.
    int Index() const;
    //! Moves the item to position Value of its collection; EListError when there is no such position.
    void SetIndex(int Value);
    virtual std::string GetDisplayName() const;
    TPersistent *GetOwner() const override;

protected:
    //! Tells the collection that this item (or, with AllItems, the whole list) changed, unless the
    //! collection is inside BeginUpdate/EndUpdate.
    void Changed(bool AllItems);

private:
    friend class TCollection;

    TCollection *FCollection = nullptr;
};

//! An ordered list of items that it owns and frees.
//!
//! Hooks: Notify(Item, cnAdded) runs from TCollectionItem's constructor, and Notify(Item,
//! cnExtracting) from its destructor, so for those two an override may use only the
//! TCollectionItem part of Item. Neither Notify nor Update may throw while an item is being freed.
//! The items freed by this destructor no longer reach a descendant's hooks or state: a descendant
//! whose items need it while they die calls Clear() in its own destructor.
class TCollection : public TPersistent
{
public:
    explicit TCollection(TCollectionItemClass AItemClass, TPersistent *Owner = nullptr);
    ~TCollection() override;

    //! A new item of the item class, appended.
    TCollectionItem *Add();
    //! A new item of the item class at Index (0..Count); EListError before anything is created
    //! when Index is out of range.
    TCollectionItem *Insert(int Index);
    //! Frees the item at Index.
    void Delete(int Index);
    //! Frees every item, inside BeginUpdate/EndUpdate.
    void Clear();
    //! Moves every item of From to the end of this collection, in order, in one pass (SetCollection
    //! item by item takes time in proportion to the list for each). From's Notify(cnExtracting) and
    //! then this one's Notify(cnAdded) run for each item, after From has let all of them go.
    void TakeItems(TCollection &From);
    int Count() const { return static_cast<int>(FItems.size()); }
    TCollectionItem *Items(int Index) const
    {
        CheckListIndex(Index, Count());
        return FItems[static_cast<std::size_t>(Index)];
    }

    virtual void BeginUpdate();
    //! Closes one BeginUpdate; closing the outermost one reports the whole collection as changed.
    //! An EndUpdate without a BeginUpdate is ignored.
    virtual void EndUpdate();
    int UpdateCount() const { return FUpdateCount; }

    TCollectionItemClass ItemClass() const { return FItemClass; }
    TPersistent *Owner() const { return FOwner; }
    TPersistent *GetOwner() const override;

    //! From another collection: replaces every item by a new one assigned from the matching source
    //! item, inside BeginUpdate/EndUpdate. Anything else: EConvertError naming both classes.
    void Assign(const TPersistent *Source) override;

protected:
    //! The collection changed: Item alone, or everything when Item is nullptr.
    virtual void Update(TCollectionItem *Item);
    //! Reports the whole collection as changed unless inside BeginUpdate/EndUpdate.
    void Changed();
    virtual void Notify(TCollectionItem *Item, TCollectionNotification Action);
    //! Item has moved to another place in the list (SetIndex).
    virtual void ItemMoved(TCollectionItem *Item);

private:
    friend class TCollectionItem;

    void InsertItem(TCollectionItem *Item);
    void RemoveItem(TCollectionItem *Item);
    bool Holds(const TCollectionItem *Item) const;
    void FreeItems();

    TCollectionItemClass FItemClass;
    TPersistent *FOwner;
    // Owning pointers. Each item takes itself out of this list in its destructor (so that freeing an
    // item anywhere keeps the list right), which is why they are not unique_ptrs: the list must
    // never delete an item that is already on its way out.
    std::vector<TCollectionItem *> FItems;
    int FUpdateCount = 0;
};

} // namespace korvan
