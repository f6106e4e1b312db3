#pragma once
// The copy-to dialog of the package viewer (one instance, tntfrmIconPackCopyTo): a destination
// folder, a folder browser, a selected-only check box, a progress bar and the start button. It
// is made once at program start and stays hidden until the copy button opens it; the language
// application sets its caption, its controls' captions and fonts, and its question and error
// texts.
#include <QDialog>
#include <QString>
#include <QStringList>

#include <functional>
#include <string>

class QCheckBox;
class QLineEdit;
class QProgressBar;
class QPushButton;

namespace qv {

// The copy worker: a folder path ending in a delimiter and a selected-only flag in, the paths of
// the files written out.
using TCopyIconsEvent = std::function<QStringList(const QString& folder, bool selectedOnly)>;

// The text with a '/' appended unless it already ends in one.
QString AppendBackslashW(const QString& text);
// The format with its first "%s" replaced by the argument ("%%" stands for "%").
QString FormatW(const QString& format, const QString& argument);

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

    // Set at every opening: the package name (system code page) appended to a browsed folder,
    // and the copy worker.
    void SetCopyRequest(const std::string& packName, TCopyIconsEvent onCopy);
    // The folder browser; a picked folder becomes the destination with the package name.
    void tntbtnBrowseClick();
    // Makes the destination if asked to, runs the copy worker and opens the destination when
    // something was written, then closes. Errors of the worker propagate after the dialog is
    // enabled again.
    void tntbtnStartClick();

    QLineEdit* tnttxtFilePath = nullptr;
    QPushButton* tntbtnBrowse = nullptr;
    QCheckBox* tntchkSelectOnly = nullptr;
    QProgressBar* tntpgbCopyTo = nullptr;
    QPushButton* tntbtnStart = nullptr;

private:
    void CreateControls();
    // Steps of the start: false when the destination is missing and is not made.
    bool EnsureDestination(const QString& path);
    QStringList RunCopy(const QString& folder);

    TTexts FTexts;
    std::string FPackName;
    TCopyIconsEvent FOnCopy;
};

// The program's copy-to dialog; nullptr while there is none.
extern TtntfrmIconPackCopyTo* tntfrmIconPackCopyTo;

}  // namespace qv
