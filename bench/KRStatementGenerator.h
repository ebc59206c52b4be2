// Deterministic SELECT statements for the benchmarks, in the grammar every dialect's parser reads.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace korvan::bench {

enum TBenchMode { bmGeneric, bmInterBase, bmFirebird, bmMySQL };
inline constexpr TBenchMode BenchModes[] = { bmGeneric, bmInterBase, bmFirebird, bmMySQL };
const char *BenchModeName(TBenchMode Mode);

//! How big a statement is: tables in FROM, fields in the SELECT list, conditions in WHERE.
struct TStatementSize
{
    const char *Name;
    int Tables;
    int Fields;
    int Conditions;
};

inline constexpr TStatementSize SmallSize{ "small", 3, 10, 3 };
inline constexpr TStatementSize MediumSize{ "medium", 20, 100, 30 };
inline constexpr TStatementSize LargeSize{ "large", 200, 2000, 300 };
inline constexpr TStatementSize HugeSize{ "huge", 2000, 20000, 3000 };
inline constexpr TStatementSize StatementSizes[] = { SmallSize, MediumSize, LargeSize, HugeSize };
//! How many small statements the batch file holds.
inline constexpr int BatchCount = 10000;

/*!
 * One statement with CR LF line breaks, the same for the same arguments on every machine: joined
 * tables, columns, calls and expressions with aliases, WHERE groups of comparisons, IN lists,
 * LIKE, IS NULL and BETWEEN, GROUP BY and HAVING when there are aggregates, ORDER BY, and the
 * mode's own clauses (Firebird's FIRST and SKIP, InterBase's ROWS, MySQL's options and LIMIT).
 * InterBase and Firebird names are upper case, so that they read back as written.
 */
std::string GenerateStatement(TBenchMode Mode, const TStatementSize &Size, std::uint64_t Seed);

//! BatchCount small statements, each from its own seed.
std::vector<std::string> GenerateBatch(TBenchMode Mode, std::uint64_t Seed);

//! The statements of a file: separated by a line holding only ";".
std::string JoinStatements(const std::vector<std::string> &Statements);
std::vector<std::string> SplitStatements(const std::string &Text);

} // namespace korvan::bench
