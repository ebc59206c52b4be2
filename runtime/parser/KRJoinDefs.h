// Joins: each is stored on the table it starts from and names a field of a joined table.
#pragma once

#include "parser/KRCollection.h"

#include <cstdint>
#include <string>

namespace korvan {

enum TKRJoinKind : std::uint8_t { krjInnerJoin, krjLOuterJoin, krjROuterJoin, krjFOuterJoin };

class TKRTableDef;

class TKRJoinDef : public TKRCollectionItem
{
public:
    explicit TKRJoinDef(TCollection *Collection = nullptr);

    //! The comparison between the two fields, "=" for a new join.
    const std::string &Operation() const { return FOperation; }
    void SetOperation(const std::string &Value) { FOperation = Value; }
    TKRJoinKind JoinKind() const { return FJoinKind; }
    void SetJoinKind(TKRJoinKind Value) { FJoinKind = Value; }
    //! The field of the joined table.
    const std::string &JoinFieldName() const { return FJoinFieldName; }
    void SetJoinFieldName(const std::string &Value) { FJoinFieldName = Value; }
    //! The joined table: its alias, or else its name.
    const std::string &JoinTable() const { return FJoinTable; }
    void SetJoinTable(const std::string &Value) { FJoinTable = Value; }
    //! The field of the owning table.
    const std::string &FieldName() const { return FFieldName; }
    void SetFieldName(const std::string &Value) { FFieldName = Value; }

    //! From another join copies everything but the parser.
    void Assign(const TPersistent *Source) override;
    //! The owner of the join list this join is in, or null.
    TKRTableDef *GetTableDef() const;
    //! One join clause, e.g. LEFT OUTER JOIN orders o ON (c.id = o.cust_id); empty when the join
    //! cannot be resolved.
    virtual std::string GetScript() const;
    //! The join word, JOIN and the joined table; empty when that table cannot be found.
    std::string GetHeadScript() const;
    //! The comparison in parentheses, (c.id = o.cust_id); empty when the join cannot be resolved.
    std::string GetComparisonScript() const;

private:
    const TKRTableDef *FindJoinedTable() const;

    std::string FOperation = "=";
    TKRJoinKind FJoinKind = krjInnerJoin;
    std::string FJoinFieldName;
    std::string FJoinTable;
    std::string FFieldName;
};

//! The joins that start at one table; Owner is that table.
class TKRJoinDefs : public TKRCollection
{
public:
    TKRJoinDefs(TPersistent *Owner, TCollectionItemClass AItemClass);

    TKRJoinDef *Add() { return static_cast<TKRJoinDef *>(TKRCollection::Add()); }
    TKRJoinDef *Insert(int Index) { return static_cast<TKRJoinDef *>(TKRCollection::Insert(Index)); }
    TKRJoinDef *Items(int Index) const { return static_cast<TKRJoinDef *>(TKRCollection::Items(Index)); }

    //! The first join with exactly these three names, or null.
    TKRJoinDef *Find(const std::string &FieldName, const std::string &JoinTable,
            const std::string &JoinFieldName) const;
    //! Every join clause on a line of its own after two blanks (the line break comes first); the
    //! joins into one table are one clause, their comparisons joined by AND.
    virtual std::string GetScript() const;
};

//! The comparison read the other way round: < and >, <= and >= change places when the two sides
//! of a comparison do; the others stay.
std::string KRMirrorComparison(const std::string &Operation);

} // namespace korvan
