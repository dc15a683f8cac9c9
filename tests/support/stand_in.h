#pragma once
// What tests under Wine need to drive the stand-in archiver
// (stand_in_archiver.exe, built next to Kelmarin.exe): where it is, what it
// logged, the environment that steers it, and scratch folders to work in.
#include <optional>
#include <vector>

#include "platform/text.h"

namespace kelmarin::test_support {

inline constexpr char kLogVariable[] = "KELMARIN_STANDIN_LOG";
inline constexpr char kExitVariable[] = "KELMARIN_STANDIN_EXIT";
inline constexpr char kSleepVariable[] = "KELMARIN_STANDIN_SLEEP_MS";

// The Windows path of a file built into the build tree (Kelmarin.exe, the
// stand-in): in the folder of the running program or the nearest folder
// above it that holds one; empty when there is none.
Text FindAbove(const char* name);

// The Windows path of stand_in_archiver.exe, found as FindAbove finds it.
Text StandInPath();

// The command lines the stand-in logged, one per call, oldest first; empty
// when there is no log yet.
std::vector<Text> ReadLogLines(const Text& logPath);

// Sets an environment variable of this process, which the programs it starts
// inherit, or removes it when given no value; the old state comes back at the
// end of the scope.
class ScopedEnvironment {
 public:
  ScopedEnvironment(const Text& name, const std::optional<Text>& value);
  ScopedEnvironment(const ScopedEnvironment&) = delete;
  ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;
  ~ScopedEnvironment();

 private:
  Text name_;
  std::optional<Text> previous_;
};

// A new empty folder under the user's temporary folder, removed with all it
// holds at the end of the scope.
class TempFolder {
 public:
  TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  ~TempFolder();

  // The folder's path, without a closing backslash.
  const Text& Path() const { return path_; }
  // The path of a name inside the folder.
  Text operator/(const Text& name) const { return path_ + "\\" + name; }

 private:
  Text path_;
};

// Writes a small file, creating or replacing it; false when that fails.
bool WriteTextFile(const Text& path, const Text& content);

}  // namespace kelmarin::test_support
