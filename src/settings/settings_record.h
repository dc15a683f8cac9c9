#pragma once
// The 584-byte record of settings.opt, little-endian, no header.
#include <array>
#include <cstddef>
#include <cstdint>

#include "platform/text.h"

namespace kelmarin {

struct SettingsRecord {
  static constexpr size_t kSize = 584;
  std::array<uint8_t, kSize> bytes{};
};

}  // namespace kelmarin
