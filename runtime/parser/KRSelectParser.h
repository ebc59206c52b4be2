// The SELECT parser: it owns the scanner and the query model and writes the statement back.
#pragma once

#include "parser/KRCriterions.h"
#include "parser/KRGroupOrder.h"
#include "parser/KROperators.h"
#include "parser/KRParserError.h"
#include "parser/KRSQLScanner.h"
#include "parser/KRScriptFormat.h"
#include "parser/KRTableDefs.h"

#include <cstdint>
#include <memory>
#include <string>

namespace korvan {

enum TKRSelectState : std::uint8_t {
    ssBegin,
    ssError,
    ssEnd,
    ssSelect,
    ssFieldDefs,
    ssInto,
    ssFrom,
    ssTableDefs,
    ssWhere,
    ssGroupBy,
    ssHaving,
    ssOrderBy,
    ssAppendix
};

/*!
 * Owns the scanner and every list of the query model; every model object reaches the scanner's
 * name quoting and the letter-case rules through its parser. The parts are made by virtual
 * factories in AfterConstruction, so a dialect parser gets its own scanner by overriding
 * CreateScanner: create parsers with Construct<T>().
 */
class TKRSelectParser : public TPersistent
{
public:
    TKRSelectParser();
    ~TKRSelectParser() override;
    void AfterConstruction() override;

    TKRSQLScanner *Scanner() const { return FScanner.get(); }
    TKRSelectState State() const { return FState; }
    void SetState(TKRSelectState Value) { FState = Value; }

    TKRTableDefs *TableDefs() const { return FTableDefs.get(); }
    void SetTableDefs(const TKRTableDefs *Value);
    TKRWhereItems *WhereItems() const { return FWhereItems.get(); }
    void SetWhereItems(const TKRWhereItems *Value);
    TKROrderByItems *OrderByItems() const { return FOrderByItems.get(); }
    void SetOrderByItems(const TKROrderByItems *Value);
    TKRGroupByItems *GroupByItems() const { return FGroupByItems.get(); }
    void SetGroupByItems(const TKRGroupByItems *Value);
    TKRHavingItems *HavingItems() const { return FHavingItems.get(); }
    void SetHavingItems(const TKRHavingItems *Value);
    //! Upper case and sorted, always: change it through SetAggregates.
    const TStringList &Aggregates() const { return *FAggregates; }
    //! Copies the names, upper-cased and sorted.
    void SetAggregates(const TStrings &Value);
    TKROperators *Operators() const { return FOperators.get(); }
    void SetOperators(const TKROperators *Value);
    TKRScriptFormat *ScriptFormat() const { return FScriptFormat.get(); }
    void SetScriptFormat(const TKRScriptFormat *Value);

    bool Distinct() const { return GetDistinct(); }
    //! The name and alias of the table read last in the FROM clause.
    const std::string &LastTableName() const { return FLastTableName; }
    const std::string &LastTableAlias() const { return FLastTableAlias; }

    const TKRParserErrorEvent &OnParserError() const { return FOnParserError; }
    void SetOnParserError(TKRParserErrorEvent Value) { FOnParserError = std::move(Value); }

    //! The statement as text, written from the model.
    std::string Expression() { return GetExpression(); }

    virtual std::unique_ptr<TKRSQLScanner> CreateScanner();
    virtual std::unique_ptr<TKRTableDefs> CreateTableDefs();
    virtual std::unique_ptr<TKRWhereItems> CreateWhereItems();
    virtual std::unique_ptr<TKRHavingItems> CreateHavingItems();
    virtual std::string GetCommaAggregates() const;
    //! SELECT [DISTINCT], the fields and tables, then WHERE, GROUP BY, HAVING and ORDER BY.
    virtual std::string GetExpression();
    //! INNER, LEFT, RIGHT or FULL.
    virtual bool IsJoinDef(const std::string &Word) const;
    virtual void DefineAggregates();
    virtual void DefineOperators();
    virtual bool GetDistinct() const;
    virtual void SetDistinct(bool Value);
    //! Empties the model, resets the condition filters and gives the scanner an empty text.
    virtual void Clear();

    //! Text in the letter case of ScriptFormat; an empty text stays empty.
    std::string ProcessKeyword(const std::string &Word) const;
    std::string ProcessFunction(const std::string &Name) const;

protected:
    std::unique_ptr<TKRSQLScanner> FScanner;
    TKRSelectState FState = ssBegin;
    std::unique_ptr<TKRTableDefs> FTableDefs;
    std::unique_ptr<TKRWhereItems> FWhereItems;
    std::unique_ptr<TKROrderByItems> FOrderByItems;
    std::unique_ptr<TKRGroupByItems> FGroupByItems;
    std::unique_ptr<TKRHavingItems> FHavingItems;
    std::unique_ptr<TStringList> FAggregates;
    std::unique_ptr<TKROperators> FOperators;
    bool FDistinct = false;
    std::string FLastTableName;
    std::string FLastTableAlias;
    TKRParserErrorEvent FOnParserError;
    std::unique_ptr<TKRScriptFormat> FScriptFormat;
};

} // namespace korvan
