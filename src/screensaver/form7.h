#pragma once

#include "app/app_context.h"

#include <QWidget>

// The full-screen screen saver display.
class Form7 : public QWidget
{
    Q_OBJECT
public:
    explicit Form7(AppContext& ctx, QWidget* parent = nullptr);

protected:
    AppContext& m_ctx;
};
