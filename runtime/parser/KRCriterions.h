// WHERE and HAVING conditions: a tree of comparisons and of groups joined by a filter.
#pragma once

#include "parser/KRFunctionDefs.h"

#include <cstdint>
#include <memory>
#include <string>

namespace korvan {

//! What a condition's field, aggregate or value holds while it is not filled in: nine blanks, which
//! the criteria editors show wide enough to be clicked. Such a condition is not written.
inline constexpr const char *CriterionPlaceholder = "         ";

//! All, any, none or not all of the following are met.
enum TKRCriterionFilter : std::uint8_t { cfAll, cfAny, cfNone, cfNotAll };

//! "All", "Any", "None" or "Not all"; empty for any other value.
std::string GetFilterAsString(TKRCriterionFilter Filter);

class TKRCriterions;

//! A comparison (left side, operator, right-side operands) or, with sub-items, a group.
class TKRCriterion : public TKRCollectionItem
{
public:
    explicit TKRCriterion(TCollection *Collection = nullptr);
    ~TKRCriterion() override;

    //! Owned; Owner is this criterion. With items the criterion is a group.
    TKRCriterions *SubItems() const { return FSubItems.get(); }
    void SetSubItems(const TKRCriterions *Value);
    //! The Caption of the operator used.
    const std::string &Operator() const { return FOperator; }
    void SetOperator(const std::string &Value) { FOperator = Value; }
    //! Owned; Owner is this criterion.
    TKRFunctionDefs *RightSide() const { return FRightSide.get(); }
    void SetRightSide(const TKRFunctionDefs *Value);
    //! Owned and free-standing, so its identifiers are written as stored.
    TKRFunctionDef *LeftSide() const { return FLeftSide.get(); }
    void SetLeftSide(const TKRFunctionDef *Value);

    void Assign(const TPersistent *Source) override;
    //! Also replaces an operator the parser's table does not know by the table's first one.
    void SetParser(TKRSelectParser *Value) override;
    virtual std::string GetScript() const;
    //! Whether the condition is complete enough to be written: a left side, and every operand its
    //! operator takes, neither blank. A group is complete when one of its items is. A condition
    //! being edited stays in the model while it is not.
    bool IsComplete() const;

private:
    std::unique_ptr<TKRCriterions> FSubItems;
    std::string FOperator;
    std::unique_ptr<TKRFunctionDefs> FRightSide;
    std::unique_ptr<TKRFunctionDef> FLeftSide;
};

class TKRCriterions : public TKRCollection
{
public:
    //! Owner: the parser for the WHERE and HAVING lists, the criterion for a group's list.
    TKRCriterions(TPersistent *Owner, TCollectionItemClass AItemClass = &ItemClassOf<TKRCriterion>);
    ~TKRCriterions() override;

    TKRCriterion *Add() { return static_cast<TKRCriterion *>(TKRCollection::Add()); }
    TKRCriterion *Insert(int Index) { return static_cast<TKRCriterion *>(TKRCollection::Insert(Index)); }
    TKRCriterion *Items(int Index) const { return static_cast<TKRCriterion *>(TKRCollection::Items(Index)); }

    TKRCriterionFilter Filter() const { return FFilter; }
    void SetFilter(TKRCriterionFilter Value) { FFilter = Value; }

    //! From another criterion list copies its items and its filter.
    void Assign(const TPersistent *Source) override;
    //! Each complete item in parentheses, joined by AND or OR on lines of their own; None and Not
    //! all are negated as a whole. Nothing when no item is complete.
    virtual std::string GetScript() const;

private:
    TKRCriterionFilter FFilter = cfAll;
};

class TKRWhereItems : public TKRCriterions
{
public:
    using TKRCriterions::TKRCriterions;
    //! WHERE and the conditions, or nothing without conditions.
    std::string GetScript() const override;
};

class TKRHavingItems : public TKRCriterions
{
public:
    using TKRCriterions::TKRCriterions;
    //! HAVING and the conditions; nothing unless the parser's GROUP BY list has entries.
    std::string GetScript() const override;
};

} // namespace korvan
