#pragma once

#include "core/app_context.h"
#include "screensaver/saver_choices.h"
#include "screensaver/screen_saver_settings.h"

#include <QWidget>

#include <functional>

class DisplayLayer;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class UpDown;

// The screen saver settings window: the object, the display mode, the rotation
// speed and the two light colours, and the command that starts the display.
// Settings live only while the program runs.
class Form6 : public QWidget
{
    Q_OBJECT
public:
    struct DesktopMetrics
    {
        int width = 0;
        int bitsPerPixel = 0;
    };

    explicit Form6(AppContext& ctx, QWidget* parent = nullptr);

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

    // Controls, named as the rest of the program and the tests know them.
    QTabWidget* PageControl2 = nullptr;
    QGroupBox* GroupBox1 = nullptr;
    QComboBox* ogg = nullptr;
    QComboBox* ris = nullptr;
    QRadioButton* bit16 = nullptr;
    QRadioButton* bit24 = nullptr;
    QRadioButton* bit32 = nullptr;
    QCheckBox* zbuffer = nullptr;
    QLineEdit* Edit1 = nullptr;
    UpDown* UpDown1 = nullptr;
    QTabWidget* PageControl1 = nullptr;
    QLineEdit* elucr = nullptr;
    QLineEdit* elucg = nullptr;
    QLineEdit* elucb = nullptr;
    UpDown* lucrUpDown = nullptr;
    UpDown* lucgUpDown = nullptr;
    UpDown* lucbUpDown = nullptr;
    QRadioButton* lucdefin = nullptr;
    QRadioButton* luccas = nullptr;
    QRadioButton* lucnorm = nullptr;
    QLineEdit* eambr = nullptr;
    QLineEdit* eambg = nullptr;
    QLineEdit* eambb = nullptr;
    UpDown* ambrUpDown = nullptr;
    UpDown* ambgUpDown = nullptr;
    UpDown* ambbUpDown = nullptr;
    QRadioButton* ambdefin = nullptr;
    QRadioButton* ambcas = nullptr;
    QRadioButton* ambnorm = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
    QPushButton* Button3 = nullptr;
    QLabel* InfoLabel = nullptr;

private:
    struct LightControls
    {
        QLineEdit* fields[3];
        UpDown* upDowns[3];
        QRadioButton* definite;
        QRadioButton* random;
        QRadioButton* normal;
    };

    QWidget* createDirect3DTab();
    QWidget* createLightTab(const QString& caption, const QString& prefix, LightControls& c,
                            const QString& lights);
    QWidget* createInfoTab();
    void FormCreate();
    void enableLightFields(const LightControls& c, bool enabled);
    ScreenSaverSettings::Colour lightFrom(const LightControls& c, double normalLevel);
    void setBitCount(int bits);
    DisplayLayer* display() const;
    DesktopMetrics desktopMetrics() const;

    AppContext& m_ctx;
    ScreenSaverSettings m_settings;
    LightControls m_objectLight{};
    LightControls m_ambientLight{};
    std::function<DesktopMetrics()> m_desktopMetrics;
};
