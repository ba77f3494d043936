#pragma once

#include <QStringList>

// The collected scheme text of the riff editor: zero or more schemes of six
// tablature lines, each followed by an empty line, then the signature line
// once a scheme has been added or taken back.
class RiffScheme
{
public:
    const QStringList& lines() const { return m_lines; }
    bool isEmpty() const { return m_lines.isEmpty(); }

    // Replaces the signature line by the scheme, its empty line and the
    // signature again, so there is never more than one signature line.
    void addScheme(const QStringList& schemeLines);
    // Drops the last eight lines (signature, separator and six tablature lines,
    // or whatever is there) and writes the signature back.
    void removeLastScheme();
    void clear();

private:
    QStringList m_lines;
};
