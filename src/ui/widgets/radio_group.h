#pragma once

#include <QGroupBox>
#include <QList>
#include <QStringList>

class QButtonGroup;
class QRadioButton;

// A captioned group of radio items in one column, with the toolkit's rules:
// selecting a different item (by a click, the keyboard, an accessibility action
// or code) emits clicked(index) once; clicking the item already selected emits
// nothing; setting no selection from code emits nothing; replacing the item
// texts keeps the selection silently. Tab enters the group at its selected
// item (the first while none is) and the arrow keys move the selection.
class RadioGroup : public QGroupBox
{
    Q_OBJECT
public:
    RadioGroup(const QString& caption, const QStringList& items, QWidget* parent = nullptr);

    int itemIndex() const { return m_index; }
    // -1 clears the selection without an event.
    void setItemIndex(int index);
    void setItems(const QStringList& items);
    QStringList items() const;
    int count() const { return static_cast<int>(m_buttons.size()); }
    QRadioButton* button(int index) const { return m_buttons.value(index); }

signals:
    void clicked(int index);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void layoutItems();
    void updateTabStop();

    QButtonGroup* m_group;
    QList<QRadioButton*> m_buttons;
    int m_index = -1;
};
