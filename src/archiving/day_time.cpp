#include "archiving/day_time.h"

#include <cstdio>

namespace kelmarin {

namespace {

Text TwoDigits(int value) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%02d", value);
  return buffer;
}

}  // namespace

uint32_t MillisecondsOfDay(const LocalTime& time) {
  return ((static_cast<uint32_t>(time.hour) * 60 + time.minute) * 60 +
          time.second) * 1000 + time.millisecond;
}

uint32_t ElapsedWithinDay(const LocalTime& start, const LocalTime& end) {
  const uint32_t from = MillisecondsOfDay(start);
  const uint32_t to = MillisecondsOfDay(end);
  return to >= from ? to - from : from - to;
}

Text DateFolderName(const LocalTime& date) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%02d-%02d-%04d", date.day, date.month,
                date.year);
  return buffer;
}

Text FormatLongTime(uint32_t millisecondsOfDay, const LongTimeFormat& format) {
  const uint32_t seconds = millisecondsOfDay / 1000 % (24 * 60 * 60);
  int hour = static_cast<int>(seconds / 3600);
  const int minute = static_cast<int>(seconds / 60 % 60);
  const int second = static_cast<int>(seconds % 60);

  const Text& marker = hour < 12 ? format.amText : format.pmText;
  if (format.twelveHour) {
    hour %= 12;
    if (hour == 0) hour = 12;
  }
  Text time = format.leadingZeroHours ? TwoDigits(hour) : std::to_string(hour);
  time += format.separator + TwoDigits(minute) + format.separator +
          TwoDigits(second);

  if (!format.twelveHour) return time;
  return format.markerFirst ? marker + " " + time : time + " " + marker;
}

}  // namespace kelmarin
