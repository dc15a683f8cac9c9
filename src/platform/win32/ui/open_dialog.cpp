#include "platform/win32/ui/open_dialog.h"

#include <commdlg.h>

namespace kelmarin::win32 {

namespace {

constexpr size_t kRoom = 260;

using GetOpenFileNameFunction = BOOL(WINAPI*)(LPOPENFILENAMEA);

// The dialog's library brings the shell and the print spooler with it; most
// starts never open the dialog, so it is loaded at the first use rather than
// at every start. Taken from the system folder by full path, never from the
// program's folder or the current one.
GetOpenFileNameFunction LoadGetOpenFileName() {
  static GetOpenFileNameFunction function = [] {
    char path[MAX_PATH];
    UINT length = GetSystemDirectoryA(path, MAX_PATH);
    const char kName[] = "\\comdlg32.dll";
    if (length == 0 || length + sizeof kName > MAX_PATH) return GetOpenFileNameFunction();
    lstrcpyA(path + length, kName);
    HMODULE library = LoadLibraryA(path);
    if (!library) return GetOpenFileNameFunction();
    return reinterpret_cast<GetOpenFileNameFunction>(
        reinterpret_cast<void*>(GetProcAddress(library, "GetOpenFileNameA")));
  }();
  return function;
}

}  // namespace

bool OpenDialog::Execute(HWND owner) {
  GetOpenFileNameFunction getOpenFileName = LoadGetOpenFileName();
  if (!getOpenFileName) return false;

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
  if (!getOpenFileName(&request)) return false;
  fileName_ = file;
  return true;
}

}  // namespace kelmarin::win32
