#pragma once
// A drop-down box whose text field takes typing. Typed text is completed to
// the first item that begins with it, and that item becomes the selected
// one; the completed part stays selected so that typing goes on over it.
#include <windows.h>

#include "platform/text.h"
#include "platform/win32/ui/control.h"

namespace kelmarin::win32 {

class ComboBox : public Control {
 public:
  ~ComboBox() override;

  // bounds.bottom - bounds.top is the height of the closed box; the list
  // drops below it.
  void Create(HWND parent, int id, const RECT& bounds, HFONT font, DWORD extraStyle);

  void AddItem(const Text& text);
  int Count() const;
  // -1 when no item is selected.
  int Selected() const;
  // Any index outside the items leaves no item selected.
  void Select(int index);
  Text GetText() const;
  HWND EditHandle() const { return edit_; }

 private:
  static LRESULT CALLBACK EditProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  void Complete();

  HWND edit_ = nullptr;
  WNDPROC originalEditProc_ = nullptr;
};

}  // namespace kelmarin::win32
