#include "KRBenchSupport.h"

#include "dialects/KRIBSelectParser.h"
#include "dialects/KRMySelectParser.h"

namespace korvan::bench {

std::unique_ptr<TKRSelectParser> NewBenchParser(TBenchMode Mode)
{
    switch (Mode) {
    case bmInterBase:
    case bmFirebird: {
        auto Parser = Construct<TKRIBSelectParser>();
        Parser->SetSQLServer(Mode == bmFirebird ? qssFireBird : qssInterBase);
        return Parser;
    }
    case bmMySQL:
        return Construct<TKRMySelectParser>();
    case bmGeneric:
        break;
    }
    return Construct<TKRSelectParser>();
}

std::size_t BareTokenize(std::string_view Text)
{
    const auto IsWord = [](unsigned char C) {
        return (C >= 'a' && C <= 'z') || (C >= 'A' && C <= 'Z') || (C >= '0' && C <= '9') || C == '_'
                || C >= 128;
    };
    std::size_t Pieces = 0;
    std::size_t I = 0;
    const std::size_t N = Text.size();
    while (I < N) {
        const unsigned char C = static_cast<unsigned char>(Text[I]);
        if (C == ' ' || C == '\t' || C == '\r' || C == '\n') {
            ++I;
            continue;
        }
        ++Pieces;
        if (IsWord(C)) {
            while (I < N && IsWord(static_cast<unsigned char>(Text[I])))
                ++I;
        } else if (C == '\'' || C == '"' || C == '`') {
            // A doubled quote stays inside the section.
            for (++I; I < N; ++I)
                if (static_cast<unsigned char>(Text[I]) == C) {
                    if (I + 1 < N && static_cast<unsigned char>(Text[I + 1]) == C)
                        ++I;
                    else
                        break;
                }
            ++I;
        } else
            ++I;
    }
    return Pieces;
}

} // namespace korvan::bench
