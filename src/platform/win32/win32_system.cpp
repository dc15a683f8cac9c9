#include "platform/win32/win32_system.h"

#include <windows.h>

#include <vector>

#include "platform/errors.h"
#include "platform/win32/handle.h"

namespace kelmarin::win32 {

namespace {

// FindFirstFileA's search handle is closed by FindClose, not CloseHandle.
class FindHandle {
 public:
  explicit FindHandle(HANDLE handle) : handle_(handle) {}
  FindHandle(const FindHandle&) = delete;
  FindHandle& operator=(const FindHandle&) = delete;
  ~FindHandle() {
    if (Valid()) FindClose(handle_);
  }
  bool Valid() const { return handle_ != INVALID_HANDLE_VALUE; }

 private:
  HANDLE handle_;
};

bool HasWildcard(const Text& path) {
  return path.find_first_of("*?") != Text::npos;
}

// The locale value, or nothing when the locale does not give one.
bool LocaleValue(LCID locale, LCTYPE type, Text& value) {
  char buffer[256];
  int length = GetLocaleInfoA(locale, type, buffer, sizeof buffer);
  if (length <= 0) return false;
  value.assign(buffer, static_cast<size_t>(length - 1));
  return true;
}

bool LocaleFlag(LCID locale, LCTYPE type, bool fallback) {
  Text value;
  if (!LocaleValue(locale, type, value) || value.empty()) return fallback;
  return value != "0";
}

}  // namespace

bool Win32System::FileExists(const Text& path) {
  if (path.empty()) return false;
  WIN32_FIND_DATAA found;
  FindHandle search(FindFirstFileA(path.c_str(), &found));
  if (!search.Valid()) return false;
  if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return false;
  // A file whose date cannot be told (outside 1980..2107) does not count.
  FILETIME local;
  WORD dosDate;
  WORD dosTime;
  return FileTimeToLocalFileTime(&found.ftLastWriteTime, &local) &&
         FileTimeToDosDateTime(&local, &dosDate, &dosTime);
}

bool Win32System::DirectoryExists(const Text& path) {
  // Windows refuses an empty path and wildcards here; refuse them outright
  // rather than rely on every system doing the same.
  if (path.empty() || HasWildcard(path)) return false;
  DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES &&
         (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

void Win32System::CreateFolder(const Text& path) {
  if (!CreateDirectoryA(path.c_str(), nullptr)) throw InOutError(GetLastError());
}

LocalTime Win32System::Now() {
  SYSTEMTIME now;
  GetLocalTime(&now);
  return LocalTime{now.wYear, now.wMonth,  now.wDay,         now.wHour,
                   now.wMinute, now.wSecond, now.wMilliseconds};
}

LongTimeFormat Win32System::UserLongTimeFormat() {
  // Read on every call, so a change of the regional settings while the
  // program runs shows in the next report.
  LCID locale = GetThreadLocale();
  LongTimeFormat format;
  format.leadingZeroHours = LocaleFlag(locale, LOCALE_ITLZERO, false);
  Text separator;
  if (LocaleValue(locale, LOCALE_STIME, separator) && !separator.empty()) {
    format.separator = separator;
  }
  // LOCALE_ITIME is 0 for the 12-hour clock, 1 for the 24-hour one.
  format.twelveHour = !LocaleFlag(locale, LOCALE_ITIME, true);
  LocaleValue(locale, LOCALE_S1159, format.amText);
  LocaleValue(locale, LOCALE_S2359, format.pmText);
  format.markerFirst = LocaleFlag(locale, LOCALE_ITIMEMARKPOSN, false);
  return format;
}

void Win32System::ShowMessage(WindowHandle owner, const Text& text,
                              const Text& caption, unsigned iconFlags) {
  MessageBoxA(static_cast<HWND>(owner), text.c_str(), caption.c_str(),
              MB_OK | iconFlags);
}

ProcessOutcome Win32System::RunAndWait(const Text& commandLine) {
  STARTUPINFOA startup;
  GetStartupInfoA(&startup);
  // CreateProcessA may write into the command line it is given.
  std::vector<char> writable(commandLine.begin(), commandLine.end());
  writable.push_back('\0');
  PROCESS_INFORMATION started{};
  if (!CreateProcessA(nullptr, writable.data(), nullptr, nullptr, FALSE, 0,
                      nullptr, nullptr, &startup, &started)) {
    return ProcessOutcome{false, 0};
  }
  // Owned from here, so both handles are closed once the wait is over.
  UniqueHandle process(started.hProcess);
  UniqueHandle thread(started.hThread);
  WaitForSingleObject(process.Get(), INFINITE);
  // An exit status that cannot be read must not pass for success.
  DWORD exitCode = STILL_ACTIVE;
  if (!GetExitCodeProcess(process.Get(), &exitCode)) exitCode = STILL_ACTIVE;
  return ProcessOutcome{true, exitCode};
}

}  // namespace kelmarin::win32
