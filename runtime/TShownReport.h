#pragma once
// For timing and checking a package from outside: when QUORVEX_REPORT_SHOWN is set, the program
// prints what its window shows once the first showing has been handled, and then quits. Lines of
// "name: value" on standard output, the first one the moment of the report on the system's
// monotonic clock, so a caller that started the process can take the time from start to window.
// While the report is wanted nobody sits at the screen, so the report stands in as the seams:
// error boxes become "error:" lines of the report instead of windows waiting for a click.
// With QUORVEX_COPY_TO set to a folder as well, the report first copies every icon there through
// the copy-to dialog, as a user pressing its buttons would: the dialog's questions are answered
// Yes (or OK) and become "question:" lines, and the folder the shell would open an "opened:" line.
#include <QString>
#include <QStringList>

#include "platform/qt/TQtSystemSeams.h"
#include "platform/qt/TScopedSeams.h"

namespace qv {

class TtntfrmQuorvex;

class TShownReport : public TQtSystemSeams {
public:
    static constexpr const char* kVariable = "QUORVEX_REPORT_SHOWN";
    static constexpr const char* kCopyVariable = "QUORVEX_COPY_TO";

    static bool Requested();

    // In force as the seams for its lifetime.
    TShownReport();

    // Arranges for the report to be printed, and the program to quit, as soon as the events that
    // the showing posted have been handled.
    void AfterFirstShowing(TtntfrmQuorvex& window);
    // The report's lines after shown_us: title, application_title, banner, languages, language,
    // icons, readme_chars, agree_step, then one "error:" line per error box.
    QString Text(const TtntfrmQuorvex& window) const;

    void ShowErrorBox(const QString& message) override;
    int MessageDlg(const QString& msg, uint8_t kind, uint16_t buttons, const QString& title) override;
    bool OpenUrl(const QUrl& url) override;

private:
    // Passes the agree step if there is one, then copies every icon into folder through the
    // window's copy-to dialog.
    static void CopyIconsThroughDialog(TtntfrmQuorvex& window, const QString& folder);

    TScopedSeams FScope;
    QStringList FErrors;
    QStringList FCopyLines;  // the questions and the opened folder of the unattended copy
};

}  // namespace qv
