#include "platform/win32/ui/progress_bar.h"

#include <commctrl.h>

#include "platform/win32/ui/child_window.h"

namespace kelmarin::win32 {

void ProgressBar::Create(HWND parent, int id, const RECT& bounds, DWORD extraStyle) {
  HWND hwnd = CreateChildWindow(PROGRESS_CLASSA, parent, id, bounds, extraStyle, 0, Text(), nullptr);
  if (hwnd) Attach(hwnd);
}

void ProgressBar::SetRange(int minimum, int maximum) {
  SendMessageA(Handle(), PBM_SETRANGE32, minimum, maximum);
}

void ProgressBar::SetMax(int maximum) {
  int minimum = static_cast<int>(SendMessageA(Handle(), PBM_GETRANGE, TRUE, 0));
  SetRange(minimum, maximum);
}

void ProgressBar::SetStep(int step) { SendMessageA(Handle(), PBM_SETSTEP, step, 0); }

void ProgressBar::SetPosition(int position) { SendMessageA(Handle(), PBM_SETPOS, position, 0); }

int ProgressBar::Position() const {
  return static_cast<int>(SendMessageA(Handle(), PBM_GETPOS, 0, 0));
}

int ProgressBar::Max() const {
  return static_cast<int>(SendMessageA(Handle(), PBM_GETRANGE, FALSE, 0));
}

void ProgressBar::StepIt() { SendMessageA(Handle(), PBM_STEPIT, 0, 0); }

}  // namespace kelmarin::win32
