#pragma once
#include "platform/win32/windows_api.h"

namespace haltwise {

// A DLL loaded for the lifetime of the object (LoadLibraryW/FreeLibrary).
class ScopedModule {
 public:
  explicit ScopedModule(const wchar_t* name) : module_(LoadLibraryW(name)) {}
  ScopedModule(const ScopedModule&) = delete;
  ScopedModule& operator=(const ScopedModule&) = delete;
  ~ScopedModule() {
    if (module_) FreeLibrary(module_);
  }
  HMODULE Get() const { return module_; }

 private:
  HMODULE module_;
};

// GetProcAddress cast to the function's type; null when the module or the
// export is missing.
template <typename Fn>
Fn ProcAddress(HMODULE module, const char* name) {
  if (!module) return nullptr;
  return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

}  // namespace haltwise
