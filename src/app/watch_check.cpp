// The once-a-second check of an armed watch and the status line it keeps.
#include <cmath>
#include <cstdlib>

#include "app/frm_shutdown.h"
#include "app/status_texts.h"
#include "platform/text.h"

namespace haltwise {

namespace {
constexpr char kCpuBusyCancel[] = "Time limit reached, but CPU was not Idle. Shutdown Cancelled.";
constexpr char kActionCancelled[] = "Shutdown Cancelled. Press Stop! to end the current shutdown.";

// "00:00:01:01\r\n" without its line break.
std::string WithoutLineBreak(std::string text) {
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
  return text;
}
}  // namespace

// How a load-based mode shows its progress: its minutes edit, the load it
// watches and its status text.
struct TfrmShutdown::LoadDisplay {
  const SpinEdit& minutes;
  LoadKind load;
  std::string (*statusText)(const TfrmShutdown& form, const std::string& duration,
                            const std::string& left);
};

void TfrmShutdown::SetStatus(const std::string& text) {
  lblStatusBar.SetCaption(text);
  const int labelHeight = services_.wrappedTextHeight(text, kStatusWidth);
  JvContentScroller.SetScrollLength(labelHeight);
  JvContentScroller.SetActive(labelHeight > JvContentScroller.Height());
}

void TfrmShutdown::ResetStatus() {
  SetStatus("No shutdown in progress.");
  SetTrayHint(lblStatusBar.Caption());
  LCD.SetText("00:00:00:00");
}

void TfrmShutdown::tmrCheckTimer() {
  const Moment at = Now();
  if (watch_.Check(at)) {
    if (watch_.CpuClause() && !ProcessorIsIdle()) {
      CancelForBusyProcessor();
    } else {
      ExecuteAction();
    }
    return;
  }
  if (WarnAhead && watch_.IsTimed()) {
    if (const auto minutes = warnings_.Take(watch_.MsLeft(at))) ShowAdvanceWarning(*minutes);
  }
  ShowProgress(at);
}

// What the armed watch is waiting for, on the LCD, the status line and the
// icon's hint.
void TfrmShutdown::ShowProgress(Moment at) {
  switch (watch_.Mode()) {
    case ShutdownMode::Scheduled:
    case ShutdownMode::CountDown:
      ShowTimeLeft(at);
      break;
    case ShutdownMode::CpuIdle:
      ShowLoadLeft({edtCPUMin, LoadKind::Cpu,
                    [](const TfrmShutdown& f, const std::string& d, const std::string& l) {
                      return "Processor under " + FloatToText(f.edtCPUUsage.Value()) + "%" +
                             (f.InputClauseArmed() ? " and no keyboard or mouse input" : "") +
                             " for " + d + ". Shutdown will ocurr in " + l + ".";
                    }},
                   at);
      break;
    case ShutdownMode::NetTraffic:
      ShowLoadLeft({edtNetMin, LoadKind::Network,
                    [](const TfrmShutdown& f, const std::string& d, const std::string& l) {
                      if (const auto& missing = f.samplers_.MissingAdapter()) {
                        return "Network interface \"" + *missing +
                               "\" is missing. Network Usage waits for it.";
                      }
                      return "Network usage under " + FloatToText(f.edtNetUsage.Value()) +
                             " KBytes for " + d + ". Shutdown will ocurr in " + l + ".";
                    }},
                   at);
      break;
    case ShutdownMode::DiskTraffic:
      ShowLoadLeft({edtDiskMin, LoadKind::Disk,
                    [](const TfrmShutdown& f, const std::string& d, const std::string& l) {
                      return "Disk Transfer under " + FloatToText(f.edtDiskUsage.Value()) +
                             " KBytes for " + d + ". Shutdown will ocurr in " + l + ".";
                    }},
                   at);
      break;
    case ShutdownMode::Custom:
      ShowLoadLeft({edtCustomMin, LoadKind::Custom,
                    [](const TfrmShutdown& f, const std::string& d, const std::string& l) {
                      return f.cbPerfObjs.Text() + " " + f.cbPerfCounters.Text() + " " +
                             f.cbInstances.Text() + " between " +
                             FloatToText(f.edtCustomUsageLow.Value()) + " and " +
                             FloatToText(f.edtCustomUsageHigh.Value()) + " for " + d +
                             ". Shutdown will ocurr in " + l + ".";
                    }},
                   at);
      break;
    case ShutdownMode::None:
      ResetStatus();
      break;
  }
}

// The watch ends whatever the action toggles say: the cancel is the
// program's decision, not a click the user made.
void TfrmShutdown::CancelForBusyProcessor() {
  watch_.CancelForBusyProcessor();
  ShowDisarmed();
  SetStatus(kCpuBusyCancel);
  ApplicationEventLog.LogEvent(1, EventLogType::Warning, 0, kCpuBusyCancel);
  SetTrayHint(lblStatusBar.Caption());
}

// Nothing will happen any more, though the watch stays handed over until
// "Stop!".
void TfrmShutdown::ShowActionCancelled() {
  SetStatus(kActionCancelled);
  SetTrayHint(lblStatusBar.Caption());
}

// A meter that cannot tell counts as busy: acting on an unverified idle
// condition could power the machine off under load.
bool TfrmShutdown::ProcessorIsIdle() {
  try {
    return CpuConditionHolds(samplers_.CpuUsagePercent(), edtCPUUsage.Value(), InputClauseArmed());
  } catch (const Error&) {
    return false;
  }
}

void TfrmShutdown::ShowTimeLeft(Moment at) {
  const std::int64_t msLeft = std::llabs(watch_.MsLeft(at));
  const auto msPerDay = static_cast<std::int64_t>(kMsPerDay);
  LCD.SetText(FormatLcdTime(static_cast<int>(msLeft / msPerDay),
                            static_cast<double>(msLeft % msPerDay) / kMsPerDay));
  SetStatus(SnoozedPrefix() + "Shutdown will ocurr at " +
            DateTimeText(services_.locale, watch_.Deadline()) + ", in " +
            WithoutLineBreak(LCD.Text()) + ".");
  std::string hint = lblStatusBar.Caption();
  if (watch_.CpuClause()) {
    hint += " IF Processor is under " + FloatToText(edtCPUUsage.Value()) + "%.";
  }
  SetTrayHint(hint);
}

void TfrmShutdown::ShowLoadLeft(const LoadDisplay& display, Moment at) {
  const SincePair& since = watch_.Since(display.load);
  const DateTime elapsed = at.now - since.time;
  // A snoozed watch waits for the snooze length instead of its minutes.
  const double minutes = watch_.SnoozeMs() ? *watch_.SnoozeMs() / 60000.0 : display.minutes.Value();
  const DateTime allowance = minutes * kOneMinute + kOneSecond;
  const DateTime remaining = allowance - elapsed;
  // Past zero the display wraps to the time of day it reaches (23:59:59...).
  LCD.SetText(FormatLcdTime(0, TimeOf(DateOf(at.now) + remaining)));
  const std::uint32_t heldSeconds = since.ElapsedMs(at.tick) / 1000;
  SetStatus(SnoozedPrefix() +
            display.statusText(*this, FormatDuration(heldSeconds), WithoutLineBreak(LCD.Text())));
  SetTrayHint(lblStatusBar.Caption());
}

}  // namespace haltwise
