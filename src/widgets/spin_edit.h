#pragma once
#include <algorithm>
#include <cmath>

#include "widgets/control.h"

namespace haltwise {

// A spin edit for whole numbers: every value is clamped to [min, max].
class SpinEdit : public Control {
 public:
  SpinEdit(std::string name, double minValue, double maxValue, double value)
      : Control(std::move(name)), min_(minValue), max_(maxValue), value_(Clamp(value)) {}

  double Value() const { return value_; }
  int IntValue() const { return static_cast<int>(std::trunc(value_)); }
  void SetValue(double value) { Set(value_, Clamp(value)); }
  double MinValue() const { return min_; }
  double MaxValue() const { return max_; }

 private:
  double Clamp(double value) const { return std::clamp(std::round(value), min_, max_); }

  double min_;
  double max_;
  double value_;
};

}  // namespace haltwise
