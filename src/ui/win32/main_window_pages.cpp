// The settings notebook: seven pages without tabs, each reading as one
// sentence with its controls in place, over the window's panel colour.
#include "platform/win32/windows_api.h"
// After <windows.h>:
#include <commctrl.h>
#include <uxtheme.h>

#include <cmath>

#include "platform/datetime.h"
#include "platform/text.h"
#include "ui/look/layout.h"
#include "ui/look/sentence_layout.h"
#include "ui/win32/main_window.h"
#include "ui/win32/ui_fonts.h"

namespace haltwise {

namespace {

constexpr int kPageMargin = 8;
constexpr int kSpinWidth = 50;
constexpr int kWideList = 219;

SYSTEMTIME ToSystemTime(DateTime value) {
  const SystemTime t = DateTimeToSystemTime(value);
  SYSTEMTIME st{};
  st.wYear = t.year;
  st.wMonth = t.month;
  st.wDayOfWeek = t.dayOfWeek;
  st.wDay = t.day;
  st.wHour = t.hour;
  st.wMinute = t.minute;
  st.wSecond = t.second;
  st.wMilliseconds = t.milliseconds;
  return st;
}

DateTime FromSystemTime(const SYSTEMTIME& st) {
  if (!IsValidDate(st.wYear, st.wMonth, st.wDay)) return 0;
  return EncodeDate(st.wYear, st.wMonth, st.wDay) +
         EncodeTime(st.wHour, st.wMinute, st.wSecond, st.wMilliseconds);
}

Rect OnPage(const Rect& r) {
  const int x = layout::kPages.left + kPageMargin, y = layout::kPages.top + kPageMargin;
  return {r.left + x, r.top + y, r.right + x, r.bottom + y};
}

}  // namespace

void MainWindow::CreatePages() {
  TfrmShutdown& f = *form_;
  const std::size_t pageCount = f.pcConfig.Pages().size();
  pages_.assign(pageCount, {});
  const auto pageOf = [&f](const char* name) {
    for (std::size_t i = 0; i < f.pcConfig.Pages().size(); ++i) {
      if (f.pcConfig.Pages()[i] == name) return i;
    }
    return f.pcConfig.Pages().size() - 1;
  };

  // A control of a page is made by one of these, placed by the sentence.
  using Maker = std::function<std::vector<HWND>(const Rect&)>;
  struct Piece {
    std::string text;
    Maker make;
    int width = 0;
    bool breakBefore = false;
  };
  const auto spin = [this](SpinEdit& edit, bool skinned) {
    return Piece{"", [this, &edit, skinned](const Rect& r) { return AddSpinEdit(edit, r, skinned); },
                 kSpinWidth};
  };
  const auto combo = [this](ComboBox& list, int width, bool breakBefore) {
    return Piece{"", [this, &list](const Rect& r) { return AddCombo(list, r); }, width, breakBefore};
  };
  const auto radio = [this](RadioButton& button) {
    const int width = MeasureTextWidth(font_.Get(), button.Caption().c_str()) + 20;
    return Piece{"", [this, &button](const Rect& r) { return AddRadio(button, r); }, width};
  };
  const auto picker = [this](DateTimePicker& p, int width) {
    return Piece{"", [this, &p](const Rect& r) { return AddDatePicker(p, r); }, width};
  };
  const auto words = [](const char* text, bool breakBefore = false) {
    return Piece{text, nullptr, 0, breakBefore};
  };

  const std::vector<std::pair<const char*, std::vector<Piece>>> sentences = {
      {"tsIdle",
       {words("Shutdown when processor usage is under"), spin(f.edtCPUUsage, true), words("% for"),
        spin(f.edtCPUMin, true), words("minutes.")}},
      {"tsSched",
       {words("Shutdown on"), picker(f.DateSched, 110), words("at", true), picker(f.TimeSched, 110)}},
      {"tsCntDn",
       {words("Shutdown in"), spin(f.edtCntDn, true), radio(f.chkHours), radio(f.chkMins),
        words("from start..", true)}},
      {"tsNetTr",
       {words("Shutdown when"), radio(f.rbTotal), radio(f.rbRecv), radio(f.rbSent),
        words("KB rate on Network Interface", true), combo(f.cbNetIface, kWideList, true),
        words("is under"), spin(f.edtNetUsage, false), words("Kb/s for"),
        spin(f.edtNetMin, false), words("minutes.")}},
      {"tsDiskTr",
       {words("Shutdown when disk usage is under"), spin(f.edtDiskUsage, false), words("Kb/s for"),
        spin(f.edtDiskMin, false), words("minutes.")}},
      {"tsCustom",
       {words("Shutdown when Performance Object"), combo(f.cbPerfObjs, kWideList, true),
        words("has the Performance Counter value of", true), combo(f.cbPerfCounters, kWideList, true),
        words("of the Instance", true), combo(f.cbInstances, 140, false),
        words("between", true), spin(f.edtCustomUsageLow, false), words("and"),
        spin(f.edtCustomUsageHigh, false), words("for"), spin(f.edtCustomMin, false),
        words("minutes.")}},
  };

  SentenceMetrics metrics;
  metrics.width = layout::kPages.Width() - 2 * kPageMargin;
  metrics.rowHeight = 21;
  // A static control wraps a text that fills its width exactly: leave room.
  const auto measure = [this](const std::string& text) {
    return MeasureTextWidth(font_.Get(), text.c_str()) + 3;
  };
  for (const auto& [page, pieces] : sentences) {
    const std::size_t index = pageOf(page);
    std::vector<SentencePiece> flow;
    for (std::size_t i = 0; i < pieces.size(); ++i) {
      flow.push_back({pieces[i].text, pieces[i].make ? static_cast<int>(i) : -1, pieces[i].width,
                      pieces[i].breakBefore});
    }
    for (const PlacedPiece& placed : LayoutSentence(flow, metrics, measure)) {
      const Rect r = OnPage(placed.place);
      if (placed.controlId >= 0) {
        for (HWND window : pieces[static_cast<std::size_t>(placed.controlId)].make(r)) {
          pages_[index].push_back(window);
        }
      } else {
        pages_[index].push_back(AddLabel(std::string(page) + "Text", placed.text, r, true));
      }
    }
  }

  // The start page: the product and its version.
  const std::size_t splash = pageOf("tsSplash");
  pages_[splash].push_back(AddLabel("lblTitle", "Haltwise", OnPage({0, 34, 219, 70}), true,
                                    titleFont_.Get(), SS_CENTER));
  HWND version = AddLabel(f.lblVer.Name(), f.lblVer.Caption(), OnPage({0, 74, 219, 90}), true,
                          nullptr, SS_CENTER);
  pages_[splash].push_back(version);
  bindings_.Listen(f.lblVer.Changed, [version, this] {
    SetWindowTextIfChanged(version, form_->lblVer.Caption());
  });

  bindings_.Listen(f.pcConfig.Changed, [this] { ShowActivePage(); });
  ShowActivePage();
}

void MainWindow::ShowActivePage() {
  const int active = form_->pcConfig.ActivePageIndex();
  // Hide first, so the page never shows two sentences at once.
  for (std::size_t i = 0; i < pages_.size(); ++i) {
    if (static_cast<int>(i) == active) continue;
    for (HWND window : pages_[i]) ShowWindow(window, SW_HIDE);
  }
  if (active >= 0 && active < static_cast<int>(pages_.size())) {
    for (HWND window : pages_[static_cast<std::size_t>(active)]) ShowWindow(window, SW_SHOW);
  }
  RECT page{layout::kPages.left, layout::kPages.top, layout::kPages.right, layout::kPages.bottom};
  InvalidateRect(Handle(), &page, FALSE);
}

// An edit with arrows. While the user types, every whole number goes to
// the model (which clamps it); leaving the edit shows the model's value.
std::vector<HWND> MainWindow::AddSpinEdit(SpinEdit& edit, const Rect& place, bool skinned) {
  auto self = std::make_shared<HWND>(nullptr);
  auto typing = std::make_shared<bool>(false);
  const auto show = [&edit, self] { SetWindowTextIfChanged(*self, FloatToText(edit.Value())); };
  *self = children_.Add(
      edit.Name(), "EDIT", FloatToText(edit.Value()), WS_TABSTOP | ES_NUMBER | ES_AUTOHSCROLL,
      place,
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
       .color = [this, &edit, skinned](HDC dc) -> HBRUSH {
         if (!skinned) return nullptr;
         SetTextColor(dc, ToColorRef(colors_.Resolve(edit.FontColor())));
         const Color back = colors_.Resolve(edit.BackgroundColor());
         SetBkColor(dc, ToColorRef(back));
         return brushes_.Get(back);
       }},
      WS_EX_CLIENTEDGE);
  HWND arrows = CreateWindowExA(0, UPDOWN_CLASSA, nullptr,
                                WS_CHILD | UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_ARROWKEYS |
                                    UDS_NOTHOUSANDS,
                                0, 0, 0, 0, Handle(), nullptr, GetModuleHandleA(nullptr), nullptr);
  SendMessageA(arrows, UDM_SETBUDDY, reinterpret_cast<WPARAM>(*self), 0);
  SendMessageA(arrows, UDM_SETRANGE32, static_cast<WPARAM>(edit.MinValue()),
               static_cast<LPARAM>(edit.MaxValue()));
  bindings_.Listen(edit.Changed, [this, &edit, self, typing, show] {
    if (!*typing) show();
    EnableWindow(*self, edit.Enabled());
    InvalidateRect(*self, nullptr, TRUE);
  });
  BindHint(*self, edit);
  return {*self, arrows};
}

std::vector<HWND> MainWindow::AddCombo(ComboBox& combo, const Rect& place) {
  auto self = std::make_shared<HWND>(nullptr);
  auto shown = std::make_shared<std::vector<std::string>>();
  const Rect dropped{place.left, place.top, place.right, place.top + 220};
  *self = children_.Add(combo.Name(), "COMBOBOX", "", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST,
                        dropped, {.command = [&combo, self](int code) {
                          if (code != CBN_SELCHANGE) return;
                          combo.UserSelect(static_cast<int>(SendMessageA(*self, CB_GETCURSEL, 0, 0)));
                        }});
  const auto follow = [&combo, self, shown] {
    if (*shown != combo.Items()) {
      SendMessageA(*self, CB_RESETCONTENT, 0, 0);
      for (const std::string& item : combo.Items()) {
        SendMessageA(*self, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
      }
      *shown = combo.Items();
    }
    if (SendMessageA(*self, CB_GETCURSEL, 0, 0) != combo.ItemIndex()) {
      SendMessageA(*self, CB_SETCURSEL, static_cast<WPARAM>(combo.ItemIndex()), 0);
    }
    EnableWindow(*self, combo.Enabled());
  };
  follow();
  bindings_.Listen(combo.Changed, follow);
  BindHint(*self, combo);
  return {*self};
}

std::vector<HWND> MainWindow::AddRadio(RadioButton& radio, const Rect& place) {
  auto self = std::make_shared<HWND>(nullptr);
  *self = children_.Add(radio.Name(), "BUTTON", radio.Caption(), WS_TABSTOP | BS_RADIOBUTTON, place,
                        {.command =
                             [&radio](int code) {
                               if (code == BN_CLICKED) radio.SetChecked(true);
                             },
                         .color = [this](HDC dc) -> HBRUSH {
                           SetTextColor(dc, ToColorRef(colors_.Resolve(form_->pcConfig.FontColor())));
                           const Color page = colors_.Resolve(form_->skinColors.PanelBackground);
                           SetBkColor(dc, ToColorRef(page));
                           return brushes_.Get(page);
                         }});
  // Themed radio buttons ignore the text colour; these follow the skin.
  SetWindowTheme(*self, L"", L"");
  const auto follow = [&radio, self] {
    SetWindowTextIfChanged(*self, radio.Caption());
    SendMessageA(*self, BM_SETCHECK, radio.Checked() ? BST_CHECKED : BST_UNCHECKED, 0);
    EnableWindow(*self, radio.Enabled());
  };
  follow();
  bindings_.Listen(radio.Changed, follow);
  BindHint(*self, radio);
  return {*self};
}

std::vector<HWND> MainWindow::AddDatePicker(DateTimePicker& picker, const Rect& place) {
  auto self = std::make_shared<HWND>(nullptr);
  auto picking = std::make_shared<bool>(false);
  const DWORD style = picker.PickerKind() == DateTimePicker::Kind::Date
                          ? DTS_SHORTDATEFORMAT
                          : DTS_TIMEFORMAT | DTS_UPDOWN;
  *self = children_.Add(picker.Name(), DATETIMEPICK_CLASSA, "", WS_TABSTOP | style, place,
                        {.notify = [&picker, self, picking](const NMHDR& header) -> LRESULT {
                          if (header.code != DTN_DATETIMECHANGE) return 0;
                          SYSTEMTIME st{};
                          if (SendMessageA(*self, DTM_GETSYSTEMTIME, 0,
                                           reinterpret_cast<LPARAM>(&st)) != GDT_VALID) {
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
    SendMessageA(*self, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&st));
  };
  follow();
  bindings_.Listen(picker.Changed, follow);
  BindHint(*self, picker);
  return {*self};
}

}  // namespace haltwise
