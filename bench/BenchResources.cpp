// Adding 10,000 resources of 2 KB each to a copy of a program (begin, 10,000 updates, end)
// against writing a file of the same size with one plain write, measured in the same run.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <stdexcept>
#include <unistd.h>

#include "bench/BenchSupport.h"
#include "platform/FileIO.h"
#include "platform/TResourceUpdater.h"

namespace {

using qv::bench::Median;
using qv::bench::PlainWrite;
using qv::bench::Seconds;

using Clock = std::chrono::steady_clock;

constexpr int KCount = 10000;
constexpr size_t KSize = 2048;

std::string TempFolder() {
    const char* base = std::getenv("TMPDIR");
    std::string pattern = std::string(base && *base ? base : "/tmp") + "/qvres-bench-XXXXXX";
    if (!::mkdtemp(&pattern[0])) throw std::runtime_error("mkdtemp failed");
    return pattern;
}




std::vector<qv::Bytes> MakeIcons() {
    std::vector<qv::Bytes> icons(KCount, qv::Bytes(KSize));
    for (int i = 0; i < KCount; ++i)
        for (size_t k = 0; k < KSize; ++k) icons[i][k] = static_cast<uint8_t>(i * 131 + k * 7);
    return icons;
}

// Times begin + KCount updates + end against one plain write of a file as large as the result.
// update(updater, icons) performs the updates; icons is a fresh copy in every iteration.
template <typename TUpdate>
void RunAddResources(benchmark::State& state, const char* label, TUpdate update) {
    const std::string folder = TempFolder();
    const std::string program = folder + "/package.run", plain = folder + "/plain.bin";
    const qv::Bytes original = qv::ReadWholeFile("/bin/true");
    const std::vector<qv::Bytes> icons = MakeIcons();

    // Medians, so that a burst of other work on the machine does not decide the ratio.
    std::vector<double> updateTimes, plainTimes;
    size_t fileSize = 0;
    for (auto _ : state) {
        state.PauseTiming();
        qv::WriteWholeFile(program, original);
        std::vector<qv::Bytes> mine = icons;
        state.ResumeTiming();

        const auto t0 = Clock::now();
        auto updater = qv::TResourceUpdater::Begin(program);
        update(*updater, mine);
        if (!updater->End()) state.SkipWithError(updater->Error().c_str());
        const auto t1 = Clock::now();

        state.PauseTiming();
        const qv::Bytes same(qv::ReadWholeFile(program).size(), 0x5A);
        fileSize = same.size();
        state.ResumeTiming();
        const auto t2 = Clock::now();
        PlainWrite(plain, same, 0755);
        const auto t3 = Clock::now();

        updateTimes.push_back(Seconds(t0, t1));
        plainTimes.push_back(Seconds(t2, t3));
        state.SetIterationTime(Seconds(t0, t1));
    }
    const double updateMs = 1000 * Median(updateTimes), plainMs = 1000 * Median(plainTimes);
    state.counters["update_ms"] = updateMs;
    state.counters["plain_write_ms"] = plainMs;
    state.counters["ratio"] = updateMs / plainMs;
    state.counters["file_MB"] = static_cast<double>(fileSize) / (1 << 20);
    std::printf("%s: update %.2f ms, plain write %.2f ms (medians), ratio %.2f (target <= 2)\n", label, updateMs,
                plainMs, updateMs / plainMs);
    std::remove(program.c_str());
    std::remove(plain.c_str());
    ::rmdir(folder.c_str());
}

qv::ResId IconId(int i) { return qv::ResId::Number(static_cast<uint16_t>(i + 1)); }

// The general update: the updater copies each resource's bytes.
void BM_AddResourcesCopying(benchmark::State& state) {
    RunAddResources(state, "copying updates", [](qv::TResourceUpdater& u, std::vector<qv::Bytes>& icons) {
        for (int i = 0; i < KCount; ++i) u.Update(qv::ResId::Number(3), IconId(i), 1041, icons[i].data(), icons[i].size());
    });
}

// The compiler's update: the bytes read from an icon file are handed over without a copy.
void BM_AddResourcesMoving(benchmark::State& state) {
    RunAddResources(state, "moving updates", [](qv::TResourceUpdater& u, std::vector<qv::Bytes>& icons) {
        u.Reserve(KCount);
        for (int i = 0; i < KCount; ++i) u.Update(qv::ResId::Number(3), IconId(i), 1041, std::move(icons[i]));
    });
}

BENCHMARK(BM_AddResourcesCopying)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(31);
BENCHMARK(BM_AddResourcesMoving)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(31);

}  // namespace

BENCHMARK_MAIN();
