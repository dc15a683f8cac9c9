#include "platform/win32/ui/container.h"

#include <vector>

namespace kelmarin::win32 {

namespace {
const char kClassName[] = "KelmarinContainer";

void RegisterOnce() {
  static bool registered = false;
  if (registered) return;
  WNDCLASSA windowClass{};
  windowClass.style = CS_DBLCLKS;
  windowClass.lpfnWndProc = DefWindowProcA;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = kClassName;
  RegisterClassA(&windowClass);
  registered = true;
}
}  // namespace

Container::~Container() { Destroy(); }

void Container::Create(HWND parent, int id, const RECT& bounds, DWORD style, DWORD exStyle,
                       const Text& caption) {
  RegisterOnce();
  HMENU menu = (style & WS_CHILD) ? reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)) : nullptr;
  HWND hwnd = CreateWindowExA(exStyle, kClassName, caption.c_str(), style, bounds.left,
                              bounds.top, bounds.right - bounds.left,
                              bounds.bottom - bounds.top, parent, menu,
                              GetModuleHandleA(nullptr), nullptr);
  if (!hwnd) return;
  Attach(hwnd);
  // Subclassed after creation, so messages of the creation itself go to the
  // default procedure; the wrapper only needs the ones that follow.
  SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&WindowProc));
}

void Container::Destroy() {
  HWND hwnd = Handle();
  if (hwnd && IsWindow(hwnd)) {
    SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&DefWindowProcA));
    DestroyWindow(hwnd);
  }
}

LRESULT CALLBACK Container::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = static_cast<Container*>(FromHandle(hwnd));
  if (!self) return DefWindowProcA(hwnd, message, wParam, lParam);
  return self->HandleMessage(hwnd, message, wParam, lParam);
}

LRESULT Container::HandleMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (onMessage && onMessage(message, wParam, lParam, &result)) return result;
  if (Reflect(hwnd, message, wParam, lParam, &result)) return result;
  if (message == WM_SIZE && wParam != SIZE_MINIMIZED && onResize) {
    onResize();
    return 0;
  }
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

void PlaceWindow(HWND hwnd, const RECT& bounds) {
  SetWindowPos(hwnd, nullptr, bounds.left, bounds.top, bounds.right - bounds.left,
               bounds.bottom - bounds.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

SIZE ClientSize(HWND hwnd) {
  RECT client{};
  GetClientRect(hwnd, &client);
  return SIZE{client.right, client.bottom};
}

Text WindowText(HWND hwnd) {
  int length = GetWindowTextLengthA(hwnd);
  std::vector<char> buffer(static_cast<size_t>(length) + 1);
  int got = GetWindowTextA(hwnd, buffer.data(), length + 1);
  return Text(buffer.data(), static_cast<size_t>(got > 0 ? got : 0));
}

}  // namespace kelmarin::win32
