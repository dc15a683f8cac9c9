#pragma once
#include "platform/text.h"

namespace kelmarin {

// The nine characters Windows refuses in file names, and the full stop.
bool IsReservedNameChar(char c);

// Each reserved character becomes a space; the length stays the same.
Text DotsReplace(const Text& text);

// The key filter of the two name fields: a reserved character becomes the
// zero character, which makes the edit box drop the keystroke.
void FilterNameKey(char& key);

}  // namespace kelmarin
