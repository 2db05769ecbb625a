#include "perf/testing/standard_titles.h"

#include <algorithm>
#include <cctype>
#include <set>
#include <stdexcept>
#include <utility>
#include <vector>

namespace haltwise::perftest {
namespace {

struct Title {
  std::uint32_t index;
  const char* name;
  const char* help;
};

// Standard English titles (indexes as Windows installs them), then the
// titles of the counter-type sample object.
const std::vector<Title>& Standard() {
  static const std::vector<Title> titles = [] {
    const std::vector<Title> titles = {
        {2, "System",
         "The System performance object consists of counters that apply to more than one instance "
         "of a component processors on the computer."},
        {4, "Memory",
         "The Memory performance object consists of counters that describe the behavior of "
         "physical and virtual memory on the computer."},
        {6, "% Processor Time",
         "% Processor Time is the percentage of elapsed time that the processor spends to execute "
         "a non-Idle thread."},
        {10, "File Read Operations/sec",
         "File Read Operations/sec is the combined rate of file system read requests to all "
         "devices on the computer."},
        {24, "Available Bytes",
         "Available Bytes is the amount of physical memory, in bytes, immediately available for "
         "allocation to a process or for system use."},
        {26, "Committed Bytes",
         "Committed Bytes is the amount of committed virtual memory, in bytes."},
        {28, "Page Faults/sec",
         "Page Faults/sec is the average number of pages faulted per second."},
        {30, "Commit Limit",
         "Commit Limit is the amount of virtual memory that can be committed without having to "
         "extend the paging file(s)."},
        {40, "Pages/sec",
         "Pages/sec is the rate at which pages are read from or written to disk to resolve hard "
         "page faults."},
        {44, "Processor Queue Length",
         "Processor Queue Length is the number of threads in the processor queue."},
        {46, "Thread State", "Thread State is the current state of the thread."},
        {142, "% User Time",
         "% User Time is the percentage of elapsed time the processor spends in the user mode."},
        {144, "% Privileged Time",
         "% Privileged Time is the percentage of elapsed time that the process threads spent "
         "executing code in privileged mode."},
        {146, "Context Switches/sec",
         "Context Switches/sec is the combined rate at which all processors on the computer are "
         "switched from one thread to another."},
        {148, "Interrupts/sec",
         "Interrupts/sec is the average rate, in incidents per second, at which the processor "
         "received and serviced hardware interrupts."},
        {150, "System Calls/sec",
         "System Calls/sec is the combined rate of calls to operating system service routines by "
         "all processes running on the computer."},
        {172, "Virtual Bytes Peak",
         "Virtual Bytes Peak is the maximum size, in bytes, of virtual address space the process "
         "has used at any one time."},
        {174, "Virtual Bytes",
         "Virtual Bytes is the current size, in bytes, of the virtual address space the process is "
         "using."},
        {180, "Working Set",
         "Working Set is the current size, in bytes, of the Working Set of this process."},
        {186, "Private Bytes",
         "Private Bytes is the current size, in bytes, of memory that this process has allocated "
         "that cannot be shared with other processes."},
        {198, "Current Disk Queue Length",
         "Current Disk Queue Length is the number of requests outstanding on the disk at the time "
         "the performance data is collected."},
        {200, "% Disk Time",
         "% Disk Time is the percentage of elapsed time that the selected disk drive was busy "
         "servicing read or write requests."},
        {206, "Avg. Disk sec/Transfer",
         "Avg. Disk sec/Transfer is the time, in seconds, of the average disk transfer."},
        {212, "Disk Transfers/sec",
         "Disk Transfers/sec is the rate of read and write operations on the disk."},
        {218, "Disk Bytes/sec",
         "Disk Bytes/sec is the rate bytes are transferred to or from the disk during write or "
         "read operations."},
        {220, "Disk Read Bytes/sec",
         "Disk Read Bytes/sec is the rate at which bytes are transferred from the disk during read "
         "operations."},
        {222, "Disk Write Bytes/sec",
         "Disk Write Bytes/sec is rate at which bytes are transferred to the disk during write "
         "operations."},
        {224, "Avg. Disk Bytes/Transfer",
         "Avg. Disk Bytes/Transfer is the average number of bytes transferred to or from the disk "
         "during write or read operations."},
        {230, "Process",
         "The Process performance object consists of counters that monitor running application "
         "program and system processes."},
        {232, "Thread",
         "The Thread performance object consists of counters that measure aspects of thread "
         "behavior."},
        {234, "PhysicalDisk",
         "The Physical Disk performance object consists of counters that monitor hard or fixed "
         "disk drive on a computer."},
        {236, "LogicalDisk",
         "The Logical Disk performance object consists of counters that monitor logical partitions "
         "of a hard or fixed disk drives."},
        {238, "Processor",
         "The Processor performance object consists of counters that measure aspects of processor "
         "activity."},
        {248, "Processes",
         "Processes is the number of processes in the computer at the time of data collection."},
        {250, "Threads",
         "Threads is the number of threads in the computer at the time of data collection."},
        {264, "Bytes Received/sec",
         "Bytes Received/sec is the rate at which bytes are received over each network adapter, "
         "including framing characters."},
        {266, "Packets Received/sec",
         "Packets Received/sec is the rate at which packets are received on the network "
         "interface."},
        {336, "Thread Wait Reason",
         "Thread Wait Reason is only applicable when the thread is in the Wait state."},
        {388, "Bytes Total/sec",
         "Bytes Total/sec is the rate at which bytes are sent and received over each network "
         "adapter, including framing characters."},
        {400, "Packets/sec",
         "Packets/sec is the rate at which packets are sent and received on the network "
         "interface."},
        {408, "% Free Space",
         "% Free Space is the percentage of total usable space on the selected logical disk drive "
         "that was free."},
        {410, "Free Megabytes",
         "Free Megabytes displays the unallocated space, in megabytes, on the disk drive in "
         "megabytes."},
        {452, "Packets Sent/sec",
         "Packets Sent/sec is the rate at which packets are sent on the network interface."},
        {506, "Bytes Sent/sec",
         "Bytes Sent/sec is the rate at which bytes are sent over each network adapter, including "
         "framing characters."},
        {510, "Network Interface",
         "The Network Interface performance object consists of counters that measure the rates at "
         "which bytes and packets are sent and received over a network connection."},
        {520, "Current Bandwidth",
         "Current Bandwidth is an estimate of the current bandwidth of the network interface in "
         "bits per second (BPS)."},
        {674, "System Up Time",
         "System Up Time is the elapsed time (in seconds) that the computer has been running since "
         "it was last started."},
        {680, "Thread Count", "The number of threads currently active in this process."},
        {682, "Priority Base", "The current base priority of this process."},
        {684, "Elapsed Time",
         "The total elapsed time, in seconds, that this process has been running."},
        {694, "Priority Current", "Current dynamic priority of this thread."},
        {706, "Start Address", "Starting virtual address of this thread."},
        {784, "ID Process", "ID Process is the unique identifier of this process."},
        {804, "ID Thread", "ID Thread is the unique identifier of this thread."},
        {952, "Handle Count", "The total number of handles currently open by this process."},
        {1382, "Available MBytes",
         "Available MBytes is the amount of physical memory, in Megabytes, immediately available "
         "for allocation."},
        {1400, "Avg. Disk Queue Length",
         "Avg. Disk Queue Length is the average number of both read and write requests that were "
         "queued for the selected disk."},
        {1406, "% Committed Bytes In Use",
         "% Committed Bytes In Use is the ratio of Memory\\Committed Bytes to the Memory\\Commit "
         "Limit."},
        {1410, "Creating Process ID",
         "The Creating Process ID value is the Process ID of the process that created the "
         "process."},
        {1420, "IO Data Bytes/sec",
         "The rate at which the process is reading and writing bytes in I/O operations."},
        {1482, "% Idle Time",
         "% Idle Time reports the percentage of time during the sample interval that the disk was "
         "idle."},
        {7000, "Counter Type Samples", "One counter of every common counter type, for testing."},
    };
    // The sample object's counters, one title each, at 7002, 7004, ...
    const char* const samples[][2] = {
        {"Raw Count", "A PERF_COUNTER_RAWCOUNT."},
        {"Large Raw Count", "A PERF_COUNTER_LARGE_RAWCOUNT."},
        {"Raw Count Hex", "A PERF_COUNTER_RAWCOUNT_HEX."},
        {"Large Raw Count Hex", "A PERF_COUNTER_LARGE_RAWCOUNT_HEX."},
        {"Counter/sec", "A PERF_COUNTER_COUNTER."},
        {"Bulk Count/sec", "A PERF_COUNTER_BULK_COUNT."},
        {"Sample Counter", "A PERF_SAMPLE_COUNTER."},
        {"Delta", "A PERF_COUNTER_DELTA."},
        {"Large Delta", "A PERF_COUNTER_LARGE_DELTA."},
        {"Timer %", "A PERF_COUNTER_TIMER."},
        {"Timer Inverse %", "A PERF_COUNTER_TIMER_INV."},
        {"100ns Timer %", "A PERF_100NSEC_TIMER."},
        {"Object Time Timer %", "A PERF_OBJ_TIME_TIMER."},
        {"100ns Timer Inverse %", "A PERF_100NSEC_TIMER_INV."},
        {"Multi Timer %", "A PERF_COUNTER_MULTI_TIMER."},
        {"Multi Timer Base", "A PERF_COUNTER_MULTI_BASE."},
        {"100ns Multi Timer %", "A PERF_100NSEC_MULTI_TIMER."},
        {"100ns Multi Timer Base", "A PERF_COUNTER_MULTI_BASE."},
        {"Multi Timer Inverse %", "A PERF_COUNTER_MULTI_TIMER_INV."},
        {"Multi Timer Inverse Base", "A PERF_COUNTER_MULTI_BASE."},
        {"100ns Multi Timer Inverse %", "A PERF_100NSEC_MULTI_TIMER_INV."},
        {"100ns Multi Timer Inverse Base", "A PERF_COUNTER_MULTI_BASE."},
        {"Sample Fraction %", "A PERF_SAMPLE_FRACTION."},
        {"Sample Base", "A PERF_SAMPLE_BASE."},
        {"Raw Fraction %", "A PERF_RAW_FRACTION."},
        {"Raw Base", "A PERF_RAW_BASE."},
        {"Large Raw Fraction %", "A PERF_LARGE_RAW_FRACTION."},
        {"Large Raw Base", "A PERF_LARGE_RAW_BASE."},
        {"Average Timer", "A PERF_AVERAGE_TIMER."},
        {"Average Timer Base", "A PERF_AVERAGE_BASE."},
        {"Average Bulk", "A PERF_AVERAGE_BULK."},
        {"Average Bulk Base", "A PERF_AVERAGE_BASE."},
        {"Elapsed", "A PERF_ELAPSED_TIME."},
        {"Queue Length", "A PERF_COUNTER_QUEUELEN_TYPE."},
        {"Large Queue Length", "A PERF_COUNTER_LARGE_QUEUELEN_TYPE."},
        {"100ns Queue Length", "A PERF_COUNTER_100NS_QUEUELEN_TYPE."},
        {"Object Time Queue Length", "A PERF_COUNTER_OBJ_TIME_QUEUELEN_TYPE."},
        {"Precision System Timer", "A PERF_PRECISION_SYSTEM_TIMER."},
        {"Precision System Timestamp", "A PERF_PRECISION_TIMESTAMP."},
        {"Precision 100ns Timer", "A PERF_PRECISION_100NS_TIMER."},
        {"Precision 100ns Timestamp", "A PERF_PRECISION_TIMESTAMP."},
        {"Precision Object Timer", "A PERF_PRECISION_OBJECT_TIMER."},
        {"Precision Object Timestamp", "A PERF_PRECISION_TIMESTAMP."},
        {"Text", "A PERF_COUNTER_TEXT."},
        {"No Data", "A PERF_COUNTER_NODATA."},
        {"Gauge", "A raw count that settles between 5 and 10 once the load falls quiet."},
    };
    std::vector<Title> all = titles;
    for (std::size_t i = 0; i < std::size(samples); ++i) {
      all.push_back({static_cast<std::uint32_t>(7002 + 2 * i), samples[i][0], samples[i][1]});
    }
    return all;
  }();
  return titles;
}

const char* const kPrefixes[] = {
    "IPv4",        "IPv6",         "TCPv4",          "TCPv6",          "UDPv4",
    "SMB Client",  "SMB Server",   "RDMA",           "Hyper-V",        "WFP",
    "DNS",         "HTTP Service", "Print Queue",    "Search Indexer", "Cache",
    "Paging File", "Job Object",   "Storage Spaces", "NUMA Node",      "GPU Engine",
    "USB",         "Bluetooth",    "Event Tracing",  "Power Meter",    "Terminal Services"};
const char* const kNouns[] = {
    "Request", "Packet",  "Buffer",      "Handle", "Socket",     "Page",     "Block",  "Frame",
    "Segment", "Message", "Transaction", "Lock",   "Connection", "Record",   "Worker", "Session",
    "Queue",   "Pool",    "Thread",      "Object", "Datagram",   "Fragment", "Flush",  "Read"};
const char* const kMetrics[] = {"Bytes/sec",   "Operations/sec", "Count",     "Faults/sec",
                                "Hits %",      "Misses/sec",     "Latency",   "Peak",
                                "Errors/sec",  "Total",          "Pending",   "Current",
                                "Retries/sec", "Bytes",          "Avg. Size", "Failures"};

template <typename T, std::size_t N>
constexpr std::size_t CountOf(T (&)[N]) {
  return N;
}

std::string FillerTitle(int k) {
  const std::size_t p = CountOf(kPrefixes), n = CountOf(kNouns), m = CountOf(kMetrics);
  const auto u = static_cast<std::size_t>(k);
  std::string title =
      std::string(kPrefixes[u % p]) + " " + kNouns[(u / p) % n] + " " + kMetrics[(u / (p * n)) % m];
  // Some tables repeat a title in another letter case.
  if (k % 997 == 5) {
    for (char& c : title) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  }
  return title;
}

}  // namespace

TitleTables MakeTitleTables(int fillerEntries) {
  TitleTables tables;
  std::set<std::uint32_t> taken;
  for (const Title& t : Standard()) taken.insert(t.index);
  // Indexes of base counters and other untitled definitions stay untitled.
  for (std::uint32_t untitled : {207u, 225u, 1408u, titles::kUntitledDiskTimestamp,
                                 titles::kUntitledIdleTimestamp, titles::kUntitledFreeSpaceBase}) {
    taken.insert(untitled);
  }

  std::vector<std::pair<std::uint32_t, std::pair<std::string, std::string>>> entries;
  for (const Title& t : Standard()) entries.push_back({t.index, {t.name, t.help}});
  std::uint32_t index = 2;
  for (int k = 0; k < fillerEntries; ++k) {
    while (taken.count(index)) index += 2;
    const std::string title = FillerTitle(k);
    entries.push_back({index, {title, "Shows the " + title + " of the component."}});
    taken.insert(index);
  }
  // Two well-known titles that real tables also carry under later indexes.
  if (fillerEntries > 0) {
    entries.push_back({index + 2, {"Bytes Total/sec", "Bytes Total/sec of the server."}});
    entries.push_back({index + 4, {"% processor time", "% Processor Time of the job."}});
  }
  std::sort(entries.begin(), entries.end(),
            [](const auto& a, const auto& b) { return a.first < b.first; });
  for (const auto& [i, texts] : entries) {
    tables.counter.emplace_back(std::to_string(i), texts.first);
    tables.help.emplace_back(std::to_string(i + 1), texts.second);
  }
  return tables;
}

TitleTables LocalizedTitleTables(const TitleTables& english, const std::string& language) {
  struct Translation {
    std::uint32_t index;
    const char* german;
    const char* chinese;
  };
  static const Translation kTranslations[] = {
      {2, "System", "\u7cfb\u7edf"},
      {4, "Speicher", "\u5185\u5b58"},
      {6, "Prozessorzeit (%)", "% \u5904\u7406\u5668\u65f6\u95f4"},
      {24, "Verf\u00fcgbare Bytes", "\u53ef\u7528\u5b57\u8282"},
      {174, "Virtuelle Bytes", "\u865a\u62df\u5b57\u8282"},
      {200, "Zeit (%)", "% \u78c1\u76d8\u65f6\u95f4"},
      {206, "Mittlere Sek./\u00dcbertragung", "\u5e73\u5747\u78c1\u76d8\u79d2/\u4f20\u8f93"},
      {218, "Bytes/s", "\u78c1\u76d8\u5b57\u8282/\u79d2"},
      {230, "Prozess", "\u8fdb\u7a0b"},
      {232, "Thread", "\u7ebf\u7a0b"},
      {234, "Physikalischer Datentr\u00e4ger", "\u7269\u7406\u78c1\u76d8"},
      {236, "Logischer Datentr\u00e4ger", "\u903b\u8f91\u78c1\u76d8"},
      {238, "Prozessor", "\u5904\u7406\u5668"},
      {264, "Empfangene Bytes/s", "\u5df2\u63a5\u6536\u5b57\u8282/\u79d2"},
      {388, "Bytes gesamt/s", "\u5b57\u8282\u603b\u6570/\u79d2"},
      {506, "Gesendete Bytes/s", "\u5df2\u53d1\u9001\u5b57\u8282/\u79d2"},
      {510, "Netzwerkschnittstelle", "\u7f51\u7edc\u63a5\u53e3"},
      {784, "Prozesskennung", "ID \u8fdb\u7a0b"},
      {804, "Threadkennung", "ID \u7ebf\u7a0b"},
      {1400, "Mittlere Warteschlangenl\u00e4nge",
       "\u5e73\u5747\u78c1\u76d8\u961f\u5217\u957f\u5ea6"},
      {1482, "Leerlaufzeit (%)", "% \u7a7a\u95f2\u65f6\u95f4"},
  };
  if (language != "007" && language != "004") {
    throw std::invalid_argument("no titles for language " + language);
  }
  TitleTables tables = english;
  for (auto& [indexText, title] : tables.counter) {
    for (const Translation& t : kTranslations) {
      if (std::to_string(t.index) == indexText) title = language == "007" ? t.german : t.chinese;
    }
  }
  return tables;
}

std::string StandardTitle(std::uint32_t index) {
  for (const Title& t : Standard()) {
    if (t.index == index) return t.name;
  }
  return "";
}

}  // namespace haltwise::perftest
