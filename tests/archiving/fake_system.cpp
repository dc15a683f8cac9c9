#include "archiving/fake_system.h"

#include <string>

#include "platform/errors.h"

namespace kelmarin {

LocalTime At(int year, int month, int day, int hour, int minute, int second,
             int millisecond) {
  return LocalTime{year, month, day, hour, minute, second, millisecond};
}

bool FakeSystem::FileExists(const Text& path) {
  log_.Add("FileExists '" + path + "'");
  return files.count(path) > 0;
}

bool FakeSystem::DirectoryExists(const Text& path) {
  log_.Add("DirectoryExists '" + path + "'");
  return directories.count(path) > 0;
}

void FakeSystem::CreateFolder(const Text& path) {
  log_.Add("CreateFolder '" + path + "'");
  if (createFolderError) throw InOutError(*createFolderError);
  createdFolders.push_back(path);
  directories.insert(path);
}

LocalTime FakeSystem::Now() {
  log_.Add("Now");
  if (clock.empty()) return LocalTime{};
  const size_t index = clockReads_ < clock.size() ? clockReads_ : clock.size() - 1;
  ++clockReads_;
  return clock[index];
}

LongTimeFormat FakeSystem::UserLongTimeFormat() {
  log_.Add("UserLongTimeFormat");
  return longTimeFormat;
}

void FakeSystem::ShowMessage(WindowHandle owner, const Text& text,
                             const Text& caption, unsigned iconFlags) {
  log_.Add("ShowMessage " + std::to_string(iconFlags) + " '" + text + "'");
  messages.push_back({owner, text, caption, iconFlags});
}

ProcessOutcome FakeSystem::RunAndWait(const Text& commandLine) {
  log_.Add("RunAndWait " + commandLine);
  commandLines.push_back(commandLine);
  if (runOutcome) return runOutcome(commandLine);
  return {true, 0};
}

}  // namespace kelmarin
