#pragma once
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <optional>
#include <vector>

#include "platform/registry.h"

namespace kelmarin {

struct FakeValue {
  Text name;
  Text data;             // the exact bytes stored, a string's zero included
  int growingReads = 0;  // reads before which another program lengthens it
};

// One key under HKEY_CURRENT_USER, answering as RegEnumValueA does: the name
// room includes the zero, a value that does not fit gives 234 with the
// buffers holding whatever part did fit (no zero) and the data size it
// needs; a value that fits is delivered with its sizes.
class FakeRegistry : public Registry {
 public:
  static constexpr RegistryKey kKey = 0x5150;
  static constexpr size_t kGrowth = 1000;

  std::vector<FakeValue> values;
  long openResult = kRegSuccess;
  long queryResult = kRegSuccess;
  std::optional<uint32_t> failFrom;  // every index from here on fails
  long failResult = kRegKeyDeleted;

  Text openedSubKey;
  uint32_t openedOptions = ~0u;
  uint32_t openedAccess = 0;
  int enumCalls = 0;
  std::vector<RegistryKey> closed;

  long OpenCurrentUserKey(const Text& subKey, uint32_t options, uint32_t access,
                          RegistryKey* key) override {
    openedSubKey = subKey;
    openedOptions = options;
    openedAccess = access;
    if (openResult != kRegSuccess) return openResult;
    *key = kKey;
    return kRegSuccess;
  }

  long EnumValue(RegistryKey key, uint32_t index, char* name, uint32_t* nameChars,
                 uint8_t* data, uint32_t* dataBytes) override {
    EXPECT_EQ(key, kKey);
    // A loop that never ends would hang the test; fail it instead.
    if (++enumCalls > 1000) {
      ADD_FAILURE() << "enumeration does not end";
      return kRegNoMoreItems;
    }
    if (failFrom && index >= *failFrom) return failResult;
    if (index >= values.size()) return kRegNoMoreItems;

    FakeValue& value = values[index];
    if (value.growingReads > 0) {
      --value.growingReads;
      const size_t textEnd = value.data.find('\0');
      value.data.insert(textEnd == Text::npos ? value.data.size() : textEnd, kGrowth, 'g');
    }
    const bool nameFits = *nameChars > 0 && value.name.size() <= *nameChars - 1;
    const bool dataFits = value.data.size() <= *dataBytes;
    long result = kRegSuccess;
    if (nameFits && dataFits) {
      std::memcpy(name, value.name.c_str(), value.name.size() + 1);
      std::memcpy(data, value.data.data(), value.data.size());
      *nameChars = static_cast<uint32_t>(value.name.size());
      *dataBytes = static_cast<uint32_t>(value.data.size());
    } else {
      std::memcpy(name, value.name.data(), std::min<size_t>(value.name.size(), *nameChars));
      std::memcpy(data, value.data.data(), std::min<size_t>(value.data.size(), *dataBytes));
      if (!dataFits) *dataBytes = static_cast<uint32_t>(value.data.size());
      result = kRegMoreData;
    }
    return result;
  }

  long QueryValueSizes(RegistryKey key, uint32_t* maxNameChars,
                       uint32_t* maxDataBytes) override {
    EXPECT_EQ(key, kKey);
    if (queryResult != kRegSuccess) return queryResult;
    *maxNameChars = 0;
    *maxDataBytes = 0;
    for (const FakeValue& value : values) {
      *maxNameChars = std::max(*maxNameChars, static_cast<uint32_t>(value.name.size()));
      *maxDataBytes = std::max(*maxDataBytes, static_cast<uint32_t>(value.data.size()));
    }
    return kRegSuccess;
  }

  void CloseKey(RegistryKey key) override { closed.push_back(key); }
};

// String data as the registry stores it: the text and its zero.
inline Text Sz(Text text) {
  text.push_back('\0');
  return text;
}

}  // namespace kelmarin
