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
#include <unordered_set>
#include <utility>
#include <vector>

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
 * CreateScanner: only Construct<T>() can make a parser.
 */
class TKRSelectParser : public TPersistent
{
public:
    explicit TKRSelectParser(TConstructKey Key);
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
    std::string Expression() const { return GetExpression(); }
    //! Reads a statement into the model, which it replaces; an empty or blank text empties it. A
    //! statement that fails to read changes nothing: the model read before stays, its objects too.
    //! A syntax error goes to OnParserError when one is set, else it is raised as EKRParserError;
    //! an unterminated string or comment and a nesting limit are always raised.
    void SetExpression(const std::string &Text);

    virtual std::unique_ptr<TKRSQLScanner> CreateScanner();
    virtual std::unique_ptr<TKRTableDefs> CreateTableDefs();
    virtual std::unique_ptr<TKRWhereItems> CreateWhereItems();
    virtual std::unique_ptr<TKRHavingItems> CreateHavingItems();
    virtual std::string GetCommaAggregates() const;
    //! SELECT, the select options, the fields and tables, then WHERE, GROUP BY, HAVING, ORDER BY and
    //! the dialect's clauses after them. The GROUP BY list is derived from the select list on the way.
    virtual std::string GetExpression() const;
    //! What stands between SELECT and the select list: DISTINCT, and a dialect's own words.
    virtual std::string GetSelectOptionsScript() const;
    //! A dialect's clauses after ORDER BY (ROWS, LIMIT); none here.
    virtual std::string GetAppendixScript() const;
    //! INNER, LEFT, RIGHT or FULL.
    virtual bool IsJoinDef(const std::string &Word) const;
    virtual void DefineAggregates();
    virtual void DefineOperators();
    virtual bool GetDistinct() const;
    virtual void SetDistinct(bool Value);
    //! Empties the model, resets the condition filters and gives the scanner an empty text.
    virtual void Clear();

    virtual void DoParse();
    virtual void DoParseBegin();
    virtual void DoParseSelectClause();
    virtual void DoParseIntoClause();
    virtual void DoParseFieldDef();
    virtual void DoParseFieldDefs();
    virtual void DoParseFromClause();
    virtual void DoParseTableDef();
    virtual void DoParseProcParams();
    virtual void DoParseJoinDef();
    virtual void DoParseTableDefs();
    virtual void DoParseWhereClause();
    virtual void DoParseGroupByClause();
    virtual void DoParseHavingClause();
    virtual void DoParseOrderByClause();
    virtual void DoParseAppendix();
    //! Reads a WHERE or HAVING condition into List, up to the first token it does not take.
    virtual void DoParseCriterions(TKRCriterions *List);
    /*!
     * Reads one value into Root (cleared first) and returns the table its last qualifier names,
     * or the table made for a "*". The expression ends at a token of one of the Terminators kinds
     * (or tkEnd) that is not one of StopWords (comma text). With UseQualifiedNames an identifier
     * is named as written with its qualifiers; without, by its last part.
     */
    virtual TKRTableDef *DoParseExpression(TKRFunctionDef *Root, TTokenKinds Terminators,
            const std::string &StopWords, bool UseQualifiedNames);
    //! Reports a syntax error at Token: code 1, or 2 for the end of the text.
    virtual void ProcessError(const std::string &Token, int Line, int Column);

    //! Text in the letter case of ScriptFormat; an empty text stays empty.
    std::string ProcessKeyword(const std::string &Word) const;
    std::string ProcessFunction(const std::string &Name) const;

protected:
    //! Moves the statement's model aside and puts empty lists in its place for a parse to read
    //! into; a dialect adds its option records.
    virtual void SaveModel();
    //! Puts the model SaveModel moved aside back; what was read since is freed.
    virtual void RestoreModel();
    //! The statement read since SaveModel replaces the last one: its items move into the lists
    //! of the model moved aside, which stay the parser's lists (whoever holds them keeps them).
    virtual void TakeReadModel();
    bool ModelSaved() const { return FSaved != nullptr; }

    //! The name the model stores for the current token: its text with the quoting undone.
    virtual std::string GetTokenName() const;
    //! Whether the current token is a word that ends a FROM entry (a keyword or a join word).
    bool IsEntryEnd() const;
    //! Whether the current token is a word that stands for a value of its own where it stands
    //! alone (TRUE, NULL, CURRENT_DATE, ...): not quoted, and followed by neither "(" nor ".".
    bool IsLiteralWord() const;
    //! Whether the token after the current one is Word, not quoted.
    bool NextIs(const char *Word) const;
    //! Whether the current token may start a value: an operand, "(", a sign, a literal word, or a
    //! region kept whole (CASE, a subquery, ...).
    bool IsValueStart() const;

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
    //! Set when the last DoParseExpression ended at a ")" that belongs to its caller; that ")" is
    //! then the current token.
    bool FHandedBack = false;

private:
    struct TSavedModel;
    //! New, empty model lists of this parser.
    void MakeModel();

    struct TExprValue;
    struct TCondition;

    // Reading values (DoParseExpression).
    bool ReadValue(TExprValue &Value, bool InCall);
    bool ReadOperand(TExprValue &Value, bool InCall, bool &Empty);
    bool ReadName(TExprValue &Value, bool InCall);
    bool ReadCall(TExprValue &Value);
    bool ReadWhole(TExprValue &Value);
    bool ReadCasts(TExprValue &Value);
    bool ReadCallOrWhole(TExprValue &Value, const TKRScanMark &NameStart);
    void ReadTypedLiteral(TExprValue &Value);
    void AppendRaw(std::string &Text, int &After) const;
    //! A keyword that names a function here: LEFT(a, 2) where LEFT is a keyword of the dialect.
    bool IsCallKeyword() const;
    bool IsTypedLiteral() const;
    bool IsParameter() const;
    void ReadParameter(TExprValue &Value);
    bool ReadWholeText(std::string &Text);
    bool ReadSigned(TExprValue &Value, bool InCall);
    void ReadLiteralWord(TExprValue &Value);
    std::pair<int, int> RawToken() const;
    bool IsSign() const;
    //! Whether the current token starts a region the model keeps whole: a subquery in parentheses,
    //! CASE ... END, CAST(...), EXISTS (...), ANY/SOME/ALL (...).
    bool IsWholeStart() const;

    bool IsTerminator() const;
    void ApplyValue(const TExprValue &Value, TKRFunctionDef &Node) const;
    bool Fail();

    // Reading conditions (DoParseCriterions).
    bool ReadConditionList(TKRCriterions &Out, bool Nested, bool &SingleBare);
    bool ReadCondition(TCondition &Condition);
    void BuildConditionList(
            std::vector<TCondition> &Items, const std::vector<bool> &Ands, TKRCriterions &Out);
    bool ReadParenthesised(TCondition &Condition);
    bool ReadWholeCondition(TKRCriterion &Criterion);
    bool ReadComparison(TKRCriterion &Criterion);
    bool ReadOperator(TKRCriterion &Criterion, const TKROperator *&Operator);
    bool ReadOperands(TKRCriterion &Criterion, const TKROperator &Operator);

    // The FROM clause.
    TKRTableDef *TakeTableDef(const std::string &Key);
    void PlaceField(const TKRFieldDef &Field, TKRTableDef *Table);
    void FinishFromClause();
    bool ReadNameList(std::string &Item);
    bool ReadJoinField(std::string &Qualifier, std::string &Field);
    void ReadJoinComparisons(TKRJoinKind Kind);
    bool ReadListItem(std::string &Item, bool &Expression, bool Sorting);
    TKRSelectState NextClause(TKRSelectState Current);
    std::string NamePart(const std::string &Part) const;

    //! Expression state: the field has its alias; the expression's tables and the context.
    bool FAliased = false;
    TTokenKinds FTerminators;
    std::vector<std::string> FStopWords;
    bool FQualifiedNames = false;
    TKRTableDef *FExprTable = nullptr;
    TKRFunctionDef *FExprRoot = nullptr;
    //! The table definitions that FROM entries named, in their order; the same as a set, and
    //! their aliases, for look-ups.
    std::vector<const TKRTableDef *> FFromEntries;
    std::unordered_set<const TKRTableDef *> FFromSet;
    std::unordered_set<std::string> FFromAliases;
    //! The model of the last statement read, while a parse reads the next one.
    std::unique_ptr<TSavedModel> FSaved;
    //! Set by a refusal that no other reading may turn into a value (t.* as an argument).
    bool FRefused = false;
    //! The parameters of the stored procedure being read, before its table definition is known.
    TKRTableDef *FProcParams = nullptr;
};

} // namespace korvan
