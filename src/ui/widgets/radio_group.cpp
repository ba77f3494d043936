#include "ui/widgets/radio_group.h"

#include <QButtonGroup>
#include <QKeyEvent>
#include <QRadioButton>
#include <QSignalBlocker>

#include <algorithm>

namespace {

// The whole row of an item takes the click, not only its circle and text. The
// arrow keys select the previous or next item of the column, as a click on it
// would, even while the group has no selection yet.
class RadioItem : public QRadioButton
{
public:
    using QRadioButton::QRadioButton;

protected:
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }

    void keyPressEvent(QKeyEvent* event) override
    {
        int step = 0;
        switch (event->key()) {
        case Qt::Key_Up:
        case Qt::Key_Left:
            step = -1;
            break;
        case Qt::Key_Down:
        case Qt::Key_Right:
            step = 1;
            break;
        default:
            QRadioButton::keyPressEvent(event);
            return;
        }
        const QList<QAbstractButton*> items = group()->buttons();
        const int next = static_cast<int>(items.indexOf(this)) + step;
        // The ends of the column do not wrap round.
        if (next < 0 || next >= items.size())
            return;
        items.at(next)->setFocus(step < 0 ? Qt::BacktabFocusReason : Qt::TabFocusReason);
        items.at(next)->click();
    }
};

} // namespace

RadioGroup::RadioGroup(const QString& caption, const QStringList& items, QWidget* parent)
    : QGroupBox(caption, parent), m_group(new QButtonGroup(this))
{
    for (int i = 0; i < items.size(); ++i) {
        auto* b = new RadioItem(items.at(i), this);
        b->setObjectName(QStringLiteral("item%1").arg(i));
        m_group->addButton(b, i);
        m_buttons.append(b);
    }
    // A selection made by any means (click, key, an accessibility action, code)
    // is seen here once, when the new item becomes checked.
    connect(m_group, &QButtonGroup::idToggled, this, [this](int index, bool checked) {
        if (checked && index != m_index) {
            m_index = index;
            updateTabStop();
            emit clicked(index);
        }
    });
    updateTabStop();
    layoutItems();
}

void RadioGroup::setItemIndex(int index)
{
    if (index < -1 || index >= count() || index == m_index)
        return;
    if (index >= 0) {
        m_buttons[index]->setChecked(true);
        return;
    }
    // An exclusive group cannot uncheck its item: it stops being exclusive for
    // that one silent step.
    const int previous = m_index;
    m_index = -1;
    m_group->setExclusive(false);
    {
        const QSignalBlocker blocker(m_buttons[previous]);
        m_buttons[previous]->setChecked(false);
    }
    m_group->setExclusive(true);
    updateTabStop();
}

void RadioGroup::setItems(const QStringList& items)
{
    for (int i = 0; i < count() && i < items.size(); ++i)
        m_buttons[i]->setText(items.at(i));
}

QStringList RadioGroup::items() const
{
    QStringList texts;
    for (const QRadioButton* b : m_buttons)
        texts.append(b->text());
    return texts;
}

// Tab enters the group at its selected item, or at the first while none is.
void RadioGroup::updateTabStop()
{
    const int stop = m_index >= 0 ? m_index : 0;
    for (int i = 0; i < count(); ++i)
        m_buttons[i]->setFocusPolicy(i == stop ? Qt::StrongFocus : Qt::ClickFocus);
}

void RadioGroup::resizeEvent(QResizeEvent* event)
{
    QGroupBox::resizeEvent(event);
    layoutItems();
}

void RadioGroup::layoutItems()
{
    // Items share the height below the caption evenly, one column.
    if (m_buttons.isEmpty())
        return;
    const int top = 16;
    const int available = height() - top - 4;
    const int step = available / static_cast<int>(m_buttons.size());
    // Every caption of one line of printable ASCII is as tall as any other in
    // the same font: one of them is measured for all, which spares shaping each.
    auto plain = [](const QString& text) {
        return !text.isEmpty() && std::all_of(text.cbegin(), text.cend(), [](QChar c) {
            return c.unicode() >= 0x20 && c.unicode() < 0x7F;
        });
    };
    int plainHeight = -1;
    QFont plainFont;
    for (int i = 0; i < count(); ++i) {
        QRadioButton* b = m_buttons[i];
        int h;
        if (!plain(b->text())) {
            h = b->sizeHint().height();
        } else if (plainHeight >= 0 && b->font() == plainFont) {
            h = plainHeight;
        } else {
            h = plainHeight = b->sizeHint().height();
            plainFont = b->font();
        }
        b->setGeometry(8, top + i * step + (step - h) / 2, width() - 12, h);
    }
}
