#pragma once
#include <string>
#include <vector>

#include "perf/perf_title_tables.h"

namespace haltwise {

class PerfContext;

// Translates between title indexes and titles of one table in one language.
// The table is taken from the context on the first lookup and shared with
// every other component asking for the same language and table.
class TPerfInfo {
 public:
  TPerfInfo(const TPerfInfo&) = delete;
  TPerfInfo& operator=(const TPerfInfo&) = delete;
  virtual ~TPerfInfo();

  const std::string& LocaleID() const { return localeId_; }
  // A language without a Perflib subkey selects the first one found; a new
  // language gives the table back, to load the new one at the next lookup.
  void SetLocaleID(const std::string& value);

  std::string NameByIndex(const std::string& indexText);
  std::string IndexByName(const std::string& title);

  const std::vector<std::string>& Languages() const { return languages_; }
  // The table in use, or none before the first lookup.
  const TPerfInfoData* InfoData() const { return infoData_; }

 protected:
  // Starts with the first language found under the Perflib key; fails when
  // there is none.
  explicit TPerfInfo(PerfContext& context);
  virtual const char* TableName() const = 0;

 private:
  void LoadInfo();

  PerfTitleTables& tables_;
  std::string localeId_;
  std::vector<std::string> languages_;
  TPerfInfoData* infoData_ = nullptr;
};

// Names of objects and counters: the "Counter" table.
class TPerfTitles final : public TPerfInfo {
 public:
  explicit TPerfTitles(PerfContext& context) : TPerfInfo(context) {}

 protected:
  const char* TableName() const override { return "Counter"; }
};

// Explanations of objects and counters: the "Help" table.
class TPerfHelps final : public TPerfInfo {
 public:
  explicit TPerfHelps(PerfContext& context) : TPerfInfo(context) {}

 protected:
  const char* TableName() const override { return "Help"; }
};

}  // namespace haltwise
