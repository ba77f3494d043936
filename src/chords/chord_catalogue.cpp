#include "chords/chord_catalogue.h"

#include "core/errors.h"

#include <array>

namespace chords {
namespace {

struct Root
{
    const char* sharpName; // the only name of a plain root
    const char* flatName;  // null for a plain root
    const char* stem;
};

constexpr std::array<Root, RootCount> roots{{
    {"DO", nullptr, "do"},
    {"DO#", "REb", "do_diesis"},
    {"RE", nullptr, "re"},
    {"RE#", "MIb", "re_diesis"},
    {"MI", nullptr, "mi"},
    {"FA", nullptr, "fa"},
    {"FA#", "SOLb", "fa_diesis"},
    {"SOL", nullptr, "sol"},
    {"SOL#", "LAb", "sol_diesis"},
    {"LA", nullptr, "la"},
    {"LA#", "SIb", "la_diesis"},
    {"SI", nullptr, "si"},
}};

struct Type
{
    const char* suffix;
    const char* filePart; // the 7 chords and the diminished ones are handled apart
};

constexpr std::array<Type, TypeCount> types{{
    {"Maggiore", ""},
    {"4", "_4"},
    {"5+", "_5piu"},
    {"6", "_6"},
    {"7", "_7"},
    {"7+", "_7piu"},
    {"9", "_9"},
    {"11", "_11"},
    {"Diminuito", ""},
    {"Minore", "_min"},
    {"Minore 6", "_min6"},
    {"Minore 7", "_min7"},
}};

const std::array<const char*, RootCount> italianLabels{
    "DO",         "DO# / REb", "RE",         "RE# / MIb", "MI",        "FA",
    "FA# / SOLb", "SOL",       "SOL# / LAb", "LA",        "LA# / SIb", "SI"};
const std::array<const char*, RootCount> americanLabels{
    "C", "C# / Db", "D", "D# / Eb", "E", "F", "F# / Gb", "G", "G# / Ab", "A", "A# / Bb", "B"};

// The diminished chords share three pictures by root index modulo 3.
const std::array<const char*, 3> diminishedPictures{"uno.gif", "due.gif", "tre.gif"};

struct SecondPositionRow
{
    const char* name;
    const char* first;
    const char* second;
};

constexpr std::array<SecondPositionRow, 10> secondPositions{{
    {"DO Maggiore", "do.gif", "do_sec.gif"},
    {"RE Maggiore", "re.gif", "re_sec.gif"},
    {"SOL Maggiore", "sol.gif", "sol_sec.gif"},
    {"SOL 7+", "sol_7piu.gif", "sol_7piu_sec.gif"},
    {"SOL 7", "sol7.gif", "sol7_sec.gif"},
    {"SOL 4", "sol_4.gif", "sol_4_sec.gif"},
    {"RE 7", "re7.gif", "re7_sec.gif"},
    {"RE 6", "re_6.gif", "re_6_sec.gif"},
    {"LA 11", "la_11.gif", "la_11_sec.gif"},
    {"FA 9", "fa_9.gif", "fa_9_sec.gif"},
}};

bool validIndices(int root, int type)
{
    return root >= 0 && root < RootCount && type >= 0 && type < TypeCount;
}

} // namespace

QString chordName(int root, int type, Source source)
{
    if (!validIndices(root, type))
        return {};
    // Three names carry their own spelling, kept as the program has always shown them.
    if (root == 6 && type == 6 && source == Source::TypeGroup)
        return QStringLiteral("FA#9 / SOLb 9");
    if (root == 6 && type == 7 && source == Source::TypeGroup)
        return QStringLiteral("FA# 11/ SOLb 11");
    if (root == 8 && type == 0 && source == Source::NoteGroup)
        return QStringLiteral("SOL# Maggiore / LAb MAggiore");

    const Root& r = roots[root];
    const QString suffix = QString::fromLatin1(types[type].suffix);
    QString name = QString::fromLatin1(r.sharpName) + QLatin1Char(' ') + suffix;
    if (r.flatName)
        name += QStringLiteral(" / ") + QString::fromLatin1(r.flatName) + QLatin1Char(' ') + suffix;
    return name;
}

QString chordPicture(int root, int type)
{
    if (!validIndices(root, type))
        return {};
    if (type == Diminished)
        return QString::fromLatin1(diminishedPictures[root % 3]);
    const Root& r = roots[root];
    QString part = QString::fromLatin1(types[type].filePart);
    // A plain root's 7 chord has no underscore: "do7.gif", but "do_diesis_7.gif".
    if (type == Seventh && !r.flatName)
        part = QStringLiteral("7");
    return QString::fromLatin1(r.stem) + part + QStringLiteral(".gif");
}

std::optional<SecondPosition> secondPosition(const QString& name)
{
    for (const SecondPositionRow& row : secondPositions) {
        if (name == QLatin1String(row.name))
            return SecondPosition{QString::fromLatin1(row.first), QString::fromLatin1(row.second)};
    }
    return std::nullopt;
}

QStringList noteLabels(bool american)
{
    QStringList labels;
    for (const char* label : american ? americanLabels : italianLabels)
        labels.append(QString::fromLatin1(label));
    return labels;
}

QStringList typeLabels()
{
    QStringList labels;
    for (const Type& t : types)
        labels.append(QString::fromLatin1(t.suffix));
    return labels;
}

QString picturePath(const QString& programDir, const QString& fileName)
{
    return programDir + QStringLiteral("imm/") + fileName;
}

bool isBarePictureName(const QString& fileName)
{
    if (fileName.isEmpty() || fileName.contains(QStringLiteral("..")))
        return false;
    for (QChar c : fileName) {
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c.category() == QChar::Other_Control)
            return false;
    }
    return true;
}

QString openablePicturePath(const QString& programDir, const QString& fileName)
{
    const QString path = picturePath(programDir, fileName);
    if (!isBarePictureName(fileName))
        throw CorvaltoError::cannotOpen(path);
    return path;
}

QStringList allPictureFiles()
{
    QStringList files;
    for (int type = 0; type < TypeCount; ++type) {
        for (int root = 0; root < RootCount; ++root) {
            const QString file = chordPicture(root, type);
            if (!files.contains(file))
                files.append(file);
        }
    }
    for (const SecondPositionRow& row : secondPositions)
        files.append(QString::fromLatin1(row.second));
    return files;
}

} // namespace chords
