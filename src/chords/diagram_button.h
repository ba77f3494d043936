#pragma once

#include "chords/fingering.h"
#include "chords/tuning.h"

#include <QAbstractButton>

// One ranked fingering drawn as a diagram, with its position under it ("V tasto"). A
// click, Enter or Space presses it; the arrow keys are left to the window, which moves
// between diagrams. Drawn in the colours of the palette, so that it reads under a dark
// theme as under a light one.
class DiagramButton : public QAbstractButton
{
    Q_OBJECT
public:
    explicit DiagramButton(QWidget* parent = nullptr);

    // rank counts from 1; the accessible name tells the rank, position, frets and fingers.
    void setFingering(const chords::Fingering& fingering, int rank);
    const chords::Fingering& fingering() const { return m_fingering; }
    void setLeftHanded(bool leftHanded);
    // The tuning whose string names the diagram shows; it must outlive the button.
    void setTuning(const chords::Tuning& tuning);

    QSize sizeHint() const override;

    // "I tasto", "V tasto", "XII tasto": the first fret the diagram shows.
    static QString positionCaption(const chords::Fingering& fingering);
    // "Posizione 2, V tasto: corde x 8 10 10 10 8, dita 1 3 3 3 1 (barrè)".
    static QString describe(const chords::Fingering& fingering, int rank);

signals:
    // An arrow key pressed on the diagram.
    void arrowPressed(int key);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    chords::Fingering m_fingering;
    bool m_leftHanded = false;
    const chords::Tuning* m_tuning = &chords::standardTuning();
};
