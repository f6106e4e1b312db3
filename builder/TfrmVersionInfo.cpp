#include "builder/TfrmVersionInfo.h"

namespace qv {

TfrmVersionInfo::TfrmVersionInfo(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmVersionInfo"));
    setWindowTitle(QString::fromUtf8("QuorvaneBuilder のバージョン情報"));
    setFixedSize(kClientWidth, kClientHeight);
}

}  // namespace qv
