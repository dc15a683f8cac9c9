#pragma once
// The file operations of the settings file. Errors are thrown as the
// project's own types so that they reach the application's error box.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/text.h"

namespace kelmarin {

using Bytes = std::vector<uint8_t>;

class SettingsStorage {
 public:
  virtual ~SettingsStorage() = default;

  // The full path of the running executable (GetModuleFileNameA, room 260).
  virtual Text ModuleFileName() = 0;
  // True for an existing file; a directory does not count.
  virtual bool FileExists(const Text& path) = 0;
  // Opens for reading, shared with nobody, and reads at most maxBytes.
  // Throws FileOpenError when the file cannot be opened.
  virtual Bytes ReadExclusive(const Text& path, size_t maxBytes) = 0;
  // Creates or replaces the file, shared with nobody, normal attributes,
  // and writes the bytes in one write. Throws FileCreateError when the file
  // cannot be created and FileWriteError when the write fails or falls short.
  virtual void WriteExclusive(const Text& path, const Bytes& bytes) = 0;
};

}  // namespace kelmarin
