#pragma once
// Helpers of the benchmarks that drive a builder window: loading icon files into containers
// alone (their common baseline), and the program's main on the offscreen platform.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "icon/TQVIcon.h"
#include "bench/WindowBenchMain.h"

namespace qv::bench {

inline void LoadIconFiles(const std::vector<std::string>& files) {
    for (const std::string& file : files) {
        TQVIcon icon;
        icon.LoadFromFile(file);
        benchmark::DoNotOptimize(icon.Count());
    }
}

}  // namespace qv::bench
