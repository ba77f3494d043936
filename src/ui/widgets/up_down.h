#pragma once

#include <QWidget>

class QLineEdit;
class QToolButton;

// A pair of arrow buttons that steps an integer position within a range, without
// wrapping round, and writes it into an associated read-only field.
class UpDown : public QWidget
{
    Q_OBJECT
public:
    UpDown(int minimum, int maximum, int position, QWidget* parent = nullptr);
    // Steps 1 to 10, from 1: the range of every setting the program offers.
    explicit UpDown(QWidget* parent = nullptr) : UpDown(1, 10, 1, parent) {}

    // The field that shows the position; it is made read-only.
    void setAssociate(QLineEdit* edit);

    int position() const { return m_position; }
    // Clamped to the range.
    void setPosition(int position);
    int minimum() const { return m_minimum; }
    int maximum() const { return m_maximum; }

    void stepUp() { setPosition(m_position + 1); }
    void stepDown() { setPosition(m_position - 1); }

    // Screen readers name the control after the value it steps, and its arrows
    // "Aumenta <value>" and "Diminuisci <value>".
    void setValueName(const QString& value);

    QToolButton* upButton() const { return m_up; }

signals:
    void positionChanged(int position);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void showPosition();

    int m_minimum;
    int m_maximum;
    int m_position;
    QLineEdit* m_associate = nullptr;
    QToolButton* m_up;
    QToolButton* m_down;
};
