#include "shell/guarded_application.h"

#include "shell/guard.h"

GuardedApplication::GuardedApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool GuardedApplication::notify(QObject* receiver, QEvent* event)
{
    bool handled = false;
    const auto deliver = [&] { handled = QApplication::notify(receiver, event); };
    if (!m_ctx) {
        try {
            deliver();
        } catch (const std::exception&) {
        }
        return handled;
    }
    guarded(*m_ctx, nullptr, deliver);
    return handled;
}
