// The window's settings file, recent projects, help commands and dropped files, through the seams.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QTreeWidget>
#include <QUrl>

#include <unistd.h>

#include "builder/BuilderText.h"
#include "builder/TLanguagePage.h"
#include "builder/TPackageInfoPage.h"
#include "builder/TfrmEditLanguageList.h"
#include "platform/FileIO.h"
#include "platform/TIniFile.h"
#include "tests/builder/BuilderWindowFixture.h"
#include "tests/support/TestProject.h"

namespace qv {
namespace {

using test::BuilderWindowTest;

QString U(const char* utf8) { return QString::fromUtf8(utf8); }

class BuilderSettingsTest : public BuilderWindowTest {
protected:
    void WriteSettings(const std::string& text) {
        ForceDirectories(ProgramDir() + "user");
        WriteText(SettingsFile(), text);
    }
    std::string Read(const char* section, const char* key) const {
        return TIniFile(SettingsFile()).ReadString(section, key, "<absent>");
    }
};

TEST_F(BuilderSettingsTest, PositionsOfZeroOrBelowAreNotApplied) {
    WriteSettings("[Window]\r\nPosX=0\r\nPosY=-40\r\nWidth=0\r\nHeight=-1\r\n");
    auto w = MakeWindow();
    EXPECT_EQ(w->geometry(), QRect(100, 100, 742, 648));
    w.reset();
    WriteSettings("[Window]\r\nPosX=150\r\nPosY=160\r\nWidth=800\r\nHeight=700\r\nLanguageEditLeftWidth=300\r\n");
    w = MakeWindow();
    EXPECT_EQ(w->pos(), QPoint(150, 160));
    EXPECT_EQ(w->size(), QSize(800, 700));
    EXPECT_EQ(w->LanguagePage().FieldsWidth(), 300);
    w->pgcMain->setCurrentIndex(1);
    QCoreApplication::processEvents();
    EXPECT_EQ(w->LanguagePage().FieldsWidth(), 300) << "the width is the splitter's once shown";
    EXPECT_GT(w->LanguagePage().tntgbxReadme->width(), 300);
}

TEST_F(BuilderSettingsTest, ClosingWhileMaximizedKeepsTheStoredBounds) {
    WriteSettings("[Window]\r\nPosX=5\r\nPosY=6\r\nWidth=700\r\nHeight=500\r\nMaximize=1\r\n");
    auto w = MakeWindow();
    EXPECT_TRUE(w->isMaximized());
    w->close();
    EXPECT_EQ(Read("Window", "Maximize"), "1");
    EXPECT_EQ(Read("Window", "PosX"), "5");
    EXPECT_EQ(Read("Window", "PosY"), "6");
    EXPECT_EQ(Read("Window", "Width"), "700");
    EXPECT_EQ(Read("Window", "Height"), "500");
}

TEST_F(BuilderSettingsTest, ElevenLinksAreWrittenAsTenAndReadBackAsNine) {
    auto w = MakeWindow();
    QComboBox* links = w->PackageInfoPage().cboBannerURL;
    ASSERT_EQ(links->count(), 1);
    EXPECT_EQ(links->itemText(0), QStringLiteral("http://"));
    for (int i = 1; i <= 11; ++i) links->addItem(QStringLiteral("http://link%1").arg(i));
    w->close();
    for (int key = 1; key <= 10; ++key)
        EXPECT_EQ(Read("BannerURLList", std::to_string(key).c_str()), "http://link" + std::to_string(key));
    EXPECT_EQ(Read("BannerURLList", "11"), "<absent>");
    w = MakeWindow();
    links = w->PackageInfoPage().cboBannerURL;
    ASSERT_EQ(links->count(), 10);
    EXPECT_EQ(links->itemText(9), QStringLiteral("http://link9"));
}

TEST_F(BuilderSettingsTest, TemplateListTakesTheDefaultsFoundInTheWorkingFolderOnly) {
    char previous[4096];
    ASSERT_NE(::getcwd(previous, sizeof previous), nullptr);
    ASSERT_EQ(::chdir(FWork.Path().c_str()), 0);
    auto w = MakeWindow();
    EXPECT_TRUE(w->EditLanguageList().Templates().isEmpty()) << "the program folder is not looked at";
    w.reset();
    WriteText(Work() + "korean_sys.dat", "x");
    WriteText(Work() + "japanese_sys.dat", "x");
    w = MakeWindow();
    EXPECT_EQ(w->EditLanguageList().Templates(), (QStringList{"japanese_sys.dat", "korean_sys.dat"}));
    w.reset();
    WriteSettings("[System]\r\nTemplate0=/t/mine.dat\r\nTemplate3=other.txt\r\n");
    w = MakeWindow();
    EXPECT_EQ(w->EditLanguageList().Templates(), (QStringList{"/t/mine.dat", "other.txt"}));
    ASSERT_EQ(::chdir(previous), 0);
}

TEST_F(BuilderSettingsTest, DialogFoldersAreWrittenFromTheFileNameTheDialogHolds) {
    WriteSettings("[System]\r\nFileInitDir=/stored/\r\nIconInitDir=/icons/\r\nSaveAsFilter=2\r\n"
                  "CompressAsInitDir=/out/\r\nTemplate5=kept.dat\r\n");
    auto w = MakeWindow();
    EXPECT_EQ(w->odlProject.InitialDir(), QStringLiteral("/stored/"));
    EXPECT_EQ(w->sdlProject.InitialDir(), QStringLiteral("/stored/"));
    EXPECT_EQ(w->odlIcon.InitialDir(), QStringLiteral("/icons/"));
    EXPECT_EQ(w->sdlProject.FilterIndex(), 2);
    EXPECT_EQ(w->sdlCompressAs.InitialDir(), QStringLiteral("/out/"));
    // The open dialog is used (and cancelled at the save question's end: the project is new).
    FSeams.PushOpenFile(PathToQ(Work() + "sub/missing.ipp"));
    w->Action("actOpenProjectFile")->trigger();
    const std::vector<TSeamCall> opens = Calls(TSeamKind::OpenFile);
    ASSERT_EQ(opens.size(), 1u);
    EXPECT_EQ(opens[0].Args[1], QStringLiteral("/stored/"));
    FSeams.PushMessageResult(7);  // the missing project opened as modified: do not save it
    w->close();
    EXPECT_EQ(Read("System", "FileInitDir"), Work() + "sub/");
    EXPECT_EQ(Read("System", "IconInitDir"), "") << "a dialog not used replaces the stored folder";
    EXPECT_EQ(Read("System", "CompressAsInitDir"), "");
    EXPECT_EQ(Read("System", "SaveAsFilter"), "2");
    EXPECT_EQ(Read("System", "Template5"), "kept.dat") << "keys this run does not write stay";
}

TEST_F(BuilderSettingsTest, GarbageAndSizesThatMakeNoThumbnailGiveTheDefaults) {
    WriteSettings("\xff\xfe\x01garbage\r\n[System]\r\nIconThumbWidth=0\r\nIconThumbHeight=-5\r\n[Window]\r\nWidth=big\r\n");
    auto w = MakeWindow();
    EXPECT_EQ(w->ThumbnailSize(), QSize(340, 48));
    EXPECT_EQ(w->size(), QSize(742, 648));
    EXPECT_TRUE(Calls(TSeamKind::ErrorBox).empty());
    w.reset();
    WriteSettings("[System]\r\nIconThumbWidth=200\r\nIconThumbHeight=20\r\n");
    w = MakeWindow();
    EXPECT_EQ(w->ThumbnailSize(), QSize(200, 20));
}

TEST_F(BuilderSettingsTest, ASettingsFolderThatCannotBeMadeWritesNothingSilently) {
    WriteText(Work() + "blocker", "x");
    TBuilderPlaces places = Places();
    places.ProgramDir = Work() + "blocker/bin/";
    places.ConfigHome = Work() + "blocker/config";
    auto w = std::make_unique<TfrmBuilderMain>(places);
    w->show();
    w->close();
    EXPECT_FALSE(w->isVisible());
    EXPECT_TRUE(FSeams.Calls().empty());
}

TEST_F(BuilderSettingsTest, SettingsGoToTheConfigurationFolderWhenTheProgramFolderCannotHoldThem) {
    WriteText(Work() + "blocker", "x");
    TBuilderPlaces places = Places();
    places.ProgramDir = Work() + "blocker/bin/";
    auto w = std::make_unique<TfrmBuilderMain>(places);
    w->show();
    w->close();
    EXPECT_EQ(TIniFile(FConfig.Path() + "/quorvane/tester.ini").ReadString("Window", "Width", ""), "742");
}

// --- recent projects

class RecentProjectsTest : public BuilderSettingsTest {
protected:
    void WriteRecent(const std::vector<std::string>& entries) {
        std::string text = "[Recent]\r\n";
        for (size_t i = 0; i < entries.size(); ++i) text += std::to_string(i + 1) + "=" + entries[i] + "\r\n";
        WriteSettings(text);
    }
    static std::vector<std::string> Entries(const TfrmBuilderMain& w) {
        return {w.RecentProjects().Entries().begin(), w.RecentProjects().Entries().end()};
    }
};

TEST_F(RecentProjectsTest, OpeningTheThirdMovesItToTheTopAndDropsTheLast) {
    test::TestProject project;
    project.WriteDefault();
    const std::string c = project.ProjectPath();
    WriteRecent({"/p/A.ipp", "/p/B.ipp", c, "/p/D.ipp"});
    auto w = MakeWindow();
    EXPECT_EQ(w->Action("actRecent3")->text(), QStringLiteral("&3 ") + PathToQ(c));
    EXPECT_EQ(w->Action("actRecent3")->toolTip(), PathToQ(c));
    w->Action("actRecent3")->trigger();
    EXPECT_EQ(w->ProjectPath(), c);
    EXPECT_EQ(Entries(*w), (std::vector<std::string>{c, "/p/A.ipp", "/p/B.ipp", ""}));
    EXPECT_EQ(w->Action("actRecent1")->text(), QStringLiteral("&1 ") + PathToQ(c));
    EXPECT_EQ(w->Action("actRecent2")->text(), QStringLiteral("&2 /p/A.ipp"));
    EXPECT_TRUE(w->Action("actRecent3")->isVisible());
    EXPECT_FALSE(w->Action("actRecent4")->isVisible());
    EXPECT_TRUE(Calls(TSeamKind::MessageDlg).empty()) << "the project was not modified";
}

TEST_F(RecentProjectsTest, SavingTheOnlyEntryAgainKeepsTheList) {
    test::TestProject project;
    project.WriteDefault();
    WriteRecent({project.ProjectPath()});
    auto w = MakeWindow({project.ProjectPath()});
    EXPECT_EQ(Entries(*w), (std::vector<std::string>{project.ProjectPath(), "", "", ""}));
    w->Action("actSaveProjectFile")->trigger();
    EXPECT_EQ(Entries(*w), (std::vector<std::string>{project.ProjectPath(), "", "", ""}));
}

TEST_F(RecentProjectsTest, AMissingProjectBeepsAndStaysInTheList) {
    WriteRecent({Work() + "gone.ipp", "/p/B.ipp"});
    auto w = MakeWindow();
    w->PackageInfoPage().txtPackageTitle->setText(QStringLiteral("edited"));
    w->Action("actRecent1")->trigger();
    EXPECT_EQ(w->StatusText(), U("プロジェクトファイルが見つかりません。"));
    EXPECT_EQ(Calls(TSeamKind::Beep).size(), 1u);
    EXPECT_TRUE(Calls(TSeamKind::MessageDlg).empty());
    EXPECT_EQ(Entries(*w), (std::vector<std::string>{Work() + "gone.ipp", "/p/B.ipp", "", ""}));
    EXPECT_EQ(w->ProjectPath(), "newpackage.ipp");
}

TEST_F(RecentProjectsTest, AModifiedProjectIsAskedAboutFirstAndCancelKeepsIt) {
    test::TestProject project;
    project.WriteDefault();
    WriteRecent({project.ProjectPath()});
    auto w = MakeWindow();
    w->PackageInfoPage().txtPackageTitle->setText(QStringLiteral("edited"));
    FSeams.PushMessageResult(2);
    w->Action("actRecent1")->trigger();
    ASSERT_EQ(Calls(TSeamKind::MessageDlg).size(), 1u);
    EXPECT_EQ(w->ProjectPath(), "newpackage.ipp");
    EXPECT_TRUE(w->Modified());
}

// --- help commands

TEST_F(BuilderWindowTest, HelpCommandsOpenTheDocumentsBesideTheProgram) {
    auto w = MakeWindow();
    w->Action("actOpenReadme")->trigger();
    w->Action("actOpenManual")->trigger();
    const std::vector<TSeamCall> opened = Calls(TSeamKind::OpenUrl);
    ASSERT_EQ(opened.size(), 2u);
    EXPECT_EQ(QUrl(opened[0].Args[0]).toLocalFile(), PathToQ(ProgramDir() + "readme.txt"));
    EXPECT_EQ(QUrl(opened[1].Args[0]).toLocalFile(), PathToQ(ProgramDir() + "manual.txt"));
    EXPECT_TRUE(Calls(TSeamKind::MessageDlg).empty()) << "missing documents give no message";
}

// --- dropped files

TEST_F(BuilderWindowTest, ADroppedProjectWinsOverDroppedIcons) {
    test::TestProject project;
    project.WriteDefault();
    const std::string icon = WriteIcon("a.ico", {{16, 32, 0xFF0000}});
    auto w = MakeWindow();
    DropFiles(w.get(), {icon, project.ProjectPath()});
    EXPECT_EQ(w->ProjectPath(), project.ProjectPath());
    EXPECT_EQ(w->PackageInfoPage().lvIcon->topLevelItemCount(), 3) << "the project's own icons, not a.ico";
}

TEST_F(BuilderWindowTest, TheExtensionTestIsCaseSensitive) {
    test::TestProject project;
    project.WriteDefault();
    WriteWholeFile(Work() + "PROJECT.IPP", ReadWholeFile(project.ProjectPath()));
    const std::string upper = WriteIcon("PICTURE.ICO", {{16, 32, 0xFF0000}});
    auto w = MakeWindow();
    DropFiles(w.get(), {Work() + "PROJECT.IPP", upper});
    EXPECT_EQ(w->ProjectPath(), "newpackage.ipp");
    EXPECT_EQ(w->PackageInfoPage().lvIcon->topLevelItemCount(), 0);
    EXPECT_FALSE(w->Modified());
}

TEST_F(BuilderWindowTest, DroppedIconsAreAddedUntilOneFails) {
    const std::string a = WriteIcon("a.ico", {{16, 32, 0xFF0000}, {32, 32, 0x00FF00}});
    WriteText(Work() + "broken.ico", "not an icon");
    const std::string b = WriteIcon("b.ico", {{16, 32, 0x0000FF}});
    auto w = MakeWindow();
    DropFiles(w.get(), {a, Work() + "notes.txt", Work() + "broken.ico", b});
    QTreeWidget* list = w->PackageInfoPage().lvIcon;
    ASSERT_EQ(list->topLevelItemCount(), 1) << "a.ico before the broken file stays; no row is left for it";
    EXPECT_EQ(list->topLevelItem(0)->text(0), QStringLiteral("a.ico"));
    EXPECT_EQ(list->topLevelItem(0)->text(1), QStringLiteral("2"));
    EXPECT_EQ(Calls(TSeamKind::ErrorBox).size(), 1u);
    EXPECT_TRUE(w->Modified());

    // On the list itself the same files are taken, and a project file is not.
    DropFiles(list->viewport(), {b, Work() + "p.ipp", Work() + "B.ICO"});
    EXPECT_EQ(list->topLevelItemCount(), 2);
    EXPECT_EQ(list->topLevelItem(1)->text(0), QStringLiteral("b.ico"));
}

}  // namespace
}  // namespace qv
