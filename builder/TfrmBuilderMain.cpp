#include "builder/TfrmBuilderMain.h"

#include <QAbstractItemDelegate>
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QPushButton>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QStatusBar>
#include <QTabWidget>
#include <QTreeWidget>
#include <QUrl>

#include "builder/BuilderResources.h"
#include "builder/BuilderText.h"
#include "builder/TBannerEditor.h"
#include "builder/TBuilderCommands.h"
#include "builder/TIconListEditor.h"
#include "builder/TIconRow.h"
#include "builder/TLanguagePage.h"
#include "builder/TPackageIconView.h"
#include "builder/TPackageInfoPage.h"
#include "builder/TPackageProduction.h"
#include "builder/TPictureClick.h"
#include "builder/TPriorityShortcut.h"
#include "builder/TProjectLoader.h"
#include "builder/TProjectSaver.h"
#include "builder/TfrmEditLanguageList.h"
#include "builder/TfrmVersionInfo.h"
#include "builder/core/TBuilderSettings.h"
#include "common/PathEdit.h"
#include "platform/Errors.h"
#include "platform/FileIO.h"
#include "platform/TIniFile.h"
#include "platform/TUnicodeStringList.h"
#include "platform/qt/TDropFileTarget.h"
#include "platform/qt/TQvApplication.h"
#include "platform/qt/TSystemSeams.h"

namespace qv {
namespace {

constexpr char kNewProjectPath[] = "newpackage.ipp";
constexpr char kNewIconDir[] = "icon/";
constexpr char kProjectFilter[] = "QuorvaneBuilderプロジェクト(*.ipp)|*.ipp|すべてのファイル(*.*)|*.*";
constexpr char kSaveAsFilter[] = "QuorvaneBuilderプロジェクト(*.ipp)|*.ipp|フォルダを作成して保存|*.ipp";
constexpr int kSaveAsMakeFolder = 2;
constexpr char kIconFilter[] = "アイコンファイル(*.ico)|*.ico";
constexpr char kPictureFilter[] =
    "画像ファイル(*.bmp, *.png, *.jpg, *.jpeg, *.gif)|*.bmp;*.png;*.jpg;*.jpeg;*.gif|Windowsビットマップ(*.bmp)|*.bmp|"
    "PNGイメージ(*.png)|*.png|Jpegイメージ(*.jpg, *.jpeg)|*.jpg;*.jpeg|GIFイメージ(*.gif)|*.gif";

// The four languages of a new project: name, read-me text and template file.
struct TDefaultLanguage {
    const char* Name;
    const char* Readme;
    const char* Template;
};
constexpr TDefaultLanguage kDefaultLanguages[] = {
    {"日本語", "ここにパッケージの説明文を書きます。", "japanese_sys.dat"},
    {"English", "Thanks for use of our icon.", "english_sys.dat"},
    {"한국어", "나의 아이콘을 이용 받아 감사 드리겠습니다.", "korean_sys.dat"},
    {"中文(简体字)", "承蒙利用感谢我的图标。", "chinese_sys.dat"},
};

// MessageDlg kinds, buttons and results.
constexpr uint8_t kConfirmation = 3;
constexpr uint16_t kYes = 1, kNo = 2, kCancel = 8;
constexpr int kResultYes = 6, kResultNo = 7;

TFileDialogRequest DialogRequest(QWidget* parent, const char* filter, const char* defaultExt = "",
                                 bool overwritePrompt = false) {
    TFileDialogRequest request;
    request.Parent = parent;
    request.Filter = QString::fromUtf8(filter);
    request.DefaultExt = QString::fromLatin1(defaultExt);
    request.OverwritePrompt = overwritePrompt;
    return request;
}

// Thumbnail sizes that cannot make a picture (0 or below, or absurdly large) fall back to the
// design's size.
int ThumbnailDimension(int value, int fallback, int limit) { return value > 0 && value <= limit ? value : fallback; }

std::u16string U16(const char* utf8) { return QString::fromUtf8(utf8).toStdU16String(); }

}  // namespace

TfrmBuilderMain::TfrmBuilderMain(TBuilderPlaces places, std::vector<std::string> arguments, QWidget* parent)
    : QMainWindow(parent),
      odlProject(TFileDialogKind::Open, DialogRequest(this, kProjectFilter)),
      sdlProject(TFileDialogKind::Save, DialogRequest(this, kSaveAsFilter, "ipp", true)),
      odlIcon(TFileDialogKind::OpenMany, DialogRequest(this, kIconFilter)),
      odlMainIcon(TFileDialogKind::Open, DialogRequest(this, kIconFilter)),
      odlBannerImage(TFileDialogKind::Open, DialogRequest(this, kPictureFilter)),
      sdlCompressAs(TFileDialogKind::Save, DialogRequest(this, "パッケージファイル(*.run)|*.run", "run", true)),
      FPlaces(std::move(places)),
      FArguments(std::move(arguments)) {
    // FormCreate: the package icon starts empty, the test run none, the edited mark clear.
    FProgramDir = AppendBackslash(FPlaces.ProgramDir);
    BuildWindow();
    BindCommands();
    BindDrops();
}

TfrmBuilderMain::~TfrmBuilderMain() {
    // The children go after this body; focus leaving one of them must no longer reach the
    // commands, which may be gone by then.
    QObject::disconnect(qApp, nullptr, this, nullptr);
    // FormDestroy
    try {
        actKillExecute();
    } catch (...) {
        // A test run that cannot be ended is left to itself; the window goes anyway.
    }
}

void TfrmBuilderMain::BuildWindow() {
    setObjectName(QStringLiteral("frmBuilderMain"));
    setFont(QFont(QStringLiteral("Tahoma"), 8));
    setGeometry(kDesignLeft, kDesignTop, kDesignWidth, kDesignHeight);
    FCommands = new TBuilderCommands(this);
    FProduction = new TPackageProduction(*this);

    pgcMain = new QTabWidget(this);
    pgcMain->setObjectName(QStringLiteral("pgcMain"));
    FPackageInfo = new TPackageInfoPage(*FCommands, pgcMain);
    FLanguage = new TLanguagePage(pgcMain);
    pgcMain->addTab(FPackageInfo, QString::fromUtf8("パッケージ情報"));
    pgcMain->addTab(FLanguage, QString::fromUtf8("言語とテキスト"));
    setCentralWidget(pgcMain);

    stbMain = new QStatusBar(this);
    stbMain->setObjectName(QStringLiteral("stbMain"));
    stbMain->setSizeGripEnabled(true);
    FStatusLabel = new QLabel(stbMain);
    FStatusLabel->setObjectName(QStringLiteral("stbMainText"));
    stbMain->addWidget(FStatusLabel, 1);
    setStatusBar(stbMain);
    SetThumbnailSize(FThumbnailSize.width(), FThumbnailSize.height());
}

QAction* TfrmBuilderMain::Action(const char* name) const { return FCommands->Action(QString::fromLatin1(name)); }

void TfrmBuilderMain::BindAction(const char* name, void (TfrmBuilderMain::*handler)()) {
    connect(Action(name), &QAction::triggered, this, [this, handler] { TQvApplication::Guarded([this, handler] { (this->*handler)(); }); });
}

void TfrmBuilderMain::BindFileAction(const char* name, TFileDialogState& dialog, void (TfrmBuilderMain::*before)(),
                                     void (TfrmBuilderMain::*accept)()) {
    connect(Action(name), &QAction::triggered, this,
            [this, &dialog, before, accept] { TQvApplication::Guarded([&] { ExecuteFileAction(dialog, before, accept); }); });
}

void TfrmBuilderMain::ExecuteFileAction(TFileDialogState& dialog, void (TfrmBuilderMain::*before)(),
                                        void (TfrmBuilderMain::*accept)()) {
    if (before) (this->*before)();
    if (dialog.Execute()) (this->*accept)();
}

void TfrmBuilderMain::BindCommands() {
    BindAction("actNewProject", &TfrmBuilderMain::actNewProjectExecute);
    BindFileAction("actOpenProjectFile", odlProject, nullptr, &TfrmBuilderMain::actOpenProjectFileAccept);
    BindAction("actSaveProjectFile", &TfrmBuilderMain::actSaveProjectFileExecute);
    BindFileAction("actSaveAsProjectFile", sdlProject, &TfrmBuilderMain::actSaveAsProjectFileBeforeExecute,
                   &TfrmBuilderMain::actSaveAsProjectFileAccept);
    connect(Action("actFileExit"), &QAction::triggered, this, &QWidget::close);
    BindAction("actOpenReadme", &TfrmBuilderMain::actOpenReadmeExecute);
    BindAction("actOpenManual", &TfrmBuilderMain::actOpenManualExecute);
    BindAction("actAbout", &TfrmBuilderMain::actAboutExecute);
    BindAction("actCompile", &TfrmBuilderMain::actCompileExecute);
    BindAction("actCompress", &TfrmBuilderMain::actCompressExecute);
    BindFileAction("actCompressAs", sdlCompressAs, &TfrmBuilderMain::actCompressAsBeforeExecute,
                   &TfrmBuilderMain::actCompressAsAccept);
    BindAction("actCompressOptDontIcon", &TfrmBuilderMain::actCompressOptDontIconExecute);
    BindAction("actRun", &TfrmBuilderMain::actRunExecute);
    BindAction("actKill", &TfrmBuilderMain::actKillExecute);
    // A close asked for during the compressor's wait is carried out once the wait is over.
    connect(FProduction, &TPackageProduction::CompressingEnded, this, [this] {
        if (!FCloseWhenCompressed) return;
        FCloseWhenCompressed = false;
        close();
    });
    for (int i = 0; i < TBuilderCommands::kRecentCount; ++i) {
        QAction* recent = FCommands->Recent(i);
        connect(recent, &QAction::triggered, this, [this, recent] { TQvApplication::Guarded([this, recent] { ActionOpenRecent(recent); }); });
    }

    connect(FPackageInfo, &TPackageInfoPage::Modified, this, &TfrmBuilderMain::ModifiedEvent);
    connect(FLanguage, &TLanguagePage::Edited, this, &TfrmBuilderMain::ModifiedLangEvent);
    connect(FLanguage, &TLanguagePage::SelectorTouched, this, [this] { TQvApplication::Guarded([this] { tntcboLanguageEnter(); }); });
    connect(FLanguage, &TLanguagePage::LanguageSelected, this, [this] { TQvApplication::Guarded([this] { tntcboLanguageChange(); }); });
    connect(FLanguage->tntbtnRefFontName, &QPushButton::clicked, this,
            [this] { TQvApplication::Guarded([this] { tntbtnRefFontNameClick(); }); });
    connect(FLanguage->tntbtnAddLang, &QPushButton::clicked, this, [this] { TQvApplication::Guarded([this] { tntbtnAddLangClick(); }); });
    BindIconListCommands();
    BindPictureCommands();
}

void TfrmBuilderMain::BindIconListCommands() {
    BindFileAction("actOpenIcon", odlIcon, nullptr, &TfrmBuilderMain::actOpenIconAccept);
    BindAction("actDeleteSelectedIcon", &TfrmBuilderMain::actDeleteSelectedIconExecute);
    BindAction("actDeleteAllIcon", &TfrmBuilderMain::actDeleteAllIconExecute);
    new TPriorityShortcut(Action("actDeleteAllIcon"), this);
    BindAction("actUpSelectedIcon", &TfrmBuilderMain::actUpSelectedIconExecute);
    BindAction("actDownSelectedIcon", &TfrmBuilderMain::actDownSelectedIconExecute);
    // The delete command works on the selected rows, so it is offered only while the list has
    // the keyboard focus.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget* before, QWidget* now) {
        const TIconListEditor list(*FPackageInfo->lvIcon);
        if (list.HasFocus(now))
            lvIconEnter();
        else if (list.HasFocus(before))
            lvIconExit();
    });
    // A caption typed in place and confirmed; an edit given up with Esc commits nothing.
    connect(FPackageInfo->lvIcon->itemDelegate(), &QAbstractItemDelegate::commitData, this,
            [this] { TQvApplication::Guarded([this] { lvIconEdited(); }); });
}

void TfrmBuilderMain::BindPictureCommands() {
    BindFileAction("actOpenMainIcon", odlMainIcon, nullptr, &TfrmBuilderMain::actOpenMainIconAccept);
    BindFileAction("actOpenBannerImage", odlBannerImage, nullptr, &TfrmBuilderMain::actOpenBannerImageAccept);
    BindAction("actDeleteBanner", &TfrmBuilderMain::actDeleteBannerExecute);
    new TPictureClick(FPackageInfo->imgMainIcon, [this] { TQvApplication::Guarded([this] { imgMainIconClick(); }); });
    new TPictureClick(FPackageInfo->imgBannerImage, [this] { TQvApplication::Guarded([this] { imgBannerImageClick(); }); });
    connect(FPackageInfo->cboBannerURL, &QComboBox::editTextChanged, this, &TfrmBuilderMain::cboBannerURLChange);
}

void TfrmBuilderMain::BindDrops() {
    const auto guardedDrop = [this](void (TfrmBuilderMain::*handler)(const QStringList&)) {
        return [this, handler](const QStringList& files, const QPoint&) {
            TQvApplication::Guarded([this, handler, &files] { (this->*handler)(files); });
        };
    };
    ddForm = new TDropFileTarget(this, guardedDrop(&TfrmBuilderMain::ddFormFileDrop));
    ddForm->setObjectName(QStringLiteral("ddForm"));
    ddIcon = new TDropFileTarget(FPackageInfo->lvIcon, guardedDrop(&TfrmBuilderMain::ddIconFileDrop));
    ddIcon->setObjectName(QStringLiteral("ddIcon"));
    ddMainIcon = new TDropFileTarget(FPackageInfo->gbxMainIcon, guardedDrop(&TfrmBuilderMain::ddMainIconFileDrop));
    ddMainIcon->setObjectName(QStringLiteral("ddMainIcon"));
    ddBanner = new TDropFileTarget(FPackageInfo->gbxBannerImage, guardedDrop(&TfrmBuilderMain::ddBannerFileDrop));
    ddBanner->setObjectName(QStringLiteral("ddBanner"));
}

void TfrmBuilderMain::CreateDialogs() {
    if (!FEditLanguageList) FEditLanguageList = new TfrmEditLanguageList(FProgramDir, this);
    if (!FVersionInfo) FVersionInfo = new TfrmVersionInfo(FProgramDir, this);
}

TfrmEditLanguageList& TfrmBuilderMain::EditLanguageList() {
    CreateDialogs();
    return *FEditLanguageList;
}

TfrmVersionInfo& TfrmBuilderMain::VersionInfo() {
    CreateDialogs();
    return *FVersionInfo;
}

// --- life cycle

void TfrmBuilderMain::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (FShown) return;
    FShown = true;
    FormShow();
}

void TfrmBuilderMain::FormShow() {
    LoadSettings();
    bool complete = true;
    if (!FArguments.empty())
        complete = TProjectLoader(*this).Load(FArguments.front());
    else
        actNewProjectExecute();
    pgcMain->setCurrentWidget(FPackageInfo);
    // A project that could not be read whole stays marked modified.
    if (complete) SetSaved();
}

void TfrmBuilderMain::closeEvent(QCloseEvent* event) {
    // Refused until the question is answered, so that an error on the way keeps the window.
    event->ignore();
    if (FProduction->Compressing()) {
        FCloseWhenCompressed = true;
        return;
    }
    if (!FormCloseQuery()) return;
    event->accept();
    FormClose();
}

bool TfrmBuilderMain::FormCloseQuery() { return ConfirmSave(); }

void TfrmBuilderMain::FormClose() { SaveSettings(); }

// --- settings

void TfrmBuilderMain::SetThumbnailSize(int width, int height) {
    FThumbnailSize = QSize(ThumbnailDimension(width, 340, 4096), ThumbnailDimension(height, 48, 1024));
    FPackageInfo->lvIcon->setIconSize(FThumbnailSize);
}

void TfrmBuilderMain::LoadSettings() {
    const std::string file = FPlaces.SettingsFileToRead();
    ApplySettings(file.empty() ? TBuilderSettings() : TBuilderSettings::Read(TIniFile(file)));
}

void TfrmBuilderMain::ApplySettings(const TBuilderSettings& s) {
    if (s.PosX > 0) move(s.PosX, y());
    if (s.PosY > 0) move(x(), s.PosY);
    if (s.Width > 0) resize(s.Width, height());
    if (s.Height > 0) resize(width(), s.Height);
    if (s.Maximize) setWindowState(windowState() | Qt::WindowMaximized);
    if (s.LanguageEditLeftWidth > 0) FLanguage->SetFieldsWidth(s.LanguageEditLeftWidth);
    for (int i = 0; i < TRecentProjects::kCount; ++i) FRecent.SetEntry(i, s.Recent[size_t(i)]);
    UpdateRecentMenu();
    for (const std::string& url : s.BannerUrls) FPackageInfo->cboBannerURL->addItem(AnsiToQ(url));
    odlProject.SetInitialDir(PathToQ(s.FileInitDir));
    sdlProject.SetInitialDir(PathToQ(s.FileInitDir));
    odlIcon.SetInitialDir(PathToQ(s.IconInitDir));
    sdlProject.SetFilterIndex(s.SaveAsFilter == kSaveAsMakeFolder ? kSaveAsMakeFolder : 1);
    sdlCompressAs.SetInitialDir(PathToQ(s.CompressAsInitDir));
    SetThumbnailSize(s.IconThumbWidth, s.IconThumbHeight);
    Action("actCompressOptDontIcon")->setChecked(s.DontCompressIcon);
    TfrmEditLanguageList& languages = EditLanguageList();
    for (const std::string& name : s.Templates) languages.AddTemplate(AnsiToQ(name));
    if (languages.Templates().isEmpty())
        for (const TDefaultLanguage& language : kDefaultLanguages)
            if (FileExists(language.Template)) languages.AddTemplate(QString::fromLatin1(language.Template));
}

TBuilderSettings TfrmBuilderMain::CollectSettings() const {
    TBuilderSettings s;
    s.PosX = x();
    s.PosY = y();
    s.Width = width();
    s.Height = height();
    s.Maximize = isMaximized();
    s.LanguageEditLeftWidth = FLanguage->FieldsWidth();
    s.Recent = FRecent.Entries();
    const QComboBox* links = FPackageInfo->cboBannerURL;
    for (int i = 1; i < links->count(); ++i) s.BannerUrls.push_back(QToAnsi(links->itemText(i)));
    // The folder of whatever file name each dialog holds: empty for a dialog not used.
    s.FileInitDir = ExtractFilePath(QToPath(odlProject.FileName()));
    s.IconInitDir = ExtractFilePath(QToPath(odlIcon.FileName()));
    s.SaveAsFilter = sdlProject.FilterIndex();
    s.CompressAsInitDir = ExtractFilePath(QToPath(sdlCompressAs.FileName()));
    s.IconThumbWidth = FThumbnailSize.width();
    s.IconThumbHeight = FThumbnailSize.height();
    s.DontCompressIcon = Action("actCompressOptDontIcon")->isChecked();
    if (FEditLanguageList)
        for (const QString& name : FEditLanguageList->Templates()) s.Templates.push_back(QToAnsi(name));
    return s;
}

void TfrmBuilderMain::SaveSettings() {
    const std::string file = FPlaces.SettingsFileToWrite();
    if (file.empty()) return;
    TIniFile ini(file);
    try {
        CollectSettings().Write(ini);
    } catch (const EQVError&) {
        // A settings file that cannot be written is left as it is, without a message, as when
        // its folder cannot be made.
    }
}

// --- recent projects

void TfrmBuilderMain::AddRecentProject(const std::string& path) { FRecent.Add(path); }

void TfrmBuilderMain::UpdateRecentMenu() {
    for (int i = 0; i < TRecentProjects::kCount; ++i) {
        QAction* action = FCommands->Recent(i);
        const QString path = PathToQ(FRecent.Entry(i));
        action->setVisible(!path.isEmpty());
        if (path.isEmpty()) continue;
        action->setText(QStringLiteral("&%1 ").arg(i + 1) + path);
        TBuilderCommands::SetHint(action, path);
    }
}

void TfrmBuilderMain::ActionOpenRecent(QAction* sender) {
    int index = 0;
    while (index < TRecentProjects::kCount && FCommands->Recent(index) != sender) ++index;
    const std::string path = FRecent.Entry(index);
    if (!FileExists(path)) {
        SetStatusText(QString::fromUtf8("プロジェクトファイルが見つかりません。"));
        Seams().Beep();
        return;
    }
    if (ConfirmSave()) LoadProject(path);
}

// --- drops and help

void TfrmBuilderMain::ddFormFileDrop(const QStringList& files) {
    for (const std::string& path : TDropFileTarget::PathBytes(files)) {
        if (ExtractFileExt(path) != ".ipp") continue;
        if (ConfirmSave()) LoadProject(path);
        return;
    }
    ddIconFileDrop(files);
}

void TfrmBuilderMain::ddIconFileDrop(const QStringList& files) {
    // The extension test is case-sensitive: "PICTURE.ICO" is not an icon file here.
    for (const std::string& path : TDropFileTarget::PathBytes(files)) {
        if (ExtractFileExt(path) != ".ico") continue;
        AddIconFile(path);
        SetModified();
    }
}

void TfrmBuilderMain::OpenProgramFile(const char* name) {
    Seams().OpenUrl(QUrl::fromLocalFile(PathToQ(FProgramDir + name)));
}

void TfrmBuilderMain::actOpenReadmeExecute() { OpenProgramFile("readme.txt"); }

void TfrmBuilderMain::actOpenManualExecute() { OpenProgramFile("manual.txt"); }

void TfrmBuilderMain::actAboutExecute() { VersionInfo().exec(); }

void TfrmBuilderMain::actCompileExecute() { FProduction->Compile(); }

void TfrmBuilderMain::actCompressExecute() { FProduction->Compress(); }

void TfrmBuilderMain::actCompressAsBeforeExecute() {
    sdlCompressAs.SetFileName(PathToQ(FProduction->CompressAsFileName()));
}

void TfrmBuilderMain::actCompressAsAccept() { FProduction->CompressAs(QToPath(sdlCompressAs.Files().value(0))); }

void TfrmBuilderMain::actRunExecute() { FProduction->Run(); }

void TfrmBuilderMain::actKillExecute() { FProduction->Kill(); }

// --- title, status and modified state

QString TfrmBuilderMain::StatusText() const { return FStatusLabel->text(); }

void TfrmBuilderMain::SetStatusText(const QString& text) { FStatusLabel->setText(text); }

void TfrmBuilderMain::SetCaption(const char* format) {
    const QString pattern = QString::fromUtf8(format);
    setWindowTitle(pattern.arg(PathToQ(FProjectPath)));
    setWindowIconText(pattern.arg(PathToQ(ExtractFileName(FProjectPath))));
}

void TfrmBuilderMain::SetModified() {
    FModified = true;
    SetCaption("* %1 - QuorvaneBuilder");
    SetStatusText(QString::fromUtf8("このプロジェクトは保存されていません。"));
}

void TfrmBuilderMain::SetLangModified() {
    FLangPageEdited = true;
    SetModified();
}

void TfrmBuilderMain::SetSaved() {
    SetCaption("%1 - QuorvaneBuilder");
    FModified = false;
    SetStatusText(QString());
}

void TfrmBuilderMain::ModifiedEvent() { SetModified(); }

void TfrmBuilderMain::ModifiedLangEvent() { SetLangModified(); }

// --- the language page

int TfrmBuilderMain::SelectedLanguage() const {
    const int j = FLanguage->tntcboLanguage->currentIndex();
    return j >= 0 && size_t(j) < FSysTexts.size() && size_t(j) < FReadmeTexts.size() ? j : -1;
}

void TfrmBuilderMain::DataToLanguagePage() {
    const int j = SelectedLanguage();
    if (j >= 0) FLanguage->SetTexts(FSysTexts[size_t(j)], FReadmeTexts[size_t(j)]);
}

void TfrmBuilderMain::LanguagePageToData() {
    const int j = SelectedLanguage();
    if (j < 0) return;
    FSysTexts[size_t(j)] = FLanguage->SysText();
    FReadmeTexts[size_t(j)] = FLanguage->ReadmeText();
}

void TfrmBuilderMain::tntcboLanguageEnter() {
    if (!FLangPageEdited) return;
    LanguagePageToData();
    FLangPageEdited = false;
}

void TfrmBuilderMain::tntcboLanguageChange() {
    const QString caption = windowTitle(), title = ApplicationTitle(), status = StatusText();
    const bool modified = FModified;
    DataToLanguagePage();
    FModified = modified;
    setWindowTitle(caption);
    setWindowIconText(title);
    SetStatusText(status);
}

void TfrmBuilderMain::tntbtnRefFontNameClick() {
    // The font dialog takes its preset name in the system code page.
    const QFont initial(AnsiToQ(QToAnsi(FLanguage->tnttxtFontName->text())), FLanguage->wseFontSize->value());
    const std::optional<QFont> font = Seams().ChooseFont(this, initial, QString());
    if (!font) return;
    FLanguage->tnttxtFontName->setText(font->family());
    // A font given in pixels has no point size; the spinner then keeps its value.
    if (font->pointSize() > 0) FLanguage->wseFontSize->setValue(font->pointSize());
}

void TfrmBuilderMain::tntbtnAddLangClick() {
    LanguagePageToData();
    QComboBox* selector = FLanguage->tntcboLanguage;
    QStringList names;
    for (int i = 0; i < selector->count(); ++i) names << selector->itemText(i);
    TfrmEditLanguageList& dialog = EditLanguageList();
    dialog.SetLanguages(names, FSysTexts, FReadmeTexts);
    dialog.exec();
    if (!dialog.Changed()) return;
    selector->clear();
    selector->addItems(dialog.Names());
    selector->setCurrentIndex(0);
    FSysTexts = dialog.SysTexts();
    FReadmeTexts = dialog.ReadmeTexts();
    dialog.SetLanguages({}, {}, {});  // the copy is not needed until the next opening
    DataToLanguagePage();
    SetModified();
}

// --- icons

void TfrmBuilderMain::AddIconFile(const std::string& path) { TIconRow::Append(*FPackageInfo->lvIcon, path, FThumbnailSize); }

void TfrmBuilderMain::RemoveIconRows() { FPackageInfo->lvIcon->clear(); }

void TfrmBuilderMain::ShowPackageIcon() { TPackageIconView::Show(FPackageIcon, *FPackageInfo->imgMainIcon); }

void TfrmBuilderMain::actOpenIconAccept() {
    for (const QString& file : odlIcon.Files()) AddIconFile(QToPath(file));
    SetModified();
}

void TfrmBuilderMain::actDeleteSelectedIconExecute() {
    if (TIconListEditor(*FPackageInfo->lvIcon).DeleteSelected()) SetModified();
}

void TfrmBuilderMain::actDeleteAllIconExecute() {
    if (TIconListEditor(*FPackageInfo->lvIcon).DeleteAll()) SetModified();
}

void TfrmBuilderMain::actUpSelectedIconExecute() {
    if (TIconListEditor(*FPackageInfo->lvIcon).MoveUp()) SetModified();
}

void TfrmBuilderMain::actDownSelectedIconExecute() {
    if (TIconListEditor(*FPackageInfo->lvIcon).MoveDown()) SetModified();
}

void TfrmBuilderMain::lvIconEnter() { Action("actDeleteSelectedIcon")->setEnabled(true); }

void TfrmBuilderMain::lvIconExit() { Action("actDeleteSelectedIcon")->setEnabled(false); }

void TfrmBuilderMain::lvIconEdited() { SetModified(); }

// --- package icon and banner

void TfrmBuilderMain::LoadPackageIcon(const std::string& path) {
    TPackageIconView::Replace(FPackageIcon, path);
    ShowPackageIcon();
    SetModified();
}

void TfrmBuilderMain::actOpenMainIconAccept() { LoadPackageIcon(QToPath(odlMainIcon.FileName())); }

void TfrmBuilderMain::ddMainIconFileDrop(const QStringList& files) {
    // Only the first file counts; like the list, the box takes ".ico" in lower case only.
    const std::vector<std::string> paths = TDropFileTarget::PathBytes(files.mid(0, 1));
    if (paths.empty() || ExtractFileExt(paths.front()) != ".ico") return;
    LoadPackageIcon(paths.front());
    odlMainIcon.SetFileName(files.front());
}

void TfrmBuilderMain::imgMainIconClick() { Action("actOpenMainIcon")->trigger(); }

void TfrmBuilderMain::LoadBannerImage(const std::string& path) {
    TBannerEditor(FBannerImage, *FPackageInfo->imgBannerImage).Load(path);
    SetModified();
}

void TfrmBuilderMain::actOpenBannerImageAccept() { LoadBannerImage(QToPath(odlBannerImage.FileName())); }

void TfrmBuilderMain::ddBannerFileDrop(const QStringList& files) {
    if (files.isEmpty()) return;
    LoadBannerImage(TDropFileTarget::PathBytes(files.mid(0, 1)).front());
    odlBannerImage.SetFileName(files.front());
}

void TfrmBuilderMain::imgBannerImageClick() { Action("actOpenBannerImage")->trigger(); }

void TfrmBuilderMain::actDeleteBannerExecute() {
    if (TBannerEditor(FBannerImage, *FPackageInfo->imgBannerImage).Delete()) SetModified();
}

void TfrmBuilderMain::cboBannerURLChange() { SetModified(); }

// --- new, open, save

void TfrmBuilderMain::SetDefaultLanguages() {
    QComboBox* selector = FLanguage->tntcboLanguage;
    selector->clear();
    FSysTexts.clear();
    FReadmeTexts.clear();
    for (const TDefaultLanguage& language : kDefaultLanguages) {
        selector->addItem(QString::fromUtf8(language.Name));
        FReadmeTexts.push_back(U16(language.Readme));
        // A template that is missing or unreadable gives a language with empty texts.
        TUnicodeStringList sys;
        try {
            sys.LoadFromFile(FProgramDir + language.Template);
        } catch (const EQVError&) {
            sys.Clear();
        }
        FSysTexts.push_back(sys.Text());
    }
    selector->setCurrentIndex(0);
}

void TfrmBuilderMain::ResetDocument() {
    FProjectPath = kNewProjectPath;
    FVersionInfoFile.clear();
    FOutputDir.clear();
    FPackageIcon.LoadFromResourceName(kDefaultPackageIconResource);
    ShowPackageIcon();
    FPackageInfo->txtPackageTitle->setText(QStringLiteral("New Package"));
    FPackageInfo->chkMakeAgree->setChecked(false);
    FPackageInfo->cboColorDepth->setCurrentIndex(TPackageInfoPage::kDefaultColorDepth);
    FPackageInfo->cboIconSize->setCurrentIndex(TPackageInfoPage::kDefaultIconSize);
    FPackageInfo->txtIconDir->setText(QString::fromLatin1(kNewIconDir));
    TBannerEditor(FBannerImage, *FPackageInfo->imgBannerImage).Delete();
    FPackageInfo->cboBannerURL->setEditText(QString());
    RemoveIconRows();
    SetDefaultLanguages();
}

void TfrmBuilderMain::actNewProjectExecute() {
    if (!ConfirmSave()) return;
    ResetDocument();
    FLanguage->tntcboLanguage->setCurrentIndex(0);
    DataToLanguagePage();
    SetSaved();
}

void TfrmBuilderMain::actOpenProjectFileAccept() {
    if (ConfirmSave()) LoadProject(QToPath(odlProject.FileName()));
}

void TfrmBuilderMain::LoadProject(const std::string& path) { TProjectLoader(*this).Load(path); }

void TfrmBuilderMain::SaveProject(const std::string& path, bool temporary) { TProjectSaver(*this).Save(path, temporary); }

bool TfrmBuilderMain::ConfirmSave() {
    if (FLangPageEdited) LanguagePageToData();
    if (!FModified) return true;
    const QString message = QString::fromUtf8("\"%1\" は変更されています。保存しますか？").arg(PathToQ(ExtractFileName(FProjectPath)));
    const int answer = Seams().MessageDlg(message, kConfirmation, kYes | kNo | kCancel, QString::fromUtf8("保存確認"));
    if (answer == kResultYes) {
        actSaveProjectFileExecute();
        return true;
    }
    return answer == kResultNo;
}

void TfrmBuilderMain::actSaveProjectFileExecute() {
    const std::string folder = ExtractFilePath(FProjectPath);
    if (!folder.empty() && DirectoryExists(folder)) {
        SaveProject(FProjectPath, false);
        return;
    }
    ExecuteFileAction(sdlProject, &TfrmBuilderMain::actSaveAsProjectFileBeforeExecute,
                      &TfrmBuilderMain::actSaveAsProjectFileAccept);
}

void TfrmBuilderMain::actSaveAsProjectFileBeforeExecute() { sdlProject.SetFileName(PathToQ(FProjectPath)); }

void TfrmBuilderMain::actSaveAsProjectFileAccept() {
    const std::string chosen = QToPath(sdlProject.FileName());
    if (sdlProject.FilterIndex() != kSaveAsMakeFolder) {
        SaveProject(chosen, false);
        return;
    }
    const std::string folder = ChangeFileExt(chosen, "");
    const std::string target = AppendBackslash(folder) + ExtractFileName(chosen);
    if (FileExists(target)) {
        const QString message =
            QString::fromUtf8("\"%1\"\nは既に存在しています。\n上書きしてもよろしいですか？").arg(PathToQ(target));
        if (Seams().MessageDlg(message, kConfirmation, kYes | kNo, QString::fromUtf8("上書き確認")) == kResultNo) return;
    }
    if (!ForceDirectories(folder)) {
        Seams().Beep();
        SetStatusText(QString::fromUtf8("フォルダを作成できませんでした。"));
        return;
    }
    SaveProject(target, false);
}

}  // namespace qv
