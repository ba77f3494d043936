#pragma once

#include "core/app_context.h"

#include <QStringList>
#include <QWidget>

#include <functional>
#include <memory>

namespace Ui {
class InformationWindow;
}

// The additional list information window: a free text that belongs to the list,
// saved at the end of the list file and shown on the HTML page.
class InformationWindow : public QWidget
{
    Q_OBJECT
public:
    explicit InformationWindow(AppContext& ctx, QWidget* parent = nullptr);
    ~InformationWindow() override;

    // The information text as displayed lines: a line the text area wraps
    // counts once per displayed line; a final empty line is not counted. The
    // area has its fixed size from construction, so the lines are the same
    // whether or not the window has ever been shown.
    QStringList informationLines() const;
    // Replaces the text by the given lines (a list being opened).
    void setInformationLines(const QStringList& lines);
    void clearInformation();
    void enableFileNameButton();
    void showWindow();
    // Runs as the Close button is pressed, before the window hides; an error
    // keeps it open.
    void setBeforeClosing(std::function<void()> step) { m_beforeClosing = std::move(step); }

protected:
    void showEvent(QShowEvent* event) override;

private:
    // Gives the text area its fixed-width font and tab stops and lays it out at
    // its fixed size, once: when the window is first shown or its lines are
    // first read, so that the fixed-width font is not loaded at start-up.
    void layOutTextArea() const;
    void fileNameLine();
    void replaceText(const QString& text);
    void closeWindow();
    void textChanged();
    void refuseCharacter(const QString& character);

    AppContext& m_ctx;
    std::unique_ptr<Ui::InformationWindow> m_ui;
    std::function<void()> m_beforeClosing;
    mutable bool m_laidOut = false;
};
