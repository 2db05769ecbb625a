#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "perf/perf_context.h"
#include "perf/testing/perf_block_writer.h"
#include "perf/testing/perf_query_answer.h"
#include "perf/testing/replay_writer.h"
#include "perf/testing/standard_titles.h"
#include "platform/fake/fake_clock.h"
#include "platform/fake/fake_registry.h"

namespace haltwise::perftest {

// The English title tables, a performance key whose "Global" data is
// `block` and that answers other queries as Windows does (just the objects
// asked for), and a clock; each test makes its own context with Context().
class PerfTestBed : public ::testing::Test {
 protected:
  static constexpr const char* kPerflib =
      "HKLM\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Perflib";

  PerfTestBed() {
    registry.SetPerformanceProvider([this](const std::string& valueName) {
      try {
        return AnswerPerfQuery(block, valueName);
      } catch (const std::exception&) {
        return block;  // a block that lies is returned as it is, whatever was asked
      }
    });
    const TitleTables tables = MakeTitleTables(0);
    SetTitles("009", tables.counter, tables.help);
  }

  void SetTitles(const std::string& locale, const TitlePairs& counter, const TitlePairs& help) {
    const std::string key = std::string(kPerflib) + "\\" + locale;
    registry.SetMultiStringValue(key, "Counter", ToMultiStrings(counter));
    registry.SetMultiStringValue(key, "Help", ToMultiStrings(help));
  }

  PerfContext& Context(std::optional<std::filesystem::path> replay = std::nullopt) {
    context_ = std::make_unique<PerfContext>(registry, clock, std::move(replay));
    return *context_;
  }

  // Moves every clock on by a second, so that the next refresh reads.
  void NextSecond() { clock.Advance(1000); }

  fake::FakeRegistry registry;
  fake::FakeClock clock;
  std::vector<std::uint8_t> block;

 private:
  std::unique_ptr<PerfContext> context_;
};

// A counter of `type` at title index `index` (help index + 1).
inline CounterSpec Counter(std::uint32_t index, std::uint32_t type) {
  return {index, index + 1, type, {}};
}

inline ObjectSpec ObjectWithInstances(std::uint32_t index, std::vector<CounterSpec> counters,
                                      std::vector<InstanceSpec> instances) {
  ObjectSpec object;
  object.nameIndex = index;
  object.helpIndex = index + 1;
  object.counters = std::move(counters);
  object.instances = std::move(instances);
  return object;
}

inline ObjectSpec ObjectWithoutInstances(std::uint32_t index, std::vector<CounterSpec> counters,
                                         std::vector<std::uint64_t> values) {
  ObjectSpec object;
  object.nameIndex = index;
  object.helpIndex = index + 1;
  object.counters = std::move(counters);
  object.values = std::move(values);
  return object;
}

// A block whose header says `second` seconds past noon, 1 June 2026.
inline std::vector<std::uint8_t> Block(std::vector<ObjectSpec> objects, int second = 0) {
  BlockSpec blockSpec;
  blockSpec.systemTime = {2026,
                          6,
                          1,
                          1,
                          12,
                          static_cast<std::uint16_t>(second / 60),
                          static_cast<std::uint16_t>(second % 60),
                          0};
  // The clocks of a machine started an hour before noon.
  blockSpec.perfFreq = 3579545;
  blockSpec.perfTime = (3600 + second) * blockSpec.perfFreq;
  SystemTimeToFileTime(blockSpec.systemTime, &blockSpec.perfTime100nSec);
  blockSpec.objects = std::move(objects);
  return WritePerfBlock(blockSpec);
}

// A temporary replay file, removed when the test ends.
class TempReplayFile {
 public:
  // Named after the running test, so that tests running side by side differ.
  TempReplayFile() {
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    path_ = std::filesystem::temp_directory_path() /
            (std::string("haltwise_") + test->test_suite_name() + "_" + test->name() + ".dat");
  }
  ~TempReplayFile() {
    std::error_code ignored;
    std::filesystem::remove(path_, ignored);
  }
  const std::filesystem::path& Path() const { return path_; }

 private:
  std::filesystem::path path_;
};

}  // namespace haltwise::perftest
