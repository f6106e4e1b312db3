// CompilePackage on a generated project of 2,000 icons of five images each, against copying the
// same input bytes into one output file. The build's peak memory is measured in a child process
// and reported against the package size.
#include <benchmark/benchmark.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "compiler/QuorcompExports.h"
#include "platform/FileIO.h"

namespace {

constexpr int kIcons = 2000;

void PutU16(qv::Bytes& b, uint16_t v) { b.push_back(v & 0xFF); b.push_back(v >> 8); }
void PutU32(qv::Bytes& b, uint32_t v) { for (int i = 0; i < 4; ++i) b.push_back((v >> (8 * i)) & 0xFF); }

qv::Bytes Image(int w, int bits, int seed) {
    qv::Bytes b;
    PutU32(b, 40); PutU32(b, w); PutU32(b, 2 * w); PutU16(b, 1); PutU16(b, bits);
    b.resize(40, 0);
    size_t rest = (bits <= 8 ? 4u << bits : 0) + size_t((w * bits + 31) / 32 * 4) * w + size_t((w + 31) / 32 * 4) * w;
    for (size_t i = 0; i < rest; ++i) b.push_back(static_cast<uint8_t>(i * 7 + seed));
    return b;
}

qv::Bytes Icon(int seed) {
    const int sizes[5][2] = {{16, 8}, {32, 8}, {16, 32}, {32, 32}, {48, 32}};
    std::vector<qv::Bytes> blocks;
    for (auto& s : sizes) blocks.push_back(Image(s[0], s[1], seed));
    qv::Bytes out;
    PutU16(out, 0); PutU16(out, 1); PutU16(out, 5);
    uint32_t offset = 6 + 16 * 5;
    for (int i = 0; i < 5; ++i) {
        out.push_back(sizes[i][0]); out.push_back(sizes[i][0]); out.push_back(0); out.push_back(0);
        PutU16(out, 1); PutU16(out, sizes[i][1]); PutU32(out, blocks[i].size()); PutU32(out, offset);
        offset += blocks[i].size();
    }
    for (auto& b : blocks) out.insert(out.end(), b.begin(), b.end());
    return out;
}

void WriteText(const std::string& path, const std::string& text) { qv::WriteWholeFile(path, qv::Bytes(text.begin(), text.end())); }

struct Project {
    std::string folder;
    std::vector<std::string> inputs;
    Project() {
        char pattern[] = "/tmp/qvbenchXXXXXX";
        folder = std::string(::mkdtemp(pattern)) + "/";
        std::filesystem::create_directory(folder + "icon");
        std::string info = "packname=Bench\r\nagreebutton=False\r\nshowiconbit=32\r\nshowiconwidth=32\r\nshowiconheight=32\r\n";
        info += "iconcount=" + std::to_string(kIcons) + "\r\n";
        for (int i = 0; i < kIcons; ++i) {
            const std::string name = "i" + std::to_string(i) + ".ico";
            qv::WriteWholeFile(folder + "icon/" + name, Icon(i));
            inputs.push_back(folder + "icon/" + name);
            info += "iconname" + std::to_string(i) + "=" + name + "\r\n";
        }
        WriteText(folder + "b_iconpackinfo.txt", info);
        WriteText(folder + "b.ipp", "[package]\r\niconpackinfo=b_iconpackinfo.txt\r\niconpacklang=b_iconpacklang.txt\r\n"
                                    "iconsrcdir=icon/\r\nmainicon=mainicon.ico\r\nversioninfo=v.bin\r\n");
        qv::WriteWholeFile(folder + "b_iconpacklang.txt", qv::Bytes{0xFF, 0xFE, 'E', 0, '\r', 0, '\n', 0});
        qv::WriteWholeFile(folder + "b_lang0_sys.txt", qv::Bytes{0xFF, 0xFE});
        qv::WriteWholeFile(folder + "b_lang0_readme.txt", qv::Bytes{0xFF, 0xFE});
        qv::WriteWholeFile(folder + "v.bin", qv::Bytes(752, 0));
        qv::WriteWholeFile(folder + "mainicon.ico", Icon(99999));
        for (const char* f : {"b_iconpackinfo.txt", "b.ipp", "b_iconpacklang.txt", "b_lang0_sys.txt",
                              "b_lang0_readme.txt", "v.bin", "mainicon.ico"})
            inputs.push_back(folder + f);
    }
    ~Project() { std::filesystem::remove_all(folder); }
};

Project& TheProject() {
    static Project p;
    return p;
}

void BM_CompilePackage(benchmark::State& state) {
    Project& p = TheProject();
    const std::string out = p.folder + "out.run";
    for (auto _ : state) {
        if (CompilePackage((p.folder + "b.ipp").c_str(), out.c_str(), 0) != 0) state.SkipWithError("build failed");
    }
    const auto size = std::filesystem::file_size(out);
    state.counters["package_MB"] = double(size) / 1e6;

    // Peak memory of one build, in a fresh child so earlier runs do not count.
    const pid_t child = ::fork();
    if (child == 0) _exit(CompilePackage((p.folder + "b.ipp").c_str(), out.c_str(), 0));
    int status = 0;
    rusage usage{};
    ::wait4(child, &status, 0, &usage);
    state.counters["peak_MB"] = double(usage.ru_maxrss) * 1024 / 1e6;
    state.counters["peak_per_package"] = double(usage.ru_maxrss) * 1024 / double(size);
}

// The baseline: the same input bytes read and written into one output file.
void BM_CopyInputs(benchmark::State& state) {
    Project& p = TheProject();
    for (auto _ : state) {
        qv::Bytes all;
        for (const auto& f : p.inputs) {
            const qv::Bytes b = qv::ReadWholeFile(f);
            all.insert(all.end(), b.begin(), b.end());
        }
        qv::WriteWholeFile(p.folder + "copy.bin", all);
    }
}

BENCHMARK(BM_CopyInputs)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(BM_CompilePackage)->Unit(benchmark::kMillisecond)->MinTime(2);

}  // namespace

BENCHMARK_MAIN();
