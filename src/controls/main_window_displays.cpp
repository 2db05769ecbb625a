#include "controls/main_window_displays.h"

#include "controls/log_graph.h"

namespace haltwise {

void ApplyMainWindowLcdSettings(TLCDScreen& lcd) {
  lcd.SetWidth(140);
  lcd.SetHeight(26);
  lcd.SetAnimationDelay(251);
  lcd.SetAnimationEnabled(false);
  lcd.SetAnimationRepeating(false);
  lcd.SetBitmapCopyMode(TBitmapCopyMode::cmNotTransparent);
  lcd.SetBitmapAnimMode(TAnimMode::amDynamic);
  lcd.SetBitmapXOffset(0);
  lcd.SetBitmapYOffset(0);
  lcd.SetBorderSpace(0);
  lcd.SetBorderStyle(TLCDBorder::bsNone);
  lcd.SetColor(0x040404);
  lcd.SetDisplayMode(TDisplayMode::dmText);
  FontSpec font;
  font.name = "Small Fonts";
  font.height = -9;
  font.color = 0x009900;
  lcd.SetFont(font);
  lcd.SetIntensity(127);
  lcd.SetLines({"00:00:00:00"});
  lcd.SetLinesAnimMode(TAnimMode::amDynamic);
  lcd.SetLinesXOffset(0);
  lcd.SetLinesYOffset(-1);
  lcd.SetPixelOff(0x222222);
  lcd.SetPixelShape(TPixelShape::psSquare);
  lcd.SetPixelSize(TPixelSize::pix2x2);
  lcd.SetPixelSpacing(1);
  lcd.SetSpecialEffects({});
}

void ApplyMainWindowGraphSettings(TLogGraph& graph, Color colorFg, const std::string& afterString) {
  graph.SetWidth(92);
  graph.SetHeight(49);
  graph.SetBetweenSpace(3);
  graph.SetBevel(TBevelCut::bvNone);
  graph.SetColorBg(0x4A0000);
  graph.SetColorFg(colorFg);
  graph.SetColorText(0xCC9B6F);
  graph.SetDispUpper(true);
  graph.SetDispAfter(true);
  graph.SetDivisor(1);
  graph.SetLinePen({0xCC9B6F, 2});
  graph.SetLinePos(0);
  graph.SetShowLine(false);
  graph.SetValueMax(100);
  graph.SetValueMin(0);
  graph.SetViewStyle(TViewStyle::vsGraph);
  graph.SetAfterString(afterString);
}

}  // namespace haltwise
