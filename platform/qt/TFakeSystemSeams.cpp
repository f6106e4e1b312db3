#include "platform/qt/TFakeSystemSeams.h"

#include <cerrno>
#include <stdexcept>

namespace qv {

namespace {

TSeamAnswer Answer(TSeamKind kind, bool accepted, const QStringList& texts = {}, int number = 0) {
    TSeamAnswer answer;
    answer.Kind = kind;
    answer.Accepted = accepted;
    answer.Texts = texts;
    answer.Number = number;
    return answer;
}

QStringList RequestArgs(const TFileDialogRequest& request) {
    return {request.Title, request.InitialDir, request.FileName, request.Filter,
            QString::number(request.FilterIndex), request.DefaultExt,
            request.OverwritePrompt ? QStringLiteral("1") : QStringLiteral("0")};
}

}  // namespace

const char* SeamKindName(TSeamKind kind) {
    static const char* const names[] = {
        "MessageDlg", "ErrorBox", "OpenFile", "OpenFiles", "SaveFile", "ChooseFolder", "ChooseFont",
        "OpenUrl", "Beep", "StartProcess", "IsProcessRunning", "KillProcess", "RunProcessAndWait",
    };
    return names[static_cast<int>(kind)];
}

void TFakeSystemSeams::PushAnswer(const TSeamAnswer& answer) {
    FAnswers.push_back(answer);
}

void TFakeSystemSeams::PushMessageResult(int result) {
    PushAnswer(Answer(TSeamKind::MessageDlg, true, {}, result));
}

void TFakeSystemSeams::PushOpenFile(const QString& file) {
    PushAnswer(Answer(TSeamKind::OpenFile, !file.isEmpty(), file.isEmpty() ? QStringList() : QStringList{file}));
}

void TFakeSystemSeams::PushOpenFiles(const QStringList& files) {
    PushAnswer(Answer(TSeamKind::OpenFiles, !files.isEmpty(), files));
}

void TFakeSystemSeams::PushSaveFile(const QString& file, int filterIndex) {
    PushAnswer(Answer(TSeamKind::SaveFile, !file.isEmpty(), file.isEmpty() ? QStringList() : QStringList{file},
                      filterIndex));
}

void TFakeSystemSeams::PushFolder(const QString& folder) {
    PushAnswer(Answer(TSeamKind::ChooseFolder, !folder.isEmpty(), {folder}));
}

void TFakeSystemSeams::PushFont(const QFont& font) {
    TSeamAnswer answer = Answer(TSeamKind::ChooseFont, true);
    answer.Font = font;
    PushAnswer(answer);
}

void TFakeSystemSeams::PushFontCancelled() {
    PushAnswer(Answer(TSeamKind::ChooseFont, false));
}

void TFakeSystemSeams::PushProcessStart(int pid) {
    PushAnswer(Answer(TSeamKind::StartProcess, true, {}, pid));
}

void TFakeSystemSeams::PushStartError(TSeamKind kind, int error) {
    TSeamAnswer answer = Answer(kind, false);
    answer.Error = error;
    PushAnswer(answer);
}

void TFakeSystemSeams::PushProcessStartError(int error) {
    PushStartError(TSeamKind::StartProcess, error);
}

void TFakeSystemSeams::PushProcessRun(int exitCode) {
    PushAnswer(Answer(TSeamKind::RunProcessAndWait, true, {}, exitCode));
}

void TFakeSystemSeams::PushProcessRunError(int error) {
    PushStartError(TSeamKind::RunProcessAndWait, error);
}

void TFakeSystemSeams::EndProcess(int pid) {
    FRunning.erase(pid);
}

std::vector<TSeamCall> TFakeSystemSeams::CallsOf(TSeamKind kind) const {
    std::vector<TSeamCall> calls;
    for (const TSeamCall& call : FCalls)
        if (call.Kind == kind) calls.push_back(call);
    return calls;
}

void TFakeSystemSeams::Record(TSeamKind kind, const QStringList& args) {
    FCalls.push_back({kind, args});
}

std::optional<TSeamAnswer> TFakeSystemSeams::NextAnswer(TSeamKind kind) {
    if (FAnswers.empty()) return std::nullopt;
    if (FAnswers.front().Kind != kind)
        throw std::logic_error(std::string("TFakeSystemSeams: ") + SeamKindName(kind) +
                               " was asked, but the next answer is for " + SeamKindName(FAnswers.front().Kind));
    TSeamAnswer answer = FAnswers.front();
    FAnswers.pop_front();
    return answer;
}

int TFakeSystemSeams::MessageDlg(const QString& msg, uint8_t kind, uint16_t buttons, const QString& title) {
    Record(TSeamKind::MessageDlg, {msg, QString::number(kind), QString::number(buttons), title});
    const std::optional<TSeamAnswer> answer = NextAnswer(TSeamKind::MessageDlg);
    return answer ? answer->Number : 2;
}

void TFakeSystemSeams::ShowErrorBox(const QString& message) {
    Record(TSeamKind::ErrorBox, {message});
}

TFileDialogResult TFakeSystemSeams::FileDialog(TSeamKind kind, const TFileDialogRequest& request) {
    Record(kind, RequestArgs(request));
    TFileDialogResult result;
    result.FilterIndex = request.FilterIndex;
    if (const std::optional<TSeamAnswer> answer = NextAnswer(kind)) {
        result.Accepted = answer->Accepted;
        if (answer->Accepted) result.Files = answer->Texts;
        if (kind == TSeamKind::SaveFile && answer->Accepted) result.FilterIndex = answer->Number;
    }
    return result;
}

TFileDialogResult TFakeSystemSeams::OpenFile(const TFileDialogRequest& request) {
    return FileDialog(TSeamKind::OpenFile, request);
}

TFileDialogResult TFakeSystemSeams::OpenFiles(const TFileDialogRequest& request) {
    return FileDialog(TSeamKind::OpenFiles, request);
}

TFileDialogResult TFakeSystemSeams::SaveFile(const TFileDialogRequest& request) {
    return FileDialog(TSeamKind::SaveFile, request);
}

QString TFakeSystemSeams::ChooseFolder(QWidget*, const QString& title, const QString& initialDir) {
    Record(TSeamKind::ChooseFolder, {title, initialDir});
    const std::optional<TSeamAnswer> answer = NextAnswer(TSeamKind::ChooseFolder);
    return answer && answer->Accepted ? answer->Texts.value(0) : QString();
}

std::optional<QFont> TFakeSystemSeams::ChooseFont(QWidget*, const QFont& initial, const QString& title) {
    Record(TSeamKind::ChooseFont, {title, initial.toString()});
    const std::optional<TSeamAnswer> answer = NextAnswer(TSeamKind::ChooseFont);
    return answer && answer->Accepted ? std::optional<QFont>(answer->Font) : std::nullopt;
}

bool TFakeSystemSeams::OpenUrl(const QUrl& url) {
    Record(TSeamKind::OpenUrl, {url.toString()});
    return true;
}

void TFakeSystemSeams::Beep() {
    Record(TSeamKind::Beep, {});
}

void TFakeSystemSeams::RecordProcess(TSeamKind kind, const std::vector<std::string>& argv,
                                     const std::string& workDir) {
    QStringList args{QString::fromStdString(workDir)};
    for (const std::string& arg : argv) args << QString::fromStdString(arg);
    Record(kind, args);
}

TProcessStart TFakeSystemSeams::StartProcess(const std::vector<std::string>& argv, const std::string& workDir) {
    RecordProcess(TSeamKind::StartProcess, argv, workDir);
    TProcessStart start;
    start.Error = ENOENT;
    if (const std::optional<TSeamAnswer> answer = NextAnswer(TSeamKind::StartProcess)) {
        start.Pid = answer->Accepted ? answer->Number : 0;
        start.Error = answer->Accepted ? 0 : answer->Error;
    }
    if (start.Started()) FRunning.insert(start.Pid);
    return start;
}

bool TFakeSystemSeams::IsProcessRunning(int pid) {
    Record(TSeamKind::IsProcessRunning, {QString::number(pid)});
    return FRunning.count(pid) != 0;
}

bool TFakeSystemSeams::KillProcess(int pid) {
    Record(TSeamKind::KillProcess, {QString::number(pid)});
    return FRunning.erase(pid) != 0;
}

TProcessRun TFakeSystemSeams::RunProcessAndWait(const std::vector<std::string>& argv, const std::string& workDir) {
    RecordProcess(TSeamKind::RunProcessAndWait, argv, workDir);
    TProcessRun run;
    run.Start.Error = ENOENT;
    if (const std::optional<TSeamAnswer> answer = NextAnswer(TSeamKind::RunProcessAndWait)) {
        run.Start.Error = answer->Accepted ? 0 : answer->Error;
        run.Start.Pid = answer->Accepted ? 1 : 0;  // a stand-in id: the run has ended on return
        run.ExitCode = answer->Accepted ? answer->Number : -1;
    }
    return run;
}

}  // namespace qv
