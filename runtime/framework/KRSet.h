// A small value set of one-byte enumeration values, the framework's `set of`.
#pragma once

#include <bitset>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <type_traits>

namespace korvan {

//! A set of values of E. E is an enumeration with a one-byte underlying type (or a one-byte
//! character type), so every value has its own bit and no value can fall outside the set.
template <typename E>
class TSet
{
    static_assert(sizeof(E) == 1 && (std::is_enum_v<E> || std::is_integral_v<E>),
            "TSet holds enumerations declared with a one-byte underlying type, e.g. std::uint8_t");

public:
    constexpr TSet() = default;
    TSet(std::initializer_list<E> Values)
    {
        for (E Value : Values)
            Include(Value);
    }

    constexpr bool Contains(E Value) const { return FBits[Bit(Value)]; }
    void Include(E Value) { FBits.set(Bit(Value)); }
    void Exclude(E Value) { FBits.reset(Bit(Value)); }
    bool Empty() const { return FBits.none(); }

    friend TSet operator+(TSet Left, const TSet &Right)
    {
        Left.FBits |= Right.FBits;
        return Left;
    }
    friend TSet operator-(TSet Left, const TSet &Right)
    {
        Left.FBits &= ~Right.FBits;
        return Left;
    }
    friend TSet operator*(TSet Left, const TSet &Right)
    {
        Left.FBits &= Right.FBits;
        return Left;
    }
    bool operator==(const TSet &) const = default;

private:
    // Going through std::uint8_t maps a negative char to its byte value instead of a huge index.
    static constexpr std::size_t Bit(E Value) { return static_cast<std::uint8_t>(Value); }

    std::bitset<256> FBits;
};

} // namespace korvan
