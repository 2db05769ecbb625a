// The main window's controls outside the settings pages: the title strip,
// the mode buttons, the action toggles, Start, the displays and labels.
#include "platform/win32/windows_api.h"
// After <windows.h>:
#include <commctrl.h>

#include "controls/lcd_screen.h"
#include "controls/log_graph.h"
#include "ui/look/button_faces.h"
#include "ui/look/layout.h"
#include "ui/look/scaled_layout.h"
#include "ui/win32/main_window.h"
#include "ui/win32/ui_fonts.h"

namespace haltwise {

void MainWindow::CreateControls() {
  AddButtons();
  CreatePages();
  AddDisplays();
}

Bitmap32 MainWindow::Background(const DRAWITEMSTRUCT& item) const {
  RECT r = item.rcItem;
  MapWindowPoints(item.hwndItem, Handle(), reinterpret_cast<POINT*>(&r), 2);
  return Crop(composed_, {r.left, r.top, r.right, r.bottom});
}

FontSpec MainWindow::FaceFont(bool bold) const { return Scale()(UiFontSpec(bold)); }

void MainWindow::AddButtons() {
  TfrmShutdown& f = *form_;
  const auto focused = [](const DRAWITEMSTRUCT& item) { return (item.itemState & ODS_FOCUS) != 0; };

  // The title strip's buttons: flat, in the title colour. The small ones
  // show a glyph; their window text is their hint, so they have a name.
  struct Flat {
    Button& button;
    Rect place;
    const char* glyph;
    const char* name;
  };
  const Flat flats[] = {{f.btnTitle, layout::kTitle, nullptr, nullptr},
                        {f.btnHelp, layout::kHelp, "?", "Help"},
                        {f.btnHide, layout::kHide, "_", "Hide"},
                        {f.btnClose, layout::kClose, "x", "Close"}};
  for (const Flat& flat : flats) {
    Button& button = flat.button;
    const char* glyph = flat.glyph;
    ownerDrawn_.push_back(binder_->ImageButton(
        button, flat.place,
        [this, &button, glyph, focused](const DRAWITEMSTRUCT& item) {
          FaceText face{glyph ? std::string(glyph) : button.Caption(), FaceFont(true),
                        focused(item)};
          face.font.color = form_->btnTitle.FontColor();
          return FlatButtonFace({colors_, fonts_}, Background(item),
                                (item.itemState & ODS_SELECTED) != 0, face);
        },
        false, flat.name ? flat.name : ""));
  }

  Button* modes[] = {&f.btnIdle, &f.btnSched, &f.btnCntDn, &f.btnNetTr, &f.btnDiskTr, &f.btnCustom};
  for (int i = 0; i < 6; ++i) {
    Button& button = *modes[i];
    ownerDrawn_.push_back(binder_->ImageButton(
        button, layout::ModeButton(i),
        [this, &button, focused](const DRAWITEMSTRUCT& item) {
          FaceText text{button.Caption(), FaceFont(button.Bold()), focused(item)};
          text.font.color = button.FontColor();
          return ImageButtonFace({colors_, fonts_}, Background(item),
                                 button.Down() ? pictures_.buttonDown : pictures_.buttonUp, text);
        },
        true));
  }

  Button* toggles[] = {&f.chkLogOff,  &f.chkReboot,    &f.chkShutdown,
                       &f.chkSuspend, &f.chkHibernate, &f.chkForce};
  for (int i = 0; i < 6; ++i) {
    Button& button = *toggles[i];
    ownerDrawn_.push_back(binder_->ImageButton(
        button, layout::Toggle(i),
        [this, &button, focused](const DRAWITEMSTRUCT& item) {
          const GlyphState state = !button.Enabled() ? GlyphState::kDisabled
                                   : button.Down()   ? GlyphState::kExclusive
                                                     : GlyphState::kUp;
          // The toggle's images are the square of the skin's form colour,
          // stretched over the whole button.
          const Bitmap32& square = form_->skinPictures.actionSquare;
          const Color fill = square.Empty() ? clNone : square.Pixel(0, 0);
          FaceText text{button.Caption(), FaceFont(button.Bold()), focused(item)};
          text.font.color = button.FontColor();
          return GlyphToggleFace({colors_, fonts_}, Background(item), pictures_.leds, state, fill,
                                 text);
        },
        true));
  }

  Button& start = f.btnStart;
  ownerDrawn_.push_back(binder_->ImageButton(
      start, layout::kStart,
      [this, &start, focused](const DRAWITEMSTRUCT& item) {
        FaceText text{start.Caption(), FaceFont(true), focused(item)};
        text.font.color = clWhite;
        return ImageButtonFace({colors_, fonts_}, Background(item),
                               start.Down() ? pictures_.startOn : pictures_.startOff, text);
      },
      true));
}

HWND MainWindow::AddLabel(const std::string& name, const std::string& text, const Rect& place,
                          bool onPage, DWORD align) {
  if (onPage)
    return binder_->Label(name, text, place, align, [this](HDC dc) { return PageColours(dc); });
  return binder_->Label(name, text, place, align, [this, place](HDC dc) -> HBRUSH {
    SetTextColor(dc, ToColorRef(colors_.Resolve(form_->pcConfig.FontColor())));
    // The window picture shows through: a brush of the picture, aligned to
    // the label's place.
    SetBkMode(dc, TRANSPARENT);
    const Rect shown = Scale()(place);
    SetBrushOrgEx(dc, -shown.left, -shown.top, nullptr);
    return pictureBrush_.Get();
  });
}

void MainWindow::AddDisplays() {
  TfrmShutdown& f = *form_;
  displays_.push_back(std::make_unique<DisplayWindow>(
      f.LCD, [&f] { return f.LCD.Lines().empty() ? std::string() : f.LCD.Lines().front(); },
      nullptr));
  displays_.back()->Create(Handle(), layout::LcdAt(Scale()));

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
    displays_.back()->Create(Handle(), Scale()(g.place));
    binder_->Hint(displays_.back()->Handle(), graph);
    const Rect captionPlace = layout::GraphCaption(g.place);
    if (g.caption) {
      AddLabel(std::string(graph.Name()) + "Caption", g.caption, captionPlace, false, SS_CENTER);
    } else {
      HWND label = AddLabel(f.lblCustomCtr.Name(), f.lblCustomCtr.Caption(), captionPlace, false,
                            SS_CENTER | SS_ENDELLIPSIS);
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
  status_->Create(Handle(), Scale()(layout::kStatus), Scale());
  PlaceDisplays();
}

// The displays at the window's scale: the LCD's dots and the graphs' bar
// spacing grow with it.
void MainWindow::PlaceDisplays() {
  TfrmShutdown& f = *form_;
  const DpiScale scale = Scale();
  const layout::LcdDots dots = layout::LcdDotsAt(scale);
  f.LCD.SetPixelSize(static_cast<TPixelSize>(dots.dot));
  f.LCD.SetPixelSpacing(static_cast<std::int8_t>(dots.spacing));
  const Rect graphs[] = {layout::kGraphCpu, layout::kGraphNet, layout::kGraphDisk,
                         layout::kGraphCustom};
  displays_[0]->Place(layout::LcdAt(scale));
  TLogGraph* models[] = {&f.lgCPU, &f.lgNet, &f.lgDisk, &f.lgCustom};
  for (std::size_t i = 0; i < 4; ++i) {
    models[i]->SetBetweenSpace(static_cast<std::uint8_t>(layout::GraphBarSpacingAt(scale)));
    models[i]->SetTextScale(scale);
    displays_[i + 1]->Place(scale(graphs[i]));
  }
  status_->Place(scale(layout::kStatus), scale);
}

}  // namespace haltwise
