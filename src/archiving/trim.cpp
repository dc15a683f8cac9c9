#include "archiving/trim.h"

namespace kelmarin {

namespace {
// Compared as unsigned: Cyrillic bytes are negative as plain char.
bool IsBlank(char c) { return static_cast<unsigned char>(c) <= 0x20; }
}  // namespace

Text Trim(const Text& text) {
  size_t first = 0;
  size_t last = text.size();
  while (first < last && IsBlank(text[first])) ++first;
  while (last > first && IsBlank(text[last - 1])) --last;
  return text.substr(first, last - first);
}

}  // namespace kelmarin
