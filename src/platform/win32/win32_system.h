#pragma once
#include "platform/system.h"

namespace kelmarin::win32 {

// The operating system as the program sees it, through the single-byte
// Win32 calls.
class Win32System : public System {
 public:
  bool FileExists(const Text& path) override;
  bool DirectoryExists(const Text& path) override;
  void CreateFolder(const Text& path) override;

  LocalTime Now() override;
  LongTimeFormat UserLongTimeFormat() override;

  void ShowMessage(WindowHandle owner, const Text& text, const Text& caption,
                   unsigned iconFlags) override;

  ProcessOutcome RunAndWait(const Text& commandLine) override;
};

}  // namespace kelmarin::win32
