#include "ui/look/sentence_layout.h"

#include <sstream>

namespace haltwise {

namespace {

class Flow {
 public:
  Flow(const SentenceMetrics& metrics, const std::function<int(const std::string&)>& textWidth,
       std::vector<PlacedPiece>& out)
      : m_(metrics), textWidth_(textWidth), out_(out) {}

  void Word(const std::string& word) {
    const std::string joined = label_.empty() ? word : label_ + " " + word;
    if (x_ + textWidth_(joined) > m_.width && (x_ > 0 || !label_.empty())) {
      if (!label_.empty()) {
        EndLabel();
        if (x_ + textWidth_(word) <= m_.width) {
          label_ = word;
          return;
        }
      }
      NewRow();
      label_ = word;
      return;
    }
    label_ = joined;
  }

  void Control(int id, int width) {
    EndLabel();
    if (x_ > 0 && x_ + width > m_.width) NewRow();
    out_.push_back({"", id, {x_, y_, x_ + width, y_ + m_.controlHeight}});
    x_ += width + m_.gap;
  }

  void NewRow() {
    EndLabel();
    x_ = 0;
    y_ += m_.rowHeight;
  }
  bool RowEmpty() const { return x_ == 0 && label_.empty(); }

  void EndLabel() {
    if (label_.empty()) return;
    const int width = textWidth_(label_);
    const int top = y_ + (m_.controlHeight - m_.labelHeight + 1) / 2;
    out_.push_back({label_, -1, {x_, top, x_ + width, top + m_.labelHeight}});
    x_ += width + m_.gap;
    label_.clear();
  }

 private:
  const SentenceMetrics& m_;
  const std::function<int(const std::string&)>& textWidth_;
  std::vector<PlacedPiece>& out_;
  std::string label_;
  int x_ = 0;
  int y_ = 0;
};

}  // namespace

std::vector<PlacedPiece> LayoutSentence(const std::vector<SentencePiece>& pieces,
                                        const SentenceMetrics& metrics,
                                        const std::function<int(const std::string&)>& textWidth) {
  std::vector<PlacedPiece> placed;
  Flow flow(metrics, textWidth, placed);
  for (const SentencePiece& piece : pieces) {
    if (piece.breakBefore && !flow.RowEmpty()) flow.NewRow();
    if (piece.controlId >= 0) {
      flow.Control(piece.controlId, piece.width);
      continue;
    }
    std::istringstream words(piece.text);
    for (std::string word; words >> word;) flow.Word(word);
  }
  flow.EndLabel();
  return placed;
}

}  // namespace haltwise
