#pragma once

#include <QObject>

class Form1;

// The chord list's editing commands: add, insert, remove, clear and select.
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

private:
    Form1& m_form;
};
