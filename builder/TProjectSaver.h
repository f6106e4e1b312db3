#pragma once
// Writes the project held by the builder window as its file set. A save of the project itself
// moves the document to the new path and shows it saved; a temporary save (the build's copy)
// writes the same files and leaves the document's path, version file, modified state, title,
// banner and recent list as they were. An error ends the save where it happens: files written
// before stay, and the document is not shown as saved.
#include <string>

#include "builder/core/TProjectFileNames.h"
#include "icon/TQVIcon.h"

namespace qv {

class TfrmBuilderMain;
class TAnsiStringList;
class TIniFile;

class TProjectSaver {
public:
    explicit TProjectSaver(TfrmBuilderMain& window) : W(window) {}

    void Save(const std::string& path, bool temporary);

private:
    // "iconsrcdir": the icon folder field with a delimiter when it names a folder that exists
    // (an absolute one) or that exists or can be made in the project folder; empty otherwise.
    std::string IconSourceDir(const std::string& folder) const;
    std::string WriteVersionFile(const TProjectFileNames& names, bool temporary);
    void WriteBanner(TIniFile& ini, const TProjectFileNames& names, bool temporary);
    // refresh: icon files already in the target folder are rewritten (the copy a temporary save
    // makes of its own icons, which an earlier temporary save may have left with other pictures).
    TAnsiStringList PackageInfo(const std::string& folder, const std::string& iconDir, bool refresh);
    static void RefreshIconFile(TQVIcon& icon, const std::string& file);
    void WriteLanguages(const TProjectFileNames& names);

    TfrmBuilderMain& W;
};

}  // namespace qv
