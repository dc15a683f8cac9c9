#pragma once
#include "platform/text.h"

namespace kelmarin {

// Removes every byte of value 0x20 or below (spaces, tabs, line breaks and
// other control characters) from both ends.
Text Trim(const Text& text);

}  // namespace kelmarin
