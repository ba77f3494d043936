#include "support/main_window_controls.h"

namespace {

template <typename T> T* find(const MainWindow* form, const char* name)
{
    T* found = form->findChild<T*>(QString::fromLatin1(name));
    if (!found)
        qFatal("the main window has no %s", name);
    return found;
}

} // namespace

MainWindowControls controls(const MainWindow* form)
{
    MainWindowControls c;
#define MAIN_WINDOW_CONTROL(Type, name) c.name = find<Type>(form, #name);
    MAIN_WINDOW_CONTROLS(MAIN_WINDOW_CONTROL)
#undef MAIN_WINDOW_CONTROL
    return c;
}

QString recentCaption(const MainWindow* form, int k)
{
    const MainWindowControls c = controls(form);
    const QAction* item = QList<QAction*>{c.file11, c.file21, c.file31}.at(k - 1);
    return item->isSeparator() ? QStringLiteral("-") : item->data().toString();
}
