#include "runtime/TQuorvexProgram.h"

#include <QApplication>
#include <QFileInfo>
#include <QFont>

#include <memory>

#include "common/ui/qvMessageDlgFormW.h"
#include "icon/TQVIcon.h"
#include "platform/qt/TQvApplication.h"
#include "runtime/IconImages.h"
#include "runtime/QuorvexCopyToForm.h"
#include "runtime/QuorvexMainForm.h"
#include "runtime/TShownReport.h"

namespace qv {

int TQuorvexProgram::Run(int argc, char** argv) {
    TQvApplication app(argc, argv);
    QFont font = QApplication::font();
    font.setFamily(QStringLiteral("Tahoma"));
    QApplication::setFont(font);
    InstallMessageDlgW();
    std::unique_ptr<TShownReport> report;
    if (TShownReport::Requested()) report = std::make_unique<TShownReport>();
    QGuiApplication::setApplicationDisplayName(DefaultApplicationTitle(QCoreApplication::applicationFilePath()));
    QApplication::setWindowIcon(ApplicationIcon());

    TtntfrmQuorvex window;
    TtntfrmIconPackCopyTo copyTo(&window);
    window.show();
    if (report) report->AfterFirstShowing(window);
    return app.exec();
}

QString TQuorvexProgram::DefaultApplicationTitle(const QString& executablePath) {
    QString name = QFileInfo(executablePath).fileName();
    const int dot = name.indexOf(QLatin1Char('.'));
    if (dot >= 0) name.truncate(dot);
    return name.left(1) + name.mid(1).toLower();
}

QIcon TQuorvexProgram::ApplicationIcon() {
    TQVIcon icon;
    try {
        icon.LoadFromResourceName("MAINICON");
    } catch (const std::exception&) {
        return {};  // a module without a package icon keeps the platform's
    }
    return IconToQIcon(icon);
}

}  // namespace qv
