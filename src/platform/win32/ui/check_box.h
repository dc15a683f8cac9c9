#pragma once
// A two-state check box.
#include <windows.h>

#include "platform/text.h"
#include "platform/win32/ui/control.h"

namespace kelmarin::win32 {

class CheckBox : public Control {
 public:
  void Create(HWND parent, int id, const RECT& bounds, HFONT font, const Text& caption,
              DWORD extraStyle);

  bool Checked() const;
  void SetChecked(bool checked);
};

}  // namespace kelmarin::win32
