#include "framework/KRStrings.h"

#include "framework/KRConsts.h"
#include "framework/KRException.h"
#include "framework/KRText.h"
#include "framework/KRUpdateGuard.h"

#include <algorithm>
#include <utility>

namespace korvan {

namespace {

bool IsBlank(char C)
{
    return static_cast<unsigned char>(C) <= ' ';
}

bool NeedsQuotes(std::string_view S)
{
    return S.empty()
            || std::any_of(S.begin(), S.end(), [](char C) { return IsBlank(C) || C == ',' || C == '"'; });
}

void SkipBlanks(std::string_view Text, std::size_t &P)
{
    while (P < Text.size() && IsBlank(Text[P]))
        ++P;
}

// Reads the double-quoted item starting at P; a missing closing quote ends it with the text.
std::string QuotedItem(std::string_view Text, std::size_t &P)
{
    std::string Item;
    ++P;
    while (P < Text.size()) {
        const char C = Text[P++];
        if (C != '"') {
            Item += C;
        } else if (P < Text.size() && Text[P] == '"') {
            Item += '"';
            ++P;
        } else {
            break;
        }
    }
    return Item;
}

std::string PlainItem(std::string_view Text, std::size_t &P)
{
    const std::size_t Start = P;
    while (P < Text.size() && !IsBlank(Text[P]) && Text[P] != ',')
        ++P;
    return std::string(Text.substr(Start, P - Start));
}

} // namespace

int TStrings::Add(const std::string &S)
{
    const int Index = Count();
    Insert(Index, S);
    return Index;
}

void TStrings::Insert(int Index, const std::string &S)
{
    CheckListIndex(Index, Count() + 1);
    InsertItem(Index, S);
}

const std::string &TStrings::Strings(int Index) const
{
    CheckListIndex(Index, Count());
    return Get(Index);
}

void TStrings::SetStrings(int Index, const std::string &S)
{
    CheckListIndex(Index, Count());
    Put(Index, S);
}

int TStrings::IndexOf(const std::string &S) const
{
    for (int I = 0; I < Count(); ++I) {
        if (SameText(Get(I), S))
            return I;
    }
    return -1;
}

std::string TStrings::CommaText() const
{
    std::string Result;
    for (int I = 0; I < Count(); ++I) {
        if (I > 0)
            Result += ',';
        const std::string &Item = Get(I);
        Result += NeedsQuotes(Item) ? AnsiQuotedStr(Item, '"') : Item;
    }
    return Result;
}

void TStrings::SetCommaText(std::string_view Value)
{
    TUpdateGuard<TStrings> Guard(*this);
    Clear();
    std::size_t P = 0;
    SkipBlanks(Value, P);
    while (P < Value.size()) {
        Add(Value[P] == '"' ? QuotedItem(Value, P) : PlainItem(Value, P));
        SkipBlanks(Value, P);
        // A comma ends the item, and so do blanks alone: "a b" gives two items, as "a, b" does. A
        // comma at the very end starts no empty item, which is why CommaText writes one as "".
        if (P < Value.size() && Value[P] == ',') {
            ++P;
            SkipBlanks(Value, P);
        }
    }
}

std::string TStrings::Text() const
{
    std::string Result;
    for (int I = 0; I < Count(); ++I)
        Result += Get(I) + "\r\n";
    return Result;
}

bool TStrings::Equals(const TStrings &Other) const
{
    if (Count() != Other.Count())
        return false;
    for (int I = 0; I < Count(); ++I) {
        if (Get(I) != Other.Get(I))
            return false;
    }
    return true;
}

void TStrings::Assign(const TPersistent *Source)
{
    const auto *Other = dynamic_cast<const TStrings *>(Source);
    if (Other == nullptr) {
        TPersistent::Assign(Source);
        return;
    }
    if (Other == this)
        return;
    TUpdateGuard<TStrings> Guard(*this);
    Clear();
    for (int I = 0; I < Other->Count(); ++I)
        Add(Other->Get(I));
}

void TStrings::BeginUpdate()
{
    ++FUpdateCount;
}

void TStrings::EndUpdate()
{
    if (FUpdateCount > 0)
        --FUpdateCount;
}

int TStringList::Add(const std::string &S)
{
    if (!FSorted)
        return TStrings::Add(S);
    int Index = 0;
    Find(S, Index);
    FList.insert(FList.begin() + Index, S);
    return Index;
}

void TStringList::Delete(int Index)
{
    CheckListIndex(Index, Count());
    FList.erase(FList.begin() + Index);
}

void TStringList::Clear()
{
    FList.clear();
}

int TStringList::IndexOf(const std::string &S) const
{
    if (!FSorted)
        return TStrings::IndexOf(S);
    int Index = 0;
    return Find(S, Index) ? Index : -1;
}

void TStringList::SetSorted(bool Value)
{
    if (Value == FSorted)
        return;
    if (Value)
        Sort();
    FSorted = Value;
}

void TStringList::Sort()
{
    std::stable_sort(FList.begin(), FList.end(),
            [](const std::string &A, const std::string &B) { return CompareText(A, B) < 0; });
}

bool TStringList::Find(const std::string &S, int &Index) const
{
    const auto Found = std::lower_bound(FList.begin(), FList.end(), S,
            [](const std::string &Item, const std::string &Value) { return CompareText(Item, Value) < 0; });
    Index = static_cast<int>(Found - FList.begin());
    return Found != FList.end() && SameText(*Found, S);
}

const std::string &TStringList::Get(int Index) const
{
    return FList[static_cast<std::size_t>(Index)];
}

void TStringList::Put(int Index, std::string S)
{
    if (FSorted && !KeepsOrder(Index, S))
        throw EListError(std::string(SSortedListError));
    FList[static_cast<std::size_t>(Index)] = std::move(S);
}

int TStringList::GetCount() const
{
    return static_cast<int>(FList.size());
}

void TStringList::InsertItem(int Index, std::string S)
{
    if (FSorted)
        throw EListError(std::string(SSortedListError));
    FList.insert(FList.begin() + Index, std::move(S));
}

bool TStringList::KeepsOrder(int Index, const std::string &S) const
{
    const auto I = static_cast<std::size_t>(Index);
    return (I == 0 || CompareText(FList[I - 1], S) <= 0)
            && (I + 1 == FList.size() || CompareText(S, FList[I + 1]) <= 0);
}

void UpperCaseItems(TStrings &List)
{
    TUpdateGuard<TStrings> Guard(List);
    for (int I = 0; I < List.Count(); ++I)
        List.SetStrings(I, AnsiUpperCase(List.Strings(I)));
}

} // namespace korvan
