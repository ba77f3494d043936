// The chord fingering pictures and the shape table that chordgen writes beside them.
//
// The musical checks work from pitches: the frets of each row of chord-shapes.tsv are turned
// into notes of the standard tuning and compared with the intervals the chord's name
// promises. The generator itself is run from CORVALTO_BUILD_DIR/assets/chordgen/chordgen,
// where its CMakeLists.txt puts it.

#include "chords/chord_catalogue.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QImage>
#include <QImageReader>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <array>

namespace {

const QString kTablePath = QStringLiteral(CORVALTO_BUILD_DIR "/chord-shapes.tsv");
const QString kPictureDir = QStringLiteral(CORVALTO_PROGRAM_DIR "/imm");
const QString kGenerator = QStringLiteral(CORVALTO_BUILD_DIR "/assets/chordgen/chordgen");

constexpr int kStrings = 6;
// MIDI note numbers of the open strings, low MI first: E2 A2 D3 G3 B3 E4.
constexpr std::array<int, kStrings> kTuning = {40, 45, 50, 55, 59, 64};

struct TableRow
{
    QString picture;
    QString root;
    QString type;
    QString position;
    std::array<int, kStrings> frets{};   // -1 muted, 0 open
    std::array<int, kStrings> fingers{}; // 0 none
};

// Semitones above the root: the tones a voicing of the type must hold, and the ones it may
// leave out. Indexed like the type selector.
struct ChordRule
{
    QList<int> required;
    QList<int> optional;
};

const std::array<ChordRule, chords::TypeCount> kRules = {{
    {{0, 4, 7}, {}},         // Maggiore
    {{0, 5, 7}, {}},         // 4
    {{0, 4, 8}, {}},         // 5+
    {{0, 4, 9}, {7}},        // 6
    {{0, 4, 10}, {7}},       // 7
    {{0, 4, 11}, {7}},       // 7+
    {{0, 4, 10, 2}, {7}},    // 9
    {{0, 10, 2, 5}, {4, 7}}, // 11
    {{0, 3, 6, 9}, {}},      // Diminuito
    {{0, 3, 7}, {}},         // Minore
    {{0, 3, 9}, {7}},        // Minore 6
    {{0, 3, 10}, {7}},       // Minore 7
}};

QList<int> parseNumbers(const QString& field, const QString& none)
{
    QList<int> numbers;
    for (const QString& item : field.split(QLatin1Char(' '))) {
        bool ok = false;
        const int value = item.toInt(&ok);
        numbers.append(item == none ? -1 : ok ? value : -2);
    }
    return numbers;
}

QList<TableRow> readTable()
{
    QFile file(kTablePath);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot open %s", qPrintable(kTablePath));
    QList<TableRow> rows;
    const QList<QByteArray> lines = file.readAll().split('\n');
    for (qsizetype i = 1; i < lines.size(); ++i) {
        if (lines[i].isEmpty())
            continue;
        const QStringList fields = QString::fromLatin1(lines[i]).split(QLatin1Char('\t'));
        if (fields.size() != 6)
            qFatal("bad line in the shape table: %s", lines[i].constData());
        TableRow row{fields[0], fields[1], fields[2], fields[3], {}, {}};
        const QList<int> frets = parseNumbers(fields[4], QStringLiteral("x"));
        const QList<int> fingers = parseNumbers(fields[5], QStringLiteral("-"));
        if (frets.size() != kStrings || fingers.size() != kStrings)
            qFatal("bad shape in the shape table: %s", lines[i].constData());
        for (int s = 0; s < kStrings; ++s) {
            row.frets[s] = frets[s];
            row.fingers[s] = std::max(0, fingers[s]);
            if (frets[s] < -1 || fingers[s] < -1)
                qFatal("bad number in the shape table: %s", lines[i].constData());
        }
        rows.append(row);
    }
    return rows;
}

QSet<QString> cataloguePictures()
{
    const QStringList files = chords::allPictureFiles();
    return QSet<QString>(files.begin(), files.end());
}

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestChordPictures : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void tableHasOneRowPerCataloguePicture();
    void voicingSoundsItsChord_data();
    void voicingSoundsItsChord();
    void voicingIsPlayable_data();
    void voicingIsPlayable();
    void secondPositionLiesHigher_data();
    void secondPositionLiesHigher();

    void pictureDecodes_data();
    void pictureDecodes();
    void imagesHoldNothingButTheCataloguePictures();

    void generatorWritesTheSameBytesEveryTime();
    void generatorReportsAFolderItCannotWrite();

private:
    const TableRow* row(const QString& picture) const;

    QHash<QString, TableRow> m_rows;
    QList<TableRow> m_table;
};

void TestChordPictures::initTestCase()
{
    m_table = readTable();
    for (const TableRow& entry : m_table)
        m_rows.insert(entry.picture, entry);
}

const TableRow* TestChordPictures::row(const QString& picture) const
{
    const auto it = m_rows.constFind(picture);
    return it == m_rows.constEnd() ? nullptr : &it.value();
}

void TestChordPictures::tableHasOneRowPerCataloguePicture()
{
    QCOMPARE(m_table.size(), 145);
    QCOMPARE(m_rows.size(), 145);
    QCOMPARE(QSet<QString>(m_rows.keyBegin(), m_rows.keyEnd()), cataloguePictures());
}

// One row per chord of the catalogue (144) and per second position (10), found through the
// catalogue's own picture names.
void TestChordPictures::voicingSoundsItsChord_data()
{
    QTest::addColumn<int>("root");
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QString>("position");
    for (int type = 0; type < chords::TypeCount; ++type) {
        for (int root = 0; root < chords::RootCount; ++root) {
            const QString name = chords::chordName(root, type, chords::Source::TypeGroup);
            const QString picture = chords::chordPicture(root, type);
            QTest::addRow("%s", qPrintable(name)) << root << type << picture << "first";
            if (const auto second = chords::secondPosition(name)) {
                QTest::addRow("%s, second position", qPrintable(name))
                    << root << type << second->secondPicture << "second";
            }
        }
    }
}

void TestChordPictures::voicingSoundsItsChord()
{
    QFETCH(int, root);
    QFETCH(int, type);
    QFETCH(QString, picture);
    QFETCH(QString, position);

    const TableRow* shape = row(picture);
    QVERIFY2(shape, qPrintable(picture));
    QCOMPARE(shape->position, position);
    QCOMPARE(shape->type, chords::typeLabels().at(type));
    const int tableRoot = chords::noteLabels(false).indexOf(shape->root);
    if (type == chords::Diminished)
        QCOMPARE((tableRoot - root + 12) % 3, 0); // its root spells the same chord
    else
        QCOMPARE(tableRoot, root);

    QSet<int> intervals;
    int bass = -1;
    for (int s = 0; s < kStrings; ++s) {
        if (shape->frets[s] < 0)
            continue;
        const int note = kTuning[s] + shape->frets[s];
        intervals.insert((note - root) % 12);
        if (bass < 0 || note < bass)
            bass = note;
    }
    const ChordRule& rule = kRules[type];
    for (int tone : rule.required)
        QVERIFY2(intervals.contains(tone), qPrintable(QStringLiteral("missing %1").arg(tone)));
    for (int tone : intervals) {
        QVERIFY2(rule.required.contains(tone) || rule.optional.contains(tone),
                 qPrintable(QStringLiteral("a note %1 semitones above the root").arg(tone)));
    }
    QVERIFY2(bass >= 0, "no string sounds");
    if (type != chords::Diminished)
        QCOMPARE((bass - root) % 12, 0);
}

void TestChordPictures::voicingIsPlayable_data()
{
    QTest::addColumn<QString>("picture");
    for (const TableRow& entry : m_table)
        QTest::addRow("%s", qPrintable(entry.picture)) << entry.picture;
}

// One hand: four fingers at most (a barre is one finger), every fretted note held by a
// finger, the fretted notes within four frets, a finger number never behind a lower one,
// and a barre that presses every string it crosses.
void TestChordPictures::voicingIsPlayable()
{
    QFETCH(QString, picture);
    const TableRow& shape = *row(picture);

    int sounding = 0;
    int lowest = 0;
    int highest = 0;
    std::array<int, 5> fingerFret{}; // 0: finger unused
    for (int s = 0; s < kStrings; ++s) {
        const int fret = shape.frets[s];
        const int finger = shape.fingers[s];
        if (fret >= 0)
            ++sounding;
        QVERIFY2(fret <= 0 ? finger == 0 : finger >= 1 && finger <= 4,
                 qPrintable(
                     QStringLiteral("string %1: fret %2, finger %3").arg(s).arg(fret).arg(finger)));
        if (fret <= 0)
            continue;
        lowest = lowest == 0 ? fret : std::min(lowest, fret);
        highest = std::max(highest, fret);
        QVERIFY2(fingerFret[finger] == 0 || fingerFret[finger] == fret,
                 qPrintable(QStringLiteral("finger %1 on two frets").arg(finger)));
        fingerFret[finger] = fret;
    }
    QVERIFY2(sounding >= 4, "fewer than four strings sound");
    QVERIFY2(highest - lowest <= 3, "the fretted notes span more than four frets");

    for (int a = 1; a <= 4; ++a) {
        for (int b = a + 1; b <= 4; ++b) {
            if (fingerFret[a] && fingerFret[b])
                QVERIFY2(
                    fingerFret[a] <= fingerFret[b],
                    qPrintable(QStringLiteral("finger %1 lies above finger %2").arg(a).arg(b)));
        }
    }

    for (int finger = 1; finger <= 4; ++finger) {
        QList<int> strings;
        for (int s = 0; s < kStrings; ++s) {
            if (shape.fingers[s] == finger)
                strings.append(s);
        }
        if (strings.size() < 2)
            continue;
        const int barreFret = fingerFret[finger];
        for (int s = strings.first(); s <= strings.last(); ++s) {
            QVERIFY2(shape.frets[s] >= barreFret,
                     qPrintable(QStringLiteral("string %1 is open or muted under the barre of "
                                               "finger %2")
                                    .arg(s)
                                    .arg(finger)));
            if (shape.frets[s] == barreFret)
                QCOMPARE(shape.fingers[s], finger);
        }
    }
}

void TestChordPictures::secondPositionLiesHigher_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    int count = 0;
    for (int type = 0; type < chords::TypeCount; ++type) {
        for (int root = 0; root < chords::RootCount; ++root) {
            const QString name = chords::chordName(root, type, chords::Source::TypeGroup);
            if (const auto second = chords::secondPosition(name)) {
                QTest::addRow("%s", qPrintable(name))
                    << second->firstPicture << second->secondPicture;
                ++count;
            }
        }
    }
    QCOMPARE(count, 10);
}

// Higher: the lowest sounding fret (an open string counts as fret 0) is further up the neck.
void TestChordPictures::secondPositionLiesHigher()
{
    QFETCH(QString, first);
    QFETCH(QString, second);
    const TableRow* lower = row(first);
    const TableRow* higher = row(second);
    QVERIFY(lower && higher);
    QVERIFY(lower->frets != higher->frets);

    const auto lowestSounding = [](const TableRow& shape) {
        int lowest = 99;
        for (int fret : shape.frets) {
            if (fret >= 0)
                lowest = std::min(lowest, fret);
        }
        return lowest;
    };
    QVERIFY2(lowestSounding(*higher) > lowestSounding(*lower),
             qPrintable(QStringLiteral("%1 starts at fret %2, %3 at fret %4")
                            .arg(second)
                            .arg(lowestSounding(*higher))
                            .arg(first)
                            .arg(lowestSounding(*lower))));
}

void TestChordPictures::pictureDecodes_data()
{
    QTest::addColumn<QString>("picture");
    for (const QString& picture : chords::allPictureFiles())
        QTest::addRow("%s", qPrintable(picture)) << picture;
}

// The picture view shows every file at 183 x 76; the diagrams use a few flat colours on
// white, with no blending.
void TestChordPictures::pictureDecodes()
{
    QFETCH(QString, picture);
    QImageReader reader(kPictureDir + QLatin1Char('/') + picture);
    QCOMPARE(reader.format(), QByteArray("gif"));
    const QImage image = reader.read();
    QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
    QCOMPARE(image.size(), QSize(183, 76));

    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            colours.insert(image.pixel(x, y));
    }
    QVERIFY2(colours.size() <= 4, qPrintable(QString::number(colours.size())));
    QVERIFY(colours.contains(qRgb(0, 0, 0)));
    QCOMPARE(image.pixel(image.width() - 1, 0), qRgb(255, 255, 255));
    QCOMPARE(image.pixel(image.width() - 1, image.height() - 1), qRgb(255, 255, 255));
}

// The About animation is the one other GIF of the folder.
void TestChordPictures::imagesHoldNothingButTheCataloguePictures()
{
    QStringList found = QDir(kPictureDir).entryList({QStringLiteral("*.gif")}, QDir::Files);
    found.removeAll(QStringLiteral("about.gif"));
    QCOMPARE(QSet<QString>(found.begin(), found.end()), cataloguePictures());

    // Different chords, different pictures: no file is a copy of another.
    QHash<QByteArray, QString> seen;
    for (const QString& picture : std::as_const(found)) {
        const QByteArray hash = QCryptographicHash::hash(
            fileBytes(kPictureDir + QLatin1Char('/') + picture), QCryptographicHash::Sha1);
        QVERIFY2(!seen.contains(hash), qPrintable(picture + " = " + seen.value(hash)));
        seen.insert(hash, picture);
    }
}

void TestChordPictures::generatorWritesTheSameBytesEveryTime()
{
    QTemporaryDir first;
    QTemporaryDir second;
    QVERIFY(first.isValid() && second.isValid());
    for (const QTemporaryDir* dir : {&first, &second}) {
        QCOMPARE(QProcess::execute(kGenerator, {dir->path(), dir->filePath("shapes.tsv")}), 0);
    }

    QStringList written = QDir(first.path()).entryList({QStringLiteral("*.gif")}, QDir::Files);
    QCOMPARE(QSet<QString>(written.begin(), written.end()), cataloguePictures());
    QCOMPARE(QDir(second.path()).entryList({QStringLiteral("*.gif")}, QDir::Files), written);
    for (const QString& picture : std::as_const(written)) {
        const QByteArray bytes = fileBytes(first.filePath(picture));
        QVERIFY2(bytes == fileBytes(second.filePath(picture)), qPrintable(picture));
        // What the build shipped is what the generator draws today.
        QVERIFY2(bytes == fileBytes(kPictureDir + QLatin1Char('/') + picture), qPrintable(picture));
    }
    QCOMPARE(fileBytes(first.filePath("shapes.tsv")), fileBytes(second.filePath("shapes.tsv")));
    QCOMPARE(fileBytes(first.filePath("shapes.tsv")), fileBytes(kTablePath));
    // Only the pictures and the table, no temporary files left behind.
    QCOMPARE(QDir(first.path()).entryList(QDir::Files).size(), written.size() + 1);
}

void TestChordPictures::generatorReportsAFolderItCannotWrite()
{
    QTemporaryDir dir;
    QProcess generator;
    generator.start(kGenerator, {dir.filePath("missing"), dir.filePath("shapes.tsv")});
    QVERIFY(generator.waitForFinished());
    QCOMPARE(generator.exitStatus(), QProcess::NormalExit);
    QCOMPARE(generator.exitCode(), 1);
    QVERIFY(generator.readAllStandardError().contains("missing"));
    QVERIFY(!QFile::exists(dir.filePath("shapes.tsv")));
}

QTEST_MAIN(TestChordPictures)
#include "test_chord_pictures.moc"
