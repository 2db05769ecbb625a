// The settings notebook: seven pages without tabs, each reading as one
// sentence with its controls in place, over the window's panel colour.
#include "platform/win32/windows_api.h"
// After <windows.h>:
#include <commctrl.h>

#include "ui/look/layout.h"
#include "ui/look/sentence_layout.h"
#include "ui/win32/main_window.h"
#include "ui/win32/ui_fonts.h"

namespace haltwise {

namespace {

constexpr int kPageMargin = 8;
constexpr int kSpinWidth = 50;
constexpr int kWideList = 219;

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
  // Texts are measured in the window's font and laid out at 96 DPI.
  const auto measure = [this](const std::string& text) {
    return Scale().ToDesignCeil(MeasureTextWidth(uiFonts_.Get(UiFontRole::kNormal), text));
  };
  const auto spin = [this](SpinEdit& edit, bool skinned) {
    WidgetBinder::Colours colours = nullptr;
    if (skinned) {
      colours = [this, &edit](HDC dc) -> HBRUSH {
        SetTextColor(dc, ToColorRef(colors_.Resolve(edit.FontColor())));
        const Color back = colors_.Resolve(edit.BackgroundColor());
        SetBkColor(dc, ToColorRef(back));
        return brushes_.Get(back);
      };
    }
    return Piece{
        "", [this, &edit, colours](const Rect& r) { return binder_->SpinEdit(edit, r, colours); },
        kSpinWidth};
  };
  const auto combo = [this](ComboBox& list, int width, bool breakBefore) {
    return Piece{"", [this, &list](const Rect& r) { return binder_->Combo(list, r); }, width,
                 breakBefore};
  };
  const auto radio = [this, measure](RadioButton& button) {
    const int width = measure(button.Caption()) + 20;
    return Piece{"",
                 [this, &button](const Rect& r) {
                   return binder_->Radio(button, r, [this](HDC dc) { return PageColours(dc); });
                 },
                 width};
  };
  const auto checkBox = [this, measure](CheckBox& box) {
    const int width = measure(box.Caption()) + 20;
    return Piece{"",
                 [this, &box](const Rect& r) {
                   return binder_->CheckBox(box, r, [this](HDC dc) { return PageColours(dc); });
                 },
                 width};
  };
  const auto picker = [this](DateTimePicker& p, int width) {
    return Piece{"", [this, &p](const Rect& r) { return binder_->DatePicker(p, r); }, width};
  };
  const auto words = [](const char* text, bool breakBefore = false) {
    return Piece{text, nullptr, 0, breakBefore};
  };

  const std::vector<std::pair<const char*, std::vector<Piece>>> sentences = {
      {"tsIdle",
       {words("Shutdown when processor usage is under"), spin(f.edtCPUUsage, true), words("%"),
        checkBox(f.chkNoInput), words("for"), spin(f.edtCPUMin, true), words("minutes.")}},
      {"tsSched",
       {words("Shutdown on"), picker(f.DateSched, 110), words("at", true),
        picker(f.TimeSched, 110)}},
      {"tsCntDn",
       {words("Shutdown in"), spin(f.edtCntDn, true), radio(f.chkHours), radio(f.chkMins),
        words("from start..", true)}},
      {"tsNetTr",
       {words("Shutdown when"), radio(f.rbTotal), radio(f.rbRecv), radio(f.rbSent),
        words("KB rate on Network Interface", true), combo(f.cbNetIface, kWideList, true),
        words("is under"), spin(f.edtNetUsage, false), words("Kb/s for"), spin(f.edtNetMin, false),
        words("minutes.")}},
      {"tsDiskTr",
       {words("Shutdown when disk usage is under"), spin(f.edtDiskUsage, false), words("Kb/s for"),
        spin(f.edtDiskMin, false), words("minutes.")}},
      {"tsCustom",
       {words("Shutdown when Performance Object"), combo(f.cbPerfObjs, kWideList, true),
        words("has the Performance Counter value of", true),
        combo(f.cbPerfCounters, kWideList, true), words("of the Instance", true),
        combo(f.cbInstances, 140, false), words("between", true), spin(f.edtCustomUsageLow, false),
        words("and"), spin(f.edtCustomUsageHigh, false), words("for"), spin(f.edtCustomMin, false),
        words("minutes.")}},
  };

  SentenceMetrics metrics;
  metrics.width = layout::kPages.Width() - 2 * kPageMargin;
  metrics.rowHeight = 21;
  for (const auto& [page, pieces] : sentences) {
    const std::size_t index = pageOf(page);
    std::vector<SentencePiece> flow;
    for (std::size_t i = 0; i < pieces.size(); ++i) {
      flow.push_back({pieces[i].text, pieces[i].make ? static_cast<int>(i) : -1, pieces[i].width,
                      pieces[i].breakBefore});
    }
    // A static control wraps a text that fills its width exactly: leave room.
    const auto labelWidth = [&measure](const std::string& text) { return measure(text) + 3; };
    for (const PlacedPiece& placed : LayoutSentence(flow, metrics, labelWidth)) {
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
  children_.SetFontRole(UiFontRole::kTitle);
  pages_[splash].push_back(
      AddLabel("lblTitle", "Haltwise", OnPage({0, 34, 219, 70}), true, SS_CENTER));
  children_.SetFontRole(UiFontRole::kNormal);
  HWND version =
      AddLabel(f.lblVer.Name(), f.lblVer.Caption(), OnPage({0, 74, 219, 90}), true, SS_CENTER);
  pages_[splash].push_back(version);
  bindings_.Listen(f.lblVer.Changed,
                   [version, this] { SetWindowTextIfChanged(version, form_->lblVer.Caption()); });

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
  const Rect pages = Scale()(layout::kPages);
  RECT page{pages.left, pages.top, pages.right, pages.bottom};
  InvalidateRect(Handle(), &page, FALSE);
}

// The settings pages' own colours: the skin's text on the panel colour.
HBRUSH MainWindow::PageColours(HDC dc) {
  SetTextColor(dc, ToColorRef(colors_.Resolve(form_->pcConfig.FontColor())));
  const Color page = colors_.Resolve(form_->skinColors.PanelBackground);
  SetBkColor(dc, ToColorRef(page));
  return brushes_.Get(page);
}

}  // namespace haltwise
