#pragma once
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "perf/perf_data.h"
#include "perf/perf_title_tables.h"
#include "perf/replay_file.h"
#include "platform/clock.h"
#include "platform/datetime.h"
#include "platform/registry.h"
#include "platform/utf16_text.h"

namespace haltwise {

// A reader of the shared snapshot that needs certain objects in it. At every
// read the context asks each reader for its objects, so that Windows is
// asked for just those.
class PerfObjectReader {
 public:
  virtual void AddWatchedObjects(std::vector<std::uint32_t>& objectIndexes) const = 0;

 protected:
  ~PerfObjectReader() = default;
};

// What the performance components of one program share: the registry and the
// clock, the replay file when there is one, the one shared snapshot with its
// holder count, the time of the latest read, the objects its readers watch
// and the loaded title tables. The program creates exactly one; tests create
// as many isolated ones as they like.
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

  // The shared snapshot: created (and read) by the first holder, destroyed
  // when the last one releases it.
  TPerfData& AcquirePerfData();
  // Ignored unless `data` is the shared snapshot and somebody holds it.
  void ReleasePerfData(const TPerfData* data);
  int HolderCount() const { return holders_; }
  const TPerfData* SharedPerfData() const { return shared_.get(); }

  // Readers add their objects to every query until they are removed.
  void AddReader(const PerfObjectReader& reader);
  void RemoveReader(const PerfObjectReader& reader);
  // The value name of the next read: "Global" (every object of every
  // provider, the most expensive query) while the full object list is
  // wanted, or before any reader names an object; otherwise the title
  // indexes of the watched objects, such as "238 234 510".
  std::string QueryValueName() const;

  // While one exists the shared snapshot holds every object, for lists of
  // all objects and for choosing among them: a snapshot of fewer objects is
  // replaced at once.
  class FullObjectList {
   public:
    explicit FullObjectList(PerfContext& context);
    FullObjectList(const FullObjectList&) = delete;
    FullObjectList& operator=(const FullObjectList&) = delete;
    ~FullObjectList() { --context_.fullObjectLists_; }

   private:
    PerfContext& context_;
  };

  // A number no other read of this context has had.
  std::uint64_t NextGeneration() { return ++generations_; }

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
  std::vector<const PerfObjectReader*> readers_;
  int fullObjectLists_ = 0;
  std::uint64_t generations_ = 0;
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
