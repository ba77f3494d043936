#pragma once

#include "chords/fingering.h"
#include "chords/tuning.h"

#include <QColor>
#include <QImage>
#include <QPointF>
#include <QRectF>
#include <QSizeF>

#include <array>

class QPainter;

// A fingering drawn as vectors with QPainter, in the look of the shipped pictures: the six
// strings across with the high mi on top and the low MI at the bottom, the string names
// on the left, the open (ring) and muted (cross) marks, the nut or the number of the first
// fret shown, five frets, black dots with the finger numbers in white, a barre as one bar.
// Left-handed, the picture is mirrored left to right (names and nut on the right); its
// text is not mirrored.
namespace chords {

// The shipped pictures' size; any rect is filled at this aspect ratio, centred.
constexpr qreal DiagramWidth = 183;
constexpr qreal DiagramHeight = 76;

struct DiagramStyle
{
    // Lines, marks, names and dots; the finger numbers take the background colour.
    QColor foreground = QColor(0, 0, 0);
    QColor background = QColor(255, 255, 255);
    // Off for a diagram over a background of its own (a selected cell, a page).
    bool fillBackground = true;
    bool leftHanded = false;
    // Names the strings; null for standard tuning.
    const Tuning* tuning = nullptr;
};

// Where the parts of a diagram fall in a rect; the painter draws from it and tests check
// it.
struct DiagramGeometry
{
    QRectF area;       // the diagram at its aspect ratio, centred in the rect
    qreal scale = 1;   // area width / DiagramWidth
    int firstFret = 1; // the fret of the first column
    bool leftHanded = false;

    // The y of a string's line (0 low MI ... 5 high mi).
    qreal stringY(int string) const;
    // The x of the middle of a fret's column (firstFret is the first column).
    qreal fretCentreX(int fret) const;
    // The x of the nut's edge or the first fret wire, and of the last fret wire.
    qreal gridStartX() const;
    qreal gridEndX() const;
    // The centre of the dot of a finger on a string at a fret.
    QPointF dotCentre(int string, int fret) const { return {fretCentreX(fret), stringY(string)}; }
    // The radius of a dot.
    qreal dotRadius() const;
};

DiagramGeometry diagramGeometry(const Fingering& fingering, const QRectF& rect,
                                bool leftHanded = false);

// The centre of each string's dot; a null point for a muted or open string.
std::array<QPointF, StringCount> dotCentres(const Fingering& fingering, const QRectF& rect,
                                            bool leftHanded = false);

// Draws into rect on any paint device (widget, QImage, QPdfWriter); the painter's state is
// left as it was.
void paintDiagram(QPainter& painter, const QRectF& rect, const Fingering& fingering,
                  const DiagramStyle& style = {});

// The diagram as a picture of logicalSize at the device pixel ratio dpr (2 on a HiDPI
// screen: twice the pixels, drawn at that resolution).
QImage renderDiagram(const Fingering& fingering, const QSizeF& logicalSize, qreal dpr,
                     const DiagramStyle& style = {});

} // namespace chords
