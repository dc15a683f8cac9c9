#include "platform/win32/win32_settings_storage.h"

#include <windows.h>

#include "platform/errors.h"
#include "platform/win32/handle.h"
#include "platform/win32/system_error.h"

namespace kelmarin::win32 {

namespace {

// Makes the file hold exactly the bytes. The file is first grown to their
// size, so that a full disk is met before any earlier byte changes; then the
// bytes go over its start and anything beyond them is cut off. Returns the
// system's error code, ERROR_SUCCESS when all went well.
DWORD ReplaceContent(HANDLE file, const Bytes& bytes) {
  auto size = static_cast<DWORD>(bytes.size());
  LARGE_INTEGER current;
  if (!GetFileSizeEx(file, &current)) return GetLastError();
  if (current.QuadPart < size) {
    if (SetFilePointer(file, static_cast<LONG>(size), nullptr, FILE_BEGIN) ==
            INVALID_SET_FILE_POINTER ||
        !SetEndOfFile(file)) {
      return GetLastError();
    }
  }
  if (SetFilePointer(file, 0, nullptr, FILE_BEGIN) == INVALID_SET_FILE_POINTER) {
    return GetLastError();
  }
  DWORD written = 0;
  if (!WriteFile(file, bytes.data(), size, &written, nullptr)) return GetLastError();
  if (written != size) return ERROR_DISK_FULL;
  if (!SetEndOfFile(file)) return GetLastError();
  return ERROR_SUCCESS;
}

}  // namespace

Text Win32SettingsStorage::ModuleFileName() {
  char buffer[MAX_PATH];
  DWORD length = GetModuleFileNameA(nullptr, buffer, MAX_PATH);
  return Text(buffer, length);
}

bool Win32SettingsStorage::FileExists(const Text& path) {
  DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

Bytes Win32SettingsStorage::ReadExclusive(const Text& path, size_t maxBytes) {
  UniqueHandle file(CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.Valid()) {
    DWORD error = GetLastError();
    throw FileOpenError(path, SystemErrorDescription(error));
  }
  Bytes bytes(maxBytes);
  DWORD read = 0;
  // One plain read: a short or failed read leaves the rest to the caller's
  // zeros.
  ReadFile(file.Get(), bytes.data(), static_cast<DWORD>(maxBytes), &read, nullptr);
  bytes.resize(read);
  return bytes;
}

void Win32SettingsStorage::WriteExclusive(const Text& path, const Bytes& bytes) {
  // Creating the file anew with normal attributes is refused for an existing
  // hidden or system file; opening it in place must refuse it the same way.
  DWORD attributes = GetFileAttributesA(path.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES &&
      (attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM))) {
    throw FileCreateError(path, SystemErrorDescription(ERROR_ACCESS_DENIED));
  }
  UniqueHandle file(CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.Valid()) {
    DWORD error = GetLastError();
    throw FileCreateError(path, SystemErrorDescription(error));
  }
  bool createdHere = GetLastError() != ERROR_ALREADY_EXISTS;

  DWORD error = ReplaceContent(file.Get(), bytes);
  if (error != ERROR_SUCCESS) {
    file.Reset();
    // An empty file left behind would read next time as a record of zeros,
    // a window of no size; no file at all keeps the design values.
    if (createdHere) DeleteFileA(path.c_str());
    throw FileWriteError(path, SystemErrorDescription(error));
  }
}

}  // namespace kelmarin::win32
