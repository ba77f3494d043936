#pragma once

#include "support/main_window_controls.h"
#include "support/test_app.h"

#include <QObject>
#include <QString>
#include <QTest>
#include <QWidget>

#include <memory>

class QAbstractButton;

// Reaches the controls of every window by their object names, as they are laid
// out in its Designer file, so that a change of layout touches the layout alone,
// and drives the main window as a user does: clicks on radio items, check boxes,
// buttons and list rows, and key presses in the list.
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

// Whether a test may remove files from imm/ without touching the build's.
enum class Pictures { Shared, Own };

// The program on a folder of its own whose imm/ holds a picture under every
// catalogue name, its main window shown. Shared pictures are the build's
// folder itself; own pictures are links to its files in a folder of the
// test's, so that removing one leaves the build alone.
std::unique_ptr<TestApp> startShown(Pictures pictures = Pictures::Shared);

// A click on the indicator of a radio button or check box.
void clickIndicator(QAbstractButton* button);
void clickButton(QAbstractButton* button);
void clickRow(MainWindow* form, int row);
void pressKey(MainWindow* form, int key);

void pickRoot(MainWindow* form, int root);
void pickType(MainWindow* form, int type);
// Root first, then type.
void pickChord(MainWindow* form, int root, int type);

// The picture file name shown in gif, without its folder; empty when none.
QString shownPicture(MainWindow* form);

} // namespace driver

// Tests name it unqualified.
using driver::control;
