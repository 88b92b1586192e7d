#include "DateTime.h"

#include <cmath>

namespace {

constexpr int64_t MSecsPerDay = 86400000;
constexpr int32_t DateDelta = 693594;  // days from 0001-01-01 to 1899-12-30, exclusive

bool IsLeapYear(int Year) {
    return Year % 4 == 0 && (Year % 100 != 0 || Year % 400 == 0);
}

int DaysInMonth(int Year, int Month) {
    static const int Days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return Month == 2 && IsLeapYear(Year) ? 29 : Days[Month - 1];
}

int64_t FloorDiv(int64_t A, int64_t B) {
    int64_t Q = A / B;
    return (A % B != 0 && (A < 0) != (B < 0)) ? Q - 1 : Q;
}

}  // namespace

bool IsValidDate(int Year, int Month, int Day) {
    return Year >= 1 && Year <= 9999 && Month >= 1 && Month <= 12 && Day >= 1 &&
           Day <= DaysInMonth(Year, Month);
}

int32_t EncodeDayNumber(int Year, int Month, int Day) {
    int32_t DayOfYear = Day;
    for (int M = 1; M < Month; ++M) DayOfYear += DaysInMonth(Year, M);
    int32_t N = Year - 1;
    return N * 365 + N / 4 - N / 100 + N / 400 + DayOfYear - DateDelta;
}

double EncodeDateTime(int Year, int Month, int Day, int Hour, int Minute, int Second) {
    double Date = EncodeDayNumber(Year, Month, Day);
    double Time = double(Hour * 3600000 + Minute * 60000 + Second * 1000) / double(MSecsPerDay);
    return Date + Time;
}

TDateTimeParts DecodeDateTime(double Value) {
    TDateTimeParts P;
    int64_t Millis = std::llround(Value * double(MSecsPerDay));
    int64_t Days = FloorDiv(Millis, MSecsPerDay);
    int64_t OfDay = Millis - Days * MSecsPerDay;
    P.Hour = int(OfDay / 3600000);
    P.Minute = int(OfDay / 60000 % 60);
    P.Second = int(OfDay / 1000 % 60);
    P.MilliSecond = int(OfDay % 1000);

    // Civil date from a day count (days since 0001-01-01 = 0).
    int64_t D = Days + DateDelta - 1;
    int64_t Y400 = FloorDiv(D, 146097);
    D -= Y400 * 146097;
    int64_t Y100 = D / 36524;
    if (Y100 == 4) Y100 = 3;
    D -= Y100 * 36524;
    int64_t Y4 = D / 1461;
    D -= Y4 * 1461;
    int64_t Y1 = D / 365;
    if (Y1 == 4) Y1 = 3;
    D -= Y1 * 365;
    P.Year = int(Y400 * 400 + Y100 * 100 + Y4 * 4 + Y1 + 1);
    P.Month = 1;
    while (D >= DaysInMonth(P.Year, P.Month)) {
        D -= DaysInMonth(P.Year, P.Month);
        ++P.Month;
    }
    P.Day = int(D + 1);
    return P;
}

bool DateTimeToDos(double Value, uint16_t& DosDate, uint16_t& DosTime) {
    DosDate = DosTime = 0;
    if (!std::isfinite(Value) || std::fabs(Value) > 3.0e6) return false;
    TDateTimeParts P = DecodeDateTime(Value);
    if (P.Year < 1980 || P.Year > 2099) return false;
    DosDate = uint16_t((P.Year - 1980) * 512 + P.Month * 32 + P.Day);
    DosTime = uint16_t(P.Hour * 2048 + P.Minute * 32 + P.Second / 2);
    return true;
}

double DosToDateTime(uint16_t DosDate, uint16_t DosTime) {
    if (!IsValidDate(1980 + (DosDate >> 9), (DosDate >> 5) & 15, DosDate & 31)) return 0;
    return EncodeDateTime(1980 + (DosDate >> 9), (DosDate >> 5) & 15, DosDate & 31, DosTime >> 11,
                          (DosTime >> 5) & 63, (DosTime & 31) * 2);
}
