#pragma once
// The system's file-open dialog for one existing file. It remembers the
// path chosen last and opens with it the next time.
#include <windows.h>

#include "platform/text.h"

namespace kelmarin::win32 {

class OpenDialog {
 public:
  // Modal over owner. True when the user confirmed a file; FileName() is
  // then its full path.
  bool Execute(HWND owner);
  const Text& FileName() const { return fileName_; }

 private:
  Text fileName_;
};

}  // namespace kelmarin::win32
