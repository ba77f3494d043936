#pragma once

#include <QString>
#include <QTextBrowser>

class Prompts;

// The embedded web-browser view: shows a local HTML file with its local
// pictures and style sheet, reloads it from disk on request, runs no scripts,
// and hands every link that leaves the page to the desktop's browser. It reads
// local regular files only, each up to the limit of its kind (filereader).
class BrowserView : public QTextBrowser
{
    Q_OBJECT
public:
    explicit BrowserView(QWidget* parent = nullptr);

    // Where links that leave the page go; until it is set they go nowhere.
    void setPrompts(Prompts* prompts) { m_prompts = prompts; }

    // Loads the file afresh, also when it is the page on display. A file that
    // cannot be read shows an error page naming it.
    void navigate(const QString& path);
    // The path of the last navigation, empty before the first.
    QString path() const { return m_path; }
    // True while the view shows its error page instead of a file.
    bool showsError() const { return m_showsError; }

    QVariant loadResource(int type, const QUrl& name) override;

private:
    QVariant readResource(int type, const QUrl& url);
    void followLink(const QUrl& url);

    Prompts* m_prompts = nullptr;
    QString m_path;
    bool m_showsError = false;
};
