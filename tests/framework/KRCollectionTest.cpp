#include "framework/KRCollectionBase.h"
#include "framework/KRException.h"
#include "framework/KRStrings.h"

#include <gtest/gtest.h>
#include <stdexcept>
#include <string>
#include <vector>

using namespace korvan;

namespace {

using TLog = std::vector<std::string>;

class TTestItem : public TCollectionItem
{
public:
    explicit TTestItem(TCollection *Collection)
        : TCollectionItem(Collection)
    {
        ++Alive;
    }
    ~TTestItem() override
    {
        --Alive;
        delete Sibling;
    }
    void Assign(const TPersistent *Source) override
    {
        if (const auto *Other = dynamic_cast<const TTestItem *>(Source)) {
            Name = Other->Name;
            return;
        }
        TCollectionItem::Assign(Source);
    }
    void Touch(bool AllItems) { Changed(AllItems); }

    static inline int Alive = 0;
    std::string Name;
    //! Freed together with this item, wherever it is.
    TCollectionItem *Sibling = nullptr;
};

// Logs every hook: "+index" for cnAdded, "-index" for cnExtracting, "~name" for cnDeleting, "update"
// or "update name", "begin", "end". Only a deleted item is whole when Notify sees it: an added one
// is still being built and an extracted one already half destroyed, so the log reads no name there.
class TLoggingCollection : public TCollection
{
public:
    TLoggingCollection()
        : TCollection(&ItemClassOf<TTestItem>)
    {}
    TTestItem *Add() { return static_cast<TTestItem *>(TCollection::Add()); }
    TTestItem *Insert(int Index) { return static_cast<TTestItem *>(TCollection::Insert(Index)); }
    TTestItem *Items(int Index) const { return static_cast<TTestItem *>(TCollection::Items(Index)); }
    TTestItem *AddNamed(const std::string &Name)
    {
        TTestItem *Item = Add();
        Item->Name = Name;
        return Item;
    }
    std::string Names() const
    {
        std::string Result;
        for (int I = 0; I < Count(); ++I)
            Result += (I > 0 ? "," : "") + Items(I)->Name;
        return Result;
    }
    void BeginUpdate() override
    {
        Log.push_back("begin");
        TCollection::BeginUpdate();
    }
    void EndUpdate() override
    {
        Log.push_back("end");
        TCollection::EndUpdate();
    }

    TLog Log;
    TCollectionNotification FreeOn = cnAdded; //!< with FreeOnNotify, the action that frees the item
    bool FreeOnNotify = false;
    bool ThrowOnAdded = false;

protected:
    void Update(TCollectionItem *Item) override
    {
        Log.push_back(Item == nullptr ? "update" : "update " + static_cast<TTestItem *>(Item)->Name);
    }
    void Notify(TCollectionItem *Item, TCollectionNotification Action) override
    {
        if (Action == cnDeleting)
            Log.push_back("~" + static_cast<TTestItem *>(Item)->Name);
        else
            Log.push_back((Action == cnAdded ? "+" : "-") + std::to_string(Item->Index()));
        if (Action == cnAdded && ThrowOnAdded)
            throw std::runtime_error("refused");
        if (FreeOnNotify && Action == FreeOn) {
            FreeOnNotify = false;
            delete Item;
        }
    }
};

class TCollectionTest : public ::testing::Test
{
protected:
    void SetUp() override { TTestItem::Alive = 0; }
    void TearDown() override { EXPECT_EQ(TTestItem::Alive, 0); }
};

} // namespace

TEST_F(TCollectionTest, AddInsertAndSetIndexKeepPositionsInStep)
{
    TLoggingCollection C;
    C.AddNamed("b");
    C.AddNamed("d");
    C.Insert(0)->Name = "a";
    C.Insert(2)->Name = "c";
    C.Insert(4)->Name = "e";
    EXPECT_EQ(C.Names(), "a,b,c,d,e");
    for (int I = 0; I < C.Count(); ++I)
        EXPECT_EQ(C.Items(I)->Index(), I);

    C.Items(0)->SetIndex(3);
    EXPECT_EQ(C.Names(), "b,c,d,a,e");
    C.Items(4)->SetIndex(1);
    EXPECT_EQ(C.Names(), "b,e,c,d,a");
    EXPECT_THROW(C.Items(0)->SetIndex(5), EListError);

    const int Before = C.Count();
    EXPECT_THROW(C.Insert(Before + 1), EListError);
    EXPECT_EQ(C.Count(), Before);
    EXPECT_EQ(TTestItem::Alive, Before);
}

TEST_F(TCollectionTest, FreeingAnItemTakesItOutOfItsCollection)
{
    TLoggingCollection C;
    C.AddNamed("a");
    TTestItem *B = C.AddNamed("b");
    C.AddNamed("c");
    delete B;
    EXPECT_EQ(C.Names(), "a,c");
    C.Delete(0);
    EXPECT_EQ(C.Names(), "c");
    EXPECT_EQ(TTestItem::Alive, 1);
    try {
        C.Delete(1);
        ADD_FAILURE() << "no error raised";
    } catch (const EListError &E) {
        EXPECT_EQ(E.Message(), "List index out of bounds (1)");
    }
    EXPECT_THROW(C.Items(-1), EListError);
    C.Clear();
    EXPECT_EQ(C.Count(), 0);
    EXPECT_EQ(TTestItem::Alive, 0);
}

TEST_F(TCollectionTest, SetCollectionMovesAnItemAndItsOwnership)
{
    auto *Target = new TLoggingCollection;
    {
        TLoggingCollection Source;
        Source.AddNamed("a");
        TTestItem *Moved = Source.AddNamed("b");
        Target->AddNamed("x");
        Moved->SetCollection(Target);
        EXPECT_EQ(Source.Names(), "a");
        EXPECT_EQ(Target->Names(), "x,b");
        EXPECT_EQ(Moved->Collection(), Target);
        EXPECT_EQ(Moved->GetOwner(), Target);
        EXPECT_EQ(Moved->Index(), 1);

        Moved->SetCollection(nullptr);
        EXPECT_EQ(Moved->Index(), -1);
        EXPECT_EQ(Target->Count(), 1);
        Moved->SetCollection(Target);
    }
    EXPECT_EQ(TTestItem::Alive, 2);
    delete Target;
}

// All items of a collection move to another in their order, owned by it from then on; each side
// hears of each item, and the taker reports one change.
TEST_F(TCollectionTest, TakeItemsMovesEveryItemInOrder)
{
    auto *Target = new TLoggingCollection;
    {
        TLoggingCollection Source;
        Source.AddNamed("a");
        Source.AddNamed("b");
        Target->AddNamed("x");
        Source.Log.clear();
        Target->Log.clear();
        Target->TakeItems(Source);
        EXPECT_EQ(Source.Count(), 0);
        EXPECT_EQ(Target->Names(), "x,a,b");
        EXPECT_EQ(Target->Items(2)->Collection(), Target);
        EXPECT_EQ(Source.Log, (TLog{ "-0", "-0", "update" }));
        EXPECT_EQ(Target->Log, (TLog{ "begin", "+1", "+2", "end", "update" }));
        Target->TakeItems(*Target);
        Target->TakeItems(Source);
        EXPECT_EQ(Target->Names(), "x,a,b");
    }
    EXPECT_EQ(TTestItem::Alive, 3);
    delete Target;
}

TEST_F(TCollectionTest, NotifyAndUpdateFollowEveryAddAndRemoval)
{
    TLoggingCollection C;
    C.AddNamed("a");
    C.AddNamed("b")->Touch(false);
    C.Items(0)->Touch(true);
    C.Delete(0);
    delete C.Items(0);
    EXPECT_EQ(C.Log,
            (TLog{ "+0", "update", "+1", "update", "update b", "update", "~a", "-0", "update", "-0",
                    "update" }));
}

TEST_F(TCollectionTest, UpdateFiresOncePerOutermostEndUpdate)
{
    TLoggingCollection C;
    C.AddNamed("a");
    C.BeginUpdate();
    C.BeginUpdate();
    C.AddNamed("b")->Touch(false);
    C.EndUpdate();
    C.Delete(0);
    EXPECT_EQ(C.UpdateCount(), 1);
    C.EndUpdate();
    C.EndUpdate();
    EXPECT_EQ(C.UpdateCount(), 0);
    EXPECT_EQ(C.Log,
            (TLog{ "+0", "update", "begin", "begin", "+1", "end", "~a", "-0", "end", "update", "end" }));
}

TEST_F(TCollectionTest, ClearFreesEveryItemInsideOneUpdate)
{
    TLoggingCollection C;
    C.AddNamed("a");
    C.AddNamed("b");
    C.Log.clear();
    C.Clear();
    EXPECT_EQ(C.Log, (TLog{ "begin", "-1", "-0", "end", "update" }));
    C.Log.clear();
    C.Clear();
    EXPECT_EQ(C.Log, TLog{});
}

TEST_F(TCollectionTest, ClearAndDestructorSurviveItemsThatFreeTheirSiblings)
{
    TLoggingCollection C;
    TTestItem *A = C.AddNamed("a");
    TTestItem *B = C.AddNamed("b");
    TTestItem *D = C.AddNamed("d");
    C.AddNamed("e");
    // Freeing d (last but one) frees a and b, which sit before it.
    D->Sibling = B;
    B->Sibling = A;
    C.Clear();
    EXPECT_EQ(C.Count(), 0);
    EXPECT_EQ(TTestItem::Alive, 0);

    {
        TLoggingCollection Doomed;
        TTestItem *X = Doomed.AddNamed("x");
        Doomed.AddNamed("y")->Sibling = X;
    }
    EXPECT_EQ(TTestItem::Alive, 0);
}

TEST_F(TCollectionTest, DeleteCopesWithNotifyFreeingTheItemItself)
{
    TLoggingCollection C;
    C.AddNamed("a");
    C.AddNamed("b");
    C.FreeOnNotify = true;
    C.FreeOn = cnDeleting;
    C.Delete(0);
    EXPECT_EQ(C.Names(), "b");
    EXPECT_EQ(TTestItem::Alive, 1);
}

TEST_F(TCollectionTest, AnItemRefusedOnArrivalIsNotLeftInTheList)
{
    TLoggingCollection C;
    C.AddNamed("a");
    C.ThrowOnAdded = true;
    EXPECT_THROW(C.Add(), std::runtime_error);
    EXPECT_THROW(C.Insert(0), std::runtime_error);
    EXPECT_EQ(C.Names(), "a");
    EXPECT_EQ(TTestItem::Alive, 1);
}

TEST_F(TCollectionTest, AssignReplacesItemsWithCopiesInsideOneUpdate)
{
    TLoggingCollection Source;
    Source.AddNamed("x");
    Source.AddNamed("y");
    TLoggingCollection Target;
    Target.AddNamed("old");
    Target.Log.clear();
    Target.Assign(&Source);
    EXPECT_EQ(Target.Names(), "x,y");
    EXPECT_EQ(Target.Log, (TLog{ "begin", "begin", "-0", "end", "+0", "+1", "end", "update" }));
    EXPECT_EQ(Source.Names(), "x,y");

    Target.Assign(&Target);
    EXPECT_EQ(Target.Names(), "x,y");
}

TEST_F(TCollectionTest, AssignEndsItsUpdateWhenAnItemCannotBeCopied)
{
    TCollection Plain(&ItemClassOf<TCollectionItem>);
    Plain.Add();
    TLoggingCollection Target;
    try {
        Target.Assign(&Plain);
        ADD_FAILURE() << "no error raised";
    } catch (const EConvertError &E) {
        EXPECT_EQ(E.Message(), "Cannot assign a TCollectionItem to a TTestItem");
    }
    EXPECT_EQ(Target.UpdateCount(), 0);
    EXPECT_EQ(Target.Log.back(), "update");
}

TEST_F(TCollectionTest, AssignFromAnotherKindOfObjectNamesBothClasses)
{
    TLoggingCollection Target;
    Target.AddNamed("kept");
    TStringList Strings;
    try {
        Target.Assign(&Strings);
        ADD_FAILURE() << "no error raised";
    } catch (const EConvertError &E) {
        EXPECT_EQ(E.Message(), "Cannot assign a TStringList to a TLoggingCollection");
    }
    EXPECT_EQ(Target.Names(), "kept");
}
