// libFuzzer target: LCD text with markup, shown on a screen whose look comes
// from the input too, painted with the built-in font. The picture always
// covers the whole control and the parse never reads outside its lines.
//
// Input: 28 bytes of settings (see Configure), then the text; its bits also
// draw the bitmap layer.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "controls/lcd_screen.h"
#include "fuzz_support.h"
#include "gfx/builtin_font.h"
#include "gfx/system_colors.h"
#include "lcd_checks.h"
#include "platform/fake/fake_user_notifier.h"

namespace {

using namespace haltwise;

constexpr std::size_t kSettingBytes = 28;

template <typename Enum>
Enum Pick(std::uint8_t byte, Enum last) {
  return static_cast<Enum>(byte % (static_cast<int>(last) + 1));
}

// A picture for the bitmap layer, one bit of the text per pixel.
Bitmap32 Picture(int width, int height, std::string_view bits) {
  Bitmap32 picture(width, height, clWhite);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const std::size_t bit = static_cast<std::size_t>(y * width + x);
      if (bit / 8 < bits.size() && (bits[bit / 8] >> (bit % 8) & 1))
        picture.SetPixel(x, y, clBlack);
    }
  }
  return picture;
}

void Configure(TLCDScreen& lcd, fuzz::SettingBytes& in, std::string_view text) {
  // While animating the setters do not repaint: one paint at the end will do.
  lcd.SetAnimationEnabled(true);
  const int width = in.Byte() + 20, height = in.Byte() / 2;
  lcd.SetBounds(0, 0, width, height);
  lcd.SetPixelSize(Pick(in.Byte(), TPixelSize::pix16x16));
  lcd.SetPixelWidth(in.Signed());
  lcd.SetPixelHeight(in.Signed());
  lcd.SetPixelSpacing(in.Signed());
  const std::uint8_t look = in.Byte();
  lcd.SetPixelShape(Pick(look & 1, TPixelShape::psRound));
  lcd.SetBorderStyle(Pick((look >> 1) & 3, TLCDBorder::bsRaised));
  lcd.SetDisplayMode(Pick((look >> 3) & 3, TDisplayMode::dmBoth));
  lcd.SetBitmapCopyMode(Pick((look >> 5) & 1, TBitmapCopyMode::cmTransparent));
  lcd.SetLinesAnimMode(Pick((look >> 6) & 1, TAnimMode::amStatic));
  lcd.SetBorderSpace(in.Signed());
  lcd.SetLinesXOffset(in.Signed());
  lcd.SetLinesYOffset(in.Signed());
  lcd.SetBitmapXOffset(in.Signed());
  lcd.SetBitmapYOffset(in.Signed());
  lcd.SetIntensity(in.Signed());
  lcd.SetSpecialEffects(TSpecialEffects::FromBits(in.Byte()));
  FontSpec font = lcd.Font();
  font.height = in.Signed() % 41;
  font.bold = (look >> 7) != 0;
  font.italic = (in.Byte() & 1) != 0;
  font.color = in.Word();
  lcd.SetFont(font);
  lcd.SetPixelOff(in.Word());
  lcd.SetColor(in.Word());
  const int pictureWidth = in.Byte() % 41, pictureHeight = in.Byte() % 17;
  lcd.SetBitmap(Picture(pictureWidth, pictureHeight, text));
  lcd.SetAnimationEnabled(false);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static BuiltinFontRasteriser fonts;
  static const ClassicSystemColors colors;
  fuzz::SettingBytes settings(data, size, kSettingBytes);
  const std::string text(settings.Rest(data, size));
  fake::FakeUserNotifier notifier;
  TLCDScreen lcd(fonts, colors);
  lcd.SetNotifier(&notifier);
  Configure(lcd, settings, text);

  lcd.SetText(text);
  lcd.Paint();
  fuzz::CheckPaintedWhole(lcd);
  fuzz::Check(lcd.Lines().size() <= text.size(), "no more lines than the text has bytes");
  return 0;
}
