#pragma once
// A file that refuses to be written, as a read-only settings file does on
// Windows. Wine run as root writes over the read-only attribute all the
// same, so the Linux immutable flag is set on the file too. Both are
// cleared when the scope ends, also when the test fails.
#include "platform/text.h"

namespace kelmarin::e2e {

class ImmutableFile {
 public:
  explicit ImmutableFile(const Text& path);
  ImmutableFile(const ImmutableFile&) = delete;
  ImmutableFile& operator=(const ImmutableFile&) = delete;
  ~ImmutableFile();

  // Whether a writer is refused now.
  bool Refuses() const { return refuses_; }

 private:
  void Chattr(const char* flag) const;

  Text path_;
  Text unixPath_;
  bool refuses_ = false;
};

}  // namespace kelmarin::e2e
