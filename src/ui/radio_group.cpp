#include "ui/radio_group.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QSignalBlocker>

namespace {

// The whole row of an item takes the click, not only its circle and text.
class RadioItem : public QRadioButton
{
public:
    using QRadioButton::QRadioButton;

protected:
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
};

} // namespace

RadioGroup::RadioGroup(const QString& caption, const QStringList& items, QWidget* parent)
    : QGroupBox(caption, parent), m_group(new QButtonGroup(this))
{
    // Exclusivity is kept by hand so that the group can show no selection.
    m_group->setExclusive(false);
    for (int i = 0; i < items.size(); ++i) {
        auto* b = new RadioItem(items.at(i), this);
        b->setObjectName(QStringLiteral("item%1").arg(i));
        b->setAutoExclusive(false);
        m_group->addButton(b, i);
        m_buttons.append(b);
    }
    connect(m_group, &QButtonGroup::idClicked, this, &RadioGroup::onButtonClicked);
    layoutItems();
}

void RadioGroup::setItemIndex(int index)
{
    if (index < -1 || index >= count() || index == m_index)
        return;
    m_index = index;
    for (int i = 0; i < count(); ++i) {
        const QSignalBlocker blocker(m_buttons[i]);
        m_buttons[i]->setChecked(i == index);
    }
    if (index >= 0)
        emit clicked(index);
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

void RadioGroup::onButtonClicked(int index)
{
    if (index == m_index) {
        // A click on the selected item leaves it selected and raises nothing.
        const QSignalBlocker blocker(m_buttons[index]);
        m_buttons[index]->setChecked(true);
        return;
    }
    setItemIndex(index);
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
    for (int i = 0; i < count(); ++i) {
        const int h = m_buttons[i]->sizeHint().height();
        m_buttons[i]->setGeometry(8, top + i * step + (step - h) / 2, width() - 12, h);
    }
}
