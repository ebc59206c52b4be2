// The two lines under a syntax error's message that show people where the statement went wrong.
#pragma once

#include "parser/KRParserError.h"

#include <string>

namespace korvan {

/*!
 * The offending line of Text (lines end at CR LF) and a caret line under the reported position,
 * each followed by "\n". Positions outside the line are clamped to it; the end of the statement
 * (code 2) is shown just past its last line that holds more than blanks.
 */
std::string FormatErrorContext(const std::string &Text, const EKRParserError &Error);

} // namespace korvan
