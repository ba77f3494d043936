#pragma once

#include "core/app_context.h"
#include "riff/riff_scheme.h"
#include "riff/tablature.h"

#include <QList>
#include <QStringList>
#include <QWidget>

#include <functional>
#include <memory>

class QLineEdit;

namespace Ui {
class RiffEditor;
}

// The riff editor: a tablature grid of six strings by eight steps, and the
// schemes collected from it, which can be saved as a text file.
class RiffEditor : public QWidget
{
    Q_OBJECT
public:
    explicit RiffEditor(AppContext& ctx, QWidget* parent = nullptr);
    ~RiffEditor() override;

    // The list title, read when "Salva" proposes a file name.
    void setListTitleSource(std::function<QString()> source);

    // "Cancella tutto": every cell back to "--" and the scheme text emptied.
    void clearAll();
    void showWindow();

    const QStringList& schemeText() const { return m_scheme.lines(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Row and column count from 1, as the cells are numbered: row r, column c
    // is Edit<8(r-1)+c>.
    QLineEdit* cell(int row, int column) const;
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
    std::unique_ptr<Ui::RiffEditor> m_ui;
    QList<QLineEdit*> m_cells; // Edit1..Edit48, row by row
    std::function<QString()> m_listTitle = [] { return QString(); };
    RiffScheme m_scheme;
};
