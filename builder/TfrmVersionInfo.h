#pragma once
// The about dialog "QuorvaneBuilder のバージョン情報", made at start and reused: the logo, the
// builder's version, the version the compiler library reports, and who runs it on which machine.
#include <QDialog>

#include <string>

class QLabel;
class QPushButton;

namespace qv {

class TfrmVersionInfo : public QDialog {
    Q_OBJECT
public:
    static constexpr int kClientWidth = 449;
    static constexpr int kClientHeight = 344;

    // programDir (ending in '/') is where the compiler library is looked for first.
    explicit TfrmVersionInfo(std::string programDir, QWidget* parent = nullptr);

    // Fills the labels that change; runs every time the dialog is shown.
    void FormShow();

    QLabel* imgLogo = nullptr;
    QLabel* lblTitle = nullptr;
    QLabel* lblVersion = nullptr;
    QLabel* lblTitleCompiler = nullptr;
    QLabel* lblVersionCompiler = nullptr;
    QLabel* lblCopy = nullptr;
    QLabel* lnklblHome = nullptr;
    QLabel* lblUserName = nullptr;
    QLabel* lblComputerName = nullptr;
    QPushButton* btnOK = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QLabel* AddLabel(const char* name, const QString& text, int left, int top, int width, int height = 16);

    std::string FProgramDir;
};

}  // namespace qv
