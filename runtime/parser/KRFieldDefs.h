// Output columns of the SELECT list and the per-table lists that hold them.
#pragma once

#include "framework/KRDataSet.h"
#include "parser/KRFunctionDefs.h"

namespace korvan {

class TKRTableDef;
class TKRTableDefs;

/*!
 * One output column. Its alias follows its name until it is given one of its own, and a computed
 * column gets a generated alias (FIELD_1, ...). SelectIndex is the column's 0-based position in the
 * whole SELECT list; over all tables of a table list the values are 0 .. count-1, each once.
 */
class TKRFieldDef : public TKRFunctionDef
{
public:
    explicit TKRFieldDef(TCollection *Collection = nullptr);
    ~TKRFieldDef() override;

    const std::string &Alias() const { return FAlias; }
    void SetAlias(const std::string &Value);
    int SelectIndex() const { return FSelectIndex; }
    void SetSelectIndex(int Value) { FSelectIndex = Value; }
    //! ptInput and ptInputOutput mark a stored procedure's input parameters, which are written
    //! into the call and never into the SELECT list.
    TParamType ParamType() const { return FParamType; }
    void SetParamType(TParamType Value) { FParamType = Value; }
    bool IsInputParam() const { return FParamType == ptInput || FParamType == ptInputOutput; }
    //! A "*" entry: no name, kind fkUnknown.
    bool IsStar() const { return FName.empty() && FKind == fkUnknown; }

    //! Copies the node, and from another field its alias and parameter type (not SelectIndex).
    void Assign(const TPersistent *Source) override;
    void SetName(const std::string &Value) override;
    void SetKind(TKRFunctionKind Value) override;
    void Clear() override;
    std::string GetScript() const override;
    //! A free alias made from Base, unique in the whole table list (see GetUniqueAlias).
    virtual std::string GenerateAlias(const std::string &Base, bool Force) const;

    //! The alias of the table this field belongs to, empty without one.
    std::string GetTableAlias() const;
    std::string ProcessAlias(const std::string &Alias) const
    {
        return KRModelText::ProcessAlias(FParser, Alias);
    }
    //! The table whose field list holds this field, or null.
    TKRTableDef *TableDef() const;
    //! The table list that holds that table, or null.
    TKRTableDefs *TableDefs() const;

private:
    //! Every change of the alias goes through here, so the table list's index stays true.
    void ChangeAlias(const std::string &Value);

    std::string FAlias;
    int FSelectIndex = 0;
    TParamType FParamType = ptResult;
};

//! The fields of one table; Owner is the table.
class TKRFieldDefs : public TKRFunctionDefs
{
public:
    TKRFieldDefs(TPersistent *Owner, TCollectionItemClass AItemClass);
    ~TKRFieldDefs() override;

    TKRFieldDef *Add() { return static_cast<TKRFieldDef *>(TKRCollection::Add()); }
    TKRFieldDef *Insert(int Index) { return static_cast<TKRFieldDef *>(TKRCollection::Insert(Index)); }
    TKRFieldDef *Items(int Index) const { return static_cast<TKRFieldDef *>(TKRCollection::Items(Index)); }

    //! The first field whose Name (resp. Alias) is exactly Value, or null.
    TKRFieldDef *FindByName(const std::string &Value) const;
    TKRFieldDef *FindByAlias(const std::string &Value) const;
    //! The table that owns the list, or null.
    TKRTableDef *TableDef() const;

    //! Output fields (no input parameters), each on its own line after two blanks.
    std::string GetScript() const override;

protected:
    void Notify(TCollectionItem *Item, TCollectionNotification Action) override;
};

} // namespace korvan
