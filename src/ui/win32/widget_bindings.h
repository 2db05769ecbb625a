#pragma once
#include <functional>
#include <string>
#include <vector>

#include "gfx/bitmap32.h"
#include "gfx/geometry.h"
#include "platform/win32/windows_api.h"
#include "ui/win32/bindings.h"
#include "ui/win32/child_controls.h"
#include "ui/win32/hint_tips.h"

namespace haltwise {

class Button;
class CheckBox;
class ComboBox;
class Control;
class DateTimePicker;
class RadioButton;
class SpinEdit;

// Binds the form's widget models to native child windows in both
// directions: the user's input goes to the model, every change of the
// model shows on its window. Places are at 96 DPI.
class WidgetBinder {
 public:
  // What a window needs for colours of its own: sets the DC's colours and
  // gives the background brush, or nullptr for the system's.
  using Colours = std::function<HBRUSH(HDC)>;
  // An owner-drawn button's face, for the part of the window it covers.
  using Face = std::function<Bitmap32(const DRAWITEMSTRUCT&)>;

  // Puts a face on its button.
  using ShowFace = std::function<void(const DRAWITEMSTRUCT&, const Bitmap32&)>;

  WidgetBinder(HWND parent, ChildControls& children, HintTips& hints, Bindings& bindings,
               ShowFace showFace)
      : parent_(parent),
        children_(children),
        hints_(hints),
        bindings_(bindings),
        showFace_(std::move(showFace)) {}

  // Owner-drawn: the face shows the model's state. `userClick` for buttons
  // that the user presses down (mode buttons, toggles, Start); plain ones
  // run their handler. `text` is the window text when it is not the
  // caption (glyph buttons are named by their hint).
  HWND ImageButton(Button& button, const Rect& place, Face face, bool userClick,
                   const std::string& text = {});
  HWND Label(const std::string& name, const std::string& text, const Rect& place, DWORD align,
             Colours colours);
  // Each returns its windows: a spin edit's arrows are a window of their own.
  std::vector<HWND> SpinEdit(SpinEdit& edit, const Rect& place, Colours colours);
  std::vector<HWND> Combo(ComboBox& combo, const Rect& place);
  std::vector<HWND> Radio(RadioButton& radio, const Rect& place, Colours colours);
  std::vector<HWND> CheckBox(CheckBox& box, const Rect& place, Colours colours);
  std::vector<HWND> DatePicker(DateTimePicker& picker, const Rect& place);
  // The model's hint as the window's tip, following its changes.
  void Hint(HWND window, Control& model);

 private:
  HWND parent_;
  ChildControls& children_;
  HintTips& hints_;
  Bindings& bindings_;
  ShowFace showFace_;
};

}  // namespace haltwise
