#include "processclock.h"

#include <sys/resource.h>
#include <ctime>

namespace ProcessClock {

qint64 nowNs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return qint64(ts.tv_sec) * 1'000'000'000 + ts.tv_nsec;
}

qint64 cpuNs()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto ns = [](const timeval &tv) { return qint64(tv.tv_sec) * 1'000'000'000 + qint64(tv.tv_usec) * 1000; };
    return ns(usage.ru_utime) + ns(usage.ru_stime);
}

qint64 peakRssKiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss; // Linux reports KiB
}

} // namespace ProcessClock
