#include "platform/win32/ui/control.h"

namespace kelmarin::win32 {

namespace {

HWND ChildOf(HWND container, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      return reinterpret_cast<HWND>(lParam);
    case WM_NOTIFY:
      return reinterpret_cast<NMHDR*>(lParam)->hwndFrom;
    case WM_DRAWITEM:
      return reinterpret_cast<DRAWITEMSTRUCT*>(lParam)->hwndItem;
    case WM_MEASUREITEM:
      return GetDlgItem(container, static_cast<int>(wParam));
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
      return reinterpret_cast<HWND>(lParam);
    default:
      return nullptr;
  }
}
}  // namespace

// The wrapper lives in the window's user data: it is looked up for nearly
// every message, and a window property costs a round trip to the server
// under Wine, which made filling a long list three times slower.
Control::~Control() {
  if (hwnd_ && IsWindow(hwnd_) && FromHandle(hwnd_) == this) {
    SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
  }
}

Control* Control::FromHandle(HWND hwnd) {
  if (!hwnd) return nullptr;
  return reinterpret_cast<Control*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
}

bool Control::OnReflected(UINT, WPARAM, LPARAM, LRESULT*) { return false; }

bool Control::Reflect(HWND container, UINT message, WPARAM wParam, LPARAM lParam,
                      LRESULT* result) {
  HWND child = ChildOf(container, message, wParam, lParam);
  Control* control = FromHandle(child);
  return control && control->OnReflected(message, wParam, lParam, result);
}

void Control::Attach(HWND hwnd) {
  hwnd_ = hwnd;
  SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

}  // namespace kelmarin::win32
