#include "perf/perf_block.h"

#include <gtest/gtest.h>

#include <functional>

#include "perf/perf_layout.h"
#include "perf_test_bed.h"
#include "platform/error.h"

namespace haltwise::perftest {
namespace {

using namespace perf;

std::vector<std::uint8_t> TwoObjects() {
  return Block({ObjectWithoutInstances(
                    2, {Counter(10, kPerfCounterCounter), Counter(24, kPerfCounterLargeRawcount)},
                    {0x1122334455667788ull, 0xAABBCCDDEEFF0011ull}),
                ObjectWithInstances(230, {Counter(784, kPerfCounterRawcount)},
                                    {{"svchost", {100}}, {"\xC3\xA9t\xC3\xA9", {200}}})});
}

TEST(PerfBlock, WalksObjectsDefinitionsAndInstances) {
  const auto bytes = TwoObjects();
  const PerfBlock block(bytes.data(), bytes.size());
  ASSERT_EQ(block.NumObjectTypes(), 2u);
  EXPECT_EQ(block.BlockSystemTime()->hour, 12);

  const PerfObjectType system = block.ObjectAt(block.FirstObjectType());
  EXPECT_EQ(system.ObjectNameTitleIndex, 2u);
  EXPECT_EQ(system.NumInstances, kPerfNoInstances);
  EXPECT_FALSE(block.FirstInstanceDef(system));
  const PerfCounterDefinition first = block.CounterDefAt(block.FirstCounterDef(system));
  const PerfCounterDefinition second = block.CounterDefAt(block.NextCounterDef(first));
  EXPECT_EQ(second.CounterNameTitleIndex, 24u);
  const std::size_t counters = *block.ObjectCounterBlock(system);
  EXPECT_EQ(block.CounterValue(counters, first), 0x55667788u) << "a DWORD is zero-extended";
  EXPECT_EQ(block.CounterValue(counters, second), 0xAABBCCDDEEFF0011ull);

  const PerfObjectType process = block.ObjectAt(block.NextObjectType(system));
  EXPECT_EQ(process.NumInstances, 2);
  EXPECT_FALSE(block.ObjectCounterBlock(process));
  const PerfInstanceDefinition one = block.InstanceDefAt(*block.FirstInstanceDef(process));
  const PerfInstanceDefinition two = block.InstanceDefAt(block.NextInstanceDef(one));
  EXPECT_EQ(block.InstanceDefName(one), u"svchost");
  EXPECT_EQ(block.InstanceDefName(two), u"\u00E9t\u00E9");
  const PerfCounterDefinition id = block.CounterDefAt(block.FirstCounterDef(process));
  EXPECT_EQ(block.CounterValue(block.InstanceCounterBlock(two), id), 200u);
}

TEST(PerfBlock, AnEmptyViewIsASnapshotWithoutObjects) {
  const PerfBlock block;
  EXPECT_EQ(block.NumObjectTypes(), 0u);
  EXPECT_FALSE(block.BlockSystemTime());
}

TEST(PerfBlock, CounterSizesOtherThanFourOrEightAreRefused) {
  PerfCounterDefinition definition;
  definition.CounterType = kPerfCounterText;
  EXPECT_THROW(
      try { PerfBlock::RequireValueSizeClass(definition); } catch (const Error& e) {
        EXPECT_EQ(e.Message(), "Invalid counter block size");
        throw;
      },
      Error);
  definition.CounterType = kPerfCounterRawcount;
  EXPECT_NO_THROW(PerfBlock::RequireValueSizeClass(definition));

  const auto bytes = TwoObjects();
  const PerfBlock block(bytes.data(), bytes.size());
  definition.CounterSize = 2;
  EXPECT_THROW(block.CounterValue(200, definition), Error);
}

// Each case breaks one length or offset of a valid block; walking the block
// as every reader does must then fail cleanly instead of reading outside it.
TEST(PerfBlock, LyingLengthsAndOffsetsRaiseAnErrorInsteadOfReadingOutside) {
  const auto valid = TwoObjects();
  const PerfBlock reference(valid.data(), valid.size());
  const std::size_t system = reference.FirstObjectType();
  const std::size_t process = reference.NextObjectType(reference.ObjectAt(system));
  const PerfObjectType processObject = reference.ObjectAt(process);
  const std::size_t instance = *reference.FirstInstanceDef(processObject);
  const std::size_t counterBlock =
      reference.InstanceCounterBlock(reference.InstanceDefAt(instance));
  const std::size_t definition = reference.FirstCounterDef(processObject);

  struct Case {
    const char* what;
    std::size_t offset;
    std::uint32_t value;
  };
  const Case cases[] = {
      {"header length beyond the block", kDataBlockHeaderLength, 0x7FFFFFF0},
      {"more objects than the block holds", kDataBlockNumObjectTypes, 1000000},
      {"object length of zero", system, 0},
      {"object length beyond the block", system, 0xFFFFFF00},
      {"object header length beyond the block", process + 8, 0x10000000},
      {"more counters than the object holds", process + 32, 5000},
      {"counter definition length of zero", definition, 0},
      {"counter offset beyond the block", definition + 36, 0xFFFFFFF0},
      {"definition length beyond the block", process + 4, 0x7FFFFFFF},
      {"more instances than the object holds", process + 40, 100000},
      {"instance length of zero", instance, 0},
      {"instance length beyond the block", instance, 0x7FFFFFFF},
      {"instance name beyond the block", instance + 16, 0x7FFFFFF0},
      {"instance name length beyond the block", instance + 20, 0x7FFFFFF0},
      {"counter block length of zero", counterBlock, 0},
      {"counter block length beyond the block", counterBlock, 0x7FFFFFFF},
  };
  for (const Case& c : cases) {
    auto bytes = valid;
    PutU32(bytes, c.offset, c.value);
    const PerfBlock block(bytes.data(), bytes.size());
    // Everything a reader may do: every object, definition, instance, name and value.
    auto walk = [&] {
      std::size_t object = block.FirstObjectType();
      for (std::uint32_t o = 0; o < block.NumObjectTypes(); ++o) {
        const PerfObjectType type = block.ObjectAt(object);
        std::size_t def = block.FirstCounterDef(type);
        std::vector<PerfCounterDefinition> definitions;
        for (std::uint32_t d = 0; d < type.NumCounters; ++d) {
          definitions.push_back(block.CounterDefAt(def));
          def = block.NextCounterDef(definitions.back());
        }
        if (auto first = block.FirstInstanceDef(type)) {
          std::size_t at = *first;
          for (std::int32_t i = 0; i < type.NumInstances; ++i) {
            const PerfInstanceDefinition inst = block.InstanceDefAt(at);
            block.InstanceDefName(inst);
            for (const auto& d : definitions)
              block.CounterValue(block.InstanceCounterBlock(inst), d);
            at = block.NextInstanceDef(inst);
          }
        } else {
          for (const auto& d : definitions) block.CounterValue(*block.ObjectCounterBlock(type), d);
        }
        object = block.NextObjectType(type);
      }
    };
    try {
      walk();
      ADD_FAILURE() << c.what << ": no error";
    } catch (const Error& e) {
      EXPECT_EQ(e.Message(), "Invalid performance data block") << c.what;
    }
  }
}

TEST(PerfBlock, ATruncatedBlockIsRefusedAtItsHeader) {
  auto bytes = TwoObjects();
  bytes.resize(40);
  const PerfBlock block(bytes.data(), bytes.size());
  EXPECT_THROW(block.NumObjectTypes(), Error);
  EXPECT_THROW(block.BlockSystemTime(), Error);
}

}  // namespace
}  // namespace haltwise::perftest
