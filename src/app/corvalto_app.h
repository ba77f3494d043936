#pragma once

#include "app/windows.h"
#include "core/app_context.h"

#include <QIcon>
#include <QObject>

class FingeringsPanel;

// The running program: creates the windows in their fixed order, shows only the
// main window, and ends when the main window closes. The screen saver's two
// windows and the riff editor, which most sessions never open, are made when
// first asked for; once made they live as long as the program.
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
    MainWindow* mainWindow() const { return m_windows.mainWindow; }
    // Every window, the ones made on first use included (tests, benchmarks).
    const Windows& windows();
    // "Diteggiature", made when first opened; null until then.
    FingeringsPanel* fingeringsWindow() const { return m_fingerings; }
    // Opens "Diteggiature" on the chord on display, loading its module and making it the
    // first time; throws the loader's message when the module cannot be loaded.
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
    // Made and connected on first use.
    SaverSettingsWindow* saverSettings();
    RiffEditor* riffEditor();

    AppContext& m_ctx;
    Windows m_windows;
    FingeringsPanel* m_fingerings = nullptr;
};
