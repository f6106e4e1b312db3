// The production commands through the seams: where a build reads the project and writes the
// package, what the library's answers show, the compressor's arguments and failures, the test
// run as a real child process, and the window kept working while the compressor runs.
#include <QAction>
#include <QTest>
#include <QTimer>

#include <signal.h>
#include <sys/stat.h>

#include <chrono>
#include <cstdlib>

#include "builder/TPackageProduction.h"
#include "platform/ChildProcess.h"
#include "platform/FileIO.h"
#include "platform/qt/TQtSystemSeams.h"
#include "tests/builder/BuilderWindowFixture.h"
#include "tests/text/CodePageScope.h"

namespace qv {
namespace {

using test::BuilderWindowTest;
using test::EnvironmentScope;
using test::TempFolder;

// Records like the test double but really starts, waits for and kills processes.
class TProcessSeams : public TFakeSystemSeams {
public:
    TProcessStart StartProcess(const std::vector<std::string>& argv, const std::string& workDir) override {
        TFakeSystemSeams::StartProcess(argv, workDir);
        return FReal.StartProcess(argv, workDir);
    }
    bool IsProcessRunning(int pid) override { return FReal.IsProcessRunning(pid); }
    bool KillProcess(int pid) override {
        TFakeSystemSeams::KillProcess(pid);
        return FReal.KillProcess(pid);
    }
    TProcessRun RunProcessAndWait(const std::vector<std::string>& argv, const std::string& workDir) override {
        TFakeSystemSeams::RunProcessAndWait(argv, workDir);
        return FReal.RunProcessAndWait(argv, workDir);
    }

private:
    TQtSystemSeams FReal;
};

bool ProcessExists(int pid) { return pid > 0 && kill(pid, 0) == 0; }

class ProductionTest : public BuilderWindowTest {
protected:
    ProductionTest() {
        ForceDirectories(Desktop());
        WriteText(FXdg.Path() + "/user-dirs.dirs", "XDG_DESKTOP_DIR=\"" + FDesktop.Path() + "\"\n");
    }

    std::string Desktop() const { return FDesktop.Path() + "/"; }
    std::string Temp() const { return FTemp.Path() + "/"; }

    void InstallLibrary(const std::string& file = QV_FAKE_COMPILER) {
        WriteWholeFile(ProgramDir() + "libquorcomp.so", ReadWholeFile(file));
    }
    void InstallCompressor(mode_t mode = 0755) {
        ForceDirectories(ProgramDir() + "upx");
        const std::string path = ProgramDir() + TPackageProduction::kCompressorPath;
        WriteWholeFile(path, ReadWholeFile(std::string(QV_TEST_DATA) + "/valid/builder/fake_upx.sh"));
        chmod(path.c_str(), mode);
    }
    std::vector<std::string> CompressorArgs() const { return Lines0(ProgramDir() + "upx/args.txt"); }
    // The example project copied into a folder of the work folder; returns its path.
    std::string SavedProject(const std::string& folder = "P") const {
        const std::string target = Work() + folder;
        std::system(("cp -r '" + std::string(QV_SOURCE_DIR) + "/examples/sample' '" + target + "'").c_str());
        return target + "/sample.ipp";
    }
    // One line per build: source, output, whether the watched process still existed.
    std::vector<std::vector<std::string>> Builds() const {
        std::vector<std::vector<std::string>> builds;
        for (const std::string& line : Lines0(FLogFile)) {
            std::vector<std::string> fields;
            for (size_t start = 0;;) {
                const size_t bar = line.find('|', start);
                fields.push_back(line.substr(start, bar - start));
                if (bar == std::string::npos) break;
                start = bar + 1;
            }
            builds.push_back(fields);
        }
        return builds;
    }
    static std::vector<std::string> Lines0(const std::string& path) {
        std::vector<std::string> lines;
        if (!FileExists(path)) return lines;
        const std::string text = Text(path);
        for (size_t start = 0; start < text.size();) {
            const size_t end = text.find('\n', start);
            lines.push_back(text.substr(start, end - start));
            if (end == std::string::npos) break;
            start = end + 1;
        }
        return lines;
    }
    static void Trigger(TfrmBuilderMain& window, const char* action) { window.Action(action)->trigger(); }
    static QString U(const char* utf8) { return QString::fromUtf8(utf8); }

    TempFolder FTemp, FDesktop, FXdg, FLog;
    std::string FLogFile = FLog.Path() + "/builds.txt";
    EnvironmentScope FTmpDir{"TMPDIR", FTemp.Path().c_str()};
    EnvironmentScope FXdgScope{"XDG_CONFIG_HOME", FXdg.Path().c_str()};
    EnvironmentScope FLogScope{"QV_FAKE_COMPILE_LOG", FLogFile.c_str()};
    EnvironmentScope FResult{"QV_FAKE_COMPILE_RESULT", nullptr};
    EnvironmentScope FWatch{"QV_FAKE_WATCH_PID", nullptr};
    EnvironmentScope FUpxSleep{"QV_FAKE_UPX_SLEEP", nullptr};
    EnvironmentScope FPackageSleep{"QV_FAKE_PACKAGE_SLEEP", nullptr};
};

TEST_F(ProductionTest, NeverSavedProjectIsBuiltOnTheDesktopAndStartedFromThere) {
    InstallLibrary();
    auto window = MakeWindow();
    Trigger(*window, "actCompile");
    ASSERT_EQ(Builds().size(), 1u);
    EXPECT_EQ(Builds()[0][0], Temp() + "newpackage.ipp");
    EXPECT_EQ(Builds()[0][1], Desktop() + "newpackage.run");
    EXPECT_TRUE(FileExists(Temp() + "newpackage.ipp"));
    EXPECT_EQ(window->StatusText(), U("コンパイル完了。"));

    FSeams.PushProcessStart(4242);
    Trigger(*window, "actRun");
    const auto starts = Calls(TSeamKind::StartProcess);
    ASSERT_EQ(starts.size(), 1u);
    EXPECT_EQ(starts[0].Args.mid(1), QStringList{QString::fromStdString(Desktop() + "newpackage.run")});
    EXPECT_EQ(window->TestProcess(), 4242);
}

// Where the build reads from and writes to, for saved projects with and without changes, an
// output folder, and folder names with blanks and Japanese characters.
TEST_F(ProductionTest, BuildSourceAndOutputPath) {
    struct TCase {
        const char* Folder;
        bool Modify;
        const char* OutputDir;  // "" none; relative to the work folder otherwise
        bool FromTemporary;
        const char* Output;     // relative to the work folder
    };
    const TCase cases[] = {
        {"P", false, "", false, "P/sample.run"},
        {"Q", true, "", true, "Q/sample.run"},
        {"R", false, "out", false, "out/sample.run"},
        {"作品 フォルダ", false, "", false, "作品 フォルダ/sample.run"},
        {"S", true, "出力 先/", true, "出力 先/sample.run"},
    };
    InstallLibrary();
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Folder);
        const std::string project = SavedProject(c.Folder);
        if (*c.OutputDir) {
            ForceDirectories(Work() + c.OutputDir);
            std::string text = Text(project);
            const size_t at = text.find("outputdir=");
            text.insert(at + 10, Work() + c.OutputDir);
            WriteText(project, text);
        }
        std::remove(FLogFile.c_str());
        auto window = MakeWindow({project});
        if (c.Modify) window->SetModified();
        Trigger(*window, "actCompile");
        const auto builds = Builds();
        ASSERT_EQ(builds.size(), 1u);
        EXPECT_EQ(builds[0][0], c.FromTemporary ? Temp() + "sample.ipp" : project);
        EXPECT_EQ(builds[0][1], Work() + c.Output);
        EXPECT_TRUE(FileExists(Work() + c.Output));
        EXPECT_EQ(window->Modified(), c.Modify);
        EXPECT_EQ(window->ProjectPath(), project);
        EXPECT_EQ(window->StatusText(), U("コンパイル完了。"));
    }
}

// Two never-saved projects with an icon of the same name: the second build must not pick up the
// first one's picture from the temporary folder.
TEST_F(ProductionTest, TemporarySaveRefreshesIconsLeftByAnEarlierBuild) {
    InstallLibrary();
    const std::string temporaryIcon = Temp() + "icon/a.ico";
    Bytes first;
    for (uint32_t colour : {0xFF0000u, 0x0000FFu}) {
        ForceDirectories(Work() + std::to_string(colour));
        const std::string icon = WriteIcon(std::to_string(colour) + "/a.ico", {{16, 32, colour}});
        auto window = MakeWindow();
        window->AddIconFile(icon);
        Trigger(*window, "actCompile");
        ASSERT_TRUE(FileExists(temporaryIcon));
        if (first.empty()) first = ReadWholeFile(temporaryIcon);
    }
    EXPECT_EQ(Builds().size(), 2u);
    EXPECT_NE(ReadWholeFile(temporaryIcon), first);
}

TEST_F(ProductionTest, StatusTextOfResultCodes) {
    const std::pair<const char*, const char*> cases[] = {
        {"0", "コンパイル完了。"}, {"3", "不明なエラー コード: 3"}, {"8", "リソースを更新できませんでした。"},
        {"32", "バナー画像のファイルが見つかりません"},
    };
    InstallLibrary();
    auto window = MakeWindow({SavedProject()});
    for (const auto& [code, text] : cases) {
        EnvironmentScope result("QV_FAKE_COMPILE_RESULT", code);
        Trigger(*window, "actCompile");
        EXPECT_EQ(window->StatusText(), U(text)) << code;
    }
}

// A missing library, a file that is no library, and a library without the export: the error
// dialog, nothing built.
TEST_F(ProductionTest, LibraryThatCannotServeShowsTheErrorDialog) {
    const std::string cases[] = {"", std::string(QV_TEST_DATA) + "/invalid/builder/not_a_library.so",
                                 QV_FAKE_COMPILER_WITHOUT_EXPORT};
    int folder = 0;
    for (const std::string& library : cases) {
        SCOPED_TRACE(library);
        std::remove((ProgramDir() + "libquorcomp.so").c_str());
        if (!library.empty()) InstallLibrary(library);
        auto window = MakeWindow({SavedProject("P" + std::to_string(++folder))});
        window->SetStatusText(QString());
        FSeams.ClearCalls();
        Trigger(*window, "actCompile");
        const auto dialogs = Calls(TSeamKind::MessageDlg);
        ASSERT_EQ(dialogs.size(), 1u);
        EXPECT_EQ(dialogs[0].Args, (QStringList{U("ライブラリの読み込みに失敗しました。"), "1", "4", U("エラー")}));
        EXPECT_TRUE(Builds().empty());
        EXPECT_EQ(window->StatusText(), QString());
    }
}

TEST_F(ProductionTest, FailingBuildLeavesTheEarlierPackageWhichIsCompressed) {
    InstallLibrary();
    InstallCompressor();
    TProcessSeams seams;
    TScopedSeams scope(seams);
    const std::string project = SavedProject();
    const std::string package = Work() + "P/sample.run";
    auto window = MakeWindow({project});
    Trigger(*window, "actCompile");
    const std::string built = Text(package);
    EnvironmentScope result("QV_FAKE_COMPILE_RESULT", "8");
    Trigger(*window, "actCompress");
    EXPECT_EQ(Text(package), built);
    EXPECT_EQ(CompressorArgs(), (std::vector<std::string>{"-9", package}));
    EXPECT_EQ(window->StatusText(), U("圧縮完了。"));
}

TEST_F(ProductionTest, CompressorArgumentLists) {
    InstallLibrary();
    InstallCompressor();
    TProcessSeams seams;
    TScopedSeams scope(seams);
    const std::string project = SavedProject("日本 語");
    const std::string package = Work() + "日本 語/sample.run";
    auto window = MakeWindow({project});
    for (bool dontIcons : {false, true}) {
        window->Action("actCompressOptDontIcon")->setChecked(dontIcons);
        Trigger(*window, "actCompress");
        const std::vector<std::string> expected =
            dontIcons ? std::vector<std::string>{"-9", "--compress-icons=0", package} : std::vector<std::string>{"-9", package};
        EXPECT_EQ(CompressorArgs(), expected);
        EXPECT_EQ(window->StatusText(), U("圧縮完了。"));
        const auto runs = seams.CallsOf(TSeamKind::RunProcessAndWait);
        EXPECT_EQ(runs.back().Args.value(1), QString::fromStdString(ProgramDir() + "upx/upx"));
    }
    EXPECT_EQ(seams.CallsOf(TSeamKind::Beep).size(), 0u);
}

TEST_F(ProductionTest, CompressorMissingOrNotStartable) {
    InstallLibrary();
    TProcessSeams seams;
    TScopedSeams scope(seams);
    auto window = MakeWindow({SavedProject()});
    Trigger(*window, "actCompress");
    EXPECT_EQ(window->StatusText(), U("UPXが見つかりません。"));
    EXPECT_EQ(seams.CallsOf(TSeamKind::Beep).size(), 1u);
    EXPECT_TRUE(Builds().empty());

    InstallCompressor(0644);
    Trigger(*window, "actCompress");
    EXPECT_EQ(window->StatusText(), QStringLiteral("Exec Error 13"));
    EXPECT_EQ(Builds().size(), 1u);
}

TEST_F(ProductionTest, NoPackageAfterTheBuildStartsNoCompressor) {
    InstallLibrary();
    InstallCompressor();
    EnvironmentScope result("QV_FAKE_COMPILE_RESULT", "4");
    auto window = MakeWindow({SavedProject()});
    Trigger(*window, "actCompress");
    EXPECT_EQ(window->StatusText(), U("パッケージが作成されていません。"));
    EXPECT_EQ(Calls(TSeamKind::Beep).size(), 1u);
    EXPECT_TRUE(Calls(TSeamKind::RunProcessAndWait).empty());
}

TEST_F(ProductionTest, CompressAsBuildsUnderTheChosenNameAndPutsThePlacesBack) {
    InstallLibrary();
    InstallCompressor();
    TProcessSeams seams;
    TScopedSeams scope(seams);
    const std::string project = SavedProject();
    const std::string dist = Work() + "dist/";
    ForceDirectories(dist);
    auto window = MakeWindow({project});
    seams.PushSaveFile(QString::fromStdString(dist + "b.bin"));
    Trigger(*window, "actCompressAs");
    const auto dialogs = seams.CallsOf(TSeamKind::SaveFile);
    ASSERT_EQ(dialogs.size(), 1u);
    EXPECT_EQ(dialogs[0].Args.value(2), QStringLiteral("sample.run"));
    ASSERT_EQ(Builds().size(), 1u);
    EXPECT_EQ(Builds()[0][0], Temp() + "b.ipp");
    EXPECT_EQ(Builds()[0][1], dist + "b.run");
    EXPECT_EQ(CompressorArgs(), (std::vector<std::string>{"-9", dist + "b.run"}));
    EXPECT_EQ(window->ProjectPath(), project);
    EXPECT_EQ(window->OutputDir(), "");
    EXPECT_FALSE(window->Modified());

    // A failing build puts them back too.
    EnvironmentScope result("QV_FAKE_COMPILE_RESULT", "1");
    std::remove((dist + "b.run").c_str());
    seams.PushSaveFile(QString::fromStdString(dist + "c.run"));
    Trigger(*window, "actCompressAs");
    EXPECT_EQ(window->StatusText(), U("パッケージが作成されていません。"));
    EXPECT_EQ(window->ProjectPath(), project);
    EXPECT_EQ(window->OutputDir(), "");
}

// The test run is a real child: a build ends it before the library is called, a run that ends
// by itself is reaped, and closing the window ends a running one.
TEST_F(ProductionTest, TestRunIsEndedByBuildsAndByTheWindow) {
    InstallLibrary();
    TProcessSeams seams;
    TScopedSeams scope(seams);
    auto window = MakeWindow({SavedProject()});
    Trigger(*window, "actRun");
    const int first = window->TestProcess();
    ASSERT_TRUE(ProcessExists(first));
    EnvironmentScope watch("QV_FAKE_WATCH_PID", std::to_string(first).c_str());
    Trigger(*window, "actCompile");
    EXPECT_EQ(Builds().back()[2], "gone");
    EXPECT_EQ(window->TestProcess(), 0);

    Trigger(*window, "actRun");
    const int second = window->TestProcess();
    ASSERT_TRUE(ProcessExists(second));
    window.reset();
    EXPECT_FALSE(ProcessExists(second));
}

TEST_F(ProductionTest, FinishedTestRunIsReaped) {
    InstallLibrary();
    TProcessSeams seams;
    TScopedSeams scope(seams);
    EnvironmentScope quick("QV_FAKE_PACKAGE_SLEEP", "0");
    auto window = MakeWindow({SavedProject()});
    Trigger(*window, "actRun");
    const int pid = window->TestProcess();
    ASSERT_GT(pid, 0);
    // A zombie still answers kill(pid, 0); a reaped child does not.
    EXPECT_TRUE(QTest::qWaitFor([pid] { return !ProcessExists(pid); }, 5000));
    Trigger(*window, "actKill");
    EXPECT_EQ(window->TestProcess(), 0);
}

// A compressor that takes its time: the window keeps working, a build given meanwhile runs, and
// a close request waits until the compressor has ended, then saves the settings as usual.
TEST_F(ProductionTest, WindowWorksWhileTheCompressorRunsAndClosesAfterIt) {
    InstallLibrary();
    InstallCompressor();
    TProcessSeams seams;
    TScopedSeams scope(seams);
    EnvironmentScope slow("QV_FAKE_UPX_SLEEP", "2");
    auto window = MakeWindow({SavedProject()});
    bool visibleAfterClose = false;
    QTimer::singleShot(200, window.get(), [&] {
        Trigger(*window, "actCompile");
        window->close();
        visibleAfterClose = window->isVisible();
    });
    const auto start = std::chrono::steady_clock::now();
    Trigger(*window, "actCompress");
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
    EXPECT_EQ(Builds().size(), 2u);
    EXPECT_TRUE(visibleAfterClose);
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(FileExists(SettingsFile()));
}

// The real compiler library builds the example; the test run is the real package, ended by actKill.
TEST_F(ProductionTest, RealLibraryBuildsTheExampleAndTheTestRunIsKilled) {
    InstallLibrary(std::string(QV_BIN_DIR) + "/libquorcomp.so");
    TProcessSeams seams;
    TScopedSeams scope(seams);
    const std::string project = SavedProject();
    auto window = MakeWindow({project});
    Trigger(*window, "actRun");
    EXPECT_EQ(window->StatusText(), U("コンパイル完了。"));
    const int pid = window->TestProcess();
    ASSERT_TRUE(ProcessExists(pid));
    struct stat st{};
    ASSERT_EQ(stat((Work() + "P/sample.run").c_str(), &st), 0);
    EXPECT_TRUE(st.st_mode & S_IXUSR);
    Trigger(*window, "actKill");
    EXPECT_FALSE(ProcessExists(pid));
    EXPECT_EQ(window->TestProcess(), 0);
}

TEST_F(ProductionTest, RealLibraryWithAMissingOutputFolderReportsTheFailure) {
    InstallLibrary(std::string(QV_BIN_DIR) + "/libquorcomp.so");
    const std::string project = SavedProject();
    std::string text = Text(project);
    text.insert(text.find("outputdir=") + 10, Work() + "no/such/folder");
    WriteText(project, text);
    auto window = MakeWindow({project});
    Trigger(*window, "actCompile");
    EXPECT_NE(window->StatusText(), U("コンパイル完了。"));
    EXPECT_NE(window->StatusText(), U("コンパイル中です..."));
    EXPECT_TRUE(FileExists(project));
}

}  // namespace
}  // namespace qv
