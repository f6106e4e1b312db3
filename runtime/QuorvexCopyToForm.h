#pragma once
// The copy-to dialog of the package viewer (one instance, tntfrmIconPackCopyTo): a destination
// folder, a folder browser, a selected-only check box, a progress bar and the start button. It
// is made once at program start and stays hidden until the copy button opens it; the language
// application sets its caption, its controls' captions and fonts, and its question and error
// texts.
#include <QDialog>
#include <QString>

class QCheckBox;
class QLineEdit;
class QProgressBar;
class QPushButton;

namespace qv {

class TtntfrmIconPackCopyTo : public QDialog {
    Q_OBJECT
public:
    // The texts of the current language for the dialog's questions and errors; formats take one
    // "%s".
    struct TTexts {
        QString FConfirmMakeFolderText;
        QString FErrorMakeFolderText;
        QString FConfirmOverwriteText;
        QString FTitleConfirmText;
        QString FTitleErrorText;
    };

    // The instance becomes tntfrmIconPackCopyTo until it is destroyed.
    explicit TtntfrmIconPackCopyTo(QWidget* parent = nullptr);
    ~TtntfrmIconPackCopyTo() override;

    TTexts& Texts() { return FTexts; }
    const TTexts& Texts() const { return FTexts; }

    QLineEdit* tnttxtFilePath = nullptr;
    QPushButton* tntbtnBrowse = nullptr;
    QCheckBox* tntchkSelectOnly = nullptr;
    QProgressBar* tntpgbCopyTo = nullptr;
    QPushButton* tntbtnStart = nullptr;

private:
    void CreateControls();

    TTexts FTexts;
};

// The program's copy-to dialog; nullptr while there is none.
extern TtntfrmIconPackCopyTo* tntfrmIconPackCopyTo;

}  // namespace qv
