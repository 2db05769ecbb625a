// The animation step of TLCDScreen: one script line of the linked animator
// per tick of the animation timer.
#include <cstdint>

#include "controls/lcd_animator.h"
#include "controls/lcd_screen.h"
#include "controls/lcd_script.h"

namespace haltwise {

namespace {

std::int8_t LowByte(std::int32_t value) { return static_cast<std::int8_t>(value & 0xFF); }

// Scroll offsets wrap around 32 bits rather than overflow.
std::int32_t Moved(std::int32_t offset, std::int8_t by) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(offset) +
                                   static_cast<std::uint32_t>(by));
}

}  // namespace

void TLCDScreen::Execute(const ScriptStatement& statement) {
  const std::string& name = statement.name;
  const std::int32_t n = statement.argument;
  if (name == "horzscroll") {
    scroll_.x = Moved(scroll_.x, LowByte(n));
  } else if (name == "vertscroll") {
    scroll_.y = Moved(scroll_.y, LowByte(n));
  } else if (name == "setintensity") {
    SetIntensity(LowByte(n));
  } else if (name == "animationdelay") {
    SetAnimationDelay(static_cast<std::uint32_t>(n));
  } else if (name == "gotoline") {
    animator_->GoToLine(n);
  } else if (name == "resetdisplay") {
    scroll_ = {};
    LinesChanged();
  }
}

void TLCDScreen::AnimationStep() {
  if (!animator_) return;
  TLCDAnimator& animator = *animator_;
  animator.KeepCurrentLineInCode();
  const int line = animator.CurrentLine();
  const ScriptLine parsed = ParseScriptLine(
      animator.Code().empty() ? "" : animator.Code()[static_cast<std::size_t>(line)]);
  if (!parsed.error.empty()) {
    // A faulty line is skipped, and reported only once: it would fail the same way on every tick.
    if (animator.FirstFaultOf(line) && notifier_) {
      notifier_->ShowError(parsed.error);
    }
  }
  for (const ScriptStatement& statement : parsed.statements) Execute(statement);

  if (animator.OnLineExecuted) {
    animator.OnLineExecuted(animator, static_cast<std::uint16_t>(animator.CurrentLine()));
  }
  if (animator.CurrentLine() == animator.LastLine()) {
    animator.currentLine_ = 0;
    if (!animationRepeating_) SetAnimationEnabled(false);
    if (animator.OnEndCode) animator.OnEndCode(animator);
  } else {
    animator.currentLine_ = static_cast<std::int16_t>(animator.CurrentLine() + 1);
  }

  blinkPhase_ = !blinkPhase_;
  if (specialEffects_.Contains(TSpecialEffect::spBlink) && displayMode_ != TDisplayMode::dmBitmap) {
    RebuildTextImage();
  }
  Render();  // also on the tick that stopped the animation
}

}  // namespace haltwise
