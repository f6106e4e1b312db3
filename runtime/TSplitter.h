#pragma once
// A horizontal splitter bar under a top-aligned control: dragging it changes that control's
// height, never below MinSize and never so far that less than MinSize stays below the bar. No
// snapping: the control is never collapsed.
#include <QWidget>

#include <functional>

namespace qv {

class TSplitter : public QWidget {
    Q_OBJECT
public:
    static constexpr int MinSize = 30;

    // setHeight gives the control its new height (and realigns the window).
    TSplitter(QWidget* parent, QWidget* control, std::function<void(int)> setHeight);

    // The height the control gets when the bar is dragged by dy pixels from a press made while
    // the control was startHeight high.
    int HeightForDrag(int startHeight, int dy) const;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QWidget* FControl;
    std::function<void(int)> FSetHeight;
    bool FDragging = false;
    int FStartY = 0;
    int FStartHeight = 0;
};

}  // namespace qv
