#pragma once
// What the side-by-side window benches time with: the windows' thread's own CPU time, and the
// median of a side's rounds. Qt Core alone, so the bare-Qt floor (second_window) shares them
// without the game's code.

#include <QtGlobal>

#include <algorithm>
#include <ctime>
#include <vector>

namespace bench {

inline qint64 threadCpuNs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return qint64(t.tv_sec) * 1'000'000'000 + t.tv_nsec;
}

inline double median(std::vector<qint64> v) {
    std::sort(v.begin(), v.end());
    return (v[(v.size() - 1) / 2] + v[v.size() / 2]) / 2.0;
}

} // namespace bench
