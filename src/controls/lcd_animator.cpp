#include "controls/lcd_animator.h"

#include <algorithm>
#include <limits>

#include "controls/lcd_screen.h"

namespace haltwise {

TLCDAnimator::~TLCDAnimator() {
  // Unlinking edits screens_, so work on a copy.
  const std::vector<TLCDScreen*> screens = screens_;
  for (TLCDScreen* screen : screens) screen->SetLCDAnimator(nullptr);
}

void TLCDAnimator::SetCode(std::vector<std::string> value) {
  code_ = std::move(value);
  faultyLinesReported_.clear();
}

void TLCDAnimator::SetCurrentLine(std::int16_t value) {
  if (value == currentLine_) return;
  const int last = std::clamp(LastLine(), 0, int{std::numeric_limits<std::int16_t>::max()});
  currentLine_ = static_cast<std::int16_t>(std::clamp(static_cast<int>(value), 0, last));
}

void TLCDAnimator::Detach(TLCDScreen* screen) {
  screens_.erase(std::remove(screens_.begin(), screens_.end(), screen), screens_.end());
}

void TLCDAnimator::GoToLine(std::int32_t target) {
  const std::int64_t line = std::min<std::int64_t>(target, static_cast<std::int64_t>(code_.size()));
  if (line < 0) {
    currentLine_ = -1;
    return;
  }
  SetCurrentLine(static_cast<std::int16_t>(
      std::min<std::int64_t>(line, std::numeric_limits<std::int16_t>::max())));
}

void TLCDAnimator::KeepCurrentLineInCode() {
  if (code_.empty()) return;
  const int last = std::min(LastLine(), int{std::numeric_limits<std::int16_t>::max()});
  currentLine_ = static_cast<std::int16_t>(std::clamp(static_cast<int>(currentLine_), 0, last));
}

}  // namespace haltwise
