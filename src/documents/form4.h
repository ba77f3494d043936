#pragma once

#include "core/app_context.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

// The list title dialog: the title typed here heads the HTML page, which is
// made as soon as the title is confirmed.
class Form4 : public QWidget
{
    Q_OBJECT
public:
    explicit Form4(AppContext& ctx, QWidget* parent = nullptr);

    void showWindow();

    QLabel* Label1 = nullptr;
    // Never filled by the program: it keeps what the user last typed.
    QLineEdit* Edit1 = nullptr;
    QPushButton* Button1 = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void confirmTitle();

    AppContext& m_ctx;
};
