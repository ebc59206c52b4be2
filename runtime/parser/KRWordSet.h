// A word list as a hash set that ignores the letter case, for the scanner's look-ups on every token.
#pragma once

#include "framework/KRStrings.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_set>

namespace korvan {

class TKRWordSet
{
public:
    //! The words of List, replacing any held before.
    void Assign(const TStrings &List)
    {
        FWords.clear();
        FMayHold.fill(0);
        for (int I = 0; I < List.Count(); ++I) {
            const std::string &Word = List.Strings(I);
            std::string Key(Word.size(), '\0');
            for (std::size_t C = 0; C < Word.size(); ++C)
                Key[C] = Upper(Word[C]);
            if (!Key.empty())
                FMayHold[Sketch(Key) / 64] |= std::uint64_t{ 1 } << (Sketch(Key) % 64);
            FWords.insert(std::move(Key));
        }
    }

    //! Whether a word SameText to Word is held.
    bool Contains(std::string_view Word) const
    {
        // Most tokens are names or blanks that no word resembles in length, first and last letter.
        if (Word.empty() || (FMayHold[Sketch(Word) / 64] & (std::uint64_t{ 1 } << (Sketch(Word) % 64))) == 0)
            return Word.empty() && FWords.count(std::string()) > 0;
        if (Word.size() > ShortWord) {
            std::string Key(Word);
            for (char &C : Key)
                C = Upper(C);
            return FWords.find(std::string_view(Key)) != FWords.end();
        }
        char Key[ShortWord];
        for (std::size_t C = 0; C < Word.size(); ++C)
            Key[C] = Upper(Word[C]);
        return FWords.find(std::string_view(Key, Word.size())) != FWords.end();
    }

private:
    static constexpr std::size_t ShortWord = 64;

    static char Upper(char C) { return C >= 'a' && C <= 'z' ? static_cast<char>(C - 'a' + 'A') : C; }
    static constexpr std::size_t SketchBits = 4096;
    //! A word's length and its first and last letter (in upper case), folded into SketchBits.
    static std::size_t Sketch(std::string_view Word)
    {
        const auto First = static_cast<unsigned char>(Upper(Word.front()));
        const auto Last = static_cast<unsigned char>(Upper(Word.back()));
        return (Word.size() * 257 + First * 31 + Last) % SketchBits;
    }

    struct THash
    {
        using is_transparent = void;
        std::size_t operator()(std::string_view S) const { return std::hash<std::string_view>{}(S); }
    };

    std::unordered_set<std::string, THash, std::equal_to<>> FWords;
    std::array<std::uint64_t, SketchBits / 64> FMayHold{};
};

} // namespace korvan
