#include "platform/win32/win32_event_source.h"

#include "platform/win32/wide_text.h"
#include "platform/win32/windows_api.h"

namespace haltwise {
namespace {

HANDLE ToHandle(EventSourceHandle handle) { return reinterpret_cast<HANDLE>(handle); }

}  // namespace

EventSourceHandle Win32EventSource::RegisterEventSource(const std::string& sourceName) {
  HANDLE source = RegisterEventSourceW(nullptr, Widen(sourceName).c_str());
  lastError_.Track(source != nullptr);
  return reinterpret_cast<EventSourceHandle>(source);
}

bool Win32EventSource::ReportEvent(EventSourceHandle source, std::uint16_t type,
                                   std::uint16_t category, std::uint32_t eventId,
                                   const std::vector<std::uint8_t>& sid,
                                   const std::vector<std::string>& strings) {
  std::vector<std::wstring> wide;
  wide.reserve(strings.size());
  for (const std::string& s : strings) wide.push_back(Widen(s));
  std::vector<const wchar_t*> texts;
  texts.reserve(wide.size());
  for (const std::wstring& s : wide) texts.push_back(s.c_str());
  // ReportEventW takes a non-const SID but only reads it.
  PSID user = sid.empty() ? nullptr : const_cast<std::uint8_t*>(sid.data());
  return lastError_.Track(ReportEventW(ToHandle(source), type, category, eventId, user,
                                       static_cast<WORD>(texts.size()), 0,
                                       texts.empty() ? nullptr : texts.data(), nullptr) != FALSE);
}

bool Win32EventSource::DeregisterEventSource(EventSourceHandle source) {
  return lastError_.Track(::DeregisterEventSource(ToHandle(source)) != FALSE);
}

}  // namespace haltwise
