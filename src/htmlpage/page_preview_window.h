#pragma once

#include "core/app_context.h"
#include "htmlpage/page_preview.h"

#include <QStringList>
#include <QWidget>

#include <functional>
#include <memory>

namespace Ui {
class PagePreviewWindow;
}

// The HTML preview window: shows the page of the chord list and offers what a
// user wants next (print it in the desktop's browser, change the title or the
// additional information, open the riff folder, reload, close). While it is
// shown the main window is hidden; closing it by any means brings that back.
class PagePreviewWindow : public QWidget, public PagePreview
{
    Q_OBJECT
public:
    // Where the page comes from: the current list file (without the page's
    // ".html") and the folder the page was written to, read when a command
    // needs them.
    struct PageSource
    {
        std::function<QString()> listFile = [] { return QString(); };
        std::function<QString()> pageFolder = [] { return QString(); };
    };

    explicit PagePreviewWindow(AppContext& ctx, QWidget* parent = nullptr);
    ~PagePreviewWindow() override;

    void setPageSource(PageSource source);

    // Shows the window centred on its first showing; a window already shown
    // stays where it is.
    void showPreview() override;
    // The "*Lista modificata" notice: the page shows a list not yet saved.
    void showListModified(bool modified) override;
    // Loads the page file afresh into the view.
    void showPage(const QString& path) override;
    // The lines of the page being built; kept in the hidden Memo1.
    void setPageLines(const QStringList& lines) override;
    QStringList pageLines() const;

signals:
    // "Informazioni lista" and "Modifica titolo".
    void informationRequested();
    void titleRequested();
    // The window is closing; the main window comes back before it goes.
    void closing();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void createControls();
    void connectHandlers();
    void openInBrowser();
    void openRiffFolder();
    void reloadPage();

    AppContext& m_ctx;
    std::unique_ptr<Ui::PagePreviewWindow> m_ui;
    PageSource m_source;
    bool m_placed = false;
};
