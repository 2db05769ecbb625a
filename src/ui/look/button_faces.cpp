#include "ui/look/button_faces.h"

#include <algorithm>

#include "gfx/canvas.h"

#include "ui/look/shading.h"

namespace haltwise {

namespace {

// A canvas on a copy of the background.
class FaceCanvas {
 public:
  FaceCanvas(const FaceTools& tools, const Bitmap32& background)
      : image_(background), canvas_(image_, tools.colors, tools.fonts) {}
  Canvas& Get() { return canvas_; }
  Bitmap32 Take() { return std::move(image_); }

 private:
  Bitmap32 image_;
  Canvas canvas_;
};

void CentredText(Canvas& canvas, const FaceText& text, const Rect& area) {
  canvas.font = text.font;
  canvas.brush.hollow = true;
  const TextSize size = canvas.TextExtent(text.caption);
  canvas.WriteText(area.left + (area.Width() - size.width) / 2,
                   area.top + (area.Height() - size.height) / 2, text.caption);
}

void FocusRect(Bitmap32& image, const Rect& r, Color color) {
  for (int x = r.left; x < r.right; x += 2) {
    image.SetPixel(x, r.top, color);
    image.SetPixel(x, r.bottom - 1, color);
  }
  for (int y = r.top; y < r.bottom; y += 2) {
    image.SetPixel(r.left, y, color);
    image.SetPixel(r.right - 1, y, color);
  }
}

}  // namespace

Bitmap32 Crop(const Bitmap32& picture, const Rect& from, Color fill) {
  Bitmap32 part(from.Width(), from.Height(), fill);
  for (int y = 0; y < part.Height(); ++y) {
    for (int x = 0; x < part.Width(); ++x) {
      if (picture.Contains(from.left + x, from.top + y)) {
        part.SetPixel(x, y, picture.Pixel(from.left + x, from.top + y));
      }
    }
  }
  return part;
}

Bitmap32 ImageButtonFace(const FaceTools& tools, const Bitmap32& background, const Bitmap32& image,
                         const FaceText& text) {
  FaceCanvas face(tools, background);
  face.Get().Draw(0, 0, image);
  const Rect whole{0, 0, background.Width(), background.Height()};
  CentredText(face.Get(), text, whole);
  Bitmap32 result = face.Take();
  if (text.focused) {
    FocusRect(result, {3, 3, whole.right - 3, whole.bottom - 3},
              tools.colors.Resolve(text.font.color));
  }
  return result;
}

Bitmap32 GlyphToggleFace(const FaceTools& tools, const Bitmap32& background, const Bitmap32& strip,
                         GlyphState state, Color square, const FaceText& text) {
  FaceCanvas face(tools, background);
  Canvas& c = face.Get();
  const Rect whole{0, 0, background.Width(), background.Height()};
  if (square != clNone) {
    c.brush.hollow = false;
    c.brush.color = square;
    c.FillRect(whole);
  }
  const int glyphWidth = strip.Width() / kGlyphStates;
  const int glyphHeight = strip.Height();
  const int top = (whole.Height() - glyphHeight) / 2;
  const int left = static_cast<int>(state) * glyphWidth;
  c.Draw(2, top, strip, {left, 0, left + glyphWidth, glyphHeight});
  c.font = text.font;
  c.brush.hollow = true;
  const TextSize size = c.TextExtent(text.caption);
  const int textLeft = 2 + glyphWidth + 6;
  c.WriteText(textLeft, (whole.Height() - size.height) / 2, text.caption);
  Bitmap32 result = face.Take();
  if (text.focused) {
    FocusRect(result,
              {textLeft - 2, 1, std::min(textLeft + size.width + 2, whole.right), whole.bottom - 1},
              tools.colors.Resolve(text.font.color));
  }
  return result;
}

Bitmap32 FlatButtonFace(const FaceTools& tools, const Bitmap32& background, bool pressed,
                        const FaceText& text) {
  FaceCanvas face(tools, background);
  const Rect whole{0, 0, background.Width(), background.Height()};
  Rect area = whole;
  if (pressed) area = {1, 1, whole.right + 1, whole.bottom + 1};
  CentredText(face.Get(), text, area);
  Bitmap32 result = face.Take();
  const Color ink = tools.colors.Resolve(text.font.color);
  if (pressed) {
    shading::Bevel(result, whole, 1, shading::Darker(ink, 60), shading::Mix(ink, clWhite, 50));
  }
  if (text.focused) FocusRect(result, {2, 2, whole.right - 2, whole.bottom - 2}, ink);
  return result;
}

}  // namespace haltwise
