#include "ui/widgets/up_down.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>

#include <algorithm>

UpDown::UpDown(int minimum, int maximum, int position, QWidget* parent)
    : QWidget(parent), m_minimum(minimum), m_maximum(maximum),
      m_position(std::clamp(position, minimum, maximum)), m_up(new QToolButton(this)),
      m_down(new QToolButton(this))
{
    setFocusPolicy(Qt::TabFocus);
    m_up->setArrowType(Qt::UpArrow);
    m_down->setArrowType(Qt::DownArrow);
    for (QToolButton* b : {m_up, m_down}) {
        b->setAutoRepeat(true);
        b->setFocusPolicy(Qt::NoFocus);
        b->setIconSize(QSize(7, 7));
    }
    m_up->setObjectName(QStringLiteral("up"));
    m_down->setObjectName(QStringLiteral("down"));
    connect(m_up, &QToolButton::clicked, this, &UpDown::stepUp);
    connect(m_down, &QToolButton::clicked, this, &UpDown::stepDown);
}

void UpDown::setAssociate(QLineEdit* edit)
{
    m_associate = edit;
    if (m_associate)
        m_associate->setReadOnly(true);
    showPosition();
}

void UpDown::setValueName(const QString& value)
{
    setAccessibleName(value);
    m_up->setAccessibleName(QStringLiteral("Aumenta ") + value);
    m_down->setAccessibleName(QStringLiteral("Diminuisci ") + value);
}

void UpDown::setPosition(int position)
{
    position = std::clamp(position, m_minimum, m_maximum);
    if (position == m_position)
        return;
    m_position = position;
    showPosition();
    QAccessibleValueChangeEvent changed(this, m_position);
    QAccessible::updateAccessibility(&changed);
    emit positionChanged(m_position);
}

void UpDown::showPosition()
{
    if (m_associate)
        m_associate->setText(QString::number(m_position));
}

void UpDown::resizeEvent(QResizeEvent*)
{
    const int half = height() / 2;
    m_up->setGeometry(0, 0, width(), half);
    m_down->setGeometry(0, half, width(), height() - half);
}

void UpDown::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Up)
        stepUp();
    else if (event->key() == Qt::Key_Down)
        stepDown();
    else
        QWidget::keyPressEvent(event);
}
