#pragma once
// A single-line edit box. The typing limit bounds only what the user types
// or pastes; text set by the program goes in whole.
#include <windows.h>

#include <functional>

#include "platform/text.h"
#include "platform/win32/ui/control.h"

namespace kelmarin::win32 {

class Edit : public Control {
 public:
  void Create(HWND parent, int id, const RECT& bounds, HFONT font, DWORD extraStyle,
              DWORD extraExStyle);

  Text GetText() const;
  void SetText(const Text& text);
  void SetLimit(int maxChars);
  void SetReadOnly(bool readOnly);

  // Sees every typed character first; setting it to 0 drops the keystroke.
  std::function<void(char& key)> onKeyPress;

 private:
  static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

  WNDPROC originalProc_ = nullptr;
};

}  // namespace kelmarin::win32
