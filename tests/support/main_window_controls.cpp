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
