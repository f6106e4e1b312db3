#pragma once
// The real seams: Qt's file, folder and font dialogs, QDesktopServices, the application beep and
// the platform's child processes. The message dialog is whatever the program installed with
// SetMessageDlgHandler (the project's own dialog); until then a QMessageBox stands in.
#include <functional>

#include "platform/qt/TSystemSeams.h"

namespace qv {

class TQtSystemSeams : public TSystemSeams {
public:
    using TMessageDlgHandler = std::function<int(const QString& msg, uint8_t kind, uint16_t buttons, const QString& title)>;
    // Installs the dialog behind MessageDlg for every TQtSystemSeams; an empty handler restores
    // the stand-in.
    static void SetMessageDlgHandler(TMessageDlgHandler handler);

    // "Desc|*.a;*.b|Desc2|*.c" as Qt name filters ("Desc (*.a *.b)", "Desc2 (*.c)"); a
    // description that already ends in "(pattern)" is kept as it reads.
    static QStringList NameFilters(const QString& designFilter);

    int MessageDlg(const QString& msg, uint8_t kind, uint16_t buttons, const QString& title) override;
    void ShowErrorBox(const QString& message) override;
    TFileDialogResult OpenFile(const TFileDialogRequest& request) override;
    TFileDialogResult OpenFiles(const TFileDialogRequest& request) override;
    TFileDialogResult SaveFile(const TFileDialogRequest& request) override;
    QString ChooseFolder(QWidget* parent, const QString& title, const QString& initialDir) override;
    std::optional<QFont> ChooseFont(QWidget* parent, const QFont& initial, const QString& title) override;
    bool OpenUrl(const QUrl& url) override;
    void Beep() override;
    TProcessStart StartProcess(const std::vector<std::string>& argv, const std::string& workDir) override;
    bool IsProcessRunning(int pid) override;
    bool KillProcess(int pid) override;
    TProcessRun RunProcessAndWait(const std::vector<std::string>& argv, const std::string& workDir) override;
};

}  // namespace qv
