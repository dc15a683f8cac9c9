#include "platform/win32/win32_registry.h"

#include <windows.h>

namespace kelmarin::win32 {

namespace {

HKEY AsHkey(RegistryKey key) { return reinterpret_cast<HKEY>(key); }

}  // namespace

long Win32Registry::OpenCurrentUserKey(const Text& subKey, uint32_t options, uint32_t access,
                                       RegistryKey* key) {
  HKEY opened = nullptr;
  const LONG result = RegOpenKeyExA(HKEY_CURRENT_USER, subKey.c_str(), options, access, &opened);
  *key = result == ERROR_SUCCESS ? reinterpret_cast<RegistryKey>(opened) : 0;
  return result;
}

long Win32Registry::EnumValue(RegistryKey key, uint32_t index, char* name, uint32_t* nameChars,
                              uint8_t* data, uint32_t* dataBytes) {
  // DWORD is unsigned long here, not uint32_t: pass the sizes through copies.
  DWORD nameSize = *nameChars;
  DWORD dataSize = *dataBytes;
  const LONG result =
      RegEnumValueA(AsHkey(key), index, name, &nameSize, nullptr, nullptr, data, &dataSize);
  *nameChars = nameSize;
  *dataBytes = dataSize;
  return result;
}

long Win32Registry::QueryValueSizes(RegistryKey key, uint32_t* maxNameChars,
                                    uint32_t* maxDataBytes) {
  DWORD nameLength = 0;
  DWORD dataSize = 0;
  const LONG result = RegQueryInfoKeyA(AsHkey(key), nullptr, nullptr, nullptr, nullptr, nullptr,
                                       nullptr, nullptr, &nameLength, &dataSize, nullptr, nullptr);
  *maxNameChars = nameLength;
  *maxDataBytes = dataSize;
  return result;
}

void Win32Registry::CloseKey(RegistryKey key) { RegCloseKey(AsHkey(key)); }

}  // namespace kelmarin::win32
