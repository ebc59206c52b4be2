// Why the parser refused a statement, named after the construct it stopped at, so that a corpus run
// shows which constructs the parser lacks and how often real statements use them.
#pragma once

#include "parser/KRParserError.h"

#include <cstddef>
#include <string>

namespace korvan {

/*!
 * The construct that Error stopped at in Text (lines end at CR LF): "UNION/INTERSECT/EXCEPT",
 * "subquery in FROM", ... or "other: <token>" when the words around the position name none.
 */
std::string RefusalReason(const std::string &Text, const EKRParserError &Error);

//! Where a 1-based line and position fall in Text, or npos when the statement has no such place.
std::size_t OffsetOf(const std::string &Text, int LineNo, int LinePos);

} // namespace korvan
