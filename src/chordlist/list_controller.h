#pragma once

#include <QObject>

class Form1;
class QItemSelection;
class QListView;

// The chord list's editing commands: add, insert, remove, clear and select.
// Every command keeps the lines, the entries' pictures, the pending picture
// and the counters in step, also when a later step of it fails.
class ListController : public QObject
{
    Q_OBJECT
public:
    explicit ListController(Form1& form);

    void add();
    void insert();
    void remove();
    void clear();
    void select(int row);
    // No entry counts as selected any more: remove and insert are refused until
    // the user selects one, the list shows none highlighted (so that a click on
    // any entry selects it) and Edit2 is disabled, keeping its text.
    void forgetSelection();

protected:
    // The Space key in ListBox1 removes the selected entry and goes no further.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void selectionChanged(const QItemSelection& selected);
    void inform(const QString& text);
    void showSelectedPosition();

    Form1& m_form;
    QListView* m_listBox;
};
