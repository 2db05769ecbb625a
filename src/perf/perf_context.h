#pragma once
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "perf/perf_data.h"
#include "perf/perf_title_tables.h"
#include "perf/replay_file.h"
#include "platform/utf16_text.h"
#include "platform/clock.h"
#include "platform/datetime.h"
#include "platform/registry.h"

namespace haltwise {

// What the performance components of one program share: the registry and the
// clock, the replay file when there is one, the one shared snapshot with its
// holder count, the time of the latest read and the loaded title tables. The
// program creates exactly one; tests create as many isolated ones as they like.
class PerfContext {
 public:
  // With a replay file, every snapshot and both title tables come from it.
  PerfContext(Registry& registry, Clock& clock,
              std::optional<std::filesystem::path> replayFile = std::nullopt);
  PerfContext(const PerfContext&) = delete;
  PerfContext& operator=(const PerfContext&) = delete;
  ~PerfContext();

  Registry& GetRegistry() const { return registry_; }
  Clock& GetClock() const { return clock_; }
  ReplayFile* Replay() const { return replay_.get(); }
  PerfTitleTables& TitleTables() { return titleTables_; }

  // The local date-time of the latest snapshot read by any TPerfData.
  DateTime LastReadTime() const { return lastReadTime_; }
  void SetLastReadTime(DateTime value) { lastReadTime_ = value; }

  // The shared snapshot: created ("Global") by the first holder, destroyed
  // when the last one releases it.
  TPerfData& AcquirePerfData();
  // Ignored unless `data` is the shared snapshot and somebody holds it.
  void ReleasePerfData(const TPerfData* data);
  int HolderCount() const { return holders_; }
  const TPerfData* SharedPerfData() const { return shared_.get(); }

  // Instance names are UTF-16 in the data; by default they become UTF-8. A
  // program whose windows take text in the system code page converts to that.
  using NameDecoder = std::function<std::string(std::u16string_view)>;
  void SetInstanceNameDecoder(NameDecoder decoder) { decoder_ = std::move(decoder); }
  std::string DecodeInstanceName(std::u16string_view name) const { return decoder_(name); }

 private:
  Registry& registry_;
  Clock& clock_;
  std::unique_ptr<ReplayFile> replay_;
  PerfTitleTables titleTables_;
  std::unique_ptr<TPerfData> shared_;
  int holders_ = 0;
  DateTime lastReadTime_ = 0;
  NameDecoder decoder_ = Utf16ToUtf8;
};

// A component's hold on the shared snapshot: acquired on first use, released
// when the component goes.
class PerfDataHold {
 public:
  explicit PerfDataHold(PerfContext& context) : context_(context) {}
  PerfDataHold(const PerfDataHold&) = delete;
  PerfDataHold& operator=(const PerfDataHold&) = delete;
  ~PerfDataHold() { Release(); }

  TPerfData& Get() {
    if (data_ == nullptr) data_ = &context_.AcquirePerfData();
    return *data_;
  }
  bool Held() const { return data_ != nullptr; }
  void Release() {
    if (data_ != nullptr) context_.ReleasePerfData(data_);
    data_ = nullptr;
  }

 private:
  PerfContext& context_;
  TPerfData* data_ = nullptr;
};

}  // namespace haltwise
