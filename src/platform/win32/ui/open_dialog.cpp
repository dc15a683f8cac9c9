#include "platform/win32/ui/open_dialog.h"

#include <commdlg.h>

namespace kelmarin::win32 {

namespace {
constexpr size_t kRoom = 260;
}

bool OpenDialog::Execute(HWND owner) {
  char file[kRoom] = {};
  fileName_.copy(file, kRoom - 1);

  OPENFILENAMEA request{};
  request.lStructSize = sizeof request;
  request.hwndOwner = owner;
  request.lpstrFile = file;
  request.nMaxFile = kRoom;
  // The read-only box is shown and starts ticked; nobody reads it back.
  request.Flags = OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_ENABLESIZING |
                  OFN_READONLY;
  if (!GetOpenFileNameA(&request)) return false;
  fileName_ = file;
  return true;
}

}  // namespace kelmarin::win32
