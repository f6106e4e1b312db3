#include "runtime/TBannerImage.h"

#include <QMouseEvent>
#include <QPainter>

namespace qv {

TBannerImage::TBannerImage(QWidget* parent) : QWidget(parent) {}

void TBannerImage::SetPicture(const QPixmap& picture) {
    FPicture = picture;
    update();
}

void TBannerImage::paintEvent(QPaintEvent*) {
    if (FPicture.isNull()) return;
    QPainter painter(this);
    painter.drawPixmap(0, 0, FPicture);
}

void TBannerImage::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) FPressed = true;
}

// A click is a press and a release of the left button on the picture.
void TBannerImage::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = FPressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    if (event->button() == Qt::LeftButton) FPressed = false;
    if (click) emit clicked();
}

}  // namespace qv
