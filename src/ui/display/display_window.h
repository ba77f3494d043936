#pragma once

#include <QWindow>

// The native window the display layer draws into with OpenGL. It is embedded in
// the display control; its owner watches its key presses through an event
// filter, so that the form sees every key first.
class DisplayWindow : public QWindow
{
    Q_OBJECT
public:
    explicit DisplayWindow(QWindow* parent = nullptr);

signals:
    void exposedChanged(bool exposed);

protected:
    void exposeEvent(QExposeEvent* event) override;
};
