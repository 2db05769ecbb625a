#pragma once
#include "platform/datetime.h"
#include "platform/win32/windows_api.h"

namespace haltwise {

// Between the program's date values and the Windows SYSTEMTIME record.
SYSTEMTIME ToSystemTime(DateTime value);
// 0 for a date the calendar does not have.
DateTime FromSystemTime(const SYSTEMTIME& time);

}  // namespace haltwise
