#pragma once
#include <string>

#include "platform/error.h"

namespace haltwise {

// Failures of TEventLog::LogEvent. Each message is "TEventLog", a fixed
// text and the Windows error code of the call that failed, e.g.
// "TEventLog - Event report fail, error code: 5".
class EEventType : public Error {
 public:
  using Error::Error;

 protected:
  EEventType(const char* fixedText, long code)
      : Error("TEventLog" + std::string(fixedText) + std::to_string(code)) {}
};

class ERegisterApplicationFail : public EEventType {
 public:
  explicit ERegisterApplicationFail(long code)
      : EEventType(" - Application registration fail, error code: ", code) {}
};

class ERegisterSourceFail : public EEventType {
 public:
  explicit ERegisterSourceFail(long code)
      : EEventType(" - Event source registration fail, error code: ", code) {}
};

class EUserSIDLookupFail : public EEventType {
 public:
  explicit EUserSIDLookupFail(long code)
      : EEventType(" - User SID lookup fail, error code: ", code) {}
};

class EReportFail : public EEventType {
 public:
  explicit EReportFail(long code) : EEventType(" - Event report fail, error code: ", code) {}
};

}  // namespace haltwise
