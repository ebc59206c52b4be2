// GROUP BY, derived from the SELECT list, and ORDER BY with a direction per entry.
#pragma once

#include "parser/KRCollection.h"

#include <cstdint>
#include <string>
#include <vector>

namespace korvan {

enum TKROrderKind : std::uint8_t { okAsc, okDesc };

//! Entries are processed names such as t.a. The list is derived from the SELECT list whenever the
//! statement is written, so what is stored in it otherwise does not last.
class TKRGroupByItems : public TKRStringList
{
public:
    using TKRStringList::TKRStringList;
    //! Rebuilds the list from the parser's SELECT list, then writes GROUP BY (or nothing).
    virtual std::string GetScript();
    //! The rebuild alone: every plain column, when the SELECT list mixes them with aggregates.
    void Rebuild();
};

//! Sort entries (a column or an output alias) with a direction each, kept at the same index.
class TKROrderByItems : public TKRStringList
{
public:
    using TKRStringList::TKRStringList;

    //! Adds Text in ascending order.
    int Add(const std::string &Text) override;
    int AddOrdered(const std::string &Text, TKROrderKind Kind);
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
    std::vector<TKROrderKind> FOrders;
};

} // namespace korvan
