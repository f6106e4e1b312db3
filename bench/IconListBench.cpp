// Dropping 500 icon files onto the builder's icon list (every row loaded, captioned, counted
// and given its thumbnail, the project marked modified) against loading the same files into
// icon containers alone, both in the same run.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include <QStringList>
#include <QTreeWidget>

#include "bench/BenchSupport.h"
#include "builder/BuilderText.h"
#include "builder/TPackageInfoPage.h"
#include "builder/TfrmBuilderMain.h"
#include "icon/TQVIcon.h"
#include "platform/FileIO.h"
#include "platform/qt/TFakeSystemSeams.h"
#include "platform/qt/TQvApplication.h"
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
    for (auto _ : state) {
        const auto t0 = Clock::now();
        bench.Window->ddIconFileDrop(bench.Dropped);
        const auto t1 = Clock::now();
        for (const std::string& file : bench.Files) {
            qv::TQVIcon icon;
            icon.LoadFromFile(file);
            benchmark::DoNotOptimize(icon.Count());
        }
        const auto t2 = Clock::now();
        if (list.topLevelItemCount() != kFiles) state.SkipWithError("the drop did not add every file");
        drop.push_back(Seconds(t0, t1));
        load.push_back(Seconds(t1, t2));
        state.SetIterationTime(Seconds(t0, t1));
        bench.Window->actDeleteAllIconExecute();
    }
    const double dropMs = 1000 * Median(drop), loadMs = 1000 * Median(load);
    state.counters["drop_ms"] = dropMs;
    state.counters["load_icons_ms"] = loadMs;
    state.counters["ratio"] = dropMs / loadMs;
    std::printf("drop %.1f ms, load_icons %.1f ms (medians), ratio %.2f (target <= 3)\n", dropMs, loadMs, dropMs / loadMs);
}

BENCHMARK(BM_DropIcons)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(15);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qv::TQvApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
