// The copy-to dialog and its copy worker through the seams: the overwrite questions and their
// answers, the selected-only box, destinations that are missing, made, refused or occupied by a
// folder, unsafe icon names, a package without icons, and the browsed destination.
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QProcess>
#include <QTimer>

#include <sys/stat.h>

#include "platform/FileIO.h"
#include "platform/SystemInfo.h"
#include "ViewerTestSupport.h"

namespace qv::test {
namespace {

constexpr int kYes = 6, kNo = 7, kCancel = 2, kNoToAll = 9, kYesToAll = 10;

class ViewerCopyToTest : public ViewerTest {
protected:
    void SetUp() override {
        ViewerTest::SetUp();
        FProject.WriteInfo(TestProject::InfoLinesForIcons({"a.ico", "b.ico", "c.ico"}));
    }

    void OpenWithTexts(const std::string& package) {
        Open(package);
        Form().tntbtnAgreeClick();
        auto& t = CopyTo().Texts();
        t.FConfirmMakeFolderText = "make %s?";
        t.FErrorMakeFolderText = "cannot make %s";
        t.FConfirmOverwriteText = "replace %s?";
        t.FTitleConfirmText = "Confirm";
        t.FTitleErrorText = "Error";
        FSeams.ClearCalls();
    }

    // Opens the dialog with the copy button; while it is open, types the destination (unless
    // empty) and presses Start. Returns whether the dialog was still open afterwards.
    bool CopyThroughDialog(const QString& destination) {
        bool stillOpen = false;
        QTimer::singleShot(0, [&] {
            if (!destination.isEmpty()) CopyTo().tnttxtFilePath->setText(destination);
            CopyTo().tntbtnStart->click();
            stillOpen = CopyTo().isVisible();
            if (stillOpen) CopyTo().reject();
        });
        Form().tntbtnCopyTo->click();
        return stillOpen;
    }


    std::string Destination() {
        const std::string folder = FProject.Path("dest/");
        ForceDirectories(folder);
        return folder;
    }

    std::vector<TSeamCall> Questions() const { return FSeams.CallsOf(TSeamKind::MessageDlg); }
};

const Bytes kOld = {'o', 'l', 'd'};

// The exit code of a tool run without looking at its output; -1 when it cannot start.
int RunToolQuietly(const QString& program, const QStringList& args) {
    QProcess process;
    process.start(program, args);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit) return -1;
    return process.exitCode();
}

TEST_F(ViewerCopyToTest, OverwriteAnswersDecideWhichFilesAreReplaced) {
    struct Case {
        const char* name;
        std::vector<int> answers;
        int questions;
        bool aReplaced, bReplaced, cWritten;
    } cases[] = {
        {"no to all keeps both without a second question", {kNoToAll}, 1, false, false, true},
        {"yes replaces a and asks again for b", {kYes, kNo}, 2, true, false, true},
        {"cancel at once writes nothing", {kCancel}, 1, false, false, false},
        {"a closed question stops like cancel", {}, 1, false, false, false},
        {"yes to all replaces both without a second question", {kYesToAll}, 1, true, true, true},
    };
    OpenWithTexts(Build());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string dest = FProject.Path(std::string("d") + std::to_string(&c - cases) + "/");
        ForceDirectories(dest);
        WriteWholeFile(dest + "a.ico", kOld);
        WriteWholeFile(dest + "b.ico", kOld);
        FSeams.ClearCalls();
        for (int a : c.answers) FSeams.PushMessageResult(a);
        EXPECT_FALSE(CopyThroughDialog(QString::fromStdString(dest)));
        const auto questions = Questions();
        ASSERT_EQ(int(questions.size()), c.questions);
        EXPECT_EQ(questions[0].Args, QStringList({"replace a.ico?", "3", "779", "Confirm"}));
        if (c.questions > 1) {
            EXPECT_EQ(questions[1].Args.value(0), "replace b.ico?");
        }
        EXPECT_EQ(ReadWholeFile(dest + "a.ico"), c.aReplaced ? PackageIconFile(0) : kOld);
        EXPECT_EQ(ReadWholeFile(dest + "b.ico"), c.bReplaced ? PackageIconFile(1) : kOld);
        EXPECT_EQ(FileExists(dest + "c.ico"), c.cWritten);
        if (c.cWritten) {
            EXPECT_EQ(ReadWholeFile(dest + "c.ico"), PackageIconFile(2));
            EXPECT_EQ(CopyTo().tntpgbCopyTo->value(), 2);
        }
        // The folder opens exactly when something was written.
        EXPECT_EQ(OpenedUrls().size(), c.cWritten ? 1 : 0);
        if (c.cWritten) {
            EXPECT_EQ(OpenedUrls().value(0), QUrl::fromLocalFile(QString::fromStdString(dest)).toString());
        }
    }
}

TEST_F(ViewerCopyToTest, AllIconsAreCopiedByteForByteAndTheProgressBarIsHiddenAfterwards) {
    OpenWithTexts(Build());
    const std::string dest = Destination();
    EXPECT_FALSE(CopyThroughDialog(QString::fromStdString(dest)));
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(ReadWholeFile(dest + std::string(1, char('a' + i)) + ".ico"), PackageIconFile(i)) << i;
    EXPECT_TRUE(Questions().empty());
    EXPECT_TRUE(CopyTo().isEnabled());
    EXPECT_TRUE(CopyTo().tntpgbCopyTo->isHidden());
}

TEST_F(ViewerCopyToTest, SelectedOnlyCountsOnlyWhenSomethingIsSelectedAtOpening) {
    OpenWithTexts(Build());
    CopyTo().tntchkSelectOnly->setChecked(true);
    const std::string all = FProject.Path("all/");
    ForceDirectories(all);
    EXPECT_FALSE(CopyThroughDialog(QString::fromStdString(all)));
    EXPECT_FALSE(CopyTo().tntchkSelectOnly->isEnabled());
    EXPECT_TRUE(CopyTo().tntchkSelectOnly->isChecked());
    EXPECT_TRUE(FileExists(all + "a.ico") && FileExists(all + "b.ico") && FileExists(all + "c.ico"));

    Form().tntlvIcon->item(1)->setSelected(true);
    const std::string some = FProject.Path("some/");
    ForceDirectories(some);
    EXPECT_FALSE(CopyThroughDialog(QString::fromStdString(some)));
    EXPECT_TRUE(CopyTo().tntchkSelectOnly->isEnabled());
    EXPECT_FALSE(FileExists(some + "a.ico"));
    EXPECT_EQ(ReadWholeFile(some + "b.ico"), PackageIconFile(1));
    EXPECT_FALSE(FileExists(some + "c.ico"));
}

TEST_F(ViewerCopyToTest, AFolderNamedLikeAnIconFailsTheCopyAndTheDialogStaysOpen) {
    OpenWithTexts(Build());
    const std::string dest = Destination();
    ForceDirectories(dest + "b.ico");
    EXPECT_TRUE(CopyThroughDialog(QString::fromStdString(dest)));
    EXPECT_TRUE(Questions().empty());  // a folder is not a file to replace
    ASSERT_EQ(ErrorBoxes().size(), 1);
    EXPECT_TRUE(ErrorBoxes()[0].contains("b.ico"));
    EXPECT_TRUE(FileExists(dest + "a.ico"));  // written before the failure, kept
    EXPECT_FALSE(FileExists(dest + "c.ico"));
    EXPECT_TRUE(OpenedUrls().isEmpty());
    EXPECT_TRUE(CopyTo().isEnabled());
    EXPECT_TRUE(CopyTo().tntpgbCopyTo->isHidden());
}

TEST_F(ViewerCopyToTest, AnExistingFileThatCannotBeDeletedStopsTheCopyAndKeepsWhatWasWritten) {
    OpenWithTexts(Build());
    const std::string dest = Destination();
    WriteWholeFile(dest + "b.ico", kOld);
    // An immutable file cannot be removed even by the superuser; without the right to make one,
    // the case cannot be set up.
    if (RunToolQuietly("chattr", {"+i", QString::fromStdString(dest + "b.ico")}) != 0)
        GTEST_SKIP() << "chattr +i is not available here";
    FSeams.PushMessageResult(kYes);
    EXPECT_FALSE(CopyThroughDialog(QString::fromStdString(dest)));
    RunToolQuietly("chattr", {"-i", QString::fromStdString(dest + "b.ico")});
    const auto questions = Questions();
    ASSERT_EQ(questions.size(), 2u);
    EXPECT_EQ(questions[0].Args.value(0), "replace b.ico?");
    EXPECT_EQ(questions[1].Args, QStringList({FormatW(Form().ErrorMakeFileText(), "b.ico"), "1", "4", "Error"}));
    EXPECT_EQ(ReadWholeFile(dest + "a.ico"), PackageIconFile(0));
    EXPECT_EQ(ReadWholeFile(dest + "b.ico"), kOld);
    EXPECT_FALSE(FileExists(dest + "c.ico"));
    EXPECT_EQ(OpenedUrls().size(), 1);  // a.ico was written
    EXPECT_TRUE(ErrorBoxes().isEmpty());
}

TEST_F(ViewerCopyToTest, AMissingDestinationIsMadeOnlyWhenTheUserSaysYes) {
    OpenWithTexts(Build());
    const QString typed = QString::fromStdString(FProject.Path("new/deeper"));  // no final delimiter
    FSeams.PushMessageResult(kCancel);
    EXPECT_TRUE(CopyThroughDialog(typed));
    EXPECT_FALSE(DirectoryExists(typed.toStdString()));
    ASSERT_EQ(Questions().size(), 1u);
    EXPECT_EQ(Questions()[0].Args, QStringList({"make " + typed + "?", "3", "9", "Confirm"}));

    FSeams.ClearCalls();
    FSeams.PushMessageResult(kYes);
    EXPECT_FALSE(CopyThroughDialog(typed));
    EXPECT_EQ(ReadWholeFile(typed.toStdString() + "/c.ico"), PackageIconFile(2));
    EXPECT_EQ(OpenedUrls().value(0), QUrl::fromLocalFile(typed + "/").toString());
}

TEST_F(ViewerCopyToTest, ADestinationThatCannotBeMadeIsReportedWithTheTypedPath) {
    OpenWithTexts(Build());
    WriteWholeFile(FProject.Path("afile"), kOld);
    for (const QString& typed : {QString::fromStdString(FProject.Path("afile")),
                                 QString::fromStdString(FProject.Path("afile/sub")), QString()}) {
        SCOPED_TRACE(typed.toStdString());
        FSeams.ClearCalls();
        FSeams.PushMessageResult(kYes);
        CopyTo().tnttxtFilePath->clear();
        bool stillOpen = false;
        QTimer::singleShot(0, [&] {
            CopyTo().tnttxtFilePath->setText(typed);
            CopyTo().tntbtnStart->click();
            stillOpen = CopyTo().isVisible();
            CopyTo().reject();
        });
        Form().tntbtnCopyTo->click();
        EXPECT_TRUE(stillOpen);
        ASSERT_EQ(Questions().size(), 2u);
        EXPECT_EQ(Questions()[1].Args, QStringList({"cannot make " + typed, "1", "4", "Error"}));
        EXPECT_EQ(ReadWholeFile(FProject.Path("afile")), kOld);
        EXPECT_TRUE(ErrorBoxes().isEmpty());
    }
}

TEST_F(ViewerCopyToTest, IconNamesThatCouldLeaveTheFolderOrCannotBeFilesAreNeverWritten) {
    const std::string package = Build();
    for (const std::string& bad : {std::string("../escape.ico"), std::string(".."), std::string("."), std::string(),
                                   std::string("sub/x.ico"), std::string("/tmp/abs.ico"),
                                   std::string(300, 'n') + ".ico"}) {
        SCOPED_TRACE(bad);
        EditPackage(package, [&](TResources& r) {
            std::string info;
            for (const std::string& l : TestProject::InfoLinesForIcons({"a.ico", bad, "c.ico"})) info += l + "\r\n";
            SetRawData(r, "ICONPACKINFO", AnsiText(info));
        });
        OpenWithTexts(package);
        const std::string dest = FProject.Path("safe/inner/");
        ForceDirectories(dest);
        EXPECT_TRUE(CopyThroughDialog(QString::fromStdString(dest)));
        EXPECT_EQ(ErrorBoxes().size(), 1);
        EXPECT_TRUE(FileExists(dest + "a.ico"));
        EXPECT_FALSE(FileExists(dest + "c.ico"));
        EXPECT_FALSE(FileExists(FProject.Path("safe/escape.ico")));
        EXPECT_FALSE(FileExists("/tmp/abs.ico"));
        DeleteFileIfExists(dest + "a.ico");
    }
}

TEST_F(ViewerCopyToTest, APackageWithoutIconsCopiesNothingAndCloses) {
    FProject.WriteInfo(TestProject::InfoLinesForIcons({}));
    OpenWithTexts(Build());
    const std::string dest = Destination();
    EXPECT_FALSE(CopyThroughDialog(QString::fromStdString(dest)));
    EXPECT_TRUE(ErrorBoxes().isEmpty());
    EXPECT_TRUE(OpenedUrls().isEmpty());
    EXPECT_TRUE(Questions().empty());
}

TEST_F(ViewerCopyToTest, OpeningSetsTheProgramFolderAndBrowsingAddsThePackageName) {
    OpenWithTexts(Build());
    QString atOpening;
    QTimer::singleShot(0, [&] {
        atOpening = CopyTo().tnttxtFilePath->text();
        struct Case {
            QString picked, expected;
        } cases[] = {{"/d/Icons", "/d/Icons/Demo/"}, {"/", "/Demo/"}, {"/d/Icons/", "/d/Icons/Demo/"}};
        for (const Case& c : cases) {
            FSeams.PushFolder(c.picked);
            CopyTo().tntbtnBrowse->click();
            EXPECT_EQ(CopyTo().tnttxtFilePath->text(), c.expected);
        }
        FSeams.PushFolder(QString());  // cancelled: nothing changes
        CopyTo().tntbtnBrowse->click();
        EXPECT_EQ(CopyTo().tnttxtFilePath->text(), "/d/Icons/Demo/");
        CopyTo().reject();
    });
    Form().tntbtnCopyTo->click();
    EXPECT_EQ(atOpening, QString::fromStdString(GetProgramDir()) + "Demo/");
    const auto folders = FSeams.CallsOf(TSeamKind::ChooseFolder);
    ASSERT_FALSE(folders.empty());
    EXPECT_EQ(folders[0].Args.value(0), CopyTo().windowTitle());
}

// Runs a tool; its standard output, or a failure naming the tool and its error output.
QString RunTool(const QString& program, const QStringList& args) {
    QProcess process;
    process.start(program, args);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        ADD_FAILURE() << program.toStdString() << " failed: " << process.readAllStandardError().toStdString();
        return {};
    }
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

TEST_F(ViewerCopyToTest, IconsMadeByOtherToolsComeOutAsTheContainerWritesThemAndTheToolsReadThem) {
    const QString work = QString::fromStdString(FProject.Path(""));
    RunTool("convert", {"-size", "16x16", "xc:red", work + "red16.png"});
    RunTool("convert", {"-size", "32x32", "gradient:blue-yellow", work + "grad32.png"});
    RunTool("convert", {"-size", "48x48", "xc:green", "-alpha", "set", "-channel", "A", "-evaluate", "set", "50%",
                        work + "half48.png"});
    // One icon by icotool with two images, one by ImageMagick itself.
    RunTool("icotool", {"-c", "-o", work + "icon/a.ico", work + "red16.png", work + "grad32.png"});
    RunTool("convert", {work + "half48.png", work + "red16.png", work + "icon/b.ico"});
    FProject.WriteInfo(TestProject::InfoLinesForIcons({"a.ico", "b.ico"}));
    OpenWithTexts(Build());
    ASSERT_EQ(Form().PackIconCount(), 2);
    const std::string dest = Destination();
    EXPECT_FALSE(CopyThroughDialog(QString::fromStdString(dest)));
    for (int i = 0; i < 2; ++i) {
        const std::string file = dest + (i == 0 ? "a.ico" : "b.ico");
        EXPECT_EQ(ReadWholeFile(file), PackageIconFile(i)) << file;
        const QString listing = RunTool("icotool", {"-l", QString::fromStdString(file)});
        EXPECT_EQ(listing.count("--icon"), 2) << listing.toStdString();
    }
    EXPECT_TRUE(RunTool("icotool", {"-l", QString::fromStdString(dest + "a.ico")}).contains("--width=32"));
    EXPECT_TRUE(RunTool("icotool", {"-l", QString::fromStdString(dest + "b.ico")}).contains("--width=48"));
}

}  // namespace
}  // namespace qv::test
