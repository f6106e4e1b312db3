#include "runtime/QuorvexCopyToForm.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>

#include "common/PathEdit.h"
#include "platform/CodePage.h"
#include "platform/FileIO.h"
#include "platform/qt/ShellOpen.h"
#include "platform/qt/TQvApplication.h"
#include "platform/qt/TSystemSeams.h"
#include "runtime/DesignFonts.h"
#include "runtime/MessageCodes.h"

namespace qv {

TtntfrmIconPackCopyTo* tntfrmIconPackCopyTo = nullptr;

namespace {
constexpr int kClientWidth = 498;
constexpr int kClientHeight = 66;

std::string ToAnsi(const QString& text) { return UnicodeToAnsi(text.toStdU16String()); }
QString Widen(const std::string& ansi) { return QString::fromStdU16String(AnsiToUnicode(ansi)); }
}  // namespace

QString AppendBackslashW(const QString& text) {
    return text.endsWith(QLatin1Char(PathDelim)) ? text : text + QLatin1Char(PathDelim);
}

QString FormatW(const QString& format, const QString& argument) {
    QString result;
    bool used = false;
    for (int i = 0; i < format.size(); ++i) {
        const QChar c = format.at(i);
        if (c != QLatin1Char('%') || i + 1 >= format.size()) {
            result += c;
            continue;
        }
        const QChar next = format.at(++i);
        if (next == QLatin1Char('s') && !used) {
            result += argument;
            used = true;
        } else if (next == QLatin1Char('%')) {
            result += next;
        } else {
            result += c;
            result += next;
        }
    }
    return result;
}

TtntfrmIconPackCopyTo::TtntfrmIconPackCopyTo(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("tntfrmIconPackCopyTo"));
    setWindowTitle(QStringLiteral("tntfrmIconPackCopyTo"));
    setFont(DesignFormFont());
    setFixedSize(kClientWidth, kClientHeight);
    CreateControls();
    tntfrmIconPackCopyTo = this;
}

TtntfrmIconPackCopyTo::~TtntfrmIconPackCopyTo() {
    if (tntfrmIconPackCopyTo == this) tntfrmIconPackCopyTo = nullptr;
}

void TtntfrmIconPackCopyTo::CreateControls() {
    tnttxtFilePath = new QLineEdit(this);
    tnttxtFilePath->setObjectName(QStringLiteral("tnttxtFilePath"));
    tnttxtFilePath->setGeometry(8, 8, 393, 21);

    tntbtnBrowse = new QPushButton(QStringLiteral("tntbtnBrowse"), this);
    tntbtnBrowse->setObjectName(QStringLiteral("tntbtnBrowse"));
    tntbtnBrowse->setGeometry(408, 6, 81, 25);

    tntchkSelectOnly = new QCheckBox(QStringLiteral("tntchkSelectOnly"), this);
    tntchkSelectOnly->setObjectName(QStringLiteral("tntchkSelectOnly"));
    tntchkSelectOnly->setGeometry(8, 32, 265, 30);

    tntpgbCopyTo = new QProgressBar(this);
    tntpgbCopyTo->setObjectName(QStringLiteral("tntpgbCopyTo"));
    tntpgbCopyTo->setGeometry(280, 38, 121, 22);
    tntpgbCopyTo->setTextVisible(false);
    tntpgbCopyTo->hide();

    tntbtnStart = new QPushButton(QStringLiteral("tntbtnStart"), this);
    tntbtnStart->setObjectName(QStringLiteral("tntbtnStart"));
    tntbtnStart->setGeometry(408, 36, 81, 25);
    tntbtnStart->setDefault(true);

    // An error of a click ends it in the standard error box; the dialog goes on.
    auto reported = [](void (TtntfrmIconPackCopyTo::*handler)(), TtntfrmIconPackCopyTo* form) {
        return [handler, form] {
            try {
                (form->*handler)();
            } catch (...) {
                TQvApplication::ShowException(std::current_exception());
            }
        };
    };
    connect(tntbtnBrowse, &QPushButton::clicked, this, reported(&TtntfrmIconPackCopyTo::tntbtnBrowseClick, this));
    connect(tntbtnStart, &QPushButton::clicked, this, reported(&TtntfrmIconPackCopyTo::tntbtnStartClick, this));
}

void TtntfrmIconPackCopyTo::SetCopyRequest(const std::string& packName, TCopyIconsEvent onCopy) {
    FPackName = packName;
    FOnCopy = std::move(onCopy);
}

void TtntfrmIconPackCopyTo::tntbtnBrowseClick() {
    const QString folder = Seams().ChooseFolder(this, windowTitle(), QString());
    if (folder.isEmpty()) return;
    tnttxtFilePath->setText(AppendBackslashW(folder) + Widen(FPackName) + QLatin1Char(PathDelim));
}

bool TtntfrmIconPackCopyTo::EnsureDestination(const QString& path) {
    if (DirectoryExists(ToAnsi(path))) return true;
    if (Seams().MessageDlg(FormatW(FTexts.FConfirmMakeFolderText, path), msg::kConfirmation, msg::kYes | msg::kCancel,
                           FTexts.FTitleConfirmText) == msg::kResultCancel)
        return false;
    // An empty path, or one that names a file, cannot be made: the same error as any other.
    if (!path.isEmpty() && ForceDirectories(ToAnsi(path))) return true;
    Seams().MessageDlg(FormatW(FTexts.FErrorMakeFolderText, path), msg::kError, msg::kOk, FTexts.FTitleErrorText);
    return false;
}

QStringList TtntfrmIconPackCopyTo::RunCopy(const QString& folder) {
    setEnabled(false);
    tntpgbCopyTo->show();
    // The box's own enabled state, set at the opening; the disabled dialog does not count.
    const bool selectedOnly = tntchkSelectOnly->isChecked() && tntchkSelectOnly->isEnabledTo(this);
    QStringList written;
    try {
        if (FOnCopy) written = FOnCopy(folder, selectedOnly);
    } catch (...) {
        setEnabled(true);
        tntpgbCopyTo->hide();
        throw;
    }
    setEnabled(true);
    tntpgbCopyTo->hide();
    return written;
}

void TtntfrmIconPackCopyTo::tntbtnStartClick() {
    const QString typed = tnttxtFilePath->text();
    if (!EnsureDestination(typed)) return;
    const QString folder = AppendBackslashW(typed);
    const QStringList written = RunCopy(folder);
    if (!written.isEmpty()) ShellOpenPath(folder);
    close();
}

}  // namespace qv
