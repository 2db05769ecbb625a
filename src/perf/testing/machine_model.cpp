#include "perf/testing/machine_model.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "perf/perf_layout.h"

namespace haltwise::perftest {
namespace {

using namespace perf;
namespace t = titles;

constexpr std::int64_t kSecond = 10000000;  // in 100-ns units

std::uint64_t Scaled(double value) { return static_cast<std::uint64_t>(std::max(0.0, value)); }

CounterSpec C(std::uint32_t index, std::uint32_t type) { return {index, index + 1, type, {}}; }

std::int64_t FileTimeOf(DateTime value) {
  std::int64_t fileTime = 0;
  SystemTimeToFileTime(DateTimeToSystemTime(value), &fileTime);
  return fileTime;
}

// Forty in a hundred are "svchost", as on a current Windows desktop.
const char* const kProcessNames[] = {"svchost",  "chrome",  "RuntimeBroker",
                                     "svchost",  "msedge",  "conhost",
                                     "svchost",  "dllhost", "svchost",
                                     "WmiPrvSE", "svchost", "SearchProtocolHost",
                                     "chrome",   "svchost", "backgroundTaskHost",
                                     "svchost",  "Teams",   "msedge",
                                     "svchost",  "OneDrive"};
const char* const kSystemProcesses[] = {
    "Idle",      "System",   "Registry", "smss",        "csrss",  "csrss",    "wininit",
    "winlogon",  "services", "lsass",    "fontdrvhost", "dwm",    "explorer", "sihost",
    "taskhostw", "spoolsv",  "MsMpEng",  "audiodg",     "ctfmon", "Haltwise"};
const char* const kDemoProcesses[] = {"Idle",    "System",   "svchost",
                                      "svchost", "explorer", "Haltwise"};

}  // namespace

Scenario ParseScenario(const std::string& name) {
  if (name == "steady") return Scenario::Steady;
  if (name == "quiet") return Scenario::Quiet;
  if (name == "demo") return Scenario::Demo;
  if (name == "big") return Scenario::Big;
  throw std::invalid_argument("unknown scenario \"" + name + "\"");
}

MachineModel::MachineModel(const MachineOptions& options)
    : options_(options),
      titles_(MakeTitleTables(Compact() ? 0 : kRealisticFillerEntries)),
      random_(options.seed == 0 ? 1 : options.seed) {
  bootTime_ = FileTimeOf(options_.start) - 3 * 3600 * kSecond;
  int cpuCount = 4, processCount = 120, threadCount = 1200;
  if (options_.scenario == Scenario::Demo) cpuCount = 2, processCount = 6, threadCount = 10;
  if (options_.scenario == Scenario::Big) cpuCount = 8, processCount = 300, threadCount = 5000;
  cpus_.resize(static_cast<std::size_t>(cpuCount));
  nics_ = {{kEthernetAdapter, 0.9}, {kWifiAdapter, 0.1}};
  if (!Compact()) nics_.push_back({"Hyper-V Virtual Ethernet Adapter", 0.02});
  nics_.push_back({kVpnAdapter, 0.05, false});
  if (options_.localNames) {
    nics_[0].name = "Сетевой адаптер Realtek PCIe GbE";
    nics_[1].name = "無線網路卡 Wi-Fi 6 AX201";
  }
  availableBytes_ = 6ull << 30;
  committedBytes_ = 9ull << 30;
  BuildProcesses(processCount, threadCount);
  if (options_.scenario == Scenario::Big) BuildFillerObjects();
}

int MachineModel::ThreadCount() const {
  int count = 0;
  for (const Process& p : processes_) count += static_cast<int>(p.threads.size());
  return count;
}

double MachineModel::Noise() {
  random_ ^= random_ << 13;
  random_ ^= random_ >> 17;
  random_ ^= random_ << 5;
  return (random_ % 20001) / 10000.0 - 1.0;
}

double MachineModel::Wave(double period, double phase) const {
  return 0.5 + 0.5 * std::sin(6.283185307179586 * tick_ / period + phase);
}

bool MachineModel::IsQuiet() const {
  return options_.scenario == Scenario::Quiet && tick_ >= options_.quietAfter;
}

double MachineModel::CpuBusy(int cpu) {
  if (IsQuiet()) return 0.075 + 0.015 * Noise();
  const double busy = 0.15 + 0.7 * Wave(23.0 + 4 * cpu, cpu * 1.3) + 0.1 * Noise();
  return std::clamp(busy, 0.02, 0.98);
}

void MachineModel::BuildProcesses(int processCount, int threadCount) {
  const std::int64_t now = FileTimeOf(options_.start);
  std::vector<std::string> names;
  if (Compact()) {
    names.assign(std::begin(kDemoProcesses), std::end(kDemoProcesses));
  } else {
    names.assign(std::begin(kSystemProcesses), std::end(kSystemProcesses));
    for (std::size_t k = 0; names.size() < static_cast<std::size_t>(processCount); ++k) {
      names.emplace_back(kProcessNames[k % std::size(kProcessNames)]);
    }
  }
  if (options_.localNames) names.push_back("Текстовый редактор 文字編輯器");
  std::uint32_t nextId = 100;
  for (const std::string& name : names) {
    Process p;
    p.name = name;
    p.pid = name == "Idle" ? 0 : name == "System" ? 4 : (nextId += 4 * (1 + random_ % 7));
    Noise();
    p.parentPid = p.pid <= 4 ? 0 : 4;
    p.start = name == "Idle" || name == "System" ? bootTime_
                                                 : now - Scaled((1 + Noise()) * 3000) * kSecond;
    p.workingSet = Scaled((1.2 + Noise()) * 40e6);
    p.privateBytes = p.workingSet / 2 + 4096;
    p.virtualBytes = p.workingSet * 20 + (1ull << 32);
    p.handles = static_cast<std::uint32_t>(100 + (1 + Noise()) * 400);
    p.activity = name == "Idle" ? 0 : (1.2 + Noise()) / processCount;
    processes_.push_back(p);
  }
  // Every process has a thread; the rest are spread at random.
  std::vector<int> threadsOf(processes_.size(), 1);
  threadsOf[0] = static_cast<int>(cpus_.size());  // Idle: one per processor
  int assigned = static_cast<int>(cpus_.size() + processes_.size() - 1);
  while (assigned < threadCount) {
    Noise();
    ++threadsOf[1 + random_ % (processes_.size() - 1)];
    ++assigned;
  }
  std::uint32_t nextTid = 8;
  for (std::size_t i = 0; i < processes_.size(); ++i) {
    for (int k = 0; k < threadsOf[i]; ++k) {
      Thread thread;
      thread.tid = processes_[i].pid == 0 ? static_cast<std::uint32_t>(k) : (nextTid += 4);
      thread.startAddress = 0x7FF6A0000000ull + (nextTid % 4096) * 0x1000;
      thread.start = processes_[i].start + k * kSecond;
      thread.priority = 8 + static_cast<std::uint32_t>(k % 3);
      processes_[i].threads.push_back(thread);
    }
  }
}

void MachineModel::BuildFillerObjects() {
  // Titles that are not standard ones name the extra objects and counters.
  std::vector<std::uint32_t> free;
  for (const auto& [index, title] : titles_.counter) {
    const auto value = static_cast<std::uint32_t>(std::stoul(index));
    if (StandardTitle(value).empty()) free.push_back(value);
  }
  const std::uint32_t types[] = {kPerfCounterBulkCount, kPerfCounterLargeRawcount,
                                 kPerfCounterCounter, kPerf100nsecTimer};
  const BlockSpec withoutFillers = Assemble();
  std::size_t size = WritePerfBlock(withoutFillers).size();
  constexpr int kCounters = 16, kInstances = 400;
  std::size_t next = 0;
  while (size < options_.bigBlockBytes && next + kCounters + 1 < free.size()) {
    FillerObject filler;
    filler.layout.nameIndex = free[next];
    filler.layout.helpIndex = free[next] + 1;
    ++next;
    for (int c = 0; c < kCounters; ++c, ++next) {
      filler.layout.counters.push_back(C(free[next], types[c % std::size(types)]));
    }
    filler.layout.instances.emplace();
    for (int i = 0; i < kInstances; ++i) {
      filler.layout.instances->push_back({"Instance " + std::to_string(i), {}, 0, 0});
    }
    size += WritePerfBlock(BlockSpec{{}, 0, 0, 0, "", {filler.layout}}).size() - 96;
    fillers_.push_back(std::move(filler));
  }
}

std::int64_t MachineModel::PerfTimeAt(std::int64_t fileTime) const {
  const auto sinceBoot = static_cast<long double>(fileTime - bootTime_);
  return static_cast<std::int64_t>(sinceBoot * options_.perfFreq / kSecond);
}

// Adapters that come and go: an adapter that comes back is a new instance
// whose counters start again from 0.
void MachineModel::UpdateDevices() {
  auto inWindow = [&](int from, int until) {
    return from >= 0 && tick_ >= from && (until < 0 || tick_ < until);
  };
  Nic& wifi = nics_[1];
  const bool wifiPresent = !inWindow(options_.wifiGoneFrom, options_.wifiBackAt);
  if (wifiPresent && !wifi.present)
    wifi.received = wifi.sent = wifi.packetsReceived = wifi.packetsSent = 0;
  wifi.present = wifiPresent;
  nics_.back().present = inWindow(options_.vpnFrom, -1);
  if (tick_ == options_.svchostEndsAt) {
    const auto first = std::find_if(processes_.begin(), processes_.end(),
                                    [](const Process& p) { return p.name == "svchost"; });
    if (first != processes_.end()) processes_.erase(first);
  }
}

void MachineModel::Advance() {
  ++tick_;
  UpdateDevices();
  if (tick_ == 0) return;  // the first snapshot shows the starting state
  double busySum = 0;
  for (std::size_t i = 0; i < cpus_.size(); ++i) {
    const double busy = CpuBusy(static_cast<int>(i));
    busySum += busy;
    Cpu& cpu = cpus_[i];
    cpu.idle += Scaled((1 - busy) * kSecond);
    cpu.user += Scaled(busy * 0.7 * kSecond);
    cpu.privileged += Scaled(busy * 0.3 * kSecond);
    cpu.interrupts += Scaled(800 + 600 * busy + 50 * Noise());
  }
  const double load = busySum / static_cast<double>(cpus_.size());
  for (Process& p : processes_) {
    const double share = p.activity * load * static_cast<double>(cpus_.size());
    p.cpu += Scaled(share * kSecond);
    p.user += Scaled(share * 0.7 * kSecond);
    p.pageFaults += Scaled(share * 5000 + (1 + Noise()) * 3);
    p.ioBytes += Scaled(share * 2e6);
    if (!p.threads.empty()) {
      const double perThread = share / static_cast<double>(p.threads.size());
      for (Thread& thread : p.threads) {
        thread.cpu += Scaled(perThread * kSecond * (1 + 0.5 * Noise()));
        thread.user += thread.cpu / 2 > thread.user ? Scaled(perThread * 0.7 * kSecond) : 0;
        thread.contextSwitches += Scaled((1 + Noise()) * 40);
      }
    }
  }
  const double diskRate =
      IsQuiet() ? (1 + Noise()) * 80 : 400e3 + 2.5e6 * Wave(17, 0.4) + 2e5 * Noise();
  const auto readBytes = Scaled(diskRate * 0.6);
  const auto writtenBytes = Scaled(diskRate * 0.4);
  diskRead_ += readBytes;
  diskWritten_ += writtenBytes;
  const std::uint64_t transfers = (readBytes + writtenBytes) / 16384 + (IsQuiet() ? 0 : 1);
  diskTransfers_ += transfers;
  const double busy = std::min(0.95, diskRate / 8e6);
  diskBusy_ += Scaled(busy * kSecond);
  diskIdle_ += Scaled((1 - busy) * kSecond);
  diskQueueTime_ += Scaled(std::min(2.0, diskRate / 4e6) * kSecond);
  // Ticks of the high-resolution clock, 3 to 7 ms a transfer.
  diskTransferTicks_ += transfers * Scaled((0.005 + 0.002 * Noise()) * options_.perfFreq);
  if (options_.usbDiskFrom >= 0 && tick_ >= options_.usbDiskFrom)
    usbRead_ += Scaled(30e3 * (1 + Noise()));
  for (std::size_t i = 0; i < nics_.size(); ++i) {
    Nic& nic = nics_[i];
    if (!nic.present) continue;
    const double received =
        IsQuiet()
            ? (1 + Noise()) * 60 * nic.share
            : nic.share * (150e3 + 1.8e6 * Wave(29, 1.1 + static_cast<double>(i)) + 1e5 * Noise());
    const double sent = IsQuiet() ? (1 + Noise()) * 30 * nic.share
                                  : nic.share * (40e3 + 3e5 * Wave(13, 2.0) + 2e4 * Noise());
    nic.received += Scaled(received);
    nic.sent += Scaled(sent);
    nic.packetsReceived += Scaled(received / 1200) + 1;
    nic.packetsSent += Scaled(sent / 800) + 1;
  }
  fileReads_ += Scaled(300 + 200 * load + 20 * Noise());
  contextSwitches_ += Scaled(9000 + 20000 * load + 500 * Noise());
  systemCalls_ += Scaled(40000 + 90000 * load + 900 * Noise());
  pageFaults_ += Scaled(2000 + 9000 * load);
  pages_ += Scaled(IsQuiet() ? 0 : 40 * load);
  availableBytes_ = Scaled((6.0 + Noise() * 0.2) * (1ull << 30));
  const double gauge = IsQuiet() ? 7.5 + 2 * Noise() : 40 + 20 * Wave(31, 0);
  gauge_ = static_cast<std::uint32_t>(std::lround(gauge));
}

ObjectSpec MachineModel::SystemObject() const {
  ObjectSpec o;
  o.nameIndex = t::kSystem;
  o.helpIndex = t::kSystem + 1;
  o.counters = {C(10, kPerfCounterCounter),   C(146, kPerfCounterCounter),
                C(150, kPerfCounterCounter),  C(674, kPerfElapsedTime),
                C(248, kPerfCounterRawcount), C(250, kPerfCounterRawcount),
                C(44, kPerfCounterRawcount)};
  o.values = {fileReads_,
              contextSwitches_,
              systemCalls_,
              static_cast<std::uint64_t>(bootTime_),
              processes_.size(),
              static_cast<std::uint64_t>(ThreadCount()),
              IsQuiet() ? 0u : static_cast<std::uint64_t>(1 + tick_ % 5)};
  o.perfTime = FileTimeOf(options_.start) + tick_ * kSecond;
  o.perfFreq = kSecond;
  return o;
}

ObjectSpec MachineModel::MemoryObject() const {
  ObjectSpec o;
  o.nameIndex = t::kMemory;
  o.helpIndex = t::kMemory + 1;
  const std::uint64_t commitLimit = 20ull << 30;
  o.counters = {C(24, kPerfCounterLargeRawcount), C(26, kPerfCounterLargeRawcount),
                C(30, kPerfCounterLargeRawcount), C(28, kPerfCounterCounter),
                C(40, kPerfCounterCounter),       C(1406, kPerfRawFraction),
                {1408, 0, kPerfRawBase, {}},      C(1382, kPerfCounterLargeRawcount)};
  o.values = {availableBytes_, committedBytes_,       commitLimit,       pageFaults_,
              pages_,          committedBytes_ >> 20, commitLimit >> 20, availableBytes_ >> 20};
  return o;
}

ObjectSpec MachineModel::ProcessorObject() const {
  ObjectSpec o;
  o.nameIndex = t::kProcessor;
  o.helpIndex = t::kProcessor + 1;
  o.counters = {C(t::kProcessorTime, kPerf100nsecTimerInv), C(142, kPerf100nsecTimer),
                C(144, kPerf100nsecTimer), C(148, kPerfCounterCounter), C(1482, kPerf100nsecTimer)};
  o.instances.emplace();
  Cpu total;
  for (std::size_t i = 0; i < cpus_.size(); ++i) {
    const Cpu& c = cpus_[i];
    o.instances->push_back(
        {std::to_string(i), {c.idle, c.user, c.privileged, c.interrupts, c.idle}});
    total.idle += c.idle / cpus_.size();
    total.user += c.user / cpus_.size();
    total.privileged += c.privileged / cpus_.size();
    total.interrupts += c.interrupts;
  }
  o.instances->push_back(
      {"_Total", {total.idle, total.user, total.privileged, total.interrupts, total.idle}});
  return o;
}

ObjectSpec MachineModel::DiskObject() const {
  ObjectSpec o;
  o.nameIndex = t::kPhysicalDisk;
  o.helpIndex = t::kPhysicalDisk + 1;
  // The types Windows gives these counters; the timestamps and the average
  // bases follow the counters that read them.
  o.counters = {C(198, kPerfCounterRawcount),
                C(200, kPerfPrecision100nsTimer),
                {t::kUntitledDiskTimestamp, 0, kPerfPrecisionTimestamp, {}},
                C(1400, kPerfCounter100nsQueuelenType),
                C(206, kPerfAverageTimer),
                {207, 0, kPerfAverageBase, {}},
                C(212, kPerfCounterCounter),
                C(t::kDiskBytesPerSec, kPerfCounterBulkCount),
                C(220, kPerfCounterBulkCount),
                C(222, kPerfCounterBulkCount),
                C(224, kPerfAverageBulk),
                {225, 0, kPerfAverageBase, {}},
                C(1482, kPerfPrecision100nsTimer),
                {t::kUntitledIdleTimestamp, 0, kPerfPrecisionTimestamp, {}}};
  const auto timestamp = static_cast<std::uint64_t>(FileTimeOf(options_.start) + tick_ * kSecond);
  auto values = [&](std::uint64_t read, std::uint64_t written, std::uint64_t transfers,
                    std::uint64_t busy, std::uint64_t idle, std::uint64_t queueTime,
                    std::uint64_t transferTicks) {
    return std::vector<std::uint64_t>{IsQuiet() ? 0u : static_cast<std::uint64_t>(tick_ % 3),
                                      busy,
                                      timestamp,
                                      queueTime,
                                      transferTicks & 0xFFFFFFFFu,  // a 4-byte counter: it wraps
                                      transfers,
                                      transfers,
                                      read + written,
                                      read,
                                      written,
                                      read + written,
                                      transfers,
                                      idle,
                                      timestamp};
  };
  o.instances.emplace();
  o.instances->push_back({"0 C:", values(diskRead_, diskWritten_, diskTransfers_, diskBusy_,
                                         diskIdle_, diskQueueTime_, diskTransferTicks_)});
  const std::uint64_t usbTransfers = usbRead_ / 65536;
  o.instances->push_back(
      {"_Total", values(diskRead_ + usbRead_, diskWritten_, diskTransfers_ + usbTransfers,
                        diskBusy_, diskIdle_, diskQueueTime_, diskTransferTicks_)});
  // A disk plugged in later is listed after "_Total", as Windows adds it.
  if (options_.usbDiskFrom >= 0 && tick_ >= options_.usbDiskFrom) {
    o.instances->push_back({"1 E:", values(usbRead_, 0, usbTransfers, 0,
                                           static_cast<std::uint64_t>(tick_) * kSecond, 0, 0)});
  }
  return o;
}

ObjectSpec MachineModel::LogicalDiskObject() const {
  ObjectSpec o;
  o.nameIndex = t::kLogicalDisk;
  o.helpIndex = t::kLogicalDisk + 1;
  o.counters = {C(408, kPerfRawFraction),
                {t::kUntitledFreeSpaceBase, 0, kPerfRawBase, {}},
                C(410, kPerfCounterRawcount),
                C(t::kDiskBytesPerSec, kPerfCounterBulkCount)};
  const std::uint64_t sizeMb = 486000, freeMb = 131000 - static_cast<std::uint64_t>(tick_);
  o.instances.emplace();
  o.instances->push_back({"HarddiskVolume1", {90, 100, 90, 0}});
  o.instances->push_back({"C:", {freeMb, sizeMb, freeMb, diskRead_ + diskWritten_}});
  o.instances->push_back(
      {"_Total", {freeMb + 90, sizeMb + 100, freeMb + 90, diskRead_ + diskWritten_}});
  return o;
}

ObjectSpec MachineModel::NetworkObject() const {
  ObjectSpec o;
  o.nameIndex = t::kNetworkInterface;
  o.helpIndex = t::kNetworkInterface + 1;
  o.counters = {C(t::kBytesTotalPerSec, kPerfCounterBulkCount),
                C(400, kPerfCounterCounter),
                C(266, kPerfCounterCounter),
                C(452, kPerfCounterCounter),
                C(520, kPerfCounterRawcount),
                C(t::kBytesReceivedPerSec, kPerfCounterBulkCount),
                C(t::kBytesSentPerSec, kPerfCounterBulkCount)};
  o.instances.emplace();
  for (const Nic& nic : nics_) {
    if (!nic.present) continue;
    o.instances->push_back(
        {nic.name,
         {nic.received + nic.sent, nic.packetsReceived + nic.packetsSent, nic.packetsReceived,
          nic.packetsSent, 1000000000u, nic.received, nic.sent}});
  }
  return o;
}

ObjectSpec MachineModel::ProcessObject() const {
  ObjectSpec o;
  o.nameIndex = t::kProcess;
  o.helpIndex = t::kProcess + 1;
  o.perfTime = FileTimeOf(options_.start) + tick_ * kSecond;
  o.perfFreq = kSecond;
  o.counters = {C(t::kProcessorTime, kPerf100nsecTimer),
                C(142, kPerf100nsecTimer),
                C(684, kPerfElapsedTime),
                C(t::kIdProcess, kPerfCounterRawcount),
                C(180, kPerfCounterLargeRawcount),
                C(680, kPerfCounterRawcount)};
  if (!Compact()) {
    o.counters.insert(o.counters.end(),
                      {C(144, kPerf100nsecTimer), C(172, kPerfCounterLargeRawcount),
                       C(174, kPerfCounterLargeRawcount), C(28, kPerfCounterCounter),
                       C(186, kPerfCounterLargeRawcount), C(682, kPerfCounterRawcount),
                       C(1410, kPerfCounterRawcount), C(952, kPerfCounterRawcount),
                       C(1420, kPerfCounterBulkCount)});
  }
  o.instances.emplace();
  Process total;
  total.name = "_Total";
  for (const Process& p : processes_) {
    InstanceSpec instance{
        p.name,
        {p.cpu, p.user, static_cast<std::uint64_t>(p.start), p.pid, p.workingSet, p.threads.size()},
        0,
        0};
    if (!Compact()) {
      instance.values.insert(
          instance.values.end(),
          {p.cpu - p.user, p.virtualBytes + (64ull << 20), p.virtualBytes, p.pageFaults,
           p.privateBytes, p.priority, p.parentPid, p.handles, p.ioBytes});
    }
    o.instances->push_back(std::move(instance));
    total.cpu += p.cpu;
    total.user += p.user;
    total.workingSet += p.workingSet;
    total.threads.resize(total.threads.size() + p.threads.size());
  }
  o.instances->push_back({"_Total",
                          {total.cpu, total.user, static_cast<std::uint64_t>(bootTime_), 0,
                           total.workingSet, total.threads.size()},
                          0,
                          0});
  o.instances->back().values.resize(o.counters.size(), 0);
  return o;
}

ObjectSpec MachineModel::ThreadObject() const {
  ObjectSpec o;
  o.nameIndex = t::kThread;
  o.helpIndex = t::kThread + 1;
  o.perfTime = FileTimeOf(options_.start) + tick_ * kSecond;
  o.perfFreq = kSecond;
  o.counters = {C(t::kProcessorTime, kPerf100nsecTimer), C(146, kPerfCounterCounter),
                C(t::kIdProcess, kPerfCounterRawcount), C(t::kIdThread, kPerfCounterRawcount),
                C(694, kPerfCounterRawcount)};
  if (!Compact()) {
    o.counters.insert(
        o.counters.end(),
        {C(142, kPerf100nsecTimer), C(144, kPerf100nsecTimer), C(684, kPerfElapsedTime),
         C(682, kPerfCounterRawcount), C(706, kPerfCounterLargeRawcountHex),
         C(46, kPerfCounterRawcount), C(336, kPerfCounterRawcount)});
  }
  o.instances.emplace();
  for (std::size_t i = 0; i < processes_.size(); ++i) {
    const Process& p = processes_[i];
    for (std::size_t k = 0; k < p.threads.size(); ++k) {
      const Thread& thread = p.threads[k];
      // As Windows names them: the thread's number within its process.
      InstanceSpec instance{
          std::to_string(k),
          {thread.cpu, thread.contextSwitches, p.pid, thread.tid, thread.priority},
          t::kProcess,
          static_cast<std::uint32_t>(i)};
      if (!Compact()) {
        instance.values.insert(instance.values.end(),
                               {thread.user, thread.cpu - std::min(thread.cpu, thread.user),
                                static_cast<std::uint64_t>(thread.start), p.priority,
                                thread.startAddress, 5, (k + i) % 7 == 0 ? 6u : 13u});
      }
      o.instances->push_back(std::move(instance));
    }
  }
  return o;
}

ObjectSpec MachineModel::SamplesObject() const {
  // Each value is `fixed` plus `step` for every second since the first snapshot.
  struct Sample {
    std::uint32_t type;
    std::uint64_t fixed;
    std::uint64_t step;
  };
  const Sample kSamples[] = {
      {kPerfCounterRawcount, 100, 1},
      {kPerfCounterLargeRawcount, 5000000000ull, 1000},
      {kPerfCounterRawcountHex, 0xBEEF, 0},
      {kPerfCounterLargeRawcountHex, 0x7FF600000000ull, 0},
      {kPerfCounterCounter, 0, 25},
      {kPerfCounterBulkCount, 0, 12288},
      {kPerfSampleCounter, 0, 10},
      {kPerfCounterDelta, 0, 3},
      {kPerfCounterLargeDelta, 0, 3000000000ull},
      {kPerfCounterTimer, 0, 2500000},
      {kPerfCounterTimerInv, 0, 2500000},
      {kPerf100nsecTimer, 0, 4000000},
      {kPerfObjTimeTimer, 0, 5000000},
      {kPerf100nsecTimerInv, 0, 1000000},
      {kPerfCounterMultiTimer, 0, 3000000},
      {kPerfCounterMultiBase, 2, 0},
      {kPerf100nsecMultiTimer, 0, 3000000},
      {kPerfCounterMultiBase, 2, 0},
      {kPerfCounterMultiTimerInv, 0, 3000000},
      {kPerfCounterMultiBase, 2, 0},
      {kPerf100nsecMultiTimerInv, 0, 3000000},
      {kPerfCounterMultiBase, 2, 0},
      {kPerfSampleFraction, 0, 3},
      {kPerfSampleBase, 0, 4},
      {kPerfRawFraction, 37, 0},
      {kPerfRawBase, 100, 0},
      {kPerfLargeRawFraction, 5000000000ull, 0},
      {kPerfLargeRawBase, 10000000000ull, 0},
      {kPerfAverageTimer, 0, 700},
      {kPerfAverageBase, 0, 2},
      {kPerfAverageBulk, 0, 65536},
      {kPerfAverageBase, 0, 16},
      {kPerfElapsedTime, static_cast<std::uint64_t>(bootTime_), 0},
      {kPerfCounterQueuelenType, 0, 2},
      {kPerfCounterLargeQueuelenType, 0, 3},
      {kPerfCounter100nsQueuelenType, 0, 5000000},
      {kPerfCounterObjTimeQueuelenType, 0, 4000000},
      {kPerfPrecisionSystemTimer, 0, 7000000},
      {kPerfPrecisionTimestamp, 1000000000, 10000000},
      {kPerfPrecision100nsTimer, 0, 8000000},
      {kPerfPrecisionTimestamp, 1000000000, 10000000},
      {kPerfPrecisionObjectTimer, 0, 9000000},
      {kPerfPrecisionTimestamp, 1000000000, 10000000},
      {kPerfCounterText, 0, 0},
      {kPerfCounterNodata, 0, 0},
      {kPerfCounterRawcount, 0, 0},  // "Gauge", set below
  };
  ObjectSpec o;
  o.nameIndex = t::kCounterTypeSamples;
  o.helpIndex = t::kCounterTypeSamples + 1;
  o.perfTime = FileTimeOf(options_.start) + tick_ * kSecond;
  o.perfFreq = kSecond;
  std::vector<std::uint64_t> values;
  for (std::size_t i = 0; i < std::size(kSamples); ++i) {
    o.counters.push_back(C(static_cast<std::uint32_t>(7002 + 2 * i), kSamples[i].type));
    values.push_back(kSamples[i].fixed + kSamples[i].step * static_cast<std::uint64_t>(tick_));
  }
  values.back() = gauge_;
  o.instances.emplace();
  o.instances->push_back({"alpha", values});
  values.back() = gauge_ + 1;
  o.instances->push_back({"beta", values});
  return o;
}

void MachineModel::UpdateFillerObjects() {
  for (std::size_t f = 0; f < fillers_.size(); ++f) {
    ObjectSpec& layout = fillers_[f].layout;
    for (std::size_t i = 0; i < layout.instances->size(); ++i) {
      std::vector<std::uint64_t>& values = (*layout.instances)[i].values;
      values.resize(layout.counters.size());
      for (std::size_t c = 0; c < values.size(); ++c) {
        values[c] = (f + 1) * (i + 1) * (c + 1) * static_cast<std::uint64_t>(tick_ + 1);
      }
    }
  }
}

BlockSpec MachineModel::Assemble() const {
  BlockSpec block;
  const DateTime now = options_.start + tick_ * kOneSecond;
  block.systemTime = DateTimeToSystemTime(now);
  block.perfTime100nSec = FileTimeOf(now);
  block.perfTime = PerfTimeAt(block.perfTime100nSec);
  block.perfFreq = options_.perfFreq;
  block.objects = {SystemObject(),  MemoryObject(),  ProcessorObject(), DiskObject(),
                   NetworkObject(), ProcessObject(), ThreadObject()};
  if (!Compact()) block.objects.insert(block.objects.begin() + 4, LogicalDiskObject());
  if (!Compact()) block.objects.push_back(SamplesObject());
  for (const FillerObject& filler : fillers_) block.objects.push_back(filler.layout);
  return block;
}

BlockSpec MachineModel::NextSnapshot() {
  Advance();
  UpdateFillerObjects();
  return Assemble();
}

}  // namespace haltwise::perftest
