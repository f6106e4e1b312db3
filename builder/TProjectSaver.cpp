#include "builder/TProjectSaver.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTreeWidget>

#include "builder/BannerPictures.h"
#include "builder/BuilderResources.h"
#include "builder/BuilderText.h"
#include "builder/TBannerEditor.h"
#include "builder/TIconRow.h"
#include "builder/TLanguagePage.h"
#include "builder/TPackageInfoPage.h"
#include "builder/TfrmBuilderMain.h"
#include "common/PathEdit.h"
#include "platform/FileIO.h"
#include "platform/TAnsiStringList.h"
#include "platform/TIniFile.h"
#include "platform/TMemoryStream.h"
#include "platform/TUnicodeStringList.h"

namespace qv {
namespace {

const QString kEmptyLink = QStringLiteral("http://");

void WriteUnicodeList(const std::string& path, const std::u16string& text) {
    TUnicodeStringList list;
    list.SetText(text);
    list.SaveToFile(path);
}

}  // namespace

void TProjectSaver::Save(const std::string& path, bool temporary) {
    W.LanguagePageToData();
    if (!temporary) W.FProjectPath = path;
    const TProjectFileNames names(path);
    if (FileExists(path)) DeleteFileIfExists(path);

    TIniFile ini(path);
    const char* section = TProjectFileNames::Section();
    ini.WriteString(section, "iconpackinfo", names.InfoFile());
    ini.WriteString(section, "iconpacklang", names.LanguageListFile());
    const std::string iconDir = IconSourceDir(names.Folder);
    ini.WriteString(section, "iconsrcdir", iconDir);
    ini.WriteString(section, "mainicon", TProjectFileNames::PackageIconFile());
    ini.WriteString(section, "outputdir", W.FOutputDir);
    ini.WriteString(section, "versioninfo", WriteVersionFile(names, temporary));
    WriteBanner(ini, names, temporary);

    // A temporary save owns the icons under a relative folder of the temporary folder; an
    // absolute folder is the user's own and keeps its files.
    const bool refreshIcons = temporary && !iconDir.empty() && iconDir[0] != PathDelim;
    PackageInfo(names.Folder, iconDir, refreshIcons).SaveToFile(names.Folder + names.InfoFile());
    W.FPackageIcon.SaveToFile(names.Folder + TProjectFileNames::PackageIconFile());
    WriteLanguages(names);

    if (temporary) return;
    W.SetSaved();
    W.AddRecentProject(path);
    W.UpdateRecentMenu();
}

std::string TProjectSaver::IconSourceDir(const std::string& folder) const {
    const std::string text = QToAnsi(W.FPackageInfo->txtIconDir->text());
    if (text.empty()) return std::string();
    // A relative folder belongs to the project folder, never to the working folder of the
    // program: icons written there would be lost to the project.
    const bool usable = text[0] == PathDelim ? DirectoryExists(text)
                                              : DirectoryExists(folder + text) || ForceDirectories(folder + text);
    return usable ? AppendBackslash(text) : std::string();
}

std::string TProjectSaver::WriteVersionFile(const TProjectFileNames& names, bool temporary) {
    // A version file is never carried along: a folder without one gets the default block.
    std::string file = W.FVersionInfoFile;
    if (!FileExists(names.Folder + file)) {
        file = names.VersionFile();
        WriteWholeFile(names.Folder + file, BuilderRawResource(kDefaultVersionResource));
    }
    if (!temporary) W.FVersionInfoFile = file;
    return file;
}

void TProjectSaver::WriteBanner(TIniFile& ini, const TProjectFileNames& names, bool temporary) {
    const QString link = W.FPackageInfo->cboBannerURL->currentText();
    const bool hasPicture = !W.FBannerImage.isNull();
    if (!hasPicture && (link.isEmpty() || link == kEmptyLink)) return;
    ini.WriteString(TProjectFileNames::Section(), "bannerimage", names.BannerFile());
    const std::string file = names.Folder + names.BannerFile();
    if (hasPicture) {
        WriteWholeFile(file, EncodeBannerPng(W.FBannerImage));
        return;
    }
    const Bytes png = BuilderRawResource(kDefaultBannerResource);
    WriteWholeFile(file, png);
    if (temporary) return;
    TBannerEditor(W.FBannerImage, *W.FPackageInfo->imgBannerImage).Draw(LoadPictureBytes(png, ".png"));
}

void TProjectSaver::RefreshIconFile(TQVIcon& icon, const std::string& file) {
    // Rewritten only when it differs: rewriting a file in place costs far more than reading it.
    TMemoryStream stream;
    icon.SaveToStream(stream);
    if (ReadWholeFile(file) != stream.Data()) WriteWholeFile(file, stream.Data());
}

TAnsiStringList TProjectSaver::PackageInfo(const std::string& folder, const std::string& iconDir, bool refresh) {
    TPackageInfoPage& page = *W.FPackageInfo;
    TAnsiStringList info;
    const auto add = [&info](const std::string& key, const std::string& value) {
        if (!value.empty()) info.Add(key + "=" + value);
    };
    add("packname", QToAnsi(page.txtPackageTitle->text()));
    add("agreebutton", page.chkMakeAgree->isChecked() ? "True" : "False");
    const QString text = page.cboBannerURL->currentText();
    const QString link = text == kEmptyLink ? QString() : text;
    add("bannerurl", QToAnsi(link));
    if (!link.isEmpty() && page.cboBannerURL->findText(link, Qt::MatchExactly | Qt::MatchCaseSensitive) < 0)
        page.cboBannerURL->insertItem(1, link);
    add("showiconbit", std::to_string(TPackageInfoPage::ColorDepthBits(page.cboColorDepth->currentIndex())));
    const std::string pixels = std::to_string(TPackageInfoPage::IconSizePixels(page.cboIconSize->currentIndex()));
    add("showiconwidth", pixels);
    add("showiconheight", pixels);
    QTreeWidget& list = *page.lvIcon;
    add("iconcount", std::to_string(list.topLevelItemCount()));
    const std::string target = DirectoryExists(folder + iconDir) ? folder + iconDir : iconDir;
    for (int i = 0; i < list.topLevelItemCount(); ++i) {
        TIconRow* row = TIconRow::At(list, i);
        const std::string caption = QToAnsi(row->Caption());
        // An icon file already there is the project's: it is not overwritten.
        const std::string file = target + caption;
        if (refresh && W.FTempIconFiles.Current(file, row->Serial())) {
            // written by an earlier temporary save of this run and untouched since
        } else if (!FileExists(file)) {
            row->Icon().SaveToFile(file);
        } else if (refresh) {
            RefreshIconFile(row->Icon(), file);
        }
        if (refresh) W.FTempIconFiles.Record(file, row->Serial());
        info.Add("iconname" + std::to_string(i) + "=" + caption);
    }
    return info;
}

void TProjectSaver::WriteLanguages(const TProjectFileNames& names) {
    TUnicodeStringList languages;
    QComboBox& selector = *W.FLanguage->tntcboLanguage;
    for (int i = 0; i < selector.count(); ++i) languages.Add(selector.itemText(i).toStdU16String());
    languages.SaveToFile(names.Folder + names.LanguageListFile());
    for (size_t j = 0; j < W.FSysTexts.size(); ++j) {
        WriteUnicodeList(names.Folder + names.SysTextFile(j), W.FSysTexts[j]);
        WriteUnicodeList(names.Folder + names.ReadmeFile(j), W.FReadmeTexts[j]);
    }
}

}  // namespace qv
