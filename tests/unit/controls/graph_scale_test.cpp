#include <gtest/gtest.h>

#include <set>

#include "controls/log_graph.h"
#include "controls/main_window_displays.h"
#include "gfx/builtin_font.h"

namespace haltwise {
namespace {

// Remembers the font heights the graph draws its text in.
class RecordingFonts : public FontRasteriser {
 public:
  TextSize MeasureText(const FontSpec& font, std::string_view text) override {
    heights.insert(font.height);
    return inner_.MeasureText(font, text);
  }
  Bitmap1 RenderText(const FontSpec& font, std::string_view text) override {
    heights.insert(font.height);
    return inner_.RenderText(font, text);
  }
  std::set<int> heights;

 private:
  BuiltinFontRasteriser inner_;
};

// On a 200 % monitor the graph's text is drawn in a font twice as tall.
TEST(GraphScale, TextFontGrowsWithTheScale) {
  for (const TViewStyle style : {TViewStyle::vsGraph, TViewStyle::vsLabels}) {
    RecordingFonts fonts;
    ClassicSystemColors colors;
    TLogGraph graph(fonts, colors, "lgCPU");
    ApplyMainWindowGraphSettings(graph, clRed, "%");
    graph.SetViewStyle(style);
    graph.AddValue(42);
    graph.Paint();
    EXPECT_EQ(fonts.heights, (std::set<int>{-11}));

    fonts.heights.clear();
    graph.SetTextScale(DpiScale(192));
    graph.Paint();
    EXPECT_EQ(fonts.heights, (std::set<int>{-22}));
  }
}

}  // namespace
}  // namespace haltwise
