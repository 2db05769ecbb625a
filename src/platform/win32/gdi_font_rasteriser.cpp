#include "platform/win32/gdi_font_rasteriser.h"

#include <cstring>

#include "platform/error.h"
#include "platform/win32/gdi_handles.h"
#include "platform/win32/system_message.h"
#include "platform/win32/wide_text.h"

namespace haltwise {

namespace {

[[noreturn]] void FailGdi(const std::string& what) {
  const DWORD code = GetLastError();
  throw Error(what + " failed: " + FormatSystemMessage(static_cast<long>(code)) + " (error " +
              std::to_string(code) + ").");
}

using FontKey = std::tuple<std::string, int, bool, bool, bool, bool>;

FontKey KeyOf(const FontSpec& font) {
  return {font.name, font.height, font.bold, font.italic, font.underline, font.strikeOut};
}

// A top-down one-bit DIB whose palette index 1 is black, so a set bit is ink.
struct MonochromeInfo {
  BITMAPINFOHEADER header;
  RGBQUAD colors[2];
};

}  // namespace

struct GdiFontRasteriser::Gdi {
  MemoryDc dc{CreateCompatibleDC(nullptr)};
  std::map<FontKey, UniqueFont> fonts;

  HFONT FontFor(const FontSpec& fontSpec) {
    auto found = fonts.find(KeyOf(fontSpec));
    if (found != fonts.end()) return found->second.Get();
    HFONT font =
        CreateFontW(fontSpec.height, 0, 0, 0, fontSpec.bold ? FW_BOLD : FW_NORMAL, fontSpec.italic,
                    fontSpec.underline, fontSpec.strikeOut, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                    CLIP_DEFAULT_PRECIS, NONANTIALIASED_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                    Widen(fontSpec.name).c_str());
    if (!font) FailGdi("CreateFontW(\"" + fontSpec.name + "\")");
    fonts.emplace(KeyOf(fontSpec), UniqueFont(font));
    return font;
  }
};

GdiFontRasteriser::GdiFontRasteriser() : gdi_(std::make_unique<Gdi>()) {
  if (!gdi_->dc.Get()) FailGdi("CreateCompatibleDC");
}

GdiFontRasteriser::~GdiFontRasteriser() = default;

TextSize GdiFontRasteriser::MeasureText(const FontSpec& font, std::string_view text) {
  const HDC dc = gdi_->dc.Get();
  const SelectedObject selected(dc, gdi_->FontFor(font));
  const std::wstring wide = Widen(text);
  SIZE size{};
  if (!GetTextExtentPoint32W(dc, wide.data(), static_cast<int>(wide.size()), &size)) {
    FailGdi("GetTextExtentPoint32W");
  }
  return {static_cast<int>(size.cx), static_cast<int>(size.cy)};
}

Bitmap1 GdiFontRasteriser::RenderText(const FontSpec& font, std::string_view text) {
  const TextSize size = MeasureText(font, text);
  Bitmap1 image(size.width, size.height);
  if (image.Empty()) return image;

  MonochromeInfo info{};
  info.header.biSize = sizeof(BITMAPINFOHEADER);
  info.header.biWidth = size.width;
  info.header.biHeight = -size.height;
  info.header.biPlanes = 1;
  info.header.biBitCount = 1;
  info.header.biCompression = BI_RGB;
  info.header.biClrUsed = 2;
  info.colors[0] = {255, 255, 255, 0};
  info.colors[1] = {0, 0, 0, 0};
  void* bits = nullptr;
  const HDC dc = gdi_->dc.Get();
  const UniqueBitmap dib(CreateDIBSection(dc, reinterpret_cast<const BITMAPINFO*>(&info),
                                          DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!dib.Get() || !bits) FailGdi("CreateDIBSection");
  {
    const SelectedObject bitmapSelected(dc, dib.Get());
    const SelectedObject fontSelected(dc, gdi_->FontFor(font));
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkColor(dc, RGB(255, 255, 255));
    SetBkMode(dc, OPAQUE);
    RECT whole{0, 0, size.width, size.height};
    const std::wstring wide = Widen(text);
    if (!ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &whole, wide.data(), static_cast<UINT>(wide.size()),
                     nullptr)) {
      FailGdi("ExtTextOutW");
    }
    GdiFlush();
  }
  // DIB rows are padded to 4 bytes; bits past the right edge are cleared.
  const int stride = (size.width + 31) / 32 * 4;
  const auto* source = static_cast<const std::uint8_t*>(bits);
  const int rowBytes = image.RowBytes();
  const auto lastMask = static_cast<std::uint8_t>(0xFF << ((8 - size.width % 8) % 8));
  for (int y = 0; y < size.height; ++y) {
    std::uint8_t* row = image.Row(y);
    std::memcpy(row, source + static_cast<std::ptrdiff_t>(y) * stride,
                static_cast<std::size_t>(rowBytes));
    row[rowBytes - 1] &= lastMask;
  }
  return image;
}

}  // namespace haltwise
