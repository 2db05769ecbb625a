#include "controls/lcd_cell_table.h"

#include <algorithm>
#include <string_view>

namespace haltwise {

namespace {

struct Tag {
  std::string_view text;
  std::uint8_t bit;
  bool opens;
};

// Compared case-sensitively, shortest first; at most one per step.
constexpr Tag kTags[] = {
    {"<u>", lcd_attribute::kUnderline, true}, {"<s>", lcd_attribute::kStrike, true},
    {"<b>", lcd_attribute::kBold, true},      {"<i>", lcd_attribute::kItalic, true},
    {"<bl>", lcd_attribute::kBlink, true},    {"</u>", lcd_attribute::kUnderline, false},
    {"</s>", lcd_attribute::kStrike, false},  {"</b>", lcd_attribute::kBold, false},
    {"</i>", lcd_attribute::kItalic, false},  {"<inv>", lcd_attribute::kInverse, true},
    {"</bl>", lcd_attribute::kBlink, false},  {"</inv>", lcd_attribute::kInverse, false},
};

const Tag* TagAt(std::string_view text) {
  for (const Tag& tag : kTags) {
    if (text.starts_with(tag.text)) return &tag;
  }
  return nullptr;
}

}  // namespace

void LcdCellTable::Parse(const std::vector<std::string>& lines) {
  std::fill(cells_.begin(), cells_.end(), LcdCell{});
  std::uint8_t attributes = 0;
  const int rows = static_cast<int>(std::min<std::size_t>(lines.size(), kRows));
  for (int row = 0; row < rows; ++row) {
    const std::string_view line = lines[static_cast<std::size_t>(row)];
    int column = 1;
    for (std::size_t read = 0; read < line.size();) {
      if (line[read] == '<') {
        if (const Tag* tag = TagAt(line.substr(read))) {
          attributes = tag->opens ? static_cast<std::uint8_t>(attributes | tag->bit)
                                  : static_cast<std::uint8_t>(attributes & ~tag->bit);
          read += tag->text.size();
          continue;
        }
      }
      // Characters past the last column are dropped; tags still count.
      if (column < kColumns) At(row, column++) = {line[read], attributes};
      ++read;
    }
  }
}

std::vector<LcdCell> LcdCellTable::RowCells(int row) const {
  std::vector<LcdCell> cells;
  for (int column = 1; column < kColumns && At(row, column).character != 0; ++column) {
    cells.push_back(At(row, column));
  }
  return cells;
}

}  // namespace haltwise
