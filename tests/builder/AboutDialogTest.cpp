// The about dialog: its controls and logo, the builder's version, the version the compiler
// library reports (or none), who runs it on which machine, and the link through the shell seam.
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "builder/TfrmVersionInfo.h"
#include "common/version.h"
#include "platform/FileIO.h"
#include "platform/SystemInfo.h"
#include "tests/builder/BuilderWindowFixture.h"

namespace qv {
namespace {

using test::BuilderWindowTest;

class AboutDialogTest : public BuilderWindowTest {
protected:
    ~AboutDialogTest() override { AppVersion = FSavedVersion; }
    void InstallLibrary(const std::string& file) {
        WriteWholeFile(ProgramDir() + "libquorcomp.so", ReadWholeFile(file));
    }
    TVersion FSavedVersion = AppVersion;
};

TEST_F(AboutDialogTest, ControlsCaptionAndLogo) {
    auto window = MakeWindow();
    TfrmVersionInfo& about = window->VersionInfo();
    EXPECT_EQ(about.windowTitle(), QString::fromUtf8("QuorvaneBuilder のバージョン情報"));
    EXPECT_EQ(about.size(), QSize(TfrmVersionInfo::kClientWidth, TfrmVersionInfo::kClientHeight));
    for (const char* name : {"imgLogo", "lblTitle", "lblVersion", "lblTitleCompiler", "lblVersionCompiler", "lblCopy",
                             "lnklblHome", "lblUserName", "lblComputerName"})
        EXPECT_NE(about.findChild<QLabel*>(QString::fromLatin1(name)), nullptr) << name;
    EXPECT_EQ(about.lblTitle->text(), QStringLiteral("QuorvaneBuilder"));
    EXPECT_EQ(about.lblTitleCompiler->text(), QStringLiteral("QuorvaneCompiler"));
    EXPECT_EQ(about.imgLogo->pixmap().size(), QSize(180, 300));
    EXPECT_TRUE(about.btnOK->isDefault());
    EXPECT_EQ(about.lnklblHome->toolTip(), QString::fromUtf8("このURIをブラウザで開きます"));
    EXPECT_EQ(about.lnklblHome->cursor().shape(), Qt::PointingHandCursor);
    emit about.lnklblHome->linkActivated(QStringLiteral("https://quorvane.example.org/"));
    const auto opened = Calls(TSeamKind::OpenUrl);
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0].Args.value(0), QStringLiteral("https://quorvane.example.org/"));
}

// The compiler's version as each library reports it; without a library the label keeps "Version".
TEST_F(AboutDialogTest, VersionsUserAndComputer) {
    const std::pair<std::string, const char*> cases[] = {
        {"", "Version"},
        {QV_FAKE_COMPILER, "Version 12.3.4.5"},
        {std::string(QV_BIN_DIR) + "/libquorcomp.so", "Version 1.0.0.2"},
        {std::string(QV_TEST_DATA) + "/invalid/builder/not_a_library.so", "Version"},
    };
    AppVersion = ParseVersionText("1.0.1.1");
    for (const auto& [library, expected] : cases) {
        SCOPED_TRACE(library);
        std::remove((ProgramDir() + "libquorcomp.so").c_str());
        if (!library.empty()) InstallLibrary(library);
        auto window = MakeWindow();
        TfrmVersionInfo& about = window->VersionInfo();
        about.FormShow();
        EXPECT_EQ(about.lblVersionCompiler->text(), QString::fromLatin1(expected));
        EXPECT_EQ(about.lblVersion->text(), QStringLiteral("Version 1.0.1.1"));
        EXPECT_EQ(about.lblUserName->text(),
                  QString::fromUtf8("ユーザ名： ") + QString::fromLocal8Bit(GetLoginUserName().c_str()));
        const std::string computer = GetComputerName();
        EXPECT_EQ(about.lblComputerName->text(),
                  computer.empty() ? QStringLiteral("computername")
                                   : QString::fromUtf8("コンピュータ名： ") + QString::fromLocal8Bit(computer.c_str()));
    }
}

TEST_F(AboutDialogTest, ShownFromTheCommandAndClosedWithOK) {
    InstallLibrary(QV_FAKE_COMPILER);
    auto window = MakeWindow();
    TfrmVersionInfo& about = window->VersionInfo();
    QTimer::singleShot(0, &about, [&about] {
        EXPECT_TRUE(about.isVisible());
        EXPECT_EQ(about.lblVersionCompiler->text(), QStringLiteral("Version 12.3.4.5"));
        about.btnOK->click();
    });
    window->actAboutExecute();
    EXPECT_FALSE(about.isVisible());
}

}  // namespace
}  // namespace qv
