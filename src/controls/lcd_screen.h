#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "controls/graphic_control.h"
#include "controls/lcd_cell_table.h"
#include "controls/lcd_colors.h"
#include "controls/lcd_composition.h"
#include "controls/lcd_glyph_cache.h"
#include "controls/lcd_types.h"
#include "gfx/bitmap1.h"
#include "gfx/font.h"
#include "gfx/font_rasteriser.h"
#include "gfx/system_colors.h"
#include "platform/user_notifier.h"
#include "widgets/timer.h"

namespace haltwise {

class Canvas;
class TLCDAnimator;
struct ScriptStatement;

// A dot-matrix LCD panel: lines of text with inline markup, a monochrome
// bitmap, or both, each font pixel shown as one square or round dot.
// Setters that change the picture repaint at once (Rendered), except while
// the animation runs: then the next animation tick repaints.
class TLCDScreen : public GraphicControl {
 public:
  TLCDScreen(FontRasteriser& fonts, const SystemColors& colors, std::string name = "LCD");
  ~TLCDScreen() override;

  // Where the error boxes go; without one they are not shown.
  void SetNotifier(UserNotifier* notifier) { notifier_ = notifier; }

  std::string About() const { return "About LCDAnimator"; }

  std::uint32_t AnimationDelay() const { return animationDelay_; }
  void SetAnimationDelay(std::uint32_t value);
  bool AnimationEnabled() const { return animationEnabled_; }
  void SetAnimationEnabled(bool value);
  bool AnimationRepeating() const { return animationRepeating_; }
  void SetAnimationRepeating(bool value) { animationRepeating_ = value; }

  // The bitmap is kept monochrome: black becomes lit, white unlit.
  const Bitmap1& Bitmap() const { return bitmap_; }
  void SetBitmap(const Bitmap32& value);
  TBitmapCopyMode BitmapCopyMode() const { return bitmapCopyMode_; }
  void SetBitmapCopyMode(TBitmapCopyMode value) { SetAndRedraw(bitmapCopyMode_, value); }
  TAnimMode BitmapAnimMode() const { return bitmapAnimMode_; }
  void SetBitmapAnimMode(TAnimMode value) { SetAndRedraw(bitmapAnimMode_, value); }
  std::int8_t BitmapXOffset() const { return bitmapXOffset_; }
  void SetBitmapXOffset(std::int8_t value) { SetAndRedraw(bitmapXOffset_, value); }
  std::int8_t BitmapYOffset() const { return bitmapYOffset_; }
  void SetBitmapYOffset(std::int8_t value) { SetAndRedraw(bitmapYOffset_, value); }

  std::int8_t BorderSpace() const { return borderSpace_; }
  void SetBorderSpace(std::int8_t value) { SetAndRedraw(borderSpace_, value); }
  TLCDBorder BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TLCDBorder value) { SetAndRedraw(borderStyle_, value); }
  // The background: border space and the gaps between dots.
  haltwise::Color Color() const { return color_; }
  void SetColor(haltwise::Color value) { SetAndRedraw(color_, value); }
  TDisplayMode DisplayMode() const { return displayMode_; }
  void SetDisplayMode(TDisplayMode value) { SetAndRedraw(displayMode_, value); }

  // The font's style is ignored; its colour takes part in the dot colours.
  const FontSpec& Font() const { return font_; }
  void SetFont(const FontSpec& value);
  void SetFontColor(haltwise::Color value);

  std::int8_t Intensity() const { return intensity_; }
  void SetIntensity(std::int8_t value);

  TLCDAnimator* LCDAnimator() const { return animator_; }
  void SetLCDAnimator(TLCDAnimator* value);

  // Each change of the lines parses the markup again and repaints.
  const std::vector<std::string>& Lines() const { return lines_; }
  void SetLines(std::vector<std::string> value);
  // Replaces the lines with the text split at its line breaks.
  void SetText(const std::string& text);
  // Every line followed by "\r\n".
  std::string Text() const;

  TAnimMode LinesAnimMode() const { return linesAnimMode_; }
  void SetLinesAnimMode(TAnimMode value) { SetAndRedraw(linesAnimMode_, value); }
  std::int8_t LinesXOffset() const { return linesXOffset_; }
  void SetLinesXOffset(std::int8_t value) { SetAndRedraw(linesXOffset_, value); }
  std::int8_t LinesYOffset() const { return linesYOffset_; }
  void SetLinesYOffset(std::int8_t value) { SetAndRedraw(linesYOffset_, value); }

  // Taken only while PixelSize is pixCustom; below 1 shows an error box.
  std::int8_t PixelWidth() const { return pixelWidth_; }
  void SetPixelWidth(std::int8_t value) { SetPixelExtent(pixelWidth_, value); }
  std::int8_t PixelHeight() const { return pixelHeight_; }
  void SetPixelHeight(std::int8_t value) { SetPixelExtent(pixelHeight_, value); }
  haltwise::Color PixelOff() const { return pixelOff_; }
  void SetPixelOff(haltwise::Color value);
  TPixelShape PixelShape() const { return pixelShape_; }
  void SetPixelShape(TPixelShape value) { SetAndRedraw(pixelShape_, value); }
  TPixelSize PixelSize() const { return pixelSize_; }
  void SetPixelSize(TPixelSize value) { SetAndRedraw(pixelSize_, value); }
  std::int8_t PixelSpacing() const { return pixelSpacing_; }
  void SetPixelSpacing(std::int8_t value) { SetAndRedraw(pixelSpacing_, value); }

  TSpecialEffects SpecialEffects() const { return specialEffects_; }
  void SetSpecialEffects(TSpecialEffects value);

  // Derived state.
  int Columns() const { return columns_; }
  int Rows() const { return rows_; }
  LcdDotColors DotColors() const { return dotColors_; }
  const Bitmap1& TextImage() const { return textImage_; }
  LcdScroll ScrollOffsets() const { return scroll_; }
  bool BlinkPhase() const { return blinkPhase_; }
  const LcdGlyphCache& GlyphCache() const { return glyphCache_; }

  // Runs the animation step on every tick; the Win32 layer or a
  // TimerQueue drives it.
  Timer& AnimationTimer() { return animationTimer_; }

  void Paint() override;

 private:
  friend class TLCDAnimator;

  template <typename T>
  void SetAndRedraw(T& field, const T& value) {
    if (Assign(field, value)) Redraw();
  }
  void SetPixelExtent(std::int8_t& field, std::int8_t value);
  void Redraw();
  void FontChanged();
  void LinesChanged();
  void RebuildTextImage();
  void ComputeGeometry();
  void DrawFrame(Canvas& canvas) const;

  void AnimationStep();
  void Execute(const ScriptStatement& statement);

  FontRasteriser& fonts_;
  const SystemColors& colors_;
  UserNotifier* notifier_ = nullptr;

  std::uint32_t animationDelay_ = 251;
  bool animationEnabled_ = false;
  bool animationRepeating_ = false;
  Bitmap1 bitmap_;
  TBitmapCopyMode bitmapCopyMode_ = TBitmapCopyMode::cmNotTransparent;
  TAnimMode bitmapAnimMode_ = TAnimMode::amDynamic;
  std::int8_t bitmapXOffset_ = 0;
  std::int8_t bitmapYOffset_ = 0;
  std::int8_t borderSpace_ = 3;
  TLCDBorder borderStyle_ = TLCDBorder::bsLowered;
  haltwise::Color color_ = clInactiveBorder;
  TDisplayMode displayMode_ = TDisplayMode::dmText;
  FontSpec font_;
  std::int8_t intensity_ = 127;
  TLCDAnimator* animator_ = nullptr;
  std::vector<std::string> lines_;
  TAnimMode linesAnimMode_ = TAnimMode::amDynamic;
  std::int8_t linesXOffset_ = 0;
  std::int8_t linesYOffset_ = 0;
  std::int8_t pixelHeight_ = 2;
  haltwise::Color pixelOff_ = 0xAAAAAA;
  TPixelShape pixelShape_ = TPixelShape::psSquare;
  TPixelSize pixelSize_ = TPixelSize::pix2x2;
  std::int8_t pixelSpacing_ = 1;
  std::int8_t pixelWidth_ = 2;
  TSpecialEffects specialEffects_;

  LcdCellTable cells_;
  LcdGlyphCache glyphCache_;
  Bitmap1 textImage_;
  LcdDotColors dotColors_;
  std::uint16_t columns_ = 0;
  std::uint16_t rows_ = 0;
  LcdScroll scroll_;
  bool blinkPhase_ = false;
  Timer animationTimer_;
};

}  // namespace haltwise
