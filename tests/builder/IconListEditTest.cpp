// Editing the icon list: adding through the dialog, deleting, moving rows up and down, the
// focus-bound delete command, renaming in place, and the fields around the list.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <QTreeWidget>

#include <functional>

#include "builder/BuilderText.h"
#include "builder/TIconRow.h"
#include "builder/TPackageInfoPage.h"
#include "platform/FileIO.h"
#include "tests/builder/BuilderWindowFixture.h"

namespace qv {
namespace {

using test::BuilderWindowTest;

constexpr uint32_t kColours[] = {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFF00};

class IconListTest : public BuilderWindowTest {
protected:
    // Rows A.ico, B.ico ... with 1, 2 ... images of one colour each, not marked modified.
    std::unique_ptr<TfrmBuilderMain> WindowWithRows(int count) {
        auto w = MakeWindow();
        for (int i = 0; i < count; ++i) {
            std::vector<std::tuple<int, int, uint32_t>> images(size_t(i + 1), {16, 32, kColours[i]});
            const std::string file = WriteIcon(std::string(1, char('A' + i)) + ".ico", images);
            w->AddIconFile(file);
            FFiles.push_back(file);
        }
        return w;
    }
    static QTreeWidget& List(TfrmBuilderMain& w) { return *w.PackageInfoPage().lvIcon; }
    static std::string Order(TfrmBuilderMain& w) {
        std::string order;
        for (int i = 0; i < List(w).topLevelItemCount(); ++i) order += List(w).topLevelItem(i)->text(0).at(0).toLatin1();
        return order;
    }
    static std::string Selection(TfrmBuilderMain& w) {
        std::string selected;
        for (int i = 0; i < List(w).topLevelItemCount(); ++i)
            if (List(w).topLevelItem(i)->isSelected()) selected += List(w).topLevelItem(i)->text(0).at(0).toLatin1();
        return selected;
    }
    static void Select(TfrmBuilderMain& w, const std::string& letters) {
        List(w).clearSelection();
        for (int i = 0; i < List(w).topLevelItemCount(); ++i)
            if (letters.find(List(w).topLevelItem(i)->text(0).at(0).toLatin1()) != std::string::npos)
                List(w).topLevelItem(i)->setSelected(true);
    }
    void Activate(TfrmBuilderMain& w) {
        w.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    }

    std::vector<std::string> FFiles;
};

struct TMoveCase {
    const char* Command;
    int Rows;
    const char* Selected;
    const char* Order;  // afterwards
    bool Moves;
};

TEST_F(IconListTest, UpAndDownMoveSelectedRowsAndBlocksWithEverythingTheyHold) {
    const TMoveCase cases[] = {
        {"actUpSelectedIcon", 4, "BD", "BADC", true},
        {"actDownSelectedIcon", 4, "AB", "CABD", true},
        {"actUpSelectedIcon", 4, "BC", "BCAD", true},
        {"actDownSelectedIcon", 4, "AC", "BADC", true},
        {"actUpSelectedIcon", 3, "AC", "ABC", false},
        {"actDownSelectedIcon", 4, "BD", "ABCD", false},
        {"actUpSelectedIcon", 4, "", "ABCD", false},
        {"actDownSelectedIcon", 4, "", "ABCD", false},
    };
    for (const TMoveCase& c : cases) {
        SCOPED_TRACE(std::string(c.Command) + " with " + c.Selected + " selected");
        FFiles.clear();
        auto w = WindowWithRows(c.Rows);
        Select(*w, c.Selected);
        w->Action(c.Command)->trigger();
        EXPECT_EQ(Order(*w), c.Order);
        EXPECT_EQ(Selection(*w), c.Selected) << "the moved rows stay selected";
        EXPECT_EQ(w->Modified(), c.Moves);
        for (int i = 0; i < List(*w).topLevelItemCount(); ++i) {
            // Row X was made with image count and colour of its letter.
            TIconRow* row = TIconRow::At(List(*w), i);
            const int letter = row->Caption().at(0).toLatin1() - 'A';
            EXPECT_EQ(row->text(1), QString::number(letter + 1));
            EXPECT_EQ(row->Icon().Count(), letter + 1);
            EXPECT_EQ(row->Thumbnail().pixel(5, 5) & 0xFFFFFF, kColours[letter]);
        }
    }
}

TEST_F(IconListTest, MovedRowsAreSavedWithTheirOwnContent) {
    auto w = WindowWithRows(4);
    Select(*w, "BD");
    w->Action("actUpSelectedIcon")->trigger();
    const std::string project = Work() + "saved/moved.ipp";
    ASSERT_TRUE(ForceDirectories(Work() + "saved"));
    w->SaveProject(project, false);
    for (int i = 0; i < 4; ++i) {
        const std::string name = std::string(1, char('A' + i)) + ".ico";
        EXPECT_EQ(ReadWholeFile(Work() + "saved/icon/" + name), ReadWholeFile(FFiles[size_t(i)])) << name;
    }
    const std::vector<std::string> info = Lines(Work() + "saved/moved_iconpackinfo.txt");
    const std::vector<std::string> names(info.end() - 4, info.end());
    EXPECT_EQ(names, (std::vector<std::string>{"iconname0=B.ico", "iconname1=A.ico", "iconname2=D.ico", "iconname3=C.ico"}));
}

TEST_F(IconListTest, DeleteSelectedAndDeleteAllChangeOnlyWhatIsThere) {
    auto w = WindowWithRows(4);
    w->actDeleteSelectedIconExecute();
    EXPECT_EQ(Order(*w), "ABCD");
    EXPECT_FALSE(w->Modified()) << "nothing selected, nothing deleted";
    Select(*w, "AC");
    w->actDeleteSelectedIconExecute();
    EXPECT_EQ(Order(*w), "BD");
    EXPECT_TRUE(w->Modified());
    w->SetSaved();
    w->Action("actDeleteAllIcon")->trigger();
    EXPECT_EQ(List(*w).topLevelItemCount(), 0);
    EXPECT_TRUE(w->Modified());
    w->SetSaved();
    w->Action("actDeleteAllIcon")->trigger();
    EXPECT_FALSE(w->Modified()) << "an empty list stays as it is";
}

TEST_F(IconListTest, DelWorksOnTheListOnlyAndShiftDelEverywhere) {
    auto w = WindowWithRows(3);
    Activate(*w);
    QLineEdit* title = w->PackageInfoPage().txtPackageTitle;
    Select(*w, "B");
    title->setFocus();
    title->setText(QStringLiteral("abc"));
    title->setCursorPosition(0);
    QTest::keyClick(title, Qt::Key_Delete);
    EXPECT_EQ(title->text(), QStringLiteral("bc")) << "Del reaches the text field";
    EXPECT_EQ(Order(*w), "ABC");

    List(*w).setFocus();
    QTest::keyClick(&List(*w), Qt::Key_Delete);
    EXPECT_EQ(Order(*w), "AC");

    title->setFocus();
    QTest::keyClick(title, Qt::Key_Delete, Qt::ShiftModifier);
    EXPECT_EQ(List(*w).topLevelItemCount(), 0);
    EXPECT_EQ(title->text(), QStringLiteral("bc"));
    // The Del of the number pad counts the same.
    w->AddIconFile(FFiles[0]);
    QTest::keyClick(title, Qt::Key_Delete, Qt::ShiftModifier | Qt::KeypadModifier);
    EXPECT_EQ(List(*w).topLevelItemCount(), 0);
}

// The in-place editor of a row's column while it is open.
QLineEdit* CaptionEditor(QTreeWidget& list, QTreeWidgetItem* row, int column = 0) {
    return qobject_cast<QLineEdit*>(list.itemWidget(row, column));
}

TEST_F(IconListTest, ARenameIsTakenAsTypedAndDelStaysInTheEditor) {
    auto w = WindowWithRows(2);
    Activate(*w);
    QTreeWidgetItem* row = List(*w).topLevelItem(0);
    List(*w).setCurrentItem(row);
    List(*w).setFocus();
    List(*w).editItem(row, 0);
    QLineEdit* editor = CaptionEditor(List(*w), row);
    ASSERT_NE(editor, nullptr);
    EXPECT_FALSE(w->Action("actDeleteSelectedIcon")->isEnabled()) << "the editor is a text field";
    editor->setText(QStringLiteral("renamed.png"));
    editor->setCursorPosition(0);
    QTest::keyClick(editor, Qt::Key_Delete);
    EXPECT_EQ(List(*w).topLevelItemCount(), 2);
    EXPECT_FALSE(w->Modified());
    QTest::keyClick(editor, Qt::Key_Return);
    EXPECT_TRUE(QTest::qWaitFor([&] { return CaptionEditor(List(*w), row) == nullptr; }));
    EXPECT_EQ(row->text(0), QStringLiteral("enamed.png"));
    EXPECT_TRUE(w->Modified());

    ASSERT_TRUE(ForceDirectories(Work() + "saved"));
    w->SaveProject(Work() + "saved/renamed.ipp", false);
    EXPECT_EQ(ReadWholeFile(Work() + "saved/icon/enamed.png"), ReadWholeFile(FFiles[0]));

    // Esc gives the edit up: nothing changes.
    List(*w).editItem(row, 0);
    editor = CaptionEditor(List(*w), row);
    ASSERT_NE(editor, nullptr);
    editor->setText(QStringLiteral("other"));
    QTest::keyClick(editor, Qt::Key_Escape);
    EXPECT_TRUE(QTest::qWaitFor([&] { return CaptionEditor(List(*w), row) == nullptr; }));
    EXPECT_EQ(CaptionEditor(List(*w), row), nullptr);
    EXPECT_EQ(row->text(0), QStringLiteral("enamed.png"));
    EXPECT_FALSE(w->Modified());

    // Shift+Del while a caption is being edited takes the rows and the editor away.
    List(*w).editItem(row, 0);
    editor = CaptionEditor(List(*w), row);
    ASSERT_NE(editor, nullptr);
    QTest::keyClick(editor, Qt::Key_Delete, Qt::ShiftModifier);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(List(*w).topLevelItemCount(), 0);
    EXPECT_TRUE(w->Modified());
    EXPECT_EQ(List(*w).viewport()->findChild<QLineEdit*>(QString(), Qt::FindDirectChildrenOnly), nullptr) << "no editor left";
}

TEST_F(IconListTest, ClickingASelectedRowAgainRenamesItButNotItsImageCount) {
    auto w = WindowWithRows(2);
    Activate(*w);
    QTreeWidget& list = List(*w);
    QTreeWidgetItem* row = list.topLevelItem(1);
    const QRect caption = list.visualItemRect(row);
    const QPoint onName(list.columnViewportPosition(0) + 20, caption.center().y());
    QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::NoModifier, onName);
    QTest::qWait(QApplication::doubleClickInterval() + 50);
    EXPECT_EQ(CaptionEditor(list, row), nullptr) << "the first click only selects";
    QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::NoModifier, onName);
    EXPECT_TRUE(QTest::qWaitFor([&] { return CaptionEditor(list, row) != nullptr; }, 2000));

    QTest::keyClick(CaptionEditor(list, row), Qt::Key_Escape);
    list.editItem(row, 1);
    EXPECT_EQ(CaptionEditor(list, row, 1), nullptr) << "the image count is not edited";
    EXPECT_EQ(row->text(1), QStringLiteral("2"));
}

TEST_F(IconListTest, TheDialogAddsEveryChosenFileFromTheStoredFolder) {
    ASSERT_TRUE(ForceDirectories(ProgramDir() + "user"));
    WriteText(SettingsFile(), "[System]\r\nIconInitDir=" + Work() + "\r\n");
    auto w = WindowWithRows(1);
    WriteText(Work() + "broken.ico", "not an icon");
    FSeams.PushOpenFiles({PathToQ(FFiles[0]), PathToQ(WriteIcon("second.ico", {{32, 32, 0x123456}}))});
    w->Action("actOpenIcon")->trigger();
    EXPECT_EQ(Order(*w), "AAs");
    EXPECT_TRUE(w->Modified());
    const std::vector<TSeamCall> dialogs = Calls(TSeamKind::OpenFiles);
    ASSERT_EQ(dialogs.size(), 1u);
    EXPECT_EQ(dialogs[0].Args[1], PathToQ(Work()));
    EXPECT_EQ(dialogs[0].Args[3], QString::fromUtf8("アイコンファイル(*.ico)|*.ico"));

    // A file that fails ends the command: the files before it stay, the project is not marked.
    w->SetSaved();
    FSeams.PushOpenFiles({PathToQ(FFiles[0]), PathToQ(Work() + "broken.ico"), PathToQ(FFiles[0])});
    w->Action("actOpenIcon")->trigger();
    EXPECT_EQ(Order(*w), "AAsA");
    EXPECT_EQ(Calls(TSeamKind::ErrorBox).size(), 1u);
    EXPECT_FALSE(w->Modified());
    // Cancelled: nothing.
    w->Action("actOpenIcon")->trigger();
    EXPECT_EQ(Order(*w), "AAsA");
    EXPECT_FALSE(w->Modified());
}

TEST_F(IconListTest, DropsOnTheListTakeLowerCaseIcoFilesOnly) {
    auto w = WindowWithRows(1);
    DropFiles(List(*w).viewport(), {WriteIcon("PICTURE.ICO", {{16, 32, 0xFF0000}}), Work() + "notes.txt"});
    EXPECT_EQ(Order(*w), "A");
    EXPECT_FALSE(w->Modified());
    DropFiles(List(*w).viewport(), {FFiles[0]});
    EXPECT_EQ(Order(*w), "AA");
    EXPECT_TRUE(w->Modified());
}

TEST_F(IconListTest, TheFieldsAroundTheListMarkTheProjectModified) {
    auto w = MakeWindow();
    TPackageInfoPage& page = w->PackageInfoPage();
    const std::vector<std::pair<const char*, std::function<void()>>> edits = {
        {"txtIconDir", [&] { page.txtIconDir->setText(QStringLiteral("pictures/")); }},
        {"cboColorDepth", [&] { page.cboColorDepth->setCurrentIndex(0); }},
        {"cboIconSize", [&] { page.cboIconSize->setCurrentIndex(7); }},
        {"cboBannerURL", [&] { page.cboBannerURL->setEditText(QStringLiteral("http://example.org/")); }},
    };
    for (const auto& [name, edit] : edits) {
        w->SetSaved();
        edit();
        EXPECT_TRUE(w->Modified()) << name;
    }
    EXPECT_FALSE(page.cboColorDepth->isEditable());
    EXPECT_FALSE(page.cboIconSize->isEditable());
}

}  // namespace
}  // namespace qv
