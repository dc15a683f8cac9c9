#include "support/write_protected.h"

#include <windows.h>

namespace kelmarin::test_support {

namespace {

Text UnixPathOf(const Text& path) {
  using UnixFileName = char*(CDECL*)(const WCHAR*);
  auto unixFileName = reinterpret_cast<UnixFileName>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
  if (unixFileName == nullptr) return {};
  WCHAR wide[MAX_PATH];
  if (!MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide, MAX_PATH)) return {};
  char* unixPath = unixFileName(wide);
  if (unixPath == nullptr) return {};
  Text result(unixPath);
  HeapFree(GetProcessHeap(), 0, unixPath);
  return result;
}

bool IsFolder(const Text& path) {
  DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool CanWrite(const Text& path) {
  if (IsFolder(path)) {
    const Text probe = path + "\\write-probe";
    if (!CreateDirectoryA(probe.c_str(), nullptr)) return false;
    RemoveDirectoryA(probe.c_str());
    return true;
  }
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE,
                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  CloseHandle(file);
  return true;
}

template <class Condition>
bool WaitUntil(Condition condition) {
  for (int attempt = 0; attempt < 100; ++attempt) {
    if (condition()) return true;
    Sleep(50);
  }
  return false;
}

}  // namespace

WriteProtected::WriteProtected(const Text& path) : path_(path), unixPath_(UnixPathOf(path)) {
  if (!IsFolder(path_)) SetFileAttributesA(path_.c_str(), FILE_ATTRIBUTE_READONLY);
  if (!unixPath_.empty()) Chattr("+i");
  refuses_ = WaitUntil([&] { return !CanWrite(path_); });
}

WriteProtected::~WriteProtected() {
  if (!unixPath_.empty()) {
    Chattr("-i");
    WaitUntil([&] { return CanWrite(path_); });
  }
  if (!IsFolder(path_)) SetFileAttributesA(path_.c_str(), FILE_ATTRIBUTE_NORMAL);
}

// Wine starts a Linux program without a process handle to wait for, so the
// caller waits for its effect instead.
void WriteProtected::Chattr(const char* flag) const {
  Text commandLine = Text("Z:\\usr\\bin\\chattr ") + flag + " \"" + unixPath_ + "\"";
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION started{};
  if (CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                     &startup, &started)) {
    CloseHandle(started.hProcess);
    CloseHandle(started.hThread);
  }
}

}  // namespace kelmarin::test_support
