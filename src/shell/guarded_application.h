#pragma once

#include <QApplication>

struct AppContext;

// The last line of the error guard: an exception that a handler lets escape
// (one not entered through guarded()) is caught where the toolkit delivers the
// event, reported like any other error, and the event loop goes on.
class GuardedApplication : public QApplication
{
public:
    GuardedApplication(int& argc, char** argv);

    // Errors are reported once the context is set; before, they are dropped.
    void setContext(AppContext* ctx) { m_ctx = ctx; }

    bool notify(QObject* receiver, QEvent* event) override;

private:
    AppContext* m_ctx = nullptr;
};
