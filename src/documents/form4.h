#pragma once

#include "app/app_context.h"

#include <QWidget>

// The list title dialog.
class Form4 : public QWidget
{
    Q_OBJECT
public:
    explicit Form4(AppContext& ctx, QWidget* parent = nullptr);

protected:
    AppContext& m_ctx;
};
