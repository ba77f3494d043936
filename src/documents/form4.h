#pragma once

#include "core/app_context.h"

#include <QWidget>

#include <functional>
#include <memory>

namespace Ui {
class Form4;
}

// The list title dialog: the title typed here heads the HTML page, which is
// made as soon as the title is confirmed.
class Form4 : public QWidget
{
    Q_OBJECT
public:
    explicit Form4(AppContext& ctx, QWidget* parent = nullptr);
    ~Form4() override;

    void showWindow();
    // Shown, raised and given the keyboard.
    void bringForward();
    // Runs when the user confirms a title (OK or Enter), before the dialog
    // hides; an exception leaves the dialog shown.
    void setTitleHandler(std::function<void(const QString&)> handler);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void confirmTitle();

    AppContext& m_ctx;
    std::unique_ptr<Ui::Form4> m_ui;
    std::function<void(const QString&)> m_titleHandler;
};
