// The MySQL scanner: back-quoted names, string literals in single or double quotes with
// backslash escapes, and the MySQL word lists.
#pragma once

#include "parser/KRSQLScanner.h"

#include <string>

namespace korvan {

/*!
 * A back-quoted section is a name (tkIdent); a single- or double-quoted one is a string
 * (tkString). Inside a string a backslash escapes the character after it, so the model holds
 * string values in MySQL escape notation: It\'s stays It\'s, and only a doubled quote that no
 * backslash escapes is undone. Names know no backslash escapes: `C:\` is a name.
 */
class TKRMySQLScanner : public TKRSQLScanner
{
public:
    bool IsIdentQuote(char C) const override;
    bool IsTerminator(char C, const std::string &Token, char Next, char Quote) const override;
    char GetIdentQuote() const override;
    //! Aliases are quoted exactly when names are.
    bool GetProcessAliases() const override;
    std::string GetCommaKeywords() const override;
    std::string GetCommaFunctions() const override;
    std::string UnescapeQuoted(const std::string &Text, char Quote) const override;
    //! A single-quoted literal that reads back as Value; see the class comment for the escapes.
    std::string QuoteString(const std::string &Value) const override;
    //! "#" starts a line comment too; "--" does only before a blank or a control character
    //! (a--1 is a - -1).
    bool IsCommentStart(int P) const override;
};

} // namespace korvan
