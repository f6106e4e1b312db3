#pragma once
// The main of a benchmark program that makes windows: the offscreen platform unless another is
// set, the application object, every registered benchmark, then release(), which ends what the
// benchmarks made while the application object still exists.
#include <benchmark/benchmark.h>

#include <functional>

#include "platform/qt/TQvApplication.h"

namespace qv::bench {

inline int RunWindowBenchmarks(int argc, char** argv, const std::function<void()>& release) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    TQvApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    if (release) release();
    benchmark::Shutdown();
    return 0;
}

}  // namespace qv::bench
