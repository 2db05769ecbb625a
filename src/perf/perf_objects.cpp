#include "perf/perf_objects.h"

#include <algorithm>
#include <limits>

#include "perf/perf_errors.h"

namespace haltwise {

TPerfObjects::TPerfObjects(PerfContext& context) : titles_(context), perfData_(context) {}

int TPerfObjects::Count() {
  const std::uint32_t count = Data().Block().NumObjectTypes();
  return static_cast<int>(std::min<std::uint32_t>(count, std::numeric_limits<int>::max()));
}

void TPerfObjects::CheckPosition(int index) {
  if (index < 0 || index >= Count()) throw Error("Index out of bounds");
}

perf::PerfObjectType TPerfObjects::Objects(int index) {
  CheckPosition(index);
  return Data().ObjectAtPosition(static_cast<std::uint32_t>(index));
}

std::string TPerfObjects::Names(int index) {
  return titles_.NameByIndex(std::to_string(Objects(index).ObjectNameTitleIndex));
}

std::string TPerfObjects::HelpTexts(int index) {
  if (helps_ == nullptr) throw Error("No help information : object \"" + Name + "\"");
  return helps_->NameByIndex(std::to_string(Objects(index).ObjectHelpTitleIndex));
}

int TPerfObjects::IndexOf(const std::string& name) {
  TPerfData& data = Data();
  const std::int64_t wanted = StrToInt(titles_.IndexByName(name));
  const int count = Count();
  for (int i = 0; i < count; ++i) {
    if (data.ObjectAtPosition(static_cast<std::uint32_t>(i)).ObjectNameTitleIndex == wanted) {
      return i;
    }
  }
  throw Error("Unknown performance object : \"" + name + "\"");
}

}  // namespace haltwise
