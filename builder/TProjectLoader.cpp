#include "builder/TProjectLoader.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include <limits.h>
#include <algorithm>
#include <cctype>
#include <unordered_map>
#include <unistd.h>

#include "builder/TBannerEditor.h"
#include "builder/BuilderText.h"
#include "builder/TLanguagePage.h"
#include "builder/TPackageInfoPage.h"
#include "builder/TfrmBuilderMain.h"
#include "common/PathEdit.h"
#include "platform/CaseFold.h"
#include "platform/Errors.h"
#include "platform/FileIO.h"
#include "platform/Numbers.h"
#include "platform/TAnsiStringList.h"
#include "platform/TIniFile.h"
#include "platform/TUnicodeStringList.h"

namespace qv {
namespace {

std::string AbsolutePath(const std::string& path) {
    if (path.empty() || path[0] == PathDelim) return path;
    char buffer[PATH_MAX];
    return ::getcwd(buffer, sizeof buffer) ? AppendBackslash(buffer) + path : path;
}

// "True", or a number other than 0; anything else is off.
bool InfoBool(const std::string& value) {
    if (QString::fromStdString(value).compare(QLatin1String("true"), Qt::CaseInsensitive) == 0) return true;
    int32_t number = 0;
    return TryStrToInt(value, number) && number != 0;
}

// The value of every name, as the case-insensitive lookup finds it (the first line of a name
// wins), for ASCII names: a thousand icon names are then found without a thousand searches.
std::unordered_map<std::string, std::string> ValueIndex(const TAnsiStringList& list) {
    std::unordered_map<std::string, std::string> index;
    for (int i = 0; i < list.Count(); ++i) {
        std::string name = list.Names(i);
        if (name.empty() || !IsAscii(name)) continue;
        std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) { return char(std::tolower(c)); });
        index.emplace(std::move(name), list.ValueFromIndex(i));
    }
    return index;
}

// The entry whose text is exactly the given one, else the fallback.
int EntryOf(const QComboBox& list, const QString& text, int fallback) {
    const int found = list.findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    return found >= 0 ? found : fallback;
}

}  // namespace

TProjectLoader::TProjectKeys TProjectLoader::ReadProjectFile(const std::string& path) {
    const TIniFile ini(path);
    const auto read = [&ini](const char* key) {
        return NormalizeRelativeName(ini.ReadString(TProjectFileNames::Section(), key, ""));
    };
    TProjectKeys keys;
    keys.Info = read("iconpackinfo");
    keys.Languages = read("iconpacklang");
    keys.IconDir = read("iconsrcdir");
    keys.MainIcon = read("mainicon");
    keys.OutputDir = ini.ReadString(TProjectFileNames::Section(), "outputdir", "");
    keys.VersionInfo = read("versioninfo");
    keys.Banner = read("bannerimage");
    return keys;
}

bool TProjectLoader::Load(const std::string& projectPath) {
    // Companion files are found beside the project file, so a name relative to the working
    // folder is made whole first.
    const std::string path = AbsolutePath(projectPath);
    // Nothing of the document before survives an open.
    W.ResetDocument();
    W.FProjectPath = path;
    const TProjectFileNames names(path);
    const TProjectKeys keys = ReadProjectFile(path);
    W.FPackageInfo->txtIconDir->setText(AnsiToQ(keys.IconDir));
    W.FOutputDir = keys.OutputDir;
    W.FVersionInfoFile = keys.VersionInfo;

    TOutcome outcome = TOutcome::Failed;
    try {
        outcome = ReadCompanions(names, keys);
    } catch (const std::exception&) {
        // Errors after the project file was read are not reported one by one; the open ends
        // with what was read so far.
    }
    if (outcome != TOutcome::Complete) {
        EndIncomplete(outcome, path);
        return false;
    }
    W.SetSaved();
    W.AddRecentProject(path);
    W.UpdateRecentMenu();
    return true;
}

TProjectLoader::TOutcome TProjectLoader::ReadCompanions(const TProjectFileNames& names, const TProjectKeys& keys) {
    ReadBanner(keys.Banner.empty() ? std::string() : names.Folder + keys.Banner);
    const std::string infoFile = names.Folder + keys.Info;
    if (!FileExists(infoFile)) return TOutcome::EndedEarly;
    TAnsiStringList info;
    info.LoadFromFile(infoFile);
    ReadInfo(info);
    ReadIcons(info, names.Folder);
    const std::string mainIcon = names.Folder + keys.MainIcon;
    if (!FileExists(mainIcon)) return TOutcome::EndedEarly;
    ReadPackageIcon(mainIcon);
    return ReadLanguages(names, names.Folder + keys.Languages) ? TOutcome::Complete : TOutcome::EndedEarly;
}

void TProjectLoader::ReadBanner(const std::string& file) {
    if (file.empty() || !FileExists(file)) return;
    TBannerEditor(W.FBannerImage, *W.FPackageInfo->imgBannerImage).Load(file);
}

void TProjectLoader::ReadInfo(const TAnsiStringList& info) {
    TPackageInfoPage& page = *W.FPackageInfo;
    page.txtPackageTitle->setText(AnsiToQ(info.Values("packname")));
    page.chkMakeAgree->setChecked(InfoBool(info.Values("agreebutton")));
    page.cboBannerURL->setEditText(AnsiToQ(info.Values("bannerurl")));
    page.cboColorDepth->setCurrentIndex(
        EntryOf(*page.cboColorDepth, AnsiToQ(info.Values("showiconbit")) + QStringLiteral("bit"), 1));
    const QString size = QStringLiteral("%1 x %2 pixel")
                             .arg(AnsiToQ(info.Values("showiconwidth")), AnsiToQ(info.Values("showiconheight")));
    page.cboIconSize->setCurrentIndex(EntryOf(*page.cboIconSize, size, TPackageInfoPage::kDefaultIconSize));
}

void TProjectLoader::ReadIcons(const TAnsiStringList& info, const std::string& folder) {
    int32_t count = 0;
    if (!TryStrToInt(info.Values("iconcount"), count)) throw EQVError("The icon count is not a number");
    W.RemoveIconRows();
    const std::string iconDir = AppendBackslash(AppendBackslash(folder) + QToAnsi(W.FPackageInfo->txtIconDir->text()));
    const std::unordered_map<std::string, std::string> values = ValueIndex(info);
    for (int32_t i = 0; i < count; ++i) {
        const auto found = values.find("iconname" + std::to_string(i));
        const std::string name = NormalizeRelativeName(found == values.end() ? std::string() : found->second);
        // Tried where it normally is; only a file that is not there is looked for beside the project.
        const std::string inIconDir = iconDir + name;
        try {
            W.AddIconFile(inIconDir);
        } catch (const EFOpenError&) {
            if (FileExists(inIconDir)) throw;
            W.AddIconFile(AppendBackslash(folder) + name);
        }
    }
}

void TProjectLoader::ReadPackageIcon(const std::string& file) {
    // Read aside first: an icon file that fails keeps the package icon the project had.
    TQVIcon icon;
    icon.LoadFromFile(file);
    W.FPackageIcon = std::move(icon);
    W.odlMainIcon.SetFileName(PathToQ(file));
    W.ShowPackageIcon();
}

bool TProjectLoader::ReadLanguages(const TProjectFileNames& names, const std::string& languageList) {
    TUnicodeStringList languages;
    languages.LoadFromFile(languageList);
    if (languages.Count() == 0) return false;
    // Every text is read before any is taken over, so the languages come whole from one project.
    std::vector<std::u16string> sysTexts, readmeTexts;
    for (size_t j = 0; j < size_t(languages.Count()); ++j) {
        TUnicodeStringList sys, readme;
        sys.LoadFromFile(names.Folder + names.SysTextFile(j));
        readme.LoadFromFile(names.Folder + names.ReadmeFile(j));
        sysTexts.push_back(sys.Text());
        readmeTexts.push_back(readme.Text());
    }
    QComboBox* selector = W.FLanguage->tntcboLanguage;
    selector->clear();
    for (const std::u16string& name : languages.Lines()) selector->addItem(QString::fromStdU16String(name));
    W.FSysTexts = std::move(sysTexts);
    W.FReadmeTexts = std::move(readmeTexts);
    selector->setCurrentIndex(0);
    W.DataToLanguagePage();
    return true;
}

void TProjectLoader::EndIncomplete(TOutcome outcome, const std::string& path) {
    if (W.FLanguage->tntcboLanguage->currentIndex() < 0) W.FLanguage->tntcboLanguage->setCurrentIndex(0);
    W.DataToLanguagePage();
    W.SetModified();
    W.SetStatusText(QString::fromUtf8("プロジェクトを一部しか読み込めませんでした。"));
    if (outcome == TOutcome::Failed) {
        W.AddRecentProject(path);
        W.UpdateRecentMenu();
    }
}

}  // namespace qv
