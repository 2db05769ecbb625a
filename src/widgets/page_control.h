#pragma once
#include <string>
#include <vector>

#include "widgets/control.h"

namespace haltwise {

// A page notebook whose tabs may be hidden; pages are known by name.
class PageControl : public Control {
 public:
  PageControl(std::string name, std::vector<std::string> pages)
      : Control(std::move(name)), pages_(std::move(pages)) {}

  const std::vector<std::string>& Pages() const { return pages_; }
  int ActivePageIndex() const { return active_; }
  void SetActivePageIndex(int index) {
    if (index >= 0 && index < static_cast<int>(pages_.size())) Set(active_, index);
  }
  std::string ActivePageName() const { return pages_[active_]; }
  void ShowPage(const std::string& page) {
    for (std::size_t i = 0; i < pages_.size(); ++i) {
      if (pages_[i] == page) SetActivePageIndex(static_cast<int>(i));
    }
  }
  bool TabsVisible() const { return tabsVisible_; }
  void SetTabsVisible(bool value) { Set(tabsVisible_, value); }

 private:
  std::vector<std::string> pages_;
  int active_ = 0;
  bool tabsVisible_ = true;
};

}  // namespace haltwise
