#include "locate.h"

#include <windows.h>

namespace kelmarin::bench {

namespace {

bool IsFile(const Text& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace

Text ParentOf(const Text& path) {
  const size_t slash = path.find_last_of("\\/");
  return slash == Text::npos ? Text() : path.substr(0, slash);
}

Text FindAbove(const char* name) {
  char module[MAX_PATH];
  const DWORD length = GetModuleFileNameA(nullptr, module, sizeof module);
  for (Text folder = ParentOf(Text(module, length)); !folder.empty(); folder = ParentOf(folder)) {
    const Text candidate = folder + "\\" + name;
    if (IsFile(candidate)) return candidate;
  }
  return Text();
}

}  // namespace kelmarin::bench
