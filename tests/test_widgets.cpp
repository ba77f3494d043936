#include "app/errors.h"
#include "support/test_app.h"
#include "ui/picture_view.h"
#include "ui/radio_button.h"
#include "ui/radio_group.h"
#include "ui/real_prompts.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

class TestWidgets : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { initTestEnvironment(); }
    void radioGroupEvents();
    void radioButtonEvents();
    void pictureView_data();
    void pictureView();
    void fileDialogModes_data();
    void fileDialogModes();
};

void TestWidgets::radioGroupEvents()
{
    RadioGroup group(QStringLiteral("Note"), {"DO", "RE", "MI"});
    group.resize(97, 120);
    group.show();
    QVERIFY(QTest::qWaitForWindowExposed(&group));
    QSignalSpy clicked(&group, &RadioGroup::clicked);

    QTest::mouseClick(group.button(1), Qt::LeftButton);
    QCOMPARE(group.itemIndex(), 1);
    QCOMPARE(clicked.size(), 1);
    QCOMPARE(clicked.last().first().toInt(), 1);

    // The item already selected raises nothing and stays selected.
    QTest::mouseClick(group.button(1), Qt::LeftButton);
    QCOMPARE(clicked.size(), 1);
    QVERIFY(group.button(1)->isChecked());

    QTest::mouseClick(group.button(2), Qt::LeftButton);
    QCOMPARE(group.itemIndex(), 2);
    QVERIFY(!group.button(1)->isChecked());
    QCOMPARE(clicked.size(), 2);

    // New item texts keep the selection silently; no selection from code is silent.
    group.setItems({"C", "D", "E"});
    QCOMPARE(group.items(), QStringList({"C", "D", "E"}));
    QCOMPARE(group.itemIndex(), 2);
    group.setItemIndex(-1);
    QCOMPARE(group.itemIndex(), -1);
    QVERIFY(!group.button(2)->isChecked());
    QCOMPARE(clicked.size(), 2);

    // Selecting an item from code is a selection change like any other.
    group.setItemIndex(0);
    QCOMPARE(clicked.size(), 3);
}

void TestWidgets::radioButtonEvents()
{
    RadioButton button(QStringLiteral("Spazio Vuoto"));
    button.show();
    QVERIFY(QTest::qWaitForWindowExposed(&button));
    QSignalSpy selected(&button, &RadioButton::selected);
    QTest::mouseClick(&button, Qt::LeftButton);
    QVERIFY(button.isChecked());
    QCOMPARE(selected.size(), 1);
    QTest::mouseClick(&button, Qt::LeftButton);
    QVERIFY(button.isChecked());
    QCOMPARE(selected.size(), 1);
    button.deselect();
    QVERIFY(!button.isChecked());
    QCOMPARE(selected.size(), 1);
}

void TestWidgets::pictureView_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("error"); // empty: loads
    QTest::addColumn<QSize>("size");
    const QString imm = QStringLiteral(CORVALTO_PROGRAM_DIR "/imm/");
    QTest::newRow("JPEG banner") << imm + "virmoskc.jpg" << QString() << QSize(233, 22);
    QTest::newRow("missing") << imm + "nessuno.gif" << "Cannot open file " + imm + "nessuno.gif"
                             << QSize();
    QTest::newRow("the imm folder itself") << imm << "Cannot open file " + imm << QSize();
}

void TestWidgets::pictureView()
{
    QFETCH(QString, file);
    QFETCH(QString, error);
    QFETCH(QSize, size);
    PictureView view;
    QString message;
    try {
        view.load(file);
    } catch (const CorvaltoError& e) {
        message = e.message();
    }
    QCOMPARE(message, error);
    if (error.isEmpty()) {
        QCOMPARE(view.fileName(), file);
        QCOMPARE(view.pixmap().size(), size);
    } else {
        QVERIFY(!view.hasPicture());
    }
}

// The open dialog takes only an existing file; the save dialog any name.
void TestWidgets::fileDialogModes_data()
{
    QTest::addColumn<bool>("open");
    QTest::addColumn<int>("mode");
    QTest::newRow("open") << true << int(QFileDialog::ExistingFile);
    QTest::newRow("save") << false << int(QFileDialog::AnyFile);
}

void TestWidgets::fileDialogModes()
{
    QFETCH(bool, open);
    QFETCH(int, mode);
    RealPrompts prompts;
    int seen = -1;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (auto* d = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
            seen = d->fileMode();
            d->reject();
        }
    });
    poll.start(20);
    Prompts::FileDialog dialog;
    dialog.title = QStringLiteral("Apri lista...");
    dialog.filter = QStringLiteral("File Lista v3 (*.qvl)|*.qvl");
    QTemporaryDir folder;
    dialog.startFolder = folder.path();
    const std::optional<QString> chosen =
        open ? prompts.openFileName(nullptr, dialog) : prompts.saveFileName(nullptr, dialog);
    QVERIFY(!chosen);
    QCOMPARE(seen, mode);
}

QTEST_MAIN(TestWidgets)
#include "test_widgets.moc"
