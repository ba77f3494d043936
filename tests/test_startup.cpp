#include "app/colour_theme.h"
#include "app/form1.h"
#include "app/form2.h"
#include "chordlist/chord_list_model.h"
#include "documents/form4.h"
#include "documents/form5.h"
#include "htmlpage/form3.h"
#include "riff/form8.h"
#include "screensaver/form6.h"
#include "screensaver/form7.h"
#include "support/crafted_files.h"
#include "support/test_app.h"
#include "ui/picture_view.h"
#include "ui/radio_group.h"

#include <QGroupBox>

#include <QAction>
#include <QLineEdit>
#include <QToolButton>
#include <QListView>
#include <QTest>
#include <QTimer>

#include <random>

namespace {

const QString Caption = QStringLiteral("Corvalto 3.0 by Virmosk - ");

// A seed whose two first draws in 0..999 have the wanted parities.
unsigned seedFor(bool aEven, bool bEven)
{
    for (unsigned seed = 1;; ++seed) {
        std::mt19937 gen(seed);
        std::uniform_int_distribution<int> d(0, 999);
        const int a = d(gen);
        const int b = d(gen);
        if ((a % 2 == 0) == aEven && (b % 2 == 0) == bEven)
            return seed;
    }
}

QColor baseOf(QWidget* w)
{
    return w->palette().color(QPalette::Base);
}

} // namespace

class TestStartup : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { initTestEnvironment(); }
    void windowsAtStart();
    void colourTheme_data();
    void colourTheme();
    void scrollingTitle();
    void titleChangeMarksModified();
    void bannerLoadedOnlyOnChange();
    void markClean();
    void closeQuery_data();
    void closeQuery();
    void shellCommands();
    void configUnreadable_data();
    void configUnreadable();
    void configWithFiveLines();
    void bannerUnreadable_data();
    void bannerUnreadable();
};

void TestStartup::windowsAtStart()
{
    TestApp t;
    Form1* f = t.w().form1;
    QCOMPARE(t.ctx.applicationTitle, QStringLiteral("Corvalto 3.0"));
    QCOMPARE(f->windowIconText(), QStringLiteral("Corvalto 3.0"));
    QCOMPARE(f->windowTitle(), Caption + "Nuova lista");
    QCOMPARE(f->statusText(), QStringLiteral("Nuova lista"));
    QCOMPARE(f->Edit1->text(), QStringLiteral("Titolo lista"));
    QCOMPARE(f->Panel1->text(), QStringLiteral("Scegli"));
    QCOMPARE(f->Edit2->text(), QStringLiteral("0"));
    QVERIFY(!f->Edit2->isEnabled());
    QCOMPARE(f->Edit3->text(), QStringLiteral("0"));
    QCOMPARE(f->document().currentListFile, QStringLiteral("Nuova lista"));
    QVERIFY(!f->document().listModified && !f->document().listHasFile && !f->document().listFromFile);
    QCOMPARE(f->list().lastIndex(), -1);
    QCOMPARE(f->list().selectedPos(), 0);
    QVERIFY(!f->list().entrySelected());
    for (int slot = 0; slot <= ChordListModel::Capacity; ++slot)
        QVERIFY(f->list().picture(slot).isEmpty());
    QVERIFY(f->Image2->fileName().endsWith(QLatin1String("imm/virmoskc.jpg")));
    QVERIFY(t.prompts.calls().isEmpty());

    t.app->show();
    QVERIFY(QTest::qWaitForWindowExposed(f));
    const QList<QWidget*> others{t.w().form2, t.w().form3, t.w().form4, t.w().form5,
                                 t.w().form6, t.w().form7, t.w().form8};
    for (QWidget* w : others)
        QVERIFY2(!w->isVisible(), qPrintable(w->objectName()));
    QCOMPARE(t.w().form2->windowTitle(), QStringLiteral("About"));
    QCOMPARE(t.w().form3->windowTitle(), QStringLiteral("Pagina anteprima lista (Html)"));
    QCOMPARE(t.w().form4->windowTitle(), QStringLiteral("Titolo lista"));
    QCOMPARE(t.w().form5->windowTitle(), QStringLiteral("Informazioni lista aggiuntive"));
    QCOMPARE(t.w().form6->windowTitle(), QStringLiteral("Virmosk Screen Saver 1.0 Finale"));
    QCOMPARE(t.w().form8->windowTitle(), QStringLiteral("Virmosk Riff Editor 1.0"));
    QCOMPARE(f->centralWidget()->size(), QSize(624, 436));
}

void TestStartup::colourTheme_data()
{
    QTest::addColumn<bool>("aEven");
    QTest::addColumn<bool>("bEven");
    QTest::addColumn<QColor>("background");
    QTest::addColumn<QColor>("title");
    QTest::addColumn<QColor>("list");
    QTest::newRow("even even") << true << true << QColor(166, 202, 240) << QColor(192, 220, 192)
                               << QColor(240, 202, 166);
    QTest::newRow("even odd") << true << false << QColor(192, 220, 192) << QColor(240, 202, 166)
                              << QColor(166, 202, 240);
    QTest::newRow("odd even") << false << true << QColor(240, 202, 166) << QColor(166, 202, 240)
                              << QColor(192, 220, 192);
    QTest::newRow("odd odd") << false << false << QColor(197, 239, 252) << QColor(197, 255, 138)
                             << QColor(219, 210, 217);
}

void TestStartup::colourTheme()
{
    QFETCH(bool, aEven);
    QFETCH(bool, bEven);
    QFETCH(QColor, background);
    QFETCH(QColor, title);
    QFETCH(QColor, list);
    TestApp t(TestProgramFolder::Imm::Linked, true, seedFor(aEven, bEven));
    Form1* f = t.w().form1;
    QCOMPARE(f->palette().color(QPalette::Window), background);
    QList<QWidget*> themed;
    themed << f->note << f->toni << f->Panel3 << f->Panel2 << f->GroupBox1 << f->StatusBar1;
    for (QWidget* w : themed)
        QCOMPARE(w->palette().color(QPalette::Window), background);
    QCOMPARE(baseOf(f->Edit1), title);
    QCOMPARE(baseOf(f->ListBox1), list);
}

void TestStartup::scrollingTitle()
{
    TestApp t;
    Form1* f = t.w().form1;
    f->Timer1->stop();
    const QString blanks(25, QLatin1Char(' '));

    f->titleTick();
    QCOMPARE(t.ctx.applicationTitle, QString(24, QLatin1Char(' ')) + QLatin1Char('C'));
    QCOMPARE(f->windowIconText(), t.ctx.applicationTitle);
    // The caption of the main window does not scroll.
    QCOMPARE(f->windowTitle(), Caption + "Nuova lista");

    for (int tick = 2; tick <= 48; ++tick)
        f->titleTick();
    QCOMPARE(f->titleScrollPos(), 48);
    QCOMPARE(t.ctx.applicationTitle, blanks);
    f->titleTick();
    QCOMPARE(f->titleScrollPos(), 0);
    QCOMPARE(t.ctx.applicationTitle, blanks);
    f->titleTick();
    QCOMPARE(t.ctx.applicationTitle, QString(24, QLatin1Char(' ')) + QLatin1Char('C'));

    // The whole name passes through the window once a cycle.
    bool seen = false;
    for (int tick = 0; tick < 49; ++tick) {
        f->titleTick();
        seen = seen || t.ctx.applicationTitle.contains(QLatin1String("Corvalto 3.0 by Virmosk"));
    }
    QVERIFY(seen);

    // Error reports take the title current at that moment as caption.
    f->Timer1->start();
    QTRY_VERIFY_WITH_TIMEOUT(f->titleScrollPos() != 1, 2000);
}

void TestStartup::titleChangeMarksModified()
{
    TestApp t;
    Form1* f = t.w().form1;
    QTest::keyClicks(f->Edit1, QStringLiteral("x"));
    QVERIFY(f->document().listModified);
    QCOMPARE(f->windowTitle(), Caption + "*Nuova lista");
    QVERIFY(f->Image2->fileName().endsWith(QLatin1String("imm/virmoskbn.jpg")));

    // Equal to the stored title: nothing changes, and going back does not clear the mark.
    f->listFileBuffer() = QStringList{QStringLiteral("Canzone"), QStringLiteral("0")};
    f->document().listModified = false;
    f->markClean(QStringLiteral("/tmp/liste/Canzone.qvl"));
    f->Edit1->setText(QStringLiteral("Canzone"));
    QVERIFY(!f->document().listModified);
    QCOMPARE(f->windowTitle(), Caption + "Canzone.qvl");
    f->Edit1->setText(QStringLiteral("Canzon"));
    QVERIFY(f->document().listModified);
    f->Edit1->setText(QStringLiteral("Canzone"));
    QVERIFY(f->document().listModified);
    // The comparison is case-sensitive.
    f->markClean(QStringLiteral("/tmp/liste/Canzone.qvl"));
    f->Edit1->setText(QStringLiteral("canzone"));
    QVERIFY(f->document().listModified);
}

void TestStartup::bannerLoadedOnlyOnChange()
{
    TestApp t(TestProgramFolder::Imm::Copied);
    Form1* f = t.w().form1;
    f->markModified();
    QVERIFY(f->Image2->fileName().endsWith(QLatin1String("imm/virmoskbn.jpg")));
    // Once modified, a further change rewrites the caption without loading the banner.
    t.folder->removeFile(QStringLiteral("imm/virmoskbn.jpg"));
    f->Edit1->setText(QStringLiteral("Altro titolo"));
    QVERIFY(t.prompts.texts(QStringLiteral("error")).isEmpty());
    QCOMPARE(f->windowTitle(), Caption + "*Nuova lista");

    // A banner that cannot be loaded on the change to modified is reported, and
    // the list is marked modified all the same, so that closing still asks.
    f->markClean(QStringLiteral("Nuova lista"));
    f->Edit1->setText(QStringLiteral("Terzo titolo"));
    const QStringList errors = t.prompts.texts(QStringLiteral("error"));
    QCOMPARE(errors.size(), 1);
    QCOMPARE(errors.first(),
             QStringLiteral("Cannot open file ") + t.folder->file("imm/virmoskbn.jpg") + ".");
    QVERIFY(f->document().listModified);
    QCOMPARE(f->windowTitle(), Caption + "*Nuova lista");
}

void TestStartup::markClean()
{
    TestApp t;
    Form1* f = t.w().form1;
    f->markModified();
    f->document().currentListFile = QStringLiteral("/home/chitarra/liste/Lista.qvl");
    f->markModified();
    QCOMPARE(f->windowTitle(), Caption + "*Lista.qvl");
    f->markClean(f->document().currentListFile);
    QVERIFY(!f->document().listModified);
    QCOMPARE(f->windowTitle(), Caption + "Lista.qvl");
    QVERIFY(f->Image2->fileName().endsWith(QLatin1String("imm/virmoskc.jpg")));
}

void TestStartup::closeQuery_data()
{
    QTest::addColumn<int>("entries");
    QTest::addColumn<bool>("modified");
    QTest::addColumn<int>("answer"); // -1: nothing asked
    QTest::addColumn<bool>("closed");
    QTest::newRow("clean list") << 1 << false << -1 << true;
    QTest::newRow("modified but empty") << 0 << true << -1 << true;
    QTest::newRow("No") << 1 << true << int(Prompts::Answer::No) << true;
    QTest::newRow("Cancel") << 1 << true << int(Prompts::Answer::Cancel) << false;
}

void TestStartup::closeQuery()
{
    QFETCH(int, entries);
    QFETCH(bool, modified);
    QFETCH(int, answer);
    QFETCH(bool, closed);
    TestApp t;
    Form1* f = t.w().form1;
    t.app->show();
    for (int i = 0; i < entries; ++i)
        f->list().appendLine(QStringLiteral("DO Maggiore"));
    if (modified)
        f->Edit1->setText(QStringLiteral("Canzone"));
    if (answer >= 0)
        t.prompts.answer(static_cast<Prompts::Answer>(answer));

    QCOMPARE(f->close(), closed);
    const QStringList questions = t.prompts.texts(QStringLiteral("question"));
    if (answer < 0) {
        QVERIFY(questions.isEmpty());
    } else {
        QCOMPARE(questions, QStringList{QStringLiteral("Lista non salvata. Salvarla ora?")});
        QCOMPARE(t.prompts.calls().first().caption, QStringLiteral("Conferma"));
        QVERIFY(t.prompts.calls().first().withCancel);
    }
    QCOMPARE(f->isVisible(), !closed);
    QCOMPARE(f->list().count(), entries);
}

// Help and the banner's link go to the desktop shell; nothing is reported.
void TestStartup::shellCommands()
{
    TestApp t;
    Form1* f = t.w().form1;
    f->Guida1->trigger();
    QTest::mouseClick(f->RxSpeedButton6, Qt::LeftButton);
    QTest::mouseClick(f->Image2, Qt::LeftButton);
    const auto& calls = t.prompts.calls();
    QCOMPARE(calls.size(), 3);
    QCOMPARE(calls[0].kind, QStringLiteral("document"));
    QCOMPARE(calls[0].text, t.folder->file(QStringLiteral("Corvalto 3.0 Help.html")));
    QCOMPARE(calls[1].text, calls[0].text);
    QCOMPARE(calls[2].kind, QStringLiteral("url"));
    QVERIFY(calls[2].text.startsWith(QLatin1String("https://")));
    QCOMPARE(f->Guida1->shortcut(), QKeySequence(QStringLiteral("Ctrl+G")));
}

void TestStartup::configUnreadable_data()
{
    QTest::addColumn<QString>("kind"); // see makeCraftedFile, or "long line"
    QTest::addColumn<QString>("message");
    const QString cannotOpen = QStringLiteral("Cannot open file %1.");
    QTest::newRow("missing") << "missing" << cannotOpen;
    // A named pipe must not block the start: the window appears.
    QTest::newRow("named pipe") << "fifo" << cannotOpen;
    QTest::newRow("folder") << "folder" << cannotOpen;
    QTest::newRow("device") << "device" << cannotOpen;
    QTest::newRow("long line") << "long line"
                               << QStringLiteral("Il file %1 è troppo grande: Corvalto legge file "
                                                 "di questo tipo fino a 64 KB. Il file non è "
                                                 "stato aperto.");
}

void TestStartup::configUnreadable()
{
    QFETCH(QString, kind);
    QFETCH(QString, message);
    auto folder = std::make_shared<TestProgramFolder>(TestProgramFolder::Imm::Linked, false);
    const QString config = folder->file("config.ini");
    if (kind == QLatin1String("long line"))
        folder->writeConfig({QString(64 * 1024, QLatin1Char('/'))});
    else
        QVERIFY(makeCraftedFile(config, kind));
    TestApp t(folder, seedFor(true, true));
    Form1* f = t.w().form1;
    const auto& calls = t.prompts.calls();
    QCOMPARE(calls.size(), 1);
    QCOMPARE(calls.first().kind, QStringLiteral("error"));
    QCOMPARE(calls.first().text, message.arg(config));
    QCOMPARE(calls.first().caption, QStringLiteral("Corvalto 3.0"));
    for (int k = 1; k <= 3; ++k)
        QCOMPARE(f->recentCaption(k), QStringLiteral("-"));
    // The theme step after the failing one is skipped: designed colours stay.
    QCOMPARE(baseOf(f->Edit1), QColor(197, 255, 138));
    QCOMPARE(f->document().currentListFile, QStringLiteral("Nuova lista"));
    QVERIFY(!f->Edit2->isEnabled());
}

void TestStartup::configWithFiveLines()
{
    auto folder = std::make_shared<TestProgramFolder>();
    folder->writeConfig({"/a/Uno.qvl", "/a/Rock & Blues.qvl", "/a/Tre.qvl", "/a/Quattro.qvl", "/a/Cinque.qvl"});
    TestApp t(folder);
    Form1* f = t.w().form1;
    QVERIFY(t.prompts.calls().isEmpty());
    QCOMPARE(f->recentCaption(1), QStringLiteral("/a/Uno.qvl"));
    QCOMPARE(f->recentCaption(2), QStringLiteral("/a/Rock & Blues.qvl"));
    QCOMPARE(f->file21->text(), QStringLiteral("/a/Rock && Blues.qvl"));
    QCOMPARE(f->recentCaption(3), QStringLiteral("/a/Tre.qvl"));
    QCOMPARE(f->recentFiles().count(), 3);
}

void TestStartup::bannerUnreadable_data()
{
    QTest::addColumn<QString>("kind"); // see makeCraftedFile
    QTest::addColumn<QString>("message");
    const QString cannotOpen = QStringLiteral("Cannot open file %1.");
    QTest::newRow("missing") << "missing" << cannotOpen;
    QTest::newRow("named pipe") << "fifo" << cannotOpen;
    QTest::newRow("device") << "device" << cannotOpen;
    QTest::newRow("50 MiB") << "50 MiB"
                            << QStringLiteral("Il file %1 è troppo grande: Corvalto legge file di "
                                              "questo tipo fino a 4 MB. Il file non è stato "
                                              "aperto.");
    // The header alone would ask for 12.8 GB.
    QTest::newRow("huge dimensions")
        << "huge jpeg"
        << QStringLiteral("L'immagine %1 è troppo grande (65500 × 65500 pixel): Corvalto mostra "
                          "immagini fino a 8192 × 8192 pixel.");
}

void TestStartup::bannerUnreadable()
{
    QFETCH(QString, kind);
    QFETCH(QString, message);
    auto folder = std::make_shared<TestProgramFolder>(TestProgramFolder::Imm::Copied);
    const QString banner = folder->file(QStringLiteral("imm/virmoskc.jpg"));
    QVERIFY(makeCraftedFile(banner, kind));
    folder->writeConfig({"/a/Uno.qvl"});
    TestApp t(folder, seedFor(true, true));
    Form1* f = t.w().form1;
    const QStringList errors = t.prompts.texts(QStringLiteral("error"));
    QCOMPARE(errors, QStringList{message.arg(banner)});
    // Every step after the banner is skipped.
    QVERIFY(f->document().currentListFile.isEmpty());
    QVERIFY(f->Edit2->isEnabled());
    QCOMPARE(f->recentCaption(1), QStringLiteral("-"));
    QCOMPARE(baseOf(f->Edit1), QColor(197, 255, 138));
    QCOMPARE(f->windowTitle(), Caption + "Nuova lista");
}

QTEST_MAIN(TestStartup)
#include "test_startup.moc"
