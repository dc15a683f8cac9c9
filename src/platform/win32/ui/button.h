#pragma once
// A push button.
#include <windows.h>

#include <functional>

#include "platform/text.h"
#include "platform/win32/ui/control.h"

namespace kelmarin::win32 {

class Button : public Control {
 public:
  void Create(HWND parent, int id, const RECT& bounds, HFONT font, const Text& caption,
              DWORD extraStyle);

  std::function<void()> onClick;

  bool OnReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
};

}  // namespace kelmarin::win32
