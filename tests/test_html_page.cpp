// The HTML page of a chord list, compared byte for byte with reference pages.
#include "core/text_file.h"
#include "htmlpage/page_builder.h"

#include <QFile>
#include <QTest>

using htmlpage::PageInput;

Q_DECLARE_METATYPE(PageInput)

namespace {

const QString ProgramDir = QStringLiteral("/opt/corvalto/");
const QString Canzone = QStringLiteral("/home/utente/liste/Canzone.qvl");

PageInput input(const QString& title, const QStringList& entries, const QStringList& pictures,
                const QStringList& information = {}, const QString& listFile = Canzone,
                const QString& programDir = ProgramDir)
{
    return PageInput{title, entries, pictures, information, listFile, programDir};
}

QByteArray reference(const QString& name)
{
    QFile f(QStringLiteral(CORVALTO_TEST_DATA "/html/") + name);
    if (!f.open(QIODevice::ReadOnly))
        qFatal("missing reference page %s", qPrintable(name));
    return f.readAll();
}

} // namespace

class TestHtmlPage : public QObject
{
    Q_OBJECT
private slots:
    void page_data();
    void page();
    void pagePath_data();
    void pagePath();
};

void TestHtmlPage::page_data()
{
    QTest::addColumn<PageInput>("in");
    QTest::addColumn<QString>("expected");

    const QString blank = QStringLiteral("-");
    QTest::newRow("a chord, a blank, a chord")
        << input(QStringLiteral("Canzone"),
                 {QStringLiteral("DO Maggiore"), blank, QStringLiteral("LA Minore")},
                 {QStringLiteral("do.gif"), QString(), QStringLiteral("la_min.gif")})
        << QStringLiteral("example.html");
    QTest::newRow("every entry with a picture")
        << input(QStringLiteral("Accordi aperti"),
                 {QStringLiteral("DO Maggiore"), QStringLiteral("LA Minore"),
                  QStringLiteral("SOL Maggiore")},
                 {QStringLiteral("do.gif"), QStringLiteral("la_min.gif"), QStringLiteral("sol.gif"),
                  QStringLiteral("mi.gif")}, // the pending picture past the entries is not read
                 {}, QStringLiteral("/home/utente/liste/Aperti.qvl"))
        << QStringLiteral("all_pictures.html");
    QTest::newRow("two blanks in a row")
        << input(QStringLiteral("Canzone"),
                 {QStringLiteral("DO Maggiore"), blank, blank, QStringLiteral("LA Minore")},
                 {QStringLiteral("do.gif"), QString(), QString(), QStringLiteral("la_min.gif")})
        << QStringLiteral("two_blanks.html");
    QTest::newRow("ending with a blank")
        << input(QStringLiteral("Canzone"),
                 {QStringLiteral("DO Maggiore"), QStringLiteral("MI Minore"), blank},
                 {QStringLiteral("do.gif"), QStringLiteral("mi_min.gif"), QString()})
        << QStringLiteral("ends_with_blank.html");
    QTest::newRow("information lines")
        << input(QStringLiteral("Canzone"), {QStringLiteral("DO Maggiore")},
                 {QStringLiteral("do.gif")},
                 {QStringLiteral("Capo al II tasto, tonalità LA"),
                  QStringLiteral("Ritmo: 4/4 in levare")})
        << QStringLiteral("information.html");
    // A list file from someone else: markup in every text it carries.
    QTest::newRow("markup is written as text")
        << input(QStringLiteral("Rock & \"Roll\" <live>"),
                 {QStringLiteral("<script>alert(1)</script>"), QStringLiteral("DO Maggiore"),
                  QStringLiteral("X & Y")},
                 {QString(), QStringLiteral("do.gif"), QStringLiteral("a\"b&c.gif")},
                 {QStringLiteral("<b>grassetto</b> & \"citato\"")},
                 QStringLiteral("/home/utente/liste/Tom & Jerry <1>.qvl"))
        << QStringLiteral("escaping.html");
    QTest::newRow("program folder with a blank and an accent")
        << input(QStringLiteral("Canzone"),
                 {QStringLiteral("DO Maggiore"), blank, QStringLiteral("LA Minore")},
                 {QStringLiteral("do.gif"), QString(), QStringLiteral("la_min.gif")}, {}, Canzone,
                 QStringLiteral("/home/andrè/Corvalto Prova/"))
        << QStringLiteral("program_folder.html");
    // A name the code page cannot hold, written as character references.
    QTest::newRow("file name outside the code page, with a line break")
        << input(QStringLiteral("Canzone"),
                 {QStringLiteral("DO Maggiore"), blank, QStringLiteral("LA Minore")},
                 {QStringLiteral("do.gif"), QString(), QStringLiteral("la_min.gif")}, {},
                 QStringLiteral("/home/utente/liste/\u0141\u00f3d\u017a \u65e5\u672c "
                                "\U0001F600\nbis.qvl"))
        << QStringLiteral("outside_code_page.html");
}

void TestHtmlPage::page()
{
    QFETCH(PageInput, in);
    QFETCH(QString, expected);
    const QByteArray written = textfile::encodeLines(htmlpage::buildPage(in));
    const QByteArray wanted = reference(expected);
    if (written != wanted) {
        const QStringList got = textfile::decodeLines(written);
        const QStringList want = textfile::decodeLines(wanted);
        for (qsizetype i = 0; i < qMax(got.size(), want.size()); ++i)
            QCOMPARE(got.value(i), want.value(i));
    }
    QCOMPARE(written, wanted);
}

void TestHtmlPage::pagePath_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("listFile");
    QTest::addColumn<QString>("expected");
    QTest::newRow("beside the list")
        << QStringLiteral("/home/utente/liste/") << QStringLiteral("/home/utente/liste/Lista.qvl")
        << QStringLiteral("/home/utente/liste/Lista.qvl.html");
    QTest::newRow("folder of the last generation")
        << QStringLiteral("/tmp/a/") << QStringLiteral("/home/utente/liste/Lista.qvl")
        << QStringLiteral("/tmp/a/Lista.qvl.html");
    QTest::newRow("name with blanks")
        << QStringLiteral("/home/utente/Le mie liste/")
        << QStringLiteral("/home/utente/Le mie liste/Giro di DO.qvl")
        << QStringLiteral("/home/utente/Le mie liste/Giro di DO.qvl.html");
}

void TestHtmlPage::pagePath()
{
    QFETCH(QString, folder);
    QFETCH(QString, listFile);
    QFETCH(QString, expected);
    QCOMPARE(htmlpage::pagePath(folder, listFile), expected);
}

QTEST_GUILESS_MAIN(TestHtmlPage)
#include "test_html_page.moc"
