#pragma once
// A registry key whose values and failures come from a fuzz input. It answers
// as RegEnumValueA does, and checks on every call that the caller keeps to
// the protocol: the opened key, calls only while it is open, rooms no larger
// than the buffers behind them, an enumeration that ends.
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <optional>
#include <vector>

#include "invariant.h"
#include "platform/registry.h"

namespace kelmarin {

struct FuzzValue {
  Text name;
  Text data;           // the exact bytes stored, a string's zero included
  int growingReads = 0;  // reads before which another program lengthens it
  size_t growth = 0;     // bytes added each time
  bool nameGrows = false;
  long failure = kRegSuccess;
  int failingReads = 0;  // reads answered with `failure`; -1 for every read
};

// What a successful read delivered, as text up to the first zero.
struct Delivery {
  uint32_t index;
  Text path;
  Text title;
};

enum class SizeReport { Truthful, Halved, Zero };

class FuzzRegistry : public Registry {
 public:
  static constexpr int kMaxEnumCalls = 10000;

  std::vector<FuzzValue> values;
  RegistryKey handle = 1;
  long openResult = kRegSuccess;
  int queryFailsFrom = -1;  // the first QueryValueSizes call that fails; -1 none
  SizeReport sizeReport = SizeReport::Truthful;
  bool nameCountOnMoreData = false;  // 234 also reports the name's length
  std::optional<uint32_t> failFrom;  // every index from here on fails
  long failResult = kRegKeyDeleted;

  bool opened = false;
  int closeCalls = 0;
  int enumCalls = 0;
  int queryCalls = 0;
  std::vector<Delivery> deliveries;

  long OpenCurrentUserKey(const Text&, uint32_t, uint32_t, RegistryKey* key) override {
    FUZZ_REQUIRE(!opened && closeCalls == 0);
    if (openResult != kRegSuccess) return openResult;
    opened = true;
    *key = handle;
    return kRegSuccess;
  }

  long EnumValue(RegistryKey key, uint32_t index, char* name, uint32_t* nameChars,
                 uint8_t* data, uint32_t* dataBytes) override {
    RequireOpen(key);
    FUZZ_REQUIRE(++enumCalls <= kMaxEnumCalls);
    FUZZ_REQUIRE(name != nullptr && nameChars != nullptr);
    FUZZ_REQUIRE(data != nullptr && dataBytes != nullptr);
    // The system may leave anything in the buffers. Filling all the room the
    // caller claims makes ASan catch a room larger than its buffer, and shows
    // any use of bytes that were not delivered.
    std::memset(name, NextJunk(), *nameChars);
    std::memset(data, NextJunk(), *dataBytes);

    if (failFrom && index >= *failFrom) return failResult;
    if (index >= values.size()) return kRegNoMoreItems;
    FuzzValue& value = values[index];
    if (value.failingReads != 0) {
      if (value.failingReads > 0) --value.failingReads;
      return value.failure;
    }
    if (value.growingReads > 0) {
      --value.growingReads;
      const size_t textEnd = value.data.find('\0');
      value.data.insert(textEnd == Text::npos ? value.data.size() : textEnd, value.growth, 'g');
      if (value.nameGrows) value.name.append(value.growth, 'n');
    }

    const bool nameFits = *nameChars > 0 && value.name.size() <= *nameChars - 1;
    const bool dataFits = value.data.size() <= *dataBytes;
    if (nameFits && dataFits) {
      std::memcpy(name, value.name.c_str(), value.name.size() + 1);
      std::memcpy(data, value.data.data(), value.data.size());
      *nameChars = static_cast<uint32_t>(value.name.size());
      *dataBytes = static_cast<uint32_t>(value.data.size());
      deliveries.push_back({index, Text(value.name.c_str()), Text(value.data.c_str())});
      return kRegSuccess;
    }
    // What fits is there, without a zero; the data size is the one needed.
    std::memcpy(name, value.name.data(), std::min<size_t>(value.name.size(), *nameChars));
    std::memcpy(data, value.data.data(), std::min<size_t>(value.data.size(), *dataBytes));
    if (!dataFits) *dataBytes = static_cast<uint32_t>(value.data.size());
    if (!nameFits && nameCountOnMoreData) *nameChars = static_cast<uint32_t>(value.name.size());
    return kRegMoreData;
  }

  long QueryValueSizes(RegistryKey key, uint32_t* maxNameChars,
                       uint32_t* maxDataBytes) override {
    RequireOpen(key);
    const int call = queryCalls++;
    if (queryFailsFrom >= 0 && call >= queryFailsFrom) return kRegAccessDenied;
    uint32_t nameChars = 0;
    uint32_t dataBytes = 0;
    for (const FuzzValue& value : values) {
      nameChars = std::max(nameChars, static_cast<uint32_t>(value.name.size()));
      dataBytes = std::max(dataBytes, static_cast<uint32_t>(value.data.size()));
    }
    switch (sizeReport) {
      case SizeReport::Truthful: break;
      case SizeReport::Halved: nameChars /= 2; dataBytes /= 2; break;
      case SizeReport::Zero: nameChars = 0; dataBytes = 0; break;
    }
    *maxNameChars = nameChars;
    *maxDataBytes = dataBytes;
    return kRegSuccess;
  }

  void CloseKey(RegistryKey key) override {
    RequireOpen(key);
    ++closeCalls;
  }

 private:
  void RequireOpen(RegistryKey key) const {
    FUZZ_REQUIRE(opened && closeCalls == 0);
    FUZZ_REQUIRE(key == handle);
  }

  // Never zero, and different from one call to the next.
  uint8_t NextJunk() {
    junk_ = static_cast<uint8_t>(junk_ % 255 + 1);
    return junk_;
  }

  uint8_t junk_ = 0xA0;
};

}  // namespace kelmarin
