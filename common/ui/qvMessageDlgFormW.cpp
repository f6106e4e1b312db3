#include "common/ui/qvMessageDlgFormW.h"

#include <QCoreApplication>

#include <memory>

#include "platform/qt/TQtSystemSeams.h"

namespace qv {

TfrmqvMessageDlgFormW* frmqvMessageDlgFormW = nullptr;

void EnsureMessageDlgForm() {
    if (frmqvMessageDlgFormW) return;
    frmqvMessageDlgFormW = new TfrmqvMessageDlgFormW();
    // Windows without an owner outlive the application object unless someone deletes them.
    qRemovePostRoutine(FreeMessageDlgForm);
    qAddPostRoutine(FreeMessageDlgForm);
}

void FreeMessageDlgForm() {
    delete frmqvMessageDlgFormW;
    frmqvMessageDlgFormW = nullptr;
}

int MessageDlgW(const QString& Msg, uint8_t Kind, uint16_t Buttons, const QString& Title) {
    EnsureMessageDlgForm();
    TfrmqvMessageDlgFormW* form = frmqvMessageDlgFormW;
    std::unique_ptr<TfrmqvMessageDlgFormW> nested;
    if (form->isVisible()) {
        nested = std::make_unique<TfrmqvMessageDlgFormW>();
        nested->CopyCaptionsFrom(*form);
        form = nested.get();
    }
    form->SetIconKind(Kind);
    form->SetTitle(Title);
    form->SetMessage(Msg);
    form->SetButtons(Buttons);
    return form->exec();
}

void InstallMessageDlgW() {
    TQtSystemSeams::SetMessageDlgHandler(&MessageDlgW);
}

}  // namespace qv
