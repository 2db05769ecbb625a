#pragma once
#include "app/main_window_host.h"
#include "gfx/font_rasteriser.h"
#include "gfx/system_colors.h"
#include "ui/win32/parent_window.h"

namespace haltwise {

// TfrmAbout: the product, its version and what it does, in the skin's
// colours, with a flat "OK" button. Shown modally over its owner, on the
// owner's monitor and at its scale.
class AboutBox : public ParentWindow {
 public:
  AboutBox(const AboutBoxModel& model, FontRasteriser& fonts, const SystemColors& colors);
  void ShowModal(HWND owner);

 protected:
  const Bitmap32& Compose() override;
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  AboutBoxModel model_;
  FontRasteriser& fonts_;
  const SystemColors& colors_;
  Bitmap32 background_;
  bool closed_ = false;
};

}  // namespace haltwise
