#pragma once
#include "widgets/control.h"

namespace haltwise {

// A box the user ticks on its own, apart from any group.
class CheckBox : public Control {
 public:
  using Control::Control;

  bool Checked() const { return checked_; }
  void SetChecked(bool value) { Set(checked_, value); }

 private:
  bool checked_ = false;
};

}  // namespace haltwise
