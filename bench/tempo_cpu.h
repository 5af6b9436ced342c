#pragma once
// The CPU time the whole process has used, for the benchmarks' idle costs,
// and the percentiles of their timings.
#include <algorithm>
#include <ctime>
#include <vector>

namespace zolmera::bench {

inline double processCpuSeconds()
{
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return double(ts.tv_sec) + double(ts.tv_nsec) / 1e9;
}

// The value below which a share p of the samples lie (p from 0 to 1).
inline double percentile(std::vector<double> v, double p)
{
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    const auto i = std::size_t(std::clamp(p * double(v.size() - 1), 0.0, double(v.size() - 1)));
    return v[i];
}

}  // namespace zolmera::bench
