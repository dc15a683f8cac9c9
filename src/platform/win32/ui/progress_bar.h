#pragma once
// A progress bar. A step past the maximum starts it again from the minimum,
// as the system's control does.
#include <windows.h>

#include "platform/win32/ui/control.h"

namespace kelmarin::win32 {

class ProgressBar : public Control {
 public:
  void Create(HWND parent, int id, const RECT& bounds, DWORD extraStyle);

  void SetRange(int minimum, int maximum);
  void SetMax(int maximum);
  void SetStep(int step);
  void SetPosition(int position);
  int Position() const;
  int Max() const;
  void StepIt();
};

}  // namespace kelmarin::win32
