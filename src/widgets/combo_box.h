#pragma once
#include <functional>
#include <string>
#include <vector>

#include "widgets/control.h"

namespace haltwise {

// A drop-down list without typing.
class ComboBox : public Control {
 public:
  using Control::Control;

  const std::vector<std::string>& Items() const { return items_; }
  int Count() const { return static_cast<int>(items_.size()); }
  void Clear() {
    items_.clear();
    itemIndex_ = -1;
    Changed.Emit();
  }
  void Add(const std::string& item) {
    items_.push_back(item);
    Changed.Emit();
  }
  int ItemIndex() const { return itemIndex_; }
  // A position outside the list leaves nothing selected.
  void SetItemIndex(int index) { Set(itemIndex_, index >= 0 && index < Count() ? index : -1); }
  // The text shown: the selected item, or empty.
  std::string Text() const { return itemIndex_ >= 0 ? items_[itemIndex_] : std::string(); }
  // What the user's own selection does: select, then run the change handler.
  void UserSelect(int index) {
    SetItemIndex(index);
    if (OnChange) OnChange();
  }

  std::function<void()> OnChange;

 private:
  std::vector<std::string> items_;
  int itemIndex_ = -1;
};

}  // namespace haltwise
