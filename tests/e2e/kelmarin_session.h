#pragma once
// Kelmarin.exe started as a process of its own from a folder of the test's,
// so that its settings.opt lands there, and driven from outside only by
// window messages, as a user's clicks and keys would reach it.
//
// Every wait is bounded: a program that hangs fails the test instead of
// stopping it. A program still running when the session ends is terminated.
#include <windows.h>

#include <optional>
#include <vector>

#include "e2e/box_icon.h"
#include "platform/text.h"
#include "platform/win32/handle.h"

namespace kelmarin::e2e {

inline constexpr DWORD kWaitMs = 20000;

// A dialog box of the program (message box or error box) as it was shown.
struct SeenBox {
  HWND window = nullptr;
  HWND owner = nullptr;
  Text caption;
  Text text;
  BoxIcon icon = BoxIcon::Unknown;
};

class KelmarinSession {
 public:
  // Copies Kelmarin.exe from the build into folder and starts the copy, with
  // folder as its current directory and this process's environment.
  explicit KelmarinSession(const Text& folder);
  KelmarinSession(const KelmarinSession&) = delete;
  KelmarinSession& operator=(const KelmarinSession&) = delete;
  ~KelmarinSession();

  bool Started() const { return process_.Valid(); }
  const Text& ExePath() const { return exePath_; }

  // Waits until the main window of this process is shown; false on timeout.
  bool WaitForMainWindow();
  HWND Form() const { return form_; }
  // A control of the main window by its design name.
  HWND Control(const char* name) const;

  // The tick list.
  std::vector<Text> Items() const;
  int IndexOf(const Text& title) const;
  bool Ticked(int index) const;
  // Selects the item and presses the space bar on it.
  void Tick(int index);

  // Edit boxes by name; the text goes in as WM_SETTEXT, which a read-only
  // box takes too.
  Text TextOf(const char* name) const;
  void SetText(const char* name, const Text& text);
  int MethodIndex() const;
  void SelectMethod(int index);
  bool DateFolderTicked() const;
  void SetDateFolder(bool ticked);

  // Posted, so that a handler that shows a box does not block the caller.
  void Click(const char* buttonName);
  void CloseByTitleBar();

  // The next box of the process that is not yet dismissed; nullopt on
  // timeout.
  std::optional<SeenBox> WaitForBox(DWORD timeoutMs = kWaitMs);
  // Presses OK and waits until the box is gone.
  bool Dismiss(const SeenBox& box);
  // True when no box of the process is shown for the whole interval.
  bool NoBoxFor(DWORD intervalMs);

  bool Running() const;
  // The exit code once the process has ended; nullopt on timeout.
  std::optional<DWORD> WaitForExit(DWORD timeoutMs = kWaitMs);

 private:
  std::vector<HWND> ShownBoxes() const;

  Text exePath_;
  win32::UniqueHandle process_;
  DWORD processId_ = 0;
  HWND form_ = nullptr;
};

// Polls the condition every 50 ms until it holds or the time is up.
template <class Condition>
bool PollUntil(Condition condition, DWORD timeoutMs = kWaitMs) {
  DWORD start = GetTickCount();
  for (;;) {
    if (condition()) return true;
    if (GetTickCount() - start >= timeoutMs) return false;
    Sleep(50);
  }
}

// Code page 1251 to UTF-8, so that a failing comparison prints readably.
std::string Utf8(const Text& text);

}  // namespace kelmarin::e2e
