#pragma once

#include "app/app_context.h"

#include <QWidget>

// The riff editor: a tablature grid and the schemes collected from it.
class Form8 : public QWidget
{
    Q_OBJECT
public:
    explicit Form8(AppContext& ctx, QWidget* parent = nullptr);
    // "Cancella tutto": every cell back to "--" and the scheme text emptied.
    void clearAll();
    void showWindow();
protected:
    AppContext& m_ctx;
};
