#pragma once
// The banner: a picture shown at its own size from the top left corner of the control (a larger
// picture is cut off, a smaller one leaves the rest empty), clickable with the left button.
#include <QPixmap>
#include <QWidget>

namespace qv {

class TBannerImage : public QWidget {
    Q_OBJECT
public:
    explicit TBannerImage(QWidget* parent = nullptr);

    void SetPicture(const QPixmap& picture);
    const QPixmap& Picture() const { return FPicture; }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QPixmap FPicture;
    bool FPressed = false;
};

}  // namespace qv
