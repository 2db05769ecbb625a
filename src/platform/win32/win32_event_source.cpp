#include "platform/win32/win32_event_source.h"

#include "platform/win32/windows_api.h"

namespace haltwise {
namespace {

HANDLE ToHandle(EventSourceHandle handle) { return reinterpret_cast<HANDLE>(handle); }

}  // namespace

EventSourceHandle Win32EventSource::RegisterEventSource(const std::string& sourceName) {
  HANDLE source = RegisterEventSourceA(nullptr, sourceName.c_str());
  lastError_.Track(source != nullptr);
  return reinterpret_cast<EventSourceHandle>(source);
}

bool Win32EventSource::ReportEvent(EventSourceHandle source, std::uint16_t type,
                                   std::uint16_t category, std::uint32_t eventId,
                                   const std::vector<std::uint8_t>& sid,
                                   const std::vector<std::string>& strings) {
  std::vector<const char*> texts;
  texts.reserve(strings.size());
  for (const std::string& s : strings) texts.push_back(s.c_str());
  // ReportEventA takes non-const pointers but only reads them.
  PSID user = sid.empty() ? nullptr : const_cast<std::uint8_t*>(sid.data());
  return lastError_.Track(ReportEventA(ToHandle(source), type, category, eventId, user,
                                       static_cast<WORD>(texts.size()), 0,
                                       texts.empty() ? nullptr : texts.data(), nullptr) != FALSE);
}

bool Win32EventSource::DeregisterEventSource(EventSourceHandle source) {
  return lastError_.Track(::DeregisterEventSource(ToHandle(source)) != FALSE);
}

}  // namespace haltwise
