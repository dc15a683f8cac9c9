#include "platform/win32/ui/label.h"

#include "platform/win32/ui/child_window.h"
#include "platform/win32/ui/container.h"

namespace kelmarin::win32 {

void Label::Create(HWND parent, int id, const RECT& bounds, HFONT font, const Text& caption,
                   DWORD extraStyle) {
  HWND hwnd = CreateChildWindow("STATIC", parent, id, bounds, extraStyle, 0, caption, font);
  if (hwnd) Attach(hwnd);
}

Text Label::GetText() const { return WindowText(Handle()); }

void Label::SetText(const Text& text) { SetWindowTextA(Handle(), text.c_str()); }

SIZE Label::TextExtent() const {
  SIZE size{};
  HDC dc = GetDC(Handle());
  HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(Handle(), WM_GETFONT, 0, 0)));
  Text text = GetText();
  GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
  SelectObject(dc, old);
  ReleaseDC(Handle(), dc);
  return size;
}

bool Label::OnReflected(UINT message, WPARAM wParam, LPARAM, LRESULT* result) {
  if (message != WM_CTLCOLORSTATIC || !textColor_) return false;
  HDC dc = reinterpret_cast<HDC>(wParam);
  ::SetTextColor(dc, *textColor_);
  SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
  *result = reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
  return true;
}

}  // namespace kelmarin::win32
