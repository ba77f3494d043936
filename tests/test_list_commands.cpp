// The commands that transpose, print and export the list, run in the real main window
// with scripted prompts.
#include "app/main_window.h"
#include "chordlist/chord_list_model.h"
#include "documents/transpose_controller.h"
#include "documents/transpose_dialog.h"
#include "export/export_controller.h"
#include "support/test_app.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

namespace {

// Each command through its menu item, as the user chooses it.
void run(MainWindow& f, const QString& name)
{
    f.findChild<QAction*>(name)->trigger();
}

void addEntries(MainWindow& f)
{
    f.listDocument().entries().appendEntry(QStringLiteral("DO Maggiore"),
                                           QStringLiteral("do_sec.gif"));
    f.listDocument().entries().appendEntry(QStringLiteral("-"), QString());
    f.listDocument().entries().appendEntry(QStringLiteral("Ritornello"), QString());
    f.listDocument().entries().appendEntry(QStringLiteral("LA Minore"),
                                           QStringLiteral("la_min.gif"));
}

} // namespace

class TestListCommands : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { initTestEnvironment(); }
    void emptyListIsRefused_data();
    void emptyListIsRefused();
    void exportsWriteTheChosenFile_data();
    void exportsWriteTheChosenFile();
    void transposeDialog();
    void printPreviewFromItsModule();
};

void TestListCommands::emptyListIsRefused_data()
{
    QTest::addColumn<QString>("name");
    for (const char* name :
         {"Stampa1", "EsportaPDF1", "EsportaChordPro1", "Trasponilista1", "Trasponilista2"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void TestListCommands::emptyListIsRefused()
{
    QFETCH(QString, name);
    TestApp t;
    run(*t.w().mainWindow, name);
    QCOMPARE(t.prompts.texts(QStringLiteral("information")), QStringList{"Lista Vuota."});
    QCOMPARE(t.prompts.calls().size(), 1);
}

void TestListCommands::exportsWriteTheChosenFile_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("written");
    QTest::addColumn<QByteArray>("start");

    QTest::newRow("pdf, extension appended") << "EsportaPDF1"
                                             << "liste/Canzone"
                                             << "Esporta PDF..."
                                             << "Documento PDF (*.pdf)|*.pdf"
                                             << "liste/Canzone.pdf" << QByteArray("%PDF-");
    QTest::newRow("chordpro as typed")
        << "EsportaChordPro1"
        << "liste/Canzone.cho"
        << "Esporta ChordPro..."
        << "Canzone ChordPro (*.cho)|*.cho"
        << "liste/Canzone.cho" << QByteArray("{title: Canzone}\n{define: C base-fret 3");
}

void TestListCommands::exportsWriteTheChosenFile()
{
    QFETCH(QString, name);
    QFETCH(QString, typed);
    QFETCH(QString, title);
    QFETCH(QString, filter);
    QFETCH(QString, written);
    QFETCH(QByteArray, start);

    TestApp t;
    MainWindow& f = *t.w().mainWindow;
    addEntries(f);
    f.listDocument().setTitle(QStringLiteral("Canzone"));
    t.prompts.chooseFile(t.folder->file(typed));
    run(f, name);

    QCOMPARE(t.prompts.calls().size(), 1);
    const Prompts::FileDialog dialog = t.prompts.calls().front().dialog;
    QCOMPARE(dialog.title, title);
    QCOMPARE(dialog.filter, filter);
    QCOMPARE(dialog.startFolder, QStringLiteral("liste"));
    QCOMPARE(dialog.proposedName, QStringLiteral("Canzone") + filter.right(4));
    QFile file(t.folder->file(written));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().startsWith(start));
}

// The dialog previews the first chords and the entries it cannot move; confirming moves
// the list, which then counts as modified, and up again gives back the second position.
void TestListCommands::transposeDialog()
{
    TestApp t;
    MainWindow& f = *t.w().mainWindow;
    addEntries(f);
    run(f, QStringLiteral("Trasponilista2"));
    TransposeDialog* dialog = f.transposer().dialog();
    QVERIFY(dialog->isVisible());
    dialog->findChild<QRadioButton*>(QStringLiteral("giu"))->click();
    dialog->findChild<QSpinBox*>(QStringLiteral("semitoni"))->setValue(3);
    QCOMPARE(dialog->findChild<QLabel*>(QStringLiteral("anteprima"))->text(),
             QStringLiteral("DO Maggiore -> LA Maggiore\nRitornello -> Ritornello\n"
                            "LA Minore -> FA# Minore / SOLb Minore"));
    QCOMPARE(dialog->findChild<QLabel*>(QStringLiteral("nonRiconosciuti"))->text(),
             QStringLiteral("1 voce non è un accordo conosciuto e resta com'è."));

    dialog->findChild<QPushButton*>(QStringLiteral("trasponi"))->click();
    QVERIFY(!dialog->isVisible());
    QCOMPARE(f.listDocument().entries().lines(),
             QStringList({"LA Maggiore", "-", "Ritornello", "FA# Minore / SOLb Minore"}));
    QCOMPARE(f.listDocument().entries().picture(0), QStringLiteral("la.gif"));
    QVERIFY(f.listDocument().state().listModified);
    QVERIFY(f.windowTitle().contains(QLatin1Char('*')));

    f.transposer().transpose(3);
    QCOMPARE(f.listDocument().entries().lines(),
             QStringList({"DO Maggiore", "-", "Ritornello", "LA Minore"}));
    QCOMPARE(f.listDocument().entries().picture(0), QStringLiteral("do_sec.gif"));
}

QTEST_MAIN(TestListCommands)
// "Stampa..." loads the print module and shows Qt's print preview of the sheet.
void TestListCommands::printPreviewFromItsModule()
{
    TestApp t;
    MainWindow& f = *t.w().mainWindow;
    addEntries(f);
    QString shown;
    QTimer::singleShot(0, &f, [&shown] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            auto* dialog = qobject_cast<QDialog*>(w);
            if (dialog && dialog->isVisible() &&
                QLatin1String(dialog->metaObject()->className()) == "QPrintPreviewDialog") {
                shown = dialog->windowTitle();
                dialog->reject();
            }
        }
    });
    run(f, QStringLiteral("Stampa1"));
    QCOMPARE(shown, QStringLiteral("Anteprima di stampa"));
    QVERIFY(t.prompts.calls().isEmpty());
}

#include "test_list_commands.moc"
