#pragma once
#include "app/confirm_dialog.h"
#include "gfx/font_rasteriser.h"
#include "gfx/system_colors.h"
#include "ui/win32/bindings.h"
#include "ui/win32/child_controls.h"
#include "ui/win32/timer_host.h"
#include "ui/win32/window.h"

namespace haltwise {

// The confirmation countdown for real: a borderless, top-most, centred
// maroon box with a raised bevel, its label and the flat "Cancel !!"
// button, shown modally over the main window.
class Win32ConfirmationRunner : public ConfirmationRunner {
 public:
  Win32ConfirmationRunner(FontRasteriser& fonts, const SystemColors& colors)
      : fonts_(fonts), colors_(colors) {}
  void SetOwner(HWND owner) { owner_ = owner; }

  int ShowModal(TfrmConfirm& dialog) override;

 private:
  FontRasteriser& fonts_;
  const SystemColors& colors_;
  HWND owner_ = nullptr;
};

class ConfirmWindow : public Window {
 public:
  ConfirmWindow(TfrmConfirm& dialog, FontRasteriser& fonts, const SystemColors& colors);
  void Create(HWND owner);

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void FitLabel();

  TfrmConfirm& dialog_;
  FontRasteriser& fonts_;
  const SystemColors& colors_;
  ChildControls children_{nullptr};
  BrushCache brushes_;
  UniqueFont font_;
  std::unique_ptr<TimerHost> timers_;
  HWND label_ = nullptr;
  Bindings bindings_;
};

}  // namespace haltwise
