#pragma once
// Draws the icon list's row pictures at the left of a decoration area of the thumbnail size:
// a row keeps only the part of its thumbnail that its images cover, and the rest of the area
// shows the list's background, as a white thumbnail would. Only the caption (the file name) is
// edited in place; the image count is the icon's own.
#include <QStyledItemDelegate>

namespace qv {

class TIconRowDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;
};

}  // namespace qv
