#include "compiler/TPackageCompiler.h"

#include <sys/stat.h>

#include "common/PathEdit.h"
#include "compiler/TPackageResources.h"
#include "icon/TQVIcon.h"
#include "platform/Errors.h"
#include "platform/FileIO.h"
#include "platform/TAnsiStringList.h"
#include "platform/TIniFile.h"
#include "platform/TResourceUpdater.h"
#include "platform/TUnicodeStringList.h"

namespace qv {

// Everything a build reads before it writes the output: the inputs are checked and loaded
// first, so a failure there leaves the output path untouched.
struct TPackageCompiler::TInputs {
    std::string outputPath;
    Bytes version;
    std::string bannerPath;  // empty: no banner
    std::string infoText;    // the info file's lines, each ending in CR LF
    std::vector<std::unique_ptr<TQVIcon>> icons;
    TQVIcon mainIcon;
    std::u16string languageList;
    std::vector<std::u16string> sysTexts, readmeTexts;
};

namespace {

std::string ProjectValue(TIniFile& ini, const char* key) {
    return NormalizeRelativeName(ini.ReadString("package", key, ""));
}

// "iconcount" must be a plain non-negative decimal number.
size_t ParseIconCount(const std::string& text) {
    if (text.empty() || text.size() > 9) throw EQVError("iconcount is not a count: " + text);
    size_t n = 0;
    for (char c : text) {
        if (c < '0' || c > '9') throw EQVError("iconcount is not a count: " + text);
        n = n * 10 + static_cast<size_t>(c - '0');
    }
    return n;
}

}  // namespace

TPackageCompiler::TPackageCompiler(Bytes runtime) : FRuntime(std::move(runtime)) {}
TPackageCompiler::~TPackageCompiler() = default;

int32_t TPackageCompiler::Compile(const std::string& projectPath, const std::string& outputPath) {
    try {
        return CompileChecked(projectPath, outputPath);
    } catch (...) {
        return crFailed;
    }
}

int32_t TPackageCompiler::CompileChecked(const std::string& projectPath, const std::string& outputArgument) {
    if (!FileExists(projectPath)) return crNoProject;
    const std::string folder = ExtractFilePath(projectPath);
    if (folder.empty()) return crFailed;
    TInputs in;
    // An output whose folder does not exist is taken relative to the project folder.
    in.outputPath = DirectoryExists(ExtractFilePath(outputArgument)) ? outputArgument : folder + outputArgument;

    const int32_t checked = ReadInputs(projectPath, in);
    if (checked != crSuccess) return checked;

    WriteRuntime(in.outputPath);
    std::unique_ptr<TResourceUpdater> update = TResourceUpdater::Begin(in.outputPath);
    if (!update) return crCannotUpdate;
    int32_t result = crSuccess;
    try {
        AddResources(*update, in);
    } catch (...) {
        result = crFailed;  // what was added so far is still committed
    }
    update->End();
    return result;
}

int32_t TPackageCompiler::ReadInputs(const std::string& projectPath, TInputs& in) {
    const std::string folder = AppendBackslash(ExtractFilePath(projectPath));
    TIniFile ini(projectPath);
    const std::string infoName = ProjectValue(ini, "iconpackinfo");
    const std::string langName = ProjectValue(ini, "iconpacklang");
    const std::string iconDir = ProjectValue(ini, "iconsrcdir");
    const std::string mainIconName = ProjectValue(ini, "mainicon");
    const std::string versionName = ProjectValue(ini, "versioninfo");
    const std::string bannerName = ProjectValue(ini, "bannerimage");

    const std::string versionPath = folder + versionName;
    if (!FileExists(versionPath)) return crNoVersionInfo;
    in.version = ReadWholeFile(versionPath);

    if (!bannerName.empty()) {
        in.bannerPath = folder + bannerName;
        if (!FileExists(in.bannerPath)) return crNoBanner;
    }

    const std::string infoPath = folder + infoName;
    if (!FileExists(infoPath)) return crNoPackageInfo;
    TAnsiStringList info;
    info.LoadFromFile(infoPath);
    ReadIcons(folder, iconDir, info, in);
    in.infoText = info.Text();

    const std::string mainIconPath = folder + mainIconName;
    if (!FileExists(mainIconPath)) return crNoMainIcon;
    in.mainIcon.LoadFromFile(mainIconPath);

    ReadLanguages(folder, langName, ChangeFileExt(ExtractFileName(projectPath), ""), in);
    return crSuccess;
}

// Icons are loaded one by one as they are named, so a damaged or huge "iconcount" fails at the
// first icon that cannot be read instead of reserving memory for all of them.
void TPackageCompiler::ReadIcons(const std::string& folder, const std::string& iconDir, const TAnsiStringList& info,
                                 TInputs& in) {
    const size_t count = ParseIconCount(info.Values("iconcount"));
    const std::string iconFolder = AppendBackslash(folder + iconDir);
    for (size_t i = 0; i < count; ++i) {
        const std::string name = NormalizeRelativeName(info.Values("iconname" + std::to_string(i)));
        std::string path = iconFolder + name;
        if (!FileExists(path)) path = folder + name;
        auto icon = std::make_unique<TQVIcon>();
        icon->LoadFromFile(path);
        in.icons.push_back(std::move(icon));
    }
}

void TPackageCompiler::ReadLanguages(const std::string& folder, const std::string& langName, const std::string& base,
                                     TInputs& in) {
    TUnicodeStringList languages;
    languages.LoadFromFile(folder + langName);
    in.languageList = languages.Text();
    for (int j = 0; j < languages.Count(); ++j) {
        const std::string prefix = folder + base + "_lang" + std::to_string(j);
        TUnicodeStringList text;
        text.LoadFromFile(prefix + "_sys.txt");
        in.sysTexts.push_back(text.Text());
        text.LoadFromFile(prefix + "_readme.txt");
        in.readmeTexts.push_back(text.Text());
    }
}

void TPackageCompiler::WriteRuntime(const std::string& outputPath) const {
    WriteWholeFile(outputPath, FRuntime);
    // A package is a program: make it executable for whoever may read it.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::chmod(outputPath.c_str(), 0777 & ~mask);
}

void TPackageCompiler::AddResources(TResourceUpdater& update, TInputs& in) {
    TPackageResources out(update);
    out.AddInfo(in.infoText);
    out.AddUnicodeText("ICONPACKLANG", in.languageList);
    for (size_t j = 0; j < in.sysTexts.size(); ++j) {
        out.AddUnicodeText("LANG" + std::to_string(j) + "_SYS", in.sysTexts[j]);
        out.AddUnicodeText("LANG" + std::to_string(j) + "_README", in.readmeTexts[j]);
    }
    out.AddVersion(in.version);
    if (!in.bannerPath.empty()) out.AddBanner(ReadWholeFile(in.bannerPath));
    out.AddIconGroup("MAINICON", in.mainIcon);
    for (size_t i = 0; i < in.icons.size(); ++i) {
        out.AddIconGroup("_ICONPACK" + std::to_string(i), *in.icons[i]);
        in.icons[i].reset();  // written: its memory is not needed any more
    }
}

}  // namespace qv
