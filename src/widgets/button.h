#pragma once
#include <functional>
#include <vector>

#include "widgets/control.h"

namespace haltwise {

class ButtonGroup;

// A push, toggle or grouped image button. Click() runs the handler alone,
// as a program-made click does; UserClick() is a click by the user, which
// first flips a toggle (respecting its group) and then runs the handler.
class Button : public Control {
 public:
  enum class Kind { Push, Toggle };

  Button(std::string name, Kind kind = Kind::Push) : Control(std::move(name)), kind_(kind) {}

  bool Down() const { return down_; }
  void SetDown(bool value);

  // A grouped toggle releases the other members when pressed; a pressed
  // one may be released again, leaving none pressed.
  void JoinGroup(ButtonGroup* group) { group_ = group; }

  void Click() const {
    if (OnClick) OnClick();
  }
  void UserClick();

  std::function<void()> OnClick;

 private:
  Kind kind_;
  bool down_ = false;
  ButtonGroup* group_ = nullptr;
};

// Members of a one-of-many toggle group.
class ButtonGroup {
 public:
  void Add(Button& button) {
    members_.push_back(&button);
    button.JoinGroup(this);
  }
  void ReleaseAllBut(const Button& keep) {
    for (Button* member : members_) {
      if (member != &keep) member->SetDown(false);
    }
  }
  const std::vector<Button*>& Members() const { return members_; }

 private:
  std::vector<Button*> members_;
};

inline void Button::SetDown(bool value) {
  if (value && group_) group_->ReleaseAllBut(*this);
  Set(down_, value);
}

inline void Button::UserClick() {
  if (kind_ == Kind::Toggle) SetDown(!down_);
  Click();
}

}  // namespace haltwise
