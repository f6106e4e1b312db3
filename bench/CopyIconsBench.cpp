// Copying every icon of a 2,000-icon package into an empty folder with the viewer's copy worker,
// against writing the same bytes into the same number of files with plain writes, alternately in
// the same run. The ratio is reported as the counter "ratio" of the copy.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "bench/WindowBenchMain.h"

#include <chrono>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "common/ui/qvMessageDlgFormW.h"
#include "compiler/QuorcompExports.h"
#include "icon/TQVIcon.h"
#include "platform/FileIO.h"
#include "platform/TMemoryStream.h"
#include "platform/TModuleResources.h"
#include "runtime/QuorvexCopyToForm.h"
#include "runtime/QuorvexMainForm.h"
#include "tests/support/TestProject.h"

namespace {

constexpr int kIcons = 2000;

struct TViewer {
    qv::test::TestProject project;
    std::unique_ptr<qv::TtntfrmQuorvex> form;
    std::vector<qv::Bytes> files;  // what the copy writes, icon by icon
    TViewer() {
        project.WriteManyIcons(kIcons, qv::test::TestProject::Fixture("five.ico"));
        const std::string package = project.Path("bench.run");
        if (CompilePackage(project.ProjectPath().c_str(), package.c_str(), 0) != 0)
            throw std::runtime_error("the benchmark package does not build");
        qv::TModuleResources::SetSelfFile(package);
        form = std::make_unique<qv::TtntfrmQuorvex>();
        new qv::TtntfrmIconPackCopyTo(form.get());
        for (int i = 0; i < form->PackIconCount(); ++i) {
            qv::TQVIcon icon = form->PackIcon(i);
            qv::TMemoryStream stream;
            icon.SaveToStream(stream);
            files.push_back(stream.TakeData());
        }
    }
};

TViewer& Viewer() {
    static TViewer viewer;
    return viewer;
}

using TClock = std::chrono::steady_clock;

// A fresh empty folder for one round; the previous round's files go first.
std::string EmptyFolder(const char* name) {
    const std::string folder = Viewer().project.Path(name);
    std::filesystem::remove_all(folder);
    qv::ForceDirectories(folder);
    return folder;
}

double CopyOnce() {
    const std::string folder = EmptyFolder("copy/");
    const auto start = TClock::now();
    const QStringList written = Viewer().form->CopyIconsTo(QString::fromStdString(folder), false);
    const double seconds = std::chrono::duration<double>(TClock::now() - start).count();
    if (written.size() != kIcons) throw std::runtime_error("the copy did not write every icon");
    return seconds;
}

double PlainOnce() {
    const std::string folder = EmptyFolder("plain/");
    const auto start = TClock::now();
    for (size_t i = 0; i < Viewer().files.size(); ++i)
        qv::WriteWholeFile(folder + "i" + std::to_string(i) + ".ico", Viewer().files[i]);
    return std::chrono::duration<double>(TClock::now() - start).count();
}

void BM_CopyIconsAgainstPlainWrites(benchmark::State& state) {
    Viewer();
    double copy = 0, plain = 0;
    for (auto _ : state) {
        const double c = CopyOnce();
        const double p = PlainOnce();
        copy += c;
        plain += p;
        state.SetIterationTime(c);
    }
    state.counters["copy_ms"] = copy * 1000 / double(state.iterations());
    state.counters["plain_ms"] = plain * 1000 / double(state.iterations());
    state.counters["ratio"] = copy / plain;
}

BENCHMARK(BM_CopyIconsAgainstPlainWrites)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

}  // namespace

int main(int argc, char** argv) {
    return qv::bench::RunWindowBenchmarks(argc, argv, [] {
        Viewer().form.reset();
        qv::FreeMessageDlgForm();
    });
}
