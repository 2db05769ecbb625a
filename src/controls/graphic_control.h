#pragma once
#include <string>
#include <utility>

#include "gfx/bitmap32.h"
#include "gfx/dpi_scale.h"
#include "widgets/control.h"

namespace haltwise {

// A windowless control drawn in software. Paint() composes the picture
// off-screen and copies it onto Surface(), which the Win32 layer shows.
// Changed (inherited) asks for a deferred repaint; Rendered follows a
// repaint that ran at once and wants to be shown now.
class GraphicControl : public Control {
 public:
  GraphicControl(std::string name, int width, int height)
      : Control(std::move(name)), width_(width), height_(height) {}

  int Left() const { return left_; }
  int Top() const { return top_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  void SetLeft(int value) { Set(left_, value); }
  void SetTop(int value) { Set(top_, value); }
  void SetWidth(int value) { Set(width_, value); }
  void SetHeight(int value) { Set(height_, value); }
  void SetBounds(int left, int top, int width, int height) {
    SetLeft(left);
    SetTop(top);
    SetWidth(width);
    SetHeight(height);
  }

  // The scale its text is drawn at (the toolkit's default font grows with
  // the monitor's DPI); sizes and spacings are set by the window.
  DpiScale TextScale() const { return scale_; }
  void SetTextScale(DpiScale value) { Set(scale_, value); }

  virtual void Paint() = 0;
  const Bitmap32& Surface() const { return surface_; }

  Signal<> Rendered;

 protected:
  void Invalidate() { Changed.Emit(); }
  void Render() {
    Paint();
    Rendered.Emit();
  }
  Bitmap32& MutableSurface() { return surface_; }

  // Stores a changed value; tells whether it changed.
  template <typename T>
  static bool Assign(T& field, const T& value) {
    if (field == value) return false;
    field = value;
    return true;
  }

 private:
  int left_ = 0;
  int top_ = 0;
  int width_;
  int height_;
  DpiScale scale_;
  Bitmap32 surface_;
};

}  // namespace haltwise
