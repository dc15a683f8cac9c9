#include "settings/settings_record.h"

#include <algorithm>

namespace kelmarin {

Text SettingsRecord::ReadText(TextField field) const {
  auto begin = bytes.begin() + field.offset;
  auto end = std::find(begin, begin + field.size, uint8_t{0});
  return Text(begin, end);
}

void SettingsRecord::WriteText(TextField field, const Text& text) {
  size_t length = std::min(text.size(), field.size - 1);
  std::copy_n(text.begin(), length, bytes.begin() + field.offset);
  bytes[field.offset + length] = 0;
}

int32_t SettingsRecord::ReadInt32(size_t offset) const {
  uint32_t value = 0;
  for (size_t i = 0; i < 4; ++i) value |= uint32_t{bytes[offset + i]} << (8 * i);
  return static_cast<int32_t>(value);
}

void SettingsRecord::WriteInt32(size_t offset, int32_t value) {
  auto bits = static_cast<uint32_t>(value);
  for (size_t i = 0; i < 4; ++i) bytes[offset + i] = static_cast<uint8_t>(bits >> (8 * i));
}

}  // namespace kelmarin
