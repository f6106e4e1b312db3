#include "runtime/QuorvexCopyToForm.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>

#include "runtime/DesignFonts.h"

namespace qv {

TtntfrmIconPackCopyTo* tntfrmIconPackCopyTo = nullptr;

namespace {
constexpr int kClientWidth = 498;
constexpr int kClientHeight = 66;
}  // namespace

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
}

}  // namespace qv
