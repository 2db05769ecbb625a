#include "perf/testing/perf_block_writer.h"

#include <cstring>
#include <stdexcept>

#include "perf/perf_layout.h"
#include "platform/utf16_text.h"

namespace haltwise::perftest {
namespace {

using namespace perf;

class ByteWriter {
 public:
  std::size_t Size() const { return bytes_.size(); }
  std::vector<std::uint8_t> Take() { return std::move(bytes_); }

  void U16(std::uint16_t v) { Raw(&v, sizeof v); }
  void U32(std::uint32_t v) { Raw(&v, sizeof v); }
  void I32(std::int32_t v) { Raw(&v, sizeof v); }
  void I64(std::int64_t v) { Raw(&v, sizeof v); }
  void Value(std::uint64_t v, std::uint32_t size) {
    if (size == 4) {
      U32(static_cast<std::uint32_t>(v));
    } else if (size >= 8) {
      Raw(&v, sizeof v);
      Zeros(size - 8);
    } else {
      Zeros(size);
    }
  }
  void Zeros(std::size_t n) { bytes_.insert(bytes_.end(), n, 0); }
  void AlignTo8() { Zeros((8 - bytes_.size() % 8) % 8); }
  // A zero-terminated UTF-16 text; returns its length in bytes.
  std::uint32_t Utf16(const std::string& text) {
    std::u16string wide = Utf8ToUtf16(text);
    wide.push_back(0);
    Raw(wide.data(), wide.size() * 2);
    return static_cast<std::uint32_t>(wide.size() * 2);
  }
  void SetU32(std::size_t offset, std::uint32_t v) { std::memcpy(&bytes_[offset], &v, 4); }

 private:
  void Raw(const void* data, std::size_t n) {
    const std::size_t at = bytes_.size();
    bytes_.resize(at + n);
    std::memcpy(bytes_.data() + at, data, n);
  }
  std::vector<std::uint8_t> bytes_;
};

// Where each counter's value lies in a counter block, and the block's length.
struct CounterBlockLayout {
  std::vector<std::uint32_t> offsets;
  std::vector<std::uint32_t> sizes;
  std::uint32_t length = 8;
};

CounterBlockLayout LayOut(const std::vector<CounterSpec>& counters) {
  CounterBlockLayout layout;
  std::uint32_t at = 8;  // the block's ByteLength, padded for 64-bit values
  for (const CounterSpec& c : counters) {
    const std::uint32_t size = c.size.value_or(DefaultCounterSize(c.type));
    const std::uint32_t align = size >= 8 ? 8 : (size == 0 ? 1 : 4);
    at = (at + align - 1) / align * align;
    layout.offsets.push_back(at);
    layout.sizes.push_back(size);
    at += size;
  }
  layout.length = (at + 7) / 8 * 8;
  return layout;
}

void WriteCounterBlock(ByteWriter& out, const CounterBlockLayout& layout,
                       const std::vector<std::uint64_t>& values) {
  const std::size_t start = out.Size();
  out.U32(layout.length);
  for (std::size_t i = 0; i < layout.offsets.size(); ++i) {
    out.Zeros(start + layout.offsets[i] - out.Size());
    out.Value(i < values.size() ? values[i] : 0, layout.sizes[i]);
  }
  out.Zeros(start + layout.length - out.Size());
}

void WriteObject(ByteWriter& out, const ObjectSpec& object) {
  const std::size_t start = out.Size();
  const auto numCounters = static_cast<std::uint32_t>(object.counters.size());
  const std::uint32_t definitionLength =
      static_cast<std::uint32_t>(kObjectTypeSize + kCounterDefinitionSize * numCounters);
  out.U32(0);  // TotalByteLength, set below
  out.U32(definitionLength);
  out.U32(kObjectTypeSize);
  out.U32(object.nameIndex);
  out.U32(0);
  out.U32(object.helpIndex);
  out.U32(0);
  out.U32(100);  // PERF_DETAIL_NOVICE
  out.U32(numCounters);
  out.I32(0);
  out.I32(object.instances ? static_cast<std::int32_t>(object.instances->size())
                           : kPerfNoInstances);
  out.U32(0);  // CodePage: names are UTF-16
  out.I64(object.perfTime);
  out.I64(object.perfFreq);

  const CounterBlockLayout layout = LayOut(object.counters);
  for (std::size_t i = 0; i < object.counters.size(); ++i) {
    const CounterSpec& c = object.counters[i];
    out.U32(kCounterDefinitionSize);
    out.U32(c.nameIndex);
    out.U32(0);
    out.U32(c.helpIndex);
    out.U32(0);
    out.I32(0);    // DefaultScale
    out.U32(100);  // DetailLevel
    out.U32(c.type);
    out.U32(layout.sizes[i]);
    out.U32(layout.offsets[i]);
  }
  if (!object.instances) {
    WriteCounterBlock(out, layout, object.values);
  } else {
    for (const InstanceSpec& instance : *object.instances) {
      const std::size_t instanceStart = out.Size();
      out.U32(0);  // ByteLength, set below
      out.U32(instance.parentObjectTitleIndex);
      out.U32(instance.parentObjectInstance);
      out.I32(-1);  // PERF_NO_UNIQUE_ID
      out.U32(static_cast<std::uint32_t>(kInstanceDefinitionSize));
      out.U32(0);  // NameLength, set below
      const std::uint32_t nameLength = out.Utf16(instance.name);
      out.AlignTo8();
      out.SetU32(instanceStart, static_cast<std::uint32_t>(out.Size() - instanceStart));
      out.SetU32(instanceStart + 20, nameLength);
      WriteCounterBlock(out, layout, instance.values);
    }
  }
  out.SetU32(start, static_cast<std::uint32_t>(out.Size() - start));
}

}  // namespace

std::uint32_t DefaultCounterSize(std::uint32_t type) {
  switch (type & kSizeMask) {
    case kSizeDword:
      return 4;
    case kSizeLarge:
      return 8;
    case kSizeZero:
      return 0;
    default:
      return 16;
  }
}

std::vector<std::uint8_t> WritePerfBlock(const BlockSpec& blockSpec) {
  ByteWriter out;
  for (char c : std::string("PERF")) out.U16(static_cast<std::uint16_t>(c));
  out.U32(1);  // LittleEndian
  out.U32(1);  // Version
  out.U32(1);  // Revision
  out.U32(0);  // TotalByteLength, set below
  out.U32(0);  // HeaderLength, set below
  out.U32(static_cast<std::uint32_t>(blockSpec.objects.size()));
  out.I32(238);  // DefaultObject: Processor
  const SystemTime& t = blockSpec.systemTime;
  for (std::uint16_t field :
       {t.year, t.month, t.dayOfWeek, t.day, t.hour, t.minute, t.second, t.milliseconds}) {
    out.U16(field);
  }
  out.Zeros(4);
  out.I64(blockSpec.perfTime);
  out.I64(blockSpec.perfFreq);
  out.I64(blockSpec.perfTime100nSec);
  out.U32(0);  // SystemNameLength, set below
  out.U32(static_cast<std::uint32_t>(kDataBlockSize));
  if (out.Size() != kDataBlockSize) throw std::logic_error("PERF_DATA_BLOCK layout");
  const std::uint32_t nameLength = out.Utf16(blockSpec.systemName);
  out.AlignTo8();
  out.SetU32(kDataBlockHeaderLength, static_cast<std::uint32_t>(out.Size()));
  out.SetU32(80, nameLength);
  for (const ObjectSpec& object : blockSpec.objects) WriteObject(out, object);
  out.SetU32(kDataBlockTotalByteLength, static_cast<std::uint32_t>(out.Size()));
  return out.Take();
}

void PutU32(std::vector<std::uint8_t>& block, std::size_t offset, std::uint32_t value) {
  if (offset + 4 > block.size()) throw std::out_of_range("PutU32 outside the block");
  std::memcpy(&block[offset], &value, 4);
}

}  // namespace haltwise::perftest
