// The table list answers FindByAlias, FindByName, GetFieldCount and GetUniqueAlias from indexes
// it keeps beside its lists. Whatever is done to tables and fields, the answers must be the ones a
// scan of the lists gives.
#include "parser/KRSelectParser.h"

#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

using namespace korvan;

namespace {

const std::vector<std::string> Keys = { "", "a", "b", "c", "a1", "FIELD_", "FIELD_1", "FIELD_2" };

TKRTableDef *FirstBy(const TKRTableDefs &Tables, const std::string &Key, bool ByAlias)
{
    for (int I = 0; I < Tables.Count(); ++I)
        if ((ByAlias ? Tables.Items(I)->Alias() : Tables.Items(I)->Name()) == Key)
            return Tables.Items(I);
    return nullptr;
}

bool AliasUsed(const TKRTableDefs &Tables, const std::string &Alias)
{
    for (int T = 0; T < Tables.Count(); ++T)
        if (Tables.Items(T)->FieldDefs()->FindByAlias(Alias) != nullptr)
            return true;
    return false;
}

//! GetUniqueAlias as its contract states it, by scanning.
std::string UniqueAlias(const TKRTableDefs &Tables, const std::string &Base, bool Force)
{
    std::string Result = Base;
    for (int N = 1; Force || AliasUsed(Tables, Result); ++N) {
        Result = Base + std::to_string(N);
        Force = false;
    }
    return Result;
}

int FieldCount(const TKRTableDefs &Tables)
{
    int Count = 0;
    for (int T = 0; T < Tables.Count(); ++T)
        Count += Tables.Items(T)->FieldDefs()->Count();
    return Count;
}

void ExpectIndexesTrue(const TKRTableDefs &Tables, int Step)
{
    for (const std::string &Key : Keys) {
        ASSERT_EQ(Tables.FindByAlias(Key), FirstBy(Tables, Key, true))
                << "step " << Step << " alias '" << Key << "'";
        ASSERT_EQ(Tables.FindByName(Key), FirstBy(Tables, Key, false))
                << "step " << Step << " name '" << Key << "'";
    }
    ASSERT_EQ(Tables.GetFieldCount(), FieldCount(Tables)) << "step " << Step;
    for (const char *Base : { "a", "FIELD_" })
        for (const bool Force : { false, true })
            ASSERT_EQ(Tables.GetUniqueAlias(Base, Force), UniqueAlias(Tables, Base, Force))
                    << "step " << Step;
}

} // namespace

TEST(KRModelIndex, LookUpsAgreeWithAScanAfterEveryChange)
{
    auto Parser = Construct<TKRSelectParser>();
    TKRTableDefs &Tables = *Parser->TableDefs();
    TKRTableDefs Elsewhere;
    std::mt19937 Random(20261208);
    const auto Pick = [&Random](int Bound) {
        return static_cast<int>(Random() % static_cast<unsigned>(Bound));
    };
    const auto Key = [&] { return Keys[static_cast<std::size_t>(Pick(static_cast<int>(Keys.size())))]; };
    const auto AnyTable = [&]() -> TKRTableDef * {
        return Tables.Count() == 0 ? nullptr : Tables.Items(Pick(Tables.Count()));
    };
    const auto AnyField = [&]() -> TKRFieldDef * {
        TKRTableDef *Table = AnyTable();
        if (Table == nullptr || Table->FieldDefs()->Count() == 0)
            return nullptr;
        return Table->FieldDefs()->Items(Pick(Table->FieldDefs()->Count()));
    };

    for (int Step = 0; Step < 3000; ++Step) {
        // Look-ups between changes build the indexes, so that the changes must keep them.
        if (Pick(3) == 0)
            ExpectIndexesTrue(Tables, Step);
        TKRTableDef *Table = AnyTable();
        TKRFieldDef *Field = AnyField();
        switch (Pick(14)) {
        case 0:
            Tables.Add()->SetAlias(Key());
            break;
        case 1:
            if (Tables.Count() < 12)
                Tables.Insert(Pick(Tables.Count() + 1))->SetName(Key());
            break;
        case 2:
            if (Table != nullptr)
                Table->SetAlias(Key());
            break;
        case 3:
            if (Table != nullptr)
                Table->SetName(Key());
            break;
        case 4:
            if (Table != nullptr)
                Table->SetIndex(Pick(Tables.Count()));
            break;
        case 5:
            if (Table != nullptr && Tables.Count() > 3)
                Tables.Delete(Table->Index());
            break;
        case 6:
            if (Table != nullptr) {
                TKRFieldDef *New = Table->FieldDefs()->Add();
                New->SetName(Key());
                if (Pick(3) == 0)
                    New->SetKind(fkFunction);
            }
            break;
        case 7:
            if (Field != nullptr)
                Field->SetAlias(Key());
            break;
        case 8:
            if (Field != nullptr)
                Field->SetName(Key());
            break;
        case 9:
            if (Field != nullptr)
                delete Field;
            break;
        case 10:
            if (Field != nullptr && Table != nullptr)
                Field->SetCollection(Table->FieldDefs());
            break;
        case 11:
            if (Table != nullptr && Tables.Count() > 1)
                Table->Assign(Tables.Items(Pick(Tables.Count())));
            break;
        case 12:
            if (Field != nullptr)
                Field->Clear();
            break;
        default:
            // A table comes in from another list, fields and all, and one goes out to it.
            if (Table != nullptr && Pick(2) == 0)
                Table->SetCollection(&Elsewhere);
            else if (Elsewhere.Count() > 0)
                Elsewhere.Items(0)->SetCollection(&Tables);
            break;
        }
    }
    ExpectIndexesTrue(Tables, -1);
    Parser->SetExpression("SELECT a.x, b.y, x FROM a, b");
    ExpectIndexesTrue(Tables, -2);
}
