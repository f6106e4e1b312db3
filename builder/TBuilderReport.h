#pragma once
// For checking a builder, an installed one above all, from outside: when QUORBUILD_REPORT_SHOWN
// is set, the builder prints where it found its own files once its window has been shown, closes
// the window as a user would (so the settings are written) and quits, reporting where the
// settings went. A value of command names ("actCompile,actCompress") first runs those commands
// in order on the project it opened, reporting the status text after each. Lines of "name: value" on standard output. Nobody sits at
// the screen meanwhile: message boxes and beeps become lines of the report, a question is
// answered No (or OK), and the shell opens nothing.
#include <QString>
#include <QStringList>

#include "platform/qt/TQtSystemSeams.h"
#include "platform/qt/TScopedSeams.h"

namespace qv {

class TfrmBuilderMain;

class TBuilderReport : public TQtSystemSeams {
public:
    static constexpr const char* kVariable = "QUORBUILD_REPORT_SHOWN";

    static bool Requested();

    // In force as the seams for its lifetime.
    TBuilderReport();

    // Arranges for the report, the closing and the quitting once the showing has been handled.
    void AfterFirstShowing(TfrmBuilderMain& window);

    int MessageDlg(const QString& msg, uint8_t kind, uint16_t buttons, const QString& title) override;
    void ShowErrorBox(const QString& message) override;
    bool OpenUrl(const QUrl& url) override;
    void Beep() override;

private:
    // program_dir, library, languages, language_texts, readme, manual, settings_read.
    static QString Found(const TfrmBuilderMain& window);
    QString Run(TfrmBuilderMain& window);

    TScopedSeams FScope;
    QStringList FEvents;  // message, error, opened and beep lines, in order
};

}  // namespace qv
