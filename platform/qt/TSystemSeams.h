#pragma once
// Every modal question, file and folder dialog, font dialog, shell call, beep and process start
// of the window programs passes through one service, so that tests can answer and record them
// and never block on a modal window. Seams() is the service in force: the real one unless a
// TScopedSeams has put another in its place.
#include <QFont>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/ChildProcess.h"

class QWidget;

namespace qv {

// One file dialog as the design describes it.
struct TFileDialogRequest {
    QWidget* Parent = nullptr;
    QString Title;
    QString InitialDir;
    QString FileName;         // preset file name; with a folder part it also picks the folder
    QString Filter;           // "Description|pattern|Description|pattern", patterns joined by ';'
    int FilterIndex = 1;      // the selected filter, counted from 1
    QString DefaultExt;       // without the dot; added to a typed name that has no extension
    bool OverwritePrompt = false;  // save dialogs: ask before an existing file is chosen
};

struct TFileDialogResult {
    bool Accepted = false;
    QStringList Files;        // the chosen files; one for the open-one and save dialogs
    int FilterIndex = 1;      // the filter selected when the dialog closed, counted from 1
    QString File() const { return Files.value(0); }
};

// A process started and waited for; ExitCode as WaitChildProcess reports it.
struct TProcessRun {
    TProcessStart Start;
    int ExitCode = -1;
};

class TSystemSeams {
public:
    virtual ~TSystemSeams() = default;

    // The message dialog: Kind 0 warning, 1 error, 2 information, 3 confirmation; Buttons the
    // bit set (1 Yes, 2 No, 4 OK, 8 Cancel, 16 Abort, 32 Retry, 64 Ignore, 128 All, 256 No to
    // all, 512 Yes to all). Returns the pressed button's result, 2 when the window is closed.
    virtual int MessageDlg(const QString& msg, uint8_t kind, uint16_t buttons, const QString& title) = 0;
    // The standard error box of the application object: a modal box with the message.
    virtual void ShowErrorBox(const QString& message) = 0;

    virtual TFileDialogResult OpenFile(const TFileDialogRequest& request) = 0;   // an existing file
    virtual TFileDialogResult OpenFiles(const TFileDialogRequest& request) = 0;  // existing files
    virtual TFileDialogResult SaveFile(const TFileDialogRequest& request) = 0;
    // An existing folder; empty when cancelled.
    virtual QString ChooseFolder(QWidget* parent, const QString& title, const QString& initialDir) = 0;
    // The chosen font; nothing when cancelled.
    virtual std::optional<QFont> ChooseFont(QWidget* parent, const QFont& initial, const QString& title) = 0;

    // The shell's "open" of a file, folder or address; false when nothing could open it.
    virtual bool OpenUrl(const QUrl& url) = 0;
    virtual void Beep() = 0;

    // Child processes with an argument vector (argv[0] is the program's path), no shell.
    virtual TProcessStart StartProcess(const std::vector<std::string>& argv, const std::string& workDir) = 0;
    virtual bool IsProcessRunning(int pid) = 0;
    virtual bool KillProcess(int pid) = 0;  // kill signal and reap; true when it was running
    // Starts the process and runs a local event loop until it ends, so windows keep working.
    virtual TProcessRun RunProcessAndWait(const std::vector<std::string>& argv, const std::string& workDir) = 0;
};

// The service in force.
TSystemSeams& Seams();
// Puts seams in force (nullptr: the real service) and returns the one it replaces; TScopedSeams
// is the usual way to call it.
TSystemSeams* ReplaceSeams(TSystemSeams* seams);

}  // namespace qv
