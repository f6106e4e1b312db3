// What a save writes: the whole file set byte for byte against a fixture written by hand, the
// lines and files left out, the default banner and version block, icon files already there,
// failures part-way, and a saved project built by quorcomp.
#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QTreeWidget>

#include <cstdlib>

#include <unistd.h>

#include "builder/BuilderResources.h"
#include "builder/BuilderText.h"
#include "builder/TLanguagePage.h"
#include "builder/TPackageInfoPage.h"
#include "icon/TQVIcon.h"
#include "platform/FileIO.h"
#include "platform/TAnsiStringList.h"
#include "platform/TIniFile.h"
#include "platform/TMemoryStream.h"
#include "platform/TModuleResources.h"
#include "tests/builder/BuilderWindowFixture.h"
#include "tests/support/TestCommand.h"
#include "tests/support/TestProject.h"

namespace qv {
namespace {

using test::BuilderWindowTest;
using test::TestProject;

const std::string kFixture = std::string(QV_TEST_DATA) + "/valid/builder/saved/";

// The icon file as the container writes it back.
Bytes Normalised(const Bytes& file) {
    TMemoryStream in(file);
    TQVIcon icon;
    icon.LoadFromStream(in);
    TMemoryStream out;
    icon.SaveToStream(out);
    return out.Data();
}

QImage Picture(const Bytes& file) {
    return QImage::fromData(QByteArray(reinterpret_cast<const char*>(file.data()), qsizetype(file.size())));
}

class ProjectSaveTest : public BuilderWindowTest {
protected:
    // The demo project of the compiler tests, with an output folder written on Windows.
    void WriteDemo(TestProject& project) {
        project.WriteDefault();
        std::vector<std::string> lines = TestProject::DefaultProjectLines();
        lines[5] = "outputdir=C:\\packages\\";
        project.WriteProjectFile(lines);
    }
    void SelectLanguage(TfrmBuilderMain& w, int index) {
        w.tntcboLanguageEnter();
        w.LanguagePage().tntcboLanguage->setCurrentIndex(index);
        w.tntcboLanguageChange();
    }
    std::vector<std::string> Keys(const std::string& ipp) {
        std::vector<std::string> keys;
        for (const std::string& line : Lines(ipp)) keys.push_back(line.substr(0, line.find('=')));
        return keys;
    }
    std::unique_ptr<TfrmBuilderMain> SavedNewProject(const std::string& path) {
        auto w = MakeWindow();
        FSeams.PushSaveFile(PathToQ(path), 1);
        w->Action("actSaveAsProjectFile")->trigger();
        return w;
    }
};

TEST_F(ProjectSaveTest, ASavedProjectIsByteForByteTheFileSet) {
    TestProject demo;
    WriteDemo(demo);
    auto w = MakeWindow({demo.ProjectPath()});
    TPackageInfoPage& info = w->PackageInfoPage();
    info.txtPackageTitle->setText(QStringLiteral("Fixture=Icons"));
    info.chkMakeAgree->setChecked(false);
    info.cboColorDepth->setCurrentIndex(0);
    info.cboIconSize->setCurrentIndex(0);
    info.cboBannerURL->setEditText(QStringLiteral("http://"));
    TLanguagePage& page = w->LanguagePage();
    page.TextField(0)->setText(QString::fromUtf8("ここへドラッグ"));
    page.tnttxtReadme->setPlainText(QString::fromUtf8("読んでください。\n二行目"));
    SelectLanguage(*w, 1);
    page.wseFontSize->setValue(12);
    page.TextField(1)->setText(QStringLiteral("or"));
    page.TextField(9)->clear();

    FSeams.PushSaveFile(PathToQ(Work() + "fixture.ipp"), 2);
    w->Action("actSaveAsProjectFile")->trigger();
    ASSERT_TRUE(Calls(TSeamKind::ErrorBox).empty());
    const std::string saved = Work() + "fixture/";
    for (const char* name : {"fixture.ipp", "fixture_iconpackinfo.txt", "fixture_iconpacklang.txt",
                             "fixture_lang0_sys.txt", "fixture_lang0_readme.txt", "fixture_lang1_sys.txt",
                             "fixture_lang1_readme.txt"})
        EXPECT_EQ(Text(saved + name), Text(kFixture + name)) << name;
    EXPECT_EQ(ReadWholeFile(saved + "fixture_versioninfo.bin"), BuilderRawResource(kDefaultVersionResource));
    EXPECT_EQ(ReadWholeFile(saved + "mainicon.ico"), Normalised(TestProject::Fixture("main3.ico")));
    EXPECT_EQ(ReadWholeFile(saved + "icon/a.ico"), Normalised(TestProject::Fixture("five.ico")));
    EXPECT_EQ(ReadWholeFile(saved + "icon/b.ico"), Normalised(TestProject::Fixture("two.ico")));
    EXPECT_EQ(ReadWholeFile(saved + "icon/c.ico"), Normalised(TestProject::Fixture("one.ico")));
    // The banner: 88 x 31 at 24 bits (PNG colour type 2, depth 8), the demo's picture on it.
    const Bytes png = ReadWholeFile(saved + "fixture_bannerimage.png");
    ASSERT_GT(png.size(), 26u);
    EXPECT_EQ(png[24], 8);
    EXPECT_EQ(png[25], 2);
    const QImage banner = Picture(png);
    const QImage original = Picture(TestProject::Fixture("banner.png")).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(banner.size(), QSize(88, 31));
    for (int y = 0; y < std::min(31, original.height()); y += 5) {
        for (int x = 0; x < std::min(88, original.width()); x += 7) {
            EXPECT_EQ(banner.pixel(x, y), original.pixel(x, y)) << x << "," << y;
        }
    }
    EXPECT_EQ(w->ProjectPath(), saved + "fixture.ipp");
    EXPECT_FALSE(w->Modified());
}

TEST_F(ProjectSaveTest, EmptyValuesLeaveTheirLinesOut) {
    auto w = MakeWindow();
    w->PackageInfoPage().txtPackageTitle->clear();
    w->PackageInfoPage().cboBannerURL->setEditText(QStringLiteral("http://"));
    FSeams.PushSaveFile(PathToQ(Work() + "p.ipp"), 1);
    w->Action("actSaveAsProjectFile")->trigger();
    EXPECT_EQ(Lines(Work() + "p_iconpackinfo.txt"),
              (std::vector<std::string>{"agreebutton=False", "showiconbit=32", "showiconwidth=32", "showiconheight=32",
                                        "iconcount=0"}));
    EXPECT_EQ(Keys(Work() + "p.ipp"), (std::vector<std::string>{"[package]", "iconpackinfo", "iconpacklang", "iconsrcdir",
                                                                "mainicon", "outputdir", "versioninfo"}));
    EXPECT_FALSE(FileExists(Work() + "p_bannerimage.png"));
    EXPECT_EQ(w->PackageInfoPage().cboBannerURL->count(), 1) << "\"http://\" is not remembered again";
}

TEST_F(ProjectSaveTest, ALinkWithoutABannerWritesAndShowsTheDefaultBanner) {
    auto w = MakeWindow();
    QComboBox* link = w->PackageInfoPage().cboBannerURL;
    link->addItem(QStringLiteral("http://older.example/"));
    link->setEditText(QStringLiteral("https://example.org/icons"));
    FSeams.PushSaveFile(PathToQ(Work() + "p.ipp"), 1);
    w->Action("actSaveAsProjectFile")->trigger();
    EXPECT_EQ(ReadWholeFile(Work() + "p_bannerimage.png"), BuilderRawResource(kDefaultBannerResource));
    EXPECT_EQ(TIniFile(Work() + "p.ipp").ReadString("package", "bannerimage", ""), "p_bannerimage.png");
    EXPECT_FALSE(w->BannerImage().isNull());
    EXPECT_EQ(w->BannerImage().size(), QSize(88, 31));
    EXPECT_FALSE(w->PackageInfoPage().imgBannerImage->pixmap().isNull());
    EXPECT_EQ(link->itemText(1), QStringLiteral("https://example.org/icons")) << "a new link joins the list at 1";
    EXPECT_EQ(link->itemText(2), QStringLiteral("http://older.example/"));
    TAnsiStringList info;
    info.LoadFromFile(Work() + "p_iconpackinfo.txt");
    EXPECT_EQ(info.Values("bannerurl"), "https://example.org/icons");

    // With a banner from now on, the next save writes the picture at 24 bits.
    w->Action("actSaveProjectFile")->trigger();
    const Bytes png = ReadWholeFile(Work() + "p_bannerimage.png");
    EXPECT_EQ(png.at(25), 2);
    EXPECT_EQ(link->count(), 3);
}

TEST_F(ProjectSaveTest, TheVersionFileIsNotCarriedIntoAnotherFolder) {
    TestProject demo;
    WriteDemo(demo);
    auto w = MakeWindow({demo.ProjectPath()});
    EXPECT_EQ(w->VersionInfoFile(), "demo_versioninfo.bin");
    w->Action("actSaveProjectFile")->trigger();
    EXPECT_EQ(TIniFile(demo.ProjectPath()).ReadString("package", "versioninfo", ""), "demo_versioninfo.bin");
    EXPECT_EQ(ReadWholeFile(demo.Path("demo_versioninfo.bin")), TestProject::Fixture("versioninfo.bin"));

    ForceDirectories(Work() + "other");
    FSeams.PushSaveFile(PathToQ(Work() + "other/moved.ipp"), 1);
    w->Action("actSaveAsProjectFile")->trigger();
    EXPECT_EQ(w->VersionInfoFile(), "moved_versioninfo.bin");
    EXPECT_EQ(TIniFile(Work() + "other/moved.ipp").ReadString("package", "versioninfo", ""), "moved_versioninfo.bin");
    EXPECT_EQ(ReadWholeFile(Work() + "other/moved_versioninfo.bin"), BuilderRawResource(kDefaultVersionResource));
}

TEST_F(ProjectSaveTest, AnIconFileAlreadyThereIsNotOverwritten) {
    ForceDirectories(Work() + "icon");
    const std::string mine = WriteIcon("icon/a.ico", {{16, 32, 0x123456}});
    const Bytes before = ReadWholeFile(mine);
    auto w = MakeWindow();
    w->AddIconFile(WriteIcon("a.ico", {{16, 32, 0xFF0000}, {32, 32, 0xFF0000}}));
    w->AddIconFile(WriteIcon("b.ico", {{16, 32, 0x00FF00}}));
    FSeams.PushSaveFile(PathToQ(Work() + "p.ipp"), 1);
    w->Action("actSaveAsProjectFile")->trigger();
    EXPECT_EQ(ReadWholeFile(Work() + "icon/a.ico"), before);
    EXPECT_EQ(ReadWholeFile(Work() + "icon/b.ico"), Normalised(ReadWholeFile(Work() + "b.ico")));
    TAnsiStringList info;
    info.LoadFromFile(Work() + "p_iconpackinfo.txt");
    EXPECT_EQ(info.Values("iconcount"), "2");
    EXPECT_EQ(info.Values("iconname0"), "a.ico");
}

TEST_F(ProjectSaveTest, ARelativeIconFolderBelongsToTheProjectNotTheWorkingFolder) {
    ForceDirectories(Work() + "cwd/icon");
    ForceDirectories(Work() + "p");
    char previous[4096];
    ASSERT_NE(::getcwd(previous, sizeof previous), nullptr);
    ASSERT_EQ(::chdir((Work() + "cwd").c_str()), 0);
    auto w = MakeWindow();
    w->AddIconFile(WriteIcon("a.ico", {{16, 32, 0xFF0000}}));
    FSeams.PushSaveFile(PathToQ(Work() + "p/p.ipp"), 1);
    w->Action("actSaveAsProjectFile")->trigger();
    ASSERT_EQ(::chdir(previous), 0);
    EXPECT_TRUE(FileExists(Work() + "p/icon/a.ico"));
    EXPECT_FALSE(FileExists(Work() + "cwd/icon/a.ico"));
    EXPECT_EQ(TIniFile(Work() + "p/p.ipp").ReadString("package", "iconsrcdir", ""), "icon/");
}

TEST_F(ProjectSaveTest, AnEmptyCaptionFailsAtItsRowAndKeepsWhatWasWritten) {
    auto w = SavedNewProject(Work() + "p.ipp");
    DeleteFileIfExists(Work() + "p_iconpackinfo.txt");
    w->AddIconFile(WriteIcon("a.ico", {{16, 32, 0xFF0000}}));
    w->AddIconFile(WriteIcon("b.ico", {{16, 32, 0x00FF00}}));
    w->AddIconFile(WriteIcon("c.ico", {{16, 32, 0x0000FF}}));
    w->SetModified();
    w->PackageInfoPage().lvIcon->topLevelItem(1)->setText(0, QString());
    w->Action("actSaveProjectFile")->trigger();
    EXPECT_EQ(Calls(TSeamKind::ErrorBox).size(), 1u);
    EXPECT_TRUE(FileExists(Work() + "icon/a.ico"));
    EXPECT_FALSE(FileExists(Work() + "icon/c.ico"));
    EXPECT_FALSE(FileExists(Work() + "p_iconpackinfo.txt"));
    EXPECT_TRUE(w->Modified());
    EXPECT_EQ(w->windowTitle().left(2), QStringLiteral("* "));
}

TEST_F(ProjectSaveTest, AProjectFileThatCannotBeWrittenIsNotReportedAsSaved) {
    auto w = MakeWindow();
    w->SetModified();
    // Something that is not a file stands where the project file and the package icon go.
    ForceDirectories(Work() + "a/p.ipp");
    FSeams.PushSaveFile(PathToQ(Work() + "a/p.ipp"), 1);
    w->Action("actSaveAsProjectFile")->trigger();
    EXPECT_EQ(Calls(TSeamKind::ErrorBox).size(), 1u);
    EXPECT_FALSE(FileExists(Work() + "a/p_iconpackinfo.txt"));
    EXPECT_TRUE(w->Modified());
    ForceDirectories(Work() + "b/mainicon.ico");
    FSeams.PushSaveFile(PathToQ(Work() + "b/p.ipp"), 1);
    w->Action("actSaveAsProjectFile")->trigger();
    EXPECT_EQ(Calls(TSeamKind::ErrorBox).size(), 2u);
    EXPECT_TRUE(FileExists(Work() + "b/p_iconpackinfo.txt"));
    EXPECT_FALSE(FileExists(Work() + "b/p_iconpacklang.txt"));
    EXPECT_TRUE(w->Modified());
    EXPECT_TRUE(w->RecentProjects().Entry(0).empty());
}

TEST_F(ProjectSaveTest, QuorcompBuildsASavedProject) {
    auto w = MakeWindow();
    w->PackageInfoPage().txtPackageTitle->setText(QStringLiteral("Built Icons"));
    w->PackageInfoPage().cboBannerURL->setEditText(QStringLiteral("https://example.org/"));
    w->AddIconFile(WriteIcon("red.ico", {{16, 32, 0xFF0000}, {32, 32, 0xFF0000}}));
    w->AddIconFile(WriteIcon("green.ico", {{48, 24, 0x00FF00}}));
    FSeams.PushSaveFile(PathToQ(Work() + "built.ipp"), 2);
    w->Action("actSaveAsProjectFile")->trigger();
    const std::string project = Work() + "built/built.ipp", package = Work() + "built.run";
    const std::string command = std::string(QV_BIN_DIR) + "/quorcomp '" + project + "' '" + package + "' >/dev/null";
    ASSERT_EQ(std::system(command.c_str()), 0);
    const TModuleResources res = TModuleResources::FromFile(package);
    EXPECT_TRUE(res.Problems().empty());
    const ResEntry* info = res.Find(ResId::Number(10), ResId::Name("ICONPACKINFO"));
    ASSERT_NE(info, nullptr);
    TAnsiStringList text;
    text.LoadFromBytes(info->data);
    EXPECT_EQ(text.Values("packname"), "Built Icons");
    EXPECT_EQ(text.Values("iconname1"), "green.ico");
    for (const char* group : {"MAINICON", "_ICONPACK0", "_ICONPACK1"})
        EXPECT_NE(res.Find(ResId::Number(14), ResId::Name(group)), nullptr) << group;
    for (const char* raw : {"ICONPACKLANG", "LANG0_SYS", "LANG3_README"})
        EXPECT_NE(res.Find(ResId::Number(10), ResId::Name(raw)), nullptr) << raw;
    EXPECT_NE(res.Find(ResId::Number(16), ResId::Number(1)), nullptr);

    // The viewer shows it: the package reports what its window holds once it is shown.
    const test::TCommandOutcome shown = test::RunCommandLine(
        "QT_QPA_PLATFORM=offscreen QUORVEX_REPORT_SHOWN=1 " + test::ShellQuoted(package));
    EXPECT_EQ(shown.Status, 0);
    EXPECT_NE(shown.Output.find("title: Built Icons\n"), std::string::npos) << shown.Output;
    EXPECT_NE(shown.Output.find("icons: 2\n"), std::string::npos) << shown.Output;
    EXPECT_NE(shown.Output.find("languages: 4\n"), std::string::npos) << shown.Output;
    EXPECT_EQ(shown.Output.find("error:"), std::string::npos) << shown.Output;
}

}  // namespace
}  // namespace qv
