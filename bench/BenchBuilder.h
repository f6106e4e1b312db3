#pragma once
// Helpers of the benchmarks that drive a builder window: loading icon files into containers
// alone (their common baseline) and the program's main on the offscreen platform.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "icon/TQVIcon.h"
#include "platform/qt/TQvApplication.h"

namespace qv::bench {

inline void LoadIconFiles(const std::vector<std::string>& files) {
    for (const std::string& file : files) {
        TQVIcon icon;
        icon.LoadFromFile(file);
        benchmark::DoNotOptimize(icon.Count());
    }
}

// Runs the registered benchmarks inside an application object; release ends what the
// benchmarks made (windows) while the application still exists.
inline int RunWindowBenchmarks(int argc, char** argv, void (*release)()) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    TQvApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    if (release) release();
    benchmark::Shutdown();
    return 0;
}

}  // namespace qv::bench
