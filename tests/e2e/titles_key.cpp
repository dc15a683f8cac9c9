#include "e2e/titles_key.h"

#include <windows.h>

namespace kelmarin::e2e {

TitlesKey::TitlesKey(const std::vector<Infobase>& infobases) {
  RegDeleteKeyA(HKEY_CURRENT_USER, kTitlesKey);
  HKEY key = nullptr;
  if (RegCreateKeyExA(HKEY_CURRENT_USER, kTitlesKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                      &key, nullptr) != ERROR_SUCCESS) {
    return;
  }
  written_ = true;
  // 1C:Enterprise keeps the path as the value's name and the title as its
  // string data.
  for (const Infobase& infobase : infobases) {
    written_ = written_ &&
               RegSetValueExA(key, infobase.path.c_str(), 0, REG_SZ,
                              reinterpret_cast<const BYTE*>(infobase.title.c_str()),
                              static_cast<DWORD>(infobase.title.size() + 1)) == ERROR_SUCCESS;
  }
  RegCloseKey(key);
}

TitlesKey::~TitlesKey() { RegDeleteKeyA(HKEY_CURRENT_USER, kTitlesKey); }

}  // namespace kelmarin::e2e
