#pragma once
// A file that refuses to be written, as a read-only file does on Windows, or
// a folder in which nothing can be created, as one without the right to
// write. Wine run as root writes over the read-only attribute all the same,
// so the Linux immutable flag is set too. Both are cleared when the scope
// ends, also when the test fails.
#include "platform/text.h"

namespace kelmarin::test_support {

class WriteProtected {
 public:
  // path: a file or a folder.
  explicit WriteProtected(const Text& path);
  WriteProtected(const WriteProtected&) = delete;
  WriteProtected& operator=(const WriteProtected&) = delete;
  ~WriteProtected();

  // Whether a writer is refused now.
  bool Refuses() const { return refuses_; }

 private:
  void Chattr(const char* flag) const;

  Text path_;
  Text unixPath_;
  bool refuses_ = false;
};

}  // namespace kelmarin::test_support
