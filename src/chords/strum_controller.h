#pragma once

#include "chords/strum_player.h"

#include <QObject>

class ChooserView;
class QEvent;
class QWidget;
struct AppContext;

// Hearing the chord on display: a click on the fingering picture or its white frame, or
// the shortcut, strums the voicing of the picture shown (first or second position, or
// the picture of the list entry clicked). With no picture shown nothing sounds.
class StrumController : public QObject
{
    Q_OBJECT
public:
    static inline const char* const Shortcut = "Ctrl+R";

    // The shortcut works anywhere in window; the window installs the controller
    // as event filter on the picture and its frame.
    StrumController(AppContext& ctx, ChooserView& view, QWidget* window);

    // Strums the chord on display, if there is one.
    void strum();
    StrumPlayer& player() { return m_player; }

signals:
    // The bare picture file name of the chord strummed, whether a device plays it or not.
    void strummed(const QString& picture);
    // The sound device did not answer in time: the one note the user gets about it.
    void soundUnavailable(const QString& note);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QString pictureShown() const;
    void noteNoSound();

    AppContext& m_ctx;
    ChooserView& m_view;
    QWidget* m_window;
    StrumPlayer m_player;
};
