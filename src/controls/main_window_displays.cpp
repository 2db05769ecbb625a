#include "controls/main_window_displays.h"

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

}  // namespace haltwise
