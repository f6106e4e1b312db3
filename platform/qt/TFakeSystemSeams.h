#pragma once
// The test double of the seams: answers every question from one queue, in the order the answers
// were pushed, and records every call with its arguments, so that widget tests never block on a
// modal window. A question with no answer left gets the answer of a cancelled dialog (message
// result 2, no file, no folder, no font, a process that could not start); an answer pushed for
// another kind of question than the one asked throws std::logic_error naming both.
// Shell calls, beeps and process questions about running, killing take no answer.
#include <deque>
#include <set>

#include "platform/qt/TSystemSeams.h"

namespace qv {

enum class TSeamKind {
    MessageDlg, ErrorBox, OpenFile, OpenFiles, SaveFile, ChooseFolder, ChooseFont,
    OpenUrl, Beep, StartProcess, IsProcessRunning, KillProcess, RunProcessAndWait,
};
const char* SeamKindName(TSeamKind kind);

// What a call carried, as text:
//   MessageDlg: msg, kind, buttons, title          ErrorBox: message
//   OpenFile, OpenFiles, SaveFile: title, initial dir, file name, filter, filter index,
//                                  default extension, overwrite prompt ("1"/"0")
//   ChooseFolder: title, initial dir               ChooseFont: title, initial font (QFont::toString)
//   OpenUrl: the address                           Beep: nothing
//   StartProcess, RunProcessAndWait: work dir, then argv      IsProcessRunning, KillProcess: pid
struct TSeamCall {
    TSeamKind Kind;
    QStringList Args;
};

struct TSeamAnswer {
    TSeamKind Kind = TSeamKind::MessageDlg;
    int Number = 0;          // message result, filter index, pid, exit code
    int Error = 0;           // process start error
    bool Accepted = false;   // dialogs: confirmed
    QStringList Texts;       // files, folder
    QFont Font;
};

class TFakeSystemSeams : public TSystemSeams {
public:
    void PushAnswer(const TSeamAnswer& answer);
    void PushMessageResult(int result);
    void PushOpenFile(const QString& file);            // an empty name: the dialog is cancelled
    void PushOpenFiles(const QStringList& files);      // an empty list: cancelled
    void PushSaveFile(const QString& file, int filterIndex = 1);  // empty: cancelled
    void PushFolder(const QString& folder);            // empty: cancelled
    void PushFont(const QFont& font);
    void PushFontCancelled();
    void PushProcessStart(int pid);                    // the process runs until killed or ended
    void PushProcessStartError(int error);
    void PushProcessRun(int exitCode);                 // started, ended with this code
    void PushProcessRunError(int error);               // could not start
    // Marks a process started through this double as ended on its own.
    void EndProcess(int pid);

    const std::vector<TSeamCall>& Calls() const { return FCalls; }
    std::vector<TSeamCall> CallsOf(TSeamKind kind) const;
    size_t PendingAnswers() const { return FAnswers.size(); }
    void ClearCalls() { FCalls.clear(); }

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

private:
    void PushStartError(TSeamKind kind, int error);
    void Record(TSeamKind kind, const QStringList& args);
    // The next answer when it is for this kind; nothing when the queue is empty.
    std::optional<TSeamAnswer> NextAnswer(TSeamKind kind);
    TFileDialogResult FileDialog(TSeamKind kind, const TFileDialogRequest& request);
    void RecordProcess(TSeamKind kind, const std::vector<std::string>& argv, const std::string& workDir);

    std::deque<TSeamAnswer> FAnswers;
    std::vector<TSeamCall> FCalls;
    std::set<int> FRunning;
};

}  // namespace qv
