#include "chords/chord_diagram_painter.h"
#include "chords/chord_identifier.h"
#include "chords/chord_tones.h"
#include "chords/fingering_engine.h"

#include <QImage>
#include <QTest>

#include <set>

using namespace chords;

class TestFingerings : public QObject
{
    Q_OBJECT
private slots:
    void everyChordInEveryTuning();
    void wellKnownShapes_data();
    void wellKnownShapes();
    void naming_data();
    void naming();
    void diagram_data();
    void diagram();
};

namespace {

Frets frets(const char* text)
{
    const std::optional<Frets> parsed = parseFrets(text);
    if (!parsed)
        qFatal("bad frets %s", text);
    return *parsed;
}

bool isDark(const QImage& image, QPointF logical)
{
    const QPoint pixel = (logical * image.devicePixelRatio()).toPoint();
    return qGray(image.pixel(pixel)) < 80;
}

} // namespace

// Every fingering of every chord in every tuning keeps the rules, and the shipped picture
// comes first in standard tuning with its fingers.
void TestFingerings::everyChordInEveryTuning()
{
    for (const Tuning& tuning : tunings()) {
        for (int root = 0; root < 12; ++root) {
            for (int t = 0; t < 12; ++t) {
                const ChordType type = static_cast<ChordType>(t);
                const std::vector<Fingering> found = fingerings(root, type, tuning);
                const QByteArray where = QByteArray(tuning.id) + ' ' + QByteArray::number(root) +
                                         '/' + QByteArray::number(t);
                QVERIFY2(found.size() >= 12, where);
                const ChordTones tones = chordPitchClasses(root, type);
                std::set<Frets> seen;
                for (size_t rank = 0; rank < found.size(); ++rank) {
                    const Fingering& f = found[rank];
                    const QByteArray shape = where + ": " +
                                             QByteArray::fromStdString(f.fretsText()) + " / " +
                                             QByteArray::fromStdString(f.fingersText());
                    QVERIFY2(seen.insert(f.frets).second, shape);
                    const std::array<int, StringCount> pitches = soundingPitches(f.frets, tuning);
                    ToneSet heard = 0;
                    for (int p : pitches)
                        heard = p < 0 ? heard : static_cast<ToneSet>(heard | toneBit(p));
                    QVERIFY2((heard & tones.required) == tones.required, shape);
                    QVERIFY2((heard & ~tones.all()) == 0, shape);
                    QVERIFY2(pitches[static_cast<size_t>(f.bassString())] % 12 == root, shape);
                    QVERIFY2(f.lowestFret() == 0 || f.highestFret() - f.lowestFret() < MaxSpan,
                             shape);
                    for (int s = 0; s < StringCount; ++s) {
                        QVERIFY2((f.frets[s] > 0) == (f.fingers[s] > 0), shape);
                        QVERIFY2(f.fingers[s] >= 0 && f.fingers[s] <= 4, shape);
                    }
                    // A finger on several strings lies across them at one fret, over strings
                    // fretted no lower.
                    for (const Barre& barre : f.barres()) {
                        for (int s = barre.lowString; s <= barre.highString; ++s) {
                            QVERIFY2(f.frets[s] >= barre.fret, shape);
                            QVERIFY2(f.fingers[s] != barre.finger || f.frets[s] == barre.fret,
                                     shape);
                        }
                    }
                    // The diagrams the window shows name the chord they play.
                    if (rank < 12) {
                        const Identification named = identifyChord(f.frets, tuning);
                        QVERIFY2(std::any_of(named.matches.begin(), named.matches.end(),
                                             [&](const ChordMatch& m) {
                                                 return m.root == root && m.type == type;
                                             }),
                                 shape);
                    }
                }
                if (std::string_view(tuning.id) != "standard")
                    continue;
                for (const Voicing& voicing : voicingTable()) {
                    if (voicing.secondPosition || voicing.root != root || voicing.type != type)
                        continue;
                    const Fingering shipped = fingeringOf(voicing);
                    QVERIFY2(found.front().samePlaying(shipped),
                             where + ": " + QByteArray::fromStdString(found.front().fretsText()));
                }
            }
        }
    }
}

void TestFingerings::wellKnownShapes_data()
{
    QTest::addColumn<int>("root");
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("tuning");
    QTest::addColumn<int>("capo");
    QTest::addColumn<QString>("frets");
    QTest::addColumn<QString>("fingers"); // empty: any
    QTest::addColumn<int>("withinRanks");
    QTest::newRow("DO Maggiore, open") << 0 << 0 << "standard" << 0 << "x 3 2 0 1 0"
                                       << "0 3 2 0 1 0" << 1;
    QTest::newRow("DO Maggiore, A-shape barre") << 0 << 0 << "standard" << 0 << "x 3 5 5 5 3"
                                                << "" << 4;
    QTest::newRow("LA Maggiore, E-shape barre") << 9 << 0 << "standard" << 0 << "5 7 7 6 5 5"
                                                << "1 3 4 2 1 1" << 4;
    QTest::newRow("LA Minore, E-shape barre") << 9 << 9 << "standard" << 0 << "5 7 7 5 5 5"
                                              << "1 3 4 1 1 1" << 4;
    QTest::newRow("SOL Maggiore, E-shape barre") << 7 << 0 << "standard" << 0 << "3 5 5 4 3 3"
                                                 << "1 3 4 2 1 1" << 4;
    QTest::newRow("RE Maggiore, A-shape barre") << 2 << 0 << "standard" << 0 << "x 5 7 7 7 5"
                                                << "" << 4;
    QTest::newRow("MI Diminuito, shipped, root in the bass")
        << 4 << 8 << "standard" << 0 << "x x 2 3 2 3"
        << "0 0 1 3 2 4" << 1;
    QTest::newRow("RE Maggiore in DADGAD, open") << 2 << 0 << "dadgad" << 0 << "0 0 4 2 0 0"
                                                 << "0 0 3 1 0 0" << 1;
    QTest::newRow("RE Maggiore in Drop D, open") << 2 << 0 << "dropd" << 0 << "0 0 0 2 3 2"
                                                 << "0 0 0 1 3 2" << 1;
    QTest::newRow("LA Maggiore, capo 2: the SOL shape")
        << 9 << 0 << "standard" << 2 << "3 2 0 0 0 3"
        << "2 1 0 0 0 3" << 1;
}

void TestFingerings::wellKnownShapes()
{
    QFETCH(int, root);
    QFETCH(int, type);
    QFETCH(QString, tuning);
    QFETCH(int, capo);
    QFETCH(QString, frets);
    QFETCH(QString, fingers);
    QFETCH(int, withinRanks);
    const std::vector<Fingering> found =
        fingerings(root, static_cast<ChordType>(type), *findTuning(tuning.toStdString()), capo);
    const auto at = std::find_if(found.begin(), found.end(), [&](const Fingering& f) {
        return QString::fromStdString(f.fretsText()) == frets;
    });
    QVERIFY(at != found.end());
    QVERIFY2(at - found.begin() < withinRanks, QByteArray::number(at - found.begin() + 1));
    if (!fingers.isEmpty())
        QCOMPARE(QString::fromStdString(at->fingersText()), fingers);
}

void TestFingerings::naming_data()
{
    QTest::addColumn<QString>("frets");
    QTest::addColumn<QString>("tuning");
    QTest::addColumn<int>("capo");
    QTest::addColumn<bool>("american");
    QTest::addColumn<QString>("first"); // or the notes heard, when no chord matches
    QTest::newRow("open DO") << "x 3 2 0 1 0"
                             << "standard" << 0 << false << "DO Maggiore";
    QTest::newRow("open MI") << "0 2 2 1 0 0"
                             << "standard" << 0 << false << "MI Maggiore";
    QTest::newRow("inversion") << "x x 2 2 2 0"
                               << "standard" << 0 << false << "LA Maggiore / MI";
    QTest::newRow("sharp root inversion")
        << "x x 3 1 2 1"
        << "standard" << 0 << false << "DO# Maggiore / REb Maggiore (basso FA)";
    QTest::newRow("flat bass") << "x 6 5 5 4 x"
                               << "standard" << 0 << false << "DO Minore / MIb";
    QTest::newRow("fifth left out") << "x 3 2 3 1 x"
                                    << "standard" << 0 << false << "DO 7";
    QTest::newRow("barre") << "1 3 3 2 1 1"
                           << "standard" << 0 << false << "FA Maggiore";
    QTest::newRow("American") << "x 0 2 2 1 0"
                              << "standard" << 0 << true << "Am";
    QTest::newRow("American sharp slash") << "x x 3 1 2 1"
                                          << "standard" << 0 << true << "C#/F / Db/F";
    QTest::newRow("capo 2") << "x 3 2 0 1 0"
                            << "standard" << 2 << false << "RE Maggiore";
    QTest::newRow("DADGAD") << "0 0 4 2 0 0"
                            << "dadgad" << 0 << false << "RE Maggiore";
    QTest::newRow("no chord") << "x 3 2 1 0 0"
                              << "standard" << 0 << false << "nessun accordo - Note: DO MI SOL# SI";
    QTest::newRow("a fifth alone") << "0 0 0 2 0 0"
                                   << "dadgad" << 0 << false << "nessun accordo - Note: RE LA";
}

void TestFingerings::naming()
{
    QFETCH(QString, frets);
    QFETCH(QString, tuning);
    QFETCH(int, capo);
    QFETCH(bool, american);
    QFETCH(QString, first);
    const Identification found = identifyChord(::frets(frets.toLatin1().constData()),
                                               *findTuning(tuning.toStdString()), capo);
    if (found.matches.empty()) {
        QCOMPARE(QStringLiteral("nessun accordo - Note: ") +
                     noteNames(found.pitchClasses, found.bass, american),
                 first);
        return;
    }
    QCOMPARE(matchName(found.matches.front(), american), first);
}

void TestFingerings::diagram_data()
{
    QTest::addColumn<QString>("frets");
    QTest::addColumn<QString>("fingers");
    QTest::addColumn<bool>("leftHanded");
    QTest::addColumn<qreal>("dpr");
    QTest::addColumn<QPointF>("laDot"); // the dot on the la string
    // At twice the pictures' size: la string at y 2 * (8 + 4 * 12 + 0.5), third fret's
    // column at x 2 * (42 + 2 * 28 + 14 + 0.5); mirrored, from the right edge.
    QTest::newRow("DO") << "x32010"
                        << "-32-1-" << false << 1.0 << QPointF(225, 113);
    QTest::newRow("DO, left-handed") << "x32010"
                                     << "-32-1-" << true << 1.0 << QPointF(141, 113);
    QTest::newRow("DO, HiDPI") << "x32010"
                               << "-32-1-" << false << 2.0 << QPointF(225, 113);
    QTest::newRow("FA barre") << "133211"
                              << "134211" << false << 1.0 << QPointF(225, 113);
    QTest::newRow("FA barre, left-handed") << "133211"
                                           << "134211" << true << 2.0 << QPointF(141, 113);
}

void TestFingerings::diagram()
{
    QFETCH(QString, frets);
    QFETCH(QString, fingers);
    QFETCH(bool, leftHanded);
    QFETCH(qreal, dpr);
    QFETCH(QPointF, laDot);
    const QByteArray fretBytes = frets.toLatin1();
    const QByteArray fingerBytes = fingers.toLatin1();
    const Fingering fingering = fingeringOf(
        Voicing{0, ChordType::Major, false, fretBytes.constData(), fingerBytes.constData()});
    const QSizeF size(2 * DiagramWidth, 2 * DiagramHeight);
    DiagramStyle style;
    style.leftHanded = leftHanded;
    const QImage image = renderDiagram(fingering, size, dpr, style);
    QCOMPARE(image.size(), (size * dpr).toSize());

    const std::array<QPointF, StringCount> centres =
        dotCentres(fingering, QRectF(QPointF(0, 0), size), leftHanded);
    QCOMPARE(centres[1], laDot);
    for (int s = 0; s < StringCount; ++s) {
        if (fingering.frets[s] <= 0) {
            QVERIFY(centres[s].isNull());
            continue;
        }
        // Dark over the dot, off its centre so as to miss the finger number's white.
        QVERIFY2(isDark(image, centres[s] + QPointF(8, 0)), QByteArray::number(s));
        // One fret further along, half way to the next string up, is left light.
        const QPointF beyond = centres[s] + QPointF(leftHanded ? -56 : 56, -12);
        if (fingering.frets[s] + 2 < FretsShown)
            QVERIFY2(!isDark(image, beyond), QByteArray::number(s));
    }
    // A barre is one bar: dark between its outer strings, between the string lines.
    for (const Barre& barre : fingering.barres()) {
        const DiagramGeometry geometry =
            diagramGeometry(fingering, QRectF(QPointF(0, 0), size), leftHanded);
        const QPointF low = geometry.dotCentre(barre.lowString, barre.fret);
        const QPointF high = geometry.dotCentre(barre.highString, barre.fret);
        for (qreal t = 0; t <= 1.0; t += 0.1)
            QVERIFY(isDark(image, low + (high - low) * t + QPointF(8, 0)));
    }
}

QTEST_MAIN(TestFingerings)
#include "test_fingerings.moc"
