#include "ui/window_accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QWidget>

namespace {

QAccessibleInterface* plainWindow(const QString& className, QObject* object)
{
    // Asked first with the most derived class; only windows whose class derives
    // from QWidget directly lack a role of their own.
    auto* widget = qobject_cast<QWidget*>(object);
    const QMetaObject* meta = object ? object->metaObject() : nullptr;
    if (!widget || !widget->isWindow() || className != QLatin1String(meta->className()) ||
        meta->superClass() != &QWidget::staticMetaObject)
        return nullptr;
    return new QAccessibleWidget(widget, QAccessible::Window);
}

} // namespace

void installWindowAccessibility()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    QAccessible::installFactory(plainWindow);
}
