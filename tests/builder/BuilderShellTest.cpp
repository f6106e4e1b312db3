// The window as designed: size and font, pages and their character-set markers, the command
// table (caption, both hint parts, shortcut, enabling), the menus and the toolbar in order, the
// program start with its windows and version, and the built-in resources.
#include <QAction>
#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTabWidget>
#include <QTest>
#include <QToolBar>
#include <QTreeWidget>
#include <QLineEdit>

#include "builder/BuilderResources.h"
#include "builder/BuilderStartup.h"
#include "builder/TBuilderCommands.h"
#include "builder/TPackageInfoPage.h"
#include "builder/TfrmEditLanguageList.h"
#include "builder/TfrmVersionInfo.h"
#include "common/version.h"
#include "platform/FileIO.h"
#include "tests/builder/BuilderWindowFixture.h"

namespace qv {
namespace {

using test::BuilderWindowTest;

struct TExpectedAction {
    const char* Name;
    const char* Caption;
    const char* ToolTip;
    const char* StatusTip;
    const char* Shortcut;
};

// The command table as the design lists it.
const TExpectedAction kActions[] = {
    {"actNewProject", "新規作成(&N)", "新規作成", "新規作成", "Ctrl+N"},
    {"actOpenProjectFile", "プロジェクトを開く(&O)...", "プロジェクトを開く", "既存のファイルを開く", "Ctrl+O"},
    {"actSaveProjectFile", "上書き保存(&S)", "上書き保存", "上書き保存", "Ctrl+S"},
    {"actSaveAsProjectFile", "プロジェクトに名前を付けて保存(&E)...", "名前を付けて保存",
     "現在のファイルに新しい名前をつけて保存", "Ctrl+Shift+S"},
    {"actFileExit", "終了(&X)", "終了", "アプリケーションを終了する", "Ctrl+Q"},
    {"actOpenMainIcon", "パッケージのアイコン(&M)...", "開く", "既存のファイルを開く", "Ctrl+M"},
    {"actOpenBannerImage", "画像ファイルを開く(&B)...", "画像を選択", "画像を選択", "Ctrl+B"},
    {"actDeleteBanner", "バナーを削除(&D)", "", "", "Ctrl+Shift+B"},
    {"actOpenIcon", "アイコンを追加する(&I)...", "アイコンを追加する", "既存のファイルを開く", "Ctrl+I"},
    {"actDeleteSelectedIcon", "選択したアイコンを削除(&L)", "選択したアイコンを削除", "選択したアイコンを削除", "Del"},
    {"actDeleteAllIcon", "すべてのアイコンを削除(&A)", "すべてのアイコンを削除", "すべてのアイコンを削除", "Shift+Del"},
    {"actUpSelectedIcon", "上へ(&U)", "上へ", "上へ", ""},
    {"actDownSelectedIcon", "下へ(&D)", "下へ", "下へ", ""},
    {"actCompile", "パッケージ作成(&C)", "パッケージ作成", "パッケージ作成", "Ctrl+F9"},
    {"actCompress", "圧縮パッケージ作成(&P)", "圧縮パッケージを作成", "圧縮パッケージを作成", "Ctrl+F8"},
    {"actCompressAs", "名前を付けて圧縮パッケージ作成(&N)...", "名前を付けて圧縮パッケージ作成",
     "名前を付けて圧縮パッケージ作成", "Ctrl+Shift+F9"},
    {"actCompressOptDontIcon", "アイコンリソースを圧縮しない(&I)", "", "", ""},
    {"actRun", "動作テスト実行(&R)", "動作テスト実行", "動作テスト実行", "F9"},
    {"actKill", "実行中の動作テストを強制終了(&K)", "実行中の動作テストを強制終了", "実行中の動作テストを強制終了", "Shift+F8"},
    {"actOpenReadme", "Readmeを読む(&R)", "", "", ""},
    {"actOpenManual", "マニュアルを読む(&M)", "", "", ""},
    {"actAbout", "バージョン情報(&A)", "", "", ""},
};

QString U(const char* utf8) { return QString::fromUtf8(utf8); }

// A menu as "caption: item item ...": actions by name, "-" for a separator, "[caption: ...]" for
// a submenu.
QString Describe(const QMenu* menu) {
    QStringList items;
    for (QAction* action : menu->actions()) {
        if (action->isSeparator())
            items << QStringLiteral("-");
        else if (action->menu())
            items << QStringLiteral("[") + Describe(action->menu()) + QStringLiteral("]");
        else
            items << action->objectName();
    }
    return menu->title() + QStringLiteral(": ") + items.join(QLatin1Char(' '));
}

TEST_F(BuilderWindowTest, WindowHasTheDesignedSizeFontPagesAndMarkers) {
    auto w = MakeWindow();
    EXPECT_EQ(w->geometry(), QRect(100, 100, 742, 648));
    EXPECT_EQ(w->font().family(), QStringLiteral("Tahoma"));
    EXPECT_EQ(w->font().pointSize(), 8);
    ASSERT_EQ(w->pgcMain->count(), 2);
    EXPECT_EQ(w->pgcMain->tabText(0), U("パッケージ情報"));
    EXPECT_EQ(w->pgcMain->widget(0)->objectName(), QStringLiteral("tbsPackageInfo"));
    EXPECT_EQ(w->pgcMain->tabText(1), U("言語とテキスト"));
    EXPECT_EQ(w->pgcMain->widget(1)->objectName(), QStringLiteral("tbsLanguage"));
    EXPECT_EQ(w->pgcMain->currentIndex(), 0);
    EXPECT_EQ(w->pgcMain->widget(0)->findChild<QLabel*>(QStringLiteral("imgCharSet"))->toolTip(),
              U("このページの文字コードはANSIです"));
    EXPECT_EQ(w->pgcMain->widget(1)->findChild<QLabel*>(QStringLiteral("imgCharSet"))->toolTip(),
              U("このページの文字コードはUNICODEです"));
    EXPECT_EQ(w->statusBar()->objectName(), QStringLiteral("stbMain"));
    for (const char* name : {"txtPackageTitle", "chkMakeAgree", "cboColorDepth", "cboIconSize", "txtIconDir", "lvIcon",
                             "gbxMainIcon", "imgMainIcon", "gbxBannerImage", "imgBannerImage", "gbxBannerURL",
                             "cboBannerURL", "tntcboLanguage", "tntbtnAddLang", "csplLanguage", "tntboxLanguage",
                             "tnttxtFontName", "tntbtnRefFontName", "wseFontSize", "tnttxtLabelDragDrop",
                             "tnttxtTitleError", "tnttxtReadme"})
        EXPECT_NE(w->findChild<QWidget*>(QString::fromLatin1(name)), nullptr) << name;
    for (const char* name : {"ddForm", "ddIcon", "ddMainIcon", "ddBanner"})
        EXPECT_NE(w->findChild<QObject*>(QString::fromLatin1(name)), nullptr) << name;
}

TEST_F(BuilderWindowTest, EveryActionCarriesItsCaptionHintsAndShortcut) {
    auto w = MakeWindow();
    for (const TExpectedAction& e : kActions) {
        SCOPED_TRACE(e.Name);
        QAction* a = w->findChild<QAction*>(QString::fromLatin1(e.Name));
        ASSERT_NE(a, nullptr);
        EXPECT_EQ(a->text(), U(e.Caption));
        if (*e.ToolTip) {
            EXPECT_EQ(a->toolTip(), U(e.ToolTip));
        }
        EXPECT_EQ(a->statusTip(), U(e.StatusTip));
        EXPECT_EQ(a->shortcut(), QKeySequence(QString::fromLatin1(e.Shortcut), QKeySequence::PortableText));
        EXPECT_EQ(a->isEnabled(), std::string(e.Name) != "actDeleteSelectedIcon");
    }
    for (int i = 1; i <= 4; ++i) {
        QAction* recent = w->findChild<QAction*>(QStringLiteral("actRecent%1").arg(i));
        ASSERT_NE(recent, nullptr);
        EXPECT_FALSE(recent->isVisible()) << "an empty slot is hidden";
        EXPECT_TRUE(recent->shortcut().isEmpty());
    }
    EXPECT_TRUE(w->Action("actCompressOptDontIcon")->isCheckable());
    w->Action("actCompressOptDontIcon")->trigger();
    EXPECT_TRUE(w->Action("actCompressOptDontIcon")->isChecked());
    EXPECT_TRUE(FSeams.Calls().empty());
}

TEST_F(BuilderWindowTest, MenusAndToolbarShowTheActionsInOrder) {
    auto w = MakeWindow();
    QStringList menus;
    for (QAction* top : w->menuBar()->actions()) menus << Describe(top->menu());
    EXPECT_EQ(menus, (QStringList{
                         U("ファイル(&F): actNewProject actOpenProjectFile [最近開いたプロジェクト(&R): actRecent1 "
                           "actRecent2 actRecent3 actRecent4] - actSaveProjectFile actSaveAsProjectFile - actFileExit"),
                         U("プロジェクト(&P): actOpenMainIcon [バナー画像(&B): actOpenBannerImage actDeleteBanner] - "
                           "actOpenIcon actDeleteSelectedIcon actDeleteAllIcon - actCompile actCompress actCompressAs "
                           "[圧縮オプション(&O): actCompressOptDontIcon]"),
                         U("テスト(&T): actRun actKill"),
                         U("ヘルプ(&H): actOpenReadme actOpenManual - actAbout"),
                     }));
    QToolBar* bar = w->findChild<QToolBar*>();
    ASSERT_NE(bar, nullptr);
    QStringList tools;
    for (QAction* a : bar->actions()) tools << (a->isSeparator() ? QStringLiteral("-") : a->objectName());
    EXPECT_EQ(tools.join(QLatin1Char(' ')),
              QStringLiteral("actNewProject actOpenProjectFile actSaveProjectFile - actCompile actCompress actRun - "
                             "actOpenIcon actDeleteSelectedIcon actDeleteAllIcon actUpSelectedIcon actDownSelectedIcon"));
    EXPECT_EQ(bar->toolButtonStyle(), Qt::ToolButtonIconOnly);
    for (QAction* a : bar->actions())
        if (!a->isSeparator()) {
            EXPECT_FALSE(a->icon().isNull()) << a->objectName().toStdString();
        }
}

TEST_F(BuilderWindowTest, DeleteSelectedIsEnabledExactlyWhileTheListHasTheFocus) {
    auto w = MakeWindow();
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
    QAction* del = w->Action("actDeleteSelectedIcon");
    EXPECT_FALSE(del->isEnabled());
    w->PackageInfoPage().lvIcon->setFocus();
    EXPECT_TRUE(del->isEnabled());
    w->PackageInfoPage().txtPackageTitle->setFocus();
    EXPECT_FALSE(del->isEnabled());
}

TEST_F(BuilderWindowTest, ExitClosesThroughTheNormalClosePath) {
    auto w = MakeWindow();
    w->Action("actFileExit")->trigger();
    EXPECT_FALSE(w->isVisible());
    EXPECT_TRUE(FileExists(SettingsFile())) << "closing writes the settings";
}

TEST_F(BuilderWindowTest, StartMakesTheWindowsAndReadsTheOwnVersion) {
    const std::unique_ptr<TfrmBuilderMain> w = StartBuilder(*qApp);
    EXPECT_EQ(QCoreApplication::applicationName(), QStringLiteral("QuorvaneBuilder"));
    EXPECT_EQ(AppVersion.Text, QV_PROJECT_VERSION);
    EXPECT_EQ(AppVersion.Build, 2);
    EXPECT_EQ(w->EditLanguageList().windowTitle(), U("言語の編集"));
    EXPECT_EQ(w->EditLanguageList().size(), QSize(393, 163));
    EXPECT_EQ(w->VersionInfo().windowTitle(), U("QuorvaneBuilder のバージョン情報"));
    EXPECT_EQ(w->EditLanguageList().parent(), w.get());
}

TEST(BuilderResources, DefaultIconVersionBlockAndBanner) {
    TQVIcon icon;
    icon.LoadFromResourceName(kDefaultPackageIconResource);
    ASSERT_EQ(icon.Count(), 3);
    const int sizes[] = {16, 32, 48};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(icon.GetEntry(i).Width, sizes[i]);
        EXPECT_EQ(icon.GetEntry(i).BitCount, 32);
        EXPECT_NE(icon.GetImageBitmap(i), nullptr);
    }
    EXPECT_EQ(BuilderRawResource(kDefaultVersionResource),
              ReadWholeFile(std::string(QV_SOURCE_DIR) + "/resources/builder/VERRESBIN.bin"));
    const Bytes png = BuilderRawResource(kDefaultBannerResource);
    const QImage banner = QImage::fromData(QByteArray(reinterpret_cast<const char*>(png.data()), qsizetype(png.size())), "PNG");
    EXPECT_EQ(banner.size(), QSize(88, 31));
    EXPECT_EQ(banner.format(), QImage::Format_Indexed8);
}

}  // namespace
}  // namespace qv
