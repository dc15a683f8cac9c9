#pragma once
#include <cstdint>
#include <functional>
#include <optional>
#include <set>
#include <vector>

#include "archiving/call_log.h"
#include "platform/system.h"

namespace kelmarin {

// A file system of two name sets, a clock that tells the times it is given,
// message boxes that are recorded and archiver runs that answer as told.
class FakeSystem : public System {
 public:
  struct Message {
    WindowHandle owner = nullptr;
    Text text;
    Text caption;
    unsigned icon = 0;
  };

  explicit FakeSystem(CallLog& log) : log_(log) {}

  std::set<Text> files;
  std::set<Text> directories;
  std::vector<Text> createdFolders;
  // When set, CreateFolder fails with this Windows error code.
  std::optional<uint32_t> createFolderError;
  // Now() gives these in turn and then repeats the last one.
  std::vector<LocalTime> clock;
  LongTimeFormat longTimeFormat;  // Russian: "H:mm:ss"
  std::vector<Message> messages;
  std::vector<Text> commandLines;
  // Answers a command line; every archiver succeeds unless told otherwise.
  std::function<ProcessOutcome(const Text&)> runOutcome;

  bool FileExists(const Text& path) override;
  bool DirectoryExists(const Text& path) override;
  void CreateFolder(const Text& path) override;
  LocalTime Now() override;
  LongTimeFormat UserLongTimeFormat() override;
  void ShowMessage(WindowHandle owner, const Text& text, const Text& caption,
                   unsigned iconFlags) override;
  ProcessOutcome RunAndWait(const Text& commandLine) override;

 private:
  CallLog& log_;
  size_t clockReads_ = 0;
};

LocalTime At(int year, int month, int day, int hour, int minute, int second,
             int millisecond = 0);

}  // namespace kelmarin
