#include "runtime/DesignFonts.h"

namespace qv {

QFont DesignFormFont() {
    QFont font(QStringLiteral("Tahoma"));
    font.setPointSize(8);
    return font;
}

QFont DesignReadmeFont() {
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(13);
    return font;
}

}  // namespace qv
