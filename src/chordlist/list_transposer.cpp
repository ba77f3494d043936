#include "chordlist/list_transposer.h"

#include "chordlist/chord_list_model.h"
#include "chordlist/chord_spelling.h"
#include "chords/chord_catalogue.h"

namespace chordlist {

bool transposeEntry(const QString& line, const QString& picture, int semitones, QString& newLine,
                    QString& newPicture)
{
    std::optional<SpelledChord> chord = recogniseChord(line);
    if (!chord)
        return false;
    // The entry showed a second position when its picture is its chord's second one.
    const std::optional<chords::SecondPosition> before =
        chords::secondPosition(italianName(chord->root, chord->type));
    const bool second = before && picture == before->secondPicture;

    chord->root =
        ((chord->root + semitones) % chords::RootCount + chords::RootCount) % chords::RootCount;
    newLine = spellChord(*chord);
    newPicture = chords::chordPicture(chord->root, chord->type);
    if (second) {
        const std::optional<chords::SecondPosition> after =
            chords::secondPosition(italianName(chord->root, chord->type));
        if (after)
            newPicture = after->secondPicture;
    }
    return true;
}

Transposition transposeEntries(const QStringList& lines, const QStringList& pictures, int semitones)
{
    Transposition result;
    result.lines.reserve(lines.size());
    result.pictures.reserve(lines.size());
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString& line = lines.at(i);
        const QString picture = pictures.value(i);
        QString newLine;
        QString newPicture;
        if (line == ChordListModel::BlankLine) {
            newLine = line;
            newPicture = picture;
        } else if (!transposeEntry(line, picture, semitones, newLine, newPicture)) {
            newLine = line;
            newPicture = picture;
            ++result.unrecognised;
        }
        result.lines.append(newLine);
        result.pictures.append(newPicture);
    }
    return result;
}

bool ListTransposer::continuesFrom(const QStringList& lines, const QStringList& pictures) const
{
    return !m_lastLines.isEmpty() && lines == m_lastLines && pictures == m_lastPictures;
}

Transposition ListTransposer::preview(const QStringList& lines, const QStringList& pictures,
                                      int semitones) const
{
    if (!continuesFrom(lines, pictures))
        return transposeEntries(lines, pictures, semitones);
    const int offset = (m_offset + semitones) % chords::RootCount;
    Transposition result = transposeEntries(m_originLines, m_originPictures, offset);
    if (offset == 0) {
        // Back where it started: the list as it was, spellings and pictures included.
        result.lines = m_originLines;
        result.pictures = m_originPictures;
    }
    return result;
}

Transposition ListTransposer::transpose(const QStringList& lines, const QStringList& pictures,
                                        int semitones)
{
    const Transposition result = preview(lines, pictures, semitones);
    if (continuesFrom(lines, pictures)) {
        m_offset = (m_offset + semitones) % chords::RootCount;
    } else {
        m_originLines = lines;
        m_originPictures = pictures;
        m_offset = semitones % chords::RootCount;
    }
    m_lastLines = result.lines;
    m_lastPictures = result.pictures;
    return result;
}

int ListTransposer::transposeList(ChordListModel& list, int semitones)
{
    QStringList pictures;
    pictures.reserve(list.count());
    for (int i = 0; i < list.count(); ++i)
        pictures.append(list.picture(i));
    const Transposition result = transpose(list.lines(), pictures, semitones);
    list.rewriteEntries(result.lines, result.pictures);
    return result.unrecognised;
}

} // namespace chordlist
