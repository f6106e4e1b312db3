// Dropping 500 icon files onto the builder's icon list (every row loaded, captioned, counted
// and given its thumbnail, the project marked modified) against loading the same files into
// icon containers alone, both in the same run.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include <QStringList>
#include <QTreeWidget>

#include "bench/BenchBuilder.h"
#include "bench/BenchSupport.h"
#include "builder/BuilderText.h"
#include "builder/TPackageInfoPage.h"
#include "builder/TfrmBuilderMain.h"
#include "platform/FileIO.h"
#include "platform/qt/TFakeSystemSeams.h"
#include "platform/qt/TScopedSeams.h"

namespace {

using qv::bench::Clock;
using qv::bench::Median;
using qv::bench::Seconds;

constexpr int kFiles = 500;

// A builder window and kFiles copies of the sample project's three-image icon in a folder of
// their own, removed at the end.
struct TDropBench : qv::bench::TBenchWindow {
    std::vector<std::string> Files = WriteSampleIcons("icons", kFiles);
    QStringList Dropped;

    TDropBench() {
        for (const std::string& file : Files) Dropped << qv::PathToQ(file);
    }
};

void BM_DropIcons(benchmark::State& state) {
    TDropBench bench;
    QTreeWidget& list = *bench.Window->PackageInfoPage().lvIcon;
    std::vector<double> drop, load;
    bool dropFirst = true;
    for (auto _ : state) {
        // The two take turns at going first, so that neither always finds the files cached.
        double loadSeconds = 0;
        const auto loadAll = [&] {
            const auto t0 = Clock::now();
            qv::bench::LoadIconFiles(bench.Files);
            loadSeconds = Seconds(t0, Clock::now());
        };
        if (!dropFirst) loadAll();
        const auto t0 = Clock::now();
        bench.Window->ddIconFileDrop(bench.Dropped);
        const double dropSeconds = Seconds(t0, Clock::now());
        if (dropFirst) loadAll();
        dropFirst = !dropFirst;
        if (list.topLevelItemCount() != kFiles) state.SkipWithError("the drop did not add every file");
        drop.push_back(dropSeconds);
        load.push_back(loadSeconds);
        state.SetIterationTime(dropSeconds);
        bench.Window->actDeleteAllIconExecute();
    }
    qv::bench::ReportRatio(state, "drop", "load_icons", 1000 * Median(drop), 1000 * Median(load), 3);
}

BENCHMARK(BM_DropIcons)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(31);

}  // namespace

int main(int argc, char** argv) { return qv::bench::RunWindowBenchmarks(argc, argv, [] {}); }
