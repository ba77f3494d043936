#pragma once

// What the chord list's commands need around the list: the counters and the
// highlight of the main window.
class ListView
{
public:
    virtual ~ListView() = default;

    // The total and the fill bar.
    virtual void showEntryCount(int count) = 0;
    // The number of the selected entry counted from 1; 0 while none.
    virtual void showSelectedNumber(int number) = 0;
    virtual void enableSelectedNumber(bool enabled) = 0;
    // No entry shown highlighted; no handler runs.
    virtual void clearListHighlight() = 0;
};
