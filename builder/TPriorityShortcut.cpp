#include "builder/TPriorityShortcut.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace qv {

TPriorityShortcut::TPriorityShortcut(QAction* action, QWidget* window)
    : QObject(action), FAction(action), FWindow(window) {
    qApp->installEventFilter(this);
}

bool TPriorityShortcut::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::ShortcutOverride || !FAction->isEnabled()) return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != FWindow) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    // Left unaccepted, the override lets the key go to the shortcut instead of the control.
    // The Del of the number pad is the same key.
    const QKeyCombination combination(key->modifiers() & ~Qt::KeypadModifier, Qt::Key(key->key()));
    return QKeySequence(combination) == FAction->shortcut();
}

}  // namespace qv
