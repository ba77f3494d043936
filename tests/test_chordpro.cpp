#include "documents/list_file.h"
#include "export/chordpro_writer.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

class TestChordPro : public QObject
{
    Q_OBJECT
private slots:
    void namesAndDefinitions_data();
    void namesAndDefinitions();
    void songReadsWithoutWarnings();
};

void TestChordPro::namesAndDefinitions_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("define");

    QTest::newRow("open shape") << "DO Maggiore"
                                << "do.gif"
                                << "C"
                                << "{define: C base-fret 1 frets x 3 2 0 1 0}";
    QTest::newRow("second position up the neck") << "DO Maggiore"
                                                 << "do_sec.gif"
                                                 << "C"
                                                 << "{define: C base-fret 3 frets x 1 3 3 3 1}";
    QTest::newRow("sharp root, barre") << "DO# Maggiore / REb Maggiore"
                                       << "do_diesis.gif"
                                       << "C#"
                                       << "{define: C# base-fret 4 frets x 1 3 3 3 1}";
    QTest::newRow("flat spelling") << "RE# Minore 7 / MIb Minore 7"
                                   << "re_diesis_min7.gif"
                                   << "Ebm7"
                                   << "{define: Ebm7 base-fret 6 frets x 1 3 1 2 1}";
    QTest::newRow("major seventh") << "SOL 7+"
                                   << "sol_7piu.gif"
                                   << "Gmaj7"
                                   << "{define: Gmaj7 base-fret 1 frets 3 2 0 0 0 2}";
    QTest::newRow("diminished, shared picture") << "SI Diminuito"
                                                << "tre.gif"
                                                << "Bdim7"
                                                << "{define: Bdim7 base-fret 1 frets x x 0 1 0 1}";
    QTest::newRow("odd spelling") << "FA#9 / SOLb 9"
                                  << "fa_diesis_9.gif"
                                  << "F#9"
                                  << "";
    QTest::newRow("symbol kept as written") << "Dbm7"
                                            << "do_diesis_min7.gif"
                                            << "Dbm7"
                                            << "";
    QTest::newRow("picture unknown: the chord's own")
        << "LA Minore"
        << ""
        << "Am"
        << "{define: Am base-fret 1 frets x 0 2 2 1 0}";
    QTest::newRow("unknown text") << "Ritornello"
                                  << "do.gif"
                                  << ""
                                  << "";
}

void TestChordPro::namesAndDefinitions()
{
    QFETCH(QString, entry);
    QFETCH(QString, picture);
    QFETCH(QString, name);
    QFETCH(QString, define);

    QCOMPARE(chordpro::chordName(entry), name);
    ListFile list;
    list.entries = {entry};
    list.pictures = {picture};
    const QStringList lines = chordpro::songLines(list);
    if (!define.isEmpty())
        QCOMPARE(lines.value(1), define);
    QCOMPARE(lines.contains(QLatin1Char('[') + name + QLatin1Char(']')), !name.isEmpty());
}

// The Debian reader of ChordPro reads an exported list without a warning, and the
// file holds what the list holds.
void TestChordPro::songReadsWithoutWarnings()
{
    const QString chordii = QStandardPaths::findExecutable(QStringLiteral("chordii"));
    QVERIFY2(!chordii.isEmpty(), "chordii is installed by scripts/install-deps.sh");

    ListFile list;
    list.title = QStringLiteral("Canzone d'autunno è");
    list.entries = {"DO Maggiore", "LA Minore", "-",          "-",
                    "FA 9",        "SOL 7",     "Ritornello", "DO Maggiore"};
    list.pictures = {"do.gif", "la_min.gif", "", "", "fa_9_sec.gif", "sol7.gif", "", "do_sec.gif"};
    list.information = {"Capo al II tasto", "", "Più lento"};
    const QByteArray bytes = chordpro::songBytes(list);
    QCOMPARE(bytes, QByteArray("{title: Canzone d'autunno \xc3\xa8}\n"
                               "{define: C base-fret 1 frets x 3 2 0 1 0}\n"
                               "{define: Am base-fret 1 frets x 0 2 2 1 0}\n"
                               "{define: F9 base-fret 7 frets x 2 1 2 2 2}\n"
                               "{define: G7 base-fret 1 frets 3 2 0 0 0 1}\n"
                               "[C] [Am]\n"
                               "[F9] [G7] Ritornello [C]\n"
                               "{comment: Capo al II tasto}\n"
                               "{comment: }\n"
                               "{comment: Pi\xc3\xb9 lento}\n"));

    QTemporaryDir dir;
    const QString song = dir.filePath(QStringLiteral("canzone.cho"));
    QFile file(song);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();
    QProcess reader;
    reader.start(chordii, {QStringLiteral("-o"), dir.filePath(QStringLiteral("canzone.ps")), song});
    QVERIFY(reader.waitForFinished(30000));
    QCOMPARE(reader.exitCode(), 0);
    QCOMPARE(reader.readAllStandardError(), QByteArray());
    QCOMPARE(reader.readAllStandardOutput(), QByteArray());
}

QTEST_GUILESS_MAIN(TestChordPro)
#include "test_chordpro.moc"
