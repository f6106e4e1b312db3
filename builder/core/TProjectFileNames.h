#pragma once
// The names of a project's file set, made from the project file's base name (its name without
// folder and extension).
#include <string>

namespace qv {

struct TProjectFileNames {
    std::string Folder;  // the project file's folder with its delimiter; "" for a bare name
    std::string Base;

    explicit TProjectFileNames(const std::string& projectPath);

    std::string InfoFile() const { return Base + "_iconpackinfo.txt"; }
    std::string LanguageListFile() const { return Base + "_iconpacklang.txt"; }
    std::string VersionFile() const { return Base + "_versioninfo.bin"; }
    std::string BannerFile() const { return Base + "_bannerimage.png"; }
    std::string SysTextFile(size_t language) const { return Base + "_lang" + std::to_string(language) + "_sys.txt"; }
    std::string ReadmeFile(size_t language) const { return Base + "_lang" + std::to_string(language) + "_readme.txt"; }
    static constexpr const char* PackageIconFile() { return "mainicon.ico"; }
    static constexpr const char* Section() { return "package"; }
};

}  // namespace qv
