#include "app/form1.h"
#include "riff/form8.h"
#include "riff/riff_file.h"
#include "riff/tablature.h"
#include "support/test_app.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

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
    Form8* form;

    Editor() : form(app.w().form8)
    {
        app.prompts.clear();
        form->showWindow();
    }
    void click(QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
    void setCell(int row, int column, const QString& text)
    {
        QLineEdit* cell = form->cell(row, column);
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
    void targetPath_data();
    void targetPath();
    void firstAndSecondScheme();
    void removeLastScheme_data();
    void removeLastScheme();
    void emptiedCells();
    void americanNotation();
    void clearing();
    void cellInput();
    void tabOrder_data();
    void tabOrder();
    void save_data();
    void save();
    void saveDialogAndCancel();
    void saveEmptySchemeText();
    void saveOverAppendedName();
    void failedWrite();
    void unencodableFileName();
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
    QTest::newRow("empty cell adds nothing")
        << " re" << QStringList{"--", "", "--", "--", "--", "--", "--", "--"}
        << " re|" + QString(32, QLatin1Char('-'));
}

void TestRiff::tablatureLine()
{
    QFETCH(QString, name);
    QFETCH(QStringList, cells);
    QFETCH(QString, line);
    QCOMPARE(tablature::line(name, cells), line);
}

void TestRiff::targetPath_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("header");
    QTest::newRow("no extension") << "/r/abc"
                                  << "/r/abc.txt"
                                  << "abc";
    QTest::newRow("txt") << "/r/abc.txt"
                         << "/r/abc.txt"
                         << "abc.txt";
    QTest::newRow("upper case TXT") << "/r/abc.TXT"
                                    << "/r/abc.TXT.txt"
                                    << "abc.TXT";
    QTest::newRow("other extension") << "/r/abc.tab"
                                     << "/r/abc.tab.txt"
                                     << "abc.tab";
    QTest::newRow("dot only in the folder") << "/r.txt/abc"
                                            << "/r.txt/abc.txt"
                                            << "abc";
    QTest::newRow("txt not at the end") << "/r/abc.txt.bak"
                                        << "/r/abc.txt.bak.txt"
                                        << "abc.txt.bak";
}

void TestRiff::targetPath()
{
    QFETCH(QString, chosen);
    QFETCH(QString, target);
    QFETCH(QString, header);
    QCOMPARE(rifffile::targetPath(chosen), target);
    QCOMPARE(rifffile::headerName(chosen), header);
}

void TestRiff::firstAndSecondScheme()
{
    Editor e;
    QVERIFY(e.form->schemeText().isEmpty());
    QVERIFY(e.form->Memo1->toPlainText().isEmpty());
    for (QLineEdit* cell : e.form->cells)
        QCOMPARE(cell->text(), QStringLiteral("--"));

    e.click(e.form->Button4);
    const QStringList first = untouchedItalian() + QStringList{QString(), Signature};
    QCOMPARE(e.form->schemeText(), first);
    QCOMPARE(e.form->Memo1->toPlainText(), first.join('\n'));
    QCOMPARE(e.form->schemeText().first().size(), 38);

    e.setCell(1, 3, "03");
    e.click(e.form->Button4);
    QStringList second = untouchedItalian();
    second[0] = " mi|----------03----------------------";
    const QStringList both =
        untouchedItalian() + QStringList{QString()} + second + QStringList{QString(), Signature};
    QCOMPARE(e.form->schemeText().size(), 15);
    QCOMPARE(e.form->schemeText(), both);
    QCOMPARE(e.form->schemeText().count(Signature), 1);
    // The grid is not cleared: the same grid can be added again.
    QCOMPARE(e.form->cell(1, 3)->text(), QStringLiteral("03"));
}

void TestRiff::removeLastScheme_data()
{
    QTest::addColumn<int>("schemes");
    QTest::addColumn<int>("removals");
    QTest::addColumn<QStringList>("expected");
    const QStringList one = untouchedItalian() + QStringList{QString(), Signature};
    QTest::newRow("two schemes") << 2 << 1 << one;
    QTest::newRow("one scheme") << 1 << 1 << QStringList{Signature};
    QTest::newRow("one scheme, pressed twice") << 1 << 2 << QStringList{Signature};
    QTest::newRow("no scheme") << 0 << 1 << QStringList{Signature};
}

void TestRiff::removeLastScheme()
{
    QFETCH(int, schemes);
    QFETCH(int, removals);
    QFETCH(QStringList, expected);
    Editor e;
    for (int i = 0; i < schemes; ++i)
        e.click(e.form->Button4);
    for (int i = 0; i < removals; ++i)
        e.click(e.form->Button13);
    QCOMPARE(e.form->schemeText(), expected);
    QCOMPARE(e.form->Memo1->toPlainText(), expected.join('\n'));
}

void TestRiff::emptiedCells()
{
    Editor e;
    e.setCell(2, 5, "");
    e.setCell(4, 2, "");
    QVERIFY(e.form->cell(2, 5)->text().isEmpty());
    e.click(e.form->Button4);
    // Row 2 counts an empty cell as unplayed; row 4 keeps it empty.
    QCOMPARE(e.form->cell(2, 5)->text(), QStringLiteral("--"));
    QCOMPARE(e.form->cell(4, 2)->text(), QString());
    QCOMPARE(e.form->schemeText().at(1), " si|" + Dashes34);
    QCOMPARE(e.form->schemeText().at(3), " re|" + QString(32, QLatin1Char('-')));
    QCOMPARE(e.form->schemeText().at(3).size(), 36);
}

void TestRiff::americanNotation()
{
    Editor e;
    e.click(e.form->Button4);
    QTest::mouseClick(e.form->ame, Qt::LeftButton, {}, QPoint(6, e.form->ame->height() / 2));
    QVERIFY(e.form->ame->isChecked());
    QVERIFY(!e.form->ita->isChecked());
    e.click(e.form->Button4);
    const QStringList expected = untouchedItalian() + QStringList{QString()} + untouchedAmerican() +
                                 QStringList{QString(), Signature};
    QCOMPARE(e.form->schemeText(), expected);
    QCOMPARE(e.form->schemeText().at(7).size(), 36);
}

void TestRiff::clearing()
{
    Editor e;
    for (int r = 1; r <= 6; ++r)
        e.setCell(r, r, QString::number(r));
    e.click(e.form->rowClearButtons.at(2)); // row 3
    QCOMPARE(e.form->cell(3, 3)->text(), QStringLiteral("--"));
    QCOMPARE(e.form->cell(4, 4)->text(), QStringLiteral("4"));
    e.click(e.form->Button4);

    e.click(e.form->Button12);
    for (QLineEdit* cell : e.form->cells)
        QCOMPARE(cell->text(), QStringLiteral("--"));
    QCOMPARE(e.form->schemeText().size(), 8);

    e.setCell(6, 8, "7");
    e.click(e.form->Button11);
    QCOMPARE(e.form->cell(6, 8)->text(), QStringLiteral("--"));
    QVERIFY(e.form->schemeText().isEmpty());
    QVERIFY(e.form->Memo1->toPlainText().isEmpty());
    e.click(e.form->Button4);
    QCOMPARE(e.form->schemeText(), untouchedItalian() + QStringList({QString(), Signature}));

    // Closing keeps grid and text for the next opening.
    e.setCell(2, 2, "9");
    e.click(e.form->Button1);
    QVERIFY(!e.form->isVisible());
    e.app.w().form1->showRiffEditor();
    QVERIFY(e.form->isVisible());
    QCOMPARE(e.form->cell(2, 2)->text(), QStringLiteral("9"));
    QCOMPARE(e.form->schemeText().size(), 8);

    // The main window's new-list command clears the editor the same way.
    e.form->clearAll();
    QCOMPARE(e.form->cell(2, 2)->text(), QStringLiteral("--"));
    QVERIFY(e.form->schemeText().isEmpty());
}

void TestRiff::cellInput()
{
    Editor e;
    QLineEdit* cell = e.form->cell(1, 1);
    // Two characters at most: typing into a full cell changes nothing.
    QTest::keyClicks(cell, "7");
    QCOMPARE(cell->text(), QStringLiteral("--"));
    // A double-click selects the whole content, and what is typed replaces it.
    QTest::mouseDClick(cell, Qt::LeftButton, {}, QPoint(4, cell->height() / 2));
    QCOMPARE(cell->selectedText(), QStringLiteral("--"));
    QTest::keyClicks(cell, "12");
    QCOMPARE(cell->text(), QStringLiteral("12"));

    // A character the riff file cannot hold is refused where it is typed.
    QLineEdit* other = e.form->cell(5, 4);
    other->clear();
    typeText(other, QStringLiteral("\u2192"));
    QCOMPARE(other->text(), QString());
    QTRY_COMPARE(e.app.prompts.texts("information").size(), 1);
    QVERIFY(e.app.prompts.texts("information").first().contains(QStringLiteral("\u2192")));
    QVERIFY(e.app.prompts.texts("information").first().contains(QStringLiteral("U+2192")));
    typeText(other, QStringLiteral("\u00e8"));
    QCOMPARE(other->text(), QStringLiteral("\u00e8"));
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
        e.form->ame->setChecked(true);
    QWidget* notation = american ? static_cast<QWidget*>(e.form->ame) : e.form->ita;
    e.form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(e.form));
    e.form->cell(1, 1)->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), e.form->cell(1, 1));
    QList<QWidget*> visited;
    for (int i = 0; i < 50; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited.append(QApplication::focusWidget());
    }
    for (int n = 2; n <= 48; ++n)
        QCOMPARE(visited.at(n - 2), e.form->cells.at(n - 1));
    // Only the selected notation button is a tab stop; the command buttons are none.
    QCOMPARE(visited.at(47), notation);
    QCOMPARE(visited.at(48), static_cast<QWidget*>(e.form->Memo1));
    QCOMPARE(visited.at(49), e.form->cell(1, 1));
}

void TestRiff::save_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("written");
    QTest::addColumn<QString>("reference");
    QTest::newRow("without extension") << "abc"
                                       << "abc.txt"
                                       << "abc.txt";
    QTest::newRow("with .txt") << "abc.txt"
                               << "abc.txt"
                               << "abc.txt-as-typed.txt";
    QTest::newRow("with .TXT") << "abc.TXT"
                               << "abc.TXT.txt"
                               << "abc.TXT.txt";
}

void TestRiff::save()
{
    QFETCH(QString, typed);
    QFETCH(QString, written);
    QFETCH(QString, reference);
    Editor e;
    e.setCell(1, 3, "03");
    e.click(e.form->Button4);
    const QStringList before = e.form->schemeText();
    e.app.prompts.chooseFile(e.riffFile(typed));
    e.click(e.form->Button2);
    QCOMPARE(fileBytes(e.riffFile(written)), referenceBytes(reference));
    QCOMPARE(e.form->schemeText(), before);
    QCOMPARE(e.form->Memo1->toPlainText(), before.join('\n'));
    QVERIFY(e.app.prompts.texts("error").isEmpty());
    if (typed != written)
        QVERIFY(!QFile::exists(e.riffFile(typed)));
}

void TestRiff::saveDialogAndCancel()
{
    Editor e;
    e.click(e.form->Button4);
    e.app.w().form1->Edit1->setText(QStringLiteral("Canzone"));
    e.app.prompts.cancelDialog();
    e.click(e.form->Button2);
    QCOMPARE(e.app.prompts.calls().size(), 1);
    const ScriptedPrompts::Call call = e.app.prompts.calls().first();
    QCOMPARE(call.kind, QStringLiteral("save"));
    QCOMPARE(call.dialog.title, QStringLiteral("Salva riff..."));
    QCOMPARE(call.dialog.filter, QStringLiteral("File di Testo (*.txt)|*.txt"));
    QCOMPARE(call.dialog.startFolder, QStringLiteral("riff"));
    QCOMPARE(call.dialog.proposedName, QStringLiteral("Canzone - riff.txt"));
    QVERIFY(call.dialog.overwritePrompt);
    QVERIFY(QDir(e.app.folder->file("riff")).isEmpty());
    QCOMPARE(e.form->schemeText().size(), 8);
}

void TestRiff::saveEmptySchemeText()
{
    Editor e;
    e.app.prompts.chooseFile(e.riffFile("vuoto"));
    e.click(e.form->Button2);
    QCOMPARE(fileBytes(e.riffFile("vuoto.txt")), referenceBytes("vuoto.txt"));
    QVERIFY(e.form->schemeText().isEmpty());
}

void TestRiff::saveOverAppendedName()
{
    // The dialog confirmed "abc"; the file written is "abc.txt", which already
    // exists, so it is replaced only when the user agrees.
    Editor e;
    e.click(e.form->Button4);
    QFile old(e.riffFile("abc.txt"));
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("old\r\n");
    old.close();

    e.app.prompts.chooseFile(e.riffFile("abc"));
    e.app.prompts.answer(Prompts::Answer::No);
    e.click(e.form->Button2);
    QCOMPARE(e.app.prompts.texts("question").size(), 1);
    QVERIFY(e.app.prompts.texts("question").first().contains(e.riffFile("abc.txt")));
    QCOMPARE(fileBytes(e.riffFile("abc.txt")), QByteArray("old\r\n"));

    e.app.prompts.chooseFile(e.riffFile("abc"));
    e.app.prompts.answer(Prompts::Answer::Yes);
    e.click(e.form->Button2);
    QVERIFY(fileBytes(e.riffFile("abc.txt")).startsWith("abc\r\n\r\n mi|"));

    // A name typed with ".txt" was the dialog's to confirm: no second question.
    e.app.prompts.clear();
    e.app.prompts.chooseFile(e.riffFile("abc.txt"));
    e.click(e.form->Button2);
    QVERIFY(e.app.prompts.texts("question").isEmpty());
    QVERIFY(fileBytes(e.riffFile("abc.txt")).startsWith("abc.txt\r\n\r\n mi|"));
}

void TestRiff::failedWrite()
{
    Editor e;
    e.click(e.form->Button4);
    const QStringList before = e.form->schemeText();
    // A folder stands where the file should go.
    QVERIFY(QDir().mkpath(e.riffFile("abc.txt")));
    e.app.prompts.chooseFile(e.riffFile("abc.txt"));
    e.click(e.form->Button2);
    const QList<ScriptedPrompts::Call> errors = [&] {
        QList<ScriptedPrompts::Call> out;
        for (const auto& c : e.app.prompts.calls())
            if (c.kind == QLatin1String("error"))
                out.append(c);
        return out;
    }();
    QCOMPARE(errors.size(), 1);
    QCOMPARE(errors.first().text, "Cannot create file " + e.riffFile("abc.txt") + ".");
    QCOMPARE(errors.first().caption, e.app.ctx.applicationTitle);
    QCOMPARE(e.form->schemeText(), before);
    QCOMPARE(e.form->Memo1->toPlainText(), before.join('\n'));
    QVERIFY(QFileInfo(e.riffFile("abc.txt")).isDir());
}

void TestRiff::unencodableFileName()
{
    Editor e;
    e.click(e.form->Button4);
    const QStringList before = e.form->schemeText();
    e.app.prompts.chooseFile(e.riffFile(QStringLiteral("riff \u2605")));
    e.click(e.form->Button2);
    QCOMPARE(e.app.prompts.texts("error").size(), 1);
    QVERIFY(e.app.prompts.texts("error").first().contains(QStringLiteral("U+2605")));
    QVERIFY(QDir(e.app.folder->file("riff")).isEmpty());
    QCOMPARE(e.form->schemeText(), before);
}

void TestRiff::missingRiffFolder()
{
    Editor e;
    QVERIFY(QDir(e.app.folder->file("riff")).removeRecursively());

    // "Cartella riff" neither creates the folder nor reports anything.
    e.click(e.form->Button3);
    QVERIFY(e.app.prompts.calls().isEmpty());
    QVERIFY(!QFileInfo::exists(e.app.folder->file("riff")));

    // Saving still works; the dialog is asked for as always and the file goes
    // where the user chose, here the working directory.
    e.click(e.form->Button4);
    e.app.prompts.chooseFile(e.app.folder->file("abc"));
    e.click(e.form->Button2);
    QCOMPARE(e.app.prompts.calls().size(), 1);
    QCOMPARE(e.app.prompts.calls().first().dialog.startFolder, QStringLiteral("riff"));
    QCOMPARE(fileBytes(e.app.folder->file("abc.txt")), referenceBytes("abc-untouched.txt"));
    QVERIFY(!QFileInfo::exists(e.app.folder->file("riff")));

    // With the folder there, the command opens it.
    QVERIFY(QDir(e.app.folder->path()).mkdir("riff"));
    e.app.prompts.clear();
    e.click(e.form->Button3);
    QCOMPARE(e.app.prompts.texts("folder"), QStringList{QStringLiteral("riff")});
}

QTEST_MAIN(TestRiff)
#include "test_riff.moc"
