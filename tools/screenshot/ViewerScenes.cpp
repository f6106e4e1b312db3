#include "tools/screenshot/ViewerScenes.h"

#include <QComboBox>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>

#include "compiler/QuorcompExports.h"
#include "platform/TModuleResources.h"
#include "runtime/QuorvexCopyToForm.h"
#include "runtime/QuorvexMainForm.h"
#include "runtime/TQuorvexProgram.h"
#include "tools/screenshot/TScreenshotScenes.h"

namespace qv {
namespace {

// The folder of the run, made on first use and removed when the program ends.
class TSceneFolder {
public:
    TSceneFolder() {
        char pattern[] = "/tmp/qvsceneXXXXXX";
        if (const char* made = ::mkdtemp(pattern)) FFolder = made;
    }
    ~TSceneFolder() {
        std::error_code ignored;
        if (!FFolder.empty()) std::filesystem::remove_all(FFolder, ignored);
    }
    const std::string& Path() const { return FFolder; }

private:
    std::string FFolder;
};

// The example package, built once per run into the run's folder.
const std::string& SamplePackage() {
    static std::string path;
    if (path.empty() && !SceneFolder().empty()) {
        const std::string project = std::string(QV_EXAMPLES_DIR) + "/sample/sample.ipp";
        const std::string package = SceneFolder() + "/sample.run";
        if (CompilePackage(project.c_str(), package.c_str(), 0) != 0)
            throw std::runtime_error("the example project does not build: " + project);
        path = package;
    }
    return path;
}

// The window with the title bar the desktop gives it.
std::unique_ptr<QWidget> Framed(std::unique_ptr<TtntfrmQuorvex> window) {
    auto desktop = std::make_unique<QMdiArea>();
    desktop->setObjectName(QStringLiteral("desktop"));
    const QSize client = window->size();
    QMdiSubWindow* frame = desktop->addSubWindow(window.release(), Qt::Window);
    frame->show();
    frame->resize(frame->size().expandedTo(client + (frame->size() - frame->widget()->size())));
    frame->move(0, 0);
    desktop->resize(frame->size());
    return desktop;
}

}  // namespace

const std::string& SceneFolder() {
    static TSceneFolder folder;
    return folder.Path();
}

std::unique_ptr<QWidget> MakeViewerScene(const std::string& packagePath, int language, bool agree,
                                         TtntfrmQuorvex** shown) {
    TModuleResources::SetSelfFile(packagePath);
    auto window = std::make_unique<TtntfrmQuorvex>();
    window->setWindowIcon(TQuorvexProgram::ApplicationIcon());
    new TtntfrmIconPackCopyTo(window.get());
    TtntfrmQuorvex* viewer = window.get();
    std::unique_ptr<QWidget> scene = Framed(std::move(window));
    scene->show();  // the first showing applies the first language
    if (language != viewer->tntcboIconPackLang->currentIndex()) {
        viewer->tntcboIconPackLang->setCurrentIndex(language);
        viewer->tntcboIconPackLangSelect();
    }
    if (agree) {
        viewer->tntbtnAgreeClick();
        if (QListWidgetItem* first = viewer->tntlvIcon->item(0)) first->setSelected(true);
    }
    if (shown) *shown = viewer;
    return scene;
}

namespace {

std::unique_ptr<QWidget> ViewerScene(int language, bool agree) { return MakeViewerScene(SamplePackage(), language, agree); }

}  // namespace

void RegisterViewerScenes() {
    TScreenshotScenes::Register(QStringLiteral("viewer-sample-ja"),
                                QStringLiteral("the example package in Japanese, after the agreement"),
                                [] { return ViewerScene(0, true); });
    TScreenshotScenes::Register(QStringLiteral("viewer-sample-en"),
                                QStringLiteral("the example package in English, after the agreement"),
                                [] { return ViewerScene(1, true); });
    TScreenshotScenes::Register(QStringLiteral("viewer-sample-agree"),
                                QStringLiteral("the example package waiting for the agreement (Japanese)"),
                                [] { return ViewerScene(0, false); });
}

}  // namespace qv
