// Statements built to strain the reader: chains that need no parenthesis, deep nesting, a huge
// literal and IN list, runs of blanks and a huge name. The fuzz targets read them once at full size
// (with the sanitizers) and the benchmarks time them; the test suite reads them smaller, so that it
// stays quick in a Debug build.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace korvan::bench {

//! How big each kind of hostile statement is.
struct THostileSizes
{
    //! Links of a chain: NOT NOT ..., - - ..., a = 1 AND ...
    std::size_t Chain;
    //! Parentheses and calls opened one inside the other.
    std::size_t Nesting;
    //! Bytes of one string literal.
    std::size_t LiteralBytes;
    //! Entries of one IN list.
    std::size_t ListEntries;
    //! Blanks in a row.
    std::size_t Blanks;
    //! Bytes of one name.
    std::size_t NameBytes;
};

inline constexpr THostileSizes FullHostileSizes{ 100000, 100000, 10 * 1024 * 1024, 1300000, 2000000,
    1024 * 1024 };
//! What the test suite reads: large enough for anything quadratic or recursive to show.
inline constexpr THostileSizes TestHostileSizes{ 20000, 100000, 1024 * 1024, 130000, 200000, 128 * 1024 };

inline std::string Repeated(const std::string &Text, std::size_t Count)
{
    std::string Result;
    Result.reserve(Text.size() * Count);
    for (std::size_t I = 0; I < Count; ++I)
        Result += Text;
    return Result;
}

//! Chains that nest nothing: each is read without recursion, or refused.
inline std::vector<std::string> ChainStatements(const THostileSizes &Sizes)
{
    return { "SELECT a FROM t WHERE " + Repeated("NOT ", Sizes.Chain) + "a = 1",
        "SELECT " + Repeated("- ", Sizes.Chain) + "1 FROM t",
        "SELECT a FROM t WHERE a = " + Repeated("- ", Sizes.Chain) + "1",
        "SELECT a FROM t WHERE " + Repeated("a = 1 AND ", Sizes.Chain) + "a = 1" };
}

//! Nesting past any limit: each ends in the nesting error.
inline std::vector<std::string> NestingStatements(const THostileSizes &Sizes)
{
    const std::string Parens = Repeated("(", Sizes.Nesting) + "1" + Repeated(")", Sizes.Nesting);
    return { "SELECT a FROM t WHERE a = " + Parens,
        "SELECT " + Repeated("UPPER(", Sizes.Nesting) + "a" + Repeated(")", Sizes.Nesting) + " FROM t",
        "SELECT a FROM t WHERE " + Repeated("(", Sizes.Nesting) + "a = 1" + Repeated(")", Sizes.Nesting),
        "SELECT a FROM t WHERE a IN " + Parens };
}

//! The value of a literal of Sizes.LiteralBytes.
inline std::string LiteralValue(const THostileSizes &Sizes)
{
    return std::string(Sizes.LiteralBytes, 'x');
}

inline std::string LiteralStatement(const THostileSizes &Sizes)
{
    return "SELECT a FROM t WHERE a = '" + LiteralValue(Sizes) + "'";
}

inline std::string InListStatement(const THostileSizes &Sizes)
{
    return "SELECT a FROM t WHERE a IN (" + Repeated("1234567,", Sizes.ListEntries) + "0)";
}

inline std::string BlanksStatement(const THostileSizes &Sizes)
{
    return "SELECT" + std::string(Sizes.Blanks, ' ');
}

//! A statement of one table with a column of the same huge name.
inline std::string HugeName(const THostileSizes &Sizes)
{
    return std::string(Sizes.NameBytes, 'N');
}

inline std::string NameStatement(const THostileSizes &Sizes)
{
    return "SELECT " + HugeName(Sizes) + " FROM " + HugeName(Sizes);
}

//! Every hostile statement of the sizes, for the readers that only ask that each one ends well.
inline std::vector<std::string> HostileStatements(const THostileSizes &Sizes)
{
    std::vector<std::string> Result = ChainStatements(Sizes);
    for (std::string &Text : NestingStatements(Sizes))
        Result.push_back(std::move(Text));
    Result.push_back(LiteralStatement(Sizes));
    Result.push_back(InListStatement(Sizes));
    Result.push_back(BlanksStatement(Sizes));
    Result.push_back(NameStatement(Sizes));
    return Result;
}

} // namespace korvan::bench
