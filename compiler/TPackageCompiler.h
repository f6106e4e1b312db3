#pragma once
// Turns a saved project (the project file and its companions) into a package: a copy of the
// embedded runtime with the project's texts, images and icons added as resources.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/Bytes.h"

namespace qv {

class TAnsiStringList;
class TQVIcon;
class TResourceUpdater;

// Result codes of a build; powers of two, never combined.
enum TCompileResult : int32_t {
    crSuccess = 0,
    crNoProject = 1,
    crNoPackageInfo = 2,
    crNoMainIcon = 4,
    crCannotUpdate = 8,
    crNoVersionInfo = 16,
    crNoBanner = 32,
    crFailed = 255,
};

class TPackageCompiler {
public:
    // runtime: the executable every package starts as (this library's "ICONPACKBINARY").
    explicit TPackageCompiler(Bytes runtime);
    ~TPackageCompiler();

    // Never throws: every failure becomes one result code.
    int32_t Compile(const std::string& projectPath, const std::string& outputPath);

private:
    struct TInputs;

    int32_t CompileChecked(const std::string& projectPath, const std::string& outputArgument);
    static int32_t ReadInputs(const std::string& projectPath, TInputs& in);
    static void ReadIcons(const std::string& folder, const std::string& iconDir, const TAnsiStringList& info,
                          TInputs& in);
    static void ReadLanguages(const std::string& folder, const std::string& langName, const std::string& base,
                              TInputs& in);
    void WriteRuntime(const std::string& outputPath) const;
    static void AddResources(TResourceUpdater& update, TInputs& in);

    Bytes FRuntime;
};

}  // namespace qv
