// GROUP BY, derived from the SELECT list, and ORDER BY with a direction per entry.
#pragma once

#include "parser/KRCollection.h"

#include <cstdint>
#include <string>
#include <unordered_set>
#include <vector>

namespace korvan {

enum TKROrderKind : std::uint8_t { okAsc, okDesc };

/*!
 * Entries are processed names such as t.a. The list is derived from the SELECT list whenever the
 * statement is written, so what is stored in it otherwise does not last. The entries read from a
 * statement's own GROUP BY are kept beside it (ReadItems) and written after the derived ones, so
 * that grouping the select list does not imply is never lost: GROUP BY y, GROUP BY 1,
 * GROUP BY upper(d).
 */
class TKRGroupByItems : public TKRStringList
{
public:
    using TKRStringList::TKRStringList;
    //! Rebuilds the list from the parser's SELECT list, then writes GROUP BY (or nothing).
    virtual std::string GetScript();
    //! The rebuild alone: every plain column, when the SELECT list mixes them with aggregates.
    void Rebuild();

    //! The entries read from the statement, in their order: names as read (t.a), positions and
    //! expressions as text that is written unchanged (IsReadExpression).
    const TStringList &ReadItems() const { return FReadItems; }
    //! Adds an entry read from the statement unless an equal one (letter case ignored) is there.
    void AddRead(const std::string &Text, bool Expression);
    bool IsReadExpression(int Index) const;
    void DeleteRead(int Index);
    void ClearRead();
    //! The derived entries, and from another GROUP BY list its read entries too.
    void Assign(const TPersistent *Source) override;

    //! The read entries that are not already written as derived ones, as written: call it after
    //! Rebuild.
    std::vector<std::string> KeptScripts() const;

private:
    TStringList FReadItems;
    std::vector<bool> FReadExpressions;
    //! The read entries in upper case, for the test of AddRead.
    std::unordered_set<std::string> FReadKeys;
    //! The names of the columns the last rebuild grouped: a read bare name of one is that entry.
    std::vector<std::string> FDerivedNames;
};

/*!
 * Sort entries with a direction each, kept at the same index. An entry is a column or an output
 * alias (a name, quoted for output when written), or a position or an expression, whose text is
 * written unchanged (IsExpression): ORDER BY 1, ORDER BY upper(d).
 */
class TKROrderByItems : public TKRStringList
{
public:
    using TKRStringList::TKRStringList;

    //! Adds Text in ascending order.
    int Add(const std::string &Text) override;
    int AddOrdered(const std::string &Text, TKROrderKind Kind);
    //! Adds a position or an expression, written as it is.
    int AddExpression(const std::string &Text, TKROrderKind Kind);
    bool IsExpression(int Index) const;
    void Delete(int Index) override;
    void Clear() override;
    //! okAsc outside the list.
    TKROrderKind Orders(int Index) const;
    //! Ignored outside the list.
    void SetOrders(int Index, TKROrderKind Value);
    //! The strings, and from another ORDER BY list the directions too (else all ascending).
    void Assign(const TPersistent *Source) override;
    virtual std::string GetScript() const;

protected:
    void InsertItem(int Index, std::string S) override;

private:
    struct TEntry
    {
        TKROrderKind Order = okAsc;
        bool Expression = false;
    };
    std::vector<TEntry> FEntries;
};

} // namespace korvan
