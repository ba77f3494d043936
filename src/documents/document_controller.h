#pragma once

#include <QObject>

class Form1;

// The document commands of the main window: new, open, save, save as, the
// recent files and the unsaved-changes question.
class DocumentController : public QObject
{
    Q_OBJECT
public:
    explicit DocumentController(Form1& form);

    void newList();
    void openList();
    void saveList();
    void saveListAs();
    void openRecent(int k);
    void showRecentFiles();
    // Save list when the list has a file, otherwise Save list as.
    void saveListOrSaveAs();

private:
    Form1& m_form;
};
