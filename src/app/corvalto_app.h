#pragma once

#include "app/app_context.h"

#include <QObject>

// The running program: creates the eight windows in their fixed order, shows
// only the main window, and ends when the main window closes.
class CorvaltoApp : public QObject
{
    Q_OBJECT
public:
    // ctx must outlive the program; its prompts and program folder are set.
    explicit CorvaltoApp(AppContext& ctx, QObject* parent = nullptr);
    ~CorvaltoApp() override;

    void show();
    const Windows& windows() const { return m_ctx.windows; }
    AppContext& context() { return m_ctx; }

    // Fonts the program asks for, with the substitutes that look the same on
    // every Linux desktop, and the application-wide 8-point sans-serif.
    static void installFonts();

private:
    AppContext& m_ctx;
};
