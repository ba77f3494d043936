#include "chordlist/chord_spelling.h"
#include "chordlist/list_transposer.h"
#include "chords/chord_catalogue.h"
#include "core/text_file.h"
#include "documents/list_file.h"

#include <QTest>

namespace {

// Every name the chooser gives in the regular spelling, each chord with a second
// position once more with its second picture, a blank, and symbols in both spellings.
ListFile everyChord()
{
    ListFile f;
    f.title = QStringLiteral("Tutti");
    for (int type = 0; type < chords::TypeCount; ++type) {
        for (int root = 0; root < chords::RootCount; ++root) {
            const QString name = chordlist::italianName(root, type);
            f.entries << name;
            f.pictures << chords::chordPicture(root, type);
            if (const auto second = chords::secondPosition(name)) {
                f.entries << name;
                f.pictures << second->secondPicture;
            }
        }
    }
    f.entries << "-"
              << "C# Minore 7 / Db Minore 7"
              << "Ebm7"
              << "C#maj7"
              << "Bdim7";
    f.pictures << ""
               << "do_diesis_min7.gif"
               << "re_diesis_min7.gif"
               << "do_diesis_7piu.gif"
               << "tre.gif";
    return f;
}

} // namespace

class TestTransposer : public QObject
{
    Q_OBJECT
private slots:
    void transposes_data();
    void transposes();
    void roundTripGivesTheSameFile();
};

void TestTransposer::transposes_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QStringList>("pictures");
    QTest::addColumn<int>("semitones");
    QTest::addColumn<QStringList>("expectedLines");
    QTest::addColumn<QStringList>("expectedPictures");
    QTest::addColumn<int>("unrecognised");

    QTest::newRow("italian up a tone")
        << QStringList{"DO Maggiore", "LA Minore", "MI 7"}
        << QStringList{"do.gif", "la_min.gif", "mi7.gif"} << 2
        << QStringList{"RE Maggiore", "SI Minore", "FA# 7 / SOLb 7"}
        << QStringList{"re.gif", "si_min.gif", "fa_diesis_7.gif"} << 0;
    QTest::newRow("sharp root down, wraps below DO")
        << QStringList{"DO# Minore 7 / REb Minore 7", "DO Diminuito"}
        << QStringList{"do_diesis_min7.gif", "uno.gif"} << -3
        << QStringList{"LA# Minore 7 / SIb Minore 7", "LA Diminuito"}
        << QStringList{"la_diesis_min7.gif", "uno.gif"} << 0;
    QTest::newRow("odd spellings recognised, regular spelling given")
        << QStringList{"FA#9 / SOLb 9", "FA# 11/ SOLb 11", "SOL# Maggiore / LAb MAggiore", "MI 9",
                       "FA 11"}
        << QStringList{"fa_diesis_9.gif", "fa_diesis_11.gif", "sol_diesis.gif", "mi_9.gif",
                       "fa_11.gif"}
        << 1 << QStringList{"SOL 9", "SOL 11", "LA Maggiore", "FA 9", "FA# 11 / SOLb 11"}
        << QStringList{"sol_9.gif", "sol_11.gif", "la.gif", "fa_9.gif", "fa_diesis_11.gif"} << 0;
    QTest::newRow("second position kept where the new chord has one")
        << QStringList{"DO Maggiore", "DO Maggiore", "FA 9", "RE 7"}
        << QStringList{"do_sec.gif", "do.gif", "fa_9_sec.gif", "re7_sec.gif"} << 2
        << QStringList{"RE Maggiore", "RE Maggiore", "SOL 9", "MI 7"}
        << QStringList{"re_sec.gif", "re.gif", "sol_9.gif", "mi7.gif"} << 0;
    QTest::newRow("american note names and symbols keep their notation")
        << QStringList{"C Maggiore", "F# Minore / Gb Minore", "Am",    "Bbmaj7",
                       "F#7",        "C#m7 / Dbm7",           "Gsus4", "E-7"}
        << QStringList{"do.gif",          "fa_diesis_min.gif",
                       "la_min.gif",      "la_diesis_7piu.gif",
                       "fa_diesis_7.gif", "do_diesis_min7.gif",
                       "sol_4_sec.gif",   "mi_min7.gif"}
        << 1 << QStringList{"C# Maggiore / Db Maggiore",
                            "G Minore",
                            "Bbm",
                            "Bmaj7",
                            "G7",
                            "Dm7",
                            "Absus4",
                            "F-7"}
        << QStringList{"do_diesis.gif", "sol_min.gif", "la_diesis_min.gif", "si_7piu.gif",
                       "sol7.gif",      "re_min7.gif", "sol_diesis_4.gif",  "fa_min7.gif"}
        << 0;
    QTest::newRow("blanks stay, unknown entries stay and are counted")
        << QStringList{"-", "Spazio Vuoto", "do maggiore", "DO Maggiore ", "H7", "RE 6"}
        << QStringList{"", "x.gif", "do.gif", "do.gif", "", "re_6_sec.gif"} << 11
        << QStringList{"-", "Spazio Vuoto", "do maggiore", "DO Maggiore ", "H7", "DO# 6 / REb 6"}
        << QStringList{"", "x.gif", "do.gif", "do.gif", "", "do_diesis_6.gif"} << 4;
}

void TestTransposer::transposes()
{
    QFETCH(QStringList, lines);
    QFETCH(QStringList, pictures);
    QFETCH(int, semitones);
    QFETCH(QStringList, expectedLines);
    QFETCH(QStringList, expectedPictures);
    QFETCH(int, unrecognised);

    const chordlist::Transposition t = chordlist::transposeEntries(lines, pictures, semitones);
    QCOMPARE(t.lines, expectedLines);
    QCOMPARE(t.pictures, expectedPictures);
    QCOMPARE(t.unrecognised, unrecognised);
}

// Up then down by the same interval writes the same bytes, for every interval, also
// where the chords in between have no second position or spell a root another way.
void TestTransposer::roundTripGivesTheSameFile()
{
    ListFile original = everyChord();
    original.entries << "C#maj7 / Dbmaj7"
                     << "FA#9 / SOLb 9"
                     << "D#m"
                     << "Spazio Vuoto";
    original.pictures << "do_diesis_7piu.gif"
                      << "fa_diesis_9.gif"
                      << "re_diesis_min.gif"
                      << "";
    const QByteArray bytes = textfile::encodeLines(original.lines());
    for (int semitones = 1; semitones <= 11; ++semitones) {
        chordlist::ListTransposer transposer;
        const auto up = transposer.transpose(original.entries, original.pictures, semitones);
        QCOMPARE(up.unrecognised, 1);
        QVERIFY(up.lines != original.entries);
        const auto down = transposer.transpose(up.lines, up.pictures, -semitones);
        ListFile back = original;
        back.entries = down.lines;
        back.pictures = down.pictures;
        QCOMPARE(textfile::encodeLines(back.lines()), bytes);
    }
}

QTEST_GUILESS_MAIN(TestTransposer)
#include "test_transposer.moc"
