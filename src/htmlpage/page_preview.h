#pragma once

#include <QString>
#include <QStringList>

// Where a generated page is shown: the preview window takes the main window's
// place while the page is built, then loads the written file.
class PagePreview
{
public:
    virtual ~PagePreview() = default;

    // Shows the preview; one already shown stays where it is.
    virtual void showPreview() = 0;
    // The page shows a list not yet saved.
    virtual void showListModified(bool modified) = 0;
    // The lines of the page being built.
    virtual void setPageLines(const QStringList& lines) = 0;
    // Loads the written page file.
    virtual void showPage(const QString& path) = 0;
};
