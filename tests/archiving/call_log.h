#pragma once
// One ordered record of what the run asked of the window and of the system,
// shared by both fakes, so that a test can see the order of the steps.
#include <string>
#include <vector>

namespace kelmarin {

struct CallLog {
  std::vector<std::string> entries;
  void Add(std::string entry) { entries.push_back(std::move(entry)); }
};

}  // namespace kelmarin
