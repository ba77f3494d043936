#pragma once

#include <QString>
#include <QStringList>

// Tablature text of the riff grid: six strings, highest first, by eight steps.
namespace tablature {

enum class Notation { Italian, American };

constexpr int Strings = 6;
constexpr int Steps = 8;

// What every clearing command writes into a cell: a step where the string is
// not played.
inline QString emptyStep()
{
    return QStringLiteral("--");
}
// The last line of the scheme text while it holds anything.
inline QString signature()
{
    return QStringLiteral("by Virmosk");
}

// The six string names, highest string first. The Italian names are
// right-aligned to three characters; the American ones are single letters.
QStringList stringNames(Notation notation);

// One string's line: its name, "|--", then every cell followed by "--". Cells
// are taken as they are: a short or empty cell makes the line shorter.
QString line(const QString& stringName, const QStringList& cells);

// The six lines of a grid given row by row (six rows of eight cells).
QStringList schemeLines(Notation notation, const QList<QStringList>& rows);

} // namespace tablature
