#include "runtime/TControlLayout.h"

#include <QEvent>
#include <QWidget>

#include <algorithm>

namespace qv {

TControlLayout::TControlLayout(QWidget* container) : QObject(container), FContainer(container) {
    container->installEventFilter(this);
}

void TControlLayout::AddTop(QWidget* child) {
    FTop.push_back(child);
    child->installEventFilter(this);
    Realign();
}

void TControlLayout::AddClient(QWidget* child) {
    FClient = child;
    child->installEventFilter(this);
    Realign();
}

void TControlLayout::AddAnchored(QWidget* child, int anchors) {
    const QRect g = child->geometry();
    FAnchored.push_back({child, anchors, g, FContainer->width() - g.x() - g.width(),
                         FContainer->height() - g.y() - g.height()});
}

void TControlLayout::Realign() {
    const int width = FContainer->width();
    int top = 0;
    for (QWidget* child : FTop) {
        if (child->isHidden()) continue;
        child->setGeometry(0, top, width, child->height());
        top += child->height();
    }
    if (FClient && !FClient->isHidden()) FClient->setGeometry(0, top, width, std::max(0, FContainer->height() - top));
    for (const TAnchored& a : FAnchored) PlaceAnchored(a);
}

void TControlLayout::PlaceAnchored(const TAnchored& a) const {
    // One edge anchored: that distance stays and the size is the child's own. Both: it stretches.
    QRect g = a.Child->geometry();
    const int right = FContainer->width() - a.RightGap;
    const int bottom = FContainer->height() - a.BottomGap;
    if ((a.Anchors & akLeft) && (a.Anchors & akRight)) {
        g.setLeft(a.Design.x());
        g.setWidth(std::max(0, right - a.Design.x()));
    } else if (a.Anchors & akRight) {
        g.moveLeft(right - g.width());
    }
    if ((a.Anchors & akTop) && (a.Anchors & akBottom)) {
        g.setTop(a.Design.y());
        g.setHeight(std::max(0, bottom - a.Design.y()));
    } else if (a.Anchors & akBottom) {
        g.moveTop(bottom - g.height());
    }
    a.Child->setGeometry(g);
}

bool TControlLayout::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (watched == FContainer && type == QEvent::Resize) Realign();
    // An aligned child that is shown or hidden gives or takes room.
    if (watched != FContainer && (type == QEvent::ShowToParent || type == QEvent::HideToParent)) Realign();
    return false;
}

}  // namespace qv
