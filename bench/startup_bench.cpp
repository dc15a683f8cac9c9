// Start-up of Kelmarin.exe, from the start of its process to its main
// window shown, against a minimal program of ours that shows one window.
// A third program, the floor, shows a window with the same system controls
// and nothing else, so the figures tell the price of the controls from the
// price of our own code. All run from a scratch folder, so no settings.opt
// is found, and in the benchmark's Wine prefix, which has no 1C key: the
// list stays empty.
#include <windows.h>

#include <cstdio>
#include <vector>

#include "support/stand_in.h"
#include "timing.h"

namespace kelmarin::bench {
namespace {

using test_support::FindAbove;
using test_support::TempFolder;

Text FolderOf(const Text& path) { return path.substr(0, path.find_last_of('\\')); }

constexpr int kRounds = 7;
constexpr DWORD kShowTimeoutMs = 30000;
constexpr DWORD kExitTimeoutMs = 10000;

const char kMainCaption[] = "Архивация БД 1С:Предприятие v7.7";
const char kMinimalCaption[] = "Kelmarin bench minimal window";
const char kControlsCaption[] = "Kelmarin bench controls window";

struct Launch {
  Text program;
  Text caption;
  Text settingsFile;  // removed before every start; empty for none
  int failures = 0;
};

// Starts the program, waits until its window is visible, then closes it and
// waits for the process to end; only the way to the visible window counts.
double TimeToWindow(Launch& launch) {
  if (!launch.settingsFile.empty()) DeleteFileA(launch.settingsFile.c_str());
  std::vector<char> commandLine(launch.program.begin(), launch.program.end());
  commandLine.insert(commandLine.begin(), '"');
  commandLine.push_back('"');
  commandLine.push_back('\0');
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION started{};
  LARGE_INTEGER frequency;
  LARGE_INTEGER start;
  LARGE_INTEGER shown;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&start);
  if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      FolderOf(launch.program).c_str(), &startup, &started)) {
    ++launch.failures;
    return 0;
  }
  HWND window = nullptr;
  const DWORD deadline = GetTickCount() + kShowTimeoutMs;
  for (;;) {
    window = FindWindowA(nullptr, launch.caption.c_str());
    if (window && IsWindowVisible(window)) break;
    if (static_cast<LONG>(GetTickCount() - deadline) > 0 ||
        WaitForSingleObject(started.hProcess, 0) == WAIT_OBJECT_0) {
      window = nullptr;
      break;
    }
    Sleep(1);
  }
  QueryPerformanceCounter(&shown);
  if (window) PostMessageA(window, WM_CLOSE, 0, 0);
  if (!window || WaitForSingleObject(started.hProcess, kExitTimeoutMs) != WAIT_OBJECT_0) {
    ++launch.failures;
    TerminateProcess(started.hProcess, 1);
    WaitForSingleObject(started.hProcess, kExitTimeoutMs);
  }
  CloseHandle(started.hThread);
  CloseHandle(started.hProcess);
  return static_cast<double>(shown.QuadPart - start.QuadPart) /
         static_cast<double>(frequency.QuadPart);
}

int Run() {
  const Text kelmarin = FindAbove("Kelmarin.exe");
  const Text minimal = FindAbove("minimal_window.exe");
  const Text controls = FindAbove("controls_window.exe");
  if (kelmarin.empty() || minimal.empty() || controls.empty()) {
    std::printf("start-up: Kelmarin.exe, minimal_window.exe or controls_window.exe not found\n");
    return 1;
  }
  TempFolder scratch;
  Launch ours{scratch / "Kelmarin.exe", kMainCaption, scratch / "settings.opt"};
  Launch bare{scratch / "minimal_window.exe", kMinimalCaption, Text()};
  Launch floor{scratch / "controls_window.exe", kControlsCaption, Text()};
  if (!CopyFileA(kelmarin.c_str(), ours.program.c_str(), FALSE) ||
      !CopyFileA(minimal.c_str(), bare.program.c_str(), FALSE) ||
      !CopyFileA(controls.c_str(), floor.program.c_str(), FALSE)) {
    std::printf("start-up: could not copy the programs to %s\n", scratch.Path().c_str());
    return 1;
  }
  // One start of each first, so that none pays for loading the system
  // libraries into Wine's caches alone.
  for (Launch* launch : {&ours, &bare, &floor}) {
    TimeToWindow(*launch);
    launch->failures = 0;
  }

  const std::vector<double> medians = MedianInTurns(
      kRounds, {[&] { return TimeToWindow(ours); }, [&] { return TimeToWindow(bare); },
                [&] { return TimeToWindow(floor); }});
  const double oursMs = medians[0] * 1000;
  const double bareMs = medians[1] * 1000;
  const double floorMs = medians[2] * 1000;
  if (ours.failures != 0 || bare.failures != 0 || floor.failures != 0) {
    std::printf("start-up: of the starts of Kelmarin.exe, the minimal program and the floor, "
                "%d, %d and %d failed to show a window or to end\n",
                ours.failures, bare.failures, floor.failures);
    return 1;
  }
  Report("start-up to the main window", Comparison{medians[0], medians[1]}, 1.3);
  std::printf("  floor, the same system controls alone: %.2f ms, ratio %.3f to the bare window\n",
              floorMs, bareMs > 0 ? floorMs / bareMs : 0);
  std::printf("  ours against the floor: ratio %.3f (%.2f ms of our own)\n",
              floorMs > 0 ? oursMs / floorMs : 0, oursMs - floorMs);
  return 0;
}

}  // namespace
}  // namespace kelmarin::bench

int main() { return kelmarin::bench::Run(); }
