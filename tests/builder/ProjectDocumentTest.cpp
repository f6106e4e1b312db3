// The project document's life cycle: the new project, the caption and status texts, the save
// question, the two save-as modes, closing, the temporary save and switching languages.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QTreeWidget>

#include "builder/BuilderText.h"
#include "builder/TLanguagePage.h"
#include "builder/TPackageInfoPage.h"
#include "platform/FileIO.h"
#include "platform/TUnicodeStringList.h"
#include "tests/builder/BuilderWindowFixture.h"
#include "tests/support/TestProject.h"

namespace qv {
namespace {

using test::BuilderWindowTest;

QString U(const char* utf8) { return QString::fromUtf8(utf8); }
const QString kUnsaved = QString::fromUtf8("このプロジェクトは保存されていません。");

class ProjectDocumentTest : public BuilderWindowTest {
protected:
    static void Edit(TfrmBuilderMain& w) { w.PackageInfoPage().txtPackageTitle->setText(QStringLiteral("Edited")); }
};

TEST_F(ProjectDocumentTest, NewProjectHasTheDesignedDefaults) {
    auto w = MakeWindow();
    EXPECT_EQ(w->ProjectPath(), "newpackage.ipp");
    EXPECT_EQ(w->windowTitle(), QStringLiteral("newpackage.ipp - QuorvaneBuilder"));
    EXPECT_EQ(w->ApplicationTitle(), QStringLiteral("newpackage.ipp - QuorvaneBuilder"));
    EXPECT_FALSE(w->Modified());
    EXPECT_EQ(w->StatusText(), QString());
    EXPECT_EQ(w->VersionInfoFile(), "");
    EXPECT_EQ(w->OutputDir(), "");
    TPackageInfoPage& info = w->PackageInfoPage();
    EXPECT_EQ(info.txtPackageTitle->text(), QStringLiteral("New Package"));
    EXPECT_FALSE(info.chkMakeAgree->isChecked());
    EXPECT_EQ(info.cboColorDepth->currentText(), QStringLiteral("32bit"));
    EXPECT_EQ(info.cboIconSize->currentText(), QStringLiteral("32 x 32 pixel"));
    EXPECT_EQ(info.txtIconDir->text(), QStringLiteral("icon/"));
    EXPECT_EQ(info.lvIcon->topLevelItemCount(), 0);
    EXPECT_TRUE(w->BannerImage().isNull());
    EXPECT_EQ(info.cboBannerURL->currentText(), QString());
    EXPECT_EQ(w->PackageIcon().Count(), 3) << "the built-in default package icon";
    EXPECT_FALSE(info.imgMainIcon->pixmap().isNull());

    QComboBox* languages = w->LanguagePage().tntcboLanguage;
    ASSERT_EQ(languages->count(), 4);
    EXPECT_EQ(languages->itemText(0), U("日本語"));
    EXPECT_EQ(languages->itemText(1), QStringLiteral("English"));
    EXPECT_EQ(languages->itemText(2), U("한국어"));
    EXPECT_EQ(languages->itemText(3), U("中文(简体字)"));
    EXPECT_EQ(languages->currentIndex(), 0);
    const std::u16string readmes[] = {u"ここにパッケージの説明文を書きます。", u"Thanks for use of our icon.",
                                      u"나의 아이콘을 이용 받아 감사 드리겠습니다.", u"承蒙利用感谢我的图标。"};
    const char* templates[] = {"japanese_sys.dat", "english_sys.dat", "korean_sys.dat", "chinese_sys.dat"};
    ASSERT_EQ(w->SysTexts().size(), 4u);
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(w->ReadmeTexts()[i], readmes[i]);
        TUnicodeStringList list;
        list.LoadFromFile(ProgramDir() + templates[i]);
        EXPECT_EQ(w->SysTexts()[i], list.Text()) << templates[i];
    }
    EXPECT_EQ(w->LanguagePage().tnttxtFontName->text(), QStringLiteral("Noto Sans CJK JP"));
    EXPECT_EQ(w->LanguagePage().tnttxtReadme->toPlainText(), U("ここにパッケージの説明文を書きます。"));
}

TEST_F(ProjectDocumentTest, EditMarksTheCaptionAndSavingANewProjectAsksForAFile) {
    auto w = MakeWindow();
    Edit(*w);
    EXPECT_EQ(w->windowTitle(), QStringLiteral("* newpackage.ipp - QuorvaneBuilder"));
    EXPECT_EQ(w->ApplicationTitle(), QStringLiteral("* newpackage.ipp - QuorvaneBuilder"));
    EXPECT_EQ(w->StatusText(), kUnsaved);
    const std::string path = Work() + "first.ipp";
    FSeams.PushSaveFile(PathToQ(path), 1);
    w->Action("actSaveProjectFile")->trigger();
    const std::vector<TSeamCall> dialogs = Calls(TSeamKind::SaveFile);
    ASSERT_EQ(dialogs.size(), 1u);
    // title, initial dir, file name, filter, filter index, default extension, overwrite prompt
    EXPECT_EQ(dialogs[0].Args[2], QStringLiteral("newpackage.ipp"));
    EXPECT_EQ(dialogs[0].Args[3], U("QuorvaneBuilderプロジェクト(*.ipp)|*.ipp|フォルダを作成して保存|*.ipp"));
    EXPECT_EQ(dialogs[0].Args[4], QStringLiteral("1"));
    EXPECT_EQ(dialogs[0].Args[5], QStringLiteral("ipp"));
    EXPECT_EQ(dialogs[0].Args[6], QStringLiteral("1"));
    EXPECT_TRUE(FileExists(path));
    EXPECT_EQ(w->windowTitle(), PathToQ(path) + QStringLiteral(" - QuorvaneBuilder"));
    EXPECT_EQ(w->ApplicationTitle(), QStringLiteral("first.ipp - QuorvaneBuilder"));
    EXPECT_EQ(w->StatusText(), QString());
    EXPECT_FALSE(w->Modified());
    EXPECT_EQ(w->RecentProjects().Entry(0), path);
    EXPECT_EQ(w->VersionInfoFile(), "first_versioninfo.bin");

    // Saved once, the next save goes straight to the file.
    Edit(*w);
    w->Action("actSaveProjectFile")->trigger();
    EXPECT_EQ(Calls(TSeamKind::SaveFile).size(), 1u);
    EXPECT_FALSE(w->Modified());
}

TEST_F(ProjectDocumentTest, TheFolderMakingSaveHoldsTheSetInANewFolder) {
    auto w = MakeWindow();
    FSeams.PushSaveFile(PathToQ(Work() + "X.ipp"), 2);
    w->Action("actSaveAsProjectFile")->trigger();
    const std::string folder = Work() + "X/";
    for (const char* name : {"X.ipp", "X_iconpackinfo.txt", "X_iconpacklang.txt", "X_versioninfo.bin", "mainicon.ico",
                             "X_lang0_sys.txt", "X_lang3_readme.txt"})
        EXPECT_TRUE(FileExists(folder + name)) << name;
    EXPECT_TRUE(DirectoryExists(folder + "icon"));
    EXPECT_FALSE(FileExists(Work() + "X.ipp"));
    EXPECT_EQ(w->ProjectPath(), folder + "X.ipp");
    EXPECT_TRUE(Calls(TSeamKind::MessageDlg).empty());
    EXPECT_EQ(w->sdlProject.FilterIndex(), 2);

    // Once more onto the same name: asked first; No leaves the files alone.
    DeleteFileIfExists(folder + "X_lang0_sys.txt");
    FSeams.PushSaveFile(PathToQ(Work() + "X.ipp"), 2);
    FSeams.PushMessageResult(7);
    w->Action("actSaveAsProjectFile")->trigger();
    const std::vector<TSeamCall> asked = Calls(TSeamKind::MessageDlg);
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].Args[0], U("\"%1\"\nは既に存在しています。\n上書きしてもよろしいですか？").arg(PathToQ(folder + "X.ipp")));
    EXPECT_EQ(asked[0].Args[1], QStringLiteral("3"));
    EXPECT_EQ(asked[0].Args[2], QStringLiteral("3"));  // Yes and No
    EXPECT_EQ(asked[0].Args[3], U("上書き確認"));
    EXPECT_FALSE(FileExists(folder + "X_lang0_sys.txt"));
    FSeams.PushSaveFile(PathToQ(Work() + "X.ipp"), 2);
    FSeams.PushMessageResult(6);
    w->Action("actSaveAsProjectFile")->trigger();
    EXPECT_TRUE(FileExists(folder + "X_lang0_sys.txt"));
}

TEST_F(ProjectDocumentTest, AFolderThatCannotBeMadeBeepsAndWritesNothing) {
    WriteText(Work() + "blocker", "x");
    auto w = MakeWindow();
    Edit(*w);
    FSeams.PushSaveFile(PathToQ(Work() + "blocker/Y.ipp"), 2);
    w->Action("actSaveAsProjectFile")->trigger();
    EXPECT_EQ(Calls(TSeamKind::Beep).size(), 1u);
    EXPECT_EQ(w->StatusText(), U("フォルダを作成できませんでした。"));
    EXPECT_TRUE(w->Modified());
    EXPECT_EQ(w->ProjectPath(), "newpackage.ipp");
}

TEST_F(ProjectDocumentTest, TheSaveQuestionDecidesWhetherThePendingCommandGoesOn) {
    struct TCase {
        int Answer;
        bool SaveDialogShown;
        bool NewProjectMade;
    } cases[] = {{6, true, true}, {7, false, true}, {2, false, false}};
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Answer);
        FSeams.ClearCalls();
        auto w = MakeWindow();
        Edit(*w);
        FSeams.PushMessageResult(c.Answer);  // Yes is followed by a cancelled save dialog
        w->Action("actNewProject")->trigger();
        const std::vector<TSeamCall> asked = Calls(TSeamKind::MessageDlg);
        ASSERT_EQ(asked.size(), 1u);
        EXPECT_EQ(asked[0].Args[0], U("\"newpackage.ipp\" は変更されています。保存しますか？"));
        EXPECT_EQ(asked[0].Args[1], QStringLiteral("3"));
        EXPECT_EQ(asked[0].Args[2], QStringLiteral("11"));  // Yes, No, Cancel
        EXPECT_EQ(asked[0].Args[3], U("保存確認"));
        EXPECT_EQ(Calls(TSeamKind::SaveFile).size(), c.SaveDialogShown ? 1u : 0u);
        EXPECT_EQ(w->PackageInfoPage().txtPackageTitle->text(),
                  c.NewProjectMade ? QStringLiteral("New Package") : QStringLiteral("Edited"));
        EXPECT_EQ(w->Modified(), !c.NewProjectMade);
    }
}

TEST_F(ProjectDocumentTest, ClosingAModifiedProjectAsksAndCancelKeepsTheWindow) {
    auto w = MakeWindow();
    Edit(*w);
    FSeams.PushMessageResult(2);
    w->close();
    EXPECT_TRUE(w->isVisible());
    EXPECT_FALSE(FileExists(SettingsFile())) << "the settings are written only when the window closes";
    FSeams.PushMessageResult(7);
    w->close();
    EXPECT_FALSE(w->isVisible());
    EXPECT_TRUE(FileExists(SettingsFile()));
}

TEST_F(ProjectDocumentTest, TheTemporarySaveLeavesTheDocumentAsItWas) {
    auto w = MakeWindow();
    FSeams.PushSaveFile(PathToQ(Work() + "own.ipp"), 1);
    w->Action("actSaveAsProjectFile")->trigger();
    w->PackageInfoPage().cboBannerURL->setEditText(QStringLiteral("https://example.org/"));
    Edit(*w);
    const QString caption = w->windowTitle(), status = w->StatusText();
    const auto recent = w->RecentProjects().Entries();
    ForceDirectories(Work() + "tmp");
    w->SaveProject(Work() + "tmp/copy.ipp", true);
    EXPECT_TRUE(FileExists(Work() + "tmp/copy.ipp"));
    EXPECT_TRUE(FileExists(Work() + "tmp/copy_bannerimage.png"));
    EXPECT_TRUE(FileExists(Work() + "tmp/copy_versioninfo.bin")) << "the project's version file is not carried";
    EXPECT_EQ(w->ProjectPath(), Work() + "own.ipp");
    EXPECT_EQ(w->VersionInfoFile(), "own_versioninfo.bin");
    EXPECT_TRUE(w->Modified());
    EXPECT_EQ(w->windowTitle(), caption);
    EXPECT_EQ(w->StatusText(), status);
    EXPECT_TRUE(w->BannerImage().isNull()) << "the default banner is not drawn into the preview";
    EXPECT_EQ(w->RecentProjects().Entries(), recent);
}

TEST_F(ProjectDocumentTest, SwitchingLanguagesKeepsTheModifiedStateAndStoresTheTyping) {
    test::TestProject project;
    project.WriteDefault();
    auto w = MakeWindow({project.ProjectPath()});
    EXPECT_TRUE(Calls(TSeamKind::MessageDlg).empty()) << "a project on the command line opens without a question";
    TLanguagePage& page = w->LanguagePage();
    const auto pick = [&](int index) {
        w->tntcboLanguageEnter();
        page.tntcboLanguage->setCurrentIndex(index);
        w->tntcboLanguageChange();
    };
    const QString caption = w->windowTitle();
    pick(1);
    EXPECT_EQ(page.TextField(9)->text(), QStringLiteral("Yes"));  // buttonYes of English
    EXPECT_FALSE(w->Modified());
    EXPECT_EQ(w->windowTitle(), caption);
    EXPECT_EQ(w->StatusText(), QString());
    pick(0);
    EXPECT_FALSE(w->Modified());

    page.TextField(9)->setText(U("はい(&Y)"));
    EXPECT_TRUE(w->Modified());
    pick(1);
    EXPECT_TRUE(w->Modified());
    EXPECT_EQ(w->windowTitle(), QStringLiteral("* ") + caption);
    EXPECT_NE(w->SysTexts()[0].find(u"buttonYes=はい(&Y)\r\n"), std::u16string::npos);
    EXPECT_EQ(page.TextField(9)->text(), QStringLiteral("Yes"));
}

}  // namespace
}  // namespace qv
