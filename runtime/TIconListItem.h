#pragma once
// An item of the icon list whose icon is one image of the image list, made the first time the
// list asks for it (when the item is painted): building a long list draws no tile. Every item is
// one grid cell with its caption centred under the icon.
#include <QIcon>
#include <QListWidgetItem>
#include <QSize>

namespace qv {

class TImageList;

class TIconListItem : public QListWidgetItem {
public:
    // images must outlive the item.
    TIconListItem(const QString& caption, const QSize& cell, const TImageList& images, int imageIndex);

    QVariant data(int role) const override;

private:
    QSize FCell;
    const TImageList& FImages;
    int FImageIndex;
    mutable QIcon FIcon;
    mutable bool FIconMade = false;
};

}  // namespace qv
