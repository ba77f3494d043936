#include "chords/diagram_button.h"

#include "chords/chord_diagram_painter.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStringList>

namespace {

// The diagram at the shipped pictures' size, its caption below, a margin for the focus
// frame all round.
constexpr int Margin = 4;
constexpr int CaptionHeight = 18;

QString roman(int n)
{
    static const std::pair<int, const char*> digits[] = {
        {10, "X"}, {9, "IX"}, {5, "V"}, {4, "IV"}, {1, "I"}};
    QString text;
    for (const auto& [value, letters] : digits) {
        for (; n >= value; n -= value)
            text += QLatin1String(letters);
    }
    return text;
}

} // namespace

DiagramButton::DiagramButton(QWidget* parent) : QAbstractButton(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void DiagramButton::setFingering(const chords::Fingering& fingering, int rank)
{
    m_fingering = fingering;
    setText(positionCaption(fingering));
    setAccessibleName(describe(fingering, rank));
    update();
}

void DiagramButton::setLeftHanded(bool leftHanded)
{
    if (m_leftHanded == leftHanded)
        return;
    m_leftHanded = leftHanded;
    update();
}

void DiagramButton::setTuning(const chords::Tuning& tuning)
{
    m_tuning = &tuning;
    update();
}

QSize DiagramButton::sizeHint() const
{
    return QSize(int(chords::DiagramWidth) + 2 * Margin,
                 int(chords::DiagramHeight) + CaptionHeight + 2 * Margin);
}

QString DiagramButton::positionCaption(const chords::Fingering& fingering)
{
    return roman(fingering.firstFretShown()) + QStringLiteral(" tasto");
}

// Frets from the low MI string; fingers only for the strings pressed, in the same order.
QString DiagramButton::describe(const chords::Fingering& fingering, int rank)
{
    QStringList fingers;
    for (int s = 0; s < chords::StringCount; ++s) {
        if (fingering.frets[s] > 0)
            fingers << QString::number(fingering.fingers[s]);
    }
    QString text =
        QStringLiteral("Posizione %1, %2: corde %3, ")
            .arg(rank)
            .arg(positionCaption(fingering), QString::fromStdString(fingering.fretsText()));
    text += fingers.isEmpty() ? QStringLiteral("nessun dito")
                              : QStringLiteral("dita ") + fingers.join(QLatin1Char(' '));
    if (fingering.hasBarre())
        text += QStringLiteral(" (barrè)");
    return text;
}

void DiagramButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QPalette& pal = palette();
    const QRect cell = rect().adjusted(Margin / 2, Margin / 2, -Margin / 2, -Margin / 2);
    painter.fillRect(cell, pal.color(QPalette::Base));

    chords::DiagramStyle style;
    style.foreground = pal.color(QPalette::Text);
    style.background = pal.color(QPalette::Base);
    style.fillBackground = false;
    style.leftHanded = m_leftHanded;
    style.tuning = m_tuning;
    const QRectF diagram(Margin, Margin, chords::DiagramWidth, chords::DiagramHeight);
    chords::paintDiagram(painter, diagram, m_fingering, style);

    painter.setPen(pal.color(QPalette::Text));
    painter.drawText(QRect(Margin, int(diagram.bottom()), int(diagram.width()), CaptionHeight),
                     Qt::AlignCenter, text());

    if (hasFocus() || isDown()) {
        QPen frame(pal.color(QPalette::Highlight), 2);
        painter.setPen(frame);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(cell).adjusted(1, 1, -1, -1));
    }
}

void DiagramButton::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!event->isAutoRepeat())
            click();
        return;
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
        emit arrowPressed(event->key());
        return;
    default:
        QAbstractButton::keyPressEvent(event);
    }
}
