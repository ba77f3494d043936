#pragma once

#include <QObject>
#include <QString>

class Form1;

// The "Pagina Html" command of the main window (its button Button5 and Esc):
// writes the HTML page of the saved list beside the list file and shows it in
// the preview window in place of the main window.
class PageController : public QObject
{
    Q_OBJECT
public:
    explicit PageController(Form1& form);

    // The command's handler, as the title dialog and the information window run
    // it too. A page that cannot be written throws CorvaltoError to the caller's
    // guard; the preview is shown by then.
    void generatePage();

    // The directory part of the list file at the last generation, with its
    // trailing "/"; empty before the first.
    QString pageFolder() const { return m_pageFolder; }

private:
    Form1& m_form;
    QString m_pageFolder;
};
