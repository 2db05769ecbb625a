// Writes a replay file ("dump.dat") of generated performance data: the two
// title tables, then one snapshot per second of a simulated machine.
//
//   make_replay [--scenario steady|quiet|demo|big] [--records N]
//               [--quiet-after N] [--seed N] [--names english|local]
//               [--wifi-gone FROM:TO] [--output FILE]
//
// "--names local" names the network adapters and one process in Cyrillic
// and CJK letters. "--wifi-gone 12:72" leaves the Wi-Fi adapter out of the
// snapshots from the 12th (counted from 0) up to but not including the 72nd,
// as when it is switched off and on again.
//
// "quiet" keeps the machine busy for --quiet-after snapshots (10 by default),
// then lets the disk and network rates fall to about 0 and the processor
// total and the "Gauge" sample counter settle between 5 and 10, so that the
// Disk Usage, Network Usage and Custom watches fall due when replayed.
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <optional>
#include <stdexcept>
#include <string>

#include "perf/testing/machine_model.h"
#include "perf/testing/perf_block_writer.h"
#include "perf/testing/replay_writer.h"

namespace {

using namespace haltwise::perftest;

struct Arguments {
  MachineOptions machine;
  std::optional<int> records;
  std::string output = "dump.dat";
};

int DefaultRecords(Scenario scenario) {
  switch (scenario) {
    case Scenario::Demo:
      return 60;
    case Scenario::Big:
      return 3;
    default:
      return 30;
  }
}

int ToCount(const std::string& text, const std::string& option) {
  std::size_t used = 0;
  int value = -1;
  try {
    value = std::stoi(text, &used);
  } catch (const std::exception&) {
  }
  if (used != text.size() || value < 0) {
    throw std::invalid_argument(option + " wants a whole number, not \"" + text + "\"");
  }
  return value;
}

Arguments Parse(int argc, char** argv) {
  Arguments args;
  for (int i = 1; i < argc; ++i) {
    const std::string option = argv[i];
    if (i + 1 >= argc) throw std::invalid_argument("missing value after " + option);
    const std::string value = argv[++i];
    if (option == "--scenario") {
      args.machine.scenario = ParseScenario(value);
    } else if (option == "--records") {
      args.records = ToCount(value, option);
    } else if (option == "--quiet-after") {
      args.machine.quietAfter = ToCount(value, option);
    } else if (option == "--seed") {
      args.machine.seed = static_cast<std::uint32_t>(ToCount(value, option));
    } else if (option == "--names") {
      if (value != "english" && value != "local") {
        throw std::invalid_argument("--names wants english or local, not \"" + value + "\"");
      }
      args.machine.localNames = value == "local";
    } else if (option == "--wifi-gone") {
      const std::size_t colon = value.find(':');
      if (colon == std::string::npos) {
        throw std::invalid_argument("--wifi-gone wants FROM:TO, not \"" + value + "\"");
      }
      args.machine.wifiGoneFrom = ToCount(value.substr(0, colon), option);
      args.machine.wifiBackAt = ToCount(value.substr(colon + 1), option);
    } else if (option == "--output") {
      args.output = value;
    } else {
      throw std::invalid_argument("unknown option " + option);
    }
  }
  return args;
}

}  // namespace

int main(int argc, char** argv) {
  Arguments args;
  try {
    args = Parse(argc, argv);
  } catch (const std::exception& e) {
    std::cerr << "make_replay: " << e.what() << "\n"
              << "usage: make_replay [--scenario steady|quiet|demo|big] [--records N]"
                 " [--quiet-after N] [--seed N] [--names english|local]"
                 " [--wifi-gone FROM:TO] [--output FILE]\n";
    return 2;
  }
  const int records = args.records.value_or(DefaultRecords(args.machine.scenario));
  MachineModel machine(args.machine);
  std::ofstream out(args.output, std::ios::binary | std::ios::trunc);
  if (!out) {
    std::cerr << "make_replay: cannot write " << args.output << "\n";
    return 1;
  }
  ReplayWriter writer(out, machine.Titles().counter, machine.Titles().help);
  std::size_t largest = 0;
  for (int i = 0; i < records; ++i) {
    const auto block = WritePerfBlock(machine.NextSnapshot());
    largest = std::max(largest, block.size());
    writer.AppendRecord(block);
  }
  out.close();
  if (!out) {
    std::cerr << "make_replay: writing " << args.output << " failed\n";
    return 1;
  }
  std::cout << args.output << ": " << records << " snapshots of up to " << largest << " bytes, "
            << machine.Titles().counter.size() << " titles, " << machine.ProcessCount()
            << " processes, " << machine.ThreadCount() << " threads\n";
  return 0;
}
