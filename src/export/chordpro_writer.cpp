#include "export/chordpro_writer.h"

#include "chordlist/chord_list_model.h"
#include "chordlist/chord_spelling.h"
#include "chords/chord_catalogue.h"
#include "chords/voicing_table.h"
#include "documents/list_file.h"

#include <QSet>

#include <algorithm>
#include <array>

namespace chordpro {
namespace {

constexpr int StringCount = 6;
// A chart shows five frets from its base fret.
constexpr int FretsShown = 5;

// Text that goes into a directive or between chords: no line end, no brace or bracket,
// which would end the directive or open a chord.
QString plain(QString text)
{
    for (QChar& c : text) {
        if (c == QLatin1Char('{') || c == QLatin1Char('['))
            c = QLatin1Char('(');
        else if (c == QLatin1Char('}') || c == QLatin1Char(']'))
            c = QLatin1Char(')');
        else if (c.category() == QChar::Other_Control)
            c = QLatin1Char(' ');
    }
    return text;
}

} // namespace

QString chordName(const QString& entry)
{
    const std::optional<chordlist::SpelledChord> chord = chordlist::recogniseChord(entry);
    if (!chord)
        return {};
    if (chord->notation != chordlist::Notation::Symbol ||
        chord->accidental == chordlist::Accidental::Both)
        return chordlist::englishSymbol(chord->root, chord->type);
    // A symbol is named as written: its suffix and its sharp or flat.
    return entry;
}

QString defineShape(const QString& picture)
{
    const chords::Voicing* voicing = chords::voicingForPicture(picture.toStdString());
    if (!voicing)
        return {};
    std::array<int, StringCount> frets{};
    int lowest = 0;
    int highest = 0;
    bool open = false;
    for (int s = 0; s < StringCount; ++s) {
        const char c = voicing->frets[s];
        frets[static_cast<size_t>(s)] = c == 'x' ? -1 : c - '0';
        const int fret = frets[static_cast<size_t>(s)];
        open = open || fret == 0;
        if (fret > 0) {
            lowest = lowest == 0 ? fret : std::min(lowest, fret);
            highest = std::max(highest, fret);
        }
    }
    // The nut is shown when the shape fits the first frets and uses it or an open
    // string; a shape up the neck starts at its lowest fret.
    const int base = highest <= FretsShown && (open || lowest <= 1) ? 1 : lowest;
    QString text = QStringLiteral("base-fret %1 frets").arg(base);
    for (const int fret : frets) {
        text += QLatin1Char(' ');
        text += fret < 0 ? QStringLiteral("x") : QString::number(fret == 0 ? 0 : fret - base + 1);
    }
    return text;
}

QStringList songLines(const ListFile& list)
{
    QStringList lines;
    lines << QStringLiteral("{title: %1}").arg(plain(list.title));

    // One definition per chord name, from its first entry.
    QSet<QString> defined;
    for (qsizetype i = 0; i < list.entries.size(); ++i) {
        const QString name = chordName(list.entries.at(i));
        if (name.isEmpty() || defined.contains(name))
            continue;
        const QString shape =
            defineShape(chordlist::fingeringPicture(list.entries.at(i), list.pictures.value(i)));
        if (shape.isEmpty())
            continue;
        defined.insert(name);
        lines << QStringLiteral("{define: %1 %2}").arg(name, shape);
    }

    // The chords in brackets; a text that names no chord stays readable as a word
    // between them. A blank entry ends the line.
    QStringList line;
    const auto endLine = [&] {
        if (!line.isEmpty())
            lines << line.join(QLatin1Char(' '));
        line.clear();
    };
    for (const QString& entry : list.entries) {
        if (entry == ChordListModel::BlankLine) {
            endLine();
            continue;
        }
        const QString name = chordName(entry);
        if (!name.isEmpty()) {
            line << QLatin1Char('[') + name + QLatin1Char(']');
        } else {
            QString word = plain(entry).trimmed();
            // A line starting with "#" would be a comment of the file.
            if (line.isEmpty() && word.startsWith(QLatin1Char('#')))
                word.prepend(QLatin1Char('-'));
            if (!word.isEmpty())
                line << word;
        }
    }
    endLine();

    for (const QString& information : list.information)
        lines << QStringLiteral("{comment: %1}").arg(plain(information));
    return lines;
}

QByteArray songBytes(const ListFile& list)
{
    QByteArray bytes;
    for (const QString& line : songLines(list)) {
        bytes += line.toUtf8();
        bytes += '\n';
    }
    return bytes;
}

} // namespace chordpro
