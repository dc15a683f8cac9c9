// The archiving run over 100 ticked infobases with an archiver that ends at
// once, against a bare loop that starts and waits for the same 100 command
// lines: what the run adds around the archiver processes.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "archiving/archiving_run.h"
#include "platform/win32/win32_system.h"
#include "support/stand_in.h"
#include "timing.h"

namespace kelmarin::bench {
namespace {

using test_support::ScopedEnvironment;
using test_support::StandInPath;
using test_support::TempFolder;

constexpr int kInfobases = 100;
// Each round starts the archiver 100 times on each side; nine rounds keep a
// slow spell of the machine from deciding the median.
constexpr int kRounds = 9;

// The real system, except that the completion box is only counted, and,
// when asked, the command lines are kept.
class QuietSystem : public win32::Win32System {
 public:
  void ShowMessage(WindowHandle, const Text&, const Text&, unsigned iconFlags) override {
    ++messages;
    lastIcon = iconFlags;
  }
  ProcessOutcome RunAndWait(const Text& commandLine) override {
    if (recording) commandLines.push_back(commandLine);
    ProcessOutcome outcome;
    secondsInStarts += Seconds([&] { outcome = Win32System::RunAndWait(commandLine); });
    return outcome;
  }

  int messages = 0;
  unsigned lastIcon = 0;
  bool recording = false;
  std::vector<Text> commandLines;
  double secondsInStarts = 0;
};

// The main window as the run sees it, every item ticked, nothing drawn.
class ListedWindow : public RunWindow {
 public:
  ListedWindow(const Text& archiver, const Text& destination) {
    fields_[0] = archiver;
    fields_[3] = destination;
  }
  Text FieldText(Field field) override { return fields_[static_cast<int>(field)]; }
  void SetFieldText(Field field, const Text& text) override {
    fields_[static_cast<int>(field)] = text;
  }
  int MethodIndex() override { return 3; }
  bool DateFolderTicked() override { return false; }
  int ItemCount() override { return kInfobases; }
  bool ItemTicked(int) override { return true; }
  void UntickItem(int) override {}
  Text ItemText(int index) override { return "База " + std::to_string(index); }
  void SelectItem(int) override {}
  void ListClick() override {}
  void SetProgressLabelVisible(bool) override {}
  void SetProgressVisible(bool) override {}
  void SetProgressPosition(int) override {}
  void SetProgressMax(int) override {}
  void StepProgress() override {}
  void DropStayOnTop() override {}
  void ProcessWaitingMessages() override {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
  }
  WindowHandle Owner() override { return nullptr; }

 private:
  Text fields_[4];
};

// Starts and waits for each command line, as any program must at least;
// with inherited, passing this process's own startup information on, as
// the program does.
void BareLoop(const std::vector<Text>& commandLines, bool inherited, int& failures) {
  for (const Text& line : commandLines) {
    std::vector<char> writable(line.begin(), line.end());
    writable.push_back('\0');
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    if (inherited) GetStartupInfoA(&startup);
    PROCESS_INFORMATION started{};
    if (!CreateProcessA(nullptr, writable.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &started)) {
      ++failures;
      continue;
    }
    WaitForSingleObject(started.hProcess, INFINITE);
    DWORD exitCode = 1;
    if (!GetExitCodeProcess(started.hProcess, &exitCode) || exitCode != 0) ++failures;
    CloseHandle(started.hThread);
    CloseHandle(started.hProcess);
  }
}

int Run() {
  // The stand-in ends at once with 0 and writes no log.
  ScopedEnvironment noLog(test_support::kLogVariable, std::nullopt);
  ScopedEnvironment exitZero(test_support::kExitVariable, std::nullopt);
  ScopedEnvironment noSleep(test_support::kSleepVariable, std::nullopt);

  TempFolder folder;
  const Text archiver = StandInPath();
  const Text destination = folder / "backup";
  if (!CreateDirectoryA(destination.c_str(), nullptr)) {
    std::printf("run: could not create %s\n", destination.c_str());
    return 1;
  }
  InfobasePaths paths;
  for (int i = 0; i < kInfobases; ++i) {
    paths.push_back(folder / ("base" + std::to_string(i)));
    if (!CreateDirectoryA(paths.back().c_str(), nullptr)) {
      std::printf("run: could not create %s\n", paths.back().c_str());
      return 1;
    }
  }

  // One run to learn the command lines; it also warms the caches for both.
  QuietSystem system;
  ListedWindow window(archiver, destination);
  system.recording = true;
  RunArchiving(window, system, paths);
  system.recording = false;
  if (system.commandLines.size() != static_cast<size_t>(kInfobases) ||
      system.lastIcon != kIconInformation) {
    std::printf("run: the archiver ran %u times, report icon %u; expected %d runs, success\n",
                static_cast<unsigned>(system.commandLines.size()), system.lastIcon, kInfobases);
    return 1;
  }

  int bareFailures = 0;
  std::vector<double> inStarts;
  const Side ours{[&] { system.secondsInStarts = 0; },
                  [&] {
                    RunArchiving(window, system, paths);
                    inStarts.push_back(system.secondsInStarts);
                  }};
  const Side bare{nullptr, [&] { BareLoop(system.commandLines, false, bareFailures); }};
  const Comparison result = Compare(kRounds, ours, bare);
  Report("run overhead (100 infobases)", result, 1.1);
  std::printf("run: %.2f ms per archiver start in the bare loop\n",
              result.bare * 1000 / kInfobases);

  // Where the difference lies: the run's own work between the starts, and
  // the way the program starts the archiver.
  const double startsMs = Median(inStarts) * 1000;
  std::printf("  of which starting and waiting for the archiver: %.2f ms, the rest of the run: "
              "%.2f ms\n", startsMs, result.ours * 1000 - startsMs);
  const Comparison startup =
      Compare(kRounds, Side{nullptr, [&] { BareLoop(system.commandLines, true, bareFailures); }},
              bare);
  Report("  bare loop passing on its own startup information", startup, 1.1);
  if (bareFailures != 0 || system.lastIcon != kIconInformation) {
    std::printf("run: %d bare starts failed, last report icon %u\n", bareFailures,
                system.lastIcon);
    return 1;
  }
  return 0;
}

}  // namespace
}  // namespace kelmarin::bench

int main() { return kelmarin::bench::Run(); }
