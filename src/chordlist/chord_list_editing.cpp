#include "chordlist/chord_list_editing.h"

#include "chordlist/chord_list_model.h"
#include "core/texts.h"

namespace listediting {

QString entryLine(const QString& caption)
{
    return caption == texts::Blank ? ChordListModel::BlankLine : caption;
}

QString appendedPicture(const ChordListModel& list, const QString& line, const QString& caption)
{
    if (list.isEmpty())
        return list.pendingPicture();
    const int last = list.lastIndex();
    if (line == list.line(last))
        return list.picture(last);
    const int selected = list.selectedPos();
    if (list.isEntry(selected) && caption == list.line(selected))
        return list.picture(selected);
    return list.pendingPicture();
}

QString insertedPicture(const ChordListModel& list, int position, const QString& line,
                        const QString& caption)
{
    if (position >= 1 && line == list.line(position - 1))
        return list.picture(position - 1);
    if (list.isEntry(position) && caption == list.line(position))
        return list.picture(position);
    return list.pendingPicture();
}

} // namespace listediting
