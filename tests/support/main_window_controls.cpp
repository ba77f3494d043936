#include "support/main_window_controls.h"

namespace {

template <typename T> T* find(const MainWindow* form, const char* name)
{
    // The File and Help menus are the objects File1 and Help1.
    const char* object = qstrcmp(name, "FileMenu") == 0   ? "File1"
                         : qstrcmp(name, "HelpMenu") == 0 ? "Help1"
                                                          : name;
    T* found = form->findChild<T*>(QString::fromLatin1(object));
    if (!found)
        qFatal("the main window has no %s", object);
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
