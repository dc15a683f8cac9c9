// Stands in for the RAR console archiver in tests: records how it was
// started and ends with the exit code the test asks for.
//   KELMARIN_STANDIN_LOG      file to which the command line and "\n" are
//                             appended (nothing is written when unset)
//   KELMARIN_STANDIN_EXIT     "N", or "N0,N1,..." where the call that finds k
//                             lines in the log takes Nk; the last one repeats
//   KELMARIN_STANDIN_SLEEP_MS milliseconds to wait before exiting
#include <windows.h>

#include <cstdlib>
#include <string>

namespace {

std::string Environment(const char* name) {
  char buffer[4096];
  DWORD length = GetEnvironmentVariableA(name, buffer, sizeof buffer);
  if (length == 0 || length >= sizeof buffer) return {};
  return std::string(buffer, length);
}

std::string ReadWhole(HANDLE file) {
  std::string content;
  char buffer[4096];
  DWORD got = 0;
  while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0) {
    content.append(buffer, got);
  }
  return content;
}

// Appends this call's command line; returns how many calls came before.
size_t AppendToLog(const std::string& logPath) {
  HANDLE file = CreateFileA(logPath.c_str(), GENERIC_READ | GENERIC_WRITE, 0,
                            nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return 0;
  std::string before = ReadWhole(file);
  size_t calls = 0;
  for (char c : before) calls += c == '\n';
  std::string line = std::string(GetCommandLineA()) + "\n";
  SetFilePointer(file, 0, nullptr, FILE_END);
  DWORD written = 0;
  WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
  CloseHandle(file);
  return calls;
}

UINT ExitCodeFor(const std::string& codes, size_t call) {
  size_t start = 0;
  for (size_t i = 0; i < call; ++i) {
    size_t comma = codes.find(',', start);
    if (comma == std::string::npos) break;
    start = comma + 1;
  }
  return static_cast<UINT>(std::strtoul(codes.c_str() + start, nullptr, 10));
}

}  // namespace

int main() {
  std::string logPath = Environment("KELMARIN_STANDIN_LOG");
  size_t call = logPath.empty() ? 0 : AppendToLog(logPath);
  std::string sleepMs = Environment("KELMARIN_STANDIN_SLEEP_MS");
  if (!sleepMs.empty()) Sleep(static_cast<DWORD>(std::strtoul(sleepMs.c_str(), nullptr, 10)));
  ExitProcess(ExitCodeFor(Environment("KELMARIN_STANDIN_EXIT"), call));
}
