#pragma once
// The commands of the icon list that only rearrange its rows: deleting the selected rows or all
// of them, and moving the selected rows up or down by one place. A moved row is the same item,
// so its caption, image count, thumbnail and icon go with it. Each command tells whether it
// changed the list, so that the window marks the project modified only then.
class QTreeWidget;
class QTreeWidgetItem;
class QWidget;

namespace qv {

class TIconListEditor {
public:
    explicit TIconListEditor(QTreeWidget& list) : FList(list) {}

    bool DeleteSelected();
    bool DeleteAll();
    // Nothing moves when no row is selected, or when the first (last) row is; otherwise every
    // selected row changes places with its neighbour, so a block of selected rows moves whole.
    bool MoveUp();
    bool MoveDown();

    // Whether the widget with the keyboard focus is the list itself. The in-place editor of a
    // caption is a text field of its own, where Del deletes characters, not rows.
    bool HasFocus(const QWidget* focus) const;

private:
    bool Selected(int index) const;
    // Swaps the rows at index and index + 1, keeping their selection and the current row.
    void SwapWithNext(int index);

    QTreeWidget& FList;
};

}  // namespace qv
