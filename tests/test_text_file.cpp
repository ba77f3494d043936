#include "core/errors.h"
#include "core/text_file.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

class TestTextFile : public QObject
{
    Q_OBJECT
private slots:
    void lineEnds_data();
    void lineEnds();
    void everyByteRoundTrips();
    void westernCharacters();
    void unencodableRefused_data();
    void unencodableRefused();
    void failedWriteKeepsPreviousFile();
    void missingFile();
};

void TestTextFile::lineEnds_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("CR LF") << QByteArray("a\r\nb\r\n") << QStringList{"a", "b"};
    QTest::newRow("LF") << QByteArray("a\nb\n") << QStringList{"a", "b"};
    QTest::newRow("CR") << QByteArray("a\rb\r") << QStringList{"a", "b"};
    QTest::newRow("no final end") << QByteArray("a\r\nb") << QStringList{"a", "b"};
    QTest::newRow("empty lines kept")
        << QByteArray("a\r\n\r\n\r\nb\r\n") << QStringList{"a", "", "", "b"};
    QTest::newRow("LF CR is two ends") << QByteArray("a\n\rb") << QStringList{"a", "", "b"};
    QTest::newRow("empty file") << QByteArray() << QStringList{};
    QTest::newRow("one empty line") << QByteArray("\r\n") << QStringList{""};
}

void TestTextFile::lineEnds()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, lines);
    QCOMPARE(textfile::decodeLines(bytes), lines);
}

// Every byte value but the line ends reads and writes back unchanged, the five
// bytes the code page leaves undefined included.
void TestTextFile::everyByteRoundTrips()
{
    QByteArray line;
    for (int b = 0; b < 256; ++b) {
        if (b != '\r' && b != '\n')
            line.append(static_cast<char>(b));
    }
    const QByteArray bytes = line + "\r\n" + line + "\r\n";
    const QStringList lines = textfile::decodeLines(bytes);
    QCOMPARE(lines.size(), 2);
    QCOMPARE(textfile::encodeLines(lines), bytes);
}

void TestTextFile::westernCharacters()
{
    const QStringList lines{QStringLiteral("Tonalità: FA# 11 — €5 «ciao» œ"), QString()};
    const QByteArray bytes = textfile::encodeLines(lines);
    QCOMPARE(bytes, QByteArray("Tonalit\xE0: FA# 11 \x97 \x80"
                               "5 \xAB"
                               "ciao\xBB \x9C\r\n\r\n"));
    QCOMPARE(textfile::decodeLines(bytes), lines);
}

// A line the file cannot hold as one line is refused, and the file kept.
void TestTextFile::unencodableRefused_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("quoted");
    QTest::newRow("outside the code page") << QStringLiteral("Accordo Ж") << "U+0416";
    QTest::newRow("LF") << "Riga uno\nRiga due"
                        << "\"Riga uno\"";
    QTest::newRow("CR") << "Riga\r"
                        << "\"Riga\"";
    QTest::newRow("long line quoted in part") << QString(100, QLatin1Char('a')) + "\n"
                                              << "\"" + QString(40, QLatin1Char('a')) + "\"";
}

void TestTextFile::unencodableRefused()
{
    QFETCH(QString, line);
    QFETCH(QString, quoted);
    QVERIFY(textfile::isEncodable(QStringLiteral("Perché è così")));
    QVERIFY(!textfile::isEncodable(QStringLiteral("ﾉ")));
    QCOMPARE(textfile::firstUnencodable(QStringList{"ok", "ж x"}), QChar(0x0436));

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.txt"));
    textfile::writeLines(path, {QStringLiteral("prima")});
    try {
        textfile::writeLines(path, {QStringLiteral("ok"), line});
        QFAIL("a line the file cannot hold was written");
    } catch (const CorvaltoError& e) {
        QVERIFY2(e.message().contains(quoted), qPrintable(e.message()));
    }
    QCOMPARE(textfile::readLines(path), QStringList{QStringLiteral("prima")});
}

// A write that fails half way (here: the file-size limit of the process, which
// holds for every user) leaves the previous file as it was.
void TestTextFile::failedWriteKeepsPreviousFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("lista.qvl"));
    textfile::writeLines(path, {QStringLiteral("vecchia")});

    rlimit previous{};
    getrlimit(RLIMIT_FSIZE, &previous);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = previous;
    small.rlim_cur = 4096;
    setrlimit(RLIMIT_FSIZE, &small);

    QString error;
    try {
        textfile::writeLines(path, QStringList(2000, QStringLiteral("DO Maggiore")));
    } catch (const CorvaltoError& e) {
        error = e.message();
    }
    setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, oldHandler);

    QCOMPARE(error, QStringLiteral("Cannot create file ") + path);
    QCOMPARE(textfile::readLines(path), QStringList{QStringLiteral("vecchia")});
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("lista.qvl")});
}

void TestTextFile::missingFile()
{
    try {
        textfile::readLines(QStringLiteral("/nessuna/cartella/lista.qvl"));
        QFAIL("a missing file was read");
    } catch (const CorvaltoError& e) {
        QCOMPARE(e.message(), QStringLiteral("Cannot open file /nessuna/cartella/lista.qvl"));
    }
}

QTEST_APPLESS_MAIN(TestTextFile)
#include "test_text_file.moc"
