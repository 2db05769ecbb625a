#pragma once
#include <string>

#include "perf/perf_context.h"
#include "perf/perf_objects.h"
#include "perf/perf_titles.h"

namespace haltwise {

// What TPerfCounters and TPerfInstances share: an object of the snapshot
// named by its title, and a language in which that title is read.
class PerfObjectBinding {
 public:
  PerfObjectBinding(const PerfObjectBinding&) = delete;
  PerfObjectBinding& operator=(const PerfObjectBinding&) = delete;
  virtual ~PerfObjectBinding() = default;

  const std::string& ObjectName() const { return objectName_; }
  virtual void SetObjectName(const std::string& value) = 0;

  const std::string& LocaleID() const { return titles_.LocaleID(); }
  // Keeps the bound object, renamed to its title in the new language.
  void SetLocaleID(const std::string& value);

  // While loading, the name setter only stores its value.
  bool Loading() const { return loading_; }
  void SetLoading(bool loading) { loading_ = loading; }

  TPerfObjects& ObjectList() { return objectList_; }
  TPerfTitles& Titles() { return titles_; }

 protected:
  explicit PerfObjectBinding(PerfContext& context) : objectList_(context), titles_(context) {}

  // The bound object as the snapshot holds it now.
  perf::PerfObjectType BoundObjectType() {
    return objectList_.Objects(objectList_.IndexOf(objectName_));
  }

  TPerfObjects objectList_;
  std::string objectName_;
  TPerfTitles titles_;
  bool loading_ = false;
};

}  // namespace haltwise
