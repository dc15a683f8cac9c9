#include "platform/win32/ui/check_box.h"

#include "platform/win32/ui/child_window.h"

namespace kelmarin::win32 {

void CheckBox::Create(HWND parent, int id, const RECT& bounds, HFONT font, const Text& caption,
                      DWORD extraStyle) {
  HWND hwnd = CreateChildWindow("BUTTON", parent, id, bounds, BS_AUTOCHECKBOX | extraStyle, 0,
                                caption, font);
  if (hwnd) Attach(hwnd);
}

bool CheckBox::Checked() const {
  return SendMessageA(Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void CheckBox::SetChecked(bool checked) {
  SendMessageA(Handle(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

}  // namespace kelmarin::win32
