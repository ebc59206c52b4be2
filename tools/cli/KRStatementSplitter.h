// Cutting a script into its statements, and reporting a statement's errors where they are in the script.
#pragma once

#include "parser/KRParserError.h"
#include "parser/KRSQLScanner.h"

#include <optional>
#include <string>
#include <vector>

namespace korvan {

//! One statement of a script: its text (with its closing ";", if any) and where it starts.
struct TKRStatementText
{
    std::string Text;
    //! The script's line and column (1-based, lines broken at CR LF) of the first byte of Text.
    int Line = 1;
    int Column = 1;
    //! Nothing but blanks between two ";": there is no statement to read.
    bool Empty = false;
    //! The scanner gave up inside this statement (an unterminated quoted section, say), in the
    //! script's coordinates; the statement is the rest of the script.
    std::optional<EKRParserError> ScanError;
};

/*!
 * Cuts Script at every ";" that Scanner reads as the end of a statement, so that quoting (and
 * whatever else the dialect's scanner skips) decides where statements end exactly as it does when
 * each statement is parsed. Every byte of Script belongs to one statement, in order. The scan
 * stops at the first error, which the last statement carries instead of raising it, so that the
 * errors of the statements before it are still reported first.
 */
std::vector<TKRStatementText> SplitStatements(TKRSQLScanner &Scanner, const std::string &Script);

//! Error, raised while Statement was parsed on its own, with its line and position in the script.
EKRParserError ToScriptPosition(const EKRParserError &Error, const TKRStatementText &Statement);

} // namespace korvan
