#pragma once
#include <cstdint>

namespace haltwise {

// A colour laid out $00BBGGRR (red in the lowest byte). A value whose top
// byte is $FF names a system colour by its Windows index and must be resolved
// (gfx/system_colors.h) before any arithmetic.
using Color = std::uint32_t;

constexpr Color RgbColor(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
  return static_cast<Color>(red) | (static_cast<Color>(green) << 8) |
         (static_cast<Color>(blue) << 16);
}
constexpr std::uint8_t RedOf(Color c) { return static_cast<std::uint8_t>(c & 0xFF); }
constexpr std::uint8_t GreenOf(Color c) { return static_cast<std::uint8_t>((c >> 8) & 0xFF); }
constexpr std::uint8_t BlueOf(Color c) { return static_cast<std::uint8_t>((c >> 16) & 0xFF); }
constexpr bool IsSystemColor(Color c) { return (c & 0xFF000000u) == 0xFF000000u; }

inline constexpr Color clBlack = 0x000000;
inline constexpr Color clWhite = 0xFFFFFF;
inline constexpr Color clRed = 0x0000FF;
inline constexpr Color clGreen = 0x008000;
inline constexpr Color clLime = 0x00FF00;
inline constexpr Color clYellow = 0x00FFFF;
inline constexpr Color clPurple = 0x800080;
inline constexpr Color clMaroon = 0x000080;
inline constexpr Color clNone = 0x1FFFFFFF;

// System colours by COLOR_* index.
inline constexpr Color clBtnFace = 0xFF00000F;
inline constexpr Color clBtnShadow = 0xFF000010;
inline constexpr Color clWindowText = 0xFF000008;
inline constexpr Color clBtnHighlight = 0xFF000014;
inline constexpr Color clInactiveBorder = 0xFF00000B;

}  // namespace haltwise
