#pragma once
#include <cstdint>
#include <initializer_list>

namespace haltwise {

enum class TBitmapCopyMode { cmNotTransparent, cmTransparent };
enum class TAnimMode { amDynamic, amStatic };
enum class TLCDBorder { bsLowered, bsNone, bsRaised };
enum class TDisplayMode { dmText, dmBitmap, dmBoth };
enum class TPixelShape { psSquare, psRound };
// Ordinal n of 1 to 16 means dots of n x n pixels.
enum class TPixelSize {
  pixCustom,
  pix1x1,
  pix2x2,
  pix3x3,
  pix4x4,
  pix5x5,
  pix6x6,
  pix7x7,
  pix8x8,
  pix9x9,
  pix10x10,
  pix11x11,
  pix12x12,
  pix13x13,
  pix14x14,
  pix15x15,
  pix16x16
};
enum class TSpecialEffect { spBlink, spBold, spInverse, spItalic, spUnderline, spStrike };

// A set of TSpecialEffect, stored as bits in the enumeration's order
// (spBlink 1, spBold 2, spInverse 4, spItalic 8, spUnderline 16, spStrike 32).
class TSpecialEffects {
 public:
  constexpr TSpecialEffects() = default;
  constexpr TSpecialEffects(std::initializer_list<TSpecialEffect> effects) {
    for (TSpecialEffect e : effects) bits_ = static_cast<std::uint8_t>(bits_ | Bit(e));
  }
  static constexpr TSpecialEffects FromBits(std::uint8_t bits) {
    TSpecialEffects set;
    set.bits_ = bits & 0x3F;
    return set;
  }
  constexpr bool Contains(TSpecialEffect e) const { return (bits_ & Bit(e)) != 0; }
  constexpr std::uint8_t Bits() const { return bits_; }
  constexpr bool operator==(const TSpecialEffects&) const = default;

 private:
  static constexpr std::uint8_t Bit(TSpecialEffect e) {
    return static_cast<std::uint8_t>(1u << static_cast<unsigned>(e));
  }
  std::uint8_t bits_ = 0;
};

}  // namespace haltwise
