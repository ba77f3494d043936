#pragma once

#include "core/app_context.h"
#include "riff/riff_scheme.h"
#include "riff/tablature.h"

#include <QList>
#include <QStringList>
#include <QWidget>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

// The riff editor: a tablature grid of six strings by eight steps, and the
// schemes collected from it, which can be saved as a text file.
class Form8 : public QWidget
{
    Q_OBJECT
public:
    explicit Form8(AppContext& ctx, QWidget* parent = nullptr);

    // "Cancella tutto": every cell back to "--" and the scheme text emptied.
    void clearAll();
    void showWindow();

    // Row and column count from 1, as the cells are numbered: row r, column c
    // is Edit<8(r-1)+c>.
    QLineEdit* cell(int row, int column) const;
    const QStringList& schemeText() const { return m_scheme.lines(); }

    QGroupBox* GroupBox1 = nullptr;
    QLabel* Label55 = nullptr;
    QList<QLineEdit*> cells;             // Edit1..Edit48
    QList<QLabel*> stringLines;          // Label1..Label54
    QList<QPushButton*> rowClearButtons; // Button5..Button10, rows 1..6
    QPushButton* Button4 = nullptr;
    QRadioButton* ita = nullptr;
    QPushButton* Button12 = nullptr;
    QPushButton* Button13 = nullptr;
    QRadioButton* ame = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QPushButton* Button2 = nullptr;
    QPushButton* Button3 = nullptr;
    QPushButton* Button11 = nullptr;
    QPushButton* Button1 = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createGrid();
    void createCommands();
    void connectCommands();
    void setTabOrder();

    void addScheme();
    void clearRow(int row);
    void clearGrid();
    void removeLastScheme();
    void save();
    void openRiffFolder();
    void showScheme();

    AppContext& m_ctx;
    RiffScheme m_scheme;
};
