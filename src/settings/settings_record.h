#pragma once
// The 584-byte record of settings.opt, little-endian, no header.
#include <array>
#include <cstddef>
#include <cstdint>

#include "platform/text.h"

namespace kelmarin {

// A zero-terminated text of at most size-1 characters at a fixed place.
struct TextField {
  size_t offset;
  size_t size;
};

struct SettingsRecord {
  static constexpr size_t kSize = 584;

  static constexpr TextField kArchiverPath{0, 261};       // Edit1
  static constexpr TextField kDestination{261, 261};      // Edit4
  static constexpr TextField kComputerName{522, 21};      // Edit2
  static constexpr TextField kUserName{543, 21};          // Edit3
  static constexpr size_t kMethodOffset = 564;            // 255: no item selected
  static constexpr size_t kDateFolderOffset = 565;        // non-zero: ticked
  static constexpr size_t kWindowStateOffset = 566;       // 0 normal, 1 min, 2 max
  // 567 is padding; whatever was loaded there is written back.
  static constexpr size_t kLeftOffset = 568;
  static constexpr size_t kTopOffset = 572;
  static constexpr size_t kHeightOffset = 576;            // height before width
  static constexpr size_t kWidthOffset = 580;

  static constexpr uint8_t kNoMethod = 255;

  std::array<uint8_t, kSize> bytes{};

  // The bytes up to the first zero, or all of the field when it holds none.
  Text ReadText(TextField field) const;
  // Copies the text and its zero over the field, leaving the bytes after the
  // zero as they were. A text too long for the field is cut to size-1
  // characters, so a neighbouring field never changes.
  void WriteText(TextField field, const Text& text);

  int32_t ReadInt32(size_t offset) const;
  void WriteInt32(size_t offset, int32_t value);
};

}  // namespace kelmarin
