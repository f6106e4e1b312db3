// From process start to the viewer's window shown, for a package of 2,000 icons (five images
// each) against a package of one such icon, measured alternately in the same run. Each package
// is started as its own process under the offscreen platform with QUORVEX_REPORT_SHOWN set: it
// prints the moment its first showing has been handled on the monotonic clock and quits, so the
// time covers the program's start, the reading of the package and the building of the icon list,
// and not the event loop afterwards or the process's end. The ratio is that of the two medians
// (target: at most 2).
#include <benchmark/benchmark.h>

#include <spawn.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cstdlib>
#include <stdexcept>
#include <string>
#include <vector>

#include "bench/BenchSupport.h"
#include "compiler/QuorcompExports.h"
#include "tests/support/TestProject.h"

extern char** environ;

namespace {

using qv::bench::Median;

constexpr int kManyIcons = 2000;

long long NowMicroseconds() {
    timespec now{};
    ::clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000 + now.tv_nsec / 1000;
}

struct TPackage {
    qv::test::TestProject project;
    std::string path;
    explicit TPackage(int icons) {
        project.WriteManyIcons(icons, qv::test::TestProject::Fixture("five.ico"));
        path = project.Path("bench.run");
        if (CompilePackage(project.ProjectPath().c_str(), path.c_str(), 0) != 0)
            throw std::runtime_error("the benchmark package does not build");
    }
};

std::vector<char*> ChildEnvironment(std::vector<std::string>& storage) {
    storage = {"QUORVEX_REPORT_SHOWN=1", "QT_QPA_PLATFORM=offscreen"};
    std::vector<char*> env;
    for (std::string& s : storage) env.push_back(s.data());
    for (char** e = environ; *e; ++e) {
        const std::string entry = *e;
        if (entry.rfind("QUORVEX_REPORT_SHOWN=", 0) != 0 && entry.rfind("QT_QPA_PLATFORM=", 0) != 0) env.push_back(*e);
    }
    env.push_back(nullptr);
    return env;
}

// Microseconds from the start of the process to the moment it reports its window shown.
double StartToShown(const std::string& package) {
    int out[2];
    if (::pipe(out) != 0) throw std::runtime_error("pipe");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    std::vector<std::string> storage;
    std::vector<char*> env = ChildEnvironment(storage);
    std::string program = package;
    char* argv[] = {program.data(), nullptr};
    pid_t pid = 0;
    const long long started = NowMicroseconds();
    const int error = ::posix_spawn(&pid, program.c_str(), &actions, nullptr, argv, env.data());
    posix_spawn_file_actions_destroy(&actions);
    ::close(out[1]);
    std::string report;
    char buffer[4096];
    for (ssize_t n; (n = ::read(out[0], buffer, sizeof buffer)) > 0;) report.append(buffer, size_t(n));
    ::close(out[0]);
    int status = 0;
    if (error == 0) ::waitpid(pid, &status, 0);
    const size_t at = report.find("shown_us: ");
    if (error != 0 || at == std::string::npos) throw std::runtime_error("the package did not report its window");
    return double(std::stoll(report.substr(at + 10)) - started);
}

void BM_ViewerStartToShown(benchmark::State& state) {
    static TPackage one(1), many(kManyIcons);
    std::vector<double> oneTimes, manyTimes;
    for (auto _ : state) {
        oneTimes.push_back(StartToShown(one.path));
        manyTimes.push_back(StartToShown(many.path));
    }
    // Medians, so that a burst of other work on the machine does not decide the ratio.
    const double oneMs = Median(oneTimes) / 1000, manyMs = Median(manyTimes) / 1000;
    state.counters["one_icon_ms"] = oneMs;
    state.counters["icons_2000_ms"] = manyMs;
    state.counters["ratio"] = manyMs / oneMs;
}

BENCHMARK(BM_ViewerStartToShown)->Unit(benchmark::kMillisecond)->Iterations(15);

}  // namespace

BENCHMARK_MAIN();
