#include "platform/errors.h"

namespace kelmarin {

namespace {

Text WithoutClosingStop(Text description) {
  while (!description.empty() &&
         (description.back() == '\n' || description.back() == '\r' ||
          description.back() == ' ')) {
    description.pop_back();
  }
  if (!description.empty() && description.back() == '.') description.pop_back();
  return description;
}

Text FileMessage(const char* what, const Text& path, const Text& description) {
  return Text(what) + " \"" + path + "\". " + WithoutClosingStop(description);
}

}  // namespace

InOutError::InOutError(uint32_t code) : Error(InOutErrorMessage(code)), code_(code) {}

Text InOutErrorMessage(uint32_t code) {
  switch (code) {
    case 2: return "File not found";
    case 3: return "Invalid filename";
    case 4: return "Too many open files";
    case 5: return "File access denied";
    case 100: return "Read beyond end of file";
    case 101: return "Disk full";
    case 106: return "Invalid numeric input";
    default: return "I/O error " + std::to_string(code);
  }
}

FileOpenError::FileOpenError(const Text& path, const Text& systemDescription)
    : Error(FileMessage("Cannot open file", path, systemDescription)) {}

FileCreateError::FileCreateError(const Text& path, const Text& systemDescription)
    : Error(FileMessage("Cannot create file", path, systemDescription)) {}

FileWriteError::FileWriteError(const Text& path, const Text& systemDescription)
    : Error(FileMessage("Cannot write file", path, systemDescription)) {}

Text ErrorBoxText(const Text& message) {
  if (!message.empty() && static_cast<unsigned char>(message.back()) > '.') {
    return message + ".";
  }
  return message;
}

}  // namespace kelmarin
