#pragma once

#include <QObject>
#include <QTest>

// Reaches the controls of a window by their object names, as they are laid out
// in its Designer file, so that a change of layout touches the layout alone.
namespace driver {

// The named child of window; fails the running test when there is none.
template <class T> T* control(const QObject* window, const QString& objectName)
{
    T* child = window->findChild<T*>(objectName);
    if (!child)
        QTest::qFail(
            qPrintable(QStringLiteral("no control %1 in %2").arg(objectName, window->objectName())),
            __FILE__, __LINE__);
    return child;
}

// A left click on the named control.
inline void click(const QObject* window, const QString& objectName)
{
    QTest::mouseClick(control<QWidget>(window, objectName), Qt::LeftButton);
}

} // namespace driver

// Tests name it unqualified.
using driver::control;
