#pragma once
// The compiler library as the builder uses it: loaded by file name for each build (from the
// program folder first, then through the system's search) and unloaded afterwards.
#include <cstdint>
#include <string>

#include "platform/TDynamicLibrary.h"

namespace qv {

class TCompilerLibrary {
public:
    static constexpr const char* kFileName = "libquorcomp.so";

    // programDir ends in '/'; empty means the system's search only.
    bool Load(const std::string& programDir);
    void Unload() { FLibrary.Unload(); }

    // Both nullptr-safe: false / 0 when the library or the export is missing.
    bool HasCompilePackage() const { return FLibrary.Symbol("CompilePackage") != nullptr; }
    bool HasGetVersion() const { return FLibrary.Symbol("GetVersion") != nullptr; }
    int32_t CompilePackage(const std::string& projectPath, const std::string& outputPath) const;
    uint16_t GetVersion() const;
    const std::string& Error() const { return FLibrary.Error(); }

private:
    TDynamicLibrary FLibrary;
};

}  // namespace qv
