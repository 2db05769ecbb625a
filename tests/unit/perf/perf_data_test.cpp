#include "perf/perf_data.h"

#include <gtest/gtest.h>

#include <fstream>

#include "perf/perf_context.h"
#include "perf_test_bed.h"
#include "platform/error.h"

namespace haltwise::perftest {
namespace {

using PerfDataTest = PerfTestBed;

std::vector<std::uint8_t> SecondBlock(int second) {
  return Block({ObjectWithoutInstances(2, {Counter(10, perf::kPerfCounterCounter)},
                                       {static_cast<std::uint64_t>(second)})},
               second);
}

int SecondOf(const TPerfData& data) { return data.Block().BlockSystemTime()->second; }

TEST_F(PerfDataTest, ReadsAtMostOnceASecondForTheWholeContext) {
  block = SecondBlock(1);
  PerfContext& context = Context();
  TPerfData& shared = context.AcquirePerfData();
  TPerfData other(context);  // a second snapshot object of the same context
  EXPECT_EQ(SecondOf(shared), 1);
  const auto header = shared.PreviousHeader();

  block = SecondBlock(2);
  clock.Advance(999);
  shared.Refresh();
  other.Refresh();
  EXPECT_EQ(SecondOf(shared), 1) << "less than a second since the last read";
  EXPECT_EQ(shared.PreviousHeader(), header);

  clock.Advance(1);
  other.Refresh();
  shared.Refresh();
  EXPECT_EQ(SecondOf(other), 2);
  EXPECT_EQ(SecondOf(shared), 1) << "the other object's read holds this one back";
  EXPECT_EQ(registry.CountCalls("RegQueryValueEx"), 3);  // two creations, one refresh
  context.ReleasePerfData(&shared);
}

TEST_F(PerfDataTest, AClockSetBackDoesNotFreezeTheData) {
  block = SecondBlock(1);
  PerfContext& context = Context();
  TPerfData& data = context.AcquirePerfData();
  const DateTime readAt = clock.Now();

  clock.SetLocal(readAt - 1.0 / 24);  // an hour back, as at the end of daylight saving time
  block = SecondBlock(2);
  data.Refresh();
  EXPECT_EQ(SecondOf(data), 2);

  // From the new time on, the once-a-second rule holds again.
  block = SecondBlock(3);
  clock.SetLocal(clock.Now() + 500 / kMsPerDay);
  data.Refresh();
  EXPECT_EQ(SecondOf(data), 2);
  clock.SetLocal(clock.Now() + 600 / kMsPerDay);
  data.Refresh();
  EXPECT_EQ(SecondOf(data), 3);
  context.ReleasePerfData(&data);
}

TEST_F(PerfDataTest, TheBufferDoublesUntilTheDataFitsAndKeepsItsSize) {
  block = Block({ObjectWithoutInstances(2, {Counter(10, perf::kPerfCounterCounter)}, {7})});
  block.resize(300000);  // the rest is padding inside the block's own length
  PerfContext& context = Context();
  TPerfData& data = context.AcquirePerfData();
  // 8192 doubled six times is 524288, the first size that holds 300000 bytes.
  EXPECT_EQ(data.BufferSize(), 524288);
  EXPECT_EQ(registry.CountCalls("RegQueryValueEx"), 7);
  EXPECT_EQ(data.Block().Size(), 300000u) << "only what the read filled is the snapshot";

  registry.ClearCalls();
  NextSecond();
  data.Refresh();
  EXPECT_EQ(registry.CountCalls("RegQueryValueEx"), 1);
  EXPECT_EQ(data.BufferSize(), 524288);
  context.ReleasePerfData(&data);
}

TEST_F(PerfDataTest, AFailedReadLeavesASnapshotWithoutObjects) {
  block = SecondBlock(1);
  PerfContext& context = Context();
  TPerfData& data = context.AcquirePerfData();
  ASSERT_EQ(data.Block().NumObjectTypes(), 1u);

  registry.FailCall("RegQueryValueEx", win::kErrorAccessDenied, 1);
  NextSecond();
  data.Refresh();
  EXPECT_TRUE(data.Block().Empty());
  EXPECT_EQ(data.Block().NumObjectTypes(), 0u);

  NextSecond();
  data.Refresh();
  EXPECT_EQ(data.Block().NumObjectTypes(), 1u);
  context.ReleasePerfData(&data);
}

TEST_F(PerfDataTest, TheSharedSnapshotLivesWhileItHasHolders) {
  block = SecondBlock(1);
  PerfContext& context = Context();
  TPerfData& first = context.AcquirePerfData();
  TPerfData& second = context.AcquirePerfData();
  EXPECT_EQ(&first, &second);
  EXPECT_EQ(context.HolderCount(), 2);
  EXPECT_EQ(first.ValueName(), "Global");

  TPerfData stranger(context);
  context.ReleasePerfData(&stranger);  // not the shared one: ignored
  context.ReleasePerfData(&first);
  EXPECT_EQ(context.SharedPerfData(), &first);
  context.ReleasePerfData(&first);
  EXPECT_EQ(context.SharedPerfData(), nullptr);
  context.ReleasePerfData(&first);  // no holder left: ignored
  EXPECT_EQ(context.HolderCount(), 0);

  // A new shared snapshot reads at once, although the last read was just now.
  block = SecondBlock(5);
  EXPECT_EQ(SecondOf(context.AcquirePerfData()), 5);
  context.ReleasePerfData(context.SharedPerfData());
}

void WriteReplay(const std::filesystem::path& path,
                 const std::vector<std::vector<std::uint8_t>>& records,
                 std::size_t cutLastRecordTo = 0) {
  std::ofstream out(path, std::ios::binary);
  ReplayWriter writer(out, {{"2", "System"}}, {{"3", "The system."}});
  for (const auto& record : records) writer.AppendRecord(record);
  out.close();
  if (cutLastRecordTo > 0) {
    std::filesystem::resize_file(path, std::filesystem::file_size(path) - cutLastRecordTo);
  }
}

TEST_F(PerfDataTest, AReplayFileGivesOneRecordPerReadAndKeepsTheLast) {
  TempReplayFile file;
  WriteReplay(file.Path(), {SecondBlock(1), SecondBlock(2)});
  PerfContext& context = Context(file.Path());
  TPerfData& data = context.AcquirePerfData();
  EXPECT_EQ(SecondOf(data), 1);
  NextSecond();
  data.Refresh();
  EXPECT_EQ(SecondOf(data), 2);
  EXPECT_EQ(data.BufferSize(), static_cast<std::int32_t>(SecondBlock(2).size()));
  for (int i = 0; i < 3; ++i) {
    NextSecond();
    data.Refresh();
    EXPECT_EQ(SecondOf(data), 2);
  }
  EXPECT_EQ(registry.CountCalls("RegQueryValueEx"), 0);
  context.ReleasePerfData(&data);
}

TEST_F(PerfDataTest, ATruncatedReplayRecordIsAnErrorNotACrash) {
  TempReplayFile file;
  WriteReplay(file.Path(), {SecondBlock(1), SecondBlock(2)}, 10);
  PerfContext& context = Context(file.Path());
  TPerfData& data = context.AcquirePerfData();
  NextSecond();
  try {
    data.Refresh();
    ADD_FAILURE() << "no error";
  } catch (const Error& e) {
    EXPECT_EQ(e.Message(), "Invalid replay file: truncated record");
  }
  EXPECT_EQ(data.Block().NumObjectTypes(), 0u);
  NextSecond();
  EXPECT_NO_THROW(data.Refresh()) << "the file is used up";
  context.ReleasePerfData(&data);
}

TEST_F(PerfDataTest, AReplayFileThatLiesAboutItsTablesIsRefusedAtOnce) {
  TempReplayFile file;
  {
    std::ofstream out(file.Path(), std::ios::binary);
    const char lyingCount[] = {'\x10', '\x00', '\x00', '\x00', '\x05', '\x00', '\x00', '\x00', 'a'};
    out.write(lyingCount, sizeof lyingCount);
  }
  EXPECT_THROW(Context(file.Path()), Error);
}

}  // namespace
}  // namespace haltwise::perftest
