#pragma once
#include <windows.h>

#include "platform/text.h"

namespace kelmarin::win32 {

// The system's own description of an error code, in the user's language, as
// FormatMessageA gives it (trailing line break removed).
Text SystemErrorDescription(DWORD code);

}  // namespace kelmarin::win32
