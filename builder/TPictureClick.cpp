#include "builder/TPictureClick.h"

#include <QMouseEvent>
#include <QWidget>

namespace qv {

TPictureClick::TPictureClick(QWidget* picture, std::function<void()> handler)
    : QObject(picture), FPicture(picture), FHandler(std::move(handler)) {
    picture->installEventFilter(this);
}

bool TPictureClick::eventFilter(QObject* watched, QEvent* event) {
    if (watched != FPicture) return false;
    if (event->type() != QEvent::MouseButtonPress && event->type() != QEvent::MouseButtonRelease) return false;
    auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() != Qt::LeftButton) return false;
    if (event->type() == QEvent::MouseButtonPress) {
        FPressed = true;
        return true;
    }
    // A press that is dragged off the picture and released there is no click.
    const bool click = FPressed && FPicture->rect().contains(mouse->position().toPoint());
    FPressed = false;
    if (click && FHandler) FHandler();
    return true;
}

}  // namespace qv
