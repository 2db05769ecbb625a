#pragma once
#include <string>

#include "platform/color.h"

namespace haltwise {

// A font as a control holds it. Height follows LOGFONT: negative is the
// character height in pixels, positive the cell height, 0 the default.
struct FontSpec {
  std::string name = "MS Sans Serif";
  int height = -11;
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool strikeOut = false;
  Color color = clWindowText;

  bool operator==(const FontSpec&) const = default;
};

}  // namespace haltwise
