// The main window's controls outside the settings pages: the title strip,
// the mode buttons, the action toggles, Start, the displays and labels.
#include "platform/win32/windows_api.h"
// After <windows.h>:
#include <commctrl.h>

#include "ui/look/button_faces.h"
#include "ui/look/layout.h"
#include "ui/win32/main_window.h"
#include "ui/win32/ui_fonts.h"

namespace haltwise {

namespace {

bool Clicked(int code) { return code == BN_CLICKED || code == BN_DOUBLECLICKED; }

}  // namespace

void MainWindow::CreateControls() {
  TfrmShutdown& f = *form_;
  children_.SetFont(font_.Get());

  AddFlatButton(f.btnTitle, layout::kTitle, f.btnTitle.Caption(), nullptr, true);
  AddFlatButton(f.btnHelp, layout::kHelp, "Help", "?", true);
  AddFlatButton(f.btnHide, layout::kHide, "Hide", "_", true);
  AddFlatButton(f.btnClose, layout::kClose, "Close", "x", true);

  Button* modes[] = {&f.btnIdle, &f.btnSched, &f.btnCntDn, &f.btnNetTr, &f.btnDiskTr, &f.btnCustom};
  for (int i = 0; i < 6; ++i) AddModeButton(*modes[i], layout::ModeButton(i));

  Button* toggles[] = {&f.chkLogOff, &f.chkReboot, &f.chkShutdown, &f.chkSuspend, &f.chkHibernate,
                       &f.chkForce};
  for (int i = 0; i < 6; ++i) AddActionToggle(*toggles[i], layout::Toggle(i));

  AddStartButton();
  CreatePages();
  AddDisplays();
}

Bitmap32 MainWindow::Background(const DRAWITEMSTRUCT& item) const {
  RECT r = item.rcItem;
  MapWindowPoints(item.hwndItem, Handle(), reinterpret_cast<POINT*>(&r), 2);
  return Crop(composed_, {r.left, r.top, r.right, r.bottom});
}

void MainWindow::DrawFace(const DRAWITEMSTRUCT& item, const Bitmap32& face) {
  ShowPicture(item.hDC, item.rcItem.left, item.rcItem.top, face);
}

void MainWindow::BindHint(HWND window, Control& model) {
  hints_->SetHint(window, model.Hint());
  auto last = std::make_shared<std::string>(model.Hint());
  bindings_.Listen(model.Changed, [this, window, &model, last] {
    if (model.Hint() == *last) return;
    *last = model.Hint();
    hints_->SetHint(window, model.Hint());
  });
}

// Every owner-drawn button follows its model: caption as window text,
// enabled state, and a repaint for pressed state and colours.
void MainWindow::AddModeButton(Button& button, const Rect& place) {
  HWND window = children_.Add(
      button.Name(), "BUTTON", button.Caption(), WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW, place,
      {.command = [&button](int code) {
         if (Clicked(code)) button.UserClick();
       },
       .draw = [this, &button](const DRAWITEMSTRUCT& item) {
         FaceText text{button.Caption(), UiFontSpec(button.Bold()),
                       (item.itemState & ODS_FOCUS) != 0};
         text.font.color = button.FontColor();
         DrawFace(item, ImageButtonFace({colors_, fonts_}, Background(item),
                                        button.Down() ? pictures_.buttonDown : pictures_.buttonUp,
                                        text));
       }});
  ownerDrawn_.push_back(window);
  bindings_.Listen(button.Changed, [window, &button] {
    SetWindowTextIfChanged(window, button.Caption());
    EnableWindow(window, button.Enabled());
    InvalidateRect(window, nullptr, FALSE);
  });
  BindHint(window, button);
}

void MainWindow::AddActionToggle(Button& button, const Rect& place) {
  HWND window = children_.Add(
      button.Name(), "BUTTON", button.Caption(), WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW, place,
      {.command = [&button](int code) {
         if (Clicked(code)) button.UserClick();
       },
       .draw = [this, &button](const DRAWITEMSTRUCT& item) {
         const GlyphState state = !button.Enabled() ? GlyphState::kDisabled
                                  : button.Down()   ? GlyphState::kExclusive
                                                    : GlyphState::kUp;
         // The toggle's images are the square of the skin's form colour,
         // stretched over the whole button.
         const Bitmap32& square = form_->skinPictures.actionSquare;
         const Color fill = square.Empty() ? clNone : square.Pixel(0, 0);
         FaceText text{button.Caption(), UiFontSpec(button.Bold()),
                       (item.itemState & ODS_FOCUS) != 0};
         text.font.color = button.FontColor();
         DrawFace(item, GlyphToggleFace({colors_, fonts_}, Background(item), pictures_.leds, state,
                                        fill, text));
       }});
  ownerDrawn_.push_back(window);
  bindings_.Listen(button.Changed, [window, &button] {
    SetWindowTextIfChanged(window, button.Caption());
    EnableWindow(window, button.Enabled());
    InvalidateRect(window, nullptr, FALSE);
  });
  BindHint(window, button);
}

void MainWindow::AddStartButton() {
  Button& start = form_->btnStart;
  HWND window = children_.Add(
      start.Name(), "BUTTON", start.Caption(), WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW,
      layout::kStart,
      {.command = [&start](int code) {
         if (Clicked(code)) start.UserClick();
       },
       .draw = [this, &start](const DRAWITEMSTRUCT& item) {
         FaceText text{start.Caption(), UiFontSpec(true), (item.itemState & ODS_FOCUS) != 0};
         text.font.color = clWhite;
         DrawFace(item, ImageButtonFace({colors_, fonts_}, Background(item),
                                        start.Down() ? pictures_.startOn : pictures_.startOff,
                                        text));
       }});
  ownerDrawn_.push_back(window);
  bindings_.Listen(start.Changed, [window, &start] {
    SetWindowTextIfChanged(window, start.Caption());
    EnableWindow(window, start.Enabled());
    InvalidateRect(window, nullptr, FALSE);
  });
  BindHint(window, start);
}

// The title strip's buttons: flat, in the title colour. The small ones show
// a glyph; their window text is their hint, so they have a name.
void MainWindow::AddFlatButton(Button& button, const Rect& place, const std::string& text,
                               const char* glyph, bool bold) {
  HWND window = children_.Add(
      button.Name(), "BUTTON", text, WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW, place,
      {.command = [&button](int code) {
         if (Clicked(code)) button.Click();
       },
       .draw = [this, &button, glyph, bold](const DRAWITEMSTRUCT& item) {
         FaceText face{glyph ? std::string(glyph) : button.Caption(), UiFontSpec(bold),
                       (item.itemState & ODS_FOCUS) != 0};
         face.font.color = form_->btnTitle.FontColor();
         DrawFace(item, FlatButtonFace({colors_, fonts_}, Background(item),
                                       (item.itemState & ODS_SELECTED) != 0, face));
       }});
  ownerDrawn_.push_back(window);
  bindings_.Listen(button.Changed, [window, &button, glyph] {
    if (!glyph) SetWindowTextIfChanged(window, button.Caption());
    InvalidateRect(window, nullptr, FALSE);
  });
  BindHint(window, button);
}

HWND MainWindow::AddLabel(const std::string& name, const std::string& text, const Rect& place,
                          bool onPage, HFONT font, DWORD align) {
  if (font) children_.SetFont(font);
  HWND window = children_.Add(
      name, "STATIC", text, WS_VISIBLE | SS_NOPREFIX | align, place,
      {.color = [this, onPage, place](HDC dc) -> HBRUSH {
         const Color text = colors_.Resolve(form_->pcConfig.FontColor());
         SetTextColor(dc, ToColorRef(text));
         if (!onPage) {
           // The window picture shows through: a brush of the picture,
           // aligned to the label's place.
           SetBkMode(dc, TRANSPARENT);
           SetBrushOrgEx(dc, -place.left, -place.top, nullptr);
           return pictureBrush_.Get();
         }
         const Color page = colors_.Resolve(form_->skinColors.PanelBackground);
         SetBkColor(dc, ToColorRef(page));
         return brushes_.Get(page);
       }});
  if (font) children_.SetFont(font_.Get());
  return window;
}

void MainWindow::AddDisplays() {
  TfrmShutdown& f = *form_;
  displays_.push_back(std::make_unique<DisplayWindow>(
      f.LCD,
      [&f] {
        std::string text = f.LCD.Lines().empty() ? std::string() : f.LCD.Lines().front();
        return text;
      },
      nullptr));
  displays_.back()->Create(Handle(), layout::kLcd);

  struct GraphPlace {
    TLogGraph& graph;
    Rect place;
    void (TfrmShutdown::*mouseDown)();
    const char* caption;
  };
  const GraphPlace graphs[] = {
      {f.lgCPU, layout::kGraphCpu, &TfrmShutdown::lgCPUMouseDown, "CPU Usage"},
      {f.lgNet, layout::kGraphNet, &TfrmShutdown::lgNetMouseDown, "Network Usage (Kb)"},
      {f.lgDisk, layout::kGraphDisk, &TfrmShutdown::lgDiskMouseDown, "Disk Usage (Kb)"},
      {f.lgCustom, layout::kGraphCustom, &TfrmShutdown::lgCustomMouseDown, nullptr},
  };
  for (const GraphPlace& g : graphs) {
    TLogGraph& graph = g.graph;
    auto mouseDown = g.mouseDown;
    displays_.push_back(std::make_unique<DisplayWindow>(
        graph, [&graph] { return graph.Name(); }, [this, mouseDown] { (form_->*mouseDown)(); }));
    displays_.back()->Create(Handle(), g.place);
    BindHint(displays_.back()->Handle(), graph);
    const Rect captionPlace = layout::GraphCaption(g.place);
    if (g.caption) {
      AddLabel(std::string(graph.Name()) + "Caption", g.caption, captionPlace, false, nullptr,
               SS_CENTER);
    } else {
      HWND label = AddLabel(f.lblCustomCtr.Name(), f.lblCustomCtr.Caption(), captionPlace, false,
                            nullptr, SS_CENTER | SS_ENDELLIPSIS);
      bindings_.Listen(f.lblCustomCtr.Changed, [this, label] {
        SetWindowTextIfChanged(label, form_->lblCustomCtr.Caption());
        // A transparent label leaves its old text behind unless the parent
        // repaints under it.
        RECT r;
        GetWindowRect(label, &r);
        MapWindowPoints(nullptr, Handle(), reinterpret_cast<POINT*>(&r), 2);
        InvalidateRect(Handle(), &r, TRUE);
      });
    }
  }

  status_ = std::make_unique<StatusStrip>(f.lblStatusBar, f.JvContentScroller, fonts_, colors_);
  status_->Create(Handle(), layout::kStatus);
}

}  // namespace haltwise
