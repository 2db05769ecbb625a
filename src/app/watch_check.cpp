// The once-a-second check of an armed watch and the status line it keeps.
#include <algorithm>
#include <cmath>

#include "app/frm_shutdown.h"
#include "app/status_texts.h"
#include "platform/text.h"

namespace haltwise {

namespace {
constexpr char kCpuBusyCancel[] = "Time limit reached, but CPU was not Idle. Shutdown Cancelled.";

// "00:00:01:01\r\n" without its line break.
std::string WithoutLineBreak(std::string text) {
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
  return text;
}
}  // namespace

// One load-based mode: its minutes edit, its since pair and its status text.
struct TfrmShutdown::LoadCondition {
  const SpinEdit& minutes;
  const SincePair& since;
  std::string (*statusText)(const TfrmShutdown& form, const std::string& duration,
                            const std::string& left);
};

bool TfrmShutdown::CpuConditionArmed() const {
  return btnIdle.Down() && btnIdle.FontColor() == skinColors.ButtonsCaptionActive;
}

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
  const DateTime now = services_.clock.Now();
  if (now >= TargetTime) {
    if (!CpuConditionArmed() || ProcessorIsIdle()) {
      ExecuteAction();
      return;
    }
    btnStart.SetDown(false);
    btnStart.Click();
    SetStatus(kCpuBusyCancel);
    ApplicationEventLog.LogEvent(1, EventLogType::Warning, 0, kCpuBusyCancel);
    SetTrayHint(lblStatusBar.Caption());
    return;
  }

  switch (WatchMode) {
    case ShutdownMode::Scheduled:
    case ShutdownMode::CountDown:
      ShowTimeLeft(now);
      break;
    case ShutdownMode::CpuIdle:
      ShowLoadLeft({edtCPUMin, CpuIdleSince,
                    [](const TfrmShutdown& f, const std::string& d, const std::string& l) {
                      return "Processor under " + FloatToText(f.edtCPUUsage.Value()) + "% for " + d +
                             ". Shutdown will ocurr in " + l + ".";
                    }},
                   now);
      break;
    case ShutdownMode::NetTraffic:
      ShowLoadLeft({edtNetMin, NetLowSince,
                    [](const TfrmShutdown& f, const std::string& d, const std::string& l) {
                      return "Network usage under " + FloatToText(f.edtNetUsage.Value()) +
                             " KBytes for " + d + ". Shutdown will ocurr in " + l + ".";
                    }},
                   now);
      break;
    case ShutdownMode::DiskTraffic:
      ShowLoadLeft({edtDiskMin, DiskLowSince,
                    [](const TfrmShutdown& f, const std::string& d, const std::string& l) {
                      return "Disk Transfer under " + FloatToText(f.edtDiskUsage.Value()) +
                             " KBytes for " + d + ". Shutdown will ocurr in " + l + ".";
                    }},
                   now);
      break;
    case ShutdownMode::Custom:
      ShowLoadLeft({edtCustomMin, CustomInRangeSince,
                    [](const TfrmShutdown& f, const std::string& d, const std::string& l) {
                      return f.cbPerfObjs.Text() + " " + f.cbPerfCounters.Text() + " " +
                             f.cbInstances.Text() + " between " +
                             FloatToText(f.edtCustomUsageLow.Value()) + " and " +
                             FloatToText(f.edtCustomUsageHigh.Value()) + " for " + d +
                             ". Shutdown will ocurr in " + l + ".";
                    }},
                   now);
      break;
    case ShutdownMode::None:
      ResetStatus();
      break;
  }
}

// The usage in whole percent, averaged over every processor instance the
// meter reports.
int TfrmShutdown::CpuUsagePercent() {
  cpuMeter_.RefreshCpuSample();
  const int count = cpuMeter_.CpuCount();
  if (count <= 0) throw Error("Unable to locate the \"Processor\" performance object");
  double sum = 0;
  for (int i = 0; i < count; ++i) sum += cpuMeter_.CpuUsage(i) * 100;
  // Counters that run backwards or a broken statistic give usages outside
  // 0 to 100 %, which would be drawn as such or not fit an int at all.
  return static_cast<int>(std::trunc(std::clamp(sum / count, 0.0, 100.0)));
}

// A meter that cannot tell counts as busy: acting on an unverified idle
// condition could power the machine off under load.
bool TfrmShutdown::ProcessorIsIdle() {
  try {
    return CpuUsagePercent() < edtCPUUsage.Value();
  } catch (const Error&) {
    return false;
  }
}

void TfrmShutdown::ShowTimeLeft(DateTime now) {
  const DateTime left = std::fabs(now - TargetTime);
  LCD.SetText(FormatLcdTime(static_cast<int>(std::trunc(left)), left));
  SetStatus("Shutdown will ocurr at " + DateTimeText(services_.locale, TargetTime) + ", in " +
            WithoutLineBreak(LCD.Text()) + ".");
  std::string hint = lblStatusBar.Caption();
  if (CpuConditionArmed()) {
    hint += " IF Processor is under " + FloatToText(edtCPUUsage.Value()) + "%.";
  }
  SetTrayHint(hint);
}

void TfrmShutdown::ShowLoadLeft(const LoadCondition& condition, DateTime now) {
  const DateTime elapsed = now - condition.since.time;
  const DateTime allowance = condition.minutes.Value() * kOneMinute + kOneSecond;
  const DateTime remaining = allowance - elapsed;
  // Past zero the display wraps to the time of day it reaches (23:59:59...).
  LCD.SetText(FormatLcdTime(0, TimeOf(DateOf(now) + remaining)));
  const std::uint32_t heldSeconds = condition.since.ElapsedMs(services_.clock.TickCount()) / 1000;
  SetStatus(condition.statusText(*this, FormatDuration(heldSeconds), WithoutLineBreak(LCD.Text())));
  TargetTime = now + 100;
  SetTrayHint(lblStatusBar.Caption());
}

}  // namespace haltwise
