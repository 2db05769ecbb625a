#pragma once
#include "app/main_window_host.h"
#include "gfx/font_rasteriser.h"
#include "gfx/system_colors.h"
#include "ui/win32/child_controls.h"
#include "ui/win32/window.h"

namespace haltwise {

// TfrmAbout: the product, its version and what it does, in the skin's
// colours, with a flat "OK" button. Shown modally over its owner.
class AboutBox : public Window {
 public:
  AboutBox(const AboutBoxModel& model, FontRasteriser& fonts, const SystemColors& colors);
  void ShowModal(HWND owner);

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  AboutBoxModel model_;
  FontRasteriser& fonts_;
  const SystemColors& colors_;
  ChildControls children_{nullptr};
  BrushCache brushes_;
  UniqueFont font_;
  UniqueFont titleFont_;
  bool closed_ = false;
};

}  // namespace haltwise
