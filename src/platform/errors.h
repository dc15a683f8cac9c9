#pragma once
// Errors that reach the application's error box. Handlers throw them; the
// window code catches them at one dispatch point and shows ErrorBoxText().
#include <cstdint>
#include <exception>

#include "platform/text.h"

namespace kelmarin {

class Error : public std::exception {
 public:
  explicit Error(Text message) : message_(std::move(message)) {}
  const Text& Message() const { return message_; }
  const char* what() const noexcept override { return message_.c_str(); }

 private:
  Text message_;
};

// A failed file-system call, with the Windows error code it gave.
class InOutError : public Error {
 public:
  explicit InOutError(uint32_t code);
  uint32_t Code() const { return code_; }

 private:
  uint32_t code_;
};

// "File not found", "File access denied", ... or "I/O error <code>".
Text InOutErrorMessage(uint32_t code);

// The tick list refused another item.
class ListInsertError : public Error {
 public:
  ListInsertError() : Error("Unable to insert a line") {}
};

// 'Cannot open file "<path>". <description>' and its siblings. The system's
// description loses its closing full stop, since the error box adds one.
class FileOpenError : public Error {
 public:
  FileOpenError(const Text& path, const Text& systemDescription);
};

class FileCreateError : public Error {
 public:
  FileCreateError(const Text& path, const Text& systemDescription);
};

class FileWriteError : public Error {
 public:
  FileWriteError(const Text& path, const Text& systemDescription);
};

// The text the error box shows: a full stop is appended when the message is
// not empty and its last byte is above '.', so "Disk full" reads
// "Disk full." while "Done." or "(x)" stay as they are.
Text ErrorBoxText(const Text& message);

}  // namespace kelmarin
