// The operator table: how many operands each comparison takes and the words around them.
#pragma once

#include "framework/KRCollectionBase.h"

#include <string>
#include <string_view>

namespace korvan {

class TKROperator : public TCollectionItem
{
public:
    explicit TKROperator(TCollection *Collection = nullptr);

    //! The text that criteria store and that the SQL carries; operators are recognised by it.
    const std::string &Caption() const { return FCaption; }
    void SetCaption(const std::string &Value) { FCaption = Value; }
    //! Operands after the operator; a value below 0 counts as 0.
    int Count() const { return FCount; }
    void SetCount(int Value) { FCount = Value; }
    //! The criteria editor finds a row's operator by it.
    const std::string &Name() const { return FName; }
    void SetName(const std::string &Value) { FName = Value; }
    //! The word between two operands (AND for BETWEEN).
    const std::string &Relate() const { return FRelate; }
    void SetRelate(const std::string &Value) { FRelate = Value; }
    //! The texts expected before and after the operands: "(" and ")" for IN.
    const std::string &Prefix() const { return FPrefix; }
    void SetPrefix(const std::string &Value) { FPrefix = Value; }
    const std::string &Postfix() const { return FPostfix; }
    void SetPostfix(const std::string &Value) { FPostfix = Value; }

    void Assign(const TPersistent *Source) override;
    std::string GetDisplayName() const override { return FCaption; }

private:
    std::string FCaption;
    int FCount = 1;
    std::string FName;
    std::string FRelate;
    std::string FPrefix;
    std::string FPostfix;
};

class TKROperators : public TCollection
{
public:
    TKROperators();

    TKROperator *Add() { return static_cast<TKROperator *>(TCollection::Add()); }
    TKROperator *Insert(int Index) { return static_cast<TKROperator *>(TCollection::Insert(Index)); }
    TKROperator *Items(int Index) const { return static_cast<TKROperator *>(TCollection::Items(Index)); }
    void SetItems(int Index, const TKROperator *Value);

    void Assign(const TPersistent *Source) override;
    //! The first operator whose Caption (resp. Name) is exactly Text, or null.
    TKROperator *FindByCaption(const std::string &Text) const;
    TKROperator *FindByName(const std::string &Text) const;
    //! The first operator whose Caption begins with Text, ignoring case. Partial tells whether
    //! Text is only the beginning of it; it is left alone when nothing is found.
    TKROperator *FindNearest(const std::string &Text, bool &Partial) const;
    //! Empties the table and fills it with the default operators, = to IS NOT NULL.
    void LoadDefaults();
};

//! The table as text that forms store: one operator a line, its name, caption, operand count,
//! prefix, relate and postfix, each in double quotes (inner quotes doubled), separated by commas.
//! Lines end with LF.
std::string OperatorsText(const TKROperators &Operators);
//! Replaces the table by what Text holds in the form OperatorsText writes (CR LF line ends and
//! empty lines are taken too). Raises EConvertError naming the line and what is wrong with it, and
//! then leaves the table as it was.
void SetOperatorsText(TKROperators &Operators, std::string_view Text);

} // namespace korvan
