#pragma once
#include "platform/registry.h"

namespace kelmarin::win32 {

// The registry calls straight onto the single-byte Win32 API; keys are HKEYs.
class Win32Registry : public Registry {
 public:
  long OpenCurrentUserKey(const Text& subKey, uint32_t options, uint32_t access,
                          RegistryKey* key) override;
  long EnumValue(RegistryKey key, uint32_t index, char* name, uint32_t* nameChars,
                 uint8_t* data, uint32_t* dataBytes) override;
  long QueryValueSizes(RegistryKey key, uint32_t* maxNameChars,
                       uint32_t* maxDataBytes) override;
  void CloseKey(RegistryKey key) override;
};

}  // namespace kelmarin::win32
