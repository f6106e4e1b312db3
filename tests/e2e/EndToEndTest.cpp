// One author's session from the first icon to the recipient's folder: icons made by icotool and
// ImageMagick, dropped on the builder's list; a title, two languages' read-mes, a banner and its
// link; the save that makes a folder; the build through the real compiler library; the package
// started as its own process, copying its icons out through its copy-to dialog. Every copied
// file must be what the icon container writes for the file that went in.
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QImage>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>

#include <string>
#include <vector>

#include "builder/BuilderText.h"
#include "builder/TLanguagePage.h"
#include "builder/TPackageInfoPage.h"
#include "builder/TfrmEditLanguageList.h"
#include "common/ui/TModalDialogDriver.h"
#include "icon/TQVIcon.h"
#include "platform/FileIO.h"
#include "platform/TMemoryStream.h"
#include "tests/builder/BuilderWindowFixture.h"
#include "tests/support/TestCommand.h"

namespace qv {
namespace {

using test::RunCommandLine;
using test::ShellQuoted;

class EndToEndTest : public test::BuilderWindowTest {
protected:
    void SetUp() override {
        for (const char* file : {"libquorcomp.so", "readme.txt", "manual.txt"})
            WriteWholeFile(ProgramDir() + file, ReadWholeFile(std::string(QV_BIN_DIR) + "/" + file));
    }

    // Runs a tool of the system in the work folder; the test fails when it does not succeed.
    void Tool(const std::string& commandLine) {
        const test::TCommandOutcome o = RunCommandLine("cd " + ShellQuoted(Work()) + " && " + commandLine + " 2>&1");
        ASSERT_EQ(o.Status, 0) << commandLine << "\n" << o.Output;
    }

    // Three icon files as authors make them: icotool from PNGs of three sizes (the largest kept
    // as PNG), and ImageMagick writing icons itself, with several sizes and with one.
    std::vector<std::string> MakeIcons() {
        Tool("convert -size 16x16 gradient:red-blue s16.png && convert -size 32x32 radial-gradient:yellow-green s32.png"
             " && convert -size 256x256 plasma:fractal -seed 1 s256.png"
             " && icotool -c -o sun.ico s16.png s32.png -r s256.png");
        Tool("convert -size 48x48 pattern:checkerboard -define icon:auto-resize=48,32,16 board.ico");
        Tool("convert -size 32x32 xc:none -fill '#3070C0' -draw 'circle 16,16 16,3' drop.ico");
        return {Work() + "sun.ico", Work() + "board.ico", Work() + "drop.ico"};
    }

    // What the icon container writes for the icon file at path.
    static Bytes ContainerBytes(const std::string& path) {
        TQVIcon icon;
        icon.LoadFromFile(path);
        TMemoryStream stream;
        icon.SaveToStream(stream);
        return stream.TakeData();
    }

    // The language list dialog, opened with its button: the two languages after the first
    // two are removed, then the dialog is closed with its button.
    static void KeepTwoLanguages(TfrmBuilderMain& w) {
        const auto outcome = TModalDialogDriver::PressButton(QStringLiteral("tntbtnClose"), [](QWidget& window) {
            auto& dialog = static_cast<TfrmEditLanguageList&>(window);
            for (int row : {3, 2}) {
                dialog.tntlstLangList->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
                dialog.tntbtnDeleteLang->click();
            }
        });
        w.LanguagePage().tntbtnAddLang->click();
        EXPECT_TRUE(outcome->Pressed);
    }

    // Types a read-me into the language page for the language shown now.
    static void WriteReadme(TfrmBuilderMain& w, const QString& text) {
        QPlainTextEdit* readme = w.LanguagePage().tnttxtReadme;
        readme->setFocus();
        readme->selectAll();
        Type(readme, text);
    }

    // The next language, picked with the arrow key on the selector.
    static void NextLanguage(TfrmBuilderMain& w) {
        QComboBox* selector = w.LanguagePage().tntcboLanguage;
        selector->setFocus();
        QTest::keyClick(selector, Qt::Key_Down);
    }

    // Text typed into a field: Japanese arrives committed by the input method.
    static void Type(QWidget* field, const QString& text) {
        QInputMethodEvent commit;
        commit.setCommitString(text);
        QApplication::sendEvent(field, &commit);
    }
};

TEST_F(EndToEndTest, AProjectMadeInTheBuilderBecomesAPackageWhoseIconsCopyOutUnchanged) {
    const std::vector<std::string> icons = MakeIcons();
    Tool("convert -size 88x31 gradient:white-orange -fill black -draw 'rectangle 2,2 20,28' banner.png");
    auto w = MakeWindow();
    TPackageInfoPage& info = w->PackageInfoPage();

    DropFiles(info.lvIcon->viewport(), icons);
    ASSERT_EQ(info.lvIcon->topLevelItemCount(), 3);
    info.txtPackageTitle->selectAll();
    Type(info.txtPackageTitle, QStringLiteral("Weather Icons"));
    DropFiles(info.gbxBannerImage, {Work() + "banner.png"});
    info.cboBannerURL->setEditText(QStringLiteral("https://example.org/icons"));
    w->pgcMain->setCurrentIndex(1);
    KeepTwoLanguages(*w);
    ASSERT_EQ(w->LanguagePage().tntcboLanguage->count(), 2);
    WriteReadme(*w, QString::fromUtf8("天気のアイコンです。"));
    NextLanguage(*w);
    ASSERT_EQ(w->LanguagePage().tntcboLanguage->currentText(), QStringLiteral("English"));
    WriteReadme(*w, QStringLiteral("Weather icons, free to use."));

    FSeams.PushSaveFile(PathToQ(Work() + "weather.ipp"), 2);  // the filter that makes a folder
    w->Action("actSaveAsProjectFile")->trigger();
    const std::string project = Work() + "weather/weather.ipp";
    ASSERT_EQ(w->ProjectPath(), project);
    ASSERT_FALSE(w->Modified());
    const QImage banner(PathToQ(Work() + "weather/weather_bannerimage.png"));
    ASSERT_EQ(banner.size(), QSize(88, 31));
    EXPECT_EQ(banner.pixel(10, 10), qRgb(0, 0, 0));  // the dropped picture, not the default
    w->Action("actCompile")->trigger();
    ASSERT_EQ(w->StatusText(), QString::fromUtf8("コンパイル完了。"));
    const std::string package = Work() + "weather/weather.run";
    ASSERT_TRUE(FileExists(package));

    const std::string copied = Work() + "recipient/icons/";
    const test::TCommandOutcome shown =
        RunCommandLine("QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8 QUORVEX_REPORT_SHOWN=1 QUORVEX_COPY_TO=" +
                       ShellQuoted(copied) + " " + ShellQuoted(package));
    ASSERT_EQ(shown.Status, 0) << shown.Output;
    for (const char* line : {"title: Weather Icons\n", "banner: yes\n", "languages: 2\n", "language: 日本語\n",
                             "icons: 3\n", "readme_chars: 10\n", "agree_step: no\n"})
        EXPECT_NE(shown.Output.find(line), std::string::npos) << line << shown.Output;
    EXPECT_NE(shown.Output.find("opened: " + copied), std::string::npos) << shown.Output;
    EXPECT_EQ(shown.Output.find("error:"), std::string::npos) << shown.Output;

    for (const std::string& icon : icons) {
        const std::string name = icon.substr(icon.rfind('/') + 1);
        SCOPED_TRACE(name);
        ASSERT_TRUE(FileExists(copied + name));
        EXPECT_EQ(ReadWholeFile(copied + name), ContainerBytes(icon));
        Tool("icotool -l " + ShellQuoted(copied + name) + " >/dev/null");
    }
}

}  // namespace
}  // namespace qv
