// Date-time values: days since 1899-12-30 00:00 local time, the fraction being the time
// of day. Pure arithmetic with no platform calls, shared by the program and the host-side
// archive packer so that both produce bit-identical values.
#pragma once

#include <cstdint>

struct TDateTimeParts {
    int Year = 0, Month = 0, Day = 0;
    int Hour = 0, Minute = 0, Second = 0, MilliSecond = 0;
};

// Day number of a Gregorian date (1899-12-30 is 0).
int32_t EncodeDayNumber(int Year, int Month, int Day);

// The value a file's DOS date-time reads back as: day number plus the time of day, both
// rounded to double exactly in this order so that archive times compare equal bit for bit.
double EncodeDateTime(int Year, int Month, int Day, int Hour, int Minute, int Second);

// Splits a date-time rounded to the nearest millisecond into its calendar parts.
TDateTimeParts DecodeDateTime(double Value);

// DOS date and time words of a date-time (seconds halved, so an odd second falls to the
// even second below). False for years outside 1980..2099, which have no DOS form here.
bool DateTimeToDos(double Value, uint16_t& DosDate, uint16_t& DosTime);

// A date-time from DOS words, as a file's last-write time reads back.
double DosToDateTime(uint16_t DosDate, uint16_t DosTime);

bool IsValidDate(int Year, int Month, int Day);
