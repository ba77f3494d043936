// The About window and the About command of the main window.
#include "app/about_window.h"
#include "chordlist/chord_list_model.h"
#include "core/author.h"
#include "support/window_driver.h"
#include "ui/widgets/credits_panel.h"

#include <QApplication>
#include <QMovie>

class TestAbout : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { initTestEnvironment(); }

    void commandClearsSelection_data();
    void commandClearsSelection();
    void twoCommandsGiveOneWindow();
    void creditsScrollAndWrap();
    void creditsClickOpensWebPage();
    void closeHides();
};

void TestAbout::commandClearsSelection_data()
{
    QTest::addColumn<bool>("fromMenu");
    QTest::newRow("Help menu") << true;
    QTest::newRow("tool button") << false;
}

void TestAbout::commandClearsSelection()
{
    QFETCH(bool, fromMenu);
    TestApp t;
    MainWindow* form = t.w().mainWindow;
    form->show();
    form->listDocument().entries().appendEntry(QStringLiteral("DO Maggiore"),
                                               QStringLiteral("do.gif"));
    form->listDocument().entries().appendEntry(QStringLiteral("LA Minore"),
                                               QStringLiteral("la_min.gif"));
    driver::clickRow(form, 1);
    QVERIFY(form->listDocument().entries().entrySelected());
    QVERIFY(controls(form).Edit2->isEnabled());
    const QString shownPosition = controls(form).Edit2->text();
    t.prompts.clear();

    if (fromMenu)
        controls(form).Info1->trigger();
    else
        QTest::mouseClick(controls(form).RxSpeedButton7, Qt::LeftButton);

    AboutWindow* about = t.w().aboutWindow;
    QVERIFY(about->isVisible());
    QVERIFY(about->windowFlags() & Qt::WindowStaysOnTopHint);
    QVERIFY(!form->listDocument().entries().entrySelected());
    QVERIFY(!controls(form).Edit2->isEnabled());
    QCOMPARE(controls(form).Edit2->text(), shownPosition);
    QVERIFY(t.prompts.calls().isEmpty());

    // The main window stays usable, and asks for a selection again.
    QVERIFY(form->isVisible());
    QVERIFY(!about->isModal());
    driver::clickButton(controls(form).Button2);
    QCOMPARE(t.prompts.texts(QStringLiteral("information")),
             QStringList{QStringLiteral("Selezionare prima un accordo da rimuovere!")});
    QCOMPARE(form->listDocument().entries().count(), 2);
}

void TestAbout::twoCommandsGiveOneWindow()
{
    TestApp t;
    MainWindow* form = t.w().mainWindow;
    form->show();
    AboutWindow* about = t.w().aboutWindow;

    controls(form).Info1->trigger();
    QMovie* first = control<PictureView>(about, "WebBrowser1")->movie();
    QVERIFY(first);
    QCOMPARE(first->frameCount(), 80);
    QCOMPARE(first->currentImage().size(), QSize(353, 265));
    QTRY_VERIFY(first->currentFrameNumber() > 0);
    const QPoint place = about->pos();

    controls(form).Info1->trigger();

    int shown = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        shown += w->objectName() == QStringLiteral("Form2") && w->isVisible();
    QCOMPARE(shown, 1);
    QCOMPARE(about->pos(), place);
    // The animation starts again from its first frame.
    QMovie* second = control<PictureView>(about, "WebBrowser1")->movie();
    QVERIFY(second);
    QVERIFY(second->currentFrameNumber() <= 1);
}

void TestAbout::creditsScrollAndWrap()
{
    TestApp t;
    CreditsPanel* credits = control<CreditsPanel>(t.w().aboutWindow, "SecretPanel1");
    QCOMPARE(credits->lines(),
             QStringList({QStringLiteral("Corvalto by Virmosk   --- Versione 3.0 ---"), QString(),
                          QStringLiteral("Sito internet : ") + author::webPage(), QString(),
                          QStringLiteral("E-mail : ") + author::email()}));
    // Scrolling runs from the window's creation, hidden or not.
    QVERIFY(credits->isActive());
    const int start = credits->position();
    QTRY_VERIFY_WITH_TIMEOUT(credits->position() != start, 2000);

    credits->setActive(false);
    const int cycle = credits->cycleLength();
    // The panel's height and the five lines of text.
    QVERIFY(cycle > credits->contentsRect().height() + 5 * credits->fontMetrics().height() - 1);
    while (credits->position() != 0)
        credits->advance();
    credits->advance();
    QCOMPARE(credits->position(), 1);
    for (int i = 1; i < cycle; ++i)
        credits->advance();
    QCOMPARE(credits->position(), 0);

    // The About command starts it again.
    controls(t.w().mainWindow).Info1->trigger();
    QVERIFY(credits->isActive());
}

void TestAbout::creditsClickOpensWebPage()
{
    TestApp t;
    controls(t.w().mainWindow).Info1->trigger();
    t.prompts.clear();
    CreditsPanel* credits = control<CreditsPanel>(t.w().aboutWindow, "SecretPanel1");

    QTest::mouseClick(credits, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseClick(credits, Qt::LeftButton, {},
                      QPoint(credits->width() - 5, credits->height() - 5));

    QCOMPARE(t.prompts.texts(QStringLiteral("url")),
             QStringList({author::webPage(), author::webPage()}));
    QCOMPARE(credits->cursor().shape(), Qt::PointingHandCursor);
}

void TestAbout::closeHides()
{
    TestApp t;
    MainWindow* form = t.w().mainWindow;
    form->show();
    controls(form).Info1->trigger();
    AboutWindow* about = t.w().aboutWindow;

    driver::click(about, "Button1");

    QVERIFY(!about->isVisible());
    QVERIFY(form->isVisible());
    controls(form).Info1->trigger();
    QVERIFY(about->isVisible());
}

QTEST_MAIN(TestAbout)
#include "test_about.moc"
