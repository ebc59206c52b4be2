// The corpus files: real SELECT statements, each with the source it was taken from.
#pragma once

#include <string>
#include <vector>

namespace korvan {

//! One statement of a corpus file.
struct TKRCorpusStatement
{
    int Line = 0; //!< the file line it starts on
    std::string Source; //!< the latest "-- source:" line before it, without the marker
    std::string Text; //!< its lines joined by LF, without the closing ";"
};

//! A corpus file split into statements, with the faults of its format.
struct TKRCorpusFile
{
    std::string Path;
    bool Found = false;
    std::vector<TKRCorpusStatement> Statements;
    std::vector<std::string> Faults; //!< "path:line: what is wrong"
};

/*!
 * Splits a corpus text. A statement starts at the first line that is neither blank nor a "--" line,
 * may span lines (comment lines inside it are its own) and ends at the first line whose last
 * non-blank character is ";". A line "-- source: <where> (<licence>)" names the source of the
 * statements after it.
 */
TKRCorpusFile SplitCorpus(const std::string &Text, const std::string &Path);

//! Reads and splits a corpus file; Found is false when it cannot be read.
TKRCorpusFile ReadCorpusFile(const std::string &Path);

} // namespace korvan
