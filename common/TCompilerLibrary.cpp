#include "common/TCompilerLibrary.h"

#include "platform/FileIO.h"

namespace qv {
namespace {

using TCompilePackageFunc = int32_t (*)(const char*, const char*, int32_t);
using TGetVersionFunc = uint16_t (*)();

}  // namespace

bool TCompilerLibrary::Load(const std::string& programDir) {
    const std::string beside = programDir + kFileName;
    if (!programDir.empty() && FileExists(beside)) return FLibrary.Load(beside);
    return FLibrary.Load(kFileName);
}

int32_t TCompilerLibrary::CompilePackage(const std::string& projectPath, const std::string& outputPath) const {
    auto compile = reinterpret_cast<TCompilePackageFunc>(FLibrary.Symbol("CompilePackage"));
    return compile ? compile(projectPath.c_str(), outputPath.c_str(), 0) : -1;
}

uint16_t TCompilerLibrary::GetVersion() const {
    auto version = reinterpret_cast<TGetVersionFunc>(FLibrary.Symbol("GetVersion"));
    return version ? version() : 0;
}

}  // namespace qv
