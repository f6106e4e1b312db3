// Dragging icons out of the list: the start rule, and the drop preparation that writes the
// selected icons into a new temporary folder of this run when the target asks for the data, with
// every such folder removed when the window goes.
#include <QCoreApplication>
#include <QDrag>
#include <QListWidget>
#include <QMimeData>
#include <QMouseEvent>
#include <QUrl>

#include <cstdlib>

#include "common/PathEdit.h"
#include "platform/FileIO.h"
#include "runtime/TDropFileSource.h"
#include "ViewerTestSupport.h"

namespace qv::test {
namespace {

class ViewerDragTest : public ViewerTest {
protected:
    void SetUp() override {
        ViewerTest::SetUp();
        FProject.WriteInfo(TestProject::InfoLinesForIcons({"a.ico", "b.ico", "c.ico"}));
        FTemp = FProject.Path("tmp");
        ForceDirectories(FTemp);
        const char* old = std::getenv("TMPDIR");
        FOldTemp = old ? old : "";
        ::setenv("TMPDIR", FTemp.c_str(), 1);
        // A drag that reaches a target asks for the URLs, as a drop does; otherwise it is cancelled.
        FPrevious = TDropFileSource::ReplaceDragRunner([this](QDrag& drag, Qt::DropActions allowed) {
            ++FDrags;
            FActions = allowed;
            FHadImage = !drag.pixmap().isNull();
            if (FDropNext) FDropped.push_back(drag.mimeData()->urls());
        });
    }
    void TearDown() override {
        TDropFileSource::ReplaceDragRunner(FPrevious);
        if (FOldTemp.empty())
            ::unsetenv("TMPDIR");
        else
            ::setenv("TMPDIR", FOldTemp.c_str(), 1);
        ViewerTest::TearDown();
    }

    void OpenAgreed(const std::string& package) {
        Open(package);
        Form().tntbtnAgreeClick();
        FSeams.ClearCalls();
    }

    void Send(QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons buttons, Qt::KeyboardModifiers mods,
              QPoint pos) {
        QMouseEvent event(type, QPointF(pos), QPointF(Form().tntlvIcon->viewport()->mapToGlobal(pos)), button, buttons,
                          mods);
        QCoreApplication::sendEvent(Form().tntlvIcon->viewport(), &event);
    }

    // A press at (20,20) and one move; true when a drag started.
    bool PressAndMove(Qt::MouseButtons held, Qt::KeyboardModifiers mods, QPoint offset) {
        const int before = FDrags;
        const Qt::MouseButton pressed = held & Qt::RightButton ? Qt::RightButton : Qt::LeftButton;
        Send(QEvent::MouseButtonPress, pressed, held ? held : Qt::MouseButtons(pressed), mods, {20, 20});
        Send(QEvent::MouseMove, Qt::NoButton, held, mods, QPoint(20, 20) + offset);
        return FDrags > before;
    }

    // A press beside the icons (the list then selects nothing), the selection made, a drag move.
    bool Drag(const std::vector<int>& selected) {
        const int before = FDrags;
        const QPoint beside(500, 200);
        Send(QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier, beside);
        for (int i : selected) Form().tntlvIcon->item(i)->setSelected(true);
        Send(QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, Qt::NoModifier, beside + QPoint(0, -15));
        return FDrags > before;
    }


    std::string FTemp, FOldTemp;
    TDropFileSource::TDragRunner FPrevious;
    int FDrags = 0;
    bool FDropNext = false;
    bool FHadImage = true;
    Qt::DropActions FActions;
    std::vector<QList<QUrl>> FDropped;
};

TEST_F(ViewerDragTest, ADragStartsOnlyWithOneButtonNoModifierAndTenPixels) {
    OpenAgreed(Build());
    struct Case {
        const char* name;
        Qt::MouseButtons held;
        Qt::KeyboardModifiers mods;
        QPoint offset;
        bool starts;
    } cases[] = {
        {"9 right and 9 down", Qt::LeftButton, Qt::NoModifier, {9, 9}, false},
        {"9 left and 9 up", Qt::LeftButton, Qt::NoModifier, {-9, -9}, false},
        {"10 right", Qt::LeftButton, Qt::NoModifier, {10, 0}, true},
        {"10 up", Qt::LeftButton, Qt::NoModifier, {0, -10}, true},
        {"10 left", Qt::LeftButton, Qt::NoModifier, {-10, 3}, true},
        {"the right button alone", Qt::RightButton, Qt::NoModifier, {0, 10}, true},
        {"Shift held", Qt::LeftButton, Qt::ShiftModifier, {20, 0}, false},
        {"Ctrl held", Qt::LeftButton, Qt::ControlModifier, {20, 0}, false},
        {"Alt held", Qt::RightButton, Qt::AltModifier, {20, 0}, false},
        {"both buttons", Qt::LeftButton | Qt::RightButton, Qt::NoModifier, {20, 0}, false},
        {"the middle button", Qt::MiddleButton, Qt::NoModifier, {20, 0}, false},
        {"no button", Qt::NoButton, Qt::NoModifier, {20, 0}, false},
    };
    for (const Case& c : cases) EXPECT_EQ(PressAndMove(c.held, c.mods, c.offset), c.starts) << c.name;
    EXPECT_EQ(FActions, Qt::MoveAction);
    EXPECT_FALSE(FHadImage);
    EXPECT_TRUE(Form().TempFolders().empty()) << "a drag that was not dropped makes no folder";
}

TEST_F(ViewerDragTest, ADropWritesTheSelectedIconsIntoANewFolderThatGoesWithTheWindow) {
    const std::string package = Build();
    OpenAgreed(package);
    FDropNext = true;
    ASSERT_TRUE(Drag({0, 2}));
    ASSERT_EQ(FDropped.size(), 1u);
    ASSERT_EQ(Form().TempFolders().size(), 1u);
    const std::string folder = Form().TempFolders()[0];
    EXPECT_EQ(ExtractFilePath(folder), AppendBackslash(FTemp));
    EXPECT_EQ(ExtractFileName(folder).rfind("Demo", 0), 0u);
    ASSERT_EQ(FDropped[0].size(), 2);
    EXPECT_EQ(FDropped[0][0].toLocalFile().toStdString(), folder + "/a.ico");
    EXPECT_EQ(FDropped[0][1].toLocalFile().toStdString(), folder + "/c.ico");
    EXPECT_EQ(ReadWholeFile(folder + "/a.ico"), PackageIconFile(0));
    EXPECT_EQ(ReadWholeFile(folder + "/c.ico"), PackageIconFile(2));
    EXPECT_FALSE(FileExists(folder + "/b.ico"));
    EXPECT_TRUE(Form().tntlvIcon->isEnabled());

    // A second drop, this time with nothing selected: a second, different folder and no files.
    ASSERT_TRUE(Drag({}));
    ASSERT_EQ(Form().TempFolders().size(), 2u);
    const std::string second = Form().TempFolders()[1];
    EXPECT_NE(second, folder);
    EXPECT_TRUE(DirectoryExists(second));
    EXPECT_TRUE(FDropped[1].isEmpty());

    WriteWholeFile(FTemp + "/not-ours", Bytes{1});
    Create(package);  // the old window is destroyed
    EXPECT_FALSE(DirectoryExists(folder));
    EXPECT_FALSE(DirectoryExists(second));
    EXPECT_TRUE(FileExists(FTemp + "/not-ours"));
}

TEST_F(ViewerDragTest, ThePackageNameNeverTakesTheFolderOutOfTheTemporaryFolder) {
    for (const char* name : {"../../escape", "..", "a/b"}) {
        SCOPED_TRACE(name);
        std::vector<std::string> info = TestProject::InfoLinesForIcons({"a.ico", "b.ico", "c.ico"});
        info[0] = std::string("packname=") + name;
        FProject.WriteInfo(info);
        OpenAgreed(Build());
        FDropNext = true;
        ASSERT_TRUE(Drag({1}));
        ASSERT_EQ(Form().TempFolders().size(), 1u);
        EXPECT_EQ(ExtractFilePath(Form().TempFolders()[0]), AppendBackslash(FTemp));
        EXPECT_TRUE(FileExists(Form().TempFolders()[0] + "/b.ico"));
    }
}

TEST_F(ViewerDragTest, AnUnsafeIconNameIsReportedAndNotWritten) {
    const std::string package = Build();
    EditPackage(package, [&](TResources& r) {
        std::string info;
        for (const std::string& l : TestProject::InfoLinesForIcons({"a.ico", "../escape.ico", "c.ico"}))
            info += l + "\r\n";
        SetRawData(r, "ICONPACKINFO", AnsiText(info));
    });
    OpenAgreed(package);
    FDropNext = true;
    ASSERT_TRUE(Drag({0, 1, 2}));
    EXPECT_EQ(ErrorBoxes().size(), 1);
    EXPECT_FALSE(FileExists(FTemp + "/escape.ico"));
    EXPECT_TRUE(Form().tntlvIcon->isEnabled());
    ASSERT_EQ(Form().TempFolders().size(), 1u);  // this run's folder, removed at the end
}

TEST_F(ViewerDragTest, NoTemporaryFolderGivesTheDropErrorAndAnEmptyDrop) {
    OpenAgreed(Build());
    CopyTo().Texts().FTitleErrorText = "Error";
    ::setenv("TMPDIR", FProject.Path("missing").c_str(), 1);
    FDropNext = true;
    ASSERT_TRUE(Drag({0, 1, 2}));
    const auto messages = FSeams.CallsOf(TSeamKind::MessageDlg);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].Args.mid(1), QStringList({"1", "4", "Error"}));
    EXPECT_TRUE(FDropped[0].isEmpty());
    EXPECT_TRUE(Form().TempFolders().empty());
}

}  // namespace
}  // namespace qv::test
