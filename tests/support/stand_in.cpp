#include "support/stand_in.h"

#include <windows.h>

#include <atomic>

namespace kelmarin::test_support {

namespace {

constexpr char kStandInName[] = "stand_in_archiver.exe";

Text ParentOf(const Text& path) {
  size_t slash = path.find_last_of("\\/");
  return slash == Text::npos ? Text() : path.substr(0, slash);
}

bool IsFile(const Text& path) {
  DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

void RemoveTree(const Text& folder) {
  WIN32_FIND_DATAA entry;
  HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &entry);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      Text name = entry.cFileName;
      if (name == "." || name == "..") continue;
      Text path = folder + "\\" + name;
      SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
      if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        RemoveTree(path);
      } else {
        DeleteFileA(path.c_str());
      }
    } while (FindNextFileA(search, &entry));
    FindClose(search);
  }
  RemoveDirectoryA(folder.c_str());
}

}  // namespace

Text FindAbove(const char* name) {
  char module[MAX_PATH];
  DWORD length = GetModuleFileNameA(nullptr, module, sizeof module);
  for (Text folder = ParentOf(Text(module, length)); !folder.empty(); folder = ParentOf(folder)) {
    Text candidate = folder + "\\" + name;
    if (IsFile(candidate)) return candidate;
  }
  return Text();
}

Text StandInPath() { return FindAbove(kStandInName); }

std::vector<Text> ReadLogLines(const Text& logPath) {
  std::vector<Text> lines;
  HANDLE file = CreateFileA(logPath.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                            nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return lines;
  Text content;
  char buffer[4096];
  DWORD got = 0;
  while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0) content.append(buffer, got);
  CloseHandle(file);
  size_t start = 0;
  for (size_t end; (end = content.find('\n', start)) != Text::npos; start = end + 1) {
    lines.push_back(content.substr(start, end - start));
  }
  if (start < content.size()) lines.push_back(content.substr(start));
  return lines;
}

ScopedEnvironment::ScopedEnvironment(const Text& name, const std::optional<Text>& value)
    : name_(name) {
  char buffer[4096];
  DWORD length = GetEnvironmentVariableA(name.c_str(), buffer, sizeof buffer);
  if (length > 0 && length < sizeof buffer) previous_ = Text(buffer, length);
  SetEnvironmentVariableA(name.c_str(), value ? value->c_str() : nullptr);
}

ScopedEnvironment::~ScopedEnvironment() {
  SetEnvironmentVariableA(name_.c_str(), previous_ ? previous_->c_str() : nullptr);
}

TempFolder::TempFolder() {
  static std::atomic<unsigned> counter{0};
  char temp[MAX_PATH];
  DWORD length = GetTempPathA(sizeof temp, temp);
  Text base(temp, length);
  if (!base.empty() && base.back() == '\\') base.pop_back();
  for (;;) {
    path_ = base + "\\kelmarin-test-" + std::to_string(GetCurrentProcessId()) + "-" +
            std::to_string(GetTickCount()) + "-" + std::to_string(counter++);
    if (CreateDirectoryA(path_.c_str(), nullptr)) return;
    if (GetLastError() != ERROR_ALREADY_EXISTS) return;
  }
}

TempFolder::~TempFolder() { RemoveTree(path_); }

bool WriteTextFile(const Text& path, const Text& content) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  bool ok = ::WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written,
                        nullptr) &&
            written == content.size();
  CloseHandle(file);
  return ok;
}

}  // namespace kelmarin::test_support
