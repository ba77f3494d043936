#pragma once

#include <QKeySequence>
#include <QList>
#include <QObject>

class QWidget;

// Keeps a window's command keys in force whatever control has the focus: a text
// field or a list that would take such a key for itself (Ctrl+A selects all)
// leaves it to the window's command instead. Watches the controls the window
// holds when it is made.
class ShortcutPriority : public QObject
{
public:
    ShortcutPriority(QWidget* window, const QList<QKeySequence>& keys);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QList<QKeySequence> m_keys;
};
