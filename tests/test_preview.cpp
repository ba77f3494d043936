// "Pagina Html" on the real main window, and the preview window it shows.
#include "chordlist/chord_list_model.h"
#include "core/text_file.h"
#include "documents/information_window.h"
#include "documents/title_dialog.h"
#include "htmlpage/page_builder.h"
#include "htmlpage/page_controller.h"
#include "htmlpage/page_preview_window.h"
#include "support/crafted_files.h"
#include "support/window_driver.h"
#include "ui/widgets/browser_view.h"

#include <QDir>
#include <QFile>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>

namespace {

const QString NotSavedMessage = QStringLiteral("Occorre salvare la lista almeno un volta per poter "
                                               "visualizzare la Pagina anteprima lista (Html).");
const QString TitleQuestion =
    QStringLiteral("Il titolo della lista non è stato modificato. Modificarlo ora?");

struct Entry
{
    QString text;
    QString picture;
};

// A list as the chooser and the list commands leave it: lines with their pictures.
void fillList(MainWindow* form, const QList<Entry>& entries)
{
    for (const Entry& e : entries) {
        const int slot = form->listDocument().entries().count();
        form->listDocument().entries().appendLine(e.text);
        form->listDocument().entries().setPicture(slot, e.picture);
    }
}

QList<Entry> twelveChords()
{
    return {{QStringLiteral("DO Maggiore"), QStringLiteral("do.gif")},
            {QStringLiteral("LA Minore"), QStringLiteral("la_min.gif")},
            {QStringLiteral("FA Maggiore"), QStringLiteral("fa.gif")},
            {QStringLiteral("SOL Maggiore"), QStringLiteral("sol.gif")},
            {QStringLiteral("-"), QString()},
            {QStringLiteral("MI Minore"), QStringLiteral("mi_min.gif")},
            {QStringLiteral("RE Minore 7"), QStringLiteral("re_min7.gif")},
            {QStringLiteral("SOL 7"), QStringLiteral("sol7.gif")},
            {QStringLiteral("DO Maggiore"), QStringLiteral("do.gif")},
            {QStringLiteral("-"), QString()},
            {QStringLiteral("LA Maggiore"), QStringLiteral("la.gif")},
            {QStringLiteral("RE Maggiore"), QStringLiteral("re.gif")},
            {QStringLiteral("MI Maggiore"), QStringLiteral("mi.gif")},
            {QStringLiteral("SI 7"), QStringLiteral("si7.gif")}};
}

// The main window shown with a titled list saved as liste/<name> in the test's
// program folder.
QString savedList(TestApp& t, const QString& name = QStringLiteral("Canzone.qvl"),
                  const QString& title = QStringLiteral("Canzone"))
{
    MainWindow* form = t.w().mainWindow;
    form->show();
    controls(form).Edit1->setText(title);
    fillList(form, {{QStringLiteral("DO Maggiore"), QStringLiteral("do.gif")},
                    {QStringLiteral("-"), QString()},
                    {QStringLiteral("LA Minore"), QStringLiteral("la_min.gif")}});
    const QString path = t.folder->file(QStringLiteral("liste/") + name);
    form->listDocument().setCurrentListFile(path);
    form->listDocument().setHasFile(true);
    form->listDocument().setModified(false);
    t.prompts.clear();
    return path;
}

QByteArray fileBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The names of the pictures the view has laid out, and whether each was loaded.
QMap<QString, bool> picturesShown(BrowserView* view)
{
    view->grab(); // lays the page out, which loads its pictures
    QMap<QString, bool> shown;
    for (QTextBlock b = view->document()->begin(); b.isValid(); b = b.next()) {
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat f = it.fragment().charFormat();
            if (!f.isImageFormat())
                continue;
            const QString name = f.toImageFormat().name();
            const QVariant data =
                view->document()->resource(QTextDocument::ImageResource, QUrl(name));
            shown.insert(QUrl(name).fileName(), !qvariant_cast<QImage>(data).isNull());
        }
    }
    return shown;
}

} // namespace

class TestPreview : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { initTestEnvironment(); }

    void preconditions_data();
    void preconditions();
    void defaultTitle_data();
    void defaultTitle();
    void writesPageBesideList();
    void escapeRunsCommand();
    void modifiedLabel_data();
    void modifiedLabel();
    void failedWrite();
    void closingBringsMainWindowBack_data();
    void closingBringsMainWindowBack();
    void refreshReadsFromDisk();
    void refreshAfterDeleteRegeneratesNothing();
    void buttonsOfPreview();
    void titleAndInformationRegenerate();
    void showsEveryPictureAndTextAsTyped();
    void linksOpenInDesktopBrowser();
    void craftedPictureNames_data();
    void craftedPictureNames();
};

void TestPreview::preconditions_data()
{
    QTest::addColumn<bool>("withEntries");
    QTest::addColumn<bool>("hasFile");
    QTest::addColumn<QString>("message");
    QTest::newRow("empty list with a file") << false << true << QStringLiteral("Lista Vuota.");
    QTest::newRow("empty list never saved") << false << false << QStringLiteral("Lista Vuota.");
    QTest::newRow("list never saved") << true << false << NotSavedMessage;
}

void TestPreview::preconditions()
{
    QFETCH(bool, withEntries);
    QFETCH(bool, hasFile);
    QFETCH(QString, message);

    TestApp t;
    MainWindow* form = t.w().mainWindow;
    form->show();
    controls(form).Edit1->setText(QStringLiteral("Canzone"));
    if (withEntries)
        fillList(form, {{QStringLiteral("DO Maggiore"), QStringLiteral("do.gif")}});
    const QString path = t.folder->file(QStringLiteral("liste/Canzone.qvl"));
    form->listDocument().setCurrentListFile(hasFile ? path : QStringLiteral("Nuova lista"));
    form->listDocument().setHasFile(hasFile);
    t.prompts.clear();
    // The user saves when asked: still no page in this run.
    t.prompts.chooseFile(path);

    QTest::mouseClick(controls(form).Button5, Qt::LeftButton);

    QCOMPARE(t.prompts.texts(QStringLiteral("information")), QStringList{message});
    QVERIFY(t.prompts.texts(QStringLiteral("question")).isEmpty());
    QVERIFY(!t.w().pagePreview->isVisible());
    QVERIFY(form->isVisible());
    QVERIFY(QDir(t.folder->file(QStringLiteral("liste")))
                .entryList({QStringLiteral("*.html")})
                .isEmpty());
    if (message == NotSavedMessage) {
        // The message, then Save list as: the list is saved, and still no page.
        QCOMPARE(t.prompts.calls().size(), 2);
        QCOMPARE(t.prompts.calls().at(1).kind, QStringLiteral("save"));
        QVERIFY(QFile::exists(path));
        QVERIFY(form->listDocument().state().listHasFile);
        QVERIFY(!QFile::exists(path + QStringLiteral(".html")));
    } else {
        QCOMPARE(t.prompts.calls().size(), 1);
    }
}

void TestPreview::defaultTitle_data()
{
    QTest::addColumn<bool>("answerYes");
    QTest::newRow("Yes: only the title dialog") << true;
    QTest::newRow("No: the page with that title") << false;
}

void TestPreview::defaultTitle()
{
    QFETCH(bool, answerYes);
    TestApp t;
    MainWindow* form = t.w().mainWindow;
    const QString list =
        savedList(t, QStringLiteral("Canzone.qvl"), QStringLiteral("Titolo lista"));
    t.prompts.answer(answerYes ? Prompts::Answer::Yes : Prompts::Answer::No);

    QTest::mouseClick(controls(form).Button5, Qt::LeftButton);

    QCOMPARE(t.prompts.texts(QStringLiteral("question")), QStringList{TitleQuestion});
    QCOMPARE(t.prompts.calls().constFirst().withCancel, false);
    const QString page = list + QStringLiteral(".html");
    if (answerYes) {
        QVERIFY(t.w().titleDialog->isVisible());
        QVERIFY(!t.w().pagePreview->isVisible());
        QVERIFY(form->isVisible());
        QVERIFY(!QFile::exists(page));
    } else {
        QVERIFY(!t.w().titleDialog->isVisible());
        QVERIFY(t.w().pagePreview->isVisible());
        QVERIFY(!form->isVisible());
        QVERIFY(fileBytes(page).contains("color=\"#333399\">Titolo lista</font>"));
    }
}

void TestPreview::writesPageBesideList()
{
    TestApp t;
    MainWindow* form = t.w().mainWindow;
    const QString list = savedList(t, QStringLiteral("Lista.qvl"));
    t.w().informationWindow->setInformationLines({QStringLiteral("Capo al II tasto")});
    const QStringList information = t.w().informationWindow->informationLines();

    QTest::mouseClick(controls(form).Button5, Qt::LeftButton);

    QVERIFY(t.prompts.calls().isEmpty());
    const QString page = list + QStringLiteral(".html");
    QCOMPARE(form->page().pageFolder(), t.folder->file(QStringLiteral("liste/")));
    const QStringList expected = htmlpage::buildPage(
        {QStringLiteral("Canzone"),
         {QStringLiteral("DO Maggiore"), QStringLiteral("-"), QStringLiteral("LA Minore")},
         {QStringLiteral("do.gif"), QString(), QStringLiteral("la_min.gif")},
         information,
         list,
         t.folder->path()});
    QCOMPARE(fileBytes(page), textfile::encodeLines(expected));
    QCOMPARE(t.w().pagePreview->pageLines(), expected);
    QCOMPARE(control<BrowserView>(t.w().pagePreview, "WebBrowser1")->path(), page);
    QVERIFY(t.w().pagePreview->isVisible());
    QVERIFY(!form->isVisible());

    // Generating again replaces the page with the list in memory.
    t.w().pagePreview->close();
    controls(form).Edit1->setText(QStringLiteral("Canzone nuova"));
    QTest::mouseClick(controls(form).Button5, Qt::LeftButton);
    QVERIFY(fileBytes(page).contains(">Canzone nuova</font>"));
    QCOMPARE(QDir(t.folder->file(QStringLiteral("liste"))).entryList({QStringLiteral("*.html")}),
             QStringList{QStringLiteral("Lista.qvl.html")});
}

void TestPreview::escapeRunsCommand()
{
    TestApp t;
    MainWindow* form = t.w().mainWindow;
    const QString list = savedList(t);
    form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form));

    // Esc reaches the main window's cancel button from any of its controls.
    QTest::keyClick(controls(form).Edit1, Qt::Key_Escape);

    QVERIFY(QFile::exists(list + QStringLiteral(".html")));
    QVERIFY(t.w().pagePreview->isVisible());
    QVERIFY(!form->isVisible());
}

void TestPreview::modifiedLabel_data()
{
    QTest::addColumn<bool>("modified");
    QTest::newRow("unsaved changes") << true;
    QTest::newRow("as saved") << false;
}

void TestPreview::modifiedLabel()
{
    QFETCH(bool, modified);
    TestApp t;
    MainWindow* form = t.w().mainWindow;
    savedList(t);
    form->listDocument().setModified(modified);

    QTest::mouseClick(controls(form).Button5, Qt::LeftButton);

    PagePreviewWindow* preview = t.w().pagePreview;
    QCOMPARE(control<QLabel>(preview, "modificata")->isVisible(), modified);
    QCOMPARE(control<QLabel>(preview, "modificata")->text(), QStringLiteral("*Lista modificata"));
    // The label keeps the state of the last generation.
    form->listDocument().setModified(!modified);
    QCOMPARE(control<QLabel>(preview, "modificata")->isVisible(), modified);
}

void TestPreview::failedWrite()
{
    TestApp t;
    MainWindow* form = t.w().mainWindow;
    const QString list = savedList(t);
    const QString page = list + QStringLiteral(".html");
    // A folder where the page should go: the page cannot be written.
    QVERIFY(QDir().mkpath(page));

    QTest::mouseClick(controls(form).Button5, Qt::LeftButton);

    QCOMPARE(t.prompts.texts(QStringLiteral("error")),
             QStringList{QStringLiteral("Cannot create file %1.").arg(page)});
    QCOMPARE(t.prompts.calls().constLast().caption, t.ctx.applicationTitle);
    QVERIFY(t.w().pagePreview->isVisible());
    QVERIFY(!form->isVisible());
    QVERIFY(QFileInfo(page).isDir());
}

void TestPreview::closingBringsMainWindowBack_data()
{
    QTest::addColumn<bool>("byButton");
    QTest::newRow("Chiudi") << true;
    QTest::newRow("the window's close") << false;
}

void TestPreview::closingBringsMainWindowBack()
{
    QFETCH(bool, byButton);
    TestApp t;
    MainWindow* form = t.w().mainWindow;
    savedList(t);
    QTest::mouseClick(controls(form).Button5, Qt::LeftButton);
    PagePreviewWindow* preview = t.w().pagePreview;
    QVERIFY(preview->isVisible());

    if (byButton)
        driver::click(preview, "Button2");
    else
        preview->close();

    QVERIFY(!preview->isVisible());
    QVERIFY(form->isVisible());
}

void TestPreview::refreshReadsFromDisk()
{
    TestApp t;
    MainWindow* form = t.w().mainWindow;
    const QString page = savedList(t) + QStringLiteral(".html");
    QTest::mouseClick(controls(form).Button5, Qt::LeftButton);
    PagePreviewWindow* preview = t.w().pagePreview;
    BrowserView* view = control<BrowserView>(preview, "WebBrowser1");
    QVERIFY(view->toPlainText().contains(QStringLiteral("DO Maggiore")));

    textfile::writeLines(page, {QStringLiteral("<html><body>Pagina cambiata</body></html>")});
    controls(form).Edit1->setText(QStringLiteral("Titolo nuovo"));
    driver::click(preview, "Button6");

    QCOMPARE(view->toPlainText().trimmed(), QStringLiteral("Pagina cambiata"));
    QCOMPARE(fileBytes(page), QByteArray("<html><body>Pagina cambiata</body></html>\r\n"));
}

void TestPreview::refreshAfterDeleteRegeneratesNothing()
{
    TestApp t;
    MainWindow* form = t.w().mainWindow;
    const QString page = savedList(t) + QStringLiteral(".html");
    QTest::mouseClick(controls(form).Button5, Qt::LeftButton);
    PagePreviewWindow* preview = t.w().pagePreview;
    BrowserView* view = control<BrowserView>(preview, "WebBrowser1");
    QVERIFY(!view->showsError());
    QVERIFY(QFile::remove(page));

    driver::click(preview, "Button6");

    QVERIFY(!QFile::exists(page));
    QVERIFY(view->showsError());
    QVERIFY(view->toPlainText().contains(page));
    QVERIFY(t.prompts.calls().isEmpty());
    QVERIFY(preview->isVisible());

    // The page back on disk: the next "Aggiorna" shows it again.
    textfile::writeLines(page, {QStringLiteral("<html><body>Di nuovo qui</body></html>")});
    driver::click(preview, "Button6");
    QVERIFY(!view->showsError());
    QCOMPARE(view->toPlainText().trimmed(), QStringLiteral("Di nuovo qui"));
}

void TestPreview::buttonsOfPreview()
{
    TestApp t;
    MainWindow* form = t.w().mainWindow;
    const QString list = savedList(t);
    QTest::mouseClick(controls(form).Button5, Qt::LeftButton);
    PagePreviewWindow* preview = t.w().pagePreview;

    driver::click(preview, "Button1");
    driver::click(preview, "Button5");
    QCOMPARE(t.prompts.texts(QStringLiteral("document")),
             QStringList{list + QStringLiteral(".html")});
    QCOMPARE(t.prompts.texts(QStringLiteral("folder")), QStringList{QStringLiteral("riff")});

    driver::click(preview, "Button4");
    QVERIFY(t.w().titleDialog->isVisible());
    driver::click(preview, "Button3");
    QVERIFY(t.w().informationWindow->isVisible());
    // Neither takes the preview's place.
    QVERIFY(preview->isVisible());
    QVERIFY(!form->isVisible());
}

void TestPreview::titleAndInformationRegenerate()
{
    TestApp t;
    MainWindow* form = t.w().mainWindow;
    const QString page = savedList(t) + QStringLiteral(".html");
    QTest::mouseClick(controls(form).Button5, Qt::LeftButton);
    PagePreviewWindow* preview = t.w().pagePreview;
    BrowserView* view = control<BrowserView>(preview, "WebBrowser1");

    // "Modifica titolo", a title typed and confirmed: the new heading in file and view.
    driver::click(preview, "Button4");
    TitleDialog* titleDialog = t.w().titleDialog;
    QVERIFY(titleDialog->isVisible());
    control<QLineEdit>(titleDialog, "Edit1")->setText(QStringLiteral("Ballata <in DO>"));
    driver::click(titleDialog, "Button1");
    QVERIFY(!titleDialog->isVisible());
    QCOMPARE(controls(form).Edit1->text(), QStringLiteral("Ballata <in DO>"));
    QVERIFY(fileBytes(page).contains(">Ballata &lt;in DO&gt;</font>"));
    QVERIFY(view->toPlainText().startsWith(QStringLiteral("Ballata <in DO>")));

    // The information window's "Chiudi" with the preview shown: the new lines on the page.
    driver::click(preview, "Button3");
    InformationWindow* information = t.w().informationWindow;
    QVERIFY(information->isVisible());
    information->setInformationLines({QStringLiteral("Capo al II tasto & arpeggio")});
    driver::click(information, "Button1");
    QVERIFY(!information->isVisible());
    QVERIFY(fileBytes(page).contains(
        "\r\nCapo al II tasto &amp; arpeggio\r\n</div>\r\n</div>\r\n<hr>\r\n"));
    QVERIFY(view->toPlainText().contains(QStringLiteral("Capo al II tasto & arpeggio")));
    QVERIFY(preview->isVisible());
    QVERIFY(!form->isVisible());
    QVERIFY(t.prompts.texts(QStringLiteral("error")).isEmpty());
}

void TestPreview::showsEveryPictureAndTextAsTyped()
{
    TestApp t;
    if (!QFile::exists(t.folder->file(QStringLiteral("imm/do.gif"))))
        QSKIP("the chord pictures are not built");
    MainWindow* form = t.w().mainWindow;
    form->show();
    controls(form).Edit1->setText(QStringLiteral("Accordi <facili> & \"belli\""));
    fillList(form, twelveChords());
    form->listDocument().setCurrentListFile(t.folder->file(QStringLiteral("liste/Dodici.qvl")));
    form->listDocument().setHasFile(true);
    t.prompts.clear();

    QTest::mouseClick(controls(form).Button5, Qt::LeftButton);

    BrowserView* view = control<BrowserView>(t.w().pagePreview, "WebBrowser1");
    const QMap<QString, bool> shown = picturesShown(view);
    QCOMPARE(shown.size(), 11); // distinct pictures of the twelve chords
    for (auto it = shown.cbegin(); it != shown.cend(); ++it)
        QVERIFY2(it.value(), qPrintable(it.key()));
    QVERIFY(view->toPlainText().contains(QStringLiteral("Accordi <facili> & \"belli\"")));
    QVERIFY(view->toPlainText().contains(
        QStringLiteral("- DO Maggiore - LA Minore - FA Maggiore - SOL Maggiore -")));
}

void TestPreview::linksOpenInDesktopBrowser()
{
    TestApp t;
    MainWindow* form = t.w().mainWindow;
    savedList(t);
    QTest::mouseClick(controls(form).Button5, Qt::LeftButton);
    BrowserView* view = control<BrowserView>(t.w().pagePreview, "WebBrowser1");
    const QString page = view->path();

    emit view->anchorClicked(QUrl(QStringLiteral("https://virmosk.example.org/corvalto")));

    QCOMPARE(t.prompts.texts(QStringLiteral("url")),
             QStringList{QStringLiteral("https://virmosk.example.org/corvalto")});
    QCOMPARE(view->path(), page);
    QVERIFY(view->toPlainText().contains(QStringLiteral("DO Maggiore")));
}

void TestPreview::craftedPictureNames_data()
{
    QTest::addColumn<QString>("picture"); // the picture line of the list's second entry
    // What lies at imm/<picture>: a kind of makeCraftedFile, or "" for what is there.
    QTest::addColumn<QString>("kind");
    // Reported when the entry is selected, %1 the picture's path; "" for nothing.
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("linked"); // whether the page links the picture
    const QString cannotOpen = QStringLiteral("Cannot open file %1.");
    QTest::newRow("bare name") << "la_min.gif"
                               << ""
                               << "" << true;
    QTest::newRow("up to /dev/zero") << "../../../../../../../../../dev/zero"
                                     << "" << cannotOpen << false;
    QTest::newRow("up to /etc/hostname") << "../../../../../../../../../etc/hostname"
                                         << "" << cannotOpen << false;
    QTest::newRow("absolute path") << "/etc/hostname"
                                   << "" << cannotOpen << false;
    QTest::newRow("backslash") << "..\\la_min.gif"
                               << "" << cannotOpen << false;
    QTest::newRow("control character") << "la_min.gif\x01"
                                       << "" << cannotOpen << false;
    // Bare names of files that are no pictures to read.
    QTest::newRow("folder") << "cartella"
                            << "folder" << cannotOpen << true;
    QTest::newRow("named pipe") << "tubo.gif"
                                << "fifo" << cannotOpen << true;
    QTest::newRow("device") << "zero.gif"
                            << "device" << cannotOpen << true;
    QTest::newRow("50 MiB") << "grande.gif"
                            << "50 MiB"
                            << QStringLiteral("Il file %1 è troppo grande: Corvalto legge file di "
                                              "questo tipo fino a 4 MB. Il file non è stato "
                                              "aperto.")
                            << true;
    QTest::newRow("huge dimensions")
        << "enorme.gif"
        << "huge gif"
        << QStringLiteral("L'immagine %1 è troppo grande (65500 × 65500 pixel): Corvalto mostra "
                          "immagini fino a 8192 × 8192 pixel.")
        << true;
}

// A list file from elsewhere, opened, each entry selected, its page made and the
// list saved again: nothing blocks or runs memory away, a name that is more than
// a bare file name is never opened nor linked, and every name is written back.
void TestPreview::craftedPictureNames()
{
    QFETCH(QString, picture);
    QFETCH(QString, kind);
    QFETCH(QString, message);
    QFETCH(bool, linked);
    const auto t = driver::startShown(driver::Pictures::Own);
    MainWindow* form = t->w().mainWindow;
    const QString picturePath = t->folder->file(QStringLiteral("imm/") + picture);
    if (!kind.isEmpty())
        QVERIFY(makeCraftedFile(picturePath, kind));
    const QString list = t->folder->file(QStringLiteral("liste/Prova.qvl"));
    const QByteArray bytes = textfile::encodeLines(
        {QStringLiteral("Prova"), QStringLiteral("3"), QStringLiteral("DO Maggiore"),
         QStringLiteral("LA Minore"), QStringLiteral("-"), QStringLiteral("do.gif"), picture,
         QString(), QStringLiteral("Nota")});
    QFile out(list);
    QVERIFY(out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size());
    out.close();
    t->prompts.chooseFile(list);
    controls(form).Aprilista1->trigger();
    QCOMPARE(t->prompts.texts(QStringLiteral("error")), QStringList());

    for (int row = 0; row < 3; ++row)
        driver::clickRow(form, row);
    const QStringList expected =
        message.isEmpty() ? QStringList() : QStringList{message.arg(picturePath)};
    QCOMPARE(t->prompts.texts(QStringLiteral("error")), expected);
    QCOMPARE(controls(form).Panel1->text(), QStringLiteral("Spazio Vuoto"));

    t->prompts.clear();
    QTest::mouseClick(controls(form).Button5, Qt::LeftButton);
    QCOMPARE(t->prompts.texts(QStringLiteral("error")), QStringList());
    const QByteArray page = fileBytes(list + QStringLiteral(".html"));
    QCOMPARE(page.count("<img "), linked ? 2 : 1);
    BrowserView* view = control<BrowserView>(t->w().pagePreview, "WebBrowser1");
    QVERIFY(!view->showsError());
    QVERIFY(view->toPlainText().contains(QStringLiteral("- DO Maggiore - LA Minore -")));
    const QMap<QString, bool> shown = picturesShown(view);
    QVERIFY(shown.value(QStringLiteral("do.gif")));
    QCOMPARE(shown.value(picture), message.isEmpty());

    controls(form).Salva1->trigger();
    QCOMPARE(t->prompts.texts(QStringLiteral("error")), QStringList());
    QCOMPARE(fileBytes(list), bytes);
}

QTEST_MAIN(TestPreview)
#include "test_preview.moc"
