#pragma once

#include <QtGlobal>
#include <algorithm>
#include <vector>

// Clocks and counters read the same way in the benchmark and in its child
// processes, so their readings can be subtracted across processes.
namespace ProcessClock {

// CLOCK_MONOTONIC in nanoseconds: one time line for every process.
qint64 nowNs();

// User plus system CPU time this process has used so far.
qint64 cpuNs();

// Peak resident memory of this process so far, in KiB.
qint64 peakRssKiB();

// Median of a non-empty sample; the middle pair's mean for an even count.
template <typename T>
double median(std::vector<T> values)
{
    std::sort(values.begin(), values.end());
    const size_t mid = values.size() / 2;
    return values.size() % 2 ? double(values[mid]) : (double(values[mid - 1]) + double(values[mid])) / 2;
}

} // namespace ProcessClock
