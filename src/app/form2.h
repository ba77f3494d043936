#pragma once

#include "core/app_context.h"

#include <QWidget>

class CreditsPanel;
class PictureView;
class QFrame;
class QLabel;
class QPushButton;

// The About window: version, what the program needs, how to reach the author.
// Not modal, stays on top of the other windows.
class Form2 : public QWidget
{
    Q_OBJECT
public:
    explicit Form2(AppContext& ctx, QWidget* parent = nullptr);
    // Clears the list selection, restarts the animation and shows the window.
    void aboutCommand();

    QFrame* Bevel1 = nullptr;
    PictureView* WebBrowser1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label10 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label7 = nullptr;
    QLabel* Label8 = nullptr;
    QLabel* Label9 = nullptr;
    CreditsPanel* SecretPanel1 = nullptr;
    QLabel* Image1 = nullptr;
    QPushButton* Button1 = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void createControls();
    void finishForShowing();
    void loadAnimation();

    AppContext& m_ctx;
    bool m_placed = false;
    // The badge is drawn when the window is first shown, not at start-up.
    bool m_finished = false;
};
