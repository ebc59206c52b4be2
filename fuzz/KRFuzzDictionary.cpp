// Prints the words of every dialect's scanner as a libFuzzer dictionary, so the fuzzers build
// statements out of real keywords, functions and operators from the first run on.
#include "dialects/KRIBScanner.h"
#include "dialects/KRMySQLScanner.h"
#include "parser/KRSQLScanner.h"

#include <cstdio>
#include <memory>
#include <set>
#include <string>

using namespace korvan;

namespace {

void Collect(const TKRSQLScanner &Scanner, std::set<std::string> &Words)
{
    for (const TStringList *List : { &Scanner.Keywords(), &Scanner.Functions(), &Scanner.Operations() })
        for (int I = 0; I < List->Count(); ++I)
            Words.insert(List->Strings(I));
}

std::string Entry(const std::string &Word)
{
    std::string Result = "\"";
    for (const unsigned char C : Word) {
        if (C == '"' || C == '\\') {
            Result += '\\';
            Result += static_cast<char>(C);
        } else if (C < 32 || C > 126) {
            char Escape[8];
            std::snprintf(Escape, sizeof Escape, "\\x%02X", C);
            Result += Escape;
        } else
            Result += static_cast<char>(C);
    }
    return Result + "\"";
}

} // namespace

int main()
{
    std::set<std::string> Words;
    Collect(*Construct<TKRSQLScanner>(), Words);
    Collect(*Construct<TKRIBScanner>(), Words);
    Collect(*Construct<TKRMySQLScanner>(), Words);
    for (const char *Extra : { "\r\n", "''", "\"\"", "``", "(", ")", ",", ".", "*", ":", "\\'" })
        Words.insert(Extra);
    // What the parser reads beyond the word lists: comments, casts, signed and exponent numbers,
    // literal words, and the words of what it keeps whole.
    for (const char *Extra :
            { "--", "/*", "*/", "#", "::", "-1", "1e-5", "2.5E+3", "TRUE", "FALSE", "CURRENT_DATE",
                    "LOCALTIME", "CASE", "WHEN", "THEN", "ELSE", "END", "CAST", "EXISTS", "ANY", "EXTRACT",
                    "INTERVAL", "DATE '", "(SELECT ", "ONLY", "LATERAL", "STARTING WITH", "CONTAINING" })
        Words.insert(Extra);
    for (const std::string &Word : Words)
        std::printf("%s\n", Entry(Word).c_str());
    return 0;
}
