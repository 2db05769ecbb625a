#pragma once
#include <functional>
#include <string>
#include <vector>

#include "gfx/geometry.h"

namespace haltwise {

// A settings page reads as one sentence with its controls in place: words
// and controls flow left to right and wrap to the next row at the page's
// width. Words that end up side by side on a row form one label.
struct SentencePiece {
  std::string text;          // words; empty for a control
  int controlId = -1;        // the control's place in the caller's list
  int width = 0;             // a control's width
  bool breakBefore = false;  // start a new row before this piece
};

struct PlacedPiece {
  std::string text;  // a label's words; empty for a control
  int controlId = -1;
  Rect place;
};

struct SentenceMetrics {
  int width = 0;       // the page's usable width
  int rowHeight = 22;  // distance between rows
  int controlHeight = 21;
  int labelHeight = 14;
  int gap = 4;  // between neighbours on a row
};

std::vector<PlacedPiece> LayoutSentence(const std::vector<SentencePiece>& pieces,
                                        const SentenceMetrics& metrics,
                                        const std::function<int(const std::string&)>& textWidth);

}  // namespace haltwise
