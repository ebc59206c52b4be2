#include "KRStatementGenerator.h"

#include <algorithm>
#include <cctype>

namespace korvan::bench {

namespace {

const char *const Separator = "\r\n;\r\n";

//! splitmix64: tiny, fast, and the same sequence everywhere (unlike the standard distributions).
class TRandom
{
public:
    explicit TRandom(std::uint64_t Seed)
        : FState(Seed)
    {}

    std::uint64_t Next()
    {
        std::uint64_t Z = (FState += 0x9E3779B97F4A7C15ULL);
        Z = (Z ^ (Z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        Z = (Z ^ (Z >> 27)) * 0x94D049BB133111EBULL;
        return Z ^ (Z >> 31);
    }
    //! 0 .. Bound - 1
    int Below(int Bound) { return static_cast<int>(Next() % static_cast<std::uint64_t>(Bound)); }
    bool Percent(int P) { return Below(100) < P; }

private:
    std::uint64_t FState;
};

class TWriter
{
public:
    TWriter(TBenchMode Mode, const TStatementSize &Size, std::uint64_t Seed)
        : FMode(Mode)
        , FSize(Size)
        , FRandom(Seed)
    {}

    std::string Write()
    {
        WriteSelect();
        WriteFrom();
        WriteWhere();
        if (FAggregates > 0)
            WriteGroupBy();
        WriteOrderBy();
        WriteTail();
        return std::move(FOut);
    }

private:
    std::string Name(const std::string &Text) const
    {
        if (FMode != bmInterBase && FMode != bmFirebird)
            return Text;
        std::string Upper = Text;
        std::transform(Upper.begin(), Upper.end(), Upper.begin(),
                [](char C) { return static_cast<char>(std::toupper(static_cast<unsigned char>(C))); });
        return Upper;
    }
    std::string Alias(int Table) const { return Name("t" + std::to_string(Table)); }
    std::string Column(int Table, int Column) const
    {
        return Alias(Table) + "." + Name("c" + std::to_string(Column));
    }
    std::string RandomColumn() { return Column(FRandom.Below(FSize.Tables), 1 + FRandom.Below(40)); }
    std::string Literal()
    {
        switch (FRandom.Below(4)) {
        case 0:
            return std::to_string(FRandom.Below(100000));
        case 1:
            return std::to_string(FRandom.Below(1000)) + "." + std::to_string(FRandom.Below(100));
        case 2:
            return "'v" + std::to_string(FRandom.Below(10000)) + "'";
        default:
            return "'it''s " + std::to_string(FRandom.Below(100)) + "'";
        }
    }

    void WriteSelect()
    {
        FOut += "SELECT ";
        if (FMode == bmFirebird)
            FOut += "FIRST 100 SKIP 10 ";
        else if (FMode == bmMySQL)
            FOut += "HIGH_PRIORITY SQL_BUFFER_RESULT ";
        FOut += "\r\n";
        for (int I = 0; I < FSize.Fields; ++I) {
            const int Table = I % FSize.Tables;
            const int Col = 1 + I / FSize.Tables;
            const int Kind = FRandom.Below(100);
            FOut += "  ";
            if (Kind < 70) {
                FOut += Column(Table, Col);
                FPlain.push_back(Column(Table, Col));
            } else if (Kind < 80) {
                FOut += Name("upper") + "(" + Column(Table, Col) + ") AS " + Name("u" + std::to_string(I));
                FPlain.push_back(Name("u" + std::to_string(I)));
            } else if (Kind < 92) {
                FOut += Column(Table, Col) + " + " + RandomColumn() + " * "
                        + std::to_string(1 + FRandom.Below(9)) + " AS " + Name("e" + std::to_string(I));
                FPlain.push_back(Name("e" + std::to_string(I)));
            } else {
                FOut += Name(FRandom.Percent(50) ? "sum" : "max") + "(" + Column(Table, Col) + ") AS "
                        + Name("s" + std::to_string(I));
                ++FAggregates;
            }
            FOut += I + 1 < FSize.Fields ? ",\r\n" : "\r\n";
        }
    }

    void WriteFrom()
    {
        FOut += "FROM\r\n  " + Name("tab0") + " " + Alias(0);
        for (int T = 1; T < FSize.Tables; ++T) {
            // Every table joins an earlier one, as a schema's foreign keys do: the chains stay short
            // (the writer indents each level of a chain one blank deeper). No entry follows a join
            // after a comma, which node-sql-parser refuses.
            const std::string Entry = Name("tab" + std::to_string(T)) + " " + Alias(T);
            const int Other = FRandom.Below(T);
            FOut += FRandom.Percent(70) ? "\r\n  INNER JOIN " : "\r\n  LEFT OUTER JOIN ";
            FOut += Entry + " ON " + Column(Other, 1) + " = " + Column(T, 1);
        }
        FOut += "\r\n";
    }

    std::string Condition()
    {
        const std::string Left = RandomColumn();
        switch (FRandom.Below(8)) {
        case 0:
            return Left + " = " + Literal();
        case 1:
            return Left + " <> " + RandomColumn();
        case 2: {
            std::string List = Left + " IN (";
            const int Count = 2 + FRandom.Below(5);
            for (int I = 0; I < Count; ++I)
                List += (I > 0 ? ", " : "") + std::to_string(FRandom.Below(1000));
            return List + ")";
        }
        case 3:
            return Left + " " + Name("like") + " 'ab" + std::to_string(FRandom.Below(100)) + "%'";
        case 4:
            return Left + (FRandom.Percent(50) ? " IS NULL" : " IS NOT NULL");
        case 5:
            return Left + " BETWEEN " + std::to_string(FRandom.Below(50)) + " AND "
                    + std::to_string(50 + FRandom.Below(50));
        case 6:
            return "NOT " + Left + " > " + Literal();
        default:
            return Left + " <= " + Left + " + " + std::to_string(FRandom.Below(100));
        }
    }

    void WriteWhere()
    {
        if (FSize.Conditions == 0)
            return;
        FOut += "WHERE\r\n  ";
        // Groups of up to four conditions joined by OR, the groups joined by AND.
        for (int Done = 0; Done < FSize.Conditions;) {
            const int Group = std::min(1 + FRandom.Below(4), FSize.Conditions - Done);
            if (Done > 0)
                FOut += "\r\n  AND ";
            if (Group > 1)
                FOut += "(";
            for (int I = 0; I < Group; ++I)
                FOut += (I > 0 ? " OR " : "") + Condition();
            if (Group > 1)
                FOut += ")";
            Done += Group;
        }
        FOut += "\r\n";
    }

    void WriteGroupBy()
    {
        FOut += "GROUP BY\r\n  ";
        for (std::size_t I = 0; I < FPlain.size(); ++I)
            FOut += (I > 0 ? ",\r\n  " : "") + FPlain[I];
        FOut += "\r\nHAVING\r\n  " + Name("count") + "(*) > " + std::to_string(1 + FRandom.Below(5)) + "\r\n";
    }

    void WriteOrderBy()
    {
        FOut += "ORDER BY\r\n  ";
        const int Count = std::min<int>(static_cast<int>(FPlain.size()), 1 + FSize.Fields / 20);
        for (int I = 0; I < std::max(Count, 1); ++I) {
            FOut += (I > 0 ? ",\r\n  " : "")
                    + (FPlain.empty() ? Column(0, 1) : FPlain[static_cast<std::size_t>(I)]);
            if (FRandom.Percent(30))
                FOut += " DESC";
        }
        FOut += "\r\n";
    }

    void WriteTail()
    {
        if (FMode == bmInterBase)
            FOut += "ROWS 1 TO 100\r\n";
        else if (FMode == bmMySQL)
            FOut += "LIMIT 10, 100\r\n";
    }

    TBenchMode FMode;
    TStatementSize FSize;
    TRandom FRandom;
    std::string FOut;
    std::vector<std::string> FPlain; //!< what GROUP BY and ORDER BY may name
    int FAggregates = 0;
};

} // namespace

const char *BenchModeName(TBenchMode Mode)
{
    switch (Mode) {
    case bmGeneric:
        return "generic";
    case bmInterBase:
        return "interbase";
    case bmFirebird:
        return "firebird";
    case bmMySQL:
        return "mysql";
    }
    return "?";
}

std::string GenerateStatement(TBenchMode Mode, const TStatementSize &Size, std::uint64_t Seed)
{
    return TWriter(Mode, Size, Seed).Write();
}

std::vector<std::string> GenerateBatch(TBenchMode Mode, std::uint64_t Seed)
{
    std::vector<std::string> Result;
    Result.reserve(BatchCount);
    for (int I = 0; I < BatchCount; ++I)
        Result.push_back(GenerateStatement(Mode, SmallSize, Seed * 1000003 + static_cast<std::uint64_t>(I)));
    return Result;
}

std::string JoinStatements(const std::vector<std::string> &Statements)
{
    std::string Result;
    for (const std::string &S : Statements) {
        Result += S;
        if (!S.empty() && S.back() != '\n')
            Result += "\r\n";
        Result += ";\r\n";
    }
    return Result;
}

std::vector<std::string> SplitStatements(const std::string &Text)
{
    std::vector<std::string> Result;
    std::size_t Start = 0;
    while (Start < Text.size()) {
        std::size_t End = Text.find(Separator, Start);
        // The separator's own leading CR LF ends the statement's last line.
        if (End == std::string::npos) {
            const std::string Rest = Text.substr(Start);
            if (Rest.find_first_not_of("\r\n;") != std::string::npos)
                Result.push_back(Rest);
            break;
        }
        Result.push_back(Text.substr(Start, End + 2 - Start));
        Start = End + 5;
    }
    return Result;
}

} // namespace korvan::bench
