// The display controls with GDI text, saved as BMP files for a look:
// into HALTWISE_TEST_OUTPUT when set, otherwise the working directory.
#include <gtest/gtest.h>

#include <cstdlib>

#include "controls/log_graph.h"
#include "controls/main_window_displays.h"
#include "gfx/bmp.h"
#include "platform/win32/gdi_font_rasteriser.h"
#include "platform/win32/gdi_system_colors.h"

namespace haltwise {
namespace {

std::string OutputPath(const std::string& file) {
  const char* dir = std::getenv("HALTWISE_TEST_OUTPUT");
  return dir ? std::string(dir) + "\\" + file : file;
}

// Lit dots of one dot row, read back from the painted panel.
std::string DotRow(const TLCDScreen& lcd, int row) {
  std::string dots;
  for (int x = 0; x < lcd.Columns(); ++x) {
    dots += lcd.Surface().Pixel(3 * x, 3 * row) == lcd.DotColors().on ? '#' : '.';
  }
  return dots;
}

TEST(LcdWithGdi, MainWindowPanelShowsTheTimeInSmallFonts) {
  GdiFontRasteriser fonts;
  GdiSystemColors colors;
  TLCDScreen lcd(fonts, colors);
  ApplyMainWindowLcdSettings(lcd);
  lcd.Paint();
  ASSERT_EQ(lcd.Columns(), 47);
  ASSERT_EQ(lcd.Rows(), 9);
  EXPECT_EQ(lcd.DotColors().on, RgbColor(17, 196, 17));

  // One font pixel per dot: the text image is the GDI rasterisation of the line.
  const TextSize line = fonts.MeasureText(lcd.Font(), "00:00:00:00");
  EXPECT_EQ(lcd.TextImage().Width(), line.width);
  EXPECT_EQ(lcd.TextImage().Height(), line.height);
  // LinesYOffset -1: dot row r shows text row r + 1.
  for (int row = 0; row < 9; ++row) {
    std::string expected;
    for (int x = 0; x < 47; ++x) expected += lcd.TextImage().Ink(x, row + 1) ? '#' : '.';
    EXPECT_EQ(DotRow(lcd, row), expected) << "dot row " << row;
  }
  int lit = 0;
  for (int row = 0; row < 9; ++row) {
    for (char c : DotRow(lcd, row)) lit += c == '#' ? 1 : 0;
  }
  EXPECT_GT(lit, 40);
  WriteBmpFile(lcd.Surface(), OutputPath("lcd_main_window.bmp"));

  lcd.SetText("12:34:56:78");
  WriteBmpFile(lcd.Surface(), OutputPath("lcd_main_window_time.bmp"));
}

TEST(GraphWithGdi, MainWindowCpuGraphWithItsValueText) {
  GdiFontRasteriser fonts;
  GdiSystemColors colors;
  TLogGraph graph(fonts, colors, "lgCPU");
  ApplyMainWindowGraphSettings(graph, clRed, "%");
  const std::int64_t values[] = {5, 12, 40, 100, 73, 50, 20, 0, 150, 64, 33, 8, 17, 42};
  for (std::int64_t v : values) graph.AddValue(v);
  ASSERT_EQ(graph.Surface().Width(), 92);
  EXPECT_EQ(graph.Surface().Pixel(87, 47), clRed);  // the newest bar, 42
  EXPECT_EQ(graph.Surface().Pixel(86, 47), 0x4A0000u);
  int text = 0;
  for (int y = 0; y < 14; ++y) {
    for (int x = 0; x < 92; ++x) text += graph.Surface().Pixel(x, y) == 0xCC9B6Fu ? 1 : 0;
  }
  EXPECT_GT(text, 10);  // "42 %" at the top
  WriteBmpFile(graph.Surface(), OutputPath("graph_cpu.bmp"));

  graph.SetViewStyle(TViewStyle::vsLabels);
  graph.SetDescString("Processor Time of all CPUs");
  graph.Paint();
  WriteBmpFile(graph.Surface(), OutputPath("graph_cpu_labels.bmp"));
}

}  // namespace
}  // namespace haltwise
