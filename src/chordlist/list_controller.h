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
