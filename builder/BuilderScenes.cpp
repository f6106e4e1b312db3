#include "builder/BuilderScenes.h"

#include <unistd.h>

#include <QTabWidget>

#include "builder/BuilderText.h"
#include "builder/TfrmBuilderMain.h"
#include "builder/TfrmVersionInfo.h"
#include "common/version.h"
#include "platform/FileIO.h"
#include "platform/SystemInfo.h"
#include "platform/TModuleResources.h"
#include "tools/screenshot/TScreenshotScenes.h"

namespace qv {

std::string SceneProgramDir() {
    const std::string dir = GetProgramDir();
    if (FileExists(dir + "quorbuild")) TModuleResources::SetSelfFile(dir + "quorbuild");
    // Scenes show the builder as the desktop starts it, in its own folder, where it finds the
    // default templates; the pictures then do not depend on where the command was run. A folder
    // that cannot be entered only leaves the template list empty.
    const bool entered = ::chdir(dir.c_str()) == 0;
    static_cast<void>(entered);
    return dir;
}

std::unique_ptr<QWidget> MakeBuilderScene(const QString& projectPath, int page) {
    TBuilderPlaces places;
    places.ProgramDir = SceneProgramDir();
    places.UserName = "qvscreenshot-scene";  // a settings file that nobody writes
    auto window = std::make_unique<TfrmBuilderMain>(places, std::vector<std::string>{QToPath(projectPath)});
    window->CreateDialogs();
    window->show();
    window->pgcMain->setCurrentIndex(page);
    return window;
}

std::unique_ptr<QWidget> MakeAboutScene() {
    const std::string dir = SceneProgramDir();
    InitAppVersionFromModule();
    auto about = std::make_unique<TfrmVersionInfo>(dir);
    about->show();
    return about;
}

namespace {

#ifndef QV_EXAMPLE_PROJECT
#define QV_EXAMPLE_PROJECT "examples/sample/sample.ipp"
#endif

// The screenshot command links this file in; its scenes join the table before main runs.
const bool kRegistered = [] {
    const QString project = QStringLiteral(QV_EXAMPLE_PROJECT);
    TScreenshotScenes::Register(QStringLiteral("builder-package-info"),
                                QStringLiteral("builder window, page パッケージ情報, example project"),
                                [project] { return MakeBuilderScene(project, 0); });
    TScreenshotScenes::Register(QStringLiteral("builder-language"),
                                QStringLiteral("builder window, page 言語とテキスト, example project"),
                                [project] { return MakeBuilderScene(project, 1); });
    TScreenshotScenes::Register(QStringLiteral("builder-about"),
                                QStringLiteral("about dialog with the versions of the builder and the compiler library"),
                                [] { return MakeAboutScene(); });
    return true;
}();

}  // namespace
}  // namespace qv
