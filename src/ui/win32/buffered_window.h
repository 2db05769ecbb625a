#pragma once
#include "gfx/bitmap32.h"
#include "ui/win32/dib_surface.h"
#include "ui/win32/window.h"

namespace haltwise {

// A window that shows one back buffer, kept for its whole life. Its
// picture is composed only when it is stale and the window is painted, so
// a hidden window composes nothing, and then shown with one BitBlt.
class BufferedWindow : public Window {
 protected:
  // The window's picture; called when a paint finds the buffer stale.
  virtual const Bitmap32& Compose() = 0;
  // The picture must be composed again: at the next paint.
  void Recompose();
  // Composes now (for a picture that other drawing reads at once).
  void ComposeNow();
  const DibSurface& BackBuffer() const { return backBuffer_; }

  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  DibSurface backBuffer_;
  bool stale_ = true;
};

}  // namespace haltwise
