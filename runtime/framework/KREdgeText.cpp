#include "KREdgeText.h"

namespace korvan {

std::string LfToCrLf(std::string_view Text)
{
    std::string Result;
    Result.reserve(Text.size());
    for (std::size_t I = 0; I < Text.size(); ++I) {
        if (Text[I] == '\n' && (I == 0 || Text[I - 1] != '\r'))
            Result += '\r';
        Result += Text[I];
    }
    return Result;
}

std::string CrLfToLf(std::string_view Text)
{
    std::string Result;
    Result.reserve(Text.size());
    for (std::size_t I = 0; I < Text.size(); ++I) {
        if (!(Text[I] == '\r' && I + 1 < Text.size() && Text[I + 1] == '\n'))
            Result += Text[I];
    }
    return Result;
}

// The well-formed sequences of the Unicode standard's table: the lead byte decides the length and
// narrows the range of the second byte, which is where overlong forms, surrogates and values
// above U+10FFFF are shut out; every later byte is a plain continuation byte.
std::size_t Utf8SequenceLength(std::string_view Text, std::size_t Index)
{
    if (Index >= Text.size())
        return 0;
    const auto Lead = static_cast<unsigned char>(Text[Index]);
    if (Lead < 0x80)
        return 1;
    std::size_t Length = 0;
    unsigned char Low = 0x80;
    unsigned char High = 0xBF;
    if (Lead >= 0xC2 && Lead <= 0xDF) {
        Length = 2;
    } else if (Lead >= 0xE0 && Lead <= 0xEF) {
        Length = 3;
        Low = Lead == 0xE0 ? 0xA0 : Low;
        High = Lead == 0xED ? 0x9F : High;
    } else if (Lead >= 0xF0 && Lead <= 0xF4) {
        Length = 4;
        Low = Lead == 0xF0 ? 0x90 : Low;
        High = Lead == 0xF4 ? 0x8F : High;
    } else {
        return 0;
    }
    if (Text.size() - Index < Length)
        return 0;
    for (std::size_t I = 1; I < Length; ++I) {
        const auto Byte = static_cast<unsigned char>(Text[Index + I]);
        if (Byte < Low || Byte > High)
            return 0;
        Low = 0x80;
        High = 0xBF;
    }
    return Length;
}

std::size_t Utf8CharLength(std::string_view Text, std::size_t Index)
{
    const std::size_t Length = Utf8SequenceLength(Text, Index);
    return Length > 0 ? Length : 1;
}

std::size_t Utf8ValidLength(std::string_view Text)
{
    std::size_t Index = 0;
    while (Index < Text.size()) {
        const std::size_t Length = Utf8SequenceLength(Text, Index);
        if (Length == 0)
            break;
        Index += Length;
    }
    return Index;
}

bool IsValidUtf8(std::string_view Text)
{
    return Utf8ValidLength(Text) == Text.size();
}

namespace {

std::size_t CharPosition(std::string_view Line, std::size_t BytePos, bool Utf16)
{
    const std::size_t Target = BytePos > 0 ? BytePos - 1 : 0;
    std::size_t Position = 1;
    std::size_t Index = 0;
    while (Index < Line.size()) {
        const std::size_t Length = Utf8CharLength(Line, Index);
        if (Index + Length > Target)
            return Position;
        Index += Length;
        // Only the four-byte sequences lie beyond U+FFFF, where UTF-16 needs a surrogate pair.
        Position += Utf16 && Length == 4 ? 2 : 1;
    }
    return Position + (Target - Index);
}

} // namespace

std::size_t CodePointPosition(std::string_view Line, std::size_t BytePos)
{
    return CharPosition(Line, BytePos, false);
}

std::size_t Utf16Position(std::string_view Line, std::size_t BytePos)
{
    return CharPosition(Line, BytePos, true);
}

} // namespace korvan
