#include "builder/CharSetMarker.h"

#include <QIcon>
#include <QLabel>

namespace qv {

QLabel* MakeCharSetMarker(QWidget* parent, TCharSet charSet) {
    const bool ansi = charSet == TCharSet::Ansi;
    auto* marker = new QLabel(parent);
    marker->setObjectName(QStringLiteral("imgCharSet"));
    marker->setPixmap(QIcon(ansi ? QStringLiteral(":/toolbar/charset_ansi_24.png")
                                 : QStringLiteral(":/toolbar/charset_unicode_24.png"))
                          .pixmap(24, 24));
    marker->setToolTip(ansi ? QString::fromUtf8("このページの文字コードはANSIです")
                            : QString::fromUtf8("このページの文字コードはUNICODEです"));
    return marker;
}

}  // namespace qv
