#include "builder/TIconRowDelegate.h"

#include <QAbstractItemView>

namespace qv {

void TIconRowDelegate::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const {
    QStyledItemDelegate::initStyleOption(option, index);
    option->decorationAlignment = Qt::AlignLeft | Qt::AlignTop;
    if (const auto* view = qobject_cast<const QAbstractItemView*>(parent())) option->decorationSize = view->iconSize();
}

QWidget* TIconRowDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                       const QModelIndex& index) const {
    return index.column() == 0 ? QStyledItemDelegate::createEditor(parent, option, index) : nullptr;
}

}  // namespace qv
