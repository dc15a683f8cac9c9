#pragma once
// Base of the thin wrappers around the system's controls. A container window
// reflects what it hears about a child (WM_COMMAND notifications, WM_NOTIFY,
// WM_DRAWITEM, WM_MEASUREITEM, WM_CTLCOLOR*) back to that child's wrapper,
// so each wrapper keeps its own behaviour in one place.
#include <windows.h>

namespace kelmarin::win32 {

class Control {
 public:
  Control() = default;
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;
  virtual ~Control();

  HWND Handle() const { return hwnd_; }

  // The wrapper of a child window, or nullptr when it has none.
  static Control* FromHandle(HWND hwnd);

  // Called by the container for a message about this control. Returns true
  // when the wrapper handled it and *result holds the answer.
  virtual bool OnReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);

  // For a container's window procedure: finds the child a message is about
  // and reflects it. Returns true when a wrapper handled it.
  static bool Reflect(HWND container, UINT message, WPARAM wParam, LPARAM lParam,
                      LRESULT* result);

 protected:
  // Binds the wrapper to its window; the window must outlive no wrapper.
  void Attach(HWND hwnd);

 private:
  HWND hwnd_ = nullptr;
};

}  // namespace kelmarin::win32
