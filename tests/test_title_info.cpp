#include "chordlist/chord_list_model.h"
#include "documents/information_window.h"
#include "documents/title_dialog.h"
#include "htmlpage/page_preview_window.h"
#include "riff/riff_editor.h"
#include "support/window_driver.h"
#include "ui/widgets/code_page_text_edit.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QClipboard>
#include <QSignalSpy>
#include <QTextBlock>
#include <QTextLayout>

namespace {

const QString Caption = QStringLiteral("Corvalto 3.0 by Virmosk - ");

// Types text that need not be Latin-1, one key event per character.
void typeText(QWidget* widget, const QString& text)
{
    for (QChar c : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

// The lines as the text area itself has laid them out on screen.
QStringList shownLines(QPlainTextEdit* edit)
{
    QTextDocument* doc = edit->document();
    QStringList lines;
    for (QTextBlock block = doc->begin(); block.isValid(); block = block.next()) {
        doc->documentLayout()->blockBoundingRect(block);
        const QTextLayout* layout = block.layout();
        for (int i = 0; i < layout->lineCount(); ++i)
            lines.append(
                block.text().mid(layout->lineAt(i).textStart(), layout->lineAt(i).textLength()));
    }
    if (!lines.isEmpty() && lines.constLast().isEmpty())
        lines.removeLast();
    return lines;
}

// Counts the key presses that reach a widget.
class KeySpy : public QObject
{
public:
    int presses = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress)
            ++presses;
        return false;
    }
};

QString words(int count)
{
    const QStringList pool{"accordo",  "capo", "ritmo", "strofa", "ritornello",
                           "arpeggio", "in",   "la",    "tasto"};
    QStringList out;
    for (int i = 0; i < count; ++i)
        out.append(pool.at(i % pool.size()));
    return out.join(QLatin1Char(' '));
}

} // namespace

class TestTitleInfo : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { initTestEnvironment(); }
    void informationLines_data();
    void informationLines();
    void wrappingFollowsTheShownArea();
    void textChangeSetsModifiedOnly_data();
    void textChangeSetsModifiedOnly();
    void fileNameLine_data();
    void fileNameLine();
    void refusedCharacters();
    void lineBreaksPasted_data();
    void lineBreaksPasted();
    void titleConfirmed_data();
    void titleConfirmed();
};

void TestTitleInfo::informationLines_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("empty") << QString() << QStringList();
    QTest::newRow("final empty line not counted") << "uno\n" << QStringList{"uno"};
    QTest::newRow("only the last empty line dropped") << "uno\n\n" << QStringList{"uno", ""};
    QTest::newRow("inner empty line kept") << "uno\n\ndue" << QStringList{"uno", "", "due"};
    QTest::newRow("tab kept") << "\tcapo 2" << QStringList{"\tcapo 2"};
    QTest::newRow("one empty line") << "\n" << QStringList{""};
    QTest::newRow("two empty lines") << "\n\n" << QStringList{"", ""};
}

void TestTitleInfo::informationLines()
{
    QFETCH(QString, text);
    QFETCH(QStringList, lines);
    TestApp t;
    control<QPlainTextEdit>(t.w().informationWindow, "Memo1")->setPlainText(text);
    QCOMPARE(t.w().informationWindow->informationLines(), lines);
    // Lines read from a file come back as they were, a final empty one included.
    t.w().informationWindow->setInformationLines(lines);
    QCOMPARE(t.w().informationWindow->informationLines(), lines);
}

void TestTitleInfo::wrappingFollowsTheShownArea()
{
    TestApp t;
    InformationWindow* f = t.w().informationWindow;
    auto* memo = control<QPlainTextEdit>(f, "Memo1");
    const QString sentence = words(30);
    const QString unbroken(120, QLatin1Char('x'));
    f->setInformationLines({sentence, QString(), unbroken, QStringLiteral("fine")});

    // Read while the window has never been shown.
    QVERIFY(!f->testAttribute(Qt::WA_WState_ExplicitShowHide));
    const QStringList before = f->informationLines();

    // A line wider than the area counts once per displayed line; the text is
    // cut nowhere but at the line ends.
    const qsizetype blank = before.indexOf(QString());
    QVERIFY(blank > 1);
    QCOMPARE(before.mid(0, blank).join(QString()), sentence);
    QCOMPARE(before.last(), QStringLiteral("fine"));
    const QStringList pieces = before.mid(blank + 1, before.size() - blank - 2);
    QVERIFY(pieces.size() >= 2);
    QCOMPARE(pieces.join(QString()), unbroken);
    // In the fixed-width font every full line holds the same number of columns,
    // and words are broken only at spaces.
    const qsizetype columns = pieces.first().size();
    QVERIFY2(columns >= 40 && columns <= 55, qPrintable(QString::number(columns)));
    for (int i = 0; i + 1 < blank; ++i) {
        QVERIFY(before.at(i).endsWith(QLatin1Char(' ')));
        QVERIFY(before.at(i).trimmed().size() <= columns);
    }

    f->showWindow();
    QVERIFY(QTest::qWaitForWindowExposed(f));
    QCOMPARE(f->informationLines(), before);
    QCOMPARE(shownLines(memo), before);

    // Lines read back from a list file come out as they were saved.
    f->setInformationLines(before);
    QCOMPARE(f->informationLines(), before);

    // A paragraph with an unbroken run far longer than what is laid out at a
    // time, tabs and a run of blanks comes out as the area shows it.
    const QString paragraph = QString(300, QLatin1Char(' ')) + words(3000) + unbroken.repeated(60) +
                              words(900).replace(QLatin1Char(' '), QLatin1Char('\t')) + words(40);
    memo->setPlainText(paragraph);
    const QStringList lines = f->informationLines();
    QCOMPARE(lines, shownLines(memo));
    QCOMPARE(lines.join(QString()), paragraph);
}

void TestTitleInfo::textChangeSetsModifiedOnly_data()
{
    QTest::addColumn<QString>("change");
    QTest::newRow("typed") << "typed";
    QTest::newRow("Cancella") << "clear";
    QTest::newRow("lines set by a program step") << "set";
    QTest::newRow("emptied by a program step") << "empty";
}

void TestTitleInfo::textChangeSetsModifiedOnly()
{
    QFETCH(QString, change);
    TestApp t;
    MainWindow* main = t.w().mainWindow;
    InformationWindow* f = t.w().informationWindow;
    main->listDocument().entries().appendLine(QStringLiteral("LA Minore"));
    f->setInformationLines({"capo 2"});
    main->listDocument().setModified(false);
    const QString banner = controls(main).Image2->fileName();
    QCOMPARE(main->windowTitle(), Caption + "Nuova lista");
    t.prompts.clear();

    f->showWindow();
    if (change == "typed")
        QTest::keyClicks(control<QPlainTextEdit>(f, "Memo1"), "Arpeggio");
    else if (change == "clear")
        driver::click(f, "Button3");
    else if (change == "set")
        f->setInformationLines({"uno", "due"});
    else
        f->clearInformation();

    QVERIFY(main->listDocument().state().listModified);
    QCOMPARE(main->windowTitle(), Caption + "Nuova lista");
    QCOMPARE(controls(main).Image2->fileName(), banner);
    // The close query covers the change all the same.
    t.prompts.answer(Prompts::Answer::Cancel);
    QVERIFY(!main->close());
    QCOMPARE(t.prompts.texts("question"), QStringList{"Lista non salvata. Salvarla ora?"});
}

void TestTitleInfo::fileNameLine_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("hasFile");
    QTest::addColumn<bool>("fromFile");
    QTest::addColumn<QString>("line");
    QTest::newRow("saved in this run")
        << "/c/liste/Lista.qvl" << true << false << "/c/liste/Lista.qvl.list";
    QTest::newRow("opened from the file")
        << "/c/liste/Lista.qvl" << true << true << "/c/liste/Lista.qvl";
    QTest::newRow("new list after a saved one")
        << "Nuova lista" << false << false << "Nuova lista.list";
}

void TestTitleInfo::fileNameLine()
{
    QFETCH(QString, path);
    QFETCH(bool, hasFile);
    QFETCH(bool, fromFile);
    QFETCH(QString, line);
    TestApp t;
    MainWindow* main = t.w().mainWindow;
    InformationWindow* f = t.w().informationWindow;
    ChordListDocument& state = main->listDocument();
    QVERIFY(!control<QPushButton>(f, "Button4")->isEnabled());
    main->showAdditionalInformation();
    QVERIFY(!control<QPushButton>(f, "Button4")->isEnabled());
    // The main window's command enables the button once the list has a file;
    // nothing disables it again.
    state.setHasFile(true);
    main->showAdditionalInformation();
    QVERIFY(control<QPushButton>(f, "Button4")->isEnabled());

    state.setCurrentListFile(path);
    state.setHasFile(hasFile);
    state.setFromFile(fromFile);
    f->setInformationLines({"uno", "due", "tre"});
    state.setModified(false);
    main->showAdditionalInformation();
    driver::click(f, "Button4");
    QCOMPARE(f->informationLines(), QStringList{line});
    QVERIFY(state.state().listModified);

    // Both replacements are single steps that Ctrl+Z takes back.
    driver::click(f, "Button3");
    QVERIFY(f->informationLines().isEmpty());
    QTest::keyClick(control<QPlainTextEdit>(f, "Memo1"), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(f->informationLines(), QStringList{line});
    QTest::keyClick(control<QPlainTextEdit>(f, "Memo1"), Qt::Key_Z, Qt::ControlModifier);
    const QStringList typed{"uno", "due", "tre"};
    QCOMPARE(f->informationLines(), typed);

    // "Chiudi" hides the window; its text stays.
    driver::click(f, "Button1");
    QVERIFY(!f->isVisible());
    QCOMPARE(f->informationLines(), typed);
}

void TestTitleInfo::refusedCharacters()
{
    TestApp t;
    InformationWindow* f = t.w().informationWindow;
    auto* memo = control<QPlainTextEdit>(f, "Memo1");
    f->showWindow();
    t.prompts.clear();
    QTest::keyClicks(memo, "Do");
    typeText(memo, QStringLiteral("\u266f"));
    QCOMPARE(memo->toPlainText(), QStringLiteral("Do"));
    QTRY_COMPARE(t.prompts.texts("information").size(), 1);
    QVERIFY(t.prompts.texts("information").first().contains(QStringLiteral("\u266f")));
    QVERIFY(t.prompts.texts("information").first().contains(QStringLiteral("U+266F")));

    // A paste holding such a character inserts nothing; one without is taken
    // whole, its line ends as new lines.
    QApplication::clipboard()->setText(QStringLiteral("Re\u266f minore"));
    memo->paste();
    QCOMPARE(memo->toPlainText(), QStringLiteral("Do"));
    QTRY_COMPARE(t.prompts.texts("information").size(), 2);
    QApplication::clipboard()->setText(QStringLiteral(" \u20ac 5\r\nRe"));
    memo->paste();
    // Shift+Enter starts a new line like Enter: no line separator is stored.
    QTest::keyClick(memo, Qt::Key_Return, Qt::ShiftModifier);
    QTest::keyClicks(memo, "Mi");
    QCOMPARE(memo->toPlainText(), QStringLiteral("Do \u20ac 5\nRe\nMi"));

    TitleDialog* title = t.w().titleDialog;
    title->showWindow();
    QTest::keyClicks(control<QLineEdit>(title, "Edit1"), "Blues ");
    typeText(control<QLineEdit>(title, "Edit1"), QStringLiteral("\u2605"));
    typeText(control<QLineEdit>(title, "Edit1"), QStringLiteral("\u00e0"));
    QCOMPARE(control<QLineEdit>(title, "Edit1")->text(), QStringLiteral("Blues \u00e0"));
    QTRY_COMPARE(t.prompts.texts("information").size(), 3);
    QVERIFY(t.prompts.texts("information").last().contains(QStringLiteral("U+2605")));
}

// A one-line field keeps the first line of a pasted text and what stood after
// the cursor; the code-page refusal holds in each of them.
void TestTitleInfo::lineBreaksPasted_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("before");
    QTest::addColumn<int>("cursor");
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("after");
    QTest::addColumn<bool>("refused");
    QTest::newRow("title, LF") << "title"
                               << "" << 0 << "Riga uno\nRiga due"
                               << "Riga uno" << false;
    QTest::newRow("title, CR LF inside") << "title"
                                         << "Titolo lista" << 6 << " uno\r\ndue\r\n"
                                         << "Titolo uno lista" << false;
    QTest::newRow("title, lone CR") << "title"
                                    << "" << 0 << "a\rb\rc"
                                    << "a" << false;
    QTest::newRow("title, break first") << "title"
                                        << "x" << 1 << "\nRiga"
                                        << "x" << false;
    QTest::newRow("title, outside the code page")
        << "title"
        << "Titolo" << 6 << QStringLiteral(" \u03a9") << "Titolo" << true;
    QTest::newRow("dialog, LF") << "dialog"
                                << "" << 0 << "Riga uno\nRiga due"
                                << "Riga uno" << false;
    QTest::newRow("dialog, CR LF") << "dialog"
                                   << "Blues" << 5 << " lento\r\n"
                                   << "Blues lento" << false;
    QTest::newRow("riff cell, LF") << "riff"
                                   << "" << 0 << "7\n8"
                                   << "7" << false;
    QTest::newRow("riff cell, break first") << "riff"
                                            << "" << 0 << "\n12"
                                            << "" << false;
}

void TestTitleInfo::lineBreaksPasted()
{
    QFETCH(QString, field);
    QFETCH(QString, before);
    QFETCH(int, cursor);
    QFETCH(QString, pasted);
    QFETCH(QString, after);
    QFETCH(bool, refused);
    TestApp t;
    QLineEdit* edit = field == "title"    ? controls(t.w().mainWindow).Edit1
                      : field == "dialog" ? control<QLineEdit>(t.w().titleDialog, "Edit1")
                                          : control<QLineEdit>(t.w().riffEditor, "Edit1");
    edit->setText(before);
    edit->setCursorPosition(cursor);
    t.prompts.clear();
    QApplication::clipboard()->setText(pasted);
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(edit->text(), after);
    QCoreApplication::processEvents();
    QCOMPARE(t.prompts.texts("information").size(), refused ? 1 : 0);
}

void TestTitleInfo::titleConfirmed_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("key"); // 0: the OK button
    QTest::newRow("Enter") << "Canzone" << int(Qt::Key_Return);
    QTest::newRow("keypad Enter") << "Canzone" << int(Qt::Key_Enter);
    QTest::newRow("OK") << "Canzone" << 0;
    QTest::newRow("empty title") << "" << int(Qt::Key_Return);
}

void TestTitleInfo::titleConfirmed()
{
    QFETCH(QString, typed);
    QFETCH(int, key);
    TestApp t;
    MainWindow* main = t.w().mainWindow;
    TitleDialog* f = t.w().titleDialog;
    f->showWindow();
    QTest::keyClicks(control<QLineEdit>(f, "Edit1"), typed);
    KeySpy windowSpy;
    f->installEventFilter(&windowSpy);
    QSignalSpy fieldReturn(control<QLineEdit>(f, "Edit1"), &QLineEdit::returnPressed);
    if (key != 0) {
        QTest::keyClick(control<QLineEdit>(f, "Edit1"), Qt::Key(key));
        // The key reached neither the field nor the window.
        QCOMPARE(fieldReturn.count(), 0);
        QCOMPARE(windowSpy.presses, 0);
    } else {
        driver::click(f, "Button1");
    }
    QCOMPARE(controls(main).Edit1->text(), typed);
    QVERIFY(!f->isVisible());
    // The main window's title-change test has run.
    QCOMPARE(main->listDocument().state().listModified, !typed.isEmpty());

    // The field keeps what the user typed from one showing to the next.
    controls(main).Edit1->setText(QStringLiteral("Altro titolo"));
    f->showWindow();
    QCOMPARE(control<QLineEdit>(f, "Edit1")->text(), typed);
}

QTEST_MAIN(TestTitleInfo)
#include "test_title_info.moc"
