#include "runtime/TShownReport.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

#include <time.h>

#include <cstdio>

#include "runtime/QuorvexMainForm.h"
#include "runtime/TBannerImage.h"

namespace qv {
namespace {

long long MonotonicMicroseconds() {
    timespec now{};
    ::clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000 + now.tv_nsec / 1000;
}

QString Line(const char* name, const QString& value) {
    return QString::fromLatin1(name) + QStringLiteral(": ") + value + QLatin1Char('\n');
}

QString YesNo(bool value) { return value ? QStringLiteral("yes") : QStringLiteral("no"); }

}  // namespace

bool TShownReport::Requested() { return !qEnvironmentVariableIsEmpty(kVariable); }

TShownReport::TShownReport() : FScope(*this) {}

void TShownReport::ShowErrorBox(const QString& message) { FErrors << message; }

void TShownReport::AfterFirstShowing(const TtntfrmQuorvex& window) {
    QTimer::singleShot(0, &window, [this, &window] {
        QCoreApplication::processEvents();
        const QByteArray text = (Line("shown_us", QString::number(MonotonicMicroseconds())) + Text(window)).toUtf8();
        std::fwrite(text.constData(), 1, size_t(text.size()), stdout);
        std::fflush(stdout);
        QCoreApplication::quit();
    });
}

QString TShownReport::Text(const TtntfrmQuorvex& window) const {
    QString errors;
    for (const QString& message : FErrors) errors += Line("error", message);
    return Line("title", window.windowTitle()) + Line("application_title", QGuiApplication::applicationDisplayName()) +
           Line("banner", YesNo(window.tntimgBanner->isVisible())) +
           Line("languages", QString::number(window.tntcboIconPackLang->count())) +
           Line("language", window.tntcboIconPackLang->currentText()) +
           Line("icons", QString::number(window.tntlvIcon->count())) +
           Line("readme_chars", QString::number(window.tnttxtReadme->document()->characterCount() - 1)) +
           Line("agree_step", YesNo(window.tntbtnAgree->isVisible())) + errors;
}

}  // namespace qv
