#pragma once

#include "app/app_context.h"

#include <QStringList>

#include <QWidget>

// The additional list information window.
class Form5 : public QWidget
{
    Q_OBJECT
public:
    explicit Form5(AppContext& ctx, QWidget* parent = nullptr);
    // The information text as displayed lines: a wrapped line counts once per
    // displayed line; a final empty line is not counted.
    QStringList informationLines() const;
    void setInformationLines(const QStringList& lines);
    void clearInformation();
    void enableFileNameButton();
    void showWindow();
protected:
    AppContext& m_ctx;
};
