#include "eventlog/event_log.h"

#include <vector>

#include "eventlog/user_sid.h"
#include "platform/win_constants.h"

namespace haltwise {
namespace {

constexpr char kSourcesKey[] = "SYSTEM\\CurrentControlSet\\Services\\EventLog\\Application\\";

// Closes the event source however LogEvent is left.
class OpenEventSource {
 public:
  OpenEventSource(EventSource& eventSource, const std::string& name)
      : eventSource_(eventSource), handle_(eventSource.RegisterEventSource(name)) {
    if (handle_ == 0) throw ERegisterSourceFail(eventSource.LastError());
  }
  OpenEventSource(const OpenEventSource&) = delete;
  OpenEventSource& operator=(const OpenEventSource&) = delete;
  ~OpenEventSource() { eventSource_.DeregisterEventSource(handle_); }
  EventSourceHandle Get() const { return handle_; }

 private:
  EventSource& eventSource_;
  EventSourceHandle handle_;
};

}  // namespace

EventLogRegistry& EventLogRegistry::ForProcess() {
  static EventLogRegistry registry;
  return registry;
}

TEventLog::TEventLog(Registry& registry, EventSource& eventSource, Security& security,
                     std::string applicationTitle, EventLogRegistry& logs)
    : registry_(registry),
      eventSource_(eventSource),
      security_(security),
      applicationTitle_(std::move(applicationTitle)),
      logs_(logs) {
  logs_.Claim(this);
}

TEventLog::~TEventLog() {
  if (autoLog_) {
    try {
      LogEvent(finalizationId_, EventLogType::Information, 0, "");
    } catch (const EEventType&) {
    }
  }
  logs_.Release(this);
}

std::string TEventLog::Name() const {
  return logs_.Application() == this ? kApplicationLogName : name_;
}

void TEventLog::Loaded() {
  if (applicationName_.empty()) applicationName_ = applicationTitle_;
  if (autoLog_) LogEvent(initializationId_, EventLogType::Information, 0, "");
}

// Registering a source needs no administrator: an existing key is only
// read, a missing one is created when the user may, and Windows accepts
// entries from a source without a key.
void TEventLog::EnsureSourceRegistered() {
  const std::string path = kSourcesKey + applicationName_;
  ScopedRegKey key(registry_);
  const long opened =
      registry_.OpenKeyEx(win::kHKeyLocalMachine, path, win::kKeyRead, key.Receive());
  if (opened == win::kErrorSuccess) return;
  if (opened != win::kErrorFileNotFound) throw ERegisterApplicationFail(opened);
  registry_.CreateKeyEx(win::kHKeyLocalMachine, path, win::kKeyWrite, key.Receive(), nullptr);
}

void TEventLog::LogEvent(std::uint32_t eventId, EventLogType type, std::uint16_t category,
                         const std::string& text) {
  if (!enabled_) return;
  if (registerApplication_ && !applicationName_.empty()) EnsureSourceRegistered();

  const OpenEventSource source(eventSource_, applicationName_);
  std::vector<std::string> strings;
  if (!text.empty()) strings.push_back("\r\n\r\n" + text);
  std::vector<std::uint8_t> sid;
  if (includeUser_) sid = LookUpUserSid(security_);

  if (!eventSource_.ReportEvent(source.Get(), WindowsEventType(type), category, eventId, sid,
                                strings)) {
    throw EReportFail(eventSource_.LastError());
  }
}

}  // namespace haltwise
