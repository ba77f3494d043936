#include "riff/riff_editor.h"
#include "riff/tablature.h"
#include "support/window_driver.h"

#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QRadioButton>

namespace {

const QString Dashes34 = QString(34, QLatin1Char('-'));
const QString Signature = QStringLiteral("by Virmosk");

QStringList untouchedItalian()
{
    return {" mi|" + Dashes34, " si|" + Dashes34, "sol|" + Dashes34,
            " re|" + Dashes34, " la|" + Dashes34, " MI|" + Dashes34};
}

QStringList untouchedAmerican()
{
    return {"e|" + Dashes34, "b|" + Dashes34, "g|" + Dashes34,
            "d|" + Dashes34, "a|" + Dashes34, "E|" + Dashes34};
}

// Types text that need not be Latin-1, one key event per character.
void typeText(QWidget* widget, const QString& text)
{
    for (QChar c : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

QByteArray fileBytes(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray("<missing: ") + path.toUtf8() + '>';
    return f.readAll();
}

QByteArray referenceBytes(const QString& name)
{
    return fileBytes(QStringLiteral(CORVALTO_TEST_DATA "/riff/") + name);
}

// The riff editor of a running program, shown, with the start-up messages
// (banner pictures and the like) forgotten.
struct Editor
{
    TestApp app;
    RiffEditor* form;

    Editor() : form(app.w().riffEditor)
    {
        app.prompts.clear();
        form->showWindow();
    }
    void click(const char* name) { driver::click(form, QLatin1String(name)); }
    // Row r, column c is Edit<8(r-1)+c>.
    QLineEdit* cell(int r, int c)
    {
        return control<QLineEdit>(form, "Edit" + QString::number(8 * r - 8 + c));
    }
    void setCell(int row, int column, const QString& text)
    {
        QLineEdit* cell = this->cell(row, column);
        cell->selectAll();
        QTest::keyClick(cell, Qt::Key_Delete);
        QTest::keyClicks(cell, text);
    }
    QString riffFile(const QString& name) const { return app.folder->file("riff/" + name); }
};

} // namespace

class TestRiff : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { initTestEnvironment(); }
    void tablatureLine_data();
    void tablatureLine();
    void schemeText_data();
    void schemeText();
    void emptiedCells();
    void gridEditing();
    void tabOrder_data();
    void tabOrder();
    void save_data();
    void save();
    void saveOverAppendedName();
    void refusedSave_data();
    void refusedSave();
    void missingRiffFolder();
};

void TestRiff::tablatureLine_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("cells");
    QTest::addColumn<QString>("line");
    const QStringList open(8, QStringLiteral("--"));
    QTest::newRow("all unplayed, Italian") << " mi" << open << " mi|" + Dashes34;
    QTest::newRow("all unplayed, American") << "e" << open << "e|" + Dashes34;
    QTest::newRow("third step") << " mi"
                                << QStringList{"--", "--", "03", "--", "--", "--", "--", "--"}
                                << " mi|----------03----------------------";
    QTest::newRow("two steps") << " si"
                               << QStringList{"10", "--", "12", "--", "--", "--", "--", "--"}
                               << " si|--10------12----------------------";
    QTest::newRow("one character, not padded")
        << "sol" << QStringList{"5", "--", "--", "--", "--", "--", "--", "--"}
        << "sol|--5" + QString(30, QLatin1Char('-'));
}

void TestRiff::tablatureLine()
{
    QFETCH(QString, name);
    QFETCH(QStringList, cells);
    QFETCH(QString, line);
    QCOMPARE(tablature::line(name, cells), line);
}

void TestRiff::schemeText_data()
{
    // Commands in order: a "Aggiungi", u "Cancella ultimo", t "Cancella tutto",
    // m selects the American notation.
    QTest::addColumn<QString>("commands");
    QTest::addColumn<QStringList>("lines");
    const QStringList it = untouchedItalian() + QStringList{QString()};
    const QStringList am = untouchedAmerican() + QStringList{QString()};
    const QStringList sig{Signature};
    QTest::newRow("one scheme") << "a" << it + sig;
    QTest::newRow("two schemes, one signature") << "aa" << it + it + sig;
    QTest::newRow("remove the last of two") << "aau" << it + sig;
    QTest::newRow("remove the last of one") << "au" << sig;
    QTest::newRow("remove on nothing") << "u" << sig;
    QTest::newRow("remove twice") << "auu" << sig;
    QTest::newRow("American keeps earlier lines") << "ama" << it + am + sig;
    QTest::newRow("clear all removes the signature") << "aat" << QStringList();
    QTest::newRow("clear all, then afresh") << "aata" << it + sig;
}

void TestRiff::schemeText()
{
    QFETCH(QString, commands);
    QFETCH(QStringList, lines);
    Editor e;
    QVERIFY(e.form->schemeText().isEmpty());
    for (QChar c : commands) {
        if (c == 'a')
            e.click("Button4");
        else if (c == 'u')
            e.click("Button13");
        else if (c == 't')
            e.click("Button11");
        else
            QTest::mouseClick(control<QRadioButton>(e.form, "ame"), Qt::LeftButton, {},
                              QPoint(6, control<QRadioButton>(e.form, "ame")->height() / 2));
    }
    QCOMPARE(e.form->schemeText(), lines);
    QCOMPARE(control<QPlainTextEdit>(e.form, "Memo1")->toPlainText(), lines.join('\n'));
}

void TestRiff::emptiedCells()
{
    Editor e;
    e.setCell(1, 3, "03");
    e.setCell(2, 5, "");
    e.setCell(4, 2, "");
    e.click("Button4");
    // Row 2 counts an empty cell as unplayed; row 4 keeps it empty.
    QCOMPARE(e.cell(2, 5)->text(), QStringLiteral("--"));
    QCOMPARE(e.cell(4, 2)->text(), QString());
    const QStringList lines = e.form->schemeText();
    QCOMPARE(lines.at(0), QStringLiteral(" mi|----------03----------------------"));
    QCOMPARE(lines.at(1), " si|" + Dashes34);
    QCOMPARE(lines.at(3), " re|" + QString(32, QLatin1Char('-')));
    // The grid is not cleared by adding it.
    QCOMPARE(e.cell(1, 3)->text(), QStringLiteral("03"));
}

void TestRiff::gridEditing()
{
    Editor e;
    QLineEdit* cell = e.cell(1, 1);
    // Two characters at most: typing into a full cell changes nothing.
    QTest::keyClicks(cell, "7");
    QCOMPARE(cell->text(), QStringLiteral("--"));
    // A double-click selects the whole content, and what is typed replaces it.
    QTest::mouseDClick(cell, Qt::LeftButton, {}, QPoint(4, cell->height() / 2));
    QCOMPARE(cell->selectedText(), QStringLiteral("--"));
    QTest::keyClicks(cell, "12");
    QCOMPARE(cell->text(), QStringLiteral("12"));

    // A character the riff file cannot hold is refused where it is typed.
    QLineEdit* other = e.cell(5, 4);
    other->clear();
    typeText(other, QStringLiteral("\u2192"));
    QCOMPARE(other->text(), QString());
    QTRY_COMPARE(e.app.prompts.texts("information").size(), 1);
    QVERIFY(e.app.prompts.texts("information").first().contains(QStringLiteral("U+2192")));
    typeText(other, QStringLiteral("\u00e8"));
    QCOMPARE(other->text(), QStringLiteral("\u00e8"));

    for (int r = 1; r <= 6; ++r)
        e.setCell(r, r, QString::number(r));
    e.click("Button7"); // row 3
    QCOMPARE(e.cell(3, 3)->text(), QStringLiteral("--"));
    QCOMPARE(e.cell(4, 4)->text(), QStringLiteral("4"));

    // Closing keeps the grid for the next opening.
    e.click("Button1");
    QVERIFY(!e.form->isVisible());
    e.app.w().mainWindow->showRiffEditor();
    QCOMPARE(e.cell(4, 4)->text(), QStringLiteral("4"));

    e.click("Button12");
    for (int i = 0; i < 48; ++i)
        QCOMPARE(e.cell(i / 8 + 1, i % 8 + 1)->text(), QStringLiteral("--"));
}

void TestRiff::tabOrder_data()
{
    QTest::addColumn<bool>("american");
    QTest::newRow("Italian selected") << false;
    QTest::newRow("American selected") << true;
}

void TestRiff::tabOrder()
{
    QFETCH(bool, american);
    Editor e;
    if (american)
        control<QRadioButton>(e.form, "ame")->setChecked(true);
    QWidget* notation = control<QWidget>(e.form, american ? "ame" : "ita");
    e.form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(e.form));
    e.cell(1, 1)->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), e.cell(1, 1));
    QList<QWidget*> visited;
    for (int i = 0; i < 50; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited.append(QApplication::focusWidget());
    }
    for (int n = 2; n <= 48; ++n)
        QCOMPARE(visited.at(n - 2), e.cell((n - 1) / 8 + 1, (n - 1) % 8 + 1));
    // Only the selected notation button is a tab stop; the command buttons are none.
    QCOMPARE(visited.at(47), notation);
    QCOMPARE(visited.at(48), control<QWidget>(e.form, "Memo1"));
    QCOMPARE(visited.at(49), e.cell(1, 1));
}

void TestRiff::save_data()
{
    QTest::addColumn<int>("schemes");
    QTest::addColumn<QString>("typed"); // empty: the dialog is cancelled
    QTest::addColumn<QString>("written");
    QTest::addColumn<QString>("reference");
    QTest::newRow("without extension") << 1 << "abc"
                                       << "abc.txt"
                                       << "abc.txt";
    QTest::newRow("with .txt") << 1 << "abc.txt"
                               << "abc.txt"
                               << "abc.txt-as-typed.txt";
    QTest::newRow("with .TXT") << 1 << "abc.TXT"
                               << "abc.TXT.txt"
                               << "abc.TXT.txt";
    QTest::newRow("empty scheme text") << 0 << "vuoto"
                                       << "vuoto.txt"
                                       << "vuoto.txt";
    QTest::newRow("cancelled") << 1 << ""
                               << ""
                               << "";
}

void TestRiff::save()
{
    QFETCH(int, schemes);
    QFETCH(QString, typed);
    QFETCH(QString, written);
    QFETCH(QString, reference);
    Editor e;
    e.setCell(1, 3, "03");
    for (int i = 0; i < schemes; ++i)
        e.click("Button4");
    controls(e.app.w().mainWindow).Edit1->setText(QStringLiteral("Canzone"));
    const QStringList before = e.form->schemeText();
    if (typed.isEmpty())
        e.app.prompts.cancelDialog();
    else
        e.app.prompts.chooseFile(e.riffFile(typed));
    e.click("Button2");

    QCOMPARE(e.app.prompts.calls().size(), 1);
    const Prompts::FileDialog dialog = e.app.prompts.calls().first().dialog;
    QCOMPARE(dialog.title, QStringLiteral("Salva riff..."));
    QCOMPARE(dialog.filter, QStringLiteral("File di Testo (*.txt)|*.txt"));
    QCOMPARE(dialog.startFolder, QStringLiteral("riff"));
    QCOMPARE(dialog.proposedName, QStringLiteral("Canzone - riff.txt"));
    QVERIFY(dialog.overwritePrompt);

    const QStringList files = QDir(e.app.folder->file("riff")).entryList(QDir::Files);
    if (typed.isEmpty()) {
        QVERIFY(files.isEmpty());
    } else {
        QCOMPARE(files, QStringList{written});
        QCOMPARE(fileBytes(e.riffFile(written)), referenceBytes(reference));
    }
    // The header lines go into the file only.
    QCOMPARE(e.form->schemeText(), before);
    QCOMPARE(control<QPlainTextEdit>(e.form, "Memo1")->toPlainText(), before.join('\n'));
}

void TestRiff::saveOverAppendedName()
{
    // The dialog confirmed "abc"; the file written is "abc.txt", which already
    // exists, so it is replaced only when the user agrees.
    Editor e;
    e.click("Button4");
    QFile old(e.riffFile("abc.txt"));
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("old\r\n");
    old.close();
    for (Prompts::Answer answer : {Prompts::Answer::No, Prompts::Answer::Yes}) {
        e.app.prompts.chooseFile(e.riffFile("abc"));
        e.app.prompts.answer(answer);
        e.click("Button2");
    }
    QCOMPARE(e.app.prompts.texts("question").size(), 2);
    QVERIFY(e.app.prompts.texts("question").first().contains(e.riffFile("abc.txt")));
    QCOMPARE(fileBytes(e.riffFile("abc.txt")), referenceBytes("abc-untouched.txt"));
}

void TestRiff::refusedSave_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("error");
    QTest::newRow("folder in the way") << "abc.txt"
                                       << "Cannot create file %1abc.txt.";
    QTest::newRow("name outside the code page")
        << QStringLiteral("riff \u2605.txt")
        << QStringLiteral("Il carattere \"\u2605\" (U+2605) non può essere salvato");
}

void TestRiff::refusedSave()
{
    QFETCH(QString, typed);
    QFETCH(QString, error);
    Editor e;
    e.click("Button4");
    const QStringList before = e.form->schemeText();
    QVERIFY(QDir().mkpath(e.riffFile("abc.txt")));
    e.app.prompts.chooseFile(e.riffFile(typed));
    e.click("Button2");
    const QList<ScriptedPrompts::Call> calls = e.app.prompts.calls();
    QCOMPARE(calls.size(), 2);
    QCOMPARE(calls.last().kind, QStringLiteral("error"));
    error.replace(QStringLiteral("%1"), e.riffFile(QString()));
    QVERIFY2(calls.last().text.startsWith(error), qPrintable(calls.last().text));
    QCOMPARE(calls.last().caption, e.app.ctx.applicationTitle);
    QVERIFY(QDir(e.app.folder->file("riff")).entryList(QDir::Files).isEmpty());
    QCOMPARE(e.form->schemeText(), before);
    QCOMPARE(control<QPlainTextEdit>(e.form, "Memo1")->toPlainText(), before.join('\n'));
}

void TestRiff::missingRiffFolder()
{
    Editor e;
    QVERIFY(QDir(e.app.folder->file("riff")).removeRecursively());

    // "Cartella riff" neither creates the folder nor reports anything.
    e.click("Button3");
    QVERIFY(e.app.prompts.calls().isEmpty());
    QVERIFY(!QFileInfo::exists(e.app.folder->file("riff")));

    // Saving still works; the file goes where the user chose, here the
    // working directory.
    e.click("Button4");
    e.app.prompts.chooseFile(e.app.folder->file("abc"));
    e.click("Button2");
    QCOMPARE(fileBytes(e.app.folder->file("abc.txt")), referenceBytes("abc-untouched.txt"));
    QVERIFY(!QFileInfo::exists(e.app.folder->file("riff")));

    // With the folder there, the command opens it.
    QVERIFY(QDir(e.app.folder->path()).mkdir("riff"));
    e.app.prompts.clear();
    e.click("Button3");
    QCOMPARE(e.app.prompts.texts("folder"), QStringList{QStringLiteral("riff")});
}

QTEST_MAIN(TestRiff)
#include "test_riff.moc"
