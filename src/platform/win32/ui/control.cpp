#include "platform/win32/ui/control.h"

namespace kelmarin::win32 {

namespace {
const char kWrapperProperty[] = "KelmarinControl";

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

Control::~Control() {
  if (hwnd_ && IsWindow(hwnd_)) RemovePropA(hwnd_, kWrapperProperty);
}

Control* Control::FromHandle(HWND hwnd) {
  if (!hwnd) return nullptr;
  return static_cast<Control*>(GetPropA(hwnd, kWrapperProperty));
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
  SetPropA(hwnd, kWrapperProperty, this);
}

}  // namespace kelmarin::win32
