#pragma once

namespace haltwise {

class TEventLog;

// Holds "the application's event log": the first TEventLog created while
// none is held, released again when that log is destroyed. The program
// keeps one for the whole process; a test makes its own to stay isolated.
class EventLogRegistry {
 public:
  static EventLogRegistry& ForProcess();

  TEventLog* Application() const { return application_; }

 private:
  friend class TEventLog;
  void Claim(TEventLog* log) {
    if (application_ == nullptr) application_ = log;
  }
  void Release(TEventLog* log) {
    if (application_ == log) application_ = nullptr;
  }

  TEventLog* application_ = nullptr;
};

}  // namespace haltwise
