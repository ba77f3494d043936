#include "shell/shortcut_priority.h"

#include <QKeyEvent>
#include <QWidget>

ShortcutPriority::ShortcutPriority(QWidget* window, const QList<QKeySequence>& keys)
    : QObject(window), m_keys(keys)
{
    for (QWidget* w : window->findChildren<QWidget*>())
        w->installEventFilter(this);
}

bool ShortcutPriority::eventFilter(QObject* watched, QEvent* event)
{
    // A control claims a key by accepting its override event; one left
    // unaccepted goes to the window's shortcuts.
    if (event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (m_keys.contains(QKeySequence(key->keyCombination()))) {
            event->ignore();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}
