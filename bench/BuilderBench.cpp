// The builder with a project of 1,000 icons: opening it (rows and thumbnails included) against
// loading the same icon files into containers alone, and saving it into a new folder against
// writing the same files with plain writes, each pair measured in the same run.
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "builder/TfrmBuilderMain.h"
#include "icon/TQVIcon.h"
#include "bench/BenchBuilder.h"
#include "bench/BenchSupport.h"
#include "platform/FileIO.h"
#include "platform/qt/TFakeSystemSeams.h"
#include "platform/qt/TQvApplication.h"
#include "platform/qt/TScopedSeams.h"

namespace {

using qv::bench::Median;
using qv::bench::PlainWrite;
using qv::bench::Seconds;

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr int kIcons = 1000;

// A window with a saved project of kIcons icons (the sample project's three-image icon under
// a thousand names), made once for all benchmarks.
struct TBench : qv::bench::TBenchWindow {
    std::string Project;
    std::vector<std::string> IconFiles;

    TBench() {
        for (const std::string& file : WriteSampleIcons("source", kIcons)) Window->AddIconFile(file);
        fs::create_directories(Root + "project");
        Project = Root + "project/bench.ipp";
        Window->SaveProject(Project, false);
        for (int i = 0; i < kIcons; ++i) IconFiles.push_back(Root + "project/icon/i" + std::to_string(10000 + i) + ".ico");
    }
};

// Made on first use; ended before the application object, which its window needs.
std::unique_ptr<TBench> GBench;

TBench& Bench() {
    if (!GBench) GBench = std::make_unique<TBench>();
    return *GBench;
}

void BM_OpenProject(benchmark::State& state) {
    TBench& bench = Bench();
    std::vector<double> open, load;
    for (auto _ : state) {
        const auto t0 = Clock::now();
        bench.Window->LoadProject(bench.Project);
        const auto t1 = Clock::now();
        qv::bench::LoadIconFiles(bench.IconFiles);
        const auto t2 = Clock::now();
        open.push_back(Seconds(t0, t1));
        load.push_back(Seconds(t1, t2));
        state.SetIterationTime(Seconds(t0, t1));
    }
    qv::bench::ReportRatio(state, "open", "load_icons", 1000 * Median(open), 1000 * Median(load), 3);
}

// Every file below a folder with its bytes, relative names first made into folders.
std::vector<std::pair<std::string, qv::Bytes>> FilesBelow(const std::string& folder) {
    std::vector<std::pair<std::string, qv::Bytes>> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        if (entry.is_regular_file())
            files.emplace_back(fs::relative(entry.path(), folder).string(), qv::ReadWholeFile(entry.path().string()));
    return files;
}

void BM_SaveProject(benchmark::State& state) {
    TBench& bench = Bench();
    bench.Window->LoadProject(bench.Project);
    std::vector<double> save, plain;
    int round = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const std::string saved = bench.Root + "saved" + std::to_string(round) + "/";
        const std::string copied = bench.Root + "plain" + std::to_string(round++) + "/";
        fs::create_directories(saved);
        state.ResumeTiming();
        const auto t0 = Clock::now();
        bench.Window->SaveProject(saved + "bench.ipp", false);
        const auto t1 = Clock::now();

        state.PauseTiming();
        const auto files = FilesBelow(saved);
        state.ResumeTiming();
        const auto t2 = Clock::now();
        fs::create_directories(copied + "icon");
        for (const auto& [name, bytes] : files) PlainWrite(copied + name, bytes);
        const auto t3 = Clock::now();

        save.push_back(Seconds(t0, t1));
        plain.push_back(Seconds(t2, t3));
        state.SetIterationTime(Seconds(t0, t1));
        state.PauseTiming();
        fs::remove_all(saved);
        fs::remove_all(copied);
        state.ResumeTiming();
    }
    qv::bench::ReportRatio(state, "save", "plain_writes", 1000 * Median(save), 1000 * Median(plain), 2);
}

BENCHMARK(BM_OpenProject)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(11);
BENCHMARK(BM_SaveProject)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(11);

}  // namespace

int main(int argc, char** argv) {
    return qv::bench::RunWindowBenchmarks(argc, argv, [] { GBench.reset(); });
}
