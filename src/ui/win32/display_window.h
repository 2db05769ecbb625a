#pragma once
#include <functional>
#include <string>

#include "controls/graphic_control.h"
#include "gfx/geometry.h"
#include "ui/win32/bindings.h"
#include "ui/win32/buffered_window.h"

namespace haltwise {

// Shows a control drawn in software (the LCD, a history graph): paints its
// Surface() and repaints when the model asks. The window text is what
// `describe` returns, so automation tools can read the display.
class DisplayWindow : public BufferedWindow {
 public:
  DisplayWindow(GraphicControl& control, std::function<std::string()> describe,
                std::function<void()> onMouseDown);

  // `place` in pixels of the parent; the model takes its size.
  void Create(HWND parent, const Rect& place);
  void Place(const Rect& place);
  // A display on a hidden window composes nothing until it is shown again.
  void SetShown(bool shown);

 protected:
  const Bitmap32& Compose() override;
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void Refresh(bool repaintModel);

  GraphicControl& control_;
  std::function<std::string()> describe_;
  std::function<void()> onMouseDown_;
  bool dirty_ = true;
  Bindings bindings_;
};

}  // namespace haltwise
