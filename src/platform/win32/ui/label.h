#pragma once
// A static text. It can carry a text colour of its own; its background is
// the button face of the container it sits on.
#include <windows.h>

#include <optional>

#include "platform/text.h"
#include "platform/win32/ui/control.h"

namespace kelmarin::win32 {

class Label : public Control {
 public:
  void Create(HWND parent, int id, const RECT& bounds, HFONT font, const Text& caption,
              DWORD extraStyle);

  Text GetText() const;
  void SetText(const Text& text);
  void SetTextColor(COLORREF color) { textColor_ = color; }
  // The size that the caption needs on one line, in pixels.
  SIZE TextExtent() const;

  bool OnReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

 private:
  std::optional<COLORREF> textColor_;
};

}  // namespace kelmarin::win32
