#include "core/errors.h"
#include "shell/guarded_application.h"
#include "shell/real_prompts.h"
#include "support/scripted_prompts.h"
#include "support/test_app.h"
#include "ui/style/design_font.h"
#include "ui/widgets/picture_view.h"
#include "ui/widgets/radio_button.h"
#include "ui/widgets/radio_group.h"

#include <QAccessible>
#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QListView>
#include <QPainter>
#include <QProgressBar>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStringListModel>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>
#include <new>

namespace {

// Throws from its event handler, as a handler entered without the guard would.
class Thrower : public QObject
{
protected:
    bool event(QEvent* event) override
    {
        if (event->type() == QEvent::User)
            throw CorvaltoError(QStringLiteral("Errore di prova"));
        if (event->type() == QEvent::Type(QEvent::User + 1))
            throw std::bad_alloc();
        return QObject::event(event);
    }
};

} // namespace

class TestWidgets : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { initTestEnvironment(); }
    void radioGroupEvents_data();
    void radioGroupEvents();
    void radioButtonEvents_data();
    void radioButtonEvents();
    void pictureView_data();
    void pictureView();
    void designFonts_data();
    void designFonts();
    void fileDialogModes_data();
    void fileDialogModes();
    void exceptionsStopAtTheEventLoop();
};

namespace {

// The ways a user selects a radio item; "code" is the program's own selection.
enum class Means { Mouse, Space, Arrow, Toggle, Code };

void select(RadioGroup& group, int index, Means means)
{
    QRadioButton* item = group.button(index);
    switch (means) {
    case Means::Mouse:
        QTest::mouseClick(item, Qt::LeftButton);
        break;
    case Means::Space:
        item->setFocus();
        QTest::keyClick(item, Qt::Key_Space);
        break;
    case Means::Arrow:
        // From the item above, which need not be selected.
        QTest::keyClick(group.button(index - 1), Qt::Key_Down);
        break;
    case Means::Toggle:
        QAccessible::queryAccessibleInterface(item)->actionInterface()->doAction(
            QAccessibleActionInterface::toggleAction());
        break;
    case Means::Code:
        group.setItemIndex(index);
        break;
    }
}

} // namespace

Q_DECLARE_METATYPE(Means)

void TestWidgets::radioGroupEvents_data()
{
    QTest::addColumn<Means>("means");
    QTest::newRow("mouse") << Means::Mouse;
    QTest::newRow("space") << Means::Space;
    QTest::newRow("arrow key") << Means::Arrow;
    QTest::newRow("accessibility toggle") << Means::Toggle;
    QTest::newRow("code") << Means::Code;
}

void TestWidgets::radioGroupEvents()
{
    QFETCH(Means, means);
    RadioGroup group(QStringLiteral("Note"), {"DO", "RE", "MI"});
    group.resize(97, 120);
    group.show();
    group.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&group));
    QSignalSpy clicked(&group, &RadioGroup::clicked);
    auto checkedItems = [&] {
        QList<int> on;
        for (int i = 0; i < group.count(); ++i) {
            if (group.button(i)->isChecked())
                on.append(i);
        }
        return on;
    };
    // Tab enters a group without selection at its first item.
    QCOMPARE(group.button(0)->focusPolicy(), Qt::StrongFocus);

    select(group, 1, means);
    QCOMPARE(group.itemIndex(), 1);
    QCOMPARE(clicked.size(), 1);
    QCOMPARE(clicked.last().first().toInt(), 1);
    select(group, 2, means);
    QCOMPARE(group.itemIndex(), 2);
    QCOMPARE(checkedItems(), QList<int>{2});
    QCOMPARE(clicked.size(), 2);
    // The item already selected raises nothing and stays selected.
    select(group, 2, means);
    QCOMPARE(checkedItems(), QList<int>{2});
    QCOMPARE(clicked.size(), 2);
    // Tab enters at the selected item; the arrows stop at the ends of the column.
    QCOMPARE(group.button(2)->focusPolicy(), Qt::StrongFocus);
    QCOMPARE(group.button(0)->focusPolicy() & Qt::TabFocus, 0);
    QTest::keyClick(group.button(2), Qt::Key_Right);
    QCOMPARE(group.itemIndex(), 2);

    // New item texts keep the selection silently; no selection from code is silent.
    group.setItems({"C", "D", "E"});
    QCOMPARE(group.items(), QStringList({"C", "D", "E"}));
    QCOMPARE(group.itemIndex(), 2);
    group.setItemIndex(-1);
    QCOMPARE(group.itemIndex(), -1);
    QVERIFY(checkedItems().isEmpty());
    QCOMPARE(clicked.size(), 2);
    QCOMPARE(group.button(0)->focusPolicy(), Qt::StrongFocus);
    // The group is exclusive again after the silent clearing.
    select(group, 1, Means::Mouse);
    select(group, 0, Means::Mouse);
    QCOMPARE(checkedItems(), QList<int>{0});
    QCOMPARE(clicked.size(), 4);
    for (int i = 0; i < group.count(); ++i)
        QCOMPARE(QAccessible::queryAccessibleInterface(group.button(i))->role(),
                 QAccessible::RadioButton);
}

void TestWidgets::radioButtonEvents_data()
{
    QTest::addColumn<Means>("means");
    QTest::newRow("mouse") << Means::Mouse;
    QTest::newRow("space") << Means::Space;
    QTest::newRow("accessibility toggle") << Means::Toggle;
}

void TestWidgets::radioButtonEvents()
{
    QFETCH(Means, means);
    QWidget box;
    RadioButton button(QStringLiteral("Spazio Vuoto"), &box);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(&button);
    QCOMPARE(iface->role(), QAccessible::RadioButton);
    QSignalSpy selected(&button, &RadioButton::selected);
    auto act = [&] {
        if (means == Means::Mouse)
            QTest::mouseClick(&button, Qt::LeftButton);
        else if (means == Means::Space)
            QTest::keyClick(&button, Qt::Key_Space);
        else
            iface->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    };
    act();
    QVERIFY(button.isChecked());
    QCOMPARE(selected.size(), 1);
    act();
    QVERIFY(button.isChecked());
    QCOMPARE(selected.size(), 1);
    button.deselect();
    QVERIFY(!button.isChecked());
    QCOMPARE(selected.size(), 1);
    act();
    QCOMPARE(selected.size(), 2);
}

void TestWidgets::pictureView_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("error"); // empty: loads
    QTest::addColumn<QSize>("size");
    const QString imm = QStringLiteral(CORVALTO_PROGRAM_DIR "/imm/");
    QTest::newRow("JPEG banner") << imm + "virmoskc.jpg" << QString() << QSize(233, 22);
    QTest::newRow("missing") << imm + "nessuno.gif"
                             << "Cannot open file " + imm + "nessuno.gif" << QSize();
    QTest::newRow("the imm folder itself") << imm << "Cannot open file " + imm << QSize();
}

void TestWidgets::designFonts_data()
{
    QTest::addColumn<QString>("family");
    QTest::addColumn<QString>("substitute"); // empty: none
    QTest::addColumn<QString>("used");
    QTest::newRow("installed") << "DejaVu Sans"
                               << ""
                               << "DejaVu Sans";
    QTest::newRow("absent, substitute installed") << "Famiglia Assente Uno"
                                                  << "DejaVu Sans Mono"
                                                  << "DejaVu Sans Mono";
    QTest::newRow("absent, no substitute") << "Famiglia Assente Due"
                                           << ""
                                           << "Famiglia Assente Due";
    QTest::newRow("absent, substitute absent") << "Famiglia Assente Tre"
                                               << "Famiglia Assente Quattro"
                                               << "Famiglia Assente Tre";
}

void TestWidgets::designFonts()
{
    QFETCH(QString, family);
    QFETCH(QString, substitute);
    QFETCH(QString, used);
    if (!substitute.isEmpty())
        QFont::insertSubstitution(family, substitute);
    // The substitution table holds its names in lower case.
    QCOMPARE(designFont(family).family().toCaseFolded(), used.toCaseFolded());
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

// An exception that escapes a handler is reported like any other error, and
// the events after it are delivered.
void TestWidgets::exceptionsStopAtTheEventLoop()
{
    auto* app = static_cast<GuardedApplication*>(qApp);
    ScriptedPrompts prompts;
    AppContext ctx;
    ctx.prompts = &prompts;
    app->setContext(&ctx);
    Thrower thrower;
    QCoreApplication::postEvent(&thrower, new QEvent(QEvent::User));
    QCoreApplication::postEvent(&thrower, new QEvent(QEvent::Type(QEvent::User + 1)));
    QCoreApplication::sendPostedEvents(&thrower);
    app->setContext(nullptr);
    QCOMPARE(prompts.texts(QStringLiteral("error")),
             (QStringList{QStringLiteral("Errore di prova."), QStringLiteral("std::bad_alloc.")}));
    QCOMPARE(prompts.calls().first().caption, QStringLiteral("Corvalto 3.0"));
}

// The program's own application object, so that its last guard is tested too.
int main(int argc, char* argv[])
{
    GuardedApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    TestWidgets test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "test_widgets.moc"
