#pragma once
// Creates a child window of one of the system's control classes.
#include <windows.h>

#include "platform/text.h"

namespace kelmarin::win32 {

HWND CreateChildWindow(const char* className, HWND parent, int id, const RECT& bounds,
                       DWORD style, DWORD exStyle, const Text& text, HFONT font);

// Replaces a window's procedure; returns the one it had.
WNDPROC Subclass(HWND hwnd, WNDPROC procedure);

}  // namespace kelmarin::win32
