#include "core/errors.h"
#include "core/text_file.h"
#include "documents/list_file.h"

#include <QFile>
#include <QTest>

namespace {

QByteArray reference(const QString& name)
{
    QFile f(QStringLiteral(CORVALTO_TEST_DATA "/lists/") + name);
    if (!f.open(QIODevice::ReadOnly))
        qFatal("missing reference file %s", qPrintable(name));
    return f.readAll();
}

ListFile make(const QString& title, const QStringList& entries, const QStringList& pictures,
              const QStringList& information = {})
{
    ListFile f;
    f.title = title;
    f.entries = entries;
    f.pictures = pictures;
    f.information = information;
    return f;
}

ListFile canzone(bool withInformation = true)
{
    return make(QStringLiteral("Canzone"), {"DO Maggiore", "-", "LA Minore"},
                {"do.gif", "", "la_min.gif"},
                withInformation ? QStringList{"Capo al II tasto"} : QStringList{});
}

// Every tenth entry a blank, the others DO Maggiore.
ListFile list300()
{
    ListFile f;
    f.title = QStringLiteral("Trecento");
    for (int i = 1; i <= 300; ++i) {
        const bool blank = i % 10 == 0;
        f.entries.append(blank ? QStringLiteral("-") : QStringLiteral("DO Maggiore"));
        f.pictures.append(blank ? QString() : QStringLiteral("do.gif"));
    }
    f.information = {QStringLiteral("Trecento accordi")};
    return f;
}

ListFile readBytes(const QByteArray& bytes)
{
    return ListFile::fromLines(textfile::decodeLines(bytes));
}

void compareContent(const ListFile& actual, const ListFile& expected)
{
    QCOMPARE(actual.title, expected.title);
    QCOMPARE(actual.entries, expected.entries);
    QCOMPARE(actual.pictures, expected.pictures);
    QCOMPARE(actual.information, expected.information);
}

} // namespace

Q_DECLARE_METATYPE(ListFile)

class TestListFile : public QObject
{
    Q_OBJECT
private slots:
    void writesReferenceBytes_data();
    void writesReferenceBytes();
    void readsReference_data();
    void readsReference();
    void writeReadWriteIsIdentical_data();
    void writeReadWriteIsIdentical();
    void countForms_data();
    void countForms();
    void refusesBadCount_data();
    void refusesBadCount();
};

void TestListFile::writesReferenceBytes_data()
{
    QTest::addColumn<ListFile>("content");
    QTest::addColumn<QString>("reference");
    QTest::newRow("nine-line example") << canzone() << "canzone.qvl";
    // Lists saved from the main window are compared byte for byte in test_documents.
    QTest::newRow("wrapped information with an empty line")
        << make("Ballata", {"SOL 7", "FA 9"}, {"sol7.gif", "fa_9_sec.gif"},
                {"Intro: SOL 7 per quattro battute, poi FA 9 ",
                 "sulla strofa; ritornello due volte.", "", "Finale lento."})
        << "wrapped_info.qvl";
    QTest::newRow("western european characters")
        << make(QStringLiteral("Canzone più bella €"), {"SOL# 7 / LAb 7"}, {"sol_diesis_7.gif"},
                {QStringLiteral("Capo al II tasto – più piano, «dolce»")})
        << "accents.qvl";
    QTest::newRow("300 entries") << list300() << "list300.qvl";
}

void TestListFile::writesReferenceBytes()
{
    QFETCH(ListFile, content);
    QFETCH(QString, reference);
    QCOMPARE(textfile::encodeLines(content.lines()), ::reference(reference));
}

void TestListFile::readsReference_data()
{
    QTest::addColumn<QString>("reference");
    QTest::addColumn<ListFile>("expected");
    QTest::newRow("CR LF") << "canzone.qvl" << canzone();
    QTest::newRow("LF only") << "canzone_lf.qvl" << canzone();
    QTest::newRow("CR only") << "canzone_cr.qvl" << canzone();
    QTest::newRow("no line end after the last line") << "canzone_noeol.qvl" << canzone();
    QTest::newRow("no information") << "canzone_noinfo.qvl" << canzone(false);
    QTest::newRow("empty title") << "empty_title.qvl" << make("", {"LA Minore"}, {"la_min.gif"});
    QTest::newRow("count 0: the rest is information")
        << "count0.qvl" << make("Vuota", {}, {}, {"Nota 1", "Nota 2"});
    QTest::newRow("stops after the entry texts")
        << "short.qvl" << make("Corta", {"DO Maggiore", "-", "LA Minore"}, {"", "", ""});
    QTest::newRow("western european characters")
        << "accents.qvl"
        << make(QStringLiteral("Canzone più bella €"), {"SOL# 7 / LAb 7"}, {"sol_diesis_7.gif"},
                {QStringLiteral("Capo al II tasto – più piano, «dolce»")});
    QTest::newRow("300 entries") << "list300.qvl" << list300();
}

void TestListFile::readsReference()
{
    QFETCH(QString, reference);
    QFETCH(ListFile, expected);
    compareContent(readBytes(::reference(reference)), expected);
}

void TestListFile::writeReadWriteIsIdentical_data()
{
    QTest::addColumn<QString>("reference");
    QTest::addColumn<QString>("written");
    for (const char* name : {"canzone.qvl", "canzone_noinfo.qvl", "empty_title.qvl", "blanks.qvl",
                             "wrapped_info.qvl", "accents.qvl", "list300.qvl"})
        QTest::newRow(name) << name << name;
    QTest::newRow("LF only rewritten with CR LF") << "canzone_lf.qvl"
                                                  << "canzone.qvl";
    QTest::newRow("CR only rewritten with CR LF") << "canzone_cr.qvl"
                                                  << "canzone.qvl";
}

void TestListFile::writeReadWriteIsIdentical()
{
    QFETCH(QString, reference);
    QFETCH(QString, written);
    const QByteArray once = textfile::encodeLines(readBytes(::reference(reference)).lines());
    QCOMPARE(once, ::reference(written));
    QCOMPARE(textfile::encodeLines(readBytes(once).lines()), once);
}

void TestListFile::countForms_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("count");
    QTest::newRow("plain") << "3" << 3;
    QTest::newRow("zero") << "0" << 0;
    QTest::newRow("leading zeros") << "007" << 7;
    QTest::newRow("plus sign") << "+3" << 3;
    QTest::newRow("blanks around") << " 3 " << 3;
    QTest::newRow("300") << "300" << 300;
}

void TestListFile::countForms()
{
    QFETCH(QString, text);
    QFETCH(int, count);
    const ListFile f = ListFile::fromLines({"T", text});
    QCOMPARE(f.entries.size(), count);
    QCOMPARE(f.pictures.size(), count);
}

void TestListFile::refusesBadCount_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("message");
    const auto range = [](const char* n) {
        return QStringLiteral("Il file non è una lista valida: dichiara %1 accordi, ma una lista "
                              "ne contiene da 0 a 300. La lista aperta non è stata modificata.")
            .arg(QLatin1String(n));
    };
    QTest::newRow("word") << QStringList{"T", "tre", "DO Maggiore"}
                          << "'tre' is not a valid integer value";
    QTest::newRow("empty count line") << QStringList{"T", ""} << "'' is not a valid integer value";
    QTest::newRow("empty file") << QStringList{} << "'' is not a valid integer value";
    QTest::newRow("decimal point")
        << QStringList{"T", "3.0"} << "'3.0' is not a valid integer value";
    QTest::newRow("hexadecimal") << QStringList{"T", "0x10"}
                                 << "'0x10' is not a valid integer value";
    QTest::newRow("beyond int") << QStringList{"T", "99999999999"}
                                << "'99999999999' is not a valid integer value";
    QTest::newRow("negative") << QStringList{"T", "-1"} << range("-1");
    QTest::newRow("301") << QStringList{"T", "301"} << range("301");
    QTest::newRow("most negative int") << QStringList{"T", "-2147483648"} << range("-2147483648");
}

void TestListFile::refusesBadCount()
{
    QFETCH(QStringList, lines);
    QFETCH(QString, message);
    try {
        ListFile::fromLines(lines);
        QFAIL("the file was accepted");
    } catch (const CorvaltoError& e) {
        QCOMPARE(e.message(), message);
    }
}

QTEST_GUILESS_MAIN(TestListFile)
#include "test_list_file.moc"
