// Drawing a 48 x 48 icon image with its mask against a plain copy of its pixels onto the same
// surface, and making the image and mask bitmaps of 10,000 images against copying their blocks.
// Each benchmark times the operation and its baseline in the same run and reports both and the
// ratio (targets: at most 4 and at most 3).
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstring>

#include "IconTestFiles.h"
#include "icon/IconDrawing.h"
#include "icon/TQVIcon.h"
#include "platform/TBitmapSurface.h"
#include "platform/TByteSpanStream.h"

namespace {

using Clock = std::chrono::steady_clock;
using qv::test::MakeTestImage;
using qv::test::TTestImage;

qv::TQVIcon LoadIcon(const qv::Bytes& file) {
    qv::TByteSpanStream stream(file.data(), file.size());
    qv::TQVIcon icon;
    icon.LoadFromStream(stream);
    return icon;
}

template <class F>
double TimeNs(F&& f, int repeats) {
    const auto start = Clock::now();
    for (int i = 0; i < repeats; ++i) f();
    return std::chrono::duration<double, std::nano>(Clock::now() - start).count() / repeats;
}

void Report(benchmark::State& state, double op, double baseline, int samples) {
    state.counters["op_ns"] = op / samples;
    state.counters["baseline_ns"] = baseline / samples;
    state.counters["ratio"] = op / baseline;
}

void BM_DrawBlended48VsPlainCopy(benchmark::State& state) {
    TTestImage source = MakeTestImage(48, 48, 32, 7);
    const qv::TQVIcon icon = LoadIcon(qv::test::MakeIconFile({source}));
    auto image = icon.GetImageBitmap(0);
    const auto mask = icon.GetMaskBitmap(0);
    qv::TDIBitmap target(256, 256, 32);
    target.Fill(0xFF808080);
    qv::TBitmapSurface surface(target);
    double op = 0, baseline = 0;
    int samples = 0;
    for (auto _ : state) {
        op += TimeNs([&] { qv::DrawBitmapBlended(*image, mask.get(), 10, 10, surface); }, 100);
        baseline += TimeNs([&] { surface.CopyFromBitmap(*image, 10, 10); }, 100);
        ++samples;
        benchmark::DoNotOptimize(target.ScanLine(10));
    }
    Report(state, op, baseline, samples);
}
BENCHMARK(BM_DrawBlended48VsPlainCopy);

void BM_Bitmaps10000VsBlockCopies(benchmark::State& state) {
    std::vector<TTestImage> images;
    const struct {
        uint8_t size;
        uint16_t bitCount;
    } kinds[] = {{16, 8}, {32, 8}, {48, 32}, {32, 32}, {16, 32}};
    for (int i = 0; i < 10000; ++i) images.push_back(MakeTestImage(kinds[i % 5].size, kinds[i % 5].size, kinds[i % 5].bitCount, uint8_t(i)));
    const qv::Bytes file = qv::test::MakeIconFile(images);
    const qv::TQVIcon icon = LoadIcon(file);
    double op = 0, baseline = 0;
    int samples = 0;
    for (auto _ : state) {
        op += TimeNs([&] {
            for (int i = 0; i < icon.Count(); ++i) {
                auto image = icon.GetImageBitmap(i);
                auto mask = icon.GetMaskBitmap(i);
                benchmark::DoNotOptimize(image.get());
                benchmark::DoNotOptimize(mask.get());
            }
        }, 1);
        baseline += TimeNs([&] {
            for (int i = 0; i < icon.Count(); ++i) {
                const qv::TIconDirEntry e = icon.GetEntry(i);
                qv::Bytes copy(file.begin() + e.ImageOffset, file.begin() + e.ImageOffset + e.BytesInRes);
                benchmark::DoNotOptimize(copy.data());
            }
        }, 1);
        ++samples;
    }
    Report(state, op, baseline, samples);
}
BENCHMARK(BM_Bitmaps10000VsBlockCopies)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
