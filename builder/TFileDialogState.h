#pragma once
// What a file dialog of the window keeps between uses: its start folder, the file name it holds
// (preset, or last chosen) and its selected filter. Showing it goes through the seams.
#include <QString>

#include "platform/qt/TSystemSeams.h"

namespace qv {

enum class TFileDialogKind { Open, OpenMany, Save };

class TFileDialogState {
public:
    TFileDialogState(TFileDialogKind kind, TFileDialogRequest request) : FKind(kind), FRequest(std::move(request)) {}

    QString InitialDir() const { return FRequest.InitialDir; }
    void SetInitialDir(const QString& dir) { FRequest.InitialDir = dir; }
    QString FileName() const { return FRequest.FileName; }
    void SetFileName(const QString& file) { FRequest.FileName = file; }
    int FilterIndex() const { return FRequest.FilterIndex; }
    void SetFilterIndex(int index) { FRequest.FilterIndex = index; }
    const QStringList& Files() const { return FFiles; }

    // Shows the dialog; when the user confirms, the chosen file (or files) and filter are kept
    // and true is returned.
    bool Execute();

private:
    TFileDialogKind FKind;
    TFileDialogRequest FRequest;
    QStringList FFiles;
};

}  // namespace qv
