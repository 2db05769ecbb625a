#pragma once
#include <cstdint>

// Values of the Windows API that the seams carry unchanged, so that portable
// code can test return codes and pass flags without including <windows.h>.
namespace haltwise::win {

// Error codes (GetLastError / LSTATUS).
inline constexpr long kErrorSuccess = 0;
inline constexpr long kErrorFileNotFound = 2;
inline constexpr long kErrorAccessDenied = 5;
inline constexpr long kErrorInvalidHandle = 6;
inline constexpr long kErrorNotEnoughMemory = 8;
inline constexpr long kErrorInvalidParameter = 87;
inline constexpr long kErrorInsufficientBuffer = 122;
inline constexpr long kErrorProcNotFound = 127;
inline constexpr long kErrorMoreData = 234;
inline constexpr long kErrorNoMoreItems = 259;
inline constexpr long kErrorNoneMapped = 1332;
inline constexpr long kErrorInvalidSid = 1337;
inline constexpr long kErrorPrivilegeNotHeld = 1314;

// Predefined registry roots.
using RegKey = std::uintptr_t;
inline constexpr RegKey kHKeyLocalMachine = 0x80000002u;
inline constexpr RegKey kHKeyPerformanceData = 0x80000004u;
inline constexpr RegKey kHKeyDynData = 0x80000006u;

// Registry access masks.
inline constexpr std::uint32_t kKeyRead = 0x20019;
inline constexpr std::uint32_t kKeyWrite = 0x20006;
inline constexpr std::uint32_t kKeyAllAccess = 0xF003F;

// Token access and privilege attributes.
inline constexpr std::uint32_t kTokenAdjustPrivileges = 0x20;
inline constexpr std::uint32_t kTokenQuery = 0x08;
inline constexpr std::uint32_t kSePrivilegeEnabled = 2;
// TOKEN_INFORMATION_CLASS.
inline constexpr std::uint32_t kTokenUser = 1;

// ExitWindowsEx flags.
inline constexpr std::uint32_t kEwxLogoff = 0;
inline constexpr std::uint32_t kEwxShutdown = 1;
inline constexpr std::uint32_t kEwxReboot = 2;
inline constexpr std::uint32_t kEwxForce = 4;
inline constexpr std::uint32_t kEwxPowerOff = 8;
// Shutdown reason: planned, major and minor "other" (both 0).
inline constexpr std::uint32_t kShtdnReasonFlagPlanned = 0x80000000u;

// Keeping the machine awake: POWER_REQUEST_TYPE and SetThreadExecutionState.
inline constexpr std::uint32_t kPowerRequestSystemRequired = 1;
inline constexpr std::uint32_t kEsSystemRequired = 0x00000001;
inline constexpr std::uint32_t kEsContinuous = 0x80000000u;

// WM_SYSCOMMAND: turn the displays off.
inline constexpr std::uint32_t kScMonitorPower = 0xF170;
inline constexpr std::intptr_t kMonitorPowerOff = 2;

// MessageBeep / MessageBox types.
inline constexpr std::uint32_t kMbOk = 0x00;
inline constexpr std::uint32_t kMbIconError = 0x10;
inline constexpr std::uint32_t kMbIconExclamation = 0x30;

// ShellExecute show commands.
inline constexpr int kSwShowNormal = 1;
inline constexpr int kSwShow = 5;

// Event log entry types.
inline constexpr std::uint16_t kEventLogErrorType = 1;
inline constexpr std::uint16_t kEventLogWarningType = 2;
inline constexpr std::uint16_t kEventLogInformationType = 4;
inline constexpr std::uint16_t kEventLogAuditSuccess = 8;
inline constexpr std::uint16_t kEventLogAuditFailure = 16;

}  // namespace haltwise::win
