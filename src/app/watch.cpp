#include "app/watch.h"

#include <cmath>

namespace haltwise {

namespace {
// A wall clock that strays this far from the tick count was set.
constexpr DateTime kClockSetTolerance = kOneSecond;
}  // namespace

std::optional<LoadKind> WatchedLoad(ShutdownMode mode) {
  switch (mode) {
    case ShutdownMode::CpuIdle:
      return LoadKind::Cpu;
    case ShutdownMode::NetTraffic:
      return LoadKind::Network;
    case ShutdownMode::DiskTraffic:
      return LoadKind::Disk;
    case ShutdownMode::Custom:
      return LoadKind::Custom;
    case ShutdownMode::None:
    case ShutdownMode::Scheduled:
    case ShutdownMode::CountDown:
      break;
  }
  return std::nullopt;
}

void Watch::Arm(ShutdownMode mode, bool cpuClause) {
  state_ = WatchState::Armed;
  mode_ = mode;
  cpuClause_ = cpuClause;
  actionCancelled_ = false;
  snoozeMs_.reset();
}

void Watch::ArmScheduled(DateTime target, bool cpuClause) {
  Arm(ShutdownMode::Scheduled, cpuClause);
  wallDeadline_ = target;
}

void Watch::ArmCountDown(std::uint32_t lengthMs, bool cpuClause, Moment at) {
  Arm(ShutdownMode::CountDown, cpuClause);
  armedTick_ = at.tick;
  lengthMs_ = lengthMs;
  wallDeadline_ = at.now + lengthMs / kMsPerDay;
}

void Watch::ArmLoad(ShutdownMode mode, bool cpuClause, Moment at) {
  Arm(mode, cpuClause);
  if (const auto kind = WatchedLoad(mode))
    since_[static_cast<std::size_t>(*kind)].Restart(at.tick, at.now);
}

// The since pairs go on: the samplers keep them whether a watch is armed or not.
void Watch::Disarm() {
  state_ = WatchState::Idle;
  mode_ = ShutdownMode::None;
  cpuClause_ = false;
  actionCancelled_ = false;
  snoozeMs_.reset();
  wallDeadline_ = 0;
  armedTick_ = 0;
  lengthMs_ = 0;
}

bool Watch::Watches(LoadKind kind) const { return WatchedLoad(mode_) == kind; }

void Watch::Sample(LoadKind kind, bool holds, std::uint32_t requiredMs, Moment at) {
  SincePair& since = since_[static_cast<std::size_t>(kind)];
  if (!holds) since.Restart(at.tick, at.now);
  const std::uint32_t required = snoozeMs_.value_or(requiredMs);
  if (state_ == WatchState::Armed && Watches(kind) && since.ElapsedMs(at.tick) > required) {
    state_ = WatchState::Due;
  }
}

void Watch::RestartLoadConditions(Moment at) {
  for (SincePair& since : since_) since.Restart(at.tick, at.now);
}

std::int64_t Watch::MsLeft(Moment at) const {
  if (mode_ == ShutdownMode::CountDown) {
    return static_cast<std::int64_t>(lengthMs_) - static_cast<std::uint32_t>(at.tick - armedTick_);
  }
  return std::llround((wallDeadline_ - at.now) * kMsPerDay);
}

bool Watch::Check(Moment at) {
  if (state_ == WatchState::Armed && IsTimed()) {
    const std::int64_t left = MsLeft(at);
    if (mode_ == ShutdownMode::CountDown) {
      const DateTime onTheClock = at.now + static_cast<double>(left) / kMsPerDay;
      if (std::fabs(onTheClock - wallDeadline_) > kClockSetTolerance) wallDeadline_ = onTheClock;
    }
    if (left <= 0) state_ = WatchState::Due;
  }
  return state_ == WatchState::Due;
}

void Watch::CancelForBusyProcessor() {
  if (state_ == WatchState::Due) Disarm();
}

void Watch::HandOver(bool confirm) {
  if (state_ == WatchState::Due) state_ = confirm ? WatchState::Confirming : WatchState::Acting;
}

void Watch::EndConfirmation(bool goAhead) {
  if (state_ != WatchState::Confirming) return;
  state_ = WatchState::Acting;
  actionCancelled_ = !goAhead;
}

void Watch::Snooze(std::uint32_t lengthMs, Moment at) {
  if (state_ != WatchState::Confirming) return;
  state_ = WatchState::Armed;
  snoozeMs_ = lengthMs;
  if (mode_ == ShutdownMode::CountDown) {
    armedTick_ = at.tick;
    lengthMs_ = lengthMs;
  }
  if (IsTimed()) {
    wallDeadline_ = at.now + lengthMs / kMsPerDay;
  } else if (const auto kind = WatchedLoad(mode_)) {
    since_[static_cast<std::size_t>(*kind)].Restart(at.tick, at.now);
  }
}

DateTime Watch::SnoozedUntil() const {
  const auto kind = WatchedLoad(mode_);
  if (!snoozeMs_ || !kind) return wallDeadline_;
  return Since(*kind).time + *snoozeMs_ / kMsPerDay;
}

}  // namespace haltwise
