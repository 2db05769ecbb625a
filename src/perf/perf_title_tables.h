#pragma once
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "perf/replay_file.h"
#include "platform/registry.h"

namespace haltwise {

// One loaded title table ("Counter" or "Help") of one language: parallel
// lists of index texts and titles, in table order, shared by every title
// component of the context that asks for the same language and table.
class TPerfInfoData {
 public:
  TPerfInfoData(std::string localeId, std::string tableName);

  const std::string& LocaleID() const { return localeId_; }
  const std::string& TableName() const { return tableName_; }
  const std::vector<std::string>& IndexTexts() const { return indexTexts_; }
  const std::vector<std::string>& TitleTexts() const { return titleTexts_; }
  int RefCount() const { return refCount_; }

  // The title of the first entry whose index text matches, ignoring case;
  // empty when there is none.
  std::string NameByIndex(const std::string& indexText) const;
  // The index text of the first entry whose title matches, ignoring case;
  // "-1" when there is none.
  std::string IndexByName(const std::string& title) const;

 private:
  friend class PerfTitleTables;
  void Reserve(std::size_t entries);
  void Add(std::string indexText, std::string title);
  // `titleKey` is the title upper-cased.
  void Add(std::string indexText, std::string title, std::string titleKey);

  std::string localeId_;
  std::string tableName_;
  std::vector<std::string> indexTexts_;
  std::vector<std::string> titleTexts_;
  // Upper-cased text to the first position holding it.
  std::unordered_map<std::string, std::size_t> firstIndexPosition_;
  std::unordered_map<std::string, std::size_t> firstTitlePosition_;
  int refCount_ = 0;
};

// The title tables of a context: the languages found under the Perflib key
// and the tables loaded so far. With a replay file, every table comes from
// the file whatever the language: its first table for "Counter", its second
// for anything else.
class PerfTitleTables {
 public:
  static constexpr const char* kPerflibKey =
      "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Perflib";

  PerfTitleTables(Registry& registry, std::optional<std::filesystem::path> replayFile);

  // The Perflib subkeys in enumeration order, read on the first request.
  const std::vector<std::string>& AvailableLanguages();

  // A held table for the language and table name (compared ignoring case),
  // loading it when nobody holds it yet.
  TPerfInfoData* GetInfoData(const std::string& localeId, const std::string& tableName);
  // Gives a table back and empties the reference; the last holder frees it.
  void ReleaseInfoData(TPerfInfoData*& data);
  const std::vector<std::unique_ptr<TPerfInfoData>>& LoadedTables() const { return loaded_; }

  // Whether Perflib holds a non-empty "Counter" table for the language;
  // false with a replay file, whose tables serve every language.
  bool HasCounterTitles(const std::string& localeId);

  // The (index, title) lines of a Perflib table: index texts rewritten in
  // plain decimal, blank titles dropped. Empty when the key or the value
  // cannot be read; an index that is not an integer fails.
  std::vector<std::pair<std::string, std::string>> ReadPerflibTable(const std::string& localeId,
                                                                    const std::string& tableName);

 private:
  void LoadFromPerflib(TPerfInfoData& data);
  static void LoadFromReplay(TPerfInfoData& data, const TitlePairs& table);

  Registry& registry_;
  std::optional<std::filesystem::path> replayFile_;
  bool languagesRead_ = false;
  std::vector<std::string> languages_;
  std::vector<std::unique_ptr<TPerfInfoData>> loaded_;
};

}  // namespace haltwise
