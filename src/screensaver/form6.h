#pragma once

#include "app/app_context.h"

#include <QWidget>

// The screen saver settings window.
class Form6 : public QWidget
{
    Q_OBJECT
public:
    explicit Form6(AppContext& ctx, QWidget* parent = nullptr);
    // The main window's "Screen Saver" button.
    void openSettings();
protected:
    AppContext& m_ctx;
};
