#pragma once
#include <array>
#include <cstdint>
#include <optional>

#include "app/shutdown_mode.h"
#include "app/since_pair.h"
#include "platform/datetime.h"

namespace haltwise {

// One moment read from both clocks: the tick count measures spans, the wall
// clock names dates.
struct Moment {
  std::uint32_t tick = 0;
  DateTime now = 0;
};

// The load conditions, each with its own since pair.
enum class LoadKind : std::uint8_t { Cpu, Network, Disk, Custom };

// The load a load mode watches; none for the time modes and None.
std::optional<LoadKind> WatchedLoad(ShutdownMode mode);

enum class WatchState : std::uint8_t {
  Idle,        // nothing armed
  Armed,       // waiting for its deadline, or for its load condition to hold long enough
  Due,         // the moment has come: the next check hands over or cancels
  Confirming,  // the confirmation countdown is open
  Acting,      // handed to the power action; stays so until the user ends the watch
};

// The armed shutdown condition, apart from any widget: what is armed, in
// which state, until when, and since when each load has held. The main
// window turns clicks, timer ticks and samples into these operations and
// shows what the watch says.
//
// Time modes keep a deadline: a Scheduled one on the wall clock (the user
// named a date), a Count Down on the tick count, which no clock correction
// or daylight-saving change moves. Load modes have no deadline: a sample
// makes them due once their condition has held longer than its minutes.
class Watch {
 public:
  // Arming replaces whatever was armed. `cpuClause`: the processor must also
  // be idle at the due moment.
  void ArmScheduled(DateTime target, bool cpuClause);
  void ArmCountDown(std::uint32_t lengthMs, bool cpuClause, Moment at);
  // CpuIdle, NetTraffic, DiskTraffic or Custom: the condition counts from now.
  void ArmLoad(ShutdownMode mode, bool cpuClause, Moment at);
  void Disarm();

  // A sample of one load, armed or not. A load that breaks its condition
  // restarts the count; the armed condition that has held for longer than
  // `requiredMs` makes the watch due.
  void Sample(LoadKind kind, bool holds, std::uint32_t requiredMs, Moment at);
  // The loads were not observed (the machine slept): every count starts anew.
  void RestartLoadConditions(Moment at);

  // The once-a-second check: an armed time mode whose deadline is reached
  // becomes due. Returns whether the watch is due.
  bool Check(Moment at);
  // Due, but the processor was busy: the watch ends.
  void CancelForBusyProcessor();
  // Due: to the confirmation countdown, or straight to the action.
  void HandOver(bool confirm);
  // The countdown ran out (go ahead) or was cancelled; either way the watch
  // stays handed over until the user ends it.
  void EndConfirmation(bool goAhead);
  // The user put the action off from the confirmation: a time watch acts
  // `lengthMs` from now; a load watch counts its condition afresh and needs
  // it to hold that long, instead of its minutes, before it is due again.
  void Snooze(std::uint32_t lengthMs, Moment at);

  WatchState State() const { return state_; }
  ShutdownMode Mode() const { return mode_; }
  bool CpuClause() const { return cpuClause_; }
  // The user cancelled the confirmation: nothing will happen any more.
  bool ActionCancelled() const { return actionCancelled_; }
  // The check timer runs while this holds.
  bool Checking() const { return state_ == WatchState::Armed || state_ == WatchState::Due; }
  bool IsTimed() const {
    return mode_ == ShutdownMode::Scheduled || mode_ == ShutdownMode::CountDown;
  }

  // Time modes: milliseconds until the deadline (negative once past it) and
  // the wall-clock moment it falls on.
  std::int64_t MsLeft(Moment at) const;
  DateTime Deadline() const { return wallDeadline_; }

  const SincePair& Since(LoadKind kind) const { return since_[static_cast<std::size_t>(kind)]; }

  // Snoozed since it was armed: how long a load condition must now hold,
  // and when the watch acts at the earliest.
  bool Snoozed() const { return snoozeMs_.has_value(); }
  std::optional<std::uint32_t> SnoozeMs() const { return snoozeMs_; }
  DateTime SnoozedUntil() const;

 private:
  void Arm(ShutdownMode mode, bool cpuClause);
  bool Watches(LoadKind kind) const;

  WatchState state_ = WatchState::Idle;
  ShutdownMode mode_ = ShutdownMode::None;
  bool cpuClause_ = false;
  bool actionCancelled_ = false;
  // Scheduled: the deadline itself. Count Down: where the deadline falls on
  // the wall clock, moved along when the clock is set.
  DateTime wallDeadline_ = 0;
  std::uint32_t armedTick_ = 0;
  std::uint32_t lengthMs_ = 0;
  std::array<SincePair, 4> since_{};
  std::optional<std::uint32_t> snoozeMs_;
};

}  // namespace haltwise
