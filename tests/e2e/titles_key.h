#pragma once
// The user's list of 1C:Enterprise 7.7 infobases in the test's own Wine
// prefix: written when the scope begins, deleted when it ends, also when
// the test fails.
#include <utility>
#include <vector>

#include "platform/text.h"

namespace kelmarin::e2e {

inline constexpr char kTitlesKey[] = "Software\\1C\\1Cv7\\7.7\\Titles";

struct Infobase {
  Text title;
  Text path;
};

class TitlesKey {
 public:
  explicit TitlesKey(const std::vector<Infobase>& infobases);
  TitlesKey(const TitlesKey&) = delete;
  TitlesKey& operator=(const TitlesKey&) = delete;
  ~TitlesKey();

  bool Written() const { return written_; }

 private:
  bool written_ = false;
};

}  // namespace kelmarin::e2e
