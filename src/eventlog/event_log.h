#pragma once
#include <cstdint>
#include <string>

#include "eventlog/event_log_errors.h"
#include "eventlog/event_log_registry.h"
#include "eventlog/event_log_type.h"
#include "platform/event_source.h"
#include "platform/registry.h"
#include "platform/security.h"

namespace haltwise {

// Writes entries into the Windows application event log under the
// program's own event source. Every write is complete in itself: make sure
// the source is known, open it, report one entry, close it again.
class TEventLog {
 public:
  static constexpr const char* kApplicationLogName = "ApplicationEventLog";

  // `applicationTitle` is what Loaded gives an empty ApplicationName.
  TEventLog(Registry& registry, EventSource& eventSource, Security& security,
            std::string applicationTitle = "",
            EventLogRegistry& logs = EventLogRegistry::ForProcess());
  TEventLog(const TEventLog&) = delete;
  TEventLog& operator=(const TEventLog&) = delete;
  // Writes the finalization entry when AutoLog is set. A failure to write
  // it cannot leave a destructor and is dropped.
  ~TEventLog();

  // The application's event log is always named "ApplicationEventLog",
  // whatever name it is given; any other log keeps its name.
  std::string Name() const;
  void SetName(const std::string& name) { name_ = name; }

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool value) { enabled_ = value; }
  // The event source name, and the last part of its registry key.
  const std::string& ApplicationName() const { return applicationName_; }
  void SetApplicationName(const std::string& value) { applicationName_ = value; }
  bool RegisterApplication() const { return registerApplication_; }
  void SetRegisterApplication(bool value) { registerApplication_ = value; }
  bool IncludeUser() const { return includeUser_; }
  void SetIncludeUser(bool value) { includeUser_ = value; }
  bool AutoLog() const { return autoLog_; }
  void SetAutoLog(bool value) { autoLog_ = value; }
  std::uint32_t InitializationID() const { return initializationId_; }
  void SetInitializationID(std::uint32_t value) { initializationId_ = value; }
  std::uint32_t FinalizationID() const { return finalizationId_; }
  void SetFinalizationID(std::uint32_t value) { finalizationId_ = value; }

  // Once the properties are set: an empty ApplicationName becomes the
  // application's title, then the initialization entry when AutoLog is set.
  void Loaded();

  // Raises one of the EEventType errors; nothing is written then.
  void LogEvent(std::uint32_t eventId, EventLogType type, std::uint16_t category,
                const std::string& text);

 private:
  void EnsureSourceRegistered();

  Registry& registry_;
  EventSource& eventSource_;
  Security& security_;
  std::string applicationTitle_;
  EventLogRegistry& logs_;

  std::string name_;
  bool enabled_ = true;
  std::string applicationName_;
  bool registerApplication_ = true;
  bool includeUser_ = true;
  bool autoLog_ = false;
  std::uint32_t initializationId_ = 0;
  std::uint32_t finalizationId_ = 0;
};

}  // namespace haltwise
