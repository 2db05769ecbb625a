#include "ui/look/word_wrap.h"

#include "platform/utf16_text.h"

namespace haltwise {

namespace {

void WrapParagraph(FontRasteriser& fonts, const FontSpec& font, std::string_view paragraph,
                   int width, std::vector<std::string>& lines) {
  auto fits = [&](std::string_view text) { return fonts.MeasureText(font, text).width <= width; };
  std::string line;
  std::size_t pos = 0;
  while (pos < paragraph.size()) {
    const std::size_t blank = paragraph.find(' ', pos);
    const std::size_t end = blank == std::string_view::npos ? paragraph.size() : blank;
    const std::string_view word = paragraph.substr(pos, end - pos);
    const std::string candidate = line.empty() ? std::string(word) : line + " " + std::string(word);
    if (fits(candidate)) {
      line = candidate;
    } else {
      if (!line.empty()) lines.push_back(line);
      // A word wider than the whole line is cut where it stops fitting,
      // between characters.
      std::string rest(word);
      while (!rest.empty() && !fits(rest)) {
        std::size_t take = Utf8CharacterEnd(rest, 0);
        for (std::size_t next = Utf8CharacterEnd(rest, take);
             take < rest.size() && fits(std::string_view(rest).substr(0, next));
             next = Utf8CharacterEnd(rest, take)) {
          take = next;
        }
        lines.push_back(rest.substr(0, take));
        rest.erase(0, take);
      }
      line = rest;
    }
    pos = end == paragraph.size() ? end : end + 1;
  }
  lines.push_back(line);
}

}  // namespace

std::vector<std::string> WrapText(FontRasteriser& fonts, const FontSpec& font,
                                  std::string_view text, int width) {
  std::vector<std::string> lines;
  std::size_t pos = 0;
  while (true) {
    const std::size_t brk = text.find('\n', pos);
    std::string_view paragraph =
        text.substr(pos, brk == std::string_view::npos ? text.npos : brk - pos);
    if (!paragraph.empty() && paragraph.back() == '\r') paragraph.remove_suffix(1);
    WrapParagraph(fonts, font, paragraph, width, lines);
    if (brk == std::string_view::npos) break;
    pos = brk + 1;
  }
  return lines;
}

int WrappedTextHeight(FontRasteriser& fonts, const FontSpec& font, std::string_view text,
                      int width) {
  const int lineHeight = fonts.MeasureText(font, "Wg").height;
  return static_cast<int>(WrapText(fonts, font, text, width).size()) * lineHeight;
}

}  // namespace haltwise
