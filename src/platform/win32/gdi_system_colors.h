#pragma once
#include "gfx/system_colors.h"

namespace haltwise {

// The desktop's colour scheme through GetSysColor.
class GdiSystemColors : public SystemColors {
 public:
  Color SysColor(int index) const override;
};

}  // namespace haltwise
