#include "platform/win32/ui/child_window.h"

namespace kelmarin::win32 {

HWND CreateChildWindow(const char* className, HWND parent, int id, const RECT& bounds,
                       DWORD style, DWORD exStyle, const Text& text, HFONT font) {
  HWND hwnd = CreateWindowExA(exStyle, className, text.c_str(), WS_CHILD | style, bounds.left,
                              bounds.top, bounds.right - bounds.left,
                              bounds.bottom - bounds.top, parent,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                              GetModuleHandleA(nullptr), nullptr);
  if (hwnd && font) SendMessageA(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  return hwnd;
}

WNDPROC Subclass(HWND hwnd, WNDPROC procedure) {
  return reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure)));
}

}  // namespace kelmarin::win32
