#include "archiving/day_time.h"

#include <string>

namespace kelmarin {

namespace {

// Zero-padded decimal. Kept free of the printf family, whose mingw version
// alone would add a sixth to the size of the exe.
Text Padded(int value, size_t width) {
  Text digits = std::to_string(value);
  if (value >= 0 && digits.size() < width) digits.insert(0, width - digits.size(), '0');
  return digits;
}

Text TwoDigits(int value) { return Padded(value, 2); }

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
  return TwoDigits(date.day) + "-" + TwoDigits(date.month) + "-" + Padded(date.year, 4);
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
