// What the fuzz targets share: the four parser modes, and a failure report that stops the run.
#pragma once

#include "dialects/KRIBSelectParser.h"
#include "dialects/KRMySelectParser.h"
#include "parser/KRSelectParser.h"

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

namespace korvan::fuzz {

enum TMode { fmGeneric, fmInterBase, fmFirebird, fmMySQL };

inline const char *ModeName(TMode Mode)
{
    switch (Mode) {
    case fmGeneric:
        return "generic";
    case fmInterBase:
        return "interbase";
    case fmFirebird:
        return "firebird";
    case fmMySQL:
        return "mysql";
    }
    return "?";
}

//! A parser of Mode; Quote sets identifier quoting (InterBase and Firebird: dialect 3, or 1 without).
inline std::unique_ptr<TKRSelectParser> NewParser(TMode Mode, bool Quote = true)
{
    switch (Mode) {
    case fmInterBase:
    case fmFirebird: {
        auto Parser = Construct<TKRIBSelectParser>();
        Parser->SetSQLServer(Mode == fmFirebird ? qssFireBird : qssInterBase);
        static_cast<TKRIBScanner *>(Parser->Scanner())->SetDialect(Quote ? qibDialect3 : qibDialect1);
        return Parser;
    }
    case fmMySQL: {
        std::unique_ptr<TKRSelectParser> Parser = Construct<TKRMySelectParser>();
        Parser->Scanner()->SetQuoteIdentifiers(Quote);
        return Parser;
    }
    case fmGeneric:
        break;
    }
    auto Parser = Construct<TKRSelectParser>();
    Parser->Scanner()->SetQuoteIdentifiers(Quote);
    return Parser;
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
