// A week of the whole main window on a simulated machine: the clock moves a
// second at a time for seven days, through the wrap of the 32-bit tick
// count and with the wall clock set back and forward an hour. Every day
// watches of every mode are armed and fall due, are stopped, or are
// cancelled in the confirmation countdown or for a busy processor, and the
// settings are saved and loaded. Every power call must be one the day
// expected, and memory must stay flat.
#include <atomic>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <new>
#if __has_include(<sys/resource.h>)
#include <sys/resource.h>
#endif

#include "perf_machine.h"

namespace {
// Blocks allocated through operator new and not yet freed, in the whole
// test program (replaced below, for this count only).
std::atomic<long long> liveAllocations{0};
}  // namespace

void* operator new(std::size_t size) {
  void* block = std::malloc(size == 0 ? 1 : size);
  if (block == nullptr) throw std::bad_alloc();
  ++liveAllocations;
  return block;
}
void operator delete(void* block) noexcept {
  if (block == nullptr) return;
  --liveAllocations;
  std::free(block);
}
void operator delete(void* block, std::size_t) noexcept { operator delete(block); }

namespace haltwise::testing {
namespace {

long PeakResidentKilobytes() {
#if __has_include(<sys/resource.h>)
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
#else
  return -1;  // not measured here
#endif
}

constexpr std::uint32_t kDayMs = 86400000;

class Soak : public MachineFixture {
 protected:
  // Sampling every second for a week would take minutes under the
  // sanitizers: the samplers run every ten minutes while nothing is armed
  // and every ten seconds while a watch is. The check timer keeps its
  // second.
  static constexpr std::uint32_t kIdleSamplingMs = 600000;
  static constexpr std::uint32_t kArmedSamplingMs = 10000;
  // The count wraps on the second day, while its CPU Idle Time watch runs.
  static constexpr std::uint32_t kStartTick = 0u - (kDayMs + (8 * 3600 + 10 * 60 + 30) * 1000u);

  enum class Mode { CountDown, CpuIdle, Scheduled, Network, Disk, Custom };
  static constexpr Mode kModes[] = {Mode::CountDown, Mode::CpuIdle, Mode::Scheduled,
                                    Mode::Network,   Mode::Disk,    Mode::Custom};

  void StartWeek() {
    UseMachine(perftest::Scenario::Demo);
    clock.SetTick(kStartTick);
    clock.SetLocal(EncodeDate(2026, 6, 1));
    start_ = clock.Now();
    StartWindow("");
    // The samplers are fired by Second() instead.
    queue.Remove(form->tmrCpu);
    queue.Remove(form->tmrDiskRt);
    ChooseCustom("Process", "Thread Count", "_Total");
  }

  std::uint32_t ElapsedMs() const { return clock.TickCount() - kStartTick; }

  void Second() {
    AdvanceSeconds(1);
    const std::uint32_t every = form->btnStart.Down() ? kArmedSamplingMs : kIdleSamplingMs;
    if (clock.TickCount() - lastSample_ >= every) {
      lastSample_ = clock.TickCount();
      if (form->tmrCpu.Enabled()) form->tmrCpu.Fire();
      if (form->tmrDiskRt.Enabled()) form->tmrDiskRt.Fire();
    }
  }

  // Idle until the wall clock of `day` reads hh:mm.
  void RunUntil(int day, int hour, int minute) {
    const DateTime when = start_ + day + EncodeTime(hour, minute, 0, 0);
    while (clock.Now() < when) Second();
  }
  void RunSeconds(int seconds) {
    for (int i = 0; i < seconds; ++i) Second();
  }
  // Runs until the watch is handed over (or cancelled), at most `limit` s.
  void RunUntilHandedOver(int limit) {
    const int shownBefore = confirmation.shown;
    const std::size_t powerBefore = power.ActionCalls().size();
    const std::size_t eventsBefore = events.events.size();
    for (int i = 0; i < limit && form->tmrCheck.Enabled(); ++i) Second();
    ASSERT_FALSE(form->tmrCheck.Enabled()) << "not due after " << limit << " s";
    EXPECT_TRUE(confirmation.shown > shownBefore || power.ActionCalls().size() > powerBefore ||
                events.events.size() > eventsBefore);
  }

  // Sets the mode's page so that its watch falls due about a minute after
  // "Start!" (a scheduled one `minutes` ahead), then arms it with the day's
  // action.
  void Arm(Mode mode, int minutes = 1) {
    TfrmShutdown& f = *form;
    Button* button = nullptr;
    switch (mode) {
      case Mode::CountDown:
        f.edtCntDn.SetValue(1);
        f.chkMins.SetChecked(true);
        button = &f.btnCntDn;
        break;
      case Mode::CpuIdle:
        f.edtCPUMin.SetValue(1);
        f.edtCPUUsage.SetValue(999);  // above 100: always idle
        button = &f.btnIdle;
        break;
      case Mode::Scheduled:
        f.DateSched.SetValue(clock.Now() + minutes * kOneMinute);
        f.TimeSched.SetValue(clock.Now() + minutes * kOneMinute);
        button = &f.btnSched;
        break;
      case Mode::Network:
        f.edtNetMin.SetValue(1);
        f.edtNetUsage.SetValue(999);
        button = &f.btnNetTr;
        break;
      case Mode::Disk:
        f.edtDiskMin.SetValue(1);
        f.edtDiskUsage.SetValue(9999);
        button = &f.btnDiskTr;
        break;
      case Mode::Custom:
        f.edtCustomMin.SetValue(1);
        f.edtCustomUsageLow.SetValue(1);
        f.edtCustomUsageHigh.SetValue(99999);
        button = &f.btnCustom;
        break;
    }
    button->UserClick();
    if (!action_->Down()) action_->UserClick();
    f.chkForce.SetDown(force_);
    f.btnStart.UserClick();
    ASSERT_TRUE(f.tmrCheck.Enabled());
  }

  void Stop() {
    if (form->btnStart.Down()) form->btnStart.UserClick();
    ASSERT_EQ(form->CurrentWatch().Mode(), ShutdownMode::None);
  }

  // What the day's due watch must lead to, after the countdown when
  // confirmation is on: the power call itself with its Information entry.
  void ExpectOutcome() {
    const bool suspend = action_ == &form->chkSuspend || action_ == &form->chkHibernate;
    const int code = action_ == &form->chkLogOff ? 0 : action_ == &form->chkReboot ? 2 : 9;
    if (suspend) {
      expectedPower_.push_back(std::string("suspend=") +
                               (action_ == &form->chkSuspend ? "1" : "0") +
                               " force=" + (force_ ? "1" : "0"));
    } else {
      expectedPower_.push_back("flags=" + std::to_string(code + (force_ ? 4 : 0)) +
                               " reason=2147483648");
    }
  }

  void FallDue(Mode mode) {
    Arm(mode);
    ExpectOutcome();
    RunUntilHandedOver(180);
    Stop();
  }

  // Checks the day's power calls, messages and log entries against what was
  // expected, then forgets them (and the fakes' call records), so that the
  // week's memory holds only the program's own.
  void CloseTheDay(int day) {
    SCOPED_TRACE("day " + std::to_string(day));
    std::vector<std::string> powerCalls;
    for (const fake::Call& call : power.ActionCalls()) powerCalls.push_back(call.arguments);
    EXPECT_EQ(powerCalls, expectedPower_);
    // Every power request the day's watches took was given back.
    EXPECT_EQ(power.OpenRequests(), 0);
    EXPECT_GT(power.CountCalls("PowerCreateRequest"), 0);
    std::vector<std::string> messages;
    for (const std::string& shown : notifier.shown) {
      EXPECT_EQ(shown.rfind("error:", 0), std::string::npos) << shown;
      if (shown.rfind("message:", 0) == 0) messages.push_back(shown);
    }
    EXPECT_EQ(messages, std::vector<std::string>{});  // no watch only announces itself
    // Besides the entries of the power calls: the busy-processor cancels,
    // and (category 1) the instance that two processes of one name leave
    // out of the Custom page's list each time the list is filled.
    int information = 0, cancels = 0;
    for (const auto& e : events.events) {
      const std::string text = e.strings.empty() ? "" : e.strings[0];
      if (e.type == win::kEventLogInformationType) {
        ++information;
      } else if (e.type == win::kEventLogWarningType && e.category == 0) {
        EXPECT_EQ(text, "\r\n\r\nTime limit reached, but CPU was not Idle. Shutdown Cancelled.");
        ++cancels;
      } else {
        EXPECT_EQ(e.type, win::kEventLogWarningType);
        EXPECT_EQ(text.rfind("\r\n\r\nError adding instance", 0), 0u) << text;
      }
    }
    EXPECT_EQ(cancels, expectedWarnings_);
    EXPECT_EQ(information, static_cast<int>(expectedPower_.size()));
    weekPowerCalls_ += static_cast<int>(powerCalls.size());
    weekCancels_ += cancels;
    expectedPower_.clear();
    expectedWarnings_ = 0;
    notifier.shown.clear();
    events.events.clear();
    security.enabledPrivileges.clear();
    for (fake::FakeSeam* seam : std::initializer_list<fake::FakeSeam*>{
             &registry, &security, &power, &events, &shell, &profile, &systemInfo, &notifier}) {
      seam->ClearCalls();
    }
  }

  void Day(int day) {
    TfrmShutdown& f = *form;
    Button* actions[] = {&f.chkLogOff, &f.chkReboot, &f.chkShutdown, &f.chkSuspend,
                         &f.chkHibernate};
    action_ = actions[day % 5];
    force_ = day % 3 == 0;
    const bool confirm = day % 2 == 0;

    // Each mode falls due.
    for (int i = 0; i < 6; ++i) {
      RunUntil(day, 8, 10 * i);
      f.AskConfirmation = confirm;
      FallDue(kModes[i]);
    }
    // One is stopped before it is due, another cancelled in the countdown.
    RunUntil(day, 13, 0);
    Arm(kModes[day % 6]);
    RunSeconds(20);
    Stop();
    RunUntil(day, 14, 0);
    f.AskConfirmation = true;
    confirmation.onEachSecond = [](TfrmConfirm& dialog) {
      if (dialog.SecondsLeft() == 5) dialog.SpeedButton1Click();
    };
    Arm(kModes[(day + 3) % 6]);
    RunUntilHandedOver(180);
    confirmation.onEachSecond = nullptr;
    Stop();
    // A count-down that also needs an idle processor finds it busy.
    RunUntil(day, 15, 0);
    f.AskConfirmation = confirm;
    f.btnIdle.SetDown(true);  // beside the time mode, as the command line presses it
    f.edtCPUUsage.SetValue(1);
    f.edtCntDn.SetValue(1);
    f.chkMins.SetChecked(true);
    f.btnCntDn.SetDown(true);
    if (!action_->Down()) action_->UserClick();
    f.btnStart.UserClick();
    ++expectedWarnings_;
    RunUntilHandedOver(180);
    EXPECT_EQ(f.lblStatusBar.Caption(),
              "Time limit reached, but CPU was not Idle. Shutdown Cancelled.");
    EXPECT_EQ(f.CurrentWatch().Mode(), ShutdownMode::None);

    ClockChange(day);

    // The settings are saved and read back.
    RunUntil(day, 20, 0);
    const int object = f.cbPerfObjs.ItemIndex(), counter = f.cbPerfCounters.ItemIndex();
    const int instance = f.cbInstances.ItemIndex();
    f.FormClose();
    f.LoadSettings();
    EXPECT_EQ(f.cbPerfObjs.ItemIndex(), object);
    EXPECT_EQ(f.cbPerfCounters.ItemIndex(), counter);
    EXPECT_EQ(f.cbInstances.ItemIndex(), instance);
    EXPECT_EQ(f.edtCustomUsageHigh.Value(), 99999);

    RunUntil(day, 23, 59);
    CloseTheDay(day);
  }

  // The wall clock set back an hour under a scheduled watch (still not due
  // ten minutes after its old moment, an hour more to go), forward an hour
  // (due at once), and back an hour under a CPU Idle Time watch, whose
  // minutes are counted in ticks.
  void ClockChange(int day) {
    if (day < 2 || day > 4) return;
    RunUntil(day, 16, 0);
    form->AskConfirmation = day % 2 == 0;
    const std::uint32_t armedAt = clock.TickCount();
    Arm(day == 4 ? Mode::CpuIdle : Mode::Scheduled, 5);
    RunSeconds(30);
    const int hours = day == 3 ? 1 : -1;
    clock.SetLocal(clock.Now() + hours * EncodeTime(1, 0, 0, 0));
    if (day == 2) {
      RunSeconds(10 * 60);
      EXPECT_TRUE(form->tmrCheck.Enabled());
      EXPECT_EQ(form->LCD.Text(), "00:00:54:30\r\n");
    } else {
      ExpectOutcome();
      RunUntilHandedOver(180);
      // Day 3: 17:00 is past 16:05; day 4: a minute of ticks, whatever the
      // wall clock said.
      EXPECT_EQ((clock.TickCount() - armedAt) / 60000, day == 3 ? 0u : 1u);
    }
    Stop();
    clock.SetLocal(clock.Now() - hours * EncodeTime(1, 0, 0, 0));
  }

  DateTime start_ = 0;
  std::uint32_t lastSample_ = 0;
  Button* action_ = nullptr;
  bool force_ = false;
  std::vector<std::string> expectedPower_;
  int expectedWarnings_ = 0;
  int weekPowerCalls_ = 0, weekCancels_ = 0;
};

TEST_F(Soak, AWeekOfWatchesWithFlatMemory) {
  const auto began = std::chrono::steady_clock::now();
  StartWeek();
  Day(0);
  // After the first day every buffer has reached its size.
  const long long liveAfterFirstDay = liveAllocations;
  const bool wrapped = clock.TickCount() < kStartTick;
  for (int day = 1; day < 7; ++day) Day(day);
  RunUntil(7, 0, 0);
  const long long liveAtEnd = liveAllocations;
  const auto seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count();

  EXPECT_FALSE(wrapped);
  EXPECT_LT(clock.TickCount(), kStartTick);  // the count wrapped on the way
  EXPECT_GE(ElapsedMs(), 7 * kDayMs);
  EXPECT_LE(liveAtEnd - liveAfterFirstDay, 32) << "allocations kept over six days";
  std::cout << "soak: 7 simulated days in " << seconds << " s; " << weekPowerCalls_
            << " power calls, " << weekCancels_ << " busy cancels, all expected; live allocations "
            << liveAfterFirstDay << " after the first day, " << liveAtEnd
            << " at the end; peak resident "
            << (PeakResidentKilobytes() < 0 ? "not measured here"
                                            : std::to_string(PeakResidentKilobytes()) + " KB")
            << "\n";
  RecordProperty("live_allocations_after_day_1", std::to_string(liveAfterFirstDay));
  RecordProperty("live_allocations_at_end", std::to_string(liveAtEnd));
  RecordProperty("peak_resident_kb", std::to_string(PeakResidentKilobytes()));
}

// A day with a custom counter that cannot be computed (every sample fails) and the event
// source failing until six in the morning, under a watch scheduled for the
// evening; the session ends before it is due. One error box all day, the
// failing sample logged once and then hourly, and nothing carried out.
TEST_F(Soak, ADayWithAFailingEventSourceAndASessionEnd) {
  UseMachine(perftest::Scenario::Steady);  // it has the counter types
  clock.SetLocal(EncodeDate(2026, 6, 1));
  start_ = clock.Now();
  StartWindow("");
  queue.Remove(form->tmrCpu);
  queue.Remove(form->tmrDiskRt);
  events.FailCall("RegisterEventSource", win::kErrorAccessDenied);
  ChooseCustom("Counter Type Samples", "Sample Base", "alpha");
  form->edtCustomMin.SetValue(42);
  form->btnSched.UserClick();
  form->DateSched.SetValue(start_ + EncodeTime(20, 30, 0, 0));
  form->TimeSched.SetValue(start_ + EncodeTime(20, 30, 0, 0));
  form->chkShutdown.UserClick();
  form->btnStart.UserClick();
  RunUntil(0, 6, 0);
  events.ClearFaults();
  RunUntil(0, 20, 0);
  form->EndSession();
  RunUntil(0, 21, 0);

  std::vector<std::string> boxes;
  for (const std::string& shown : notifier.shown) {
    if (shown.rfind("beep", 0) != 0 && shown.rfind("balloon", 0) != 0) boxes.push_back(shown);
  }
  EXPECT_EQ(boxes, std::vector<std::string>{
                       "error: TEventLog - Event source registration fail, error code: 5"});
  const std::string gone =
      "\r\n\r\nException PerfUtils Internal error (Perf_COUNTER_BASE) collecting custom usage.";
  int errors = 0;
  for (const auto& e : events.events) {
    if (e.type != win::kEventLogErrorType) continue;
    EXPECT_EQ(e.strings.at(0).rfind(gone, 0), 0u) << e.strings.at(0);
    ++errors;
  }
  EXPECT_GE(errors, 14);  // from six to eight in the evening: once, then hourly
  EXPECT_LE(errors, 15);
  EXPECT_EQ(form->CurrentWatch().State(), WatchState::Idle);
  EXPECT_TRUE(power.ActionCalls().empty());
  EXPECT_EQ(power.OpenRequests(), 0);  // the session end gave the request back
  EXPECT_EQ(confirmation.shown, 0);
  std::ifstream ini(folder / "Haltwise.ini", std::ios::binary);
  const std::string text(std::istreambuf_iterator<char>(ini), {});
  EXPECT_NE(text.find("Minutes=42"), std::string::npos) << text;
}

}  // namespace
}  // namespace haltwise::testing
