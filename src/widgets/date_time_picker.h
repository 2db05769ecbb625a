#pragma once
#include <functional>

#include "platform/datetime.h"
#include "widgets/control.h"

namespace haltwise {

// A date or a time picker; either way it holds a whole date-time value.
class DateTimePicker : public Control {
 public:
  enum class Kind { Date, Time };

  DateTimePicker(std::string name, Kind kind) : Control(std::move(name)), kind_(kind) {}

  // The colours of the drop-down calendar of a date picker.
  struct CalendarColors {
    Color text = clWindowText;
    Color monthBackground = clWhite;
    Color titleText = clWhite;
    Color titleBackground = clBtnShadow;
    bool operator==(const CalendarColors&) const = default;
  };

  Kind PickerKind() const { return kind_; }
  const CalendarColors& Calendar() const { return calendar_; }
  void SetCalendar(const CalendarColors& value) { Set(calendar_, value); }
  DateTime Value() const { return value_; }
  void SetValue(DateTime value) { Set(value_, value); }
  // What the user's own edit does: store, then run the change handler.
  void UserChange(DateTime value) {
    SetValue(value);
    if (OnChange) OnChange();
  }

  std::function<void()> OnChange;

 private:
  Kind kind_;
  DateTime value_ = 0;
  CalendarColors calendar_;
};

}  // namespace haltwise
