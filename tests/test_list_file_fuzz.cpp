// Generated and mutated list files through the reader: every file is either read
// into a consistent list or refused with a clean error, and a refused file leaves
// the open list exactly as it was; read lists are selected entry by entry and
// paged through the real window. Deterministic (fixed seeds), fast enough to run
// under the sanitizers on every test run.
#include "chordlist/chord_list_model.h"
#include "chords/chord_catalogue.h"
#include "core/errors.h"
#include "core/text_file.h"
#include "documents/document_controller.h"
#include "documents/information_window.h"
#include "documents/list_file.h"
#include "htmlpage/page_preview_window.h"
#include "support/window_driver.h"
#include "ui/widgets/browser_view.h"

#include <QFile>
#include <QFileInfo>

#include <climits>
#include <random>

namespace {

using Rng = std::mt19937;

int uniform(Rng& rng, int lo, int hi)
{
    return std::uniform_int_distribution<int>(lo, hi)(rng);
}

bool chance(Rng& rng, int percent)
{
    return uniform(rng, 0, 99) < percent;
}

// One character for every byte but the line ends, as the codec reads it.
const QString& codePageCharacters()
{
    static const QString chars = [] {
        QString s;
        for (int b = 0; b < 256; ++b) {
            if (b != '\r' && b != '\n')
                s += textfile::decodeLines(QByteArray(1, char(b))).value(0);
        }
        return s;
    }();
    return chars;
}

QString randomText(Rng& rng, int maxLength)
{
    const QString& chars = codePageCharacters();
    QString s;
    const int n = uniform(rng, 0, maxLength);
    s.reserve(n);
    for (int i = 0; i < n; ++i)
        s += chars.at(uniform(rng, 0, int(chars.size()) - 1));
    return s;
}

ListFile randomList(Rng& rng)
{
    static const QStringList names{"DO Maggiore", "LA Minore", "RE 6", "FA# 9 / SOLb 9", "-"};
    static const QStringList pictures{"do.gif", "la_min.gif", "re_6_sec.gif", "fa_diesis_9.gif"};
    ListFile f;
    f.title = randomText(rng, 40);
    const int n =
        chance(rng, 5) ? ListFile::MaxEntries : uniform(rng, 0, chance(rng, 10) ? 300 : 12);
    for (int k = 0; k < n; ++k) {
        if (chance(rng, 80)) {
            const QString name = names.at(uniform(rng, 0, int(names.size()) - 1));
            f.entries.append(name);
            f.pictures.append(name == "-" ? QString() : pictures.at(uniform(rng, 0, 3)));
        } else {
            f.entries.append(randomText(rng, 20));
            f.pictures.append(randomText(rng, 20));
        }
    }
    const int info = chance(rng, 40) ? 0 : uniform(rng, 1, 12);
    for (int i = 0; i < info; ++i)
        f.information.append(chance(rng, 15) ? QString() : randomText(rng, 40));
    return f;
}

QByteArray randomBytes(Rng& rng, int maxLength)
{
    QByteArray b(uniform(rng, 0, maxLength), '\0');
    for (char& c : b)
        c = char(uniform(rng, 0, 255));
    return b;
}

QByteArray withLineEnds(const QByteArray& crlf, Rng& rng)
{
    QByteArray out;
    const int style = uniform(rng, 0, 3); // CR LF, LF, CR, mixed
    for (qsizetype i = 0; i < crlf.size(); ++i) {
        if (crlf[i] == '\r' && i + 1 < crlf.size() && crlf[i + 1] == '\n') {
            int s = style == 3 ? uniform(rng, 0, 2) : style;
            // A lone CR before an empty line and its LF would read as one CR LF.
            if (style == 3 && s == 1 && out.endsWith('\r'))
                s = 0;
            out += s == 0 ? "\r\n" : s == 1 ? "\n" : "\r";
            ++i;
        } else {
            out += crlf[i];
        }
    }
    return out;
}

QByteArray replaceLine(const QByteArray& bytes, int index, const QByteArray& text)
{
    QList<QByteArray> lines = bytes.split('\n');
    if (index < lines.size())
        lines[index] = text + (lines[index].endsWith('\r') ? "\r" : "");
    return lines.join('\n');
}

QByteArray strangeCount(Rng& rng)
{
    static const QList<QByteArray> fixed{
        "-1",   "301",        "-0",          "+0",         "00300",       " 12 ",
        "3e2",  "0x1F",       "1.5",         "",           "tre",         "\xb3",
        "\xa0", "2147483647", "-2147483648", "2147483648", "-2147483649", "99999999999999999999",
        "+",    "-",          "1 2",         "\t7"};
    switch (uniform(rng, 0, 3)) {
    case 0:
        return fixed.at(uniform(rng, 0, int(fixed.size()) - 1));
    case 1:
        return QByteArray::number(uniform(rng, -1000, 1000));
    case 2:
        return QByteArray::number(qint64(uniform(rng, INT_MIN, INT_MAX)) * uniform(rng, 1, 3));
    default:
        return randomBytes(rng, 6).replace('\r', 'x').replace('\n', 'y');
    }
}

QByteArray mutate(QByteArray bytes, Rng& rng)
{
    const int steps = uniform(rng, 1, 4);
    for (int s = 0; s < steps; ++s) {
        switch (uniform(rng, 0, 8)) {
        case 0: // a byte changed
            if (!bytes.isEmpty())
                bytes[uniform(rng, 0, int(bytes.size()) - 1)] = char(uniform(rng, 0, 255));
            break;
        case 1: // truncated
            bytes.truncate(uniform(rng, 0, int(bytes.size())));
            break;
        case 2: // random bytes inserted
            bytes.insert(uniform(rng, 0, int(bytes.size())), randomBytes(rng, 24));
            break;
        case 3: // a range removed
            if (!bytes.isEmpty()) {
                const int at = uniform(rng, 0, int(bytes.size()) - 1);
                bytes.remove(at, uniform(rng, 1, 40));
            }
            break;
        case 4: // another count
            bytes = replaceLine(bytes, 1, strangeCount(rng));
            break;
        case 5: // another line-end style
            bytes = withLineEnds(bytes, rng);
            break;
        case 6: // many more lines
            bytes += QByteArray(uniform(rng, 1, 2000), '\n');
            break;
        case 7: // twice over
            bytes += bytes;
            break;
        default: // the title or an entry replaced by random bytes
            bytes = replaceLine(bytes, uniform(rng, 0, 5),
                                randomBytes(rng, 30).replace('\n', ' ').replace('\r', ' '));
            break;
        }
    }
    return bytes;
}

// Checks one file through the reader; returns true when it was read.
bool checkReader(const QByteArray& bytes)
{
    const QStringList lines = textfile::decodeLines(bytes);
    ListFile f;
    try {
        f = ListFile::fromLines(lines);
    } catch (const CorvaltoError& e) {
        const QString count = lines.value(1);
        bool isInteger = false;
        const int n = count.toInt(&isInteger);
        if (isInteger) {
            if (n >= 0 && n <= ListFile::MaxEntries)
                qFatal("a count of %d was refused: %s", n, qPrintable(e.message()));
            if (!e.message().contains(QStringLiteral("non è una lista valida")))
                qFatal("unexpected message %s", qPrintable(e.message()));
        } else if (e.message() != CorvaltoError::notAnInteger(count).message()) {
            qFatal("unexpected message %s", qPrintable(e.message()));
        }
        return false;
    }
    const qsizetype n = f.entries.size();
    if (n < 0 || n > ListFile::MaxEntries || f.pictures.size() != n)
        qFatal("inconsistent list of %lld entries", qlonglong(n));
    if (f.title != lines.value(0) || QString::number(n) != QString::number(lines.value(1).toInt()))
        qFatal("title or count not taken from the file");
    for (qsizetype k = 0; k < n; ++k) {
        if (f.entries[k] != lines.value(2 + k) || f.pictures[k] != lines.value(2 + n + k))
            qFatal("entry %lld not taken from its line", qlonglong(k));
    }
    if (f.information != lines.mid(2 * n + 2))
        qFatal("information not taken from the remaining lines");
    // What was read is written and read back unchanged.
    const QByteArray rewritten = textfile::encodeLines(f.lines());
    const ListFile again = ListFile::fromLines(textfile::decodeLines(rewritten));
    if (again.title != f.title || again.entries != f.entries || again.pictures != f.pictures ||
        again.information != f.information)
        qFatal("a list read from a file does not survive writing and reading");
    return true;
}

} // namespace

class TestListFileFuzz : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { initTestEnvironment(); }
    void generatedListsRoundTrip();
    void mutatedFilesReadOrRefused();
    void randomBytesReadOrRefused();
    void mutatedFilesThroughOpen();
    void generatedListsSelectedAndPaged();
};

void TestListFileFuzz::generatedListsRoundTrip()
{
    Rng rng(20240601);
    for (int i = 0; i < 2000; ++i) {
        const ListFile f = randomList(rng);
        const QByteArray bytes = textfile::encodeLines(f.lines());
        const QByteArray styled = withLineEnds(bytes, rng);
        const ListFile read = ListFile::fromLines(textfile::decodeLines(styled));
        QCOMPARE(read.title, f.title);
        QCOMPARE(read.entries, f.entries);
        QCOMPARE(read.pictures, f.pictures);
        QCOMPARE(read.information, f.information);
        QCOMPARE(textfile::encodeLines(read.lines()), bytes);
    }
}

void TestListFileFuzz::mutatedFilesReadOrRefused()
{
    Rng rng(7);
    int read = 0;
    const int total = 3000;
    for (int i = 0; i < total; ++i) {
        const QByteArray bytes = mutate(textfile::encodeLines(randomList(rng).lines()), rng);
        read += checkReader(bytes);
    }
    // Both outcomes are exercised.
    QVERIFY2(read > total / 10 && read < total * 9 / 10, qPrintable(QString::number(read)));
}

void TestListFileFuzz::randomBytesReadOrRefused()
{
    Rng rng(11);
    for (int i = 0; i < 2000; ++i)
        checkReader(randomBytes(rng, 400));
    // A large file: the first lines decide.
    QByteArray huge = "Titolo\r\n2\r\nDO Maggiore\r\n-\r\ndo.gif\r\n\r\n";
    huge += QByteArray(1024 * 1024, 'x');
    QVERIFY(checkReader(huge));
    QVERIFY(!checkReader("Titolo\r\n" + QByteArray(256 * 1024, '7') + "\r\n"));
}

void TestListFileFuzz::mutatedFilesThroughOpen()
{
    TestApp t;
    MainWindow* f = t.w().mainWindow;
    DocumentController& documents = f->documents();
    const QString base = t.folder->file("liste/base.qvl");
    const QString path = t.folder->file("liste/fuzz.qvl");
    Rng rng(3);
    const ListFile previous = randomList(rng);
    {
        QFile out(base);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(textfile::encodeLines(previous.lines()));
    }
    documents.loadListFile(base);
    f->listDocument().entries().setPendingPicture(QStringLiteral("do.gif"));

    int refused = 0;
    for (int i = 0; i < 250; ++i) {
        const QByteArray bytes = mutate(textfile::encodeLines(randomList(rng).lines()), rng);
        {
            QFile out(path);
            QVERIFY(out.open(QIODevice::WriteOnly));
            out.write(bytes);
        }
        const QStringList lines = f->listDocument().entries().lines();
        QStringList pictures;
        for (int s = 0; s <= ChordListModel::Capacity; ++s)
            pictures.append(f->listDocument().entries().picture(s));
        const QString title = controls(f).Edit1->text();
        const QStringList information = t.w().informationWindow->informationLines();
        const QStringList buffer = f->listDocument().listFileLines();
        const QString caption = f->windowTitle();
        const QString edit3 = controls(f).Edit3->text();
        const DocumentState doc = f->listDocument().state();

        try {
            documents.loadListFile(path);
        } catch (const CorvaltoError&) {
            ++refused;
            QCOMPARE(f->listDocument().entries().lines(), lines);
            for (int s = 0; s <= ChordListModel::Capacity; ++s)
                QCOMPARE(f->listDocument().entries().picture(s), pictures.at(s));
            QCOMPARE(controls(f).Edit1->text(), title);
            QCOMPARE(t.w().informationWindow->informationLines(), information);
            QCOMPARE(f->listDocument().listFileLines(), buffer);
            QCOMPARE(f->windowTitle(), caption);
            QCOMPARE(controls(f).Edit3->text(), edit3);
            QCOMPARE(f->listDocument().state().currentListFile, doc.currentListFile);
            QCOMPARE(f->listDocument().state().listModified, doc.listModified);
            continue;
        }
        const QStringList fileLines = textfile::decodeLines(bytes);
        const int n = fileLines.value(1).toInt();
        QCOMPARE(f->listDocument().entries().count(), n);
        QCOMPARE(controls(f).Edit3->text(), QString::number(n));
        QCOMPARE(controls(f).Edit1->text(), fileLines.value(0));
        QCOMPARE(f->listDocument().listFileLines(), fileLines);
        QCOMPARE(f->listDocument().state().currentListFile, path);
        QVERIFY(!f->listDocument().state().listModified);
        for (int k = 0; k < n; ++k)
            QCOMPARE(f->listDocument().entries().picture(k), fileLines.value(2 + n + k));
        documents.loadListFile(base);
    }
    QCOMPARE(t.prompts.texts("error"), QStringList());
    QVERIFY(refused > 0);
}

void TestListFileFuzz::generatedListsSelectedAndPaged()
{
    const auto t = driver::startShown();
    MainWindow* f = t->w().mainWindow;
    static const QStringList crafted{"../../../../../../../../../dev/zero",
                                     "../../../../etc/hostname",
                                     "/etc/hostname",
                                     "..\\do.gif",
                                     "do.gif\t",
                                     ".",
                                     ""};
    const QString path = t->folder->file("liste/giro.qvl");
    Rng rng(5);
    for (int i = 0; i < 12; ++i) {
        ListFile list = randomList(rng);
        // Enough entries to meet every kind of name, few enough to click them all.
        list.entries = list.entries.mid(0, 40);
        list.pictures = list.pictures.mid(0, 40);
        for (QString& picture : list.pictures) {
            if (chance(rng, 30))
                picture = crafted.at(uniform(rng, 0, int(crafted.size()) - 1));
        }
        {
            QFile out(path);
            QVERIFY(out.open(QIODevice::WriteOnly));
            out.write(textfile::encodeLines(list.lines()));
        }
        f->documents().loadListFile(path);
        controls(f).ListBox1->clearSelection();
        t->prompts.clear();

        QStringList expected;
        int linked = 0;
        for (int row = 0; row < list.entries.size(); ++row) {
            driver::clickRow(f, row);
            const QString picture = list.pictures.at(row);
            const QString file = t->folder->file("imm/" + picture);
            const bool bare = chords::isBarePictureName(picture);
            linked += bare;
            // The report ends the message with a full stop unless it has one.
            if (list.entries.at(row) != "-" && !(bare && QFileInfo(file).isFile()))
                expected.append("Cannot open file " + file + (file.endsWith('.') ? "" : "."));
        }
        QCOMPARE(t->prompts.texts("error"), expected);
        if (list.entries.isEmpty())
            continue;

        t->prompts.clear();
        QTest::mouseClick(controls(f).Button5, Qt::LeftButton);
        QCOMPARE(t->prompts.texts("error"), QStringList());
        QFile page(path + ".html");
        QVERIFY(page.open(QIODevice::ReadOnly));
        QCOMPARE(page.readAll().count("<img "), linked);
        QVERIFY(!control<BrowserView>(t->w().pagePreview, "WebBrowser1")->showsError());
        t->w().pagePreview->close();
    }
}

QTEST_MAIN(TestListFileFuzz)
#include "test_list_file_fuzz.moc"
