#include "chords/chord_catalogue.h"
#include "support/catalogue_table.h"

#include <QSet>
#include <QTest>

using chords::Source;

class TestCatalogue : public QObject
{
    Q_OBJECT
private slots:
    void namesAndPictures_data();
    void namesAndPictures();
    void noteGroupExceptions_data();
    void noteGroupExceptions();
    void pictureFiles();
    void secondPositions_data();
    void secondPositions();
    void noteLabels();
};

void TestCatalogue::namesAndPictures_data()
{
    QTest::addColumn<int>("root");
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("picture");
    for (const CatalogueRow& row : catalogueRows)
        QTest::addRow("%d/%d %s", row.root, row.type, row.name)
            << row.root << row.type << QString::fromLatin1(row.name)
            << QString::fromLatin1(row.picture);
}

void TestCatalogue::namesAndPictures()
{
    QFETCH(int, root);
    QFETCH(int, type);
    QFETCH(QString, name);
    QFETCH(QString, picture);
    QCOMPARE(chords::chordName(root, type, Source::TypeGroup), name);
    QCOMPARE(chords::chordPicture(root, type), picture);
    QVERIFY(name.size() <= 30);
}

// Only three chords are named differently when the note group completes the choice.
void TestCatalogue::noteGroupExceptions_data()
{
    QTest::addColumn<int>("root");
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("fromNoteGroup");
    QTest::newRow("FA# 9") << 6 << 6 << "FA# 9 / SOLb 9";
    QTest::newRow("FA# 11") << 6 << 7 << "FA# 11 / SOLb 11";
    QTest::newRow("SOL# Maggiore") << 8 << 0 << "SOL# Maggiore / LAb MAggiore";
}

void TestCatalogue::noteGroupExceptions()
{
    QFETCH(int, root);
    QFETCH(int, type);
    QFETCH(QString, fromNoteGroup);
    QCOMPARE(chords::chordName(root, type, Source::NoteGroup), fromNoteGroup);
    QVERIFY(chords::chordName(root, type, Source::TypeGroup) != fromNoteGroup);

    int differing = 0;
    for (const CatalogueRow& row : catalogueRows) {
        if (chords::chordName(row.root, row.type, Source::NoteGroup) != QLatin1String(row.name))
            ++differing;
    }
    QCOMPARE(differing, 3);
}

void TestCatalogue::pictureFiles()
{
    QSet<QString> firstPositions;
    for (const CatalogueRow& row : catalogueRows)
        firstPositions.insert(chords::chordPicture(row.root, row.type));
    QCOMPARE(firstPositions.size(), 135);

    const QStringList all = chords::allPictureFiles();
    QCOMPARE(all.size(), 145);
    QCOMPARE(QSet<QString>(all.begin(), all.end()).size(), 145);
    for (const QString& f : all)
        QVERIFY2(f == f.toLower() && f.endsWith(QLatin1String(".gif")), qPrintable(f));

    QCOMPARE(chords::picturePath(QStringLiteral("/opt/corvalto/"), QStringLiteral("do.gif")),
             QStringLiteral("/opt/corvalto/imm/do.gif"));
}

void TestCatalogue::secondPositions_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::newRow("DO Maggiore") << "DO Maggiore"
                                 << "do.gif"
                                 << "do_sec.gif";
    QTest::newRow("RE Maggiore") << "RE Maggiore"
                                 << "re.gif"
                                 << "re_sec.gif";
    QTest::newRow("SOL Maggiore") << "SOL Maggiore"
                                  << "sol.gif"
                                  << "sol_sec.gif";
    QTest::newRow("SOL 7+") << "SOL 7+"
                            << "sol_7piu.gif"
                            << "sol_7piu_sec.gif";
    QTest::newRow("SOL 7") << "SOL 7"
                           << "sol7.gif"
                           << "sol7_sec.gif";
    QTest::newRow("SOL 4") << "SOL 4"
                           << "sol_4.gif"
                           << "sol_4_sec.gif";
    QTest::newRow("RE 7") << "RE 7"
                          << "re7.gif"
                          << "re7_sec.gif";
    QTest::newRow("RE 6") << "RE 6"
                          << "re_6.gif"
                          << "re_6_sec.gif";
    QTest::newRow("LA 11") << "LA 11"
                           << "la_11.gif"
                           << "la_11_sec.gif";
    QTest::newRow("FA 9") << "FA 9"
                          << "fa_9.gif"
                          << "fa_9_sec.gif";
    // Near misses find nothing: the comparison is exact and whole.
    QTest::newRow("sharp-root ninth") << "FA# 9 / SOLb 9"
                                      << ""
                                      << "";
    QTest::newRow("lower case") << "do maggiore"
                                << ""
                                << "";
    QTest::newRow("trailing blank") << "DO Maggiore "
                                    << ""
                                    << "";
    QTest::newRow("Scegli") << "Scegli"
                            << ""
                            << "";
    QTest::newRow("Spazio Vuoto") << "Spazio Vuoto"
                                  << ""
                                  << "";
    QTest::newRow("RE 7+") << "RE 7+"
                           << ""
                           << "";
}

void TestCatalogue::secondPositions()
{
    QFETCH(QString, name);
    QFETCH(QString, first);
    QFETCH(QString, second);
    const auto found = chords::secondPosition(name);
    QCOMPARE(found.has_value(), !first.isEmpty());
    if (found) {
        QCOMPARE(found->firstPicture, first);
        QCOMPARE(found->secondPicture, second);
        // Each first-position picture is the catalogue's picture of that chord.
        bool matched = false;
        for (const CatalogueRow& row : catalogueRows)
            matched =
                matched || (QLatin1String(row.name) == name && QLatin1String(row.picture) == first);
        QVERIFY(matched);
    }
}

void TestCatalogue::noteLabels()
{
    const QStringList italian = chords::noteLabels(false);
    const QStringList american = chords::noteLabels(true);
    QCOMPARE(italian, QStringList({"DO", "DO# / REb", "RE", "RE# / MIb", "MI", "FA", "FA# / SOLb",
                                   "SOL", "SOL# / LAb", "LA", "LA# / SIb", "SI"}));
    QCOMPARE(american, QStringList({"C", "C# / Db", "D", "D# / Eb", "E", "F", "F# / Gb", "G",
                                    "G# / Ab", "A", "A# / Bb", "B"}));
}

QTEST_APPLESS_MAIN(TestCatalogue)
#include "test_catalogue.moc"
