#pragma once
// A plain window that holds other controls: the main window, the pages of
// the page control and the strips on them. It paints the button face,
// reflects its children's notifications to their wrappers and lets its
// owner see every message first (resizing, closing, ...).
#include <windows.h>

#include <functional>

#include "platform/text.h"
#include "platform/win32/ui/control.h"

namespace kelmarin::win32 {

class Container : public Control {
 public:
  ~Container() override;

  // A child container when style has WS_CHILD (id is its control id),
  // otherwise a top-level window owned by parent.
  void Create(HWND parent, int id, const RECT& bounds, DWORD style, DWORD exStyle,
              const Text& caption = Text());
  void Destroy();

  // Sees every message before the default handling; returns true when it
  // answered the message with *result.
  std::function<bool(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)> onMessage;
  // After the client area changed its size.
  std::function<void()> onResize;

 private:
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT HandleMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
};

// Moves a child window to bounds given in its parent's client pixels.
void PlaceWindow(HWND hwnd, const RECT& bounds);

// The client size of a window.
SIZE ClientSize(HWND hwnd);

Text WindowText(HWND hwnd);

}  // namespace kelmarin::win32
