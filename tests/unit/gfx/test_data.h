#pragma once
#include <cstdlib>
#include <string>

namespace haltwise::test {

// A file under tests/data: from HALTWISE_TEST_DATA when set (ctest sets it),
// otherwise found from this header's own path, which also works under Wine.
inline std::string TestDataPath(const std::string& relative) {
  if (const char* dir = std::getenv("HALTWISE_TEST_DATA")) return std::string(dir) + "/" + relative;
  std::string here = __FILE__;
  here.erase(here.find_last_of("/\\") + 1);
  return here + "../../data/" + relative;
}

}  // namespace haltwise::test
