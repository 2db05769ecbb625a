#pragma once
#include "platform/color.h"

namespace haltwise {

// The platform's system colour table (GetSysColor on Windows).
class SystemColors {
 public:
  virtual ~SystemColors() = default;
  // The RGB value of the system colour with the given COLOR_* index.
  virtual Color SysColor(int index) const = 0;

  // A plain colour as it is; a system colour ($FF in the top byte) through
  // the table. Only the low three bytes of the result are kept.
  Color Resolve(Color color) const {
    if (IsSystemColor(color)) return SysColor(static_cast<int>(color & 0xFF)) & 0xFFFFFF;
    return color & 0xFFFFFF;
  }
};

// The classic Windows colour scheme, for headless runs.
class ClassicSystemColors : public SystemColors {
 public:
  Color SysColor(int index) const override;
};

}  // namespace haltwise
