#pragma once

namespace haltwise {

// The GetLastError() code of the last call that failed, kept right after the
// call so that later calls cannot overwrite it before the seam's LastError()
// is asked.
class LastErrorKeeper {
 public:
  // Returns `succeeded`; on failure keeps the thread's last-error code.
  bool Track(bool succeeded);
  void Set(long code) { code_ = code; }
  long Get() const { return code_; }

 private:
  long code_ = 0;
};

}  // namespace haltwise
