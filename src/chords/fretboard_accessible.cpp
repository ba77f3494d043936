#include "chords/fretboard_accessible.h"

#include "chords/fretboard_widget.h"

#include <QPointer>
#include <QWindow>

namespace {

class StringItem : public QAccessibleInterface
{
public:
    StringItem(FretboardWidget* board, int string) : m_board(board), m_string(string) {}

    bool isValid() const override { return !m_board.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override
    {
        return m_board ? m_board->window()->windowHandle() : nullptr;
    }
    QAccessibleInterface* parent() const override
    {
        return QAccessible::queryAccessibleInterface(m_board.data());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* focusChild() const override { return nullptr; }

    QString text(QAccessible::Text t) const override
    {
        if (!m_board)
            return {};
        if (t == QAccessible::Name)
            return m_board->stringDescription(m_string);
        if (t == QAccessible::Description && m_board->cursorString() == m_string)
            return m_board->cursorDescription();
        return {};
    }
    void setText(QAccessible::Text, const QString&) override {}

    QRect rect() const override
    {
        if (!m_board)
            return {};
        const QRect local = m_board->stringRect(m_string).toAlignedRect();
        return QRect(m_board->mapToGlobal(local.topLeft()), local.size());
    }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        if (!m_board)
            return state;
        state.focusable = true;
        state.selectable = true;
        const bool current = m_board->cursorString() == m_string;
        state.focused = current && m_board->hasFocus();
        state.selected = current;
        state.invisible = !m_board->isVisible();
        return state;
    }

private:
    QPointer<FretboardWidget> m_board;
    int m_string;
};

} // namespace

FretboardAccessible::FretboardAccessible(FretboardWidget* board)
    : QAccessibleWidget(board, QAccessible::List)
{
}

FretboardAccessible::~FretboardAccessible()
{
    for (QAccessible::Id id : m_ids) {
        if (id)
            QAccessible::deleteAccessibleInterface(id);
    }
}

QAccessibleInterface* FretboardAccessible::create(const QString& className, QObject* object)
{
    if (className == QLatin1String("FretboardWidget"))
        return new FretboardAccessible(static_cast<FretboardWidget*>(object));
    return nullptr;
}

FretboardWidget* FretboardAccessible::board() const
{
    return static_cast<FretboardWidget*>(widget());
}

int FretboardAccessible::childCount() const
{
    return chords::StringCount;
}

QAccessibleInterface* FretboardAccessible::stringItem(int string) const
{
    if (string < 0 || string >= chords::StringCount)
        return nullptr;
    QAccessible::Id& id = m_ids[size_t(string)];
    if (!id)
        id = QAccessible::registerAccessibleInterface(new StringItem(board(), string));
    return QAccessible::accessibleInterface(id);
}

QAccessibleInterface* FretboardAccessible::child(int index) const
{
    return stringItem(chords::StringCount - 1 - index);
}

int FretboardAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    for (int i = 0; i < chords::StringCount; ++i) {
        if (m_ids[size_t(i)] && QAccessible::accessibleInterface(m_ids[size_t(i)]) == child)
            return chords::StringCount - 1 - i;
    }
    return -1;
}

QAccessibleInterface* FretboardAccessible::childAt(int x, int y) const
{
    const QPoint local = board()->mapFromGlobal(QPoint(x, y));
    for (int s = 0; s < chords::StringCount; ++s) {
        if (board()->stringRect(s).contains(local))
            return stringItem(s);
    }
    return nullptr;
}

QAccessibleInterface* FretboardAccessible::focusChild() const
{
    return board()->hasFocus() ? stringItem(board()->cursorString()) : nullptr;
}
