#pragma once
// The tab strip of a page control. The pages themselves are containers of
// their own that the owner places over DisplayRect().
#include <windows.h>

#include <functional>

#include "platform/text.h"
#include "platform/win32/ui/control.h"

namespace kelmarin::win32 {

class TabControl : public Control {
 public:
  void Create(HWND parent, int id, const RECT& bounds, HFONT font, DWORD extraStyle);

  void AddTab(const Text& caption);
  int Count() const;
  Text TabText(int index) const;
  int Selected() const;
  // Selects from the program, without onChange.
  void Select(int index);
  // The area that pages cover, in the parent's client pixels.
  RECT DisplayRect() const;

  // The user picked another tab.
  std::function<void()> onChange;

  bool OnReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
};

}  // namespace kelmarin::win32
