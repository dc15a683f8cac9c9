#include "settings/settings_record.h"

#include <gtest/gtest.h>

namespace kelmarin {
namespace {

using R = SettingsRecord;

SettingsRecord FilledWith(uint8_t value) {
  SettingsRecord record;
  record.bytes.fill(value);
  return record;
}

TEST(SettingsRecord, TextFieldsReadUpToTheirFirstZeroOrWhole) {
  SettingsRecord record = FilledWith('x');
  record.bytes[0] = 'C';
  record.bytes[1] = 0;                     // archiver path "C"
  record.bytes[R::kDestination.offset] = 0;  // empty destination
  // The computer name holds no zero: all 21 bytes, not a byte of the user
  // name after it.
  record.bytes[R::kUserName.offset] = 'u';
  record.bytes[R::kUserName.offset + 1] = 0;

  EXPECT_EQ(record.ReadText(R::kArchiverPath), "C");
  EXPECT_EQ(record.ReadText(R::kDestination), "");
  EXPECT_EQ(record.ReadText(R::kComputerName), Text(21, 'x'));
  EXPECT_EQ(record.ReadText(R::kUserName), "u");
}

TEST(SettingsRecord, WritingATextChangesOnlyItsFieldUpToItsZero) {
  struct Case {
    TextField field;
    size_t textLength;
    size_t storedLength;
  } cases[] = {
      {R::kArchiverPath, 3, 3},     {R::kArchiverPath, 260, 260},
      {R::kArchiverPath, 261, 260}, {R::kDestination, 0, 0},
      {R::kDestination, 262, 260},  {R::kComputerName, 20, 20},
      {R::kComputerName, 21, 20},   {R::kUserName, 40, 20},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "field at " << c.field.offset << ", text of "
                                    << c.textLength);
    SettingsRecord record = FilledWith(0xEE);
    record.WriteText(c.field, Text(c.textLength, 'w'));

    EXPECT_EQ(record.ReadText(c.field), Text(c.storedLength, 'w'));
    for (size_t i = 0; i < R::kSize; ++i) {
      bool written = i >= c.field.offset && i <= c.field.offset + c.storedLength;
      if (!written) {
        ASSERT_EQ(record.bytes[i], 0xEE) << "byte " << i;
      }
    }
  }
}

TEST(SettingsRecord, BoundsAreSignedLittleEndian) {
  struct Case {
    int32_t value;
    uint8_t bytes[4];
  } cases[] = {
      {375, {0x77, 0x01, 0x00, 0x00}},
      {-8, {0xF8, 0xFF, 0xFF, 0xFF}},
      {INT32_MIN, {0x00, 0x00, 0x00, 0x80}},
      {0x12345678, {0x78, 0x56, 0x34, 0x12}},
  };
  for (const auto& c : cases) {
    SettingsRecord record = FilledWith(0xEE);
    record.WriteInt32(R::kWidthOffset, c.value);
    EXPECT_EQ(record.bytes[R::kWidthOffset - 1], 0xEE);
    for (size_t i = 0; i < 4; ++i) EXPECT_EQ(record.bytes[R::kWidthOffset + i], c.bytes[i]);
    EXPECT_EQ(record.ReadInt32(R::kWidthOffset), c.value);
  }
}

}  // namespace
}  // namespace kelmarin
