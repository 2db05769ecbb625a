#include "ui/win32/widget_bindings.h"

// After <windows.h>:
#include <commctrl.h>
#include <uxtheme.h>

#include <memory>

#include "platform/text.h"
#include "platform/win32/system_time.h"
#include "platform/win32/wide_text.h"
#include "widgets/button.h"
#include "widgets/check_box.h"
#include "widgets/combo_box.h"
#include "widgets/date_time_picker.h"
#include "widgets/radio_button.h"
#include "widgets/spin_edit.h"

namespace haltwise {

namespace {

bool Clicked(int code) { return code == BN_CLICKED || code == BN_DOUBLECLICKED; }

}  // namespace

void WidgetBinder::Hint(HWND window, Control& model) {
  hints_.SetHint(window, model.Hint());
  auto last = std::make_shared<std::string>(model.Hint());
  bindings_.Listen(model.Changed, [this, window, &model, last] {
    if (model.Hint() == *last) return;
    *last = model.Hint();
    hints_.SetHint(window, model.Hint());
  });
}

HWND WidgetBinder::ImageButton(Button& button, const Rect& place, Face face, bool userClick,
                               const std::string& text) {
  const bool captionIsText = text.empty();
  HWND window =
      children_.Add(button.Name(), L"BUTTON", captionIsText ? button.Caption() : text,
                    WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW, place,
                    {.command =
                         [&button, userClick](int code) {
                           if (!Clicked(code)) return;
                           if (userClick) {
                             button.UserClick();
                           } else {
                             button.Click();
                           }
                         },
                     .draw = [this, face = std::move(face)](
                                 const DRAWITEMSTRUCT& item) { showFace_(item, face(item)); }});
  bindings_.Listen(button.Changed, [window, &button, captionIsText] {
    if (captionIsText) SetWindowTextIfChanged(window, button.Caption());
    EnableWindow(window, button.Enabled());
    InvalidateRect(window, nullptr, FALSE);
  });
  Hint(window, button);
  return window;
}

HWND WidgetBinder::Label(const std::string& name, const std::string& text, const Rect& place,
                         DWORD align, Colours colours) {
  return children_.Add(name, L"STATIC", text, WS_VISIBLE | SS_NOPREFIX | align, place,
                       {.color = std::move(colours)});
}

// An edit with arrows. While the user types, every whole number goes to
// the model (which clamps it); leaving the edit shows the model's value.
std::vector<HWND> WidgetBinder::SpinEdit(haltwise::SpinEdit& edit, const Rect& place,
                                         Colours colours) {
  auto self = std::make_shared<HWND>(nullptr);
  auto typing = std::make_shared<bool>(false);
  const auto show = [&edit, self] { SetWindowTextIfChanged(*self, FloatToText(edit.Value())); };
  *self = children_.Add(edit.Name(), L"EDIT", FloatToText(edit.Value()),
                        WS_TABSTOP | ES_NUMBER | ES_AUTOHSCROLL, place,
                        {.command =
                             [&edit, self, typing, show](int code) {
                               if (code == EN_CHANGE && !*typing) {
                                 if (const auto value = TryStrToIntStrict(WindowText(*self))) {
                                   *typing = true;
                                   edit.SetValue(*value);
                                   *typing = false;
                                 }
                               } else if (code == EN_KILLFOCUS) {
                                 show();
                               }
                             },
                         .color = std::move(colours)},
                        WS_EX_CLIENTEDGE);
  HWND arrows =
      CreateWindowExW(0, UPDOWN_CLASSW, nullptr,
                      WS_CHILD | UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_ARROWKEYS | UDS_NOTHOUSANDS,
                      0, 0, 0, 0, parent_, nullptr, GetModuleHandleW(nullptr), nullptr);
  SendMessageW(arrows, UDM_SETBUDDY, reinterpret_cast<WPARAM>(*self), 0);
  SendMessageW(arrows, UDM_SETRANGE32, static_cast<WPARAM>(edit.MinValue()),
               static_cast<LPARAM>(edit.MaxValue()));
  children_.AttachArrows(*self, arrows);
  bindings_.Listen(edit.Changed, [&edit, self, typing, show] {
    if (!*typing) show();
    EnableWindow(*self, edit.Enabled());
    InvalidateRect(*self, nullptr, TRUE);
  });
  Hint(*self, edit);
  return {*self, arrows};
}

std::vector<HWND> WidgetBinder::Combo(ComboBox& combo, const Rect& place) {
  auto self = std::make_shared<HWND>(nullptr);
  auto shown = std::make_shared<std::vector<std::string>>();
  // The place of a drop-down list includes its open list.
  const Rect dropped{place.left, place.top, place.right, place.top + 220};
  *self =
      children_.Add(combo.Name(), L"COMBOBOX", "", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST,
                    dropped, {.command = [&combo, self](int code) {
                      if (code != CBN_SELCHANGE) return;
                      combo.UserSelect(static_cast<int>(SendMessageW(*self, CB_GETCURSEL, 0, 0)));
                    }});
  const auto follow = [&combo, self, shown] {
    if (*shown != combo.Items()) {
      SendMessageW(*self, CB_RESETCONTENT, 0, 0);
      for (const std::string& item : combo.Items()) {
        SendMessageW(*self, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(item).c_str()));
      }
      *shown = combo.Items();
    }
    if (SendMessageW(*self, CB_GETCURSEL, 0, 0) != combo.ItemIndex()) {
      SendMessageW(*self, CB_SETCURSEL, static_cast<WPARAM>(combo.ItemIndex()), 0);
    }
    EnableWindow(*self, combo.Enabled());
  };
  follow();
  bindings_.Listen(combo.Changed, follow);
  Hint(*self, combo);
  return {*self};
}

std::vector<HWND> WidgetBinder::Radio(RadioButton& radio, const Rect& place, Colours colours) {
  auto self = std::make_shared<HWND>(nullptr);
  *self =
      children_.Add(radio.Name(), L"BUTTON", radio.Caption(), WS_TABSTOP | BS_RADIOBUTTON, place,
                    {.command =
                         [&radio](int code) {
                           if (code == BN_CLICKED) radio.SetChecked(true);
                         },
                     .color = std::move(colours)});
  // Themed radio buttons ignore the text colour; these follow the skin.
  SetWindowTheme(*self, L"", L"");
  const auto follow = [&radio, self] {
    SetWindowTextIfChanged(*self, radio.Caption());
    SendMessageW(*self, BM_SETCHECK, radio.Checked() ? BST_CHECKED : BST_UNCHECKED, 0);
    EnableWindow(*self, radio.Enabled());
  };
  follow();
  bindings_.Listen(radio.Changed, follow);
  Hint(*self, radio);
  return {*self};
}

std::vector<HWND> WidgetBinder::CheckBox(haltwise::CheckBox& box, const Rect& place,
                                         Colours colours) {
  auto self = std::make_shared<HWND>(nullptr);
  *self =
      children_.Add(box.Name(), L"BUTTON", box.Caption(), WS_TABSTOP | BS_AUTOCHECKBOX, place,
                    {.command =
                         [&box, self](int code) {
                           if (code != BN_CLICKED) return;
                           box.SetChecked(SendMessageW(*self, BM_GETCHECK, 0, 0) == BST_CHECKED);
                         },
                     .color = std::move(colours)});
  // Themed check boxes ignore the text colour; this one follows the skin.
  SetWindowTheme(*self, L"", L"");
  const auto follow = [&box, self] {
    SetWindowTextIfChanged(*self, box.Caption());
    SendMessageW(*self, BM_SETCHECK, box.Checked() ? BST_CHECKED : BST_UNCHECKED, 0);
    EnableWindow(*self, box.Enabled());
  };
  follow();
  bindings_.Listen(box.Changed, follow);
  Hint(*self, box);
  return {*self};
}

std::vector<HWND> WidgetBinder::DatePicker(DateTimePicker& picker, const Rect& place) {
  auto self = std::make_shared<HWND>(nullptr);
  auto picking = std::make_shared<bool>(false);
  const DWORD style = picker.PickerKind() == DateTimePicker::Kind::Date
                          ? DTS_SHORTDATEFORMAT
                          : DTS_TIMEFORMAT | DTS_UPDOWN;
  *self = children_.Add(
      picker.Name(), DATETIMEPICK_CLASSW, "", WS_TABSTOP | style, place,
      {.notify = [&picker, self, picking](const NMHDR& header) -> LRESULT {
        if (header.code != DTN_DATETIMECHANGE) return 0;
        SYSTEMTIME st{};
        if (SendMessageW(*self, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&st)) != GDT_VALID) {
          return 0;
        }
        *picking = true;
        picker.UserChange(FromSystemTime(st));
        *picking = false;
        return 0;
      }});
  const auto follow = [&picker, self, picking] {
    EnableWindow(*self, picker.Enabled());
    if (*picking) return;
    SYSTEMTIME st = ToSystemTime(picker.Value());
    SendMessageW(*self, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&st));
  };
  follow();
  bindings_.Listen(picker.Changed, follow);
  Hint(*self, picker);
  return {*self};
}

}  // namespace haltwise
