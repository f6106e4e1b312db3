#pragma once
// Small helpers the benchmark programs share: wall-clock spans, medians, and the plain write
// that serves as the baseline of several targets.
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
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

// One open, one write, one close: what writing the same bytes costs at the least.
inline void PlainWrite(const std::string& path, const Bytes& bytes, mode_t mode = 0644) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, mode);
    const bool ok = fd >= 0 && ::write(fd, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size());
    if (fd >= 0) ::close(fd);
    if (!ok) throw std::runtime_error("plain write failed: " + path);
}

}  // namespace qv::bench
