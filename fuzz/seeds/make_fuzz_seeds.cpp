// Writes the binary seeds of the fuzz corpora: bitmaps of every format the
// reader takes, Processor object blocks and 9x statistics for the CPU meter,
// title tables as registry values and as a replay file, and performance data
// of the realistic generated machine as the program's per-second queries
// get it. The text seeds
// (ini files, command lines, LCD markup and scripts) are kept by hand.
//
//   make_fuzz_seeds <corpus folder>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "gfx/bmp.h"
#include "perf/perf_layout.h"
#include "perf/testing/machine_model.h"
#include "perf/testing/perf_block_writer.h"
#include "perf/testing/perf_query_answer.h"
#include "perf/testing/replay_writer.h"
#include "perf/testing/standard_titles.h"

namespace {

using namespace haltwise;
namespace fs = std::filesystem;

const std::string kSeparator = "HALTWISE";
// The flag bytes that start the CPU and title inputs.
const std::string kFlagOff(1, '\0');
const std::string kFlagOn(1, '\1');

void Save(const fs::path& path, const std::string& bytes) {
  fs::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << bytes;
}

std::string Text(const std::vector<std::uint8_t>& bytes) { return {bytes.begin(), bytes.end()}; }

void Bitmaps(const fs::path& folder) {
  Bitmap32 picture(5, 3, clWhite);
  picture.SetPixel(0, 0, clBlack);
  picture.SetPixel(4, 2, clBlack);
  Bitmap32 colours = picture;
  colours.SetPixel(2, 1, clRed);
  colours.SetPixel(3, 1, RgbColor(10, 200, 30));
  Save(folder / "bilevel_1bpp.bmp", Text(WriteBmp(picture, {1, false})));
  Save(folder / "palette_4bpp.bmp", Text(WriteBmp(colours, {4, false})));
  Save(folder / "palette_8bpp_topdown.bmp", Text(WriteBmp(colours, {8, true})));
  Save(folder / "truecolor_24bpp.bmp", Text(WriteBmp(colours, {24, false})));
  Save(folder / "truecolor_32bpp.bmp", Text(WriteBmp(colours, {32, false})));
}

// The Processor object alone, as the meter asks for it: two processors and
// the total, each with its idle time.
std::string ProcessorBlock(int second, std::uint64_t idle0, std::uint64_t idle1) {
  perftest::BlockSpec block;
  block.systemTime.second = static_cast<std::uint16_t>(second);
  perftest::ObjectSpec processor;
  processor.nameIndex = perftest::titles::kProcessor;
  processor.counters = {{perftest::titles::kProcessorTime, 0, perf::kPerf100nsecTimerInv, {}},
                        {142, 0, perf::kPerf100nsecTimer, {}}};
  processor.instances = std::vector<perftest::InstanceSpec>{
      {"0", {idle0, 5}}, {"1", {idle1, 7}}, {"_Total", {(idle0 + idle1) / 2, 6}}};
  block.objects = {processor};
  return Text(perftest::WritePerfBlock(block));
}

std::string Dword(std::uint32_t value) {
  return std::string(reinterpret_cast<const char*>(&value), sizeof value);
}

void CpuSamples(const fs::path& folder) {
  Save(folder / "nt_two_samples",
       kFlagOff + ProcessorBlock(1, 1000, 2000) + kSeparator + ProcessorBlock(2, 9000000, 5000000));
  Save(folder / "win9x_statistic",
       kFlagOn + Dword(37) + kSeparator + Dword(80) + kSeparator + Dword(3));
}

std::string MultiString(const TitlePairs& table) {
  std::string bytes;
  for (const std::string& s : perftest::ToMultiStrings(table)) bytes += s + '\0';
  return bytes + '\0';
}

void TitleTables(const fs::path& folder) {
  const perftest::TitleTables tables = perftest::MakeTitleTables(0);
  Save(folder / "registry_english", kFlagOff + "009" + kSeparator + MultiString(tables.counter) +
                                        kSeparator + MultiString(tables.help));
  const TitlePairs repeated = {{"2", "System"}, {"4", "Memory"}, {"6", "System"},
                               {"6", "Again"},  {"0x10", "Hex"}, {"8", ""}};
  Save(folder / "registry_repeats_two_languages",
       kFlagOff + "009" + kSeparator + MultiString(repeated) + kSeparator + MultiString(repeated) +
           kSeparator + "007" + kSeparator + MultiString(tables.counter) + kSeparator);
  std::ostringstream replay;
  perftest::ReplayWriter(replay, tables.counter, tables.help);
  Save(folder / "replay_tables", kFlagOn + replay.str());
}

// What the program's queries of a realistic machine return: the watched
// objects with the Custom counter on a process, the same machine a few
// seconds on with its Wi-Fi adapter gone and a USB disk listed after
// "_Total", and the small demo machine with the Custom counter on a thread
// (the realistic machine's 1,200 threads would slow every run).
void PerfBlocks(const fs::path& folder) {
  perftest::MachineOptions options;
  options.wifiGoneFrom = 2;
  options.usbDiskFrom = 2;
  perftest::MachineModel machine(options);
  const std::vector<std::uint8_t> first = perftest::WritePerfBlock(machine.NextSnapshot());
  machine.NextSnapshot();
  const std::vector<std::uint8_t> third = perftest::WritePerfBlock(machine.NextSnapshot());
  Save(folder / "steady_watched_process.dat",
       Text(perftest::AnswerPerfQuery(first, "230 234 510 238")));
  Save(folder / "steady_wifi_gone_usb_disk.dat",
       Text(perftest::AnswerPerfQuery(third, "234 510 238 2 4")));
  perftest::MachineOptions demo;
  demo.scenario = perftest::Scenario::Demo;
  const std::vector<std::uint8_t> small =
      perftest::WritePerfBlock(perftest::MachineModel(demo).NextSnapshot());
  Save(folder / "demo_watched_thread.dat",
       Text(perftest::AnswerPerfQuery(small, "232 234 510 238")));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: make_fuzz_seeds <corpus folder>\n";
    return 2;
  }
  const fs::path corpus = argv[1];
  Bitmaps(corpus / "bmp");
  CpuSamples(corpus / "cpu_meter");
  TitleTables(corpus / "title_tables");
  PerfBlocks(corpus / "perf");
  return 0;
}
