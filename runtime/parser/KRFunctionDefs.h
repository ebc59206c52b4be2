// Expression nodes: a function call with its arguments, a name, a literal or an expression text.
#pragma once

#include "parser/KRCollection.h"

#include <cstdint>
#include <memory>
#include <string>

namespace korvan {

enum TKRFunctionKind : std::uint8_t {
    fkUnknown,
    fkFunction,
    fkIdentifier,
    fkInteger,
    fkFloat,
    fkString,
    fkExpression
};

class TKRFunctionDefs;

//! One node of an expression. A node without a collection stands alone (criteria use such nodes):
//! its identifiers are written as stored, never qualified by a table.
class TKRFunctionDef : public TKRCollectionItem
{
public:
    explicit TKRFunctionDef(TCollection *Collection = nullptr);
    ~TKRFunctionDef() override;

    //! The function, column, literal or expression text, by Kind.
    const std::string &Name() const { return FName; }
    virtual void SetName(const std::string &Value);
    TKRFunctionKind Kind() const { return FKind; }
    virtual void SetKind(TKRFunctionKind Value);
    //! An identifier written as read, without the qualifier of the table it belongs to: a column
    //! read without one in a statement over several tables, whose table nothing tells.
    bool Unqualified() const { return FUnqualified; }
    void SetUnqualified(bool Value) { FUnqualified = Value; }
    //! DISTINCT or ALL before a call's arguments (COUNT(DISTINCT x)), upper case; empty without.
    const std::string &Quantifier() const { return FQuantifier; }
    void SetQuantifier(const std::string &Value) { FQuantifier = Value; }
    //! Owned; its Owner is this node.
    TKRFunctionDefs *Arguments() const { return FArguments.get(); }
    void SetArguments(const TKRFunctionDefs *Value);

    void Assign(const TPersistent *Source) override;
    void SetParser(TKRSelectParser *Value) override;
    //! Called by the constructor, so it makes the argument list of this very class.
    virtual std::unique_ptr<TKRFunctionDefs> CreateArguments();
    virtual std::string GetScript() const;
    virtual void Clear();

protected:
    std::string FName;
    TKRFunctionKind FKind = fkUnknown;
    bool FUnqualified = false;
    std::string FQuantifier;
    std::unique_ptr<TKRFunctionDefs> FArguments;
};

class TKRFunctionDefs : public TKRCollection
{
public:
    //! Owner is the node, table or criterion that holds the list.
    TKRFunctionDefs(TPersistent *Owner, TCollectionItemClass AItemClass);
    ~TKRFunctionDefs() override;

    TKRFunctionDef *Add() { return static_cast<TKRFunctionDef *>(TKRCollection::Add()); }
    TKRFunctionDef *Insert(int Index) { return static_cast<TKRFunctionDef *>(TKRCollection::Insert(Index)); }
    TKRFunctionDef *Items(int Index) const
    {
        return static_cast<TKRFunctionDef *>(TKRCollection::Items(Index));
    }

    //! Every node's text, joined by ", ".
    virtual std::string GetScript() const;
};

} // namespace korvan
