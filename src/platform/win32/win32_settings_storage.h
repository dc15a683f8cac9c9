#pragma once
// The settings file's operations on real files.
#include "platform/settings_storage.h"

namespace kelmarin::win32 {

class Win32SettingsStorage : public SettingsStorage {
 public:
  Text ModuleFileName() override;
  bool FileExists(const Text& path) override;
  Bytes ReadExclusive(const Text& path, size_t maxBytes) override;
  // Fails wherever creating the file anew would fail, but keeps an earlier
  // file as it was until the new content is sure to fit.
  void WriteExclusive(const Text& path, const Bytes& bytes) override;
};

}  // namespace kelmarin::win32
