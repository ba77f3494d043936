#include "shell/first_paint_probe.h"
#include "support/test_app.h"

#include <QApplication>
#include <QMainWindow>
#include <QTimer>
#include <QtTest>

// The start-up benchmark relies on the probe ending the program after the first
// paint of the main window, and on nothing at all happening without its variable.
class TestFirstPaintProbe : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { initTestEnvironment(); }
    void cleanup() { qunsetenv(FirstPaintProbe::EnvironmentVariable); }

    void endsTheEventLoopOnlyWhenAsked_data()
    {
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<bool>("opaqueClient");
        QTest::addColumn<int>("exitCode");
        // 0: the probe ended the loop after the first paint; 7: the test's own timeout did.
        QTest::newRow("asked, plain window") << QByteArray("1") << false << 0;
        // Like the main window: its client area covers it, so only children get painted.
        QTest::newRow("asked, opaque client area") << QByteArray("1") << true << 0;
        QTest::newRow("not set") << QByteArray() << false << 7;
        QTest::newRow("other value") << QByteArray("0") << false << 7;
    }

    void endsTheEventLoopOnlyWhenAsked()
    {
        QFETCH(QByteArray, value);
        QFETCH(bool, opaqueClient);
        QFETCH(int, exitCode);
        if (!value.isEmpty())
            qputenv(FirstPaintProbe::EnvironmentVariable, value);

        QMainWindow window;
        auto* client = new QWidget(&window);
        client->setFixedSize(624, 436);
        client->setAutoFillBackground(opaqueClient);
        window.setCentralWidget(client);
        FirstPaintProbe::installIfRequested(&window);
        window.show();

        QTimer timeout;
        timeout.setSingleShot(true);
        connect(&timeout, &QTimer::timeout, [] { QCoreApplication::exit(7); });
        timeout.start(exitCode == 0 ? 20000 : 1500);
        QCOMPARE(QApplication::exec(), exitCode);
    }
};

QTEST_MAIN(TestFirstPaintProbe)
#include "test_first_paint_probe.moc"
