#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace haltwise {

// Attribute bits of a cell.
namespace lcd_attribute {
inline constexpr std::uint8_t kUnderline = 1;
inline constexpr std::uint8_t kStrike = 2;
inline constexpr std::uint8_t kBold = 4;
inline constexpr std::uint8_t kItalic = 8;
inline constexpr std::uint8_t kBlink = 16;
inline constexpr std::uint8_t kInverse = 32;
}  // namespace lcd_attribute

struct LcdCell {
  char character = 0;
  std::uint8_t attributes = 0;
};

// The LCD's text with its markup resolved: 256 rows (one per line) of 256
// cells. Cell 0 of a row is never used; a line's characters sit in cells 1
// to 255, and a zero character ends the row.
class LcdCellTable {
 public:
  static constexpr int kRows = 256;
  static constexpr int kColumns = 256;

  LcdCellTable() : cells_(kRows * kColumns) {}

  // Clears the table and fills it from the lines and their tags. The tag
  // state carries over from one line to the next.
  void Parse(const std::vector<std::string>& lines);

  // The stored cells of a row, left to right, up to the ending zero.
  std::vector<LcdCell> RowCells(int row) const;

 private:
  LcdCell& At(int row, int column) {
    return cells_[static_cast<std::size_t>(row * kColumns + column)];
  }
  const LcdCell& At(int row, int column) const {
    return cells_[static_cast<std::size_t>(row * kColumns + column)];
  }

  std::vector<LcdCell> cells_;
};

}  // namespace haltwise
