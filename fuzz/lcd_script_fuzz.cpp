// libFuzzer target: LCD animation scripts, run tick by tick on a screen with
// blinking, scrolling text. A faulty line is reported once, the next line
// always lies inside the script, and every tick paints the whole control.
//
// Input: 6 bytes of settings (see below), then the script's lines, and after
// "HALTWISE" the script that replaces it part-way.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "controls/lcd_animator.h"
#include "controls/lcd_screen.h"
#include "fuzz_support.h"
#include "gfx/builtin_font.h"
#include "gfx/system_colors.h"
#include "lcd_checks.h"
#include "platform/fake/fake_user_notifier.h"

namespace {

using namespace haltwise;

constexpr std::size_t kSettingBytes = 6;
constexpr std::size_t kMostLines = 200;
constexpr int kMostTicks = 12;

std::vector<std::string> Lines(std::string_view text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start <= text.size() && lines.size() < kMostLines) {
    const std::size_t end = std::min(text.find('\n', start), text.size());
    lines.emplace_back(text.substr(start, end - start));
    start = end + 1;
  }
  return lines;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static BuiltinFontRasteriser fonts;
  static const ClassicSystemColors colors;
  fuzz::SettingBytes settings(data, size, kSettingBytes);
  const auto scripts = fuzz::SplitParts(settings.Rest(data, size), 2);
  fake::FakeUserNotifier notifier;
  TLCDScreen lcd(fonts, colors);
  lcd.SetNotifier(&notifier);
  lcd.SetBounds(0, 0, 80, 24);  // small: every tick paints it
  lcd.SetSpecialEffects(TSpecialEffects::FromBits(settings.Byte()));
  const std::uint8_t flags = settings.Byte();
  lcd.SetLinesAnimMode((flags & 1) ? TAnimMode::amStatic : TAnimMode::amDynamic);
  lcd.SetAnimationRepeating((flags & 2) != 0);
  lcd.SetText("<bl>12:34</bl> <b>x</b>\r\n<inv>line two</inv>");
  const int ticks = settings.Byte() % kMostTicks + 1;
  const int replaceAt = settings.Byte();
  const auto startLine = static_cast<std::int16_t>(settings.Byte() << 8 | settings.Byte());

  {
    TLCDAnimator animator;
    animator.SetCode(Lines(scripts[0]));
    std::size_t linesRun = animator.Code().size();
    animator.SetCurrentLine(startLine);
    lcd.SetLCDAnimator(&animator);
    lcd.SetAnimationEnabled(true);
    for (int tick = 0; tick < ticks && lcd.AnimationEnabled(); ++tick) {
      if (tick == replaceAt && scripts.size() > 1) {
        animator.SetCode(Lines(scripts[1]));
        linesRun += animator.Code().size();
      }
      const std::size_t reportsBefore = notifier.shown.size();
      lcd.AnimationTimer().Fire();
      fuzz::Check(notifier.shown.size() <= reportsBefore + 1, "a tick reports at most one fault");
      const int line = animator.CurrentLine();
      const int lines = static_cast<int>(animator.Code().size());
      // Without code there is no line to keep it in: it only counts the ticks.
      if (lines > 0) {
        fuzz::Check(line >= 0 && line < lines, "the next line lies inside the script",
                    std::to_string(line) + " of " + std::to_string(lines));
      }
      fuzz::CheckPaintedWhole(lcd);
    }
    fuzz::Check(notifier.shown.size() <= linesRun, "each faulty line of a script is reported once");
  }
  fuzz::Check(lcd.LCDAnimator() == nullptr, "a destroyed animator unlinks its screens");
  return 0;
}
