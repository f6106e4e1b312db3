#pragma once
// A click on a picture (a left-button press and release over it) runs a handler: the package
// icon and banner previews open their file dialogs this way. The target is a child of the
// picture and lives as long as it.
#include <QObject>

#include <functional>

class QWidget;

namespace qv {

class TPictureClick : public QObject {
    Q_OBJECT
public:
    TPictureClick(QWidget* picture, std::function<void()> handler);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* FPicture;
    std::function<void()> FHandler;
    bool FPressed = false;
};

}  // namespace qv
