// PostgreSQL's reading of a statement (through libpg_query), brought to a form in which two
// statements of the same meaning compare equal even where the writer spells them differently.
#pragma once

#include <nlohmann/json.hpp>
#include <string>

namespace korvan {

//! PostgreSQL's parse tree of one text, or why PostgreSQL cannot read it.
struct TKRPgTree
{
    bool Parsed = false;
    std::string Error;
    nlohmann::json Tree;
};

//! The parse tree as libpg_query gives it, untouched.
TKRPgTree ReadPgTree(const std::string &Sql);

/*!
 * Removes the differences that do not change what a statement means: source positions, the letter
 * case of names, select-list names that repeat the column or are generated (FIELD_n), an alias that
 * repeats its table's name, the qualifier of columns when the statement reads one table or function,
 * t1.*, t2.* for * when they are all of FROM in order, the order of GROUP BY and the grouped columns
 * of the select list it implies, ASC as the default order, nested AND/OR, and the side on which the
 * operands of a comparison stand.
 */
void NormalisePgTree(nlohmann::json &Tree);

//! Drops from Output's select list the names that Input's does not give (after both are normalised).
void DropAddedNames(const nlohmann::json &Input, nlohmann::json &Output);

} // namespace korvan
