#pragma once
// Small helpers the benchmark programs share: wall-clock spans, medians, the ratio report, and
// the plain write that serves as the baseline of several targets.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/Bytes.h"

namespace qv::bench {

using Clock = std::chrono::steady_clock;

inline double Seconds(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double>(to - from).count();
}

inline double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

// The operation's and the baseline's medians (ms) and their ratio as counters, and one printed
// line that names the target.
inline void ReportRatio(benchmark::State& state, const std::string& what, const std::string& baseline, double ms,
                        double baseMs, double target) {
    state.counters[what + "_ms"] = ms;
    state.counters[baseline + "_ms"] = baseMs;
    state.counters["ratio"] = ms / baseMs;
    std::printf("%s %.1f ms, %s %.1f ms (medians), ratio %.2f (target <= %g)\n", what.c_str(), ms, baseline.c_str(),
                baseMs, ms / baseMs, target);
}

// One open, one write, one close: what writing the same bytes costs at the least.
inline void PlainWrite(const std::string& path, const Bytes& bytes, mode_t mode = 0644) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, mode);
    const bool ok = fd >= 0 && ::write(fd, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size());
    if (fd >= 0) ::close(fd);
    if (!ok) throw std::runtime_error("plain write failed: " + path);
}

}  // namespace qv::bench
