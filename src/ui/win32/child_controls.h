#pragma once
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "gfx/dpi_scale.h"
#include "gfx/geometry.h"
#include "platform/color.h"
#include "platform/win32/gdi_handles.h"
#include "platform/win32/windows_api.h"
#include "ui/win32/ui_fonts.h"

namespace haltwise {

// What a parent window does with the messages its child sends it.
struct ChildHandlers {
  std::function<void(int code)> command = nullptr;            // WM_COMMAND, by notification code
  std::function<LRESULT(const NMHDR&)> notify = nullptr;      // WM_NOTIFY
  std::function<void(const DRAWITEMSTRUCT&)> draw = nullptr;  // WM_DRAWITEM
  std::function<HBRUSH(HDC)> color = nullptr;                 // WM_CTLCOLOR...
};

// The child windows of one parent, known by the name of the model they show
// (for balloons that point at a control) and by id (for notifications).
// Places are given at 96 DPI and shown at the fonts' scale.
class ChildControls {
 public:
  ChildControls() = default;
  ChildControls(HWND parent, const UiFontSet& fonts) : parent_(parent), fonts_(&fonts) {}

  HWND Add(const std::string& name, const wchar_t* windowClass, const std::string& text,
           DWORD style, const Rect& place, ChildHandlers handlers = {}, DWORD exStyle = 0);
  HWND Find(const std::string& name) const;
  // Up-down arrows that sit at the edge of `edit` and move with it.
  void AttachArrows(HWND edit, HWND arrows);

  // Puts every child at its place and font at the fonts' current scale.
  void Relayout();

  bool Command(WPARAM wParam, LPARAM lParam);
  bool Notify(LPARAM lParam, LRESULT* result);
  bool Draw(LPARAM lParam);
  bool Color(WPARAM dc, LPARAM child, LRESULT* result);

  // The font of every child added from now on.
  void SetFontRole(UiFontRole role) { role_ = role; }

 private:
  struct Entry {
    std::string name;
    HWND window;
    Rect place;
    UiFontRole role;
    ChildHandlers handlers;
    HWND arrows = nullptr;
  };
  const Entry* ById(int id) const;

  HWND parent_ = nullptr;
  const UiFontSet* fonts_ = nullptr;
  UiFontRole role_ = UiFontRole::kNormal;
  std::vector<Entry> entries_;
  int nextId_ = 1000;
};

// Solid brushes by colour, kept while the window lives.
class BrushCache {
 public:
  HBRUSH Get(Color resolved);

 private:
  std::map<Color, UniqueBrush> brushes_;
};

// Window text set only when it differs, so controls do not flicker.
void SetWindowTextIfChanged(HWND window, const std::string& text);
std::string WindowText(HWND window);
COLORREF ToColorRef(Color resolved);

}  // namespace haltwise
