#include "platform/win32/system_error.h"

namespace kelmarin::win32 {

Text SystemErrorDescription(DWORD code) {
  char buffer[512];
  DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS |
                                    FORMAT_MESSAGE_ARGUMENT_ARRAY,
                                nullptr, code, 0, buffer, sizeof buffer, nullptr);
  Text text(buffer, length);
  while (!text.empty() && (text.back() == '\r' || text.back() == '\n' || text.back() == ' ')) {
    text.pop_back();
  }
  if (text.empty()) text = "System error " + std::to_string(code);
  return text;
}

}  // namespace kelmarin::win32
