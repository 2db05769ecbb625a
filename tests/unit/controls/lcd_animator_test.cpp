#include "controls/lcd_animator.h"

#include <gtest/gtest.h>

#include <memory>

#include "controls/lcd_screen.h"
#include "controls/lcd_script.h"
#include "gfx/builtin_font.h"
#include "platform/fake/fake_user_notifier.h"
#include "unit/controls/lcd_test_support.h"
#include "widgets/timer_queue.h"

namespace haltwise {
namespace {

std::string Statements(const ScriptLine& line) {
  if (!line.error.empty()) return "error: " + line.error;
  std::string text;
  for (const ScriptStatement& s : line.statements)
    text += s.name + "=" + std::to_string(s.argument) + " ";
  return text;
}

TEST(LcdScript, ParsesStatementsAsTheLanguageSays) {
  const std::pair<const char*, const char*> cases[] = {
      {"[horzscroll(-1);]", "horzscroll=-1 "},
      {"[HorzScroll(1);VERTSCROLL(2);]", "horzscroll=1 vertscroll=2 "},
      {"{  resetdisplay(0) ;  gotoline( 3);}", "resetdisplay=0 gotoline=3 "},
      {"[setintensity($7F);animationdelay(0x10);wait(x1F);]",
       "setintensity=127 animationdelay=16 wait=31 "},
      {"[horzscroll(1);vertscroll(2)]", "horzscroll=1 "},  // no ";": not run
      {"[resetdisplay();]", "error: '' is not a valid integer value"},
      {"[resetdisplay;]", "error: '' is not a valid integer value"},
      {"[horzscroll (1);]", "error: '(1' is not a valid integer value"},
      {"[gotoline(3 );]", "error: '3 ' is not a valid integer value"},
      {"[horzscroll(1);vertscroll(two);]", "error: 'two' is not a valid integer value"},
      {"horzscroll(1);", "error: '' is not a valid integer value"},  // its ";" is a delimiter
      {"[]", ""},
      {"", ""},
  };
  for (const auto& [line, expected] : cases)
    EXPECT_EQ(Statements(ParseScriptLine(line)), expected) << line;
}

struct AnimatedPanel : ::testing::Test {
  BuiltinFontRasteriser fonts;
  ClassicSystemColors colors;
  fake::FakeUserNotifier notifier;
  TLCDScreen lcd{fonts, colors};
  TLCDAnimator animator;
  std::vector<int> executed;
  int ends = 0;
  int renders = 0;

  AnimatedPanel() {
    lcd.SetNotifier(&notifier);
    lcd.SetLCDAnimator(&animator);
    lcd.SetAnimationEnabled(true);
    lcd.Rendered.Connect([this] { ++renders; });
    animator.OnLineExecuted = [this](TLCDAnimator& sender, std::uint16_t line) {
      EXPECT_EQ(&sender, &animator);
      executed.push_back(line);
    };
    animator.OnEndCode = [this](TLCDAnimator&) { ++ends; };
  }
  void Tick(int times = 1) {
    for (int i = 0; i < times; ++i) lcd.AnimationTimer().Fire();
  }
};

using LcdAnimation = AnimatedPanel;

TEST_F(LcdAnimation, CommandsActOnTheScreenInOrder) {
  lcd.SetVisible(false);  // no painting, so no wrap-around of the scroll offsets
  animator.SetCode(
      {"[horzscroll(200);vertscroll(1);vertscroll(1);setintensity(300);animationdelay(40);]"});
  Tick();
  EXPECT_EQ(lcd.ScrollOffsets().x, -56);  // low 8 bits, signed
  EXPECT_EQ(lcd.ScrollOffsets().y, 2);
  EXPECT_EQ(lcd.Intensity(), 44);
  EXPECT_EQ(lcd.AnimationDelay(), 40u);
  EXPECT_EQ(lcd.AnimationTimer().Interval(), 40u);

  animator.SetCode({"[resetdisplay(0);unknown(5);]"});
  Tick();
  EXPECT_EQ(lcd.ScrollOffsets().x, 0);
  EXPECT_EQ(lcd.ScrollOffsets().y, 0);
}

TEST_F(LcdAnimation, GotoLineJumpsBeforeTheNormalAdvance) {
  animator.SetCode({"[;]", "[;]", "[gotoline(0);]", "[;]", "[;]"});
  Tick(5);
  EXPECT_EQ(executed, (std::vector<int>{0, 1, 0, 1, 0}));  // line 2 jumped to 0, so 1 runs next

  executed.clear();
  animator.SetCode({"[gotoline(7);]", "[;]", "[;]"});
  animator.SetCurrentLine(0);
  lcd.SetAnimationRepeating(false);
  Tick();
  EXPECT_EQ(executed, std::vector<int>{2});  // beyond the end: the last line, which ends the script
  EXPECT_EQ(animator.CurrentLine(), 0);
  EXPECT_EQ(ends, 1);
  EXPECT_FALSE(lcd.AnimationEnabled());
  EXPECT_FALSE(lcd.AnimationTimer().Enabled());
}

TEST_F(LcdAnimation, NegativeTargetsAndStaleLinesStayInsideTheCode) {
  lcd.SetAnimationRepeating(true);
  animator.SetCode({"[;]", "[gotoline(-1);]", "[gotoline(-5);]", "[;]"});
  animator.SetCurrentLine(1);
  Tick();
  EXPECT_EQ(animator.CurrentLine(), 0);
  animator.SetCurrentLine(2);
  Tick();
  EXPECT_EQ(animator.CurrentLine(), 0);

  animator.SetCurrentLine(-3);
  EXPECT_EQ(animator.CurrentLine(), 0);
  animator.SetCurrentLine(99);
  EXPECT_EQ(animator.CurrentLine(), 3);
  animator.SetCode({"[;]", "[;]"});  // lines removed under CurrentLine
  executed.clear();
  Tick();
  EXPECT_EQ(executed, std::vector<int>{1});
}

TEST_F(LcdAnimation, EndOfScriptRepeatsOrStopsAndStillRedrawsTheLastTick) {
  animator.SetCode({"[;]", "[;]"});
  lcd.SetAnimationRepeating(true);
  Tick(4);
  EXPECT_EQ(executed, (std::vector<int>{0, 1, 0, 1}));
  EXPECT_EQ(ends, 2);
  EXPECT_TRUE(lcd.AnimationEnabled());

  lcd.SetAnimationRepeating(false);
  renders = 0;
  Tick(2);
  EXPECT_EQ(ends, 3);
  EXPECT_FALSE(lcd.AnimationEnabled());
  EXPECT_EQ(renders, 2);
}

TEST_F(LcdAnimation, ABadArgumentIsReportedOnceAndItsLineSkipped) {
  lcd.SetAnimationRepeating(true);
  animator.SetCode({"[horzscroll(1);vertscroll(oops);]", "[vertscroll(1);]"});
  Tick(6);
  EXPECT_EQ(notifier.shown, std::vector<std::string>{"error: 'oops' is not a valid integer value"});
  EXPECT_EQ(lcd.ScrollOffsets().x, 0);  // nothing of the faulty line ran
  EXPECT_EQ(lcd.ScrollOffsets().y, 3);  // the script went on
  EXPECT_EQ(executed, (std::vector<int>{0, 1, 0, 1, 0, 1}));
}

TEST_F(LcdAnimation, SettersWaitForTheNextTickWhileAnimating) {
  animator.SetCode({"[;]"});
  lcd.SetAnimationRepeating(true);
  renders = 0;
  lcd.SetColor(clRed);
  lcd.SetText("x");
  EXPECT_EQ(renders, 0);
  Tick();
  EXPECT_EQ(renders, 1);
  EXPECT_EQ(lcd.Surface().Pixel(1, 1), clRed);  // the border space shows the new colour
  lcd.SetBitmap(Bitmap32(1, 1, clBlack));       // the bitmap redraws even now
  EXPECT_EQ(renders, 2);
}

TEST_F(LcdAnimation, BlinkMarkedTextAlternatesOnlyWithAnAnimator) {
  lcd.SetSpecialEffects({TSpecialEffect::spBlink, TSpecialEffect::spInverse});
  lcd.SetFont({"x", -9});
  lcd.SetLines({"<bl>-</bl><bl><inv>-"});
  lcd.SetAnimationRepeating(true);
  std::vector<std::pair<bool, bool>> phases;  // top-left ink of each character
  for (int i = 0; i < 3; ++i) {
    Tick();
    phases.push_back({lcd.TextImage().Ink(0, 0), lcd.TextImage().Ink(6, 0)});
  }
  EXPECT_EQ(phases,
            (std::vector<std::pair<bool, bool>>{{true, true}, {false, true}, {true, true}}));

  lcd.SetLCDAnimator(nullptr);
  renders = 0;
  const bool phase = lcd.BlinkPhase();
  Tick(3);
  EXPECT_EQ(lcd.BlinkPhase(), phase);
  EXPECT_EQ(renders, 0);
}

TEST_F(LcdAnimation, ScrolledOutTextReentersFromTheRight) {
  lcd.SetAnimationEnabled(false);
  lcd.SetBorderStyle(TLCDBorder::bsNone);
  lcd.SetBorderSpace(0);
  lcd.SetPixelSize(TPixelSize::pix1x1);
  lcd.SetPixelSpacing(0);
  lcd.SetFont({"x", -9});
  lcd.SetLines({"-"});  // 6 dots wide, lit on row 4 from column 0 to 4
  lcd.SetWidth(10);
  lcd.SetHeight(9);
  animator.SetCode({"[horzscroll(-1);]"});
  lcd.SetAnimationRepeating(true);
  lcd.SetAnimationEnabled(true);
  std::vector<std::string> row4;
  for (int i = 0; i < 9; ++i) {
    Tick();
    row4.push_back(test::DotArt(lcd).substr(11 * 4, 10));
  }
  EXPECT_EQ(row4, (std::vector<std::string>{"####......", "###.......", "##........", "#.........",
                                            "..........", "..........", ".........#", "........##",
                                            ".......###"}));
  EXPECT_EQ(lcd.ScrollOffsets().x, 7);  // -7 jumped by 6 + 10, then two more ticks
}

TEST(LcdAnimationLinks, TheTimerRunsAtTheDelayAndLinksUndoThemselves) {
  BuiltinFontRasteriser fonts;
  ClassicSystemColors colors;
  TLCDScreen first{fonts, colors}, second{fonts, colors};
  auto animator = std::make_unique<TLCDAnimator>();
  animator->SetCode({"[;]", "[;]", "[;]", "[;]", "[;]"});
  first.SetLCDAnimator(animator.get());
  second.SetLCDAnimator(animator.get());
  first.SetAnimationRepeating(true);
  second.SetAnimationRepeating(true);
  first.SetAnimationEnabled(true);
  second.SetAnimationEnabled(true);
  std::uint64_t now = 0;
  TimerQueue queue([&](std::uint32_t ms) { now += ms; });
  queue.Add(first.AnimationTimer());
  queue.Add(second.AnimationTimer());
  queue.Advance(251 * 2);
  EXPECT_EQ(animator->CurrentLine(), 4);  // two ticks of each screen share the line
  {
    TLCDScreen third{fonts, colors};
    third.SetLCDAnimator(animator.get());
  }  // a destroyed screen leaves the animator
  animator.reset();
  EXPECT_EQ(first.LCDAnimator(), nullptr);
  EXPECT_EQ(second.LCDAnimator(), nullptr);
  queue.Advance(251);  // ticks without an animator do nothing
}

}  // namespace
}  // namespace haltwise
