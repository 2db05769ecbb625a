#pragma once
// <windows.h> for code that also sees the platform seams. Some seam methods
// share their names with the ANSI/Unicode switch macros of the Windows
// headers (GetVersionEx -> GetVersionExW); left defined, those macros rename
// the methods in one file and not in another. Call the ...W functions by
// their full names instead.
#include <windows.h>

#undef GetVersionEx
#undef LookupPrivilegeValue
#undef RegisterEventSource
#undef ReportEvent
