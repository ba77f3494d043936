#pragma once

#include "core/app_context.h"
#include "screensaver/saver_choices.h"
#include "screensaver/screen_saver_settings.h"

#include <QWidget>

#include <functional>

#include <memory>

class QLineEdit;
class QRadioButton;
class UpDown;

namespace Ui {
class SaverSettingsWindow;
}

// The screen saver settings window: the object, the display mode, the rotation
// speed and the two light colours, and the command that starts the display.
// Settings live only while the program runs.
class SaverSettingsWindow : public QWidget
{
    Q_OBJECT
public:
    struct DesktopMetrics
    {
        int width = 0;
        int bitsPerPixel = 0;
    };

    explicit SaverSettingsWindow(AppContext& ctx, QWidget* parent = nullptr);
    ~SaverSettingsWindow() override;

    // The main window's "Screen Saver" button.
    void openSettings();

    const ScreenSaverSettings& settings() const { return m_settings; }
    // The selected item, or -1 when the box holds typed text that is no item.
    int objectItem() const;
    int resolutionItem() const;

    // Where the opening steps read the desktop's width and depth; the screen the
    // window is on unless a test sets another source.
    void setDesktopMetricsSource(std::function<DesktopMetrics()> source);

    // Handlers.
    void Button1Click();
    void Button2Click();

signals:
    // A colour depth button was selected, in bits per pixel.
    void depthChosen(int bits);
    // "Attiva": the settings are made; the display should start with them.
    void startRequested(const ScreenSaverStart& start);

private:
    struct LightControls
    {
        QLineEdit* fields[3];
        UpDown* upDowns[3];
        QRadioButton* definite;
        QRadioButton* random;
        QRadioButton* normal;
    };

    void createControls();
    void FormCreate();
    void enableLightFields(const LightControls& c, bool enabled);
    ScreenSaverSettings::Colour lightFrom(const LightControls& c, double normalLevel);
    void setBitCount(int bits);
    DesktopMetrics desktopMetrics() const;

    AppContext& m_ctx;
    std::unique_ptr<Ui::SaverSettingsWindow> m_ui;
    ScreenSaverSettings m_settings;
    LightControls m_objectLight{};
    LightControls m_ambientLight{};
    std::function<DesktopMetrics()> m_desktopMetrics;
};
