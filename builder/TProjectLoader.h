#pragma once
// Opens a project file set into the builder window. Whatever the files do not provide keeps the
// state of a new project, so a document never mixes two projects; the language selector always
// has a selected entry.
#include <string>

#include "builder/core/TProjectFileNames.h"

namespace qv {

class TfrmBuilderMain;
class TAnsiStringList;

class TProjectLoader {
public:
    explicit TProjectLoader(TfrmBuilderMain& window) : W(window) {}

    // True when the whole set was read: the project then counts as saved and joins the recent
    // list. An open that ends early (no package information, no package icon, no languages)
    // or on an error leaves the project marked modified, with a status text saying so; one that
    // ended on an error still joins the recent list, as a completed open does.
    bool Load(const std::string& path);

private:
    enum class TOutcome { Complete, EndedEarly, Failed };

    // The values of the project file, file names with '\' read as the delimiter.
    struct TProjectKeys {
        std::string Info, Languages, IconDir, MainIcon, OutputDir, VersionInfo, Banner;
    };

    static TProjectKeys ReadProjectFile(const std::string& path);
    // The steps from the banner on; an error ends them.
    TOutcome ReadCompanions(const TProjectFileNames& names, const TProjectKeys& keys);
    void ReadBanner(const std::string& file);
    void ReadInfo(const TAnsiStringList& info);
    void ReadIcons(const TAnsiStringList& info, const std::string& folder);
    void ReadPackageIcon(const std::string& file);
    bool ReadLanguages(const TProjectFileNames& names, const std::string& languageList);
    void EndIncomplete(TOutcome outcome, const std::string& path);

    TfrmBuilderMain& W;
};

}  // namespace qv
