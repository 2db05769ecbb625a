#pragma once
#include <array>
#include <cstdint>
#include <string>

#include "controls/graphic_control.h"
#include "controls/picture_control.h"
#include "gfx/canvas.h"
#include "gfx/font_rasteriser.h"
#include "gfx/geometry.h"
#include "gfx/system_colors.h"

namespace haltwise {

class TTileImage;

enum class TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };
enum class TViewStyle { vsGraph, vsLabels };

// The recent history of one integer quantity: thin vertical bars, newest
// at the right, with the newest value as text (vsGraph); or a caption, the
// value and a unit text stacked in the middle (vsLabels). Setters either
// invalidate (Changed) or render at once (Rendered), as each one says.
class TLogGraph : public GraphicControl {
 public:
  static constexpr int kHistorySize = 1000;

  TLogGraph(FontRasteriser& fonts, const SystemColors& colors, std::string name = "LogGraph");

  // Drops the oldest visible value, appends this one and renders at once
  // when visible.
  void AddValue(std::int64_t value);
  // Entry `index` of the history, 0 the oldest visible one.
  std::int64_t Value(int index) const { return values_.at(static_cast<std::size_t>(index)); }
  int ValuesCount() const { return valuesCount_; }

  // At most 255 characters.
  const std::string& AfterString() const { return afterString_; }
  void SetAfterString(const std::string& value);
  // 0 is refused; the old spacing stays.
  std::uint8_t BetweenSpace() const { return betweenSpace_; }
  void SetBetweenSpace(std::uint8_t value);
  TBevelCut Bevel() const { return bevel_; }
  void SetBevel(TBevelCut value) { SetAndRelayout(bevel_, value); }
  Color ColorBg() const { return colorBg_; }
  void SetColorBg(Color value) { SetAndInvalidate(colorBg_, value); }
  Color ColorFg() const { return colorFg_; }
  void SetColorFg(Color value) { SetAndInvalidate(colorFg_, value); }
  Color ColorText() const { return colorText_; }
  void SetColorText(Color value);
  const std::string& DescString() const { return descString_; }
  void SetDescString(const std::string& value);
  bool DispUpper() const { return dispUpper_; }
  void SetDispUpper(bool value) { SetAndInvalidate(dispUpper_, value); }
  bool DispAfter() const { return dispAfter_; }
  void SetDispAfter(bool value) { SetAndInvalidate(dispAfter_, value); }
  std::int32_t Divisor() const { return divisor_; }
  void SetDivisor(std::int32_t value) { SetAndInvalidate(divisor_, value); }
  // Borrowed backgrounds; the references clear themselves when those
  // controls are destroyed.
  const PictureControl* Image() const { return Borrowed(image_); }
  void SetImage(const PictureControl* value);
  const TTileImage* TileImage() const;
  void SetTileImage(const TTileImage* value);
  const Pen& LinePen() const { return linePen_; }
  void SetLinePen(const Pen& value);
  std::int32_t LinePos() const { return linePos_; }
  void SetLinePos(std::int32_t value);
  bool ShowLine() const { return showLine_; }
  void SetShowLine(bool value);
  // 64-bit, as the values: a counter such as Memory "Available Bytes" is
  // far beyond 2^31 and still needs a range that holds it.
  std::int64_t ValueMax() const { return valueMax_; }
  void SetValueMax(std::int64_t value) { SetAndRelayout(valueMax_, value); }
  std::int64_t ValueMin() const { return valueMin_; }
  void SetValueMin(std::int64_t value) { SetAndRelayout(valueMin_, value); }
  TViewStyle ViewStyle() const { return viewStyle_; }
  void SetViewStyle(TViewStyle value) { SetAndInvalidate(viewStyle_, value); }

  // Layout, for the Win32 layer and tests.
  double Scale() const { return scale_; }
  int Baseline() const { return baseline_; }
  Rect PlotRect() const { return plot_; }

  void Paint() override;

 private:
  template <typename T>
  void SetAndInvalidate(T& field, const T& value) {
    if (Assign(field, value)) Invalidate();
  }
  template <typename T>
  void SetAndRelayout(T& field, const T& value) {
    if (!Assign(field, value)) return;
    ComputeLayout();
    Invalidate();
  }
  static const PictureControl* Borrowed(const PictureControl::PictureLink& link) {
    return link ? *link : nullptr;
  }

  void ComputeLayout();
  int RowOf(std::int64_t value) const;
  int RowOfLevel(double level, int margin) const;
  void DrawBackground(Canvas& canvas) const;
  void DrawBevel(Canvas& canvas) const;
  void PaintGraph(Bitmap32& image, Canvas& canvas);
  void PaintLabels(Bitmap32& image, Canvas& canvas);
  std::string ValueText(bool alwaysOneDecimal) const;

  FontRasteriser& fonts_;
  const SystemColors& colors_;

  std::string afterString_;
  std::uint8_t betweenSpace_ = 3;
  TBevelCut bevel_ = TBevelCut::bvRaised;
  Color colorBg_ = clBtnFace;
  Color colorFg_ = clRed;
  Color colorText_ = clWindowText;
  std::string descString_;
  bool dispUpper_ = true;
  bool dispAfter_ = true;
  std::int32_t divisor_ = 1;
  PictureControl::PictureLink image_;
  PictureControl::PictureLink tileImage_;
  Pen linePen_;
  std::int32_t linePos_ = 0;
  bool showLine_ = false;
  std::int64_t valueMax_ = 100;
  std::int64_t valueMin_ = -20;
  TViewStyle viewStyle_ = TViewStyle::vsGraph;

  std::array<std::int64_t, kHistorySize> values_{};
  double scale_ = 0;
  double zeroLine_ = 0;
  int baseline_ = 0;
  Rect plot_;
  int valuesCount_ = 0;
  int layoutWidth_ = 0;
  int layoutHeight_ = 0;
};

}  // namespace haltwise
