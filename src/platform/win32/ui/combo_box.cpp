#include "platform/win32/ui/combo_box.h"

#include "platform/win32/ui/child_window.h"
#include "platform/win32/ui/container.h"

namespace kelmarin::win32 {

namespace {
constexpr int kDropDownHeight = 200;
}  // namespace

ComboBox::~ComboBox() {
  if (edit_ && IsWindow(edit_) && FromHandle(edit_) == this) {
    SetWindowLongPtrA(edit_, GWLP_USERDATA, 0);
  }
}

void ComboBox::Create(HWND parent, int id, const RECT& bounds, HFONT font, DWORD extraStyle) {
  RECT dropped = bounds;
  dropped.bottom += kDropDownHeight;
  HWND hwnd = CreateChildWindow("COMBOBOX", parent, id, dropped,
                                CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | extraStyle, 0,
                                Text(), font);
  if (!hwnd) return;
  Attach(hwnd);
  edit_ = GetWindow(hwnd, GW_CHILD);
  if (edit_) {
    // The text field finds the box as every control finds its wrapper: in
    // the window's user data, which the system's edit does not use.
    Control* wrapper = this;
    SetWindowLongPtrA(edit_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(wrapper));
    originalEditProc_ = Subclass(edit_, &EditProc);
  }
}

void ComboBox::AddItem(const Text& text) {
  SendMessageA(Handle(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

int ComboBox::Count() const { return static_cast<int>(SendMessageA(Handle(), CB_GETCOUNT, 0, 0)); }

int ComboBox::Selected() const {
  return static_cast<int>(SendMessageA(Handle(), CB_GETCURSEL, 0, 0));
}

void ComboBox::Select(int index) {
  if (index < 0 || index >= Count()) index = -1;
  SendMessageA(Handle(), CB_SETCURSEL, index, 0);
}

Text ComboBox::GetText() const { return WindowText(Handle()); }

// Completes only after a typed character: after Backspace or Delete the
// user is taking text away, and completing would put it straight back.
void ComboBox::Complete() {
  Text typed = WindowText(edit_);
  if (typed.empty()) return;
  DWORD selStart = 0, selEnd = 0;
  SendMessageA(edit_, EM_GETSEL, reinterpret_cast<WPARAM>(&selStart),
               reinterpret_cast<LPARAM>(&selEnd));
  if (selEnd != typed.size()) return;  // typing in the middle of the text
  LRESULT found = SendMessageA(Handle(), CB_FINDSTRING, static_cast<WPARAM>(-1),
                               reinterpret_cast<LPARAM>(typed.c_str()));
  if (found == CB_ERR) return;
  SendMessageA(Handle(), CB_SETCURSEL, found, 0);
  SendMessageA(Handle(), CB_SETEDITSEL, 0, MAKELPARAM(typed.size(), -1));
}

LRESULT CALLBACK ComboBox::EditProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = static_cast<ComboBox*>(FromHandle(hwnd));
  if (!self) return DefWindowProcA(hwnd, message, wParam, lParam);
  LRESULT result = CallWindowProcA(self->originalEditProc_, hwnd, message, wParam, lParam);
  if (message == WM_CHAR && static_cast<unsigned char>(wParam) >= 0x20) self->Complete();
  return result;
}

}  // namespace kelmarin::win32
