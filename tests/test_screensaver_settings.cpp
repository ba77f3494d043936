// The screen saver settings window: what each choice puts into the settings
// and the display configuration when "Attiva" starts the display.
#include "core/module_symbol.h"
#include "screensaver/saver_settings_window.h"
#include "screensaver/saver_window.h"
#include "support/window_driver.h"
#include "ui/display/display_layer.h"
#include "ui/widgets/up_down.h"

#include <QComboBox>
#include <QFile>
#include <QGuiApplication>
#include <QRadioButton>
#include <QTabWidget>

#include <random>

namespace {

// Presses "Attiva", checks the display came up, and ends it with Esc.
void runOnce(TestApp& t)
{
    driver::click(t.w().saverSettings, "Button1");
    QVERIFY(t.w().saverWindow->isVisible());
    QVERIFY(control<DisplayLayer>(t.w().saverWindow, "DXDraw")->isInitialized());
    QTest::keyClick(t.w().saverWindow, Qt::Key_Escape);
    QVERIFY(!t.w().saverWindow->isVisible());
}

// Names of the files mapped into this process.
QString mappedFiles()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(maps.readAll()) : QString();
}

bool sameColour(const ScreenSaverSettings::Colour& c, double r, double g, double b)
{
    return qFuzzyCompare(1 + c.red, 1 + r) && qFuzzyCompare(1 + c.green, 1 + g) &&
           qFuzzyCompare(1 + c.blue, 1 + b);
}

QString colourText(const ScreenSaverSettings::Colour& c)
{
    return QStringLiteral("(%1, %2, %3)").arg(c.red).arg(c.green).arg(c.blue);
}

} // namespace

class TestScreenSaverSettings : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { initTestEnvironment(); }
    // First, while nothing has loaded the screen saver module in this process.
    void moduleLoadedOnFirstStart();
    void initialState();
    void objects_data();
    void objects();
    void typedObjectKeepsPrevious();
    void resolutions_data();
    void resolutions();
    void depthButtonsSetDisplayAtOnce();
    void zBufferOption();
    void lights_data();
    void lights();
    void randomLightsDrawSixTenths();
    void speed_data();
    void speed();
    void definiteEnablesFields_data();
    void definiteEnablesFields();
    void openingReadsDesktop_data();
    void openingReadsDesktop();
    void closeKeepsSettings();
};

void TestScreenSaverSettings::moduleLoadedOnFirstStart()
{
    const QString folder = moduleFolder();
    TestApp t;
    QVERIFY(!mappedFiles().isEmpty());
    QVERIFY(!mappedFiles().contains(QLatin1String("assimp")));

    // Without the module "Attiva" reports it and starts nothing.
    QTemporaryDir empty;
    setModuleFolder(empty.path());
    driver::click(t.w().saverSettings, "Button1");
    QCOMPARE(
        t.prompts.texts(QStringLiteral("error")),
        QStringList{
            QStringLiteral("Cannot open file %1/libcorvalto_screensaver.so.").arg(empty.path())});
    QVERIFY(!t.w().saverWindow->isVisible());
    QVERIFY(!QGuiApplication::overrideCursor());
    QVERIFY(!mappedFiles().contains(QLatin1String("assimp")));

    setModuleFolder(folder);
    runOnce(t);
    QVERIFY(mappedFiles().contains(QLatin1String("/libcorvalto_screensaver.so")));
    QVERIFY(mappedFiles().contains(QLatin1String("libassimp")));
}

void TestScreenSaverSettings::initialState()
{
    TestApp t;
    SaverSettingsWindow* f = t.w().saverSettings;
    QCOMPARE(f->windowTitle(), QStringLiteral("Virmosk Screen Saver 1.0 Finale"));
    QCOMPARE(f->size(), QSize(369, 276));
    QCOMPARE(control<QComboBox>(f, "ogg")->currentText(), QStringLiteral("Virmosk (luci proprie)"));
    QCOMPARE(control<QComboBox>(f, "ris")->currentText(), QStringLiteral("640x480"));
    QCOMPARE(control<QComboBox>(f, "ris")->count(), 6);
    QVERIFY(control<QRadioButton>(f, "bit16")->isChecked());
    QCOMPARE(control<DisplayLayer>(t.w().saverWindow, "DXDraw")->config().bitCount(), 16);
    QVERIFY(control<QCheckBox>(f, "zbuffer")->isChecked());
    QCOMPARE(control<QLineEdit>(f, "Edit1")->text(), QStringLiteral("1"));
    QVERIFY(control<QRadioButton>(f, "lucnorm")->isChecked());
    QVERIFY(control<QRadioButton>(f, "ambnorm")->isChecked());
    for (const QString c : {"lucr", "lucg", "lucb", "ambr", "ambg", "ambb"}) {
        QVERIFY(!control<QLineEdit>(f, "e" + c)->isEnabled());
        QCOMPARE(control<QLineEdit>(f, "e" + c)->text(), QStringLiteral("1"));
        QVERIFY(!control<UpDown>(f, c + "UpDown")->isEnabled());
    }
    // Nothing is set before the first start.
    QVERIFY(f->settings().meshFile.isEmpty());
    QCOMPARE(f->settings().rotationSpeed, 0.0);
}

void TestScreenSaverSettings::objects_data()
{
    QTest::addColumn<int>("item");
    QTest::addColumn<QString>("meshFile");
    QTest::addColumn<double>("scale");
    QTest::addColumn<double>("cx");
    QTest::addColumn<double>("cy");
    QTest::addColumn<double>("cz");
    QTest::newRow("Virmosk") << 0 << "imm/virmosk.x" << 0.05 << -5.5 << 10.0 << -2.0;
    QTest::newRow("Tubi") << 1 << "imm/tubi.x" << 0.08 << -5.5 << 8.0 << -2.0;
    QTest::newRow("Primitive") << 2 << "imm/primitive.x" << 4.0 << -5.3 << 8.5 << -1.0;
}

void TestScreenSaverSettings::objects()
{
    QFETCH(int, item);
    QFETCH(QString, meshFile);
    QFETCH(double, scale);
    QFETCH(double, cx);
    QFETCH(double, cy);
    QFETCH(double, cz);
    TestApp t;
    SaverSettingsWindow* f = t.w().saverSettings;
    control<QComboBox>(f, "ogg")->setCurrentIndex(item);
    runOnce(t);
    const ScreenSaverSettings& s = f->settings();
    QCOMPARE(s.meshFile, meshFile);
    QCOMPARE(s.meshScale.x, scale);
    QCOMPARE(s.meshScale.y, scale);
    QCOMPARE(s.meshScale.z, scale);
    QCOMPARE(s.cameraPosition.x, cx);
    QCOMPARE(s.cameraPosition.y, cy);
    QCOMPARE(s.cameraPosition.z, cz);
    QCOMPARE(t.w().saverWindow->meshPath(), t.folder->file(meshFile));
    QVERIFY(t.prompts.texts(QStringLiteral("error")).filter(QStringLiteral("Display")).isEmpty());
}

void TestScreenSaverSettings::typedObjectKeepsPrevious()
{
    TestApp t;
    SaverSettingsWindow* f = t.w().saverSettings;
    control<QComboBox>(f, "ogg")->setCurrentIndex(1);
    runOnce(t);
    control<QComboBox>(f, "ogg")->setEditText(QStringLiteral("Teiera"));
    QCOMPARE(f->objectItem(), -1);
    runOnce(t);
    QCOMPARE(f->settings().meshFile, QStringLiteral("imm/tubi.x"));
    QCOMPARE(f->settings().meshScale.x, 0.08);
}

void TestScreenSaverSettings::resolutions_data()
{
    QTest::addColumn<QString>("choice"); // an item, or typed text
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::newRow("640x480") << "640x480" << 640 << 480;
    QTest::newRow("800x600") << "800x600" << 800 << 600;
    QTest::newRow("1024x768") << "1024x768" << 1024 << 768;
    QTest::newRow("1152x864") << "1152x864" << 1152 << 864;
    QTest::newRow("1280x960") << "1280x960" << 1280 << 960;
    QTest::newRow("1600x1200") << "1600x1200" << 1600 << 1200;
    // Typed text selects nothing: the size stays 640 by 480.
    QTest::newRow("typed") << "320x200" << 640 << 480;
}

void TestScreenSaverSettings::resolutions()
{
    QFETCH(QString, choice);
    QFETCH(int, width);
    QFETCH(int, height);
    TestApp t;
    SaverSettingsWindow* f = t.w().saverSettings;
    control<QComboBox>(f, "ogg")->setCurrentIndex(2);
    const int item = control<QComboBox>(f, "ris")->findText(choice);
    if (item >= 0)
        control<QComboBox>(f, "ris")->setCurrentIndex(item);
    else
        control<QComboBox>(f, "ris")->setEditText(choice);
    QCOMPARE(f->resolutionItem(), item);

    driver::click(f, "Button1");
    DisplayLayer* d = control<DisplayLayer>(t.w().saverWindow, "DXDraw");
    QCOMPARE(d->config().width(), width);
    QCOMPARE(d->config().height(), height);
    QCOMPARE(d->surfaceWidth(), width);
    QCOMPARE(d->surfaceHeight(), height);
    QTest::keyClick(t.w().saverWindow, Qt::Key_Escape);
}

void TestScreenSaverSettings::depthButtonsSetDisplayAtOnce()
{
    TestApp t;
    SaverSettingsWindow* f = t.w().saverSettings;
    DisplayConfig& config = control<DisplayLayer>(t.w().saverWindow, "DXDraw")->config();
    driver::click(f, "bit32");
    QCOMPARE(config.bitCount(), 32);
    QVERIFY(!control<QRadioButton>(f, "bit16")->isChecked());
    driver::click(f, "bit24");
    QCOMPARE(config.bitCount(), 24);
    driver::click(f, "bit16");
    QCOMPARE(config.bitCount(), 16);
}

void TestScreenSaverSettings::zBufferOption()
{
    TestApp t;
    SaverSettingsWindow* f = t.w().saverSettings;
    control<QComboBox>(f, "ogg")->setCurrentIndex(2);
    const DisplayConfig& config = control<DisplayLayer>(t.w().saverWindow, "DXDraw")->config();
    runOnce(t);
    QVERIFY(config.hasOption(DisplayConfig::doZBuffer));
    control<QCheckBox>(f, "zbuffer")->setChecked(false);
    runOnce(t);
    QVERIFY(!config.hasOption(DisplayConfig::doZBuffer));
    // The other options stay as they were.
    QVERIFY(config.hasOption(DisplayConfig::doFullScreen));
    QVERIFY(config.hasOption(DisplayConfig::doHardware));
}

void TestScreenSaverSettings::lights_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QList<int>>("fields");
    QTest::addColumn<double>("r");
    QTest::addColumn<double>("g");
    QTest::addColumn<double>("b");
    QTest::newRow("Normali") << "norm" << QList<int>{5, 5, 5} << 0.9 << 0.9 << 0.9;
    QTest::newRow("Definite 10 1 1") << "defin" << QList<int>{10, 1, 1} << 1.0 << 0.1 << 0.1;
    QTest::newRow("Definite 3 7 2") << "defin" << QList<int>{3, 7, 2} << 0.3 << 0.7 << 0.2;
}

void TestScreenSaverSettings::lights()
{
    QFETCH(QString, mode);
    QFETCH(QList<int>, fields);
    QFETCH(double, r);
    QFETCH(double, g);
    QFETCH(double, b);
    TestApp t;
    SaverSettingsWindow* f = t.w().saverSettings;
    control<QComboBox>(f, "ogg")->setCurrentIndex(2);
    for (const QString& prefix : {QStringLiteral("luc"), QStringLiteral("amb")}) {
        driver::click(f, prefix + mode);
        for (int i = 0; i < 3; ++i)
            control<UpDown>(f, prefix + "rgb"[i] + "UpDown")->setPosition(fields[i]);
    }
    runOnce(t);
    // "Normali" is 0.9 for the object light and 0.1 for the ambient light.
    const double ambientScale = mode == QStringLiteral("norm") ? 1.0 / 9.0 : 1.0;
    QVERIFY2(sameColour(f->settings().objectLight, r, g, b),
             qPrintable(colourText(f->settings().objectLight)));
    QVERIFY2(sameColour(f->settings().ambientLight, r * ambientScale, g * ambientScale,
                        b * ambientScale),
             qPrintable(colourText(f->settings().ambientLight)));
}

void TestScreenSaverSettings::randomLightsDrawSixTenths()
{
    TestApp t;
    SaverSettingsWindow* f = t.w().saverSettings;
    control<QComboBox>(f, "ogg")->setCurrentIndex(2);
    driver::click(f, "luccas");
    driver::click(f, "ambcas");
    for (int run = 0; run < 3; ++run) {
        // Red, green, blue of the object light, then of the ambient light, each
        // a tenth of a draw from the program's one generator.
        std::mt19937 expected = t.ctx.random;
        std::uniform_int_distribution<int> tenths(0, 9);
        double e[6];
        for (double& v : e)
            v = tenths(expected) / 10.0;
        runOnce(t);
        QVERIFY(sameColour(f->settings().objectLight, e[0], e[1], e[2]));
        QVERIFY(sameColour(f->settings().ambientLight, e[3], e[4], e[5]));
        for (double v : {f->settings().objectLight.red, f->settings().objectLight.green,
                         f->settings().objectLight.blue, f->settings().ambientLight.red,
                         f->settings().ambientLight.green, f->settings().ambientLight.blue})
            QVERIFY(v >= 0.0 && v <= 0.9);
    }
}

void TestScreenSaverSettings::speed_data()
{
    QTest::addColumn<int>("clicksUp");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<double>("radians");
    QTest::newRow("1") << 0 << "1" << 0.01;
    QTest::newRow("4") << 3 << "4" << 0.04;
    QTest::newRow("10") << 9 << "10" << 0.10;
    // No wrapping round past the top.
    QTest::newRow("past 10") << 14 << "10" << 0.10;
}

void TestScreenSaverSettings::speed()
{
    QFETCH(int, clicksUp);
    QFETCH(QString, shown);
    QFETCH(double, radians);
    TestApp t;
    SaverSettingsWindow* f = t.w().saverSettings;
    control<QComboBox>(f, "ogg")->setCurrentIndex(2);
    for (int i = 0; i < clicksUp; ++i)
        QTest::mouseClick(control<UpDown>(f, "UpDown1")->upButton(), Qt::LeftButton);
    QCOMPARE(control<QLineEdit>(f, "Edit1")->text(), shown);
    QVERIFY(control<QLineEdit>(f, "Edit1")->isReadOnly());
    runOnce(t);
    QCOMPARE(f->settings().rotationSpeed, radians);
}

void TestScreenSaverSettings::definiteEnablesFields_data()
{
    QTest::addColumn<QString>("prefix");
    QTest::newRow("object light") << "luc";
    QTest::newRow("ambient light") << "amb";
}

void TestScreenSaverSettings::definiteEnablesFields()
{
    QFETCH(QString, prefix);
    TestApp t;
    SaverSettingsWindow* f = t.w().saverSettings;
    const QString other =
        prefix == QStringLiteral("luc") ? QStringLiteral("amb") : QStringLiteral("luc");
    auto fieldsEnabled = [&](const QString& p) {
        int enabled = 0;
        for (const char* c : {"r", "g", "b"}) {
            enabled += control<QLineEdit>(f, "e" + p + c)->isEnabled();
            enabled += control<UpDown>(f, p + c + "UpDown")->isEnabled();
        }
        return enabled;
    };
    driver::click(f, prefix + QStringLiteral("defin"));
    QCOMPARE(fieldsEnabled(prefix), 6);
    QCOMPARE(fieldsEnabled(other), 0);
    driver::click(f, prefix + QStringLiteral("cas"));
    QCOMPARE(fieldsEnabled(prefix), 0);
    driver::click(f, prefix + QStringLiteral("defin"));
    driver::click(f, prefix + QStringLiteral("norm"));
    QCOMPARE(fieldsEnabled(prefix), 0);
}

void TestScreenSaverSettings::openingReadsDesktop_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("depth");
    QTest::addColumn<QString>("resolution");
    QTest::addColumn<int>("bits");
    QTest::newRow("1024 wide, 32 bit") << 1024 << 32 << "1024x768" << 32;
    QTest::newRow("1600 wide, 16 bit") << 1600 << 16 << "1600x1200" << 16;
    QTest::newRow("800 wide, 24 bit") << 800 << 24 << "800x600" << 24;
    // Other widths and depths leave the choices as they were ("1152x864", 24).
    QTest::newRow("1366 wide, 8 bit") << 1366 << 8 << "1152x864" << 24;
}

void TestScreenSaverSettings::openingReadsDesktop()
{
    QFETCH(int, width);
    QFETCH(int, depth);
    QFETCH(QString, resolution);
    QFETCH(int, bits);
    TestApp t;
    SaverSettingsWindow* f = t.w().saverSettings;
    control<QComboBox>(f, "ris")->setCurrentIndex(3);
    driver::click(f, "bit24");
    control<QTabWidget>(f, "PageControl1")->setCurrentIndex(1);
    control<QTabWidget>(f, "PageControl2")->setCurrentIndex(1);
    f->setDesktopMetricsSource([=] { return SaverSettingsWindow::DesktopMetrics{width, depth}; });

    f->openSettings();
    QVERIFY(f->isVisible());
    QCOMPARE(control<QComboBox>(f, "ris")->currentText(), resolution);
    QCOMPARE(control<DisplayLayer>(t.w().saverWindow, "DXDraw")->config().bitCount(), bits);
    QCOMPARE(control<QRadioButton>(f, QStringLiteral("bit%1").arg(bits))->isChecked(), true);
    // The lights show their first tab; the outer tabs keep theirs.
    QCOMPARE(control<QTabWidget>(f, "PageControl1")->currentIndex(), 0);
    QCOMPARE(control<QTabWidget>(f, "PageControl2")->currentIndex(), 1);
}

void TestScreenSaverSettings::closeKeepsSettings()
{
    TestApp t;
    SaverSettingsWindow* f = t.w().saverSettings;
    f->setDesktopMetricsSource([] { return SaverSettingsWindow::DesktopMetrics{}; });
    control<QComboBox>(f, "ogg")->setCurrentIndex(2);
    driver::click(f, "bit32");
    control<UpDown>(f, "UpDown1")->setPosition(7);
    f->openSettings();
    runOnce(t);
    driver::click(f, "Button2");
    QVERIFY(!f->isVisible());
    f->openSettings();
    control<QTabWidget>(f, "PageControl2")->setCurrentIndex(1);
    driver::click(f, "Button3");
    QVERIFY(!f->isVisible());
    QCOMPARE(control<QComboBox>(f, "ogg")->currentIndex(), 2);
    QVERIFY(control<QRadioButton>(f, "bit32")->isChecked());
    QCOMPARE(control<QLineEdit>(f, "Edit1")->text(), QStringLiteral("7"));
    QCOMPARE(f->settings().meshFile, QStringLiteral("imm/primitive.x"));
    QCOMPARE(f->settings().rotationSpeed, 0.07);
}

QTEST_MAIN(TestScreenSaverSettings)
#include "test_screensaver_settings.moc"
