#include "controls/lcd_screen.h"

#include <algorithm>
#include <limits>

#include "controls/lcd_animator.h"
#include "controls/lcd_dots.h"
#include "controls/lcd_text_image.h"
#include "gfx/canvas.h"
#include "gfx/monochrome.h"

namespace haltwise {

TLCDScreen::TLCDScreen(FontRasteriser& fonts, const SystemColors& colors, std::string name)
    : GraphicControl(std::move(name), 145, 65),
      fonts_(fonts),
      colors_(colors),
      glyphCache_(fonts),
      animationTimer_("LCDAnimationTimer", animationDelay_, false) {
  animationTimer_.OnTimer = [this] { AnimationStep(); };
  dotColors_ = ComputeLcdDotColors(pixelOff_, font_.color, intensity_, colors_);
  ComputeGeometry();
}

TLCDScreen::~TLCDScreen() {
  if (animator_) animator_->Detach(this);
}

void TLCDScreen::Redraw() {
  if (!animationEnabled_) Render();
}

void TLCDScreen::SetAnimationDelay(std::uint32_t value) {
  if (!Assign(animationDelay_, value)) return;
  animationTimer_.SetInterval(value);
}

void TLCDScreen::SetAnimationEnabled(bool value) {
  if (!Assign(animationEnabled_, value)) return;
  animationTimer_.SetEnabled(value);
}

void TLCDScreen::SetBitmap(const Bitmap32& value) {
  bitmap_ = ToMonochrome(value);
  Render();  // even while animating
}

void TLCDScreen::SetFont(const FontSpec& value) {
  font_ = value;
  FontChanged();
}

void TLCDScreen::SetFontColor(haltwise::Color value) {
  if (Assign(font_.color, value)) FontChanged();
}

void TLCDScreen::FontChanged() {
  dotColors_ = ComputeLcdDotColors(pixelOff_, font_.color, intensity_, colors_);
  RebuildTextImage();
  Redraw();
}

void TLCDScreen::SetIntensity(std::int8_t value) {
  if (!Assign(intensity_, value)) return;
  dotColors_ = ComputeLcdDotColors(pixelOff_, font_.color, intensity_, colors_);
  Redraw();
}

void TLCDScreen::SetPixelOff(haltwise::Color value) {
  if (!Assign(pixelOff_, value)) return;
  dotColors_ = ComputeLcdDotColors(pixelOff_, font_.color, intensity_, colors_);
  Redraw();
}

void TLCDScreen::SetPixelExtent(std::int8_t& field, std::int8_t value) {
  if (pixelSize_ != TPixelSize::pixCustom) return;
  if (value < 1) {
    if (notifier_) notifier_->ShowError("Value must be between 1 and 255.");
    return;
  }
  SetAndRedraw(field, value);
}

void TLCDScreen::SetSpecialEffects(TSpecialEffects value) {
  if (!Assign(specialEffects_, value)) return;
  RebuildTextImage();
  Redraw();
}

void TLCDScreen::SetLCDAnimator(TLCDAnimator* value) {
  if (value == animator_) return;
  if (animator_) animator_->Detach(this);
  animator_ = value;
  if (animator_) animator_->Attach(this);
}

void TLCDScreen::SetLines(std::vector<std::string> value) {
  lines_ = std::move(value);
  LinesChanged();
}

void TLCDScreen::SetText(const std::string& text) {
  // Breaks are CR LF, CR or LF; a final break adds no empty line.
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = std::min(text.find_first_of("\r\n", start), text.size());
    lines.push_back(text.substr(start, end - start));
    start = end;
    if (start < text.size() && text[start] == '\r') ++start;
    if (start < text.size() && text[start] == '\n') ++start;
  }
  SetLines(std::move(lines));
}

std::string TLCDScreen::Text() const {
  std::string text;
  for (const std::string& line : lines_) text += line + "\r\n";
  return text;
}

void TLCDScreen::LinesChanged() {
  cells_.Parse(lines_);
  RebuildTextImage();
  Redraw();
}

void TLCDScreen::RebuildTextImage() {
  const int lineCount = static_cast<int>(std::min<std::size_t>(lines_.size(), LcdCellTable::kRows));
  textImage_ =
      BuildLcdTextImage(cells_, lineCount, {font_, specialEffects_, blinkPhase_}, glyphCache_);
}

void TLCDScreen::ComputeGeometry() {
  if (pixelSize_ != TPixelSize::pixCustom) {
    pixelWidth_ = pixelHeight_ = static_cast<std::int8_t>(pixelSize_);
  }
  const int border = 2 * borderSpace_;
  const auto count = [&](int extent, int dot) {
    const int pitch = dot + pixelSpacing_;
    if (pitch <= 0) return 0;
    return std::clamp((extent - border + pixelSpacing_) / pitch, 0,
                      int{std::numeric_limits<std::uint16_t>::max()});
  };
  columns_ = static_cast<std::uint16_t>(count(Width(), pixelWidth_));
  rows_ = static_cast<std::uint16_t>(count(Height(), pixelHeight_));
  // Snap to whole dots; a control too small for one dot keeps no negative size.
  const auto snapped = [&](int dots, int dot) {
    return std::max(dot * dots + border + (dots - 1) * pixelSpacing_, 0);
  };
  SetWidth(snapped(columns_, pixelWidth_));
  SetHeight(snapped(rows_, pixelHeight_));
}

void TLCDScreen::DrawFrame(Canvas& canvas) const {
  const int w = Width(), h = Height();
  const bool lowered = borderStyle_ == TLCDBorder::bsLowered;
  canvas.pen.color = lowered ? clBtnHighlight : clBtnShadow;
  const Point bottomRight[] = {{w - 1, 0}, {w - 1, h - 1}, {-1, h - 1}};
  canvas.Polyline(bottomRight);
  canvas.pen.color = lowered ? clBtnShadow : clBtnHighlight;
  const Point topLeft[] = {{w - 1, 0}, {0, 0}, {0, h - 1}};
  canvas.Polyline(topLeft);
}

void TLCDScreen::Paint() {
  if (!Visible()) return;
  // Snapping first keeps the picture, the frame and the dot area the same size.
  ComputeGeometry();
  Bitmap32 image(Width(), Height(), colors_.Resolve(color_));
  Canvas canvas(image, colors_, fonts_);
  if (borderStyle_ != TLCDBorder::bsNone) DrawFrame(canvas);
  if (Enabled()) {
    const LcdLayer text{textImage_, linesXOffset_, linesYOffset_, linesAnimMode_};
    const LcdLayer picture{bitmap_, bitmapXOffset_, bitmapYOffset_, bitmapAnimMode_};
    const Bitmap1 matrix =
        ComposeLcdMatrix(displayMode_, text, picture, bitmapCopyMode_, columns_, rows_, scroll_);
    const LcdDotStyle style{pixelWidth_, pixelHeight_, pixelSpacing_,
                            pixelShape_, dotColors_,   color_};
    const int border = 2 * borderSpace_;
    canvas.Draw(borderSpace_, borderSpace_,
                RenderLcdDots(matrix, style, Width() - border, Height() - border, colors_, fonts_));
  }
  MutableSurface() = std::move(image);
}

}  // namespace haltwise
