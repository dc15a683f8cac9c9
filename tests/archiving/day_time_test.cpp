#include "archiving/day_time.h"

#include <gtest/gtest.h>

namespace kelmarin {
namespace {

constexpr uint32_t Ms(int hour, int minute, int second, int millisecond = 0) {
  return ((hour * 60u + minute) * 60u + second) * 1000u + millisecond;
}

TEST(DateFolderName, DayMonthYearWithLiteralHyphens) {
  struct Case {
    LocalTime date;
    Text name;
  } cases[] = {
      {{2024, 3, 5, 23, 59, 59, 999}, "05-03-2024"},
      {{2024, 6, 19}, "19-06-2024"},
      {{2025, 12, 31}, "31-12-2025"},
      {{987, 1, 1}, "01-01-0987"},
  };
  for (const auto& c : cases) EXPECT_EQ(DateFolderName(c.date), c.name);
}

TEST(ElapsedWithinDay, AbsoluteDifferenceOfTheTimesOfDay) {
  struct Case {
    LocalTime start, end;
    uint32_t elapsed;
  } cases[] = {
      {{2024, 6, 19, 10, 0, 0, 0}, {2024, 6, 19, 11, 2, 3, 500}, Ms(1, 2, 3, 500)},
      {{2024, 6, 19, 23, 58, 0, 0}, {2024, 6, 20, 0, 3, 0, 0}, Ms(23, 55, 0)},
      {{2024, 6, 19, 0, 0, 0, 0}, {2024, 6, 19, 23, 59, 59, 999},
       kMillisecondsPerDay - 1},
      {{2024, 6, 19, 12, 0, 0, 0}, {2024, 6, 20, 12, 0, 0, 0}, 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ElapsedWithinDay(c.start, c.end), c.elapsed);
  }
}

TEST(FormatLongTime, FollowsTheUsersRegionalSettings) {
  const LongTimeFormat russian{};  // H:mm:ss
  const LongTimeFormat usEnglish{false, ":", true, "AM", "PM", false};
  const LongTimeFormat markerFirst{true, ".", true, "am", "pm", true};
  const LongTimeFormat zeroed24{true, ":", false, "", "", false};
  struct Case {
    const LongTimeFormat& format;
    uint32_t time;
    Text text;
  } cases[] = {
      {russian, Ms(1, 2, 3), "1:02:03"},
      {russian, Ms(23, 55, 0), "23:55:00"},
      {russian, Ms(0, 0, 0, 999), "0:00:00"},
      {russian, Ms(0, 0, 59, 999), "0:00:59"},
      {russian, kMillisecondsPerDay - 1, "23:59:59"},
      {zeroed24, Ms(1, 2, 3), "01:02:03"},
      {usEnglish, Ms(0, 5, 0), "12:05:00 AM"},
      {usEnglish, Ms(11, 59, 59), "11:59:59 AM"},
      {usEnglish, Ms(12, 0, 0), "12:00:00 PM"},
      {usEnglish, Ms(13, 2, 3), "1:02:03 PM"},
      {markerFirst, Ms(0, 5, 0), "am 12.05.00"},
      {markerFirst, Ms(21, 5, 7), "pm 09.05.07"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FormatLongTime(c.time, c.format), c.text) << c.time;
  }
}

}  // namespace
}  // namespace kelmarin
