#include "runtime/IconFileNames.h"

#include <sys/stat.h>

#include <cerrno>
#include <chrono>
#include <random>

#include "common/PathEdit.h"

namespace qv {

namespace {
constexpr unsigned kNumberLimit = 0x0FFFFFFF;
// Enough tries that only a folder that refuses every new entry ends the search.
constexpr int kMaxTries = 100;
}  // namespace

bool IsPlainFileName(const std::string& name) {
    if (name.empty() || name == "." || name == "..") return false;
    return name.find(PathDelim) == std::string::npos && name.find('\0') == std::string::npos;
}

std::string SafeFolderStem(const std::string& packName) {
    std::string stem = packName;
    for (char& c : stem)
        if (c == PathDelim || c == '\0') c = '_';
    if (stem == "." || stem == "..") stem.insert(0, 1, '_');
    return stem;
}

std::string MakeNewNumberedFolder(const std::string& tempDir, const std::string& stem) {
    static std::mt19937 random(unsigned(std::chrono::steady_clock::now().time_since_epoch().count()));
    std::uniform_int_distribution<unsigned> number(0, kNumberLimit - 1);
    const std::string base = AppendBackslash(tempDir) + SafeFolderStem(stem);
    for (int attempt = 0; attempt < kMaxTries; ++attempt) {
        const std::string folder = base + std::to_string(number(random));
        // mkdir fails on an existing name, so the folder is always one this call made.
        if (::mkdir(folder.c_str(), 0700) == 0) return folder;
        if (errno != EEXIST) return {};
    }
    return {};
}

}  // namespace qv
