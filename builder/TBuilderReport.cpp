#include "builder/TBuilderReport.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QTimer>
#include <QUrl>

#include <cstdio>

#include "builder/BuilderText.h"
#include "builder/TLanguagePage.h"
#include "builder/TfrmBuilderMain.h"
#include "builder/TfrmEditLanguageList.h"
#include "common/CompilerTexts.h"
#include "common/TCompilerLibrary.h"
#include "platform/FileIO.h"

namespace qv {
namespace {

constexpr int kResultOk = 1, kResultNo = 7;
constexpr uint16_t kButtonNo = 0x0002;

QString Line(const char* name, const QString& value) {
    return QString::fromLatin1(name) + QStringLiteral(": ") + value + QLatin1Char('\n');
}

QString YesNo(bool value) { return value ? QStringLiteral("yes") : QStringLiteral("no"); }

QString LibraryVersion(const std::string& programDir) {
    TCompilerLibrary library;
    if (!library.Load(programDir)) return QStringLiteral("error ") + QString::fromStdString(library.Error());
    const QString version = library.HasGetVersion() ? QString::fromStdString(FormatCompilerVersion(library.GetVersion()))
                                                    : QStringLiteral("error no GetVersion");
    library.Unload();
    return version;
}

QString Languages(const TfrmBuilderMain& window) {
    const QComboBox& selector = *window.LanguagePage().tntcboLanguage;
    QStringList names;
    for (int i = 0; i < selector.count(); ++i) names << selector.itemText(i);
    return names.join(QStringLiteral(", "));
}

// For each language whether it has interface texts: "yes, no" for two languages, the second
// without (its template missing, say).
QString LanguageTexts(const TfrmBuilderMain& window) {
    QStringList present;
    for (const std::u16string& text : window.SysTexts()) present << YesNo(!text.empty());
    return present.join(QStringLiteral(", "));
}

}  // namespace

bool TBuilderReport::Requested() { return !qEnvironmentVariableIsEmpty(kVariable); }

TBuilderReport::TBuilderReport() : FScope(*this) {}

int TBuilderReport::MessageDlg(const QString& msg, uint8_t, uint16_t buttons, const QString&) {
    FEvents << Line("message", msg);
    return (buttons & kButtonNo) ? kResultNo : kResultOk;
}

void TBuilderReport::ShowErrorBox(const QString& message) { FEvents << Line("error", message); }

bool TBuilderReport::OpenUrl(const QUrl& url) {
    FEvents << Line("opened", url.toString());
    return true;
}

void TBuilderReport::Beep() { FEvents << Line("beep", QStringLiteral("yes")); }

QString TBuilderReport::Found(const TfrmBuilderMain& window) {
    const std::string& dir = window.ProgramDir();
    return Line("program_dir", PathToQ(dir)) + Line("library", LibraryVersion(dir)) + Line("languages", Languages(window)) +
           Line("language_texts", LanguageTexts(window)) +
           Line("readme", YesNo(FileExists(dir + "readme.txt"))) + Line("manual", YesNo(FileExists(dir + "manual.txt"))) +
           Line("settings_read", PathToQ(window.Places().SettingsFileToRead()));
}

QString TBuilderReport::Run(TfrmBuilderMain& window) {
    QString report = Found(window);
    for (const QString& name : qEnvironmentVariable(kVariable).split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        if (!name.startsWith(QLatin1String("act"))) continue;  // "1" and the like only ask for the report
        QAction* action = window.Action(name.toLatin1().constData());
        if (!action) {
            report += Line("status", name + QStringLiteral(" is no command"));
            continue;
        }
        action->trigger();
        report += Line("status", name + QStringLiteral(" ") + window.StatusText());
    }
    window.close();
    const std::string settings = window.Places().SettingsFileToRead();
    report += Line("settings_written", FileExists(settings) ? PathToQ(settings) : QString());
    return report + FEvents.join(QString());
}

void TBuilderReport::AfterFirstShowing(TfrmBuilderMain& window) {
    QTimer::singleShot(0, &window, [this, &window] {
        QCoreApplication::processEvents();
        const QByteArray text = Run(window).toUtf8();
        std::fwrite(text.constData(), 1, size_t(text.size()), stdout);
        std::fflush(stdout);
        QCoreApplication::quit();
    });
}

}  // namespace qv
