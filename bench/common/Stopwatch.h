// The one clock every figure of the benchmark is read from: the performance counter.
#pragma once

#include <windows.h>

inline double NowMs() {
    LARGE_INTEGER Frequency, Counter;
    QueryPerformanceFrequency(&Frequency);
    QueryPerformanceCounter(&Counter);
    return static_cast<double>(Counter.QuadPart) * 1000.0 / static_cast<double>(Frequency.QuadPart);
}
