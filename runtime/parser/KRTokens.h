// Token kinds of the SQL scanner.
#pragma once

#include "framework/KRSet.h"

#include <cstdint>

namespace korvan {

//! Kinds in this order; tkQuote, tkSpace and tkEol are consumed by the scanner and never returned.
enum TTokenKind : std::uint8_t {
    tkUnknown, //!< a word that is no keyword, function, number or identifier
    tkKeyword,
    tkFunction,
    tkDelim, //!< one delimiter character
    tkInteger,
    tkFloat,
    tkString, //!< contents of a section closed by a string quote that is no identifier quote
    tkQuote,
    tkSpace,
    tkEol, //!< CR LF
    tkEnd, //!< end of the statement, or ";"
    tkIdent,
    tkIdentString, //!< contents of a section closed by a quote that is both identifier and string quote
    tkOperation, //!< a word of the operation list
    tkComparison //!< one or two of "<", "=", ">"
};

using TTokenKinds = TSet<TTokenKind>;

} // namespace korvan
