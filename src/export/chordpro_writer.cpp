#include "export/chordpro_writer.h"

#include "chordlist/chord_list_model.h"
#include "chordlist/chord_spelling.h"
#include "chords/chord_catalogue.h"
#include "chords/fingering.h"
#include "chords/voicing_table.h"
#include "documents/list_file.h"

#include <QSet>

namespace chordpro {
namespace {

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
    // The chart starts where the diagrams do: at the nut, or at the shape's lowest fret.
    const chords::Fingering fingering = chords::fingeringOf(*voicing);
    const int base = fingering.firstFretShown();
    QString text = QStringLiteral("base-fret %1 frets").arg(base);
    for (const int fret : fingering.frets) {
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
