#include "tools/screenshot/WidgetScreenshot.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPixmap>
#include <QWidget>

namespace qv {

namespace {

bool Fail(QString* error, const QString& reason) {
    if (error) *error = reason;
    return false;
}

}  // namespace

bool SaveWidgetScreenshot(QWidget* widget, const QString& path, QString* error) {
    if (!widget) return Fail(error, QStringLiteral("no widget"));
    if (!widget->isVisible()) widget->show();
    // Layouts, polish and the first paint arrive as posted events.
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    const QPixmap picture = widget->grab();
    if (picture.isNull()) return Fail(error, QStringLiteral("the widget rendered nothing"));
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (!picture.save(path, "PNG")) return Fail(error, QStringLiteral("cannot write ") + path);
    return true;
}

}  // namespace qv
