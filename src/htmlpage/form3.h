#pragma once

#include "app/app_context.h"

#include <QWidget>

// The HTML preview window.
class Form3 : public QWidget
{
    Q_OBJECT
public:
    explicit Form3(AppContext& ctx, QWidget* parent = nullptr);

protected:
    AppContext& m_ctx;
};
