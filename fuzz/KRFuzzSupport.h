// What the fuzz targets share: a parser of each dialect of the list, and a failure report that stops
// the run.
#pragma once

#include "dialects/KRDialects.h"
#include "dialects/KRIBSelectParser.h"
#include "parser/KRSelectParser.h"

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

namespace korvan::fuzz {

//! A parser of Dialect; Quote sets identifier quoting, which InterBase and Firebird take as their
//! SQL dialect: 3 with quotes, 1 without.
inline std::unique_ptr<TKRSelectParser> NewParser(const TKRDialect &Dialect, bool Quote = true)
{
    TKRDialectOptions Options;
    if (Dialect.TakesQuoteIdentifiers)
        Options.QuoteIdentifiers = Quote;
    if (Dialect.TakesSQLDialect)
        Options.SQLDialect = Quote ? 3 : 1;
    return CreateDialectParser(Dialect, Options);
}

//! Bytes as a C string literal would write them, so a report shows every byte of a finding.
inline std::string Printable(const std::string &Text)
{
    std::string Result;
    for (const unsigned char C : Text) {
        if (C == '\\' || C == '"') {
            Result += '\\';
            Result += static_cast<char>(C);
        } else if (C >= 32 && C < 127)
            Result += static_cast<char>(C);
        else {
            char Escape[8];
            std::snprintf(Escape, sizeof Escape, "\\x%02x", C);
            Result += Escape;
        }
    }
    return Result;
}

//! Reports a broken property with the texts involved and aborts, which libFuzzer records as a crash.
[[noreturn]] inline void Fail(const std::string &What, const std::string &Detail)
{
    std::fprintf(stderr, "\n*** %s\n%s\n", What.c_str(), Detail.c_str());
    std::abort();
}

} // namespace korvan::fuzz
