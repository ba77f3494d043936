#pragma once

#include "chords/strum_synth.h"

#include <QRectF>
#include <QWidget>

class QAccessibleInterface;

namespace chords {
struct Tuning;
}

// A guitar neck drawn in code, on which the user puts a shape down: six strings across
// (the high mi on top, as in the diagrams), the nut, or the capo, and frets 1-15 counted
// from it. A click on a string at a fret puts a finger there; a click on the nut, or left
// of it, toggles the string between open and muted. The keyboard does the same at a
// cursor: the arrow keys move along the strings and frets, Space sets the fret under the
// cursor (at the nut it toggles open and muted), X mutes the string, Enter asks to hear
// the shape. Left-handed, the neck is mirrored: the nut on the right. Every colour comes
// from the palette, so the neck reads under a dark theme as under a light one. Screen
// readers get each string as an item named by its state ("corda 5: tasto 3, DO").
class FretboardWidget : public QWidget
{
    Q_OBJECT
public:
    explicit FretboardWidget(QWidget* parent = nullptr);

    // Low MI string first: -1 muted, 0 open, 1-15 the fret above the nut or the capo.
    const chords::Frets& frets() const { return m_frets; }
    void setFrets(const chords::Frets& frets);

    const chords::Tuning& tuning() const { return *m_tuning; }
    void setTuning(const chords::Tuning& tuning);
    int capo() const { return m_capo; }
    void setCapo(int capo);
    bool leftHanded() const { return m_leftHanded; }
    void setLeftHanded(bool leftHanded);
    // The notes are named in American notation ("C", "F#") rather than Italian.
    void setAmericanNotation(bool american);

    // The keyboard's cursor: a string (0 low MI ... 5 high mi) and a fret (0 the nut).
    int cursorString() const { return m_cursorString; }
    int cursorFret() const { return m_cursorFret; }

    // What a screen reader says of a string: "corda 5: tasto 3, DO", "corda 6: a vuoto,
    // MI", "corda 6: muta". Guitarists count the strings from the high mi (corda 1).
    QString stringDescription(int string) const;
    // Where the cursor is along its string: "cursore al tasto 4", "cursore sul capotasto".
    QString cursorDescription() const;
    // The area of a string's row and the middle of its place at a fret (0 the nut
    // column), in widget coordinates.
    QRectF stringRect(int string) const;
    QPointF fretCentre(int string, int fret) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void fretsChanged(const chords::Frets& frets);
    // Enter or Return on the neck.
    void playRequested();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    // The x of a fret wire, right-handed (0 the nut's far edge towards the frets).
    qreal wireX(int fret) const;
    qreal stringY(int string) const;
    // Mirrors an x of the right-handed neck for a left-handed player.
    qreal mirrored(qreal x) const;
    QRectF mirrored(const QRectF& rect) const;
    // The fret column under a point, -1 outside the neck.
    int fretAt(qreal x) const;
    int stringAt(qreal y) const;
    // The pitch class a string sounds, -1 when muted.
    int pitchClass(int string) const;
    QString noteName(int pitchClass) const;

    void toggleOpen(int string);
    void setString(int string, int fret);
    // Every change of the shape goes through here: drawn, told to screen readers, signalled.
    void applyFrets(const chords::Frets& frets);
    void moveCursor(int string, int fret);
    QAccessibleInterface* accessibleString(int string);
    // Tells screen readers that a string's state or note has changed.
    void announceName(int string);
    // Tells screen readers that the cursor's string is the one with focus.
    void announceCursor();

    void paintNeck(QPainter& painter) const;
    void paintStrings(QPainter& painter) const;
    void paintMarks(QPainter& painter) const;
    void paintLabels(QPainter& painter) const;
    void paintCursor(QPainter& painter) const;

    chords::Frets m_frets{0, 0, 0, 0, 0, 0};
    const chords::Tuning* m_tuning;
    int m_capo = 0;
    bool m_leftHanded = false;
    bool m_american = false;
    int m_cursorString = 0;
    int m_cursorFret = 0;
};
