#pragma once
// The builder's window: the menu bar and toolbar of the command table, the page control with the
// pages "パッケージ情報" and "言語とテキスト", and the status bar. It holds the project being edited,
// partly in fields and partly in its controls, runs its life cycle (new, open, save, the modified
// state and the title), keeps the settings file and the recent list, and takes dropped files.
#include <QImage>
#include <QMainWindow>
#include <QSize>
#include <QStringList>

#include <memory>
#include <string>
#include <vector>

#include "builder/TFileDialogState.h"
#include "builder/core/TBuilderPlaces.h"
#include "builder/core/TIconFileStamps.h"
#include "builder/core/TRecentProjects.h"
#include "icon/TQVIcon.h"

class QAction;
class QLabel;
class QStatusBar;
class QTabWidget;

namespace qv {

class TBuilderCommands;
class TDropFileTarget;
class TLanguagePage;
class TPackageInfoPage;
class TPackageProduction;
class TfrmEditLanguageList;
class TfrmVersionInfo;
struct TBuilderSettings;

class TfrmBuilderMain : public QMainWindow {
    Q_OBJECT
    friend class TProjectLoader;
    friend class TProjectSaver;
    friend class TPackageProduction;

public:
    static constexpr int kDesignLeft = 100;
    static constexpr int kDesignTop = 100;
    static constexpr int kDesignWidth = 742;
    static constexpr int kDesignHeight = 648;

    // FormCreate. arguments: the command line after the program name; the first, if any, is a
    // project opened when the window is first shown.
    explicit TfrmBuilderMain(TBuilderPlaces places, std::vector<std::string> arguments = {},
                             QWidget* parent = nullptr);
    // FormDestroy: ends a running test run.
    ~TfrmBuilderMain() override;

    // Makes the language list dialog and the about dialog (the program does it right after the
    // message dialog; otherwise they are made when first needed).
    void CreateDialogs();
    TfrmEditLanguageList& EditLanguageList();
    TfrmVersionInfo& VersionInfo();

    // --- life cycle, settings, recent projects, drops, help
    void FormShow();
    bool FormCloseQuery();
    void FormClose();
    void LoadSettings();
    void SaveSettings();
    void AddRecentProject(const std::string& path);
    void UpdateRecentMenu();
    void ActionOpenRecent(QAction* sender);
    void ddFormFileDrop(const QStringList& files);
    void ddIconFileDrop(const QStringList& files);
    void actOpenReadmeExecute();
    void actOpenManualExecute();
    void actAboutExecute();

    // --- the icon list
    void actOpenIconAccept();
    void actDeleteSelectedIconExecute();
    void actDeleteAllIconExecute();
    void actUpSelectedIconExecute();
    void actDownSelectedIconExecute();
    void lvIconEnter();
    void lvIconExit();
    void lvIconEdited();

    // --- the package icon and the banner
    void LoadPackageIcon(const std::string& path);
    void actOpenMainIconAccept();
    void ddMainIconFileDrop(const QStringList& files);
    void imgMainIconClick();
    void LoadBannerImage(const std::string& path);
    void actOpenBannerImageAccept();
    void ddBannerFileDrop(const QStringList& files);
    void imgBannerImageClick();
    void actDeleteBannerExecute();
    void cboBannerURLChange();

    // --- package production
    void actCompileExecute();
    void actCompressExecute();
    void actCompressAsBeforeExecute();
    void actCompressAsAccept();
    void actCompressOptDontIconExecute() {}  // the check item toggles itself
    void actRunExecute();
    void actKillExecute();
    TPackageProduction& Production() const { return *FProduction; }
    int TestProcess() const { return FTestProcess; }

    // --- the project document
    void LoadProject(const std::string& path);
    void SaveProject(const std::string& path, bool temporary);
    bool ConfirmSave();
    void SetModified();
    void SetLangModified();
    void SetSaved();
    void DataToLanguagePage();
    void LanguagePageToData();
    void AddIconFile(const std::string& path);
    void ShowPackageIcon();
    void actNewProjectExecute();
    void actOpenProjectFileAccept();
    void actSaveProjectFileExecute();
    void actSaveAsProjectFileBeforeExecute();
    void actSaveAsProjectFileAccept();
    void ModifiedEvent();
    void ModifiedLangEvent();

    // --- the language page's selector, font button and language list
    // The selector opens, gets the focus, a key or the wheel (its drop-down, enter and key-down
    // events): the page's edits go into the data.
    void tntcboLanguageEnter();
    // A language was picked: the page shows it, the modified state and the texts stay as they were.
    void tntcboLanguageChange();
    void tntbtnRefFontNameClick();
    // The language list dialog on a copy of the languages; a changed list replaces the project's.
    void tntbtnAddLangClick();

    // --- state, for the window's own parts and for tests
    const std::string& ProgramDir() const { return FProgramDir; }
    const TBuilderPlaces& Places() const { return FPlaces; }
    const std::string& ProjectPath() const { return FProjectPath; }
    const std::string& VersionInfoFile() const { return FVersionInfoFile; }
    const std::string& OutputDir() const { return FOutputDir; }
    const std::vector<std::u16string>& SysTexts() const { return FSysTexts; }
    const std::vector<std::u16string>& ReadmeTexts() const { return FReadmeTexts; }
    const TQVIcon& PackageIcon() const { return FPackageIcon; }
    const QImage& BannerImage() const { return FBannerImage; }
    bool Modified() const { return FModified; }
    bool LangPageEdited() const { return FLangPageEdited; }
    const TRecentProjects& RecentProjects() const { return FRecent; }
    QSize ThumbnailSize() const { return FThumbnailSize; }
    QString StatusText() const;
    void SetStatusText(const QString& text);
    // The text the task bar shows for the program.
    QString ApplicationTitle() const { return windowIconText(); }

    TBuilderCommands& Commands() const { return *FCommands; }
    QAction* Action(const char* name) const;
    TPackageInfoPage& PackageInfoPage() const { return *FPackageInfo; }
    TLanguagePage& LanguagePage() const { return *FLanguage; }

    QTabWidget* pgcMain = nullptr;
    QStatusBar* stbMain = nullptr;
    TDropFileTarget* ddForm = nullptr;
    TDropFileTarget* ddIcon = nullptr;
    TDropFileTarget* ddMainIcon = nullptr;
    TDropFileTarget* ddBanner = nullptr;

    // The file dialogs: open and save-as of projects, add icons, package icon, banner picture,
    // compress as.
    TFileDialogState odlProject;
    TFileDialogState sdlProject;
    TFileDialogState odlIcon;
    TFileDialogState odlMainIcon;
    TFileDialogState odlBannerImage;
    TFileDialogState sdlCompressAs;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildWindow();
    void BindCommands();
    void BindIconListCommands();
    void BindPictureCommands();
    void BindDrops();
    void BindAction(const char* name, void (TfrmBuilderMain::*handler)());
    // A file-open or file-save action: before handler, dialog, accept handler on confirmation.
    void BindFileAction(const char* name, TFileDialogState& dialog, void (TfrmBuilderMain::*before)(),
                        void (TfrmBuilderMain::*accept)());
    void ExecuteFileAction(TFileDialogState& dialog, void (TfrmBuilderMain::*before)(),
                           void (TfrmBuilderMain::*accept)());
    // The state of a new project (steps 1 to 5 of the new-project command).
    void ResetDocument();
    void SetDefaultLanguages();
    // The language the page shows, or -1 when the selector holds none that has texts.
    int SelectedLanguage() const;
    void SetCaption(const char* format);
    void RemoveIconRows();
    void ApplySettings(const TBuilderSettings& settings);
    TBuilderSettings CollectSettings() const;
    void SetThumbnailSize(int width, int height);
    void OpenProgramFile(const char* name);

    TBuilderPlaces FPlaces;
    std::vector<std::string> FArguments;
    std::string FProgramDir;
    int FTestProcess = 0;  // pid of the test run; 0 for none
    bool FShown = false;

    std::string FProjectPath;
    std::string FVersionInfoFile;
    std::string FOutputDir;
    std::vector<std::u16string> FSysTexts;
    std::vector<std::u16string> FReadmeTexts;
    TQVIcon FPackageIcon;
    TIconFileStamps FTempIconFiles;  // icon files of the temporary saves
    QImage FBannerImage;  // null: no banner
    bool FLangPageEdited = false;
    bool FModified = false;

    TRecentProjects FRecent;
    QSize FThumbnailSize{340, 48};

    TBuilderCommands* FCommands = nullptr;
    TPackageInfoPage* FPackageInfo = nullptr;
    TLanguagePage* FLanguage = nullptr;
    TPackageProduction* FProduction = nullptr;
    bool FCloseWhenCompressed = false;
    QLabel* FStatusLabel = nullptr;
    TfrmEditLanguageList* FEditLanguageList = nullptr;
    TfrmVersionInfo* FVersionInfo = nullptr;
};

}  // namespace qv
