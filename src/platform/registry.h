#pragma once
// The registry calls the catalogue makes, one to one with the Win32 API, so
// that a fake can answer exactly as the system would (too-small buffers,
// missing keys, failures in the middle of an enumeration).
#include <cstdint>

#include "platform/text.h"

namespace kelmarin {

using RegistryKey = uintptr_t;

constexpr long kRegSuccess = 0;
constexpr long kRegFileNotFound = 2;
constexpr long kRegAccessDenied = 5;
constexpr long kRegMoreData = 234;
constexpr long kRegNoMoreItems = 259;
constexpr long kRegKeyDeleted = 1018;

constexpr uint32_t kKeyAllAccess = 0xF003F;

class Registry {
 public:
  virtual ~Registry() = default;

  // RegOpenKeyExA under HKEY_CURRENT_USER.
  virtual long OpenCurrentUserKey(const Text& subKey, uint32_t options,
                                  uint32_t access, RegistryKey* key) = 0;
  // RegEnumValueA without the type: nameChars and dataBytes carry the room
  // on entry and what was delivered on return.
  virtual long EnumValue(RegistryKey key, uint32_t index, char* name,
                         uint32_t* nameChars, uint8_t* data,
                         uint32_t* dataBytes) = 0;
  // RegQueryInfoKeyA, only the longest value name (in characters, without
  // the zero) and the largest value data (in bytes).
  virtual long QueryValueSizes(RegistryKey key, uint32_t* maxNameChars,
                               uint32_t* maxDataBytes) = 0;
  virtual void CloseKey(RegistryKey key) = 0;
};

}  // namespace kelmarin
