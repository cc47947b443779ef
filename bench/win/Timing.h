// The clock and the summary the Windows benchmarks share.
#pragma once

#include <windows.h>

#include <algorithm>
#include <vector>

// Seconds on the performance counter.
inline double Now()
{
    LARGE_INTEGER counter, frequency;
    QueryPerformanceCounter(&counter);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

inline double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}
