#include "KRBenchSupport.h"

#include "dialects/KRDialects.h"

namespace korvan::bench {

// Each benchmark mode is named after its dialect, which is made with its default options.
std::unique_ptr<TKRSelectParser> NewBenchParser(TBenchMode Mode)
{
    return CreateDialectParser(BenchModeName(Mode));
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
