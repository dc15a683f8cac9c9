// Start-up of Kelmarin.exe, from the start of its process to its main
// window shown, against a minimal program of ours that shows one window.
// Both run from a scratch folder, so no settings.opt is found, and in the
// benchmark's Wine prefix, which has no 1C key: the list stays empty.
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
  if (kelmarin.empty() || minimal.empty()) {
    std::printf("start-up: Kelmarin.exe or minimal_window.exe not found\n");
    return 1;
  }
  TempFolder scratch;
  Launch ours{scratch / "Kelmarin.exe", kMainCaption, scratch / "settings.opt"};
  Launch bare{scratch / "minimal_window.exe", kMinimalCaption, Text()};
  if (!CopyFileA(kelmarin.c_str(), ours.program.c_str(), FALSE) ||
      !CopyFileA(minimal.c_str(), bare.program.c_str(), FALSE)) {
    std::printf("start-up: could not copy the programs to %s\n", scratch.Path().c_str());
    return 1;
  }
  // One start of each first, so that neither pays for loading the system
  // libraries into Wine's caches alone.
  TimeToWindow(ours);
  TimeToWindow(bare);
  ours.failures = 0;
  bare.failures = 0;

  const Comparison result = CompareTimed(
      kRounds, [&] { return TimeToWindow(ours); }, [&] { return TimeToWindow(bare); });
  if (ours.failures != 0 || bare.failures != 0) {
    std::printf("start-up: %d starts of Kelmarin.exe and %d of the minimal program failed "
                "to show a window or to end\n", ours.failures, bare.failures);
    return 1;
  }
  Report("start-up to the main window", result, 1.3);
  return 0;
}

}  // namespace
}  // namespace kelmarin::bench

int main() { return kelmarin::bench::Run(); }
