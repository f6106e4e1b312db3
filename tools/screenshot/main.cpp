// qvscreenshot: renders the registered scenes to PNG files under the offscreen platform.
//   qvscreenshot --list               the scenes, one a line, with what they show
//   qvscreenshot SCENE FILE.png       one scene
//   qvscreenshot --all FOLDER         every scene, as FOLDER/SCENE.png
#include <QWidget>

#include <cstdio>

#include "platform/qt/TQvApplication.h"
#include "tools/screenshot/DemoScenes.h"
#include "tools/screenshot/MessageDlgScenes.h"
#include "tools/screenshot/TScreenshotScenes.h"
#include "tools/screenshot/WidgetScreenshot.h"

namespace {

int Usage() {
    std::fprintf(stderr, "usage: qvscreenshot --list | SCENE FILE.png | --all FOLDER\n");
    return 2;
}

bool Render(const QString& scene, const QString& path) {
    std::unique_ptr<QWidget> widget = qv::TScreenshotScenes::Create(scene);
    if (!widget) {
        std::fprintf(stderr, "qvscreenshot: no scene \"%s\" (see --list)\n", qPrintable(scene));
        return false;
    }
    QString error;
    if (!qv::SaveWidgetScreenshot(widget.get(), path, &error)) {
        std::fprintf(stderr, "qvscreenshot: %s: %s\n", qPrintable(scene), qPrintable(error));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qv::TQvApplication app(argc, argv);
    qv::RegisterDemoScenes();
    qv::RegisterMessageDlgScenes();

    const QStringList args = QCoreApplication::arguments().mid(1);
    if (args.size() == 1 && args[0] == QLatin1String("--list")) {
        for (const QString& name : qv::TScreenshotScenes::Names())
            std::printf("%s\t%s\n", qPrintable(name), qPrintable(qv::TScreenshotScenes::Description(name)));
        return 0;
    }
    if (args.size() != 2) return Usage();
    if (args[0] == QLatin1String("--all")) {
        bool ok = true;
        for (const QString& name : qv::TScreenshotScenes::Names())
            ok = Render(name, args[1] + QLatin1Char('/') + name + QStringLiteral(".png")) && ok;
        return ok ? 0 : 1;
    }
    return Render(args[0], args[1]) ? 0 : 1;
}
