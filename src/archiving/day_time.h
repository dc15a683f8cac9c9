#pragma once
// Dates and times of day as the archiving run shows and uses them.
#include <cstdint>

#include "platform/system.h"
#include "platform/text.h"

namespace kelmarin {

constexpr uint32_t kMillisecondsPerDay = 24u * 60 * 60 * 1000;

uint32_t MillisecondsOfDay(const LocalTime& time);

// The absolute difference of the two times of day, the dates ignored: a run
// from 23:58 to 00:03 gives 23 hours 55 minutes.
uint32_t ElapsedWithinDay(const LocalTime& start, const LocalTime& end);

// 'DD-MM-YYYY' whatever the user's regional settings say.
Text DateFolderName(const LocalTime& date);

// A time of day in the user's long time format; fractions of a second are
// dropped.
Text FormatLongTime(uint32_t millisecondsOfDay, const LongTimeFormat& format);

}  // namespace kelmarin
