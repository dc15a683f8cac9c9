#include "archiving/file_name_rules.h"

namespace kelmarin {

bool IsReservedNameChar(char c) {
  switch (c) {
    case '"': case '*': case '.': case '/': case ':':
    case '<': case '>': case '?': case '\\': case '|':
      return true;
    default:
      return false;
  }
}

Text DotsReplace(const Text& text) {
  Text result;
  result.reserve(text.size());
  for (char c : text) result += IsReservedNameChar(c) ? ' ' : c;
  return result;
}

void FilterNameKey(char& key) {
  if (IsReservedNameChar(key)) key = '\0';
}

}  // namespace kelmarin
