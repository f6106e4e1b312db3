#include "builder/BuilderStartup.h"

#include <QApplication>
#include <QGuiApplication>

#include "builder/BuilderText.h"
#include "builder/TBuilderReport.h"
#include "builder/TfrmBuilderMain.h"
#include "common/version.h"
#ifdef QV_HAVE_MESSAGE_DIALOG
#include "common/ui/qvMessageDlgFormW.h"
#endif

namespace qv {

std::unique_ptr<TfrmBuilderMain> StartBuilder(QApplication& app) {
    app.setApplicationName(QStringLiteral("QuorvaneBuilder"));
    // Ties the windows to the installed desktop entry, so the desktop shows its name and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("quorvane-builder"));
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
    std::unique_ptr<TBuilderReport> report;
    if (TBuilderReport::Requested()) report = std::make_unique<TBuilderReport>();
    const std::unique_ptr<TfrmBuilderMain> main = StartBuilder(app);
    main->show();
    if (report) report->AfterFirstShowing(*main);
    return app.exec();
}

}  // namespace qv
