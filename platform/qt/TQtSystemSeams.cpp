#include "platform/qt/TQtSystemSeams.h"

#include <QApplication>
#include <QDesktopServices>
#include <QEventLoop>
#include <QFileDialog>
#include <QFontDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QSocketNotifier>
#include <QTimer>

#include <unistd.h>

#include <map>
#include <memory>

namespace qv {

namespace {

TQtSystemSeams::TMessageDlgHandler& MessageDlgHandler() {
    static TQtSystemSeams::TMessageDlgHandler handler;
    return handler;
}

QMessageBox::Icon IconOfKind(uint8_t kind) {
    switch (kind) {
    case 0: return QMessageBox::Warning;
    case 1: return QMessageBox::Critical;
    case 2: return QMessageBox::Information;
    case 3: return QMessageBox::Question;
    default: return QMessageBox::NoIcon;
    }
}

// The stand-in for the project's dialog: the same buttons in the same order, the same results.
int StandInMessageDlg(const QString& msg, uint8_t kind, uint16_t buttons, const QString& title) {
    struct TButtonDef { uint16_t Bit; QMessageBox::StandardButton Standard; int Result; };
    static const TButtonDef defs[] = {
        {1, QMessageBox::Yes, 6},     {2, QMessageBox::No, 7},          {4, QMessageBox::Ok, 1},
        {8, QMessageBox::Cancel, 2},  {16, QMessageBox::Abort, 3},      {32, QMessageBox::Retry, 4},
        {64, QMessageBox::Ignore, 5}, {128, QMessageBox::NoButton, 8},  {256, QMessageBox::NoToAll, 9},
        {512, QMessageBox::YesToAll, 10},
    };
    QMessageBox box(IconOfKind(kind), title, msg, QMessageBox::NoButton, QApplication::activeWindow());
    std::map<QAbstractButton*, int> results;
    for (const TButtonDef& def : defs) {
        if (!(buttons & def.Bit)) continue;
        QAbstractButton* button = def.Standard == QMessageBox::NoButton
                                      ? box.addButton(QMessageBox::tr("All"), QMessageBox::AcceptRole)
                                      : box.addButton(def.Standard);
        results[button] = def.Result;
    }
    // Closing the window answers 2 like the design's dialog: a box closes only through an escape
    // button of its own, so an invisible one stands there (in this stand-in Escape closes too).
    QPushButton* closeButton = box.addButton(QString(), QMessageBox::RejectRole);
    closeButton->hide();
    box.setEscapeButton(closeButton);
    box.exec();
    auto found = results.find(box.clickedButton());
    return found == results.end() ? 2 : found->second;
}

void PrepareFileDialog(QFileDialog& dialog, const TFileDialogRequest& request) {
    dialog.setWindowTitle(request.Title);
    const QStringList filters = TQtSystemSeams::NameFilters(request.Filter);
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        dialog.selectNameFilter(filters.value(request.FilterIndex - 1, filters.first()));
    }
    if (!request.InitialDir.isEmpty()) dialog.setDirectory(request.InitialDir);
    if (!request.FileName.isEmpty()) dialog.selectFile(request.FileName);
    dialog.setDefaultSuffix(request.DefaultExt);
}

TFileDialogResult RunFileDialog(QFileDialog& dialog) {
    TFileDialogResult result;
    result.Accepted = dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty();
    if (result.Accepted) result.Files = dialog.selectedFiles();
    const int index = dialog.nameFilters().indexOf(dialog.selectedNameFilter());
    result.FilterIndex = index < 0 ? 1 : index + 1;
    return result;
}

TFileDialogResult OpenDialog(const TFileDialogRequest& request, QFileDialog::FileMode mode) {
    QFileDialog dialog(request.Parent);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(mode);
    PrepareFileDialog(dialog, request);
    return RunFileDialog(dialog);
}

// Waits for the child's end in a local event loop: woken by its pidfd, or by a slow poll where
// the kernel has none.
void WaitInEventLoop(int pid) {
    QEventLoop loop;
    const int fd = OpenChildProcessExitFd(pid);
    std::unique_ptr<QSocketNotifier> notifier;
    QTimer poll;
    if (fd >= 0) {
        notifier = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
        QObject::connect(notifier.get(), &QSocketNotifier::activated, &loop, &QEventLoop::quit);
    } else {
        QObject::connect(&poll, &QTimer::timeout, &loop, [&loop, pid] {
            if (!IsChildProcessRunning(pid)) loop.quit();
        });
        poll.start(50);
    }
    if (IsChildProcessRunning(pid)) loop.exec();
    notifier.reset();
    if (fd >= 0) ::close(fd);
}

}  // namespace

void TQtSystemSeams::SetMessageDlgHandler(TMessageDlgHandler handler) {
    MessageDlgHandler() = std::move(handler);
}

QStringList TQtSystemSeams::NameFilters(const QString& designFilter) {
    QStringList parts = designFilter.split(QLatin1Char('|'));
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        const QString& pattern = parts[i + 1];
        QString description = parts[i];
        const QString suffix = QLatin1Char('(') + pattern + QLatin1Char(')');
        if (description.endsWith(suffix)) description.chop(suffix.size());
        else description += QLatin1Char(' ');
        QString qtPattern = pattern;
        qtPattern.replace(QLatin1Char(';'), QLatin1Char(' '));
        filters << description + QLatin1Char('(') + qtPattern + QLatin1Char(')');
    }
    return filters;
}

int TQtSystemSeams::MessageDlg(const QString& msg, uint8_t kind, uint16_t buttons, const QString& title) {
    const TMessageDlgHandler& handler = MessageDlgHandler();
    return handler ? handler(msg, kind, buttons, title) : StandInMessageDlg(msg, kind, buttons, title);
}

void TQtSystemSeams::ShowErrorBox(const QString& message) {
    QMessageBox::critical(QApplication::activeWindow(), QApplication::applicationDisplayName(), message);
}

TFileDialogResult TQtSystemSeams::OpenFile(const TFileDialogRequest& request) {
    return OpenDialog(request, QFileDialog::ExistingFile);
}

TFileDialogResult TQtSystemSeams::OpenFiles(const TFileDialogRequest& request) {
    return OpenDialog(request, QFileDialog::ExistingFiles);
}

TFileDialogResult TQtSystemSeams::SaveFile(const TFileDialogRequest& request) {
    QFileDialog dialog(request.Parent);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.OverwritePrompt);
    PrepareFileDialog(dialog, request);
    return RunFileDialog(dialog);
}

QString TQtSystemSeams::ChooseFolder(QWidget* parent, const QString& title, const QString& initialDir) {
    return QFileDialog::getExistingDirectory(parent, title, initialDir, QFileDialog::ShowDirsOnly);
}

std::optional<QFont> TQtSystemSeams::ChooseFont(QWidget* parent, const QFont& initial, const QString& title) {
    bool ok = false;
    const QFont font = QFontDialog::getFont(&ok, initial, parent, title);
    return ok ? std::optional<QFont>(font) : std::nullopt;
}

bool TQtSystemSeams::OpenUrl(const QUrl& url) {
    return QDesktopServices::openUrl(url);
}

void TQtSystemSeams::Beep() {
    QApplication::beep();
}

TProcessStart TQtSystemSeams::StartProcess(const std::vector<std::string>& argv, const std::string& workDir) {
    return StartChildProcess(argv, workDir);
}

bool TQtSystemSeams::IsProcessRunning(int pid) {
    return IsChildProcessRunning(pid);
}

bool TQtSystemSeams::KillProcess(int pid) {
    return KillChildProcess(pid);
}

TProcessRun TQtSystemSeams::RunProcessAndWait(const std::vector<std::string>& argv, const std::string& workDir) {
    TProcessRun run;
    run.Start = StartChildProcess(argv, workDir);
    if (!run.Start.Started()) return run;
    WaitInEventLoop(run.Start.Pid);
    run.ExitCode = WaitChildProcess(run.Start.Pid);
    return run;
}

}  // namespace qv
