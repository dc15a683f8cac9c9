// The least a Win32 program does to show a window: the baseline for the
// start-up of Kelmarin.exe. Ends when the window is closed.
#include <windows.h>

namespace {

LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = WindowProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = "KelmarinBenchMinimal";
  if (!RegisterClassA(&windowClass)) return 1;
  HWND window = CreateWindowExA(0, windowClass.lpszClassName, "Kelmarin bench minimal window",
                                WS_OVERLAPPEDWINDOW, 136, 111, 544, 375, nullptr, nullptr,
                                instance, nullptr);
  if (!window) return 1;
  ShowWindow(window, SW_SHOWNORMAL);
  UpdateWindow(window);
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return 0;
}
