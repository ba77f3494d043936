#pragma once

#include "core/app_context.h"
#include "screensaver/screen_saver_settings.h"

#include <QString>
#include <QWidget>

#include <functional>
#include <memory>

class DisplayLayer;
class DisplayTimer;
class Frame;
class SaverScene;

namespace Ui {
class SaverWindow;
}

// The screen saver display: a borderless window filled by the display control,
// showing the chosen mesh spinning under the two lights of the settings, with
// four lines of text over each frame, until Esc.
class SaverWindow : public QWidget
{
    Q_OBJECT
public:
    explicit SaverWindow(AppContext& ctx, QWidget* parent = nullptr);
    ~SaverWindow() override;

    // Shows the window centred, on top and with the keyboard.
    void showWindow();
    // Sizes the display for the start's resolution item, shows the window with
    // the pointer hidden and builds the scene from the start's settings.
    void start(const ScreenSaverStart& start);
    // The colour depth the display asks for, in bits per pixel.
    void setDepth(int bits);
    // The settings window's resolution item (-1 for none), read at every frame:
    // it places the two texts on the right.
    void setResolutionItemSource(std::function<int()> source);

    // The mesh file of the running (or last) display, from scene construction on.
    QString meshPath() const { return m_meshPath; }
    Frame* meshFrame() const { return m_meshFrame; }

    // Handlers.
    void DXDrawInitialize();
    void DXDrawInitializeSurface();
    void DXTimerTimer(int lagCount);
    void DXDrawFinalize();
    void FormKeyDown(int key);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void updateOverlayTexts();

    AppContext& m_ctx;
    std::unique_ptr<Ui::SaverWindow> m_ui;
    DisplayLayer* DXDraw = nullptr;
    DisplayTimer* DXTimer = nullptr;
    // Owned by DXDraw.
    SaverScene* m_scene = nullptr;
    ScreenSaverSettings m_settings;
    std::function<int()> m_resolutionItem = [] { return -1; };
    QString m_meshPath;
    // The working directory before the display made the mesh folder current;
    // empty while the display has not changed it.
    QString m_previousDir;
    Frame* m_lightFrame = nullptr;
    Frame* m_meshFrame = nullptr;

    // The overlay texts are rebuilt only when what they show changes.
    QString m_resolutionText;
    QString m_fpsText;
    int m_shownWidth = -1;
    int m_shownHeight = -1;
    int m_shownBits = -1;
    int m_shownRate = -1;
};
