#pragma once
#include <memory>

#include "app/confirm_dialog.h"
#include "gfx/font_rasteriser.h"
#include "gfx/system_colors.h"
#include "ui/win32/bindings.h"
#include "ui/win32/parent_window.h"
#include "ui/win32/timer_host.h"

namespace haltwise {

// The confirmation countdown for real: a borderless, top-most maroon box
// with a raised bevel, its label and the flat "Cancel !!" button, centred
// on the main window's monitor at that monitor's scale, shown modally.
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

class ConfirmWindow : public ParentWindow {
 public:
  ConfirmWindow(TfrmConfirm& dialog, FontRasteriser& fonts, const SystemColors& colors);
  void Create(HWND owner);

 protected:
  const Bitmap32& Compose() override;
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  // The row of buttons, left to right; the last is the cancel button.
  void AddButtons();
  void FitLabel();

  TfrmConfirm& dialog_;
  FontRasteriser& fonts_;
  const SystemColors& colors_;
  Bitmap32 background_;
  std::unique_ptr<TimerHost> timers_;
  HWND label_ = nullptr;
  Bindings bindings_;
};

}  // namespace haltwise
