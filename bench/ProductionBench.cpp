// A build from the builder of a project of 500 icons (the temporary save of a modified project,
// loading the compiler library, CompilePackage, unloading) against the quorcomp command on the
// same saved project, each pair measured in the same run.
#include <benchmark/benchmark.h>

#include <stdlib.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include <QString>

#include "builder/TfrmBuilderMain.h"
#include "platform/ChildProcess.h"
#include "bench/BenchBuilder.h"
#include "bench/BenchSupport.h"
#include "platform/FileIO.h"
#include "platform/qt/TFakeSystemSeams.h"
#include "platform/qt/TQvApplication.h"
#include "platform/qt/TScopedSeams.h"

namespace {

using qv::bench::Median;
using qv::bench::Seconds;

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr int kIcons = 500;

struct TBench : qv::bench::TBenchWindow {
    std::string Project;

    TBench() : TBenchWindow({"libquorcomp.so"}) {
        fs::create_directories(Root + "project");
        fs::create_directories(Root + "tmp");
        ::setenv("TMPDIR", (Root + "tmp").c_str(), 1);
        for (const std::string& file : WriteSampleIcons("source", kIcons)) Window->AddIconFile(file);
        Project = Root + "project/bench.ipp";
        Window->SaveProject(Project, false);
    }
};

std::unique_ptr<TBench> GBench;

void BM_BuildFromBuilder(benchmark::State& state) {
    if (!GBench) GBench = std::make_unique<TBench>();
    TBench& bench = *GBench;
    const std::vector<std::string> cli{std::string(QV_BIN_DIR) + "/quorcomp", bench.Project, bench.Root + "cli.run"};
    std::vector<double> builder, command;
    for (auto _ : state) {
        bench.Window->SetModified();  // the build goes through the temporary save
        const auto t0 = Clock::now();
        bench.Window->actCompileExecute();
        const auto t1 = Clock::now();
        const qv::TProcessStart start = qv::StartChildProcess(cli, "");
        const int exitCode = start.Started() ? qv::WaitChildProcess(start.Pid) : -1;
        const auto t2 = Clock::now();
        if (bench.Window->StatusText() != QString::fromUtf8("コンパイル完了。") || exitCode != 0)
            state.SkipWithError("a build failed");
        builder.push_back(Seconds(t0, t1));
        command.push_back(Seconds(t1, t2));
        state.SetIterationTime(Seconds(t0, t1));
    }
    qv::bench::ReportRatio(state, "builder", "quorcomp", 1000 * Median(builder), 1000 * Median(command), 1.5);
}

BENCHMARK(BM_BuildFromBuilder)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(11);

}  // namespace

int main(int argc, char** argv) {
    return qv::bench::RunWindowBenchmarks(argc, argv, [] { GBench.reset(); });
}
