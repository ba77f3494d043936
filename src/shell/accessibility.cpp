#include "shell/accessibility.h"

#include "ui/widgets/up_down.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QWidget>

namespace {

class UpDownAccessible : public QAccessibleWidget, public QAccessibleValueInterface
{
public:
    explicit UpDownAccessible(UpDown* upDown) : QAccessibleWidget(upDown, QAccessible::SpinBox) {}

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return QString::number(upDown()->position());
        return QAccessibleWidget::text(t);
    }

    QVariant currentValue() const override { return upDown()->position(); }
    void setCurrentValue(const QVariant& value) override { upDown()->setPosition(value.toInt()); }
    QVariant maximumValue() const override { return upDown()->maximum(); }
    QVariant minimumValue() const override { return upDown()->minimum(); }
    QVariant minimumStepSize() const override { return 1; }

private:
    UpDown* upDown() const { return static_cast<UpDown*>(widget()); }
};

QAccessibleInterface* programWidgets(const QString& className, QObject* object)
{
    // Asked first with the most derived class name.
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget || className != QLatin1String(object->metaObject()->className()))
        return nullptr;
    if (auto* upDown = qobject_cast<UpDown*>(object))
        return new UpDownAccessible(upDown);
    // Only the program's own windows whose class derives from QWidget directly lack a role
    // of their own. Qt's classes (all named Q...) keep Qt's interfaces: a QMenu is such a
    // window too, and as a bare window it would hide its items from screen readers.
    if (className.startsWith(QLatin1Char('Q')))
        return nullptr;
    if (widget->isWindow() && object->metaObject()->superClass() == &QWidget::staticMetaObject)
        return new QAccessibleWidget(widget, QAccessible::Window);
    return nullptr;
}

} // namespace

void installAccessibility()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    QAccessible::installFactory(programWidgets);
}
