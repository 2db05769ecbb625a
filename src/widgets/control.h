#pragma once
#include <string>

#include "platform/color.h"
#include "widgets/signal.h"

namespace haltwise {

// The state of one control that the program's logic reads and writes. The
// Win32 layer binds it to a real window; headless tests use it directly.
// Setters do nothing when the value is unchanged, otherwise store it and
// raise Changed.
class Control {
 public:
  explicit Control(std::string name) : name_(std::move(name)) {}
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;
  virtual ~Control() = default;

  const std::string& Name() const { return name_; }

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& value) { Set(caption_, value); }
  const std::string& Hint() const { return hint_; }
  void SetHint(const std::string& value) { Set(hint_, value); }
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool value) { Set(enabled_, value); }
  bool Visible() const { return visible_; }
  void SetVisible(bool value) { Set(visible_, value); }
  Color FontColor() const { return fontColor_; }
  void SetFontColor(Color value) { Set(fontColor_, value); }
  bool Bold() const { return bold_; }
  void SetBold(bool value) { Set(bold_, value); }
  Color BackgroundColor() const { return backgroundColor_; }
  void SetBackgroundColor(Color value) { Set(backgroundColor_, value); }
  int TabOrder() const { return tabOrder_; }
  void SetTabOrder(int value) { Set(tabOrder_, value); }

  Signal<> Changed;

 protected:
  template <typename T>
  void Set(T& field, const T& value) {
    if (field == value) return;
    field = value;
    Changed.Emit();
  }

 private:
  std::string name_;
  std::string caption_;
  std::string hint_;
  bool enabled_ = true;
  bool visible_ = true;
  Color fontColor_ = clWindowText;
  bool bold_ = false;
  Color backgroundColor_ = clBtnFace;
  int tabOrder_ = 0;
};

}  // namespace haltwise
