#pragma once
#include <vector>

#include "widgets/control.h"

namespace haltwise {

class RadioGroup;

// A radio choice; checking one unchecks the others of its group.
class RadioButton : public Control {
 public:
  using Control::Control;

  bool Checked() const { return checked_; }
  void SetChecked(bool value);
  void JoinGroup(RadioGroup* group) { group_ = group; }

 private:
  bool checked_ = false;
  RadioGroup* group_ = nullptr;
};

class RadioGroup {
 public:
  void Add(RadioButton& button) {
    members_.push_back(&button);
    button.JoinGroup(this);
  }
  void UncheckAllBut(const RadioButton& keep) {
    for (RadioButton* member : members_) {
      if (member != &keep) member->SetChecked(false);
    }
  }

 private:
  std::vector<RadioButton*> members_;
};

inline void RadioButton::SetChecked(bool value) {
  if (value && group_) group_->UncheckAllBut(*this);
  Set(checked_, value);
}

}  // namespace haltwise
