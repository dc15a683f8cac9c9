#pragma once
// Which of the system's message-box icons a dialog box of another process
// shows. The icon handle of another process says nothing here, so the
// picture on the screen is compared with the system's own icons drawn the
// same way.
#include <windows.h>

namespace kelmarin::e2e {

enum class BoxIcon { Unknown, Error, Warning, Information };

BoxIcon IconOfBox(HWND box);

const char* NameOf(BoxIcon icon);

}  // namespace kelmarin::e2e
