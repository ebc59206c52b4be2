// Lists of strings: the abstract TStrings and the vector-backed TStringList.
#pragma once

#include "framework/KRPersistent.h"

#include <string>
#include <string_view>
#include <vector>

namespace korvan {

//! A list of strings kept by a descendant, which supplies the storage through Get, Put, GetCount,
//! InsertItem, Delete and Clear. Indexes out of range raise EListError.
class TStrings : public TPersistent
{
public:
    //! Appends S (a sorted list puts it in its place) and returns its index.
    virtual int Add(const std::string &S);
    //! Index runs from 0 to Count(), the latter appending.
    void Insert(int Index, const std::string &S);
    virtual void Delete(int Index) = 0;
    virtual void Clear() = 0;
    int Count() const { return GetCount(); }
    const std::string &Strings(int Index) const;
    void SetStrings(int Index, const std::string &S);
    //! The index of the first item equal to S ignoring ASCII case, -1 when there is none.
    virtual int IndexOf(const std::string &S) const;

    //! The items joined by commas; an item that is empty or holds a blank, a control character, a
    //! comma or a double quote is enclosed in double quotes, each double quote inside doubled, so
    //! that SetCommaText(CommaText()) gives the same items back.
    std::string CommaText() const;
    //! Replaces the items by those of Value, split at commas and, outside double quotes, at blanks
    //! and control characters: `a,"b c",,d e` gives a|b c||d|e. Inside double quotes a doubled
    //! double quote stands for one.
    void SetCommaText(std::string_view Value);
    //! Every item followed by CR LF.
    std::string Text() const;
    //! Same items in the same order, letter case included.
    bool Equals(const TStrings &Other) const;

    //! From another TStrings: replaces the items by copies of its items.
    void Assign(const TPersistent *Source) override;

    virtual void BeginUpdate();
    //! Closes one BeginUpdate; an EndUpdate without a BeginUpdate is ignored.
    virtual void EndUpdate();
    int UpdateCount() const { return FUpdateCount; }

protected:
    // The storage. Index is always in range when these are called from TStrings.
    virtual const std::string &Get(int Index) const = 0;
    virtual void Put(int Index, std::string S) = 0;
    virtual int GetCount() const = 0;
    virtual void InsertItem(int Index, std::string S) = 0;

private:
    int FUpdateCount = 0;
};

//! A TStrings kept in a vector, optionally sorted. Sorting ignores ASCII letter case and accepts
//! duplicates.
class TStringList : public TStrings
{
public:
    using const_iterator = std::vector<std::string>::const_iterator;

    int Add(const std::string &S) override;
    void Delete(int Index) override;
    void Clear() override;
    //! Binary search when sorted, linear otherwise.
    int IndexOf(const std::string &S) const override;

    bool Sorted() const { return FSorted; }
    //! Switching it on sorts the list; while on, Add keeps the order, Insert raises EListError and
    //! SetStrings raises it for a value that would break the order.
    void SetSorted(bool Value);
    //! Stable: items equal but for letter case keep their order.
    virtual void Sort();
    //! Binary search on a sorted list, ignoring ASCII case. Returns whether S is there; Index is the
    //! first equal item, or the position where S would be inserted.
    virtual bool Find(const std::string &S, int &Index) const;

    const_iterator begin() const { return FList.begin(); }
    const_iterator end() const { return FList.end(); }

protected:
    const std::string &Get(int Index) const override;
    void Put(int Index, std::string S) override;
    int GetCount() const override;
    void InsertItem(int Index, std::string S) override;

private:
    bool KeepsOrder(int Index, const std::string &S) const;

    std::vector<std::string> FList;
    bool FSorted = false;
};

//! Upper-cases every item of List in place (ASCII letters only).
void UpperCaseItems(TStrings &List);

} // namespace korvan
