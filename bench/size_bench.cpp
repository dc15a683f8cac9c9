// The size of Kelmarin.exe and the libraries it needs at load time, read
// from its PE import directory: the program must start on an old office PC
// from the one file, with nothing installed beside it.
#include <windows.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <iterator>
#include <string>
#include <vector>

#include "support/stand_in.h"

namespace kelmarin::bench {
namespace {

constexpr size_t kSizeGoal = 256 * 1024;

// Libraries that every Windows since 2000 ships in its system folder.
const char* const kSystemLibraries[] = {
    "kernel32.dll", "user32.dll",   "gdi32.dll",  "advapi32.dll", "comctl32.dll",
    "comdlg32.dll", "shell32.dll",  "msvcrt.dll", "ole32.dll",    "oleaut32.dll",
    "shlwapi.dll",  "version.dll",  "ntdll.dll",  "winmm.dll",    "ws2_32.dll"};

// Imports a load-time link to which keeps the program from starting at all
// on Windows XP (and 2000): the loader refuses an import it cannot find.
const char* const kNewerThanXp[] = {
    "GetTickCount64",          "InitializeConditionVariable", "SleepConditionVariableCS",
    "SleepConditionVariableSRW", "WakeConditionVariable",     "WakeAllConditionVariable",
    "InitializeSRWLock",       "AcquireSRWLockExclusive",     "ReleaseSRWLockExclusive",
    "AcquireSRWLockShared",    "ReleaseSRWLockShared",        "TryAcquireSRWLockExclusive",
    "InitOnceExecuteOnce",     "InitOnceBeginInitialize",     "CreateEventExA",
    "CreateEventExW",          "GetFinalPathNameByHandleW",   "GetFileInformationByHandleEx",
    "SetFileInformationByHandle", "CreateSymbolicLinkW",      "RegDeleteTreeA",
    "RegGetValueA",            "GetSystemTimePreciseAsFileTime", "FlsAlloc",
    "FlsGetValue",             "FlsSetValue",                 "FlsFree"};
// Imports Windows 2000 lacks but XP has.
const char* const kNewerThan2000[] = {
    "AddVectoredExceptionHandler", "RemoveVectoredExceptionHandler", "GetModuleHandleExA",
    "GetModuleHandleExW"};

bool Listed(const char* name, const char* const* list, size_t count) {
  return std::any_of(list, list + count, [name](const char* listed) {
    return std::strcmp(listed, name) == 0;
  });
}

Text Lower(Text text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

std::vector<char> ReadWhole(const Text& path) {
  std::vector<char> bytes;
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return bytes;
  char buffer[65536];
  DWORD got = 0;
  while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0) {
    bytes.insert(bytes.end(), buffer, buffer + got);
  }
  CloseHandle(file);
  return bytes;
}

// A view of a 32-bit PE file that checks every offset before it reads.
class PeImage {
 public:
  explicit PeImage(std::vector<char> bytes) : bytes_(std::move(bytes)) {
    const auto* dos = At<IMAGE_DOS_HEADER>(0);
    if (!dos || dos->e_magic != IMAGE_DOS_SIGNATURE) return;
    nt_ = At<IMAGE_NT_HEADERS32>(static_cast<size_t>(dos->e_lfanew));
    if (!nt_ || nt_->Signature != IMAGE_NT_SIGNATURE ||
        nt_->OptionalHeader.Magic != IMAGE_NT_OPTIONAL_HDR32_MAGIC) {
      nt_ = nullptr;
      return;
    }
    const size_t sectionsAt = static_cast<size_t>(dos->e_lfanew) + sizeof(DWORD) +
                              sizeof(IMAGE_FILE_HEADER) + nt_->FileHeader.SizeOfOptionalHeader;
    for (WORD i = 0; i < nt_->FileHeader.NumberOfSections; ++i) {
      const auto* section = At<IMAGE_SECTION_HEADER>(sectionsAt + i * sizeof(IMAGE_SECTION_HEADER));
      if (!section) break;
      sections_.push_back(*section);
    }
  }
  bool Valid() const { return nt_ != nullptr; }
  const std::vector<IMAGE_SECTION_HEADER>& Sections() const { return sections_; }

  template <typename T>
  const T* At(size_t offset) const {
    if (offset > bytes_.size() || bytes_.size() - offset < sizeof(T)) return nullptr;
    return reinterpret_cast<const T*>(bytes_.data() + offset);
  }
  // A zero-ended string at a file offset, empty when it runs off the end.
  Text StringAt(size_t offset) const {
    if (offset >= bytes_.size()) return Text();
    const char* begin = bytes_.data() + offset;
    const char* end = static_cast<const char*>(std::memchr(begin, 0, bytes_.size() - offset));
    return end ? Text(begin, end) : Text();
  }
  // The file offset of a relative virtual address; 0 when no section holds it.
  size_t Offset(DWORD rva) const {
    for (const IMAGE_SECTION_HEADER& section : sections_) {
      const DWORD size = std::max(section.Misc.VirtualSize, section.SizeOfRawData);
      if (rva >= section.VirtualAddress && rva - section.VirtualAddress < size) {
        return section.PointerToRawData + (rva - section.VirtualAddress);
      }
    }
    return 0;
  }
  const IMAGE_DATA_DIRECTORY& Directory(int index) const {
    return nt_->OptionalHeader.DataDirectory[index];
  }

 private:
  std::vector<char> bytes_;
  const IMAGE_NT_HEADERS32* nt_ = nullptr;
  std::vector<IMAGE_SECTION_HEADER> sections_;
};

struct Import {
  Text library;
  std::vector<Text> functions;
};

std::vector<Import> Imports(const PeImage& image) {
  std::vector<Import> imports;
  const size_t first = image.Offset(image.Directory(IMAGE_DIRECTORY_ENTRY_IMPORT).VirtualAddress);
  if (first == 0) return imports;
  for (size_t at = first;; at += sizeof(IMAGE_IMPORT_DESCRIPTOR)) {
    const auto* descriptor = image.At<IMAGE_IMPORT_DESCRIPTOR>(at);
    if (!descriptor || descriptor->Name == 0) break;
    Import import{image.StringAt(image.Offset(descriptor->Name)), {}};
    const DWORD thunks = descriptor->OriginalFirstThunk ? descriptor->OriginalFirstThunk
                                                        : descriptor->FirstThunk;
    for (size_t thunk = image.Offset(thunks); thunk != 0; thunk += sizeof(DWORD)) {
      const auto* entry = image.At<DWORD>(thunk);
      if (!entry || *entry == 0) break;
      if (*entry & IMAGE_ORDINAL_FLAG32) {
        import.functions.push_back("#" + std::to_string(*entry & 0xFFFF));
      } else {
        import.functions.push_back(image.StringAt(image.Offset(*entry) + sizeof(WORD)));
      }
    }
    imports.push_back(std::move(import));
  }
  return imports;
}

int Run() {
  const Text program = test_support::FindAbove("Kelmarin.exe");
  const PeImage image(ReadWhole(program));
  if (program.empty() || !image.Valid()) {
    std::printf("size: Kelmarin.exe not found or not a 32-bit PE file\n");
    return 1;
  }
  const size_t size = ReadWhole(program).size();
  std::printf("size: Kelmarin.exe %u bytes = %.1f KiB (goal <= %u KiB) %s\n",
              static_cast<unsigned>(size), size / 1024.0, static_cast<unsigned>(kSizeGoal / 1024),
              size <= kSizeGoal ? "met" : "MISSED");
  for (const IMAGE_SECTION_HEADER& section : image.Sections()) {
    char name[IMAGE_SIZEOF_SHORT_NAME + 1] = {};
    std::memcpy(name, section.Name, IMAGE_SIZEOF_SHORT_NAME);
    std::printf("size:   section %-8s %7u bytes in the file\n", name,
                static_cast<unsigned>(section.SizeOfRawData));
  }

  int foreign = 0;
  int tooNew = 0;
  for (const Import& import : Imports(image)) {
    const Text library = Lower(import.library);
    const bool system = Listed(library.c_str(), kSystemLibraries, std::size(kSystemLibraries));
    foreign += !system;
    std::printf("imports: %-14s %3u functions%s\n", import.library.c_str(),
                static_cast<unsigned>(import.functions.size()),
                system ? "" : "  NOT SHIPPED WITH WINDOWS");
    for (const Text& function : import.functions) {
      const char* note = Listed(function.c_str(), kNewerThanXp, std::size(kNewerThanXp))
                             ? "needs Windows Vista or later"
                         : Listed(function.c_str(), kNewerThan2000, std::size(kNewerThan2000))
                             ? "needs Windows XP or later"
                             : nullptr;
      if (!note) continue;
      ++tooNew;
      std::printf("imports:   %s: %s\n", function.c_str(), note);
    }
  }
  std::printf("imports: %s; %d imports that older Windows lacks\n",
              foreign == 0 ? "only libraries that ship with Windows" : "NOT ONLY system libraries",
              tooNew);
  return 0;
}

}  // namespace
}  // namespace kelmarin::bench

int main() { return kelmarin::bench::Run(); }
