#include "platform/win32/win32_locale_format.h"

#include "platform/win32/system_time.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/windows_api.h"

#include <string>

namespace haltwise {
namespace {

// Asks for the length first, then formats into a buffer of that size.
template <typename FormatFn>
std::string Format(FormatFn format) {
  const int length = format(nullptr, 0);
  if (length <= 0) return {};
  std::wstring text(static_cast<std::size_t>(length), L'\0');
  if (format(text.data(), length) <= 0) return {};
  text.resize(static_cast<std::size_t>(length - 1));  // drop the terminator
  return Narrow(text);
}

std::string FormatDate(DateTime value, DWORD flags) {
  const SYSTEMTIME time = ToSystemTime(value);
  return Format([&](wchar_t* buffer, int size) {
    return GetDateFormatW(LOCALE_USER_DEFAULT, flags, &time, nullptr, buffer, size);
  });
}

}  // namespace

std::string Win32LocaleFormat::ShortDate(DateTime value) const {
  return FormatDate(value, DATE_SHORTDATE);
}

std::string Win32LocaleFormat::LongDate(DateTime value) const {
  return FormatDate(value, DATE_LONGDATE);
}

std::string Win32LocaleFormat::LongTime(DateTime value) const {
  const SYSTEMTIME time = ToSystemTime(value);
  return Format([&](wchar_t* buffer, int size) {
    return GetTimeFormatW(LOCALE_USER_DEFAULT, 0, &time, nullptr, buffer, size);
  });
}

}  // namespace haltwise
