#pragma once

#include "core/app_context.h"

#include <QStringList>
#include <QWidget>

class BrowserView;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

// The HTML preview window: shows the page of the chord list and offers what a
// user wants next (print it in the desktop's browser, change the title or the
// additional information, open the riff folder, reload, close). While it is
// shown the main window is hidden; closing it by any means brings that back.
class Form3 : public QWidget
{
    Q_OBJECT
public:
    explicit Form3(AppContext& ctx, QWidget* parent = nullptr);

    // Shows the window centred on its first showing; a window already shown
    // stays where it is.
    void showPreview();
    // The lines of the page being built; kept in the hidden Memo1.
    void setPageLines(const QStringList& lines);
    QStringList pageLines() const;

    BrowserView* WebBrowser1 = nullptr;
    QPushButton* Button3 = nullptr;
    QPushButton* Button4 = nullptr;
    QPushButton* Button5 = nullptr;
    QPushButton* Button2 = nullptr;
    QLabel* Label1 = nullptr;
    QPushButton* Button1 = nullptr;
    QLabel* modificata = nullptr;
    QGroupBox* GroupBox1 = nullptr;
    QLabel* Label2 = nullptr;
    QPushButton* Button6 = nullptr;
    QPlainTextEdit* Memo1 = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void createControls();
    void connectHandlers();
    void openInBrowser();
    void showInformation();
    void showTitleDialog();
    void openRiffFolder();
    void reloadPage();

    AppContext& m_ctx;
    bool m_placed = false;
};
