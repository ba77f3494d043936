#pragma once

#include "core/app_context.h"

#include <QWidget>

#include <functional>
#include <memory>

namespace Ui {
class TitleDialog;
}

// The list title dialog: the title typed here heads the HTML page, which is
// made as soon as the title is confirmed.
class TitleDialog : public QWidget
{
    Q_OBJECT
public:
    explicit TitleDialog(AppContext& ctx, QWidget* parent = nullptr);
    ~TitleDialog() override;

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
    std::unique_ptr<Ui::TitleDialog> m_ui;
    std::function<void(const QString&)> m_titleHandler;
};
