// The FROM list: tables and stored procedures with their output fields and joins.
#pragma once

#include "parser/KRFieldDefs.h"
#include "parser/KRJoinDefs.h"

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace korvan {

enum TKRTableDefType : std::uint8_t { qttTable, qttStoredProc };

class TKRTableDefs;

//! One entry of the FROM list. Its alias follows its name until it is given one of its own.
class TKRTableDef : public TKRCollectionItem
{
public:
    explicit TKRTableDef(TCollection *Collection = nullptr);
    //! Frees the fields and joins, drops the joins into this table and the ORDER BY entries that
    //! start with its name and a dot.
    ~TKRTableDef() override;

    const std::string &Alias() const { return FAlias; }
    //! Renames the joins that pointed at the old alias, then stores the new one.
    void SetAlias(const std::string &Value);
    const std::string &Name() const { return FName; }
    //! An alias equal to the old name follows the new name.
    void SetName(const std::string &Value);
    TKRTableDefType TableType() const { return FTableType; }
    void SetTableType(TKRTableDefType Value) { FTableType = Value; }
    //! A stored procedure called with an empty argument list, f(): written so, not as f.
    bool EmptyCall() const { return FEmptyCall; }
    void SetEmptyCall(bool Value) { FEmptyCall = Value; }
    //! Owned; Owner is this table.
    TKRFieldDefs *FieldDefs() const { return FFieldDefs.get(); }
    void SetFieldDefs(const TKRFieldDefs *Value);
    TKRJoinDefs *JoinDefs() const { return FJoinDefs.get(); }
    void SetJoinDefs(const TKRJoinDefs *Value);
    //! The table list this table is in, or null.
    TKRTableDefs *TableDefs() const;

    //! Copies the parser, alias, fields and name; not the type and not the joins.
    void Assign(const TPersistent *Source) override;
    void SetParser(TKRSelectParser *Value) override;
    //! Called by the constructor, so they make the lists of this very class.
    virtual std::unique_ptr<TKRFieldDefs> CreateFieldDefs();
    virtual std::unique_ptr<TKRJoinDefs> CreateJoinDefs();
    std::string ProcessAlias(const std::string &Alias) const
    {
        return KRModelText::ProcessAlias(FParser, Alias);
    }
    //! ":p1, :p2" in "(...)" for a stored procedure with input parameters, else empty.
    std::string GetParamsScript() const;
    //! Two blanks, the name, the parameters and the alias.
    std::string GetEntryScript() const;
    //! The FROM entry: GetEntryScript and, inside a table list, the join chain.
    virtual std::string GetScript() const;

private:
    std::string FAlias;
    std::unique_ptr<TKRFieldDefs> FFieldDefs;
    std::unique_ptr<TKRJoinDefs> FJoinDefs;
    std::string FName;
    TKRTableDefType FTableType = qttTable;
    bool FEmptyCall = false;
};

//! The FROM list. The parser creates it and gives it its parser; it has no owner.
class TKRTableDefs : public TKRCollection
{
public:
    explicit TKRTableDefs(TCollectionItemClass AItemClass = &ItemClassOf<TKRTableDef>);
    ~TKRTableDefs() override;

    TKRTableDef *Add() { return static_cast<TKRTableDef *>(TKRCollection::Add()); }
    TKRTableDef *Insert(int Index) { return static_cast<TKRTableDef *>(TKRCollection::Insert(Index)); }
    TKRTableDef *Items(int Index) const { return static_cast<TKRTableDef *>(TKRCollection::Items(Index)); }

    //! Frees every table at once: no join needs to be checked while all of them go.
    void Clear();
    //! Inside Clear.
    bool Clearing() const { return FClearing; }

    //! The first table whose Name (resp. Alias) is exactly Value, or null.
    TKRTableDef *FindByName(const std::string &Value) const;
    TKRTableDef *FindByAlias(const std::string &Value) const;
    //! The number of fields of all tables.
    int GetFieldCount() const;
    //! The field, in any table, whose SelectIndex is Index (the last one found), or null.
    TKRFieldDef *FieldDefs(int Index) const;
    //! FieldDefs(0) .. FieldDefs(GetFieldCount() - 1) in one pass; the null ones left out.
    std::vector<TKRFieldDef *> SelectList() const;
    //! Base, or Base followed by the first number that makes it an alias no field uses; with Force
    //! never Base itself.
    std::string GetUniqueAlias(const std::string &Base, bool Force) const;
    //! Renames a field whose name another field of its table uses as alias: b AS b1.
    void UpdateFieldAliases();
    //! Every join that pointed at OldAlias points at NewAlias.
    void UpdateTableAlias(const std::string &OldAlias, const std::string &NewAlias);
    //! Ends an update and brings the field aliases in order, on every call.
    void EndUpdate() override;
    //! Whether some join of the list joins Table (by its alias).
    bool IsTableJoined(const TKRTableDef *Table) const;
    //! Drops every join whose joined table is gone. Excluded takes no part (it is being destroyed).
    void UpdateJoins(const TKRTableDef *Excluded = nullptr);
    //! The SELECT list and the FROM clause, without the word SELECT.
    virtual std::string GetScript() const;

    // The field index behind GetFieldCount and GetUniqueAlias: the number of fields and of each
    // alias over all tables. It is built on first use; the fields of the list's tables keep it up
    // to date (see TKRFieldDef), and a table or a field moved in or out drops it.
    void FieldAdded(const std::string &Alias) const;
    void FieldRemoved(const std::string &Alias) const;
    void FieldAliasChanged(const std::string &Old, const std::string &New) const;
    void DropFieldIndex() const;
    //! Keeps the look-up behind FindByName and FindByAlias true after Table's alias or name changed.
    void TableRenamed(
            const TKRTableDef *Table, const std::string &OldAlias, const std::string &OldName) const;

    //! The chain of joins that starts at Root, as it follows Root's entry in the FROM list. The
    //! tables whose joins it wrote are added to Written.
    std::string GetJoinChain(const TKRTableDef *Root, std::vector<const TKRTableDef *> &Written) const;

protected:
    void Notify(TCollectionItem *Item, TCollectionNotification Action) override;
    void ItemMoved(TCollectionItem *Item) override;

private:
    //! The tables whose joins were written, in order and as a set.
    struct TWrittenTables
    {
        std::vector<const TKRTableDef *> &List;
        std::unordered_set<const TKRTableDef *> Set;

        bool Has(const TKRTableDef *Table) const { return Set.count(Table) > 0; }
        void Add(const TKRTableDef *Table)
        {
            if (Set.insert(Table).second)
                List.push_back(Table);
        }
    };

    std::string JoinChain(const TKRTableDef *Root, TWrittenTables &Written) const;
    std::string GetFieldsScript() const;
    bool IsWholeStar(const std::vector<const TKRFieldDef *> &Fields) const;
    std::string GetTablesScript() const;
    void BuildFieldIndex() const;
    bool AliasInUse(const std::string &Alias) const;
    //! The first table of each alias and of each name, built on first use and kept while tables
    //! are only added at the end and renamed; anything else drops it.
    void BuildTableIndex() const;
    void DropTableIndex() const;

    bool FClearing = false;
    mutable bool FFieldIndexBuilt = false;
    mutable int FFieldCount = 0;
    mutable std::unordered_map<std::string, int> FFieldAliases;
    //! For a base of GetUniqueAlias, a number below which every suffix is taken; forgotten as soon
    //! as any alias goes.
    mutable std::unordered_map<std::string, int> FFreeSuffixFrom;
    mutable bool FTableIndexBuilt = false;
    mutable std::unordered_map<std::string, TKRTableDef *> FFirstByAlias;
    mutable std::unordered_map<std::string, TKRTableDef *> FFirstByName;
    //! Tables added since the index was last used; they were still being made when they came.
    mutable std::vector<TCollectionItem *> FNewTables;
};

} // namespace korvan
