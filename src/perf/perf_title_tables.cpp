#include "perf/perf_title_tables.h"

#include <algorithm>

#include "perf/perf_errors.h"
#include "platform/text.h"

namespace haltwise {
namespace {

// Registry key names are at most 255 characters; a buffer that holds any of
// them keeps names such as "CurrentLanguage" from ending the enumeration.
constexpr std::uint32_t kKeyNameBufferSize = 256;

// The next zero-terminated string of a multi-string at `pos`, bounded by `end`.
std::string NextString(const std::vector<std::uint8_t>& data, std::size_t& pos, std::size_t end) {
  const std::size_t start = pos;
  while (pos < end && data[pos] != 0) ++pos;
  std::string text(data.begin() + static_cast<std::ptrdiff_t>(start),
                   data.begin() + static_cast<std::ptrdiff_t>(pos));
  if (pos < end) ++pos;  // the terminator
  return text;
}

}  // namespace

TPerfInfoData::TPerfInfoData(std::string localeId, std::string tableName)
    : localeId_(std::move(localeId)), tableName_(std::move(tableName)) {}

void TPerfInfoData::Reserve(std::size_t entries) {
  indexTexts_.reserve(entries);
  titleTexts_.reserve(entries);
  firstIndexPosition_.reserve(entries);
  firstTitlePosition_.reserve(entries);
}

void TPerfInfoData::Add(std::string indexText, std::string title) {
  std::string titleKey = UpperCaseAscii(title);
  Add(std::move(indexText), std::move(title), std::move(titleKey));
}

void TPerfInfoData::Add(std::string indexText, std::string title, std::string titleKey) {
  firstIndexPosition_.emplace(UpperCaseAscii(indexText), indexTexts_.size());
  firstTitlePosition_.emplace(std::move(titleKey), titleTexts_.size());
  indexTexts_.push_back(std::move(indexText));
  titleTexts_.push_back(std::move(title));
}

std::string TPerfInfoData::NameByIndex(const std::string& indexText) const {
  const auto found = firstIndexPosition_.find(UpperCaseAscii(indexText));
  return found == firstIndexPosition_.end() ? std::string() : titleTexts_[found->second];
}

std::string TPerfInfoData::IndexByName(const std::string& title) const {
  const auto found = firstTitlePosition_.find(UpperCaseAscii(title));
  return found == firstTitlePosition_.end() ? std::string("-1") : indexTexts_[found->second];
}

PerfTitleTables::PerfTitleTables(Registry& registry,
                                 std::optional<std::filesystem::path> replayFile)
    : registry_(registry), replayFile_(std::move(replayFile)) {}

const std::vector<std::string>& PerfTitleTables::AvailableLanguages() {
  if (languagesRead_) return languages_;
  languagesRead_ = true;  // a failed enumeration is not tried again
  ScopedRegKey perflib(registry_);
  if (registry_.OpenKeyEx(win::kHKeyLocalMachine, kPerflibKey, win::kKeyRead, perflib.Receive()) !=
      win::kErrorSuccess) {
    return languages_;
  }
  for (std::uint32_t index = 0;; ++index) {
    char name[kKeyNameBufferSize];
    std::uint32_t nameSize = kKeyNameBufferSize;
    const long result = registry_.EnumKeyEx(perflib.Get(), index, name, &nameSize);
    if (result == win::kErrorNoMoreItems) break;
    if (result != win::kErrorSuccess) {
      perflib.Close();
      throw Error(SystemErrorText(result));
    }
    languages_.emplace_back(name, std::min(nameSize, kKeyNameBufferSize - 1));
  }
  return languages_;
}

TPerfInfoData* PerfTitleTables::GetInfoData(const std::string& localeId,
                                            const std::string& tableName) {
  auto found = std::find_if(loaded_.begin(), loaded_.end(), [&](const auto& data) {
    return SameTextAscii(data->LocaleID(), localeId) && SameTextAscii(data->TableName(), tableName);
  });
  if (found == loaded_.end()) {
    auto data = std::make_unique<TPerfInfoData>(localeId, tableName);
    if (replayFile_) {
      LoadFromReplay(*data, ReplayFile::ReadTitleTable(*replayFile_, tableName != "Counter"));
    } else {
      LoadFromPerflib(*data);
    }
    loaded_.push_back(std::move(data));
    found = std::prev(loaded_.end());
  }
  ++(*found)->refCount_;
  return found->get();
}

void PerfTitleTables::ReleaseInfoData(TPerfInfoData*& data) {
  if (data != nullptr && --data->refCount_ < 1) {
    std::erase_if(loaded_, [&](const auto& entry) { return entry.get() == data; });
  }
  data = nullptr;
}

void PerfTitleTables::LoadFromReplay(TPerfInfoData& data, const TitlePairs& table) {
  for (const auto& [indexText, title] : table) data.Add(indexText, title);
}

// A title that repeats in the table (ignoring case) is made unique with
// trailing spaces, in table order, so that every title names one index. A
// repeated index takes the title of its first line.
void PerfTitleTables::LoadFromPerflib(TPerfInfoData& data) {
  const auto lines = ReadPerflibTable(data.LocaleID(), data.TableName());
  data.Reserve(lines.size());
  for (const auto& [indexText, lineTitle] : lines) {
    // Every line is added, so positions in the table are positions in `lines`.
    const auto first = data.firstIndexPosition_.find(UpperCaseAscii(indexText));
    std::string title =
        first == data.firstIndexPosition_.end() ? lineTitle : lines[first->second].second;
    std::string key = UpperCaseAscii(title);
    while (data.firstTitlePosition_.count(key)) {
      title += ' ';
      key += ' ';
    }
    data.Add(indexText, std::move(title), std::move(key));
  }
}

bool PerfTitleTables::HasCounterTitles(const std::string& localeId) {
  if (replayFile_) return false;
  ScopedRegKey language(registry_);
  if (registry_.OpenKeyEx(win::kHKeyLocalMachine, std::string(kPerflibKey) + "\\" + localeId,
                          win::kKeyRead, language.Receive()) != win::kErrorSuccess) {
    return false;
  }
  std::uint32_t size = 0;
  // More than the two terminators of an empty multi-string.
  return registry_.QueryValueEx(language.Get(), "Counter", nullptr, &size) == win::kErrorSuccess &&
         size > 2;
}

std::vector<std::pair<std::string, std::string>> PerfTitleTables::ReadPerflibTable(
    const std::string& localeId, const std::string& tableName) {
  std::vector<std::pair<std::string, std::string>> lines;
  {
    ScopedRegKey perflib(registry_);
    if (registry_.OpenKeyEx(win::kHKeyLocalMachine, kPerflibKey, win::kKeyRead,
                            perflib.Receive()) != win::kErrorSuccess) {
      return lines;
    }
  }
  ScopedRegKey language(registry_);
  if (registry_.OpenKeyEx(win::kHKeyLocalMachine, std::string(kPerflibKey) + "\\" + localeId,
                          win::kKeyRead, language.Receive()) != win::kErrorSuccess) {
    return lines;
  }
  std::uint32_t largest = 0;
  if (registry_.QueryInfoKey(language.Get(), &largest) != win::kErrorSuccess) largest = 0;
  // One spare zero byte ends the multi-string even if the value lacks its end.
  std::vector<std::uint8_t> data(static_cast<std::size_t>(largest) + 1, 0);
  std::uint32_t size = largest + 1;
  if (registry_.QueryValueEx(language.Get(), tableName, data.data(), &size) != win::kErrorSuccess) {
    return lines;  // read as an empty multi-string
  }
  const std::size_t end = std::min<std::size_t>(size, data.size());
  std::size_t pos = 0;
  while (pos < end && data[pos] != 0) {
    const std::string indexText = NextString(data, pos, end);
    std::string title = NextString(data, pos, end);
    const std::int32_t index = StrToInt(indexText);
    if (!Trim(title).empty()) lines.emplace_back(std::to_string(index), std::move(title));
  }
  return lines;
}

}  // namespace haltwise
