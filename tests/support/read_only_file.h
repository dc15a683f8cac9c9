#pragma once
// A file that refuses to be written, as a read-only file does on Windows.
// Wine run as root writes over the read-only attribute all the same, so the
// Linux immutable flag is set on the file too. Both are cleared when the
// scope ends, also when the test fails.
#include "platform/text.h"

namespace kelmarin::test_support {

class ReadOnlyFile {
 public:
  explicit ReadOnlyFile(const Text& path);
  ReadOnlyFile(const ReadOnlyFile&) = delete;
  ReadOnlyFile& operator=(const ReadOnlyFile&) = delete;
  ~ReadOnlyFile();

  // Whether a writer is refused now.
  bool Refuses() const { return refuses_; }

 private:
  void Chattr(const char* flag) const;

  Text path_;
  Text unixPath_;
  bool refuses_ = false;
};

}  // namespace kelmarin::test_support
