#pragma once
// Helpers of the benchmarks that drive a builder window: a window over a program folder of its
// own, copies of the sample icon, loading icon files into containers alone (their common
// baseline), and the program's main on the offscreen platform.
#include <benchmark/benchmark.h>

#include <stdlib.h>

#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "bench/WindowBenchMain.h"
#include "builder/TfrmBuilderMain.h"
#include "icon/TQVIcon.h"
#include "platform/FileIO.h"
#include "platform/qt/TFakeSystemSeams.h"
#include "platform/qt/TScopedSeams.h"

namespace qv::bench {

inline void LoadIconFiles(const std::vector<std::string>& files) {
    for (const std::string& file : files) {
        TQVIcon icon;
        icon.LoadFromFile(file);
        benchmark::DoNotOptimize(icon.Count());
    }
}

// A shown builder window whose program folder (the four language templates and the files named
// beside them, from the build's program folder) lies in a temporary root of its own, with the
// seams answered by the test double. The root goes with the object.
class TBenchWindow {
public:
    explicit TBenchWindow(const std::vector<std::string>& programFiles = {}) {
        char pattern[] = "/tmp/qvbenchXXXXXX";
        if (!::mkdtemp(pattern)) throw std::runtime_error("mkdtemp failed");
        Root = std::string(pattern) + "/";
        std::filesystem::create_directories(Root + "program");
        std::vector<std::string> files{"japanese_sys.dat", "english_sys.dat", "korean_sys.dat", "chinese_sys.dat"};
        files.insert(files.end(), programFiles.begin(), programFiles.end());
        for (const std::string& name : files)
            std::filesystem::copy_file(std::string(QV_BIN_DIR) + "/" + name, Root + "program/" + name);
        Window = std::make_unique<TfrmBuilderMain>(TBuilderPlaces{Root + "program/", Root + "config", "bench"});
        Window->show();
    }
    ~TBenchWindow() {
        Window.reset();
        std::error_code ec;
        std::filesystem::remove_all(Root, ec);
    }

    // count copies of the sample project's three-image icon in the folder of that name inside
    // the root, named i10000.ico and on.
    std::vector<std::string> WriteSampleIcons(const std::string& folder, int count) const {
        std::filesystem::create_directories(Root + folder);
        const Bytes icon = ReadWholeFile(std::string(QV_SOURCE_DIR) + "/examples/sample/icon/star.ico");
        std::vector<std::string> files;
        for (int i = 0; i < count; ++i) {
            files.push_back(Root + folder + "/i" + std::to_string(10000 + i) + ".ico");
            WriteWholeFile(files.back(), icon);
        }
        return files;
    }

    std::string Root;  // ends in '/'
    TFakeSystemSeams Seams;
    TScopedSeams Scope{Seams};
    std::unique_ptr<TfrmBuilderMain> Window;
};

}  // namespace qv::bench
