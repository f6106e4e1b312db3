// Dropping 500 icon files onto the builder's icon list (every row loaded, captioned, counted
// and given its thumbnail, the project marked modified) against loading the same files into
// icon containers alone, both in the same run.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <filesystem>
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

namespace fs = std::filesystem;
using qv::bench::Clock;
using qv::bench::Median;
using qv::bench::Seconds;

constexpr int kFiles = 500;

// A builder window and kFiles copies of the sample project's three-image icon in a folder of
// their own, removed at the end.
struct TDropBench {
    fs::path Root = fs::temp_directory_path() / ("qviconlistbench" + std::to_string(::getpid()));
    std::vector<std::string> Files;
    QStringList Dropped;
    qv::TFakeSystemSeams Seams;
    qv::TScopedSeams Scope{Seams};
    std::unique_ptr<qv::TfrmBuilderMain> Window;

    TDropBench() {
        fs::create_directories(Root / "program");
        fs::create_directories(Root / "icons");
        for (const char* name : {"japanese_sys.dat", "english_sys.dat", "korean_sys.dat", "chinese_sys.dat"})
            fs::copy_file(fs::path(QV_BIN_DIR) / name, Root / "program" / name);
        const qv::Bytes icon = qv::ReadWholeFile(std::string(QV_SOURCE_DIR) + "/examples/sample/icon/star.ico");
        for (int i = 0; i < kFiles; ++i) {
            Files.push_back((Root / "icons" / ("icon" + std::to_string(i) + ".ico")).string());
            qv::WriteWholeFile(Files.back(), icon);
            Dropped << qv::PathToQ(Files.back());
        }
        Window = std::make_unique<qv::TfrmBuilderMain>(
            qv::TBuilderPlaces{(Root / "program").string() + "/", (Root / "config").string(), "bench"});
        Window->show();
    }
    ~TDropBench() {
        Window.reset();
        std::error_code ec;
        fs::remove_all(Root, ec);
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
