// A set of enumeration members, as the toolkit's properties use them (font styles, dialog
// buttons, shift states). Members must have values 0 to 63. Portable; no failure modes.
#pragma once

#include <cstdint>
#include <initializer_list>

template <typename E>
class TSet {
 public:
  constexpr TSet() = default;
  constexpr TSet(std::initializer_list<E> members) {
    for (E m : members) FBits |= Bit(m);
  }

  constexpr bool Contains(E m) const { return (FBits & Bit(m)) != 0; }
  constexpr bool Empty() const { return FBits == 0; }
  constexpr TSet& Include(E m) {
    FBits |= Bit(m);
    return *this;
  }
  constexpr TSet& Exclude(E m) {
    FBits &= ~Bit(m);
    return *this;
  }
  constexpr TSet& Toggle(E m) {
    FBits ^= Bit(m);
    return *this;
  }
  constexpr int Count() const {
    int n = 0;
    for (uint64_t b = FBits; b != 0; b &= b - 1) ++n;
    return n;
  }
  constexpr uint64_t Bits() const { return FBits; }

  friend constexpr bool operator==(TSet a, TSet b) { return a.FBits == b.FBits; }
  friend constexpr TSet operator|(TSet a, TSet b) { return FromBits(a.FBits | b.FBits); }
  friend constexpr TSet operator&(TSet a, TSet b) { return FromBits(a.FBits & b.FBits); }
  friend constexpr TSet operator-(TSet a, TSet b) { return FromBits(a.FBits & ~b.FBits); }

 private:
  static constexpr uint64_t Bit(E m) { return uint64_t{1} << static_cast<unsigned>(m); }
  static constexpr TSet FromBits(uint64_t bits) {
    TSet s;
    s.FBits = bits;
    return s;
  }
  uint64_t FBits = 0;
};
