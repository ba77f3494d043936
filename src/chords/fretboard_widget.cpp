#include "chords/fretboard_widget.h"

#include "chords/chord_identifier.h"
#include "chords/fingering.h"
#include "chords/fingering_engine.h"
#include "chords/fretboard_accessible.h"
#include "chords/tuning.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

// Left to right on the right-handed neck: the string names, the column of the open and
// muted marks, the nut, the frets, the notes the strings sound.
constexpr int Margin = 6;
constexpr int NameWidth = 28;
constexpr int OpenWidth = 26;
constexpr int NutWidth = 5;
constexpr int NoteWidth = 44;
constexpr int TopMargin = 8;
constexpr int RowHeight = 24;
constexpr int NumbersHeight = 18;
constexpr int BottomMargin = 4;
constexpr int TopString = chords::StringCount - 1;

// The frets narrow along the neck as on a guitar: fret n's wire lies where the string
// is shortened by 2^(-n/12).
qreal neckFraction(int fret)
{
    return (1 - std::pow(2.0, -fret / 12.0)) / (1 - std::pow(2.0, -chords::MaxFret / 12.0));
}

QColor mix(const QColor& a, const QColor& b, qreal t)
{
    return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * t),
                            float(a.greenF() + (b.greenF() - a.greenF()) * t),
                            float(a.blueF() + (b.blueF() - a.blueF()) * t));
}

// The frets of the inlays on a guitar's neck, counted from the nut; 12 and 24 are double.
bool hasInlay(int fret)
{
    const int f = fret % 12;
    return f == 3 || f == 5 || f == 7 || f == 9 || f == 0;
}

// A string's name from the tuning ("MI", "la", "fa#", "MIb") in American letters, its case
// kept: "E", "a", "f#", "Eb".
QString americanStringName(const QString& italian)
{
    static const std::pair<const char*, char> syllables[] = {
        {"sol", 'g'}, {"do", 'c'}, {"re", 'd'}, {"mi", 'e'}, {"fa", 'f'}, {"la", 'a'}, {"si", 'b'}};
    for (const auto& [syllable, letter] : syllables) {
        const auto length = qsizetype(qstrlen(syllable));
        if (!italian.startsWith(QLatin1String(syllable), Qt::CaseInsensitive))
            continue;
        const QChar name = italian.at(0).isUpper() ? QChar(letter).toUpper() : QChar(letter);
        return name + italian.mid(length);
    }
    return italian;
}

} // namespace

FretboardWidget::FretboardWidget(QWidget* parent)
    : QWidget(parent), m_tuning(&chords::standardTuning())
{
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(FretboardAccessible::create);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void FretboardWidget::setFrets(const chords::Frets& frets)
{
    chords::Frets shape = frets;
    for (int& fret : shape)
        fret = std::clamp(fret, -1, chords::MaxFret);
    applyFrets(shape);
}

void FretboardWidget::setTuning(const chords::Tuning& tuning)
{
    m_tuning = &tuning;
    update();
    for (int s = 0; s < chords::StringCount; ++s)
        announceName(s);
}

void FretboardWidget::setCapo(int capo)
{
    m_capo = capo;
    update();
    for (int s = 0; s < chords::StringCount; ++s)
        announceName(s);
}

void FretboardWidget::setLeftHanded(bool leftHanded)
{
    m_leftHanded = leftHanded;
    update();
}

void FretboardWidget::setAmericanNotation(bool american)
{
    m_american = american;
    update();
    for (int s = 0; s < chords::StringCount; ++s)
        announceName(s);
}

QString FretboardWidget::stringDescription(int string) const
{
    const QString number = QString::number(chords::StringCount - string);
    const int fret = m_frets[string];
    if (fret < 0)
        return QStringLiteral("corda %1: muta").arg(number);
    const QString note = noteName(pitchClass(string));
    if (fret == 0)
        return QStringLiteral("corda %1: a vuoto, %2").arg(number, note);
    return QStringLiteral("corda %1: tasto %2, %3").arg(number, QString::number(fret), note);
}

QString FretboardWidget::cursorDescription() const
{
    return m_cursorFret == 0 ? QStringLiteral("cursore sul capotasto")
                             : QStringLiteral("cursore al tasto %1").arg(m_cursorFret);
}

QRectF FretboardWidget::stringRect(int string) const
{
    return QRectF(Margin, stringY(string) - RowHeight / 2.0, width() - 2 * Margin, RowHeight);
}

QPointF FretboardWidget::fretCentre(int string, int fret) const
{
    const qreal x =
        fret == 0 ? Margin + NameWidth + OpenWidth / 2.0 : (wireX(fret - 1) + wireX(fret)) / 2;
    return {mirrored(x), stringY(string)};
}

QSize FretboardWidget::sizeHint() const
{
    return {760, TopMargin + chords::StringCount * RowHeight + NumbersHeight + BottomMargin};
}

QSize FretboardWidget::minimumSizeHint() const
{
    return {480, sizeHint().height()};
}

qreal FretboardWidget::wireX(int fret) const
{
    const qreal start = Margin + NameWidth + OpenWidth + NutWidth;
    const qreal end = width() - Margin - NoteWidth;
    return start + (end - start) * neckFraction(fret);
}

qreal FretboardWidget::stringY(int string) const
{
    return TopMargin + (TopString - string) * RowHeight + RowHeight / 2.0;
}

qreal FretboardWidget::mirrored(qreal x) const
{
    return m_leftHanded ? width() - x : x;
}

QRectF FretboardWidget::mirrored(const QRectF& rect) const
{
    if (!m_leftHanded)
        return rect;
    return QRectF(width() - rect.right(), rect.top(), rect.width(), rect.height());
}

int FretboardWidget::fretAt(qreal x) const
{
    x = mirrored(x);
    if (x < Margin || x > wireX(chords::MaxFret))
        return -1;
    // The names, the open column and the nut are all the nut.
    for (int fret = 0; fret <= chords::MaxFret; ++fret) {
        if (x <= wireX(fret))
            return fret;
    }
    return -1;
}

int FretboardWidget::stringAt(qreal y) const
{
    const qreal row = (y - TopMargin) / RowHeight;
    if (row < 0 || row >= chords::StringCount)
        return -1;
    return TopString - int(row);
}

int FretboardWidget::pitchClass(int string) const
{
    const int pitch = chords::soundingPitches(m_frets, *m_tuning, m_capo)[string];
    return pitch < 0 ? -1 : pitch % 12;
}

QString FretboardWidget::noteName(int pitchClass) const
{
    return chords::noteNames(chords::toneBit(pitchClass), pitchClass, m_american);
}

// Lifting a finger leaves the string open.
void FretboardWidget::toggleOpen(int string)
{
    setString(string, m_frets[string] == 0 ? -1 : 0);
}

void FretboardWidget::setString(int string, int fret)
{
    chords::Frets shape = m_frets;
    shape[string] = fret;
    applyFrets(shape);
}

void FretboardWidget::applyFrets(const chords::Frets& frets)
{
    if (frets == m_frets)
        return;
    const chords::Frets before = m_frets;
    m_frets = frets;
    update();
    for (int s = 0; s < chords::StringCount; ++s) {
        if (before[s] != frets[s])
            announceName(s);
    }
    emit fretsChanged(m_frets);
}

void FretboardWidget::announceName(int string)
{
    if (!QAccessible::isActive())
        return;
    if (QAccessibleInterface* item = accessibleString(string)) {
        QAccessibleEvent event(item, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    }
}

void FretboardWidget::moveCursor(int string, int fret)
{
    string = std::clamp(string, 0, TopString);
    fret = std::clamp(fret, 0, chords::MaxFret);
    if (string == m_cursorString && fret == m_cursorFret)
        return;
    const bool otherString = string != m_cursorString;
    m_cursorString = string;
    m_cursorFret = fret;
    update();
    if (otherString) {
        announceCursor();
    } else if (QAccessibleInterface* item =
                   QAccessible::isActive() && hasFocus() ? accessibleString(string) : nullptr) {
        QAccessibleEvent event(item, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&event);
    }
}

QAccessibleInterface* FretboardWidget::accessibleString(int string)
{
    auto* board = dynamic_cast<FretboardAccessible*>(QAccessible::queryAccessibleInterface(this));
    return board ? board->stringItem(string) : nullptr;
}

void FretboardWidget::announceCursor()
{
    QAccessibleInterface* item =
        QAccessible::isActive() && hasFocus() ? accessibleString(m_cursorString) : nullptr;
    if (!item)
        return;
    QAccessibleEvent event(item, QAccessible::Focus);
    QAccessible::updateAccessibility(&event);
}

void FretboardWidget::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    const int string = stringAt(event->position().y());
    const int fret = fretAt(event->position().x());
    if (string < 0 || fret < 0)
        return;
    moveCursor(string, fret);
    if (fret == 0)
        toggleOpen(string);
    else
        setString(string, fret);
}

void FretboardWidget::keyPressEvent(QKeyEvent* event)
{
    // Shortcuts with Ctrl or Alt are the window's.
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return QWidget::keyPressEvent(event);
    // Towards the body of the guitar is to the right, or to the left when mirrored.
    const int bodyward = m_leftHanded ? -1 : 1;
    switch (event->key()) {
    case Qt::Key_Up:
        moveCursor(m_cursorString + 1, m_cursorFret);
        break;
    case Qt::Key_Down:
        moveCursor(m_cursorString - 1, m_cursorFret);
        break;
    case Qt::Key_Right:
        moveCursor(m_cursorString, m_cursorFret + bodyward);
        break;
    case Qt::Key_Left:
        moveCursor(m_cursorString, m_cursorFret - bodyward);
        break;
    case Qt::Key_Home:
        moveCursor(m_cursorString, 0);
        break;
    case Qt::Key_Space:
        if (m_cursorFret == 0)
            toggleOpen(m_cursorString);
        else
            setString(m_cursorString, m_cursorFret);
        break;
    case Qt::Key_X:
        setString(m_cursorString, -1);
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        emit playRequested();
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

void FretboardWidget::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    update();
    announceCursor();
}

void FretboardWidget::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    update();
}

void FretboardWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    paintNeck(painter);
    paintStrings(painter);
    paintMarks(painter);
    paintLabels(painter);
    if (hasFocus())
        paintCursor(painter);
}

// The fingerboard in the colours of a text field, its inlays, fret wires and the nut or
// the capo.
void FretboardWidget::paintNeck(QPainter& painter) const
{
    const QPalette& pal = palette();
    const QColor base = pal.color(QPalette::Base);
    const QColor text = pal.color(QPalette::Text);
    const qreal top = stringY(TopString) - RowHeight / 2.0 + 3;
    const qreal bottom = stringY(0) + RowHeight / 2.0 - 3;
    const QRectF board(wireX(0), top, wireX(chords::MaxFret) - wireX(0), bottom - top);
    painter.fillRect(mirrored(board), base);

    // The inlays are where they are on the neck; with a capo the frets count from it.
    painter.setPen(Qt::NoPen);
    painter.setBrush(mix(base, text, 0.18));
    for (int fret = 1; fret <= chords::MaxFret; ++fret) {
        const int onNeck = fret + m_capo;
        if (!hasInlay(onNeck))
            continue;
        const qreal x = fretCentre(0, fret).x();
        const qreal r = std::min<qreal>(5, (wireX(fret) - wireX(fret - 1)) / 5);
        if (onNeck % 12 == 0) {
            painter.drawEllipse(QPointF(x, stringY(1) - RowHeight / 2.0), r, r);
            painter.drawEllipse(QPointF(x, stringY(4) - RowHeight / 2.0), r, r);
        } else {
            painter.drawEllipse(QPointF(x, (top + bottom) / 2), r, r);
        }
    }

    painter.setPen(QPen(mix(base, text, 0.5), 1.5));
    for (int fret = 1; fret <= chords::MaxFret; ++fret)
        painter.drawLine(QPointF(mirrored(wireX(fret)), top),
                         QPointF(mirrored(wireX(fret)), bottom));

    const QRectF nut(wireX(0) - NutWidth, top, NutWidth, bottom - top);
    if (m_capo == 0) {
        painter.fillRect(mirrored(nut), text);
    } else {
        // The capo stands out of the neck a little and is rounded.
        painter.setPen(Qt::NoPen);
        painter.setBrush(mix(base, text, 0.65));
        painter.drawRoundedRect(mirrored(nut.adjusted(-2, -4, 1, 4)), 2.5, 2.5);
    }
}

// Heavier strings lower down; a muted string is faint.
void FretboardWidget::paintStrings(QPainter& painter) const
{
    const QColor text = palette().color(QPalette::Text);
    const QColor faint = mix(palette().color(QPalette::Base), text, 0.35);
    const qreal start = Margin + NameWidth + OpenWidth / 2.0;
    for (int s = 0; s < chords::StringCount; ++s) {
        painter.setPen(QPen(m_frets[s] < 0 ? faint : text, 1.0 + (TopString - s) * 0.3));
        painter.drawLine(QPointF(mirrored(start), stringY(s)),
                         QPointF(mirrored(wireX(chords::MaxFret)), stringY(s)));
    }
}

// A ring for an open string, a cross for a muted one, a dot where a finger presses.
void FretboardWidget::paintMarks(QPainter& painter) const
{
    const QPalette& pal = palette();
    const QColor mark = pal.color(QPalette::WindowText);
    const QColor dot = pal.color(QPalette::Highlight);
    const qreal r = 6.5;
    for (int s = 0; s < chords::StringCount; ++s) {
        const int fret = m_frets[s];
        const QPointF open = fretCentre(s, 0);
        if (fret < 0) {
            painter.setPen(QPen(mark, 2));
            painter.drawLine(open + QPointF(-5, -5), open + QPointF(5, 5));
            painter.drawLine(open + QPointF(-5, 5), open + QPointF(5, -5));
        } else if (fret == 0) {
            painter.setPen(QPen(mark, 2));
            painter.setBrush(pal.color(QPalette::Window));
            painter.drawEllipse(open, r, r);
        } else {
            painter.setPen(QPen(pal.color(QPalette::HighlightedText), 1.5));
            painter.setBrush(dot);
            painter.drawEllipse(fretCentre(s, fret), r + 1.5, r + 1.5);
        }
    }
}

// The strings' names at the head, the notes they sound beyond the neck (the bass in
// bold), the frets' numbers below and the capo's fret.
void FretboardWidget::paintLabels(QPainter& painter) const
{
    painter.setPen(palette().color(QPalette::WindowText));
    const QFont font = painter.font();
    QFont bold = font;
    bold.setBold(true);
    const int bass = [this] {
        const auto pitches = chords::soundingPitches(m_frets, *m_tuning, m_capo);
        int lowest = -1;
        for (int s = 0; s < chords::StringCount; ++s) {
            if (pitches[s] >= 0 && (lowest < 0 || pitches[s] < pitches[lowest]))
                lowest = s;
        }
        return lowest;
    }();

    const qreal noteX = width() - Margin - NoteWidth + 6;
    for (int s = 0; s < chords::StringCount; ++s) {
        const QRectF row(0, stringY(s) - RowHeight / 2.0, 0, RowHeight);
        painter.setFont(font);
        const QString name = QString::fromUtf8(m_tuning->stringNames[s]);
        painter.drawText(mirrored(QRectF(Margin, row.top(), NameWidth, RowHeight)), Qt::AlignCenter,
                         m_american ? americanStringName(name) : name);
        const int pc = pitchClass(s);
        painter.setFont(s == bass ? bold : font);
        painter.drawText(mirrored(QRectF(noteX, row.top(), NoteWidth - 6, RowHeight)),
                         Qt::AlignCenter, pc < 0 ? QStringLiteral("–") : noteName(pc));
    }

    QFont small = font;
    small.setPointSizeF(std::max(6.0, font.pointSizeF() - 1));
    painter.setFont(small);
    const qreal numbersTop = TopMargin + chords::StringCount * RowHeight;
    for (int fret = 1; fret <= chords::MaxFret; ++fret) {
        const QRectF cell(wireX(fret - 1), numbersTop, wireX(fret) - wireX(fret - 1),
                          NumbersHeight);
        painter.drawText(mirrored(cell), Qt::AlignCenter, QString::number(fret));
    }
    if (m_capo > 0) {
        const QRectF under(Margin, numbersTop, NameWidth + OpenWidth + NutWidth, NumbersHeight);
        painter.drawText(mirrored(under), Qt::AlignCenter, QStringLiteral("capo %1").arg(m_capo));
    }
    painter.setFont(font);
}

void FretboardWidget::paintCursor(QPainter& painter) const
{
    const qreal w = m_cursorFret == 0 ? OpenWidth : wireX(m_cursorFret) - wireX(m_cursorFret - 1);
    const QPointF centre = fretCentre(m_cursorString, m_cursorFret);
    const QRectF cell(centre.x() - w / 2 + 1, centre.y() - RowHeight / 2.0 + 1, w - 2,
                      RowHeight - 2);
    painter.setPen(QPen(palette().color(QPalette::Highlight), 2, Qt::DashLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(cell, 3, 3);
}
