#include "builder/TIconListEditor.h"

#include <QTreeWidget>

namespace qv {

bool TIconListEditor::Selected(int index) const {
    const QTreeWidgetItem* row = FList.topLevelItem(index);
    return row && row->isSelected();
}

bool TIconListEditor::DeleteSelected() {
    const QList<QTreeWidgetItem*> rows = FList.selectedItems();
    if (rows.isEmpty()) return false;
    qDeleteAll(rows);
    return true;
}

bool TIconListEditor::DeleteAll() {
    if (FList.topLevelItemCount() == 0) return false;
    FList.clear();
    return true;
}

void TIconListEditor::SwapWithNext(int index) {
    QTreeWidgetItem* current = FList.currentItem();
    QTreeWidgetItem* lower = FList.topLevelItem(index + 1);
    const bool selected = lower->isSelected();
    FList.takeTopLevelItem(index + 1);
    FList.insertTopLevelItem(index, lower);
    lower->setSelected(selected);
    if (current) FList.setCurrentItem(current, 0, QItemSelectionModel::NoUpdate);
}

bool TIconListEditor::MoveUp() {
    const int count = FList.topLevelItemCount();
    if (FList.selectedItems().isEmpty() || Selected(0)) return false;
    for (int i = 1; i < count; ++i)
        if (Selected(i)) SwapWithNext(i - 1);
    return true;
}

bool TIconListEditor::MoveDown() {
    const int count = FList.topLevelItemCount();
    if (FList.selectedItems().isEmpty() || Selected(count - 1)) return false;
    for (int i = count - 2; i >= 0; --i)
        if (Selected(i)) SwapWithNext(i);
    return true;
}

bool TIconListEditor::HasFocus(const QWidget* focus) const {
    return focus && (focus == &FList || focus == FList.viewport());
}

}  // namespace qv
