#pragma once
#include <functional>
#include <string>
#include <vector>

#include "perf/perf_layout.h"
#include "perf_test_bed.h"
#include "platform/error.h"

namespace haltwise::perftest {

// A small machine: Process (two "svchost" and an "Idle"), System without
// instances, PhysicalDisk with no instance at the moment, and Thread.
inline std::vector<ObjectSpec> SmallMachine(std::uint64_t tick = 0) {
  using namespace perf;
  const std::vector<CounterSpec> processCounters = {
      Counter(6, kPerf100nsecTimer),   Counter(784, kPerfCounterRawcount),
      Counter(1406, kPerfRawFraction), {1408, 0, kPerfRawBase, {}},
      Counter(7050, kPerfRawFraction), Counter(7002, kPerfCounterRawcount),
      Counter(7088, kPerfCounterText), Counter(218, kPerfCounterBulkCount)};
  auto process = [&](const char* name, std::uint64_t pid) {
    return InstanceSpec{name, {pid * 10000 * tick, pid, 1, 4, 3, 9, 0, pid * 10 * tick}, 0, 0};
  };
  return {
      ObjectWithInstances(230, processCounters,
                          {process("svchost", 100), process("svchost", 200), process("Idle", 0)}),
      ObjectWithoutInstances(2,
                             {Counter(10, kPerfCounterCounter),
                              Counter(1406, kPerfRawFraction),
                              {1408, 0, kPerfRawBase, {}},
                              Counter(24, kPerfCounterLargeRawcount)},
                             {500 * tick, 3, 4, 1ull << 33}),
      ObjectWithInstances(234, {Counter(218, kPerfCounterBulkCount)}, {}),
      ObjectWithInstances(
          232,
          {Counter(784, kPerfCounterRawcount), Counter(804, kPerfCounterRawcount),
           Counter(146, kPerfCounterCounter)},
          {{"0", {100, 8, 10 * tick}}, {"1", {100, 12, 20 * tick}}, {"0", {200, 16, 30 * tick}}}),
  };
}

// The message of the error `action` raises, or "no error".
inline std::string ErrorOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const Error& e) {
    return e.Message();
  }
  return "no error";
}

}  // namespace haltwise::perftest
