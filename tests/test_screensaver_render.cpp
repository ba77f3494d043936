// The screen saver display: real frames rendered with OpenGL and read back,
// the text overlay, the lights, the spin, Esc, and the display's failures.
#include "core/errors.h"
#include "screensaver/frame.h"
#include "screensaver/saver_settings_window.h"
#include "screensaver/saver_window.h"
#include "support/window_driver.h"
#include "ui/display/display_layer.h"
#include "ui/display/display_timer.h"
#include "ui/display/display_window.h"
#include "ui/widgets/up_down.h"

#include <QComboBox>
#include <QCursor>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QRadioButton>
#include <QScreen>

namespace {

struct Brightness
{
    double red = 0;
    double green = 0;
    double blue = 0;
    int lit = 0; // pixels brighter than the black background
};

Brightness measure(const QImage& image, const QRect& area)
{
    Brightness b;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb p = image.pixel(x, y);
            if (qRed(p) + qGreen(p) + qBlue(p) > 30) {
                b.red += qRed(p);
                b.green += qGreen(p);
                b.blue += qBlue(p);
                ++b.lit;
            }
        }
    }
    if (b.lit) {
        b.red /= b.lit;
        b.green /= b.lit;
        b.blue /= b.lit;
    }
    return b;
}

int whitePixels(const QImage& image, const QRect& area)
{
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb p = image.pixel(x, y);
            n += qRed(p) > 200 && qGreen(p) > 200 && qBlue(p) > 200;
        }
    }
    return n;
}

} // namespace

class TestScreenSaverRender : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { initTestEnvironment(); }
    void frameShowsObjectAndOverlay();
    void overlayColumnFollowsResolutionItem_data();
    void overlayColumnFollowsResolutionItem();
    void depths_data();
    void depths();
    void redObjectLightMakesObjectRed();
    void rotationChangesPicture();
    void zBufferOffStillRenders();
    void missingMeshRendersBackgroundAndOverlay();
    void escRestoresPointerAndFolder();
    void meshFolderThatCannotBeEntered();
    void timerDrivesFrames();
    void bitCounts_data();
    void bitCounts();
    void modeFailureLeavesEscWorking();
    void softwareRenderers_data();
    void softwareRenderers();

private:
    // Sets up the settings window, presses "Attiva" and waits until the display
    // can draw.
    void start(TestApp& t, int object = 2);
    // Runs n frame steps and returns the last frame.
    QImage frames(TestApp& t, int n);
};

void TestScreenSaverRender::start(TestApp& t, int object)
{
    SaverSettingsWindow* f = t.w().saverSettings;
    control<QComboBox>(f, "ogg")->setCurrentIndex(object);
    driver::click(f, "Button1");
    QTRY_VERIFY(control<DisplayLayer>(t.w().saverWindow, "DXDraw")->canDraw());
}

QImage TestScreenSaverRender::frames(TestApp& t, int n)
{
    for (int i = 0; i < n; ++i)
        t.w().saverWindow->DXTimerTimer(1);
    return control<DisplayLayer>(t.w().saverWindow, "DXDraw")->grabSurface();
}

void TestScreenSaverRender::frameShowsObjectAndOverlay()
{
    TestApp t;
    start(t);
    DisplayLayer* d = control<DisplayLayer>(t.w().saverWindow, "DXDraw");
    QVERIFY(t.prompts.texts(QStringLiteral("error")).filter(QStringLiteral("Display")).isEmpty());
    QCOMPARE(t.w().saverWindow->geometry(), t.w().saverWindow->screen()->geometry());
    QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::BlankCursor);

    const QImage image = frames(t, 3);
    QCOMPARE(image.size(), QSize(640, 480));
    // The object in the middle, lit; the background below it black.
    const Brightness middle = measure(image, QRect(280, 200, 80, 80));
    QVERIFY2(middle.lit > 80 * 80 * 3 / 4, qPrintable(QString::number(middle.lit)));
    QVERIFY(middle.red + middle.green + middle.blue > 200);
    QCOMPARE(measure(image, QRect(0, 440, 60, 40)).lit, 0);
    QCOMPARE(measure(image, QRect(580, 440, 60, 40)).lit, 0);

    // Four texts, white, 12 points, transparent, in the frame step's order.
    const DisplayCanvas& canvas = d->canvas();
    QCOMPARE(canvas.textCount(), 4);
    const struct
    {
        int x, y;
        QString text;
    } expected[] = {{459, 0, QStringLiteral("Risoluzione: 640x480x16")},
                    {459, 15, QStringLiteral("Z-Buffer: On")},
                    {3, 0, QStringLiteral("FPS: 0")},
                    {3, 15, QStringLiteral("Rendering: Software")}};
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(canvas.text(i).x, expected[i].x);
        QCOMPARE(canvas.text(i).y, expected[i].y);
        QCOMPARE(canvas.text(i).text, expected[i].text);
        QCOMPARE(canvas.text(i).colour, qRgb(255, 255, 255));
        QCOMPARE(canvas.text(i).pointSize, 12);
        QVERIFY(canvas.text(i).transparent);
        // Whole on the surface, not cut at its right edge.
        QVERIFY2(DisplayCanvas::textBounds(canvas.text(i)).right() < 640,
                 qPrintable(QString::number(DisplayCanvas::textBounds(canvas.text(i)).right())));
    }
    // And they are on the frame: white writing at both columns, nothing between.
    QVERIFY(whitePixels(image, QRect(459, 0, 181, 34)) > 60);
    QVERIFY(whitePixels(image, QRect(3, 0, 150, 34)) > 60);
    QCOMPARE(whitePixels(image, QRect(0, 0, 3, 34)), 0);
    QCOMPARE(whitePixels(image, QRect(300, 0, 120, 34)), 0);
    QCOMPARE(whitePixels(image, QRect(0, 40, 640, 20)), 0);
}

void TestScreenSaverRender::overlayColumnFollowsResolutionItem_data()
{
    QTest::addColumn<int>("item");
    QTest::addColumn<int>("column");
    QTest::newRow("640x480") << 0 << 459;
    QTest::newRow("800x600") << 1 << 619;
    QTest::newRow("1024x768") << 2 << 832;
    QTest::newRow("1152x864") << 3 << 900;
    QTest::newRow("1280x960") << 4 << 1000;
    QTest::newRow("1600x1200") << 5 << 1300;
    QTest::newRow("typed text") << -1 << 0;
}

void TestScreenSaverRender::overlayColumnFollowsResolutionItem()
{
    QFETCH(int, item);
    QFETCH(int, column);
    TestApp t;
    start(t);
    // The column is read from the settings window at the moment of drawing.
    if (item >= 0)
        control<QComboBox>(t.w().saverSettings, "ris")->setCurrentIndex(item);
    else
        control<QComboBox>(t.w().saverSettings, "ris")->setEditText(QStringLiteral("2048x1536"));
    frames(t, 1);
    const DisplayCanvas& canvas = control<DisplayLayer>(t.w().saverWindow, "DXDraw")->canvas();
    QCOMPARE(canvas.text(0).x, column);
    QCOMPARE(canvas.text(1).x, column);
    QCOMPARE(canvas.text(2).x, 3);
    QCOMPARE(canvas.text(0).text, QStringLiteral("Risoluzione: 640x480x16"));
}

void TestScreenSaverRender::depths_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("text");
    QTest::newRow("16") << "bit16"
                        << "Risoluzione: 640x480x16";
    QTest::newRow("24") << "bit24"
                        << "Risoluzione: 640x480x24";
    QTest::newRow("32") << "bit32"
                        << "Risoluzione: 640x480x32";
}

void TestScreenSaverRender::depths()
{
    QFETCH(QString, button);
    QFETCH(QString, text);
    TestApp t;
    driver::click(t.w().saverSettings, button);
    start(t);
    const QImage image = frames(t, 2);
    QCOMPARE(control<DisplayLayer>(t.w().saverWindow, "DXDraw")->canvas().text(0).text, text);
    QVERIFY(measure(image, QRect(280, 200, 80, 80)).lit > 80 * 80 / 2);
}

void TestScreenSaverRender::redObjectLightMakesObjectRed()
{
    TestApp t;
    SaverSettingsWindow* f = t.w().saverSettings;
    driver::click(f, "lucdefin");
    control<UpDown>(f, "lucrUpDown")->setPosition(10);
    start(t);
    const Brightness b = measure(frames(t, 2), QRect(200, 120, 240, 240));
    QVERIFY(b.lit > 5000);
    QVERIFY2(b.red > 2.5 * b.green && b.red > 2.5 * b.blue,
             qPrintable(QStringLiteral("%1 %2 %3").arg(b.red).arg(b.green).arg(b.blue)));

    // Under the normal white light the same object is grey-white.
    QTest::keyClick(t.w().saverWindow, Qt::Key_Escape);
    driver::click(f, "lucnorm");
    start(t);
    const Brightness w = measure(frames(t, 2), QRect(200, 120, 240, 240));
    QVERIFY(w.green > 0.6 * w.red && w.blue > 0.6 * w.red);
}

void TestScreenSaverRender::rotationChangesPicture()
{
    TestApp t;
    control<UpDown>(t.w().saverSettings, "UpDown1")->setPosition(10);
    start(t);
    Frame* mesh = t.w().saverWindow->meshFrame();
    const QImage first = frames(t, 1);
    const Vector3 axisBefore = mesh->transform().row(0);
    const QImage later = frames(t, 5);
    // Five ticks of 0.1 radians each about the vertical axis.
    QVERIFY(std::abs(dot(axisBefore, mesh->transform().row(0)) - std::cos(0.5f)) < 1e-3f);
    int changed = 0;
    for (int y = 40; y < 480; ++y) {
        for (int x = 0; x < 640; ++x)
            changed += first.pixel(x, y) != later.pixel(x, y);
    }
    QVERIFY2(changed > 640 * 440 / 50, qPrintable(QString::number(changed)));
}

void TestScreenSaverRender::zBufferOffStillRenders()
{
    TestApp t;
    control<QCheckBox>(t.w().saverSettings, "zbuffer")->setChecked(false);
    start(t);
    const QImage image = frames(t, 2);
    QVERIFY(measure(image, QRect(280, 200, 80, 80)).lit > 80 * 80 / 2);
    QCOMPARE(control<DisplayLayer>(t.w().saverWindow, "DXDraw")->canvas().text(1).text,
             QStringLiteral("Z-Buffer: Off"));
    QVERIFY(whitePixels(image, QRect(459, 15, 181, 19)) > 20);
}

void TestScreenSaverRender::missingMeshRendersBackgroundAndOverlay()
{
    auto folder = std::make_shared<TestProgramFolder>(TestProgramFolder::Imm::Copied);
    folder->removeFile(QStringLiteral("imm/primitive.x"));
    TestApp t(folder);
    start(t);
    const QImage image = frames(t, 2);
    // Not reported, and nothing drawn but the texts.
    QVERIFY(t.prompts.texts(QStringLiteral("error")).filter(QStringLiteral("primitive")).isEmpty());
    const QRect texts = control<DisplayLayer>(t.w().saverWindow, "DXDraw")->canvas().textArea();
    QVERIFY(!texts.isEmpty());
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (!texts.contains(x, y))
                QCOMPARE(image.pixel(x, y), qRgb(0, 0, 0));
        }
    }
    QVERIFY(whitePixels(image, texts) > 100);
}

void TestScreenSaverRender::escRestoresPointerAndFolder()
{
    TestApp t;
    // The user's working folder, and a pointer someone else has set.
    const QString userFolder = t.folder->file(QStringLiteral("liste"));
    QDir::setCurrent(userFolder);
    QGuiApplication::setOverrideCursor(QCursor(Qt::CrossCursor));
    start(t);
    SaverWindow* f = t.w().saverWindow;
    // While it runs, the current folder is the mesh folder.
    QCOMPARE(QDir::current().canonicalPath(),
             QDir(t.folder->file(QStringLiteral("imm"))).canonicalPath());
    frames(t, 1);

    // Keys other than Esc are ignored, wherever they arrive.
    QTest::keyClick(f, Qt::Key_Space);
    QTest::keyClick(control<DisplayLayer>(f, "DXDraw")->surfaceWindow(), Qt::Key_A);
    QVERIFY(f->isVisible() && control<DisplayLayer>(f, "DXDraw")->isInitialized());

    QTest::keyClick(control<DisplayLayer>(f, "DXDraw")->surfaceWindow(), Qt::Key_Escape);
    QVERIFY(!f->isVisible());
    QVERIFY(!control<DisplayLayer>(f, "DXDraw")->isInitialized());
    QVERIFY(!control<DisplayTimer>(f, "DXTimer")->isEnabled());
    QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::CrossCursor);
    QGuiApplication::restoreOverrideCursor();
    QVERIFY(!QGuiApplication::overrideCursor());
    QCOMPARE(QDir::current().canonicalPath(), QDir(userFolder).canonicalPath());
    QDir::setCurrent(t.folder->path());
    // The settings window is still there with its settings.
    QCOMPARE(t.w().saverSettings->settings().meshFile, QStringLiteral("imm/primitive.x"));

    // A second start builds a new scene from the settings in force.
    start(t);
    QVERIFY(control<DisplayTimer>(f, "DXTimer")->isEnabled());
    QVERIFY(measure(frames(t, 1), QRect(280, 200, 80, 80)).lit > 80 * 80 / 2);
    // A surface lost while the display runs (its context can no longer be made
    // current): Esc still ends it, and the next start builds everything afresh.
    control<DisplayLayer>(f, "DXDraw")->surfaceWindow()->destroy();
    QTest::keyClick(f, Qt::Key_Escape);
    QVERIFY(!control<DisplayLayer>(f, "DXDraw")->isInitialized());
    start(t);
    QVERIFY(measure(frames(t, 1), QRect(280, 200, 80, 80)).lit > 80 * 80 / 2);
    QTest::keyClick(f, Qt::Key_Escape);
    QVERIFY(!QGuiApplication::overrideCursor());
}

void TestScreenSaverRender::meshFolderThatCannotBeEntered()
{
    auto folder = std::make_shared<TestProgramFolder>(TestProgramFolder::Imm::Copied);
    QVERIFY(QDir(folder->file(QStringLiteral("imm"))).removeRecursively());
    TestApp t(folder);
    SaverWindow* f = t.w().saverWindow;
    driver::click(t.w().saverSettings, "Button1");
    // Reported; the scene stops before its mesh and the timer never starts.
    QCOMPARE(t.prompts.texts(QStringLiteral("error")).filter(QStringLiteral("folder")).size(), 1);
    QVERIFY(control<DisplayLayer>(f, "DXDraw")->isInitialized());
    QVERIFY(!control<DisplayTimer>(f, "DXTimer")->isEnabled());
    QVERIFY(f->meshFrame()->visuals().empty());
    QTest::keyClick(f, Qt::Key_Escape);
    QVERIFY(!f->isVisible());
    QVERIFY(!QGuiApplication::overrideCursor());
    QCOMPARE(QDir::current().canonicalPath(), QDir(t.folder->path()).canonicalPath());
}

void TestScreenSaverRender::timerDrivesFrames()
{
    TestApp t;
    start(t);
    SaverWindow* f = t.w().saverWindow;
    QVERIFY(control<DisplayTimer>(f, "DXTimer")->isEnabled());
    QVERIFY(control<DisplayTimer>(f, "DXTimer")->activeOnly());
    // Test programs share one display, so another may hold the focus: tick
    // whether or not this application is the active one.
    control<DisplayTimer>(f, "DXTimer")->setActiveOnly(false);
    // Frames come from the idle loop alone, and after a second the rate shows.
    QTRY_COMPARE(control<DisplayLayer>(f, "DXDraw")->canvas().textCount(), 4);
    QTRY_VERIFY_WITH_TIMEOUT(control<DisplayTimer>(f, "DXTimer")->frameRate() > 0, 5000);
    QTRY_COMPARE_WITH_TIMEOUT(
        control<DisplayLayer>(f, "DXDraw")->canvas().text(2).text,
        QStringLiteral("FPS: %1").arg(control<DisplayTimer>(f, "DXTimer")->frameRate()), 3000);
    QTest::keyClick(f, Qt::Key_Escape);
    QVERIFY(!control<DisplayTimer>(f, "DXTimer")->isEnabled());
}

void TestScreenSaverRender::bitCounts_data()
{
    QTest::addColumn<int>("bits");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("8") << 8 << true;
    QTest::newRow("16") << 16 << true;
    QTest::newRow("24") << 24 << true;
    QTest::newRow("32") << 32 << true;
    QTest::newRow("15") << 15 << false;
    QTest::newRow("0") << 0 << false;
    QTest::newRow("64") << 64 << false;
}

void TestScreenSaverRender::bitCounts()
{
    QFETCH(int, bits);
    QFETCH(bool, accepted);
    DisplayConfig config;
    config.setBitCount(24);
    try {
        config.setBitCount(bits);
        QVERIFY(accepted);
        QCOMPARE(config.bitCount(), bits);
    } catch (const CorvaltoError& e) {
        QVERIFY(!accepted);
        QCOMPARE(e.message(), QStringLiteral("Display requires 8, 16, 24 or 32 bits"));
        QCOMPARE(config.bitCount(), 24);
    }
}

void TestScreenSaverRender::modeFailureLeavesEscWorking()
{
    TestApp t;
    SaverWindow* f = t.w().saverWindow;
    DisplayConfig& config = control<DisplayLayer>(f, "DXDraw")->config();
    config.setWidth(40000);
    config.setHeight(30000);
    // Typed text selects no resolution item, so the size above stays.
    control<QComboBox>(t.w().saverSettings, "ris")->setEditText(QStringLiteral("40000x30000"));
    driver::click(t.w().saverSettings, "Button1");
    QCOMPARE(t.prompts.texts(QStringLiteral("error")).filter(QStringLiteral("Display")),
             QStringList{QStringLiteral("Display mode cannot be changed (40000x30000 16bit).")});
    // The window stays with the pointer hidden, no scene and no ticks.
    QVERIFY(f->isVisible());
    QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::BlankCursor);
    QVERIFY(!control<DisplayLayer>(f, "DXDraw")->isInitialized());
    QVERIFY(!control<DisplayLayer>(f, "DXDraw")->canDraw());
    QVERIFY(!control<DisplayTimer>(f, "DXTimer")->isEnabled());
    f->DXTimerTimer(1);
    QCOMPARE(control<DisplayLayer>(f, "DXDraw")->canvas().textCount(), 0);

    QTest::keyClick(f, Qt::Key_Escape);
    QVERIFY(!f->isVisible());
    QVERIFY(!QGuiApplication::overrideCursor());
    QCOMPARE(QDir::current().canonicalPath(), QDir(t.folder->path()).canonicalPath());
}

void TestScreenSaverRender::softwareRenderers_data()
{
    QTest::addColumn<QString>("renderer");
    QTest::addColumn<bool>("software");
    QTest::newRow("llvmpipe") << "llvmpipe (LLVM 15.0.6, 256 bits)" << true;
    QTest::newRow("softpipe") << "softpipe" << true;
    QTest::newRow("swrast") << "Mesa DRI swrast" << true;
    QTest::newRow("Windows") << "GDI Generic" << true;
    QTest::newRow("AMD") << "AMD Radeon RX 6600 (radeonsi, navi23, LLVM 15.0.6)" << false;
    QTest::newRow("Intel") << "Mesa Intel(R) UHD Graphics 620 (KBL GT2)" << false;
    QTest::newRow("NVIDIA") << "NVIDIA GeForce GTX 1060/PCIe/SSE2" << false;
}

void TestScreenSaverRender::softwareRenderers()
{
    QFETCH(QString, renderer);
    QFETCH(bool, software);
    QCOMPARE(DisplayLayer::isSoftwareRenderer(renderer), software);
}

QTEST_MAIN(TestScreenSaverRender)
#include "test_screensaver_render.moc"
