#include "runtime/TSplitter.h"

#include <QMouseEvent>

#include <algorithm>

namespace qv {

TSplitter::TSplitter(QWidget* parent, QWidget* control, std::function<void(int)> setHeight)
    : QWidget(parent), FControl(control), FSetHeight(std::move(setHeight)) {
    setCursor(Qt::SizeVerCursor);
}

int TSplitter::HeightForDrag(int startHeight, int dy) const {
    // The control stands at the top of the bar's parent; what is below the bar keeps MinSize.
    const int room = parentWidget()->height() - height() - MinSize;
    return std::max(MinSize, std::min(startHeight + dy, room));
}

void TSplitter::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    FDragging = true;
    FStartY = event->globalPosition().toPoint().y();
    FStartHeight = FControl->height();
}

void TSplitter::mouseMoveEvent(QMouseEvent* event) {
    if (!FDragging) return;
    FSetHeight(HeightForDrag(FStartHeight, event->globalPosition().toPoint().y() - FStartY));
}

void TSplitter::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) FDragging = false;
}

}  // namespace qv
