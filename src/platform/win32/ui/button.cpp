#include "platform/win32/ui/button.h"

#include "platform/win32/ui/child_window.h"

namespace kelmarin::win32 {

void Button::Create(HWND parent, int id, const RECT& bounds, HFONT font, const Text& caption,
                    DWORD extraStyle) {
  HWND hwnd = CreateChildWindow("BUTTON", parent, id, bounds, BS_PUSHBUTTON | extraStyle, 0,
                                caption, font);
  if (hwnd) Attach(hwnd);
}

bool Button::OnReflected(UINT message, WPARAM wParam, LPARAM, LRESULT* result) {
  if (message != WM_COMMAND || HIWORD(wParam) != BN_CLICKED) return false;
  if (onClick) onClick();
  *result = 0;
  return true;
}

}  // namespace kelmarin::win32
