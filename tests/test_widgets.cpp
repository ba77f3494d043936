#include "app/errors.h"
#include "support/test_app.h"
#include "ui/guarded_application.h"
#include "ui/picture_view.h"
#include "ui/radio_button.h"
#include "ui/radio_group.h"
#include "ui/scripted_prompts.h"

#include <QFile>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

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
    void radioGroupEvents();
    void radioButtonEvents();
    void pictureView_data();
    void pictureView();
    void exceptionsStopAtTheEventLoop();
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
