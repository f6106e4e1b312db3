// The text layer against the plain file operations it stands on, both timed in the same run and
// reported with their ratio:
// - a 10 MB read-me loaded as a Unicode list (UTF-16LE with mark, and UTF-8 system code page
//   without) against ReadWholeFile of the same file;
// - a settings file of 60 keys in 4 sections written key by key through TIniFile against 60 plain
//   writes of the finished file (each private-profile write goes to the file at once).
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/CodePage.h"
#include "platform/FileIO.h"
#include "platform/TIniFile.h"
#include "platform/TUnicodeStringList.h"

namespace {

std::string TempPath(const char* name) {
    const char* tmp = std::getenv("TMPDIR");
    return std::string(tmp && *tmp ? tmp : "/tmp") + "/qvbench-" + std::to_string(getpid()) + "-" + name;
}

template <class F>
double TimeMs(F&& f) {
    const auto start = std::chrono::steady_clock::now();
    f();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

// Operation and baseline sampled in alternation; the medians are reported.
struct TPair {
    std::vector<double> Op, Baseline;
    template <class F, class G>
    void Sample(F&& op, G&& baseline) {
        Op.push_back(TimeMs(op));
        Baseline.push_back(TimeMs(baseline));
    }
    static double Median(std::vector<double> v) {
        std::nth_element(v.begin(), v.begin() + static_cast<long>(v.size() / 2), v.end());
        return v[v.size() / 2];
    }
    void Report(benchmark::State& state) const {
        state.counters["op_ms"] = Median(Op);
        state.counters["baseline_ms"] = Median(Baseline);
        state.counters["ratio"] = Median(Op) / Median(Baseline);
    }
};

qv::Bytes ReadmeBytes(bool utf16) {
    std::u16string text;
    while (text.size() < (utf16 ? 5u : 10u) * 1000 * 1000)
        text += u"アイコンパッケージの説明です。 Read me: https://example.org/icons and more text\r\n";
    qv::Bytes bytes;
    if (utf16) {
        bytes = {0xFF, 0xFE};
        qv::AppendUtf16LE(text, bytes);
    } else {
        const std::string utf8 = qv::UnicodeToUtf8(text);
        bytes.assign(utf8.begin(), utf8.end());
    }
    return bytes;
}

void LoadReadme(benchmark::State& state, bool utf16) {
    setenv("QUORVANE_CODEPAGE", "UTF-8", 1);
    qv::ResetSystemCodePage();
    const std::string path = TempPath("readme.txt");
    const qv::Bytes bytes = ReadmeBytes(utf16);
    qv::WriteWholeFile(path, bytes);
    TPair pair;
    for (auto _ : state) {
        pair.Sample(
            [&] {
                qv::TUnicodeStringList list;
                list.LoadFromFile(path);
                benchmark::DoNotOptimize(list.Count());
            },
            [&] { benchmark::DoNotOptimize(qv::ReadWholeFile(path).size()); });
    }
    pair.Report(state);
    state.counters["file_mb"] = static_cast<double>(bytes.size()) / 1e6;
    qv::DeleteFileIfExists(path);
}

void BM_ReadmeUtf16LoadVsRead(benchmark::State& state) { LoadReadme(state, true); }
void BM_ReadmeUtf8LoadVsRead(benchmark::State& state) { LoadReadme(state, false); }

void BM_SettingsKeyByKeyVsPlainWrites(benchmark::State& state) {
    const std::string path = TempPath("settings.ini");
    const char* const sections[] = {"Window", "Recent", "BannerURLList", "System"};
    const auto writeAll = [&] {
        qv::DeleteFileIfExists(path);
        qv::TIniFile ini(path);
        for (int i = 0; i < 60; ++i)
            ini.WriteString(sections[i % 4], "Key" + std::to_string(i), "/home/user/projects/value" + std::to_string(i));
    };
    writeAll();
    const qv::Bytes finished = qv::ReadWholeFile(path);
    TPair pair;
    for (auto _ : state) {
        pair.Sample(writeAll, [&] {
            qv::DeleteFileIfExists(path);
            for (int i = 0; i < 60; ++i) qv::WriteWholeFile(path, finished);
        });
    }
    pair.Report(state);
    qv::DeleteFileIfExists(path);
}

}  // namespace

BENCHMARK(BM_ReadmeUtf16LoadVsRead)->Unit(benchmark::kMillisecond)->Iterations(15);
BENCHMARK(BM_ReadmeUtf8LoadVsRead)->Unit(benchmark::kMillisecond)->Iterations(15);
BENCHMARK(BM_SettingsKeyByKeyVsPlainWrites)->Unit(benchmark::kMillisecond)->Iterations(30);

BENCHMARK_MAIN();
