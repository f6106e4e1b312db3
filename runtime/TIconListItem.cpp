#include "runtime/TIconListItem.h"

#include <QPixmap>

#include "runtime/TImageList.h"

namespace qv {

TIconListItem::TIconListItem(const QString& caption, const QSize& cell, const TImageList& images, int imageIndex)
    : QListWidgetItem(caption), FCell(cell), FImages(images), FImageIndex(imageIndex) {}

// The cell and the alignment are the same for every item, so they are answered here rather than
// stored in each item.
QVariant TIconListItem::data(int role) const {
    if (role == Qt::SizeHintRole) return FCell;
    if (role == Qt::TextAlignmentRole) return int(Qt::AlignHCenter | Qt::AlignTop);
    if (role != Qt::DecorationRole) return QListWidgetItem::data(role);
    if (!FIconMade) {
        FIcon = QIcon(QPixmap::fromImage(FImages.Image(FImageIndex)));
        FIconMade = true;
    }
    return FIcon;
}

}  // namespace qv
