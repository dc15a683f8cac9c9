#pragma once
#include <algorithm>
#include <map>
#include <set>
#include <vector>

#include "platform/errors.h"
#include "platform/settings_storage.h"

namespace kelmarin {

// Files and directories as plain data. A file named in `heldOpen` cannot be
// opened or created, as when another process holds it with no sharing.
class FakeSettingsStorage : public SettingsStorage {
 public:
  Text moduleFileName = "C:\\Kelmarin\\Kelmarin.exe";
  std::map<Text, Bytes> files;
  std::set<Text> directories;
  std::set<Text> heldOpen;
  std::vector<Text> existenceQueries;

  Text ModuleFileName() override { return moduleFileName; }

  bool FileExists(const Text& path) override {
    existenceQueries.push_back(path);
    return files.count(path) != 0;
  }

  Bytes ReadExclusive(const Text& path, size_t maxBytes) override {
    auto file = files.find(path);
    if (file == files.end() || heldOpen.count(path)) {
      throw FileOpenError(path, "The process cannot access the file");
    }
    const Bytes& content = file->second;
    return Bytes(content.begin(), content.begin() + std::min(maxBytes, content.size()));
  }

  void WriteExclusive(const Text& path, const Bytes& bytes) override {
    if (directories.count(path) || heldOpen.count(path)) {
      throw FileCreateError(path, "Access denied");
    }
    files[path] = bytes;
  }
};

}  // namespace kelmarin
