#pragma once
#include <cstdint>
#include <string>

#include "perf/perf_block.h"
#include "perf/perf_context.h"
#include "perf/perf_layout.h"
#include "perf/perf_titles.h"

namespace haltwise {

// Lists the performance objects of the latest shared snapshot under their
// titles. It never takes a snapshot itself: the monitors do.
class TPerfObjects {
 public:
  explicit TPerfObjects(PerfContext& context);
  TPerfObjects(const TPerfObjects&) = delete;
  TPerfObjects& operator=(const TPerfObjects&) = delete;

  // The component's name, shown in the message of a missing help link.
  std::string Name;

  const std::string& LocaleID() const { return titles_.LocaleID(); }
  void SetLocaleID(const std::string& value) { titles_.SetLocaleID(value); }
  TPerfHelps* Helps() const { return helps_; }
  void SetHelps(TPerfHelps* helps) { helps_ = helps; }
  TPerfTitles& Titles() { return titles_; }

  int Count();
  std::string Names(int index);
  std::string HelpTexts(int index);
  perf::PerfObjectType Objects(int index);
  // The position of the first object with that title; fails with
  // "Unknown performance object : "<name>"" when there is none.
  int IndexOf(const std::string& name);
  // The latest shared snapshot.
  PerfBlock Snapshot() { return Data().Block(); }

 private:
  TPerfData& Data() { return perfData_.Get(); }
  void CheckPosition(int index);

  TPerfTitles titles_;
  TPerfHelps* helps_ = nullptr;
  PerfDataHold perfData_;
};

}  // namespace haltwise
