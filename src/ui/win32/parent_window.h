#pragma once
#include "ui/win32/buffered_window.h"
#include "ui/win32/child_controls.h"
#include "ui/win32/ui_fonts.h"

namespace haltwise {

// A buffered window with native child controls: the messages a child
// sends its parent (commands, notifications, owner drawing and colours)
// go to the handlers the child was added with.
class ParentWindow : public BufferedWindow {
 protected:
  // After the window exists: its children at the window's DPI.
  void StartChildren();

  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  // An owner-drawn child's face, through one buffer kept for all of them.
  void ShowFace(const DRAWITEMSTRUCT& item, const Bitmap32& face);

  ChildControls children_;
  UiFontSet uiFonts_;
  BrushCache brushes_;

 private:
  DibSurface faces_;
};

}  // namespace haltwise
