// Drawing a 48 x 48 icon image with its mask against a plain copy of its pixels onto the same
// surface (a 32-bit bitmap), and making the image and mask bitmaps of 10,000 images against copying their blocks.
// Each benchmark times the operation and its baseline in the same run and reports both and the
// ratio (targets: at most 4 and at most 3).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <ctime>
#include <vector>

#include "IconTestFiles.h"
#include "icon/IconDrawing.h"
#include "icon/TQVIcon.h"
#include "platform/TBitmapSurface.h"
#include "platform/TByteSpanStream.h"

namespace {

using qv::test::MakeTestImage;
using qv::test::TTestImage;

qv::TQVIcon LoadIcon(const qv::Bytes& file) {
    qv::TByteSpanStream stream(file.data(), file.size());
    qv::TQVIcon icon;
    icon.LoadFromStream(stream);
    return icon;
}

// Nanoseconds per call of f, by the thread's own processor time: other processes on a shared
// machine do not count.
template <class F>
double TimeNs(F&& f, int repeats) {
    const auto now = [] {
        timespec t{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
        return double(t.tv_sec) * 1e9 + double(t.tv_nsec);
    };
    const double start = now();
    for (int i = 0; i < repeats; ++i) f();
    return (now() - start) / repeats;
}

// The operation and its baseline timed in alternation; the median sample of each is reported,
// so that neither a disturbed sample nor a lucky one decides.
struct TPair {
    std::vector<double> Op;
    std::vector<double> Baseline;
    template <class F, class G>
    void Sample(F&& op, G&& baseline, int repeats) {
        Op.push_back(TimeNs(op, repeats));
        Baseline.push_back(TimeNs(baseline, repeats));
    }
    static double Median(std::vector<double> v) {
        std::nth_element(v.begin(), v.begin() + long(v.size() / 2), v.end());
        return v[v.size() / 2];
    }
    void Report(benchmark::State& state) const {
        const double op = Median(Op), baseline = Median(Baseline);
        state.counters["op_ns"] = op;
        state.counters["baseline_ns"] = baseline;
        state.counters["ratio"] = op / baseline;
    }
};

// The 48 x 48 32-bit image of an icon file made by icotool, with the mask icotool made from its
// alpha channel.
void BM_DrawBlended48VsPlainCopy(benchmark::State& state) {
    const qv::TQVIcon icon = LoadIcon(qv::test::ReadTestFile("valid/icon/icotool-all.ico"));
    const int index = icon.FindImage(32, 48, 48);
    auto image = icon.GetImageBitmap(index);
    const auto mask = icon.GetMaskBitmap(index);
    if (!image || !mask || image->Width() != 48 || image->BitCount() != 32) {
        state.SkipWithError("no 48 x 48 32-bit image in the test icon");
        return;
    }
    qv::TDIBitmap target(256, 256, 32);
    target.Fill(0xFF808080);
    qv::TBitmapSurface surface(target);
    TPair pair;
    for (auto _ : state) {
        pair.Sample([&] { qv::DrawBitmapBlended(*image, mask.get(), 10, 10, surface); },
                    [&] { surface.CopyFromBitmap(*image, 10, 10); }, 100);
        benchmark::DoNotOptimize(target.ScanLine(10));
    }
    pair.Report(state);
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
    TPair pair;
    for (auto _ : state) {
        pair.Sample([&] {
            for (int i = 0; i < icon.Count(); ++i) {
                auto image = icon.GetImageBitmap(i);
                auto mask = icon.GetMaskBitmap(i);
                benchmark::DoNotOptimize(image.get());
                benchmark::DoNotOptimize(mask.get());
            }
        }, [&] {
            for (int i = 0; i < icon.Count(); ++i) {
                const qv::TIconDirEntry e = icon.GetEntry(i);
                qv::Bytes copy(file.begin() + e.ImageOffset, file.begin() + e.ImageOffset + e.BytesInRes);
                benchmark::DoNotOptimize(copy.data());
            }
        }, 1);
    }
    pair.Report(state);
}
BENCHMARK(BM_Bitmaps10000VsBlockCopies)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
