#include "export/chord_sheet.h"

#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

class TestChordSheet : public QObject
{
    Q_OBJECT
private slots:
    void pdfHoldsTheListAsText();
};

// The PDF's title, chord names and information are text that a reader finds, in the
// list's order; a long list runs over several A4 pages.
void TestChordSheet::pdfHoldsTheListAsText()
{
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    QVERIFY2(!pdftotext.isEmpty(),
             "pdftotext (poppler-utils) is installed by scripts/install-deps.sh");

    ListFile list;
    list.title = QStringLiteral("Canzone d'autunno");
    const QStringList chords{"DO Maggiore", "LA Minore", "-", "FA 9", "SOL 7", "Ritornello"};
    for (int i = 0; i < 60; ++i)
        list.entries << chords.at(i % chords.size());
    list.pictures = QStringList(list.entries.size(), QString());
    list.pictures[0] = QStringLiteral("do_sec.gif");
    list.information = {"Capo al II tasto", "Più lento nel finale"};
    const ChordSheet sheet(list);
    QCOMPARE(sheet.pageCount(), 2);

    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("canzone.pdf"));
    QSaveFile file(pdf);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QVERIFY(sheet.writePdf(file));
    QVERIFY(file.commit());

    QProcess reader;
    reader.start(pdftotext,
                 {QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdf, QStringLiteral("-")});
    QVERIFY(reader.waitForFinished(30000));
    QCOMPARE(reader.exitCode(), 0);
    const QString text = QString::fromUtf8(reader.readAllStandardOutput());
    qsizetype at = 0;
    for (const QString expected :
         {"Canzone d'autunno", "DO Maggiore", "LA Minore", "FA 9", "SOL 7", "Ritornello",
          "Pagina 1 di 2", "Capo al II tasto", "Più lento nel finale", "Pagina 2 di 2"}) {
        const qsizetype found = text.indexOf(expected, at);
        QVERIFY2(found >= 0,
                 qPrintable(expected + QStringLiteral(" missing or out of order in:\n") + text));
        at = found;
    }
    QCOMPARE(text.count(QStringLiteral("LA Minore")), 10);
}

QTEST_MAIN(TestChordSheet)
#include "test_chord_sheet.moc"
