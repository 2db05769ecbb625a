#pragma once
#include "widgets/control.h"

namespace haltwise {

// A strip that scrolls its content by one pixel at a time when the content
// is taller than the strip.
class ContentScroller : public Control {
 public:
  ContentScroller(std::string name, int height) : Control(std::move(name)), height_(height) {}

  int Height() const { return height_; }
  int ScrollLength() const { return scrollLength_; }
  void SetScrollLength(int value) { Set(scrollLength_, value); }
  bool Active() const { return active_; }
  void SetActive(bool value) { Set(active_, value); }

 private:
  int height_;
  int scrollLength_ = 0;
  bool active_ = false;
};

}  // namespace haltwise
