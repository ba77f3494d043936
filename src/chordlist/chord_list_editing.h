#pragma once

#include "core/texts.h"

#include <QString>

class ChordListModel;

// The rules by which a new entry of the chord list gets its text and its
// picture name. All comparisons are exact and case-sensitive; list lines store
// a blank as "-", while the name panel shows it as "Spazio Vuoto".
namespace listediting {

// The line stored for the chord on display: "-" for the blank, else the caption.
QString entryLine(const QString& caption);

// Picture of an entry appended with the given line while the name panel shows
// caption: the former last entry's picture when the line repeats it, else the
// selected entry's picture when the caption names it, else the pending picture.
QString appendedPicture(const ChordListModel& list, const QString& line, const QString& caption);

// Picture of an entry inserted before the entry at position: the picture of the
// entry before it when the line repeats it, else the picture of the entry at
// position when the caption names that entry, else the pending picture.
QString insertedPicture(const ChordListModel& list, int position, const QString& line,
                        const QString& caption);

} // namespace listediting
