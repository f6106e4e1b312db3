#include "builder/TfrmVersionInfo.h"

#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QUrl>

#include "common/CompilerTexts.h"
#include "common/TCompilerLibrary.h"
#include "common/version.h"
#include "platform/SystemInfo.h"
#include "platform/qt/TSystemSeams.h"

// The logo is compiled into this static library; its resources are registered by name, outside
// any namespace.
static void InitLogoPicture() { Q_INIT_RESOURCE(logo); }

namespace qv {
namespace {

constexpr char kHomeAddress[] = "https://quorvane.example.org/";

}  // namespace

TfrmVersionInfo::TfrmVersionInfo(std::string programDir, QWidget* parent)
    : QDialog(parent), FProgramDir(std::move(programDir)) {
    setObjectName(QStringLiteral("frmVersionInfo"));
    setWindowTitle(QString::fromUtf8("QuorvaneBuilder のバージョン情報"));
    setFixedSize(kClientWidth, kClientHeight);

    InitLogoPicture();
    imgLogo = new QLabel(this);
    imgLogo->setObjectName(QStringLiteral("imgLogo"));
    imgLogo->setGeometry(8, 8, 180, 300);
    imgLogo->setPixmap(QPixmap(QStringLiteral(":/about/logo.png")));

    const int left = 204, width = kClientWidth - left - 12;
    lblTitle = AddLabel("lblTitle", QStringLiteral("QuorvaneBuilder"), left, 16, width, 24);
    QFont title = lblTitle->font();
    title.setPointSize(title.pointSize() + 4);
    title.setBold(true);
    lblTitle->setFont(title);
    lblVersion = AddLabel("lblVersion", QStringLiteral("Version "), left, 44, width);
    lblTitleCompiler = AddLabel("lblTitleCompiler", QStringLiteral("QuorvaneCompiler"), left, 84, width, 24);
    lblTitleCompiler->setFont(title);
    lblVersionCompiler = AddLabel("lblVersionCompiler", QStringLiteral("Version"), left, 112, width);
    lblCopy = AddLabel("lblCopy", QStringLiteral("(C) The Quorvane developers"), left, 152, width);
    lnklblHome = AddLabel("lnklblHome", QString::fromLatin1(kHomeAddress), left, 172, width);
    lnklblHome->setCursor(Qt::PointingHandCursor);
    lnklblHome->setToolTip(QString::fromUtf8("このURIをブラウザで開きます"));
    QFont link = lnklblHome->font();
    link.setUnderline(true);
    lnklblHome->setFont(link);
    lnklblHome->setStyleSheet(QStringLiteral("color: #0645ad;"));
    // The address opens through the shell seam, like every other address the builder opens.
    lnklblHome->setTextFormat(Qt::RichText);
    lnklblHome->setText(QStringLiteral("<a href=\"%1\" style=\"color:#0645ad\">%1</a>").arg(QString::fromLatin1(kHomeAddress)));
    lnklblHome->setOpenExternalLinks(false);
    connect(lnklblHome, &QLabel::linkActivated, this, [](const QString& address) { Seams().OpenUrl(QUrl(address)); });
    lblUserName = AddLabel("lblUserName", QStringLiteral("username"), left, 220, width);
    lblComputerName = AddLabel("lblComputerName", QStringLiteral("computername"), left, 240, width);

    btnOK = new QPushButton(QStringLiteral("&OK"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setGeometry(kClientWidth - 92, kClientHeight - 36, 80, 25);
    btnOK->setDefault(true);
    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
}

QLabel* TfrmVersionInfo::AddLabel(const char* name, const QString& text, int left, int top, int width, int height) {
    auto* label = new QLabel(text, this);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(left, top, width, height);
    label->setAttribute(Qt::WA_TranslucentBackground);
    return label;
}

void TfrmVersionInfo::showEvent(QShowEvent* event) {
    FormShow();
    if (parentWidget()) move(parentWidget()->geometry().center() - rect().center());
    QDialog::showEvent(event);
}

void TfrmVersionInfo::FormShow() {
    lblVersion->setText(QStringLiteral("Version ") + QString::fromLocal8Bit(AppVersion.Text.c_str()));
    lblUserName->setText(QString::fromUtf8("ユーザ名： %1").arg(QString::fromLocal8Bit(GetLoginUserName().c_str())));
    const std::string computer = GetComputerName();
    if (!computer.empty())
        lblComputerName->setText(QString::fromUtf8("コンピュータ名： %1").arg(QString::fromLocal8Bit(computer.c_str())));
    TCompilerLibrary library;
    if (!library.Load(FProgramDir)) return;
    if (library.HasGetVersion())
        lblVersionCompiler->setText(QStringLiteral("Version ") + QString::fromStdString(FormatCompilerVersion(library.GetVersion())));
    library.Unload();
}

}  // namespace qv
