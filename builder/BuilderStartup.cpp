#include "builder/BuilderStartup.h"

#include <QApplication>

#include "builder/BuilderText.h"
#include "builder/TfrmBuilderMain.h"
#include "common/version.h"
#ifdef QV_HAVE_MESSAGE_DIALOG
#include "common/ui/qvMessageDlgFormW.h"
#endif

namespace qv {

std::unique_ptr<TfrmBuilderMain> StartBuilder(QApplication& app) {
    app.setApplicationName(QStringLiteral("QuorvaneBuilder"));
    InitAppVersionFromModule();
    std::vector<std::string> arguments;
    for (const QString& argument : app.arguments().mid(1)) arguments.push_back(QToPath(argument));
    auto main = std::make_unique<TfrmBuilderMain>(TBuilderPlaces::FromSystem(), std::move(arguments));
#ifdef QV_HAVE_MESSAGE_DIALOG
    InstallMessageDlgW();
    EnsureMessageDlgForm();
#endif
    main->CreateDialogs();
    return main;
}

int RunBuilder(QApplication& app) {
    const std::unique_ptr<TfrmBuilderMain> main = StartBuilder(app);
    main->show();
    return app.exec();
}

}  // namespace qv
