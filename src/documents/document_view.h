#pragma once

#include <QString>
#include <QStringList>

// What the document commands show in the main window: the caption, the status
// text, the banner, the counters and the recent-files menu.
class DocumentView
{
public:
    virtual ~DocumentView() = default;

    virtual void showCaption(const QString& caption) = 0;
    virtual void showStatus(const QString& text) = 0;
    // The banner of a modified or of a saved list; throws CorvaltoError when it
    // cannot be shown.
    virtual void showBanner(bool modified) = 0;
    // The total and the fill bar.
    virtual void showEntryCount(int count) = 0;
    // The number of the selected entry counted from 1; 0 while none.
    virtual void showSelectedNumber(int number) = 0;
    virtual void enableSelectedNumber(bool enabled) = 0;
    // The items of the recent-files menu follow paths, most recent first.
    virtual void showRecentFiles(const QStringList& paths) = 0;
    // The path of item k = 1..3 of the recent-files menu; "-" for an item
    // without entry.
    virtual QString recentItem(int k) const = 0;
    virtual void popUpRecentFiles() = 0;
};
