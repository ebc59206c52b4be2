// The scanner of the InterBase and Firebird dialect: its quoting follows the server's SQL dialect.
#pragma once

#include "parser/KRSQLScanner.h"

#include <cstdint>
#include <string>

namespace korvan {

//! The server's SQL dialect. Dialect 1 knows no quoted names: both quotes enclose strings.
//! Dialect 3 encloses strings in single quotes and names in double quotes.
enum TKRSQLDialect : std::uint8_t { qibDialect1, qibDialect3 };

/*!
 * Lower-case letters are no letters here: the server takes every unquoted name in upper case, so
 * an upper-case name is an identifier and any other name is written in quotes (dialect 3). A
 * Dialect value outside the enumeration quotes like the generic scanner.
 */
class TKRIBScanner : public TKRSQLScanner
{
public:
    TKRSQLDialect Dialect() const { return FDialect; }
    //! Takes effect at once: the next token read and the next name written follow the new rules.
    void SetDialect(TKRSQLDialect Value) { FDialect = Value; }

    bool IsAlpha(char C) const override;
    bool IsQuote(char C) const override;
    bool IsLegalSymbol(char C) const override;
    bool IsIdentQuote(char C) const override;
    char GetIdentQuote() const override;
    bool GetProcessAliases() const override;
    bool GetQuoteIdentifiers() const override;
    //! True for a keyword or a function word; otherwise False for a quoted name, else True for
    //! anything that would not read back as the same bare name.
    bool NeedQuotes(const std::string &S) const override;
    std::string GetCommaKeywords() const override;
    std::string GetCommaFunctions() const override;
    std::string GetCommaOperations() const override;
    //! S in upper case, as the server reads an unquoted name.
    std::string ProcessIdent(const std::string &S) const override;
    //! Dialect 1: upper case with "_" for each blank. Dialect 3: parts quoted where needed.
    std::string ProcessName(const std::string &S) const override;

private:
    TKRSQLDialect FDialect = qibDialect3;
};

} // namespace korvan
