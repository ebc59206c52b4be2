// The fields a statement itself tells of its tables, for a query builder that has no database to
// ask: each table's columns as the statement names them, and a stored procedure's parameters.
#pragma once

#include "framework/KRDataSet.h"
#include "parser/KRSelectParser.h"

#include <map>
#include <memory>
#include <string>

namespace korvan {

//! What the application would hand the component for one table of the FROM list.
struct TKRStatementTable
{
    //! The columns, each of type ftUnknown, in the order of the clauses that name them: the select
    //! list, the joins, WHERE, GROUP BY, HAVING, ORDER BY.
    TDataSet DataSet;
    //! A stored procedure's input parameters, one for each argument that is a name.
    std::unique_ptr<TParams> Params = std::make_unique<TParams>();
};

/*!
 * The columns that the statement in Parser's model names for each table: in the select list (as a
 * column or inside a call), on either side of a join, as alias.column inside the WHERE and HAVING
 * conditions (read with the dialect's scanner, subqueries included), in GROUP BY and in ORDER BY.
 * Left out is whatever no table can be told for: a column without a table in a statement over
 * several tables, "*", literal words, expressions kept whole, positions, and GROUP BY or ORDER BY names that
 * are output aliases. A name met in a condition, GROUP BY or ORDER BY that a column already has,
 * letter case aside, adds nothing.
 *
 * Tables are found by their name, as the component asks for them: a table named twice under two
 * aliases gets the columns of both.
 */
class TKRStatementFields
{
public:
    //! Reads Parser's model; Parser is only borrowed (its dialect makes the scanner).
    explicit TKRStatementFields(TKRSelectParser &Parser);

    //! The table the FROM list names Name, nullptr for any other. The component takes its data set
    //! and parameters as the application's, which is why they are not const.
    TKRStatementTable *Find(const std::string &Name);
    const std::map<std::string, TKRStatementTable> &Tables() const { return FTables; }

private:
    std::map<std::string, TKRStatementTable> FTables;
};

} // namespace korvan
