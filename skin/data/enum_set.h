// A set of enumeration members stored as a bit mask, the bit of a member being its ordinal.
// The stored component properties keep sets in exactly this form, so the mask is part of
// the format and FromBits/ToBits must round-trip it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>

namespace skin {

template <class Enum, std::size_t Count>
class EnumSet {
    static_assert(Count > 0 && Count <= 32, "an enumeration set is held in 32 bits");

public:
    using Bits = std::uint32_t;
    static constexpr Bits kAllBits = Count == 32 ? ~Bits{0} : (Bits{1} << Count) - 1;

    constexpr EnumSet() = default;
    constexpr EnumSet(std::initializer_list<Enum> members) {
        for (Enum member : members) bits_ |= Bit(member);
    }

    // Bits above the last member are dropped: a stored value from a newer writer must not
    // smuggle in members this build does not know.
    static constexpr EnumSet FromBits(Bits bits) {
        EnumSet set;
        set.bits_ = bits & kAllBits;
        return set;
    }
    constexpr Bits ToBits() const { return bits_; }

    constexpr bool Contains(Enum member) const { return (bits_ & Bit(member)) != 0; }
    constexpr bool Empty() const { return bits_ == 0; }

    constexpr EnumSet& Include(Enum member) {
        bits_ |= Bit(member);
        return *this;
    }
    constexpr EnumSet& Exclude(Enum member) {
        bits_ &= ~Bit(member);
        return *this;
    }

    friend constexpr bool operator==(EnumSet, EnumSet) = default;

private:
    static constexpr Bits Bit(Enum member) { return Bits{1} << static_cast<std::size_t>(member); }

    Bits bits_ = 0;
};

}  // namespace skin
