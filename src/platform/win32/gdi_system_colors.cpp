#include "platform/win32/gdi_system_colors.h"

#include "platform/win32/windows_api.h"

namespace haltwise {

Color GdiSystemColors::SysColor(int index) const {
  // COLORREF has the same $00BBGGRR layout.
  return static_cast<Color>(GetSysColor(index));
}

}  // namespace haltwise
