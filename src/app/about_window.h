#pragma once

#include "core/app_context.h"

#include <QWidget>

#include <memory>

namespace Ui {
class AboutWindow;
}

// The About window: version, what the program needs, how to reach the author.
// Not modal, stays on top of the other windows.
class AboutWindow : public QWidget
{
    Q_OBJECT
public:
    explicit AboutWindow(AppContext& ctx, QWidget* parent = nullptr);
    ~AboutWindow() override;
    // Announces itself (opening), restarts the animation and shows the window.
    void aboutCommand();

signals:
    // Every About command, before the window is shown.
    void opening();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void createControls();
    void finishForShowing();
    void loadAnimation();

    AppContext& m_ctx;
    std::unique_ptr<Ui::AboutWindow> m_ui;
    bool m_placed = false;
    // The badge is drawn when the window is first shown, not at start-up.
    bool m_finished = false;
};
