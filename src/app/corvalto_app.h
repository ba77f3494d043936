#pragma once

#include "core/app_context.h"

#include <QIcon>
#include <QObject>

class FingeringsPanel;

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
    // Opens a list given on the command line as "Apri lista..." opens the one
    // chosen in its dialog, with the same checks and messages.
    void openListFile(const QString& path);
    const Windows& windows() const { return m_ctx.windows; }
    // "Diteggiature", made when first opened; null until then.
    FingeringsPanel* fingeringsWindow() const { return m_fingerings; }
    // Opens "Diteggiature" on the chord on display, loading its module and making it the
    // first time; throws "Cannot open file" when the module cannot be loaded.
    void openFingerings();
    AppContext& context() { return m_ctx; }

    // Fonts the program asks for, with the substitutes that look the same on
    // every Linux desktop, and the application-wide 8-point sans-serif.
    static void installFonts();
    // The program's icon at every size it is drawn in.
    static QIcon icon();

private:
    // What one window asks of another goes through here.
    void connectWindows();

    AppContext& m_ctx;
    FingeringsPanel* m_fingerings = nullptr;
};
