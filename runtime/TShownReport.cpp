#include "runtime/TShownReport.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QUrl>
#include <QTimer>

#include <time.h>

#include <cstdio>

#include "runtime/MessageCodes.h"
#include "runtime/QuorvexCopyToForm.h"
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

int TShownReport::MessageDlg(const QString& msg, uint8_t, uint16_t buttons, const QString&) {
    FCopyLines << Line("question", msg);
    return (buttons & msg::kYes) ? msg::kResultYes : msg::kResultOk;
}

bool TShownReport::OpenUrl(const QUrl& url) {
    FCopyLines << Line("opened", url.toLocalFile());
    return true;
}

void TShownReport::CopyIconsThroughDialog(TtntfrmQuorvex& window, const QString& folder) {
    if (window.tntbtnAgree->isVisible()) window.tntbtnAgree->click();
    TtntfrmIconPackCopyTo* dialog = tntfrmIconPackCopyTo;
    if (!dialog) return;
    // Posted first, so it runs inside the dialog's own event loop once the dialog is open.
    QTimer::singleShot(0, dialog, [dialog, folder] {
        dialog->tnttxtFilePath->setText(folder);
        dialog->tntbtnStart->click();
        if (dialog->isVisible()) dialog->reject();
    });
    window.tntbtnCopyTo->click();
}

void TShownReport::AfterFirstShowing(TtntfrmQuorvex& window) {
    QTimer::singleShot(0, &window, [this, &window] {
        QCoreApplication::processEvents();
        QString report = Line("shown_us", QString::number(MonotonicMicroseconds())) + Text(window);
        const QString copyTo = qEnvironmentVariable(kCopyVariable);
        if (!copyTo.isEmpty()) {
            CopyIconsThroughDialog(window, copyTo);
            report += FCopyLines.join(QString());
        }
        const QByteArray text = report.toUtf8();
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
