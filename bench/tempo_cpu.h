#pragma once
// The CPU time the whole process has used, for the benchmarks' idle costs.
#include <ctime>

namespace zolmera::bench {

inline double processCpuSeconds()
{
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return double(ts.tv_sec) + double(ts.tv_nsec) / 1e9;
}

}  // namespace zolmera::bench
