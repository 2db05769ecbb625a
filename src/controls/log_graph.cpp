#include "controls/log_graph.h"

#include <algorithm>

#include "controls/log_graph_text.h"
#include "controls/tile_image.h"
#include "gfx/blit.h"

namespace haltwise {

namespace {

// Rows far outside the control are drawn as if just outside it, which
// shows the same pixels without walking a line of a billion pixels.
int ClampedRow(double row, int height, int margin) {
  return static_cast<int>(std::clamp(row, -1.0 - margin, static_cast<double>(height + margin)));
}

}  // namespace

TLogGraph::TLogGraph(FontRasteriser& fonts, const SystemColors& colors, std::string name)
    : GraphicControl(std::move(name), 88, 65), fonts_(fonts), colors_(colors) {
  ComputeLayout();
}

void TLogGraph::ComputeLayout() {
  if (Width() / betweenSpace_ > kHistorySize) SetWidth(kHistorySize * betweenSpace_);
  // An empty range (ValueMax one below ValueMin) would divide by zero; it
  // is drawn like a range of one value.
  // In floating point: the difference of two 64-bit bounds can overflow.
  double range = static_cast<double>(valueMax_) - static_cast<double>(valueMin_) + 1;
  if (range == 0) range = 1;
  const bool bevelled = bevel_ != TBevelCut::bvNone;
  if (bevelled) {
    scale_ = (Height() - 2) / range;
    zeroLine_ = (static_cast<double>(valueMax_) + 1.0) * scale_;
    plot_ = {1, 1, Width() - 1, Height() - 1};
    valuesCount_ = (Width() - 2) / betweenSpace_;
  } else {
    scale_ = Height() / range;
    zeroLine_ = (static_cast<double>(valueMax_) + 1.0) * scale_ - 1;
    plot_ = {0, 0, Width(), Height()};
    valuesCount_ = Width() / betweenSpace_;
  }
  valuesCount_ = std::clamp(valuesCount_, 0, kHistorySize);
  baseline_ = ClampedRow(RoundHalfEven(zeroLine_), Height(), 0);
  layoutWidth_ = Width();
  layoutHeight_ = Height();
}

int TLogGraph::RowOfLevel(double level, int margin) const {
  const double row = RoundHalfEven((static_cast<double>(valueMax_) - level) * scale_) -
                     (bevel_ == TBevelCut::bvNone ? 1 : 0);
  return ClampedRow(row, Height(), margin);
}

int TLogGraph::RowOf(std::int64_t value) const {
  std::int64_t clamped = value;
  if (value > valueMax_) {
    clamped = valueMax_;
  } else if (value < valueMin_) {
    clamped = valueMin_;
  }
  return RowOfLevel(static_cast<double>(clamped), 0);
}

void TLogGraph::AddValue(std::int64_t value) {
  // A resize since the last layout changes which entries are visible.
  if (Width() != layoutWidth_ || Height() != layoutHeight_) ComputeLayout();
  if (valuesCount_ > 0) {
    std::copy(values_.begin() + 1, values_.begin() + valuesCount_, values_.begin());
    values_[static_cast<std::size_t>(valuesCount_ - 1)] = value;
  }
  if (Visible()) Render();
}

void TLogGraph::SetAfterString(const std::string& value) {
  SetAndInvalidate(afterString_, value.substr(0, 255));
}

void TLogGraph::SetBetweenSpace(std::uint8_t value) {
  if (value == 0 || !Assign(betweenSpace_, value)) return;
  ComputeLayout();
  Render();
}

void TLogGraph::SetColorText(Color value) {
  colorText_ = value;
  Render();
}

void TLogGraph::SetDescString(const std::string& value) {
  descString_ = value;
  if (viewStyle_ == TViewStyle::vsLabels) Invalidate();
}

void TLogGraph::SetImage(const PictureControl* value) {
  if (value == Image()) return;
  image_ = value ? value->Link() : nullptr;
  Invalidate();
}

const TTileImage* TLogGraph::TileImage() const {
  return static_cast<const TTileImage*>(Borrowed(tileImage_));
}

void TLogGraph::SetTileImage(const TTileImage* value) {
  if (value == TileImage()) return;
  tileImage_ = value ? value->Link() : nullptr;
  Invalidate();
}

void TLogGraph::SetLinePen(const Pen& value) {
  linePen_ = value;
  Render();
}

void TLogGraph::SetLinePos(std::int32_t value) {
  linePos_ = value;
  Render();
}

void TLogGraph::SetShowLine(bool value) {
  showLine_ = value;
  Render();
}

void TLogGraph::DrawBackground(Canvas& canvas) const {
  // A borrowed picture makes the graph show what lies behind it.
  const PictureControl* tiles = Borrowed(tileImage_);
  const PictureControl* image = Borrowed(image_);
  if (tiles && !tiles->Picture().Empty()) {
    TileOver(canvas.Target(), tiles->Picture(), tiles->Left() - Left(), tiles->Top() - Top());
  } else if (image && !image->Picture().Empty()) {
    canvas.Draw(image->Left() - Left(), image->Top() - Top(), image->Picture());
  } else {
    canvas.FillRect(plot_);
  }
}

void TLogGraph::DrawBevel(Canvas& canvas) const {
  const int w = Width(), h = Height();
  const Point topLeft[] = {{0, h - 1}, {0, 0}, {w - 1, 0}};
  const Point bottomRight[] = {{1, h - 1}, {w - 1, h - 1}, {w - 1, 0}};
  const bool raised = bevel_ == TBevelCut::bvRaised;
  canvas.pen = {clBtnHighlight, 1};
  canvas.Polyline(raised ? std::span<const Point>(topLeft) : std::span<const Point>(bottomRight));
  canvas.pen = {clBtnShadow, 1};
  canvas.Polyline(raised ? std::span<const Point>(bottomRight) : std::span<const Point>(topLeft));
}

std::string TLogGraph::ValueText(bool alwaysOneDecimal) const {
  const std::int64_t newest = values_[static_cast<std::size_t>(valuesCount_ - 1)];
  if (divisor_ == 1 && !alwaysOneDecimal) return std::to_string(newest);
  return OneDecimalText(newest, divisor_);
}

void TLogGraph::PaintGraph(Bitmap32& image, Canvas& canvas) {
  canvas.pen = {colorFg_, 1};
  int x = bevel_ == TBevelCut::bvNone ? 0 : 1;
  for (int i = 0; i < valuesCount_; ++i, x += betweenSpace_) {
    const std::int64_t value = values_[static_cast<std::size_t>(i)];
    const int row = value == 0 ? baseline_ : RowOf(value);
    if (row == baseline_) {
      canvas.SetPixel(x, baseline_, colorFg_);
    } else {
      canvas.MoveTo(x, baseline_);
      canvas.LineTo(x, row);
    }
  }
  if (showLine_) {
    canvas.pen = linePen_;
    const int y = RowOfLevel(linePos_, std::max(linePen_.width, 1));
    canvas.MoveTo(0, y);
    canvas.LineTo(Width(), y);
  }
  MutableSurface() = std::move(image);
  // Without a visible value there is no text to show.
  if (divisor_ == 0 || !dispUpper_ || valuesCount_ == 0) return;
  std::string text = ValueText(false);
  if (dispAfter_) {
    if (!afterString_.empty() && afterString_[0] != ' ') text += ' ';
    text += afterString_;
  }
  // The value text is the one thing drawn straight onto the control.
  Canvas onControl(MutableSurface(), colors_, fonts_);
  onControl.font = TextScale()(onControl.font);
  onControl.font.color = colorText_;
  onControl.brush.hollow = true;
  onControl.WriteText(Width() / 2 - onControl.TextWidth(text) / 2,
                      bevel_ == TBevelCut::bvNone ? 0 : 1, text);
}

void TLogGraph::PaintLabels(Bitmap32& image, Canvas& canvas) {
  const int lineHeight = canvas.TextHeight("Xy");
  const int margin = bevel_ == TBevelCut::bvNone ? 0 : 1;
  const auto centred = [&](const std::string& text, int y) {
    canvas.WriteText(Width() / 2 - canvas.TextWidth(text) / 2, y, text);
  };
  if (dispUpper_) {
    centred(FitCaption(descString_, plot_.Width() - 1,
                       [&](const std::string& text) { return canvas.TextWidth(text); }),
            margin);
  }
  if (divisor_ != 0 && valuesCount_ > 0) centred(ValueText(true), Height() / 2 - lineHeight / 2);
  if (dispAfter_) centred(afterString_, Height() - lineHeight - margin);
  MutableSurface() = std::move(image);
}

void TLogGraph::Paint() {
  if (Width() != layoutWidth_ || Height() != layoutHeight_) ComputeLayout();
  Bitmap32 image(Width(), Height(), colors_.Resolve(colorBg_));
  Canvas canvas(image, colors_, fonts_);
  canvas.font = TextScale()(canvas.font);
  canvas.font.color = colorText_;
  canvas.brush.color = colorBg_;
  DrawBackground(canvas);
  canvas.brush.hollow = true;
  if (bevel_ != TBevelCut::bvNone) DrawBevel(canvas);
  if (viewStyle_ == TViewStyle::vsGraph) {
    PaintGraph(image, canvas);
  } else {
    PaintLabels(image, canvas);
  }
}

}  // namespace haltwise
