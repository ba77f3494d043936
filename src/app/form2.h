#pragma once

#include "app/app_context.h"

#include <QWidget>

// The About window.
class Form2 : public QWidget
{
    Q_OBJECT
public:
    explicit Form2(AppContext& ctx, QWidget* parent = nullptr);
    // Clears the list selection, restarts the animation and shows the window.
    void aboutCommand();
protected:
    AppContext& m_ctx;
};
