// What the benchmark programs share: a parser for each benchmark mode and the bare tokenizer.
#pragma once

#include "KRStatementGenerator.h"
#include "parser/KRSelectParser.h"

#include <cstddef>
#include <memory>
#include <string_view>

namespace korvan::bench {

std::unique_ptr<TKRSelectParser> NewBenchParser(TBenchMode Mode);

/*!
 * The practical ceiling of any SQL reader: one pass that only splits the text into words,
 * delimiters and quoted sections, allocating nothing. Returns the number of pieces.
 */
std::size_t BareTokenize(std::string_view Text);

} // namespace korvan::bench
