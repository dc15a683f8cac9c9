// The least a Win32 program does to show a window: the baseline for the
// start-up of Kelmarin.exe. Ends when the window is closed.
#include <windows.h>

#include "bare_window.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  const char kClass[] = "KelmarinBenchMinimal";
  if (!kelmarin::bench::RegisterBareClass(instance, kClass)) return 1;
  HWND window = CreateWindowExA(0, kClass, "Kelmarin bench minimal window", WS_OVERLAPPEDWINDOW,
                                136, 111, 544, 375, nullptr, nullptr, instance, nullptr);
  if (!window) return 1;
  ShowWindow(window, SW_SHOWNORMAL);
  UpdateWindow(window);
  return kelmarin::bench::RunMessageLoop();
}
