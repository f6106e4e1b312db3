#include "runtime/TIconListItem.h"

#include <QPixmap>

#include "runtime/TImageList.h"

namespace qv {

TIconListItem::TIconListItem(const QString& caption, const TImageList& images, int imageIndex)
    : QListWidgetItem(caption), FImages(images), FImageIndex(imageIndex) {}

QVariant TIconListItem::data(int role) const {
    if (role != Qt::DecorationRole) return QListWidgetItem::data(role);
    if (!FIconMade) {
        FIcon = QIcon(QPixmap::fromImage(FImages.Image(FImageIndex)));
        FIconMade = true;
    }
    return FIcon;
}

}  // namespace qv
