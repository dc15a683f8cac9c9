#include "platform/win32/ui/edit.h"

#include "platform/win32/ui/child_window.h"
#include "platform/win32/ui/container.h"

namespace kelmarin::win32 {

void Edit::Create(HWND parent, int id, const RECT& bounds, HFONT font, DWORD extraStyle,
                  DWORD extraExStyle) {
  HWND hwnd = CreateChildWindow("EDIT", parent, id, bounds, ES_LEFT | ES_AUTOHSCROLL | extraStyle,
                                extraExStyle, Text(), font);
  if (!hwnd) return;
  Attach(hwnd);
  originalProc_ = Subclass(hwnd, &SubclassProc);
}

Text Edit::GetText() const { return WindowText(Handle()); }

void Edit::SetText(const Text& text) { SetWindowTextA(Handle(), text.c_str()); }

void Edit::SetLimit(int maxChars) { SendMessageA(Handle(), EM_LIMITTEXT, maxChars, 0); }

void Edit::SetReadOnly(bool readOnly) { SendMessageA(Handle(), EM_SETREADONLY, readOnly, 0); }

LRESULT CALLBACK Edit::SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = static_cast<Edit*>(FromHandle(hwnd));
  if (!self) return DefWindowProcA(hwnd, message, wParam, lParam);
  if (message == WM_CHAR && self->onKeyPress) {
    char key = static_cast<char>(wParam);
    self->onKeyPress(key);
    if (key == 0) return 0;
    wParam = static_cast<unsigned char>(key);
  }
  return CallWindowProcA(self->originalProc_, hwnd, message, wParam, lParam);
}

}  // namespace kelmarin::win32
