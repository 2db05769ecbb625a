#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "perf/testing/perf_block_writer.h"
#include "perf/testing/standard_titles.h"
#include "platform/datetime.h"

namespace haltwise::perftest {

enum class Scenario {
  Steady,  // a busy machine throughout
  Quiet,   // busy, then quiet: disk and network near 0, CPU and "Gauge" between 5 and 10
  Demo,    // a small, lively machine, for a replay file that can be committed
  Big,     // a snapshot of about 5 MB with 5,000 threads, for benchmarks
};

struct MachineOptions {
  Scenario scenario = Scenario::Steady;
  int quietAfter = 10;  // snapshots of load before the quiet (Quiet scenario)
  std::uint32_t seed = 1;
  // Adapters and one process named in Cyrillic and CJK letters, as on a
  // machine set up in another language.
  bool localNames = false;
  std::size_t bigBlockBytes = 5 * 1024 * 1024;
  DateTime start = EncodeDate(2026, 6, 1) + EncodeTime(10, 0, 0, 0);  // UTC of the first snapshot
  // Ticks per second of the high-resolution clock (PerfFreq): the ACPI
  // power-management timer of many machines; 10,000,000 on recent Windows,
  // 2,441,406 on some processor-derived clocks.
  std::int64_t perfFreq = 3579545;
  // Snapshots (counted from 0) in which the Wi-Fi adapter is gone, from
  // `wifiGoneFrom` up to but not including `wifiBackAt`; -1: never gone.
  int wifiGoneFrom = -1;
  int wifiBackAt = -1;
  // From this snapshot on a VPN adapter is listed after the others; -1: never.
  int vpnFrom = -1;
  // From this snapshot on a USB disk is listed after "_Total"; -1: never.
  int usbDiskFrom = -1;
  // At this snapshot the first "svchost" process ends, and the processes
  // after it move up; -1: never.
  int svchostEndsAt = -1;
};

// Network adapters of the simulated machine, as Windows names their instances.
inline constexpr const char* kEthernetAdapter = "Intel[R] Ethernet Connection (7) I219-V";
inline constexpr const char* kWifiAdapter = "Intel[R] Wi-Fi 6 AX201 160MHz";
inline constexpr const char* kVpnAdapter = "TAP-Windows Adapter V9";

// A simulated Windows machine whose performance data moves from one snapshot
// to the next, one second apart: processors, a disk, network interfaces,
// processes and threads, memory and system counters, an object with one
// counter of every common type and, for the big scenario, more objects.
class MachineModel {
 public:
  explicit MachineModel(const MachineOptions& options);

  BlockSpec NextSnapshot();
  // The English ("009") title tables.
  const TitleTables& Titles() const { return titles_; }
  int ProcessCount() const { return static_cast<int>(processes_.size()); }
  int ThreadCount() const;

 private:
  struct Thread {
    std::uint32_t tid = 0;
    std::uint64_t startAddress = 0;
    std::int64_t start = 0;
    std::uint64_t cpu = 0, user = 0, contextSwitches = 0;
    std::uint32_t priority = 8;
  };
  struct Process {
    std::string name;
    std::uint32_t pid = 0, parentPid = 0;
    std::int64_t start = 0;
    std::uint64_t cpu = 0, user = 0, pageFaults = 0, ioBytes = 0;
    std::uint64_t workingSet = 0, privateBytes = 0, virtualBytes = 0;
    std::uint32_t handles = 0, priority = 8;
    double activity = 0;  // share of the machine's load
    std::vector<Thread> threads;
  };
  struct Nic {
    std::string name;
    double share = 0;
    bool present = true;
    std::uint64_t received = 0, sent = 0, packetsReceived = 0, packetsSent = 0;
  };
  struct Cpu {
    std::uint64_t idle = 0, user = 0, privileged = 0, interrupts = 0;
  };
  struct FillerObject {
    ObjectSpec layout;  // counters and instance names; values set per snapshot
  };

  bool Compact() const { return options_.scenario == Scenario::Demo; }
  bool IsQuiet() const;
  double Noise();  // -1 to 1
  double CpuBusy(int cpu);
  double Wave(double period, double phase) const;

  void BuildProcesses(int processCount, int threadCount);
  void BuildFillerObjects();
  void Advance();

  ObjectSpec SystemObject() const;
  ObjectSpec MemoryObject() const;
  ObjectSpec ProcessorObject() const;
  ObjectSpec DiskObject() const;
  ObjectSpec LogicalDiskObject() const;
  void UpdateDevices();
  // The high-resolution clock (PerfTime) at a file time.
  std::int64_t PerfTimeAt(std::int64_t fileTime) const;
  ObjectSpec NetworkObject() const;
  ObjectSpec ProcessObject() const;
  ObjectSpec ThreadObject() const;
  ObjectSpec SamplesObject() const;
  void UpdateFillerObjects();
  BlockSpec Assemble() const;

  MachineOptions options_;
  TitleTables titles_;
  std::uint32_t random_;
  int tick_ = -1;  // seconds since the first snapshot
  std::int64_t bootTime_ = 0;
  std::vector<Cpu> cpus_;
  std::vector<Process> processes_;
  std::vector<Nic> nics_;
  std::uint64_t diskRead_ = 0, diskWritten_ = 0, diskTransfers_ = 0, diskBusy_ = 0;
  std::uint64_t diskQueueTime_ = 0, diskTransferTicks_ = 0, diskIdle_ = 0;
  std::uint64_t usbRead_ = 0;
  std::uint64_t fileReads_ = 0, contextSwitches_ = 0, systemCalls_ = 0;
  std::uint64_t pageFaults_ = 0, pages_ = 0;
  std::uint64_t availableBytes_ = 0, committedBytes_ = 0;
  std::uint32_t gauge_ = 0;
  std::vector<FillerObject> fillers_;
};

// The scenario named "steady", "quiet", "demo" or "big"; std::invalid_argument
// for any other name.
Scenario ParseScenario(const std::string& name);

}  // namespace haltwise::perftest
