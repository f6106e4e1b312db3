#pragma once
// Gives an action's shortcut precedence over the focused control of its window: a text field
// would otherwise take Shift+Del as its own cut, and the command that is meant to work from
// every control of the window would never see the key.
#include <QObject>

class QAction;
class QWidget;

namespace qv {

class TPriorityShortcut : public QObject {
    Q_OBJECT
public:
    // A child of the action; watches the key events of the window's controls.
    TPriorityShortcut(QAction* action, QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QAction* FAction;
    QWidget* FWindow;
};

}  // namespace qv
