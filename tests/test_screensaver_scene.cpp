// The retained-mode scene: frames, camera and viewport conventions, the meshes
// of the program folder, the frame-rate rule.
#include "core/errors.h"
#include "core/module_symbol.h"
#include "screensaver/frame.h"
#include "screensaver/mesh_builder.h"
#include "screensaver/mesh_reader.h"
#include "screensaver/saver_choices.h"
#include "screensaver/scene.h"
#include "screensaver/viewport.h"
#include "ui/display/frame_rate_counter.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <numbers>

namespace {

bool near(float a, float b, float eps = 1e-4f)
{
    return std::abs(a - b) <= eps;
}

bool near(const Vector3& a, const Vector3& b, float eps = 1e-4f)
{
    return near(a.x, b.x, eps) && near(a.y, b.y, eps) && near(a.z, b.z, eps);
}

QString programFile(const QString& relative)
{
    return QStringLiteral(CORVALTO_PROGRAM_DIR) + QLatin1Char('/') + relative;
}

} // namespace

class TestScreenSaverScene : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { setModuleFolder(QStringLiteral(CORVALTO_PROGRAM_DIR)); }
    void moduleLookup_data();
    void moduleLookup();
    void orientationFromDirectionAndUp();
    void rotationTurnsPerUnitOfTime();
    void cameraConventions_data();
    void cameraConventions();
    void meshesStayInViewWhileSpinning_data();
    void meshesStayInViewWhileSpinning();
    void missingMeshLoadsEmpty();
    void scaleKeepsNormalsUnit();
    void frameRate_data();
    void frameRate();
};

// The module is looked for in the layout's module folder alone: a good copy in
// any other folder never stands in for one that is missing or broken there.
void TestScreenSaverScene::moduleLookup_data()
{
    // "" nothing, "good" the built module, "broken" a file that is no library.
    QTest::addColumn<QString>("inFolder");
    QTest::addColumn<QString>("elsewhere");
    QTest::addColumn<QString>("reported"); // how the error starts; empty when the module loads
    QTest::newRow("in the folder") << "good"
                                   << ""
                                   << "";
    QTest::newRow("missing, a copy elsewhere") << ""
                                               << "good"
                                               << "Cannot open file ";
    QTest::newRow("broken, a copy elsewhere") << "broken"
                                              << "good"
                                              << "Il modulo ";
}

void TestScreenSaverScene::moduleLookup()
{
    QFETCH(QString, inFolder);
    QFETCH(QString, elsewhere);
    QFETCH(QString, reported);
    const QString built = QStringLiteral(CORVALTO_PROGRAM_DIR "/") + MeshReader::moduleFileName();
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("lib/corvalto"));
    const QString module = folder + QLatin1Char('/') + MeshReader::moduleFileName();
    for (const auto& [path, content] :
         {std::pair{module, inFolder},
          std::pair{dir.filePath(MeshReader::moduleFileName()), elsewhere}}) {
        QVERIFY(QDir().mkpath(QFileInfo(path).path()));
        if (content == QLatin1String("good"))
            QVERIFY(QFile::copy(built, path));
        else if (content == QLatin1String("broken"))
            QVERIFY(QFile(path).open(QIODevice::WriteOnly));
    }

    setModuleFolder(folder);
    QString error;
    MeshData data;
    try {
        QVERIFY(MeshReader::read(programFile(QStringLiteral("imm/primitive.x")), data));
    } catch (const CorvaltoError& e) {
        error = e.message();
    }
    setModuleFolder(QStringLiteral(CORVALTO_PROGRAM_DIR));
    QVERIFY2(reported.isEmpty() ? error.isEmpty() : error.startsWith(reported + module),
             qPrintable(error));
    // The loader's own words follow the module's path.
    if (reported.startsWith(QLatin1String("Il modulo")))
        QVERIFY(error.size() > (reported + module).size() + 40);
    QCOMPARE(data.indices.empty(), !reported.isEmpty());
}

void TestScreenSaverScene::orientationFromDirectionAndUp()
{
    Frame f(nullptr);
    // Direction and up need be neither unit nor square to each other.
    f.setOrientation({0.35f, -0.65f, 1.0f}, {-0.15f, 1.0f, 0.5f});
    const Matrix4 m = f.transform();
    const Vector3 x = m.row(0), y = m.row(1), z = m.row(2);
    QVERIFY(near(z, Vector3{0.35f, -0.65f, 1.0f}.normalized()));
    QVERIFY(near(dot(x, y), 0) && near(dot(y, z), 0) && near(dot(z, x), 0));
    QVERIFY(near(x.length(), 1) && near(y.length(), 1));
    // Left-handed: x = y cross z, and up keeps its side.
    QVERIFY(near(cross(y, z), x));
    QVERIFY(dot(y, {-0.15f, 1.0f, 0.5f}) > 0);

    // A degenerate pair leaves the orientation as it was.
    f.setOrientation({0, 1, 0}, {0, 2, 0});
    QVERIFY(near(f.transform().row(2), z));
}

void TestScreenSaverScene::rotationTurnsPerUnitOfTime()
{
    Scene scene;
    Frame* mesh = scene.createFrame(scene.root());
    mesh->setPosition({0, 0, 14});
    mesh->setRotation({0, 1, 0}, 0.1f);
    for (int i = 0; i < 10; ++i)
        scene.move(1.0f);
    // One radian about y, about the frame's own origin: the position stays and
    // the x axis turns towards -z (clockwise seen from above).
    const Matrix4 m = mesh->worldTransform();
    QVERIFY(near(m.row(3), {0, 0, 14}));
    QVERIFY(near(m.row(0), {std::cos(1.0f), 0, -std::sin(1.0f)}, 1e-3f));
    QVERIFY(near(m.row(1), {0, 1, 0}, 1e-3f));

    // Long runs keep the axes square and unit.
    for (int i = 0; i < 100000; ++i)
        mesh->move(1.0f);
    const Matrix4 r = mesh->transform();
    QVERIFY(near(r.row(0).length(), 1, 1e-3f));
    QVERIFY(near(dot(r.row(0), r.row(2)), 0, 1e-3f));
}

void TestScreenSaverScene::cameraConventions_data()
{
    QTest::addColumn<Vector3>("point"); // in camera coordinates
    QTest::addColumn<float>("px");
    QTest::addColumn<float>("py");
    // 640x480, front 1, field 0.5: half the width is 0.5 at distance 1.
    QTest::newRow("straight ahead") << Vector3{0, 0, 10} << 320.0f << 240.0f;
    QTest::newRow("right edge") << Vector3{5, 0, 10} << 640.0f << 240.0f;
    QTest::newRow("left edge") << Vector3{-5, 0, 10} << 0.0f << 240.0f;
    QTest::newRow("top edge") << Vector3{0, 3.75f, 10} << 320.0f << 0.0f;
    QTest::newRow("lower right") << Vector3{1, -1, 4} << 320.0f + 160.0f << 240.0f + 160.0f;
}

void TestScreenSaverScene::cameraConventions()
{
    QFETCH(Vector3, point);
    QFETCH(float, px);
    QFETCH(float, py);
    Scene scene;
    Frame* camera = scene.createFrame(scene.root());
    camera->setPosition({-5.5f, 10.0f, -2.0f});
    camera->setOrientation({0.35f, -0.65f, 1.0f}, {-0.15f, 1.0f, 0.5f});
    Viewport viewport(camera, 0, 0, 640, 480);
    QCOMPARE(viewport.front(), 1.0f);
    QCOMPARE(viewport.back(), 100.0f);
    QCOMPARE(viewport.field(), 0.5f);

    const Vector3 scenePoint = camera->worldTransform().transformPoint(point);
    float x = 0, y = 0;
    QVERIFY(viewport.project(scenePoint, x, y));
    QVERIFY2(near(x, px, 0.05f) && near(y, py, 0.05f),
             qPrintable(QStringLiteral("(%1, %2)").arg(x).arg(y)));
}

void TestScreenSaverScene::meshesStayInViewWhileSpinning_data()
{
    QTest::addColumn<int>("item");
    QTest::addColumn<bool>("ownLights");
    QTest::newRow("virmosk") << 0 << true;
    QTest::newRow("tubi") << 1 << true;
    QTest::newRow("primitive") << 2 << false;
}

void TestScreenSaverScene::meshesStayInViewWhileSpinning()
{
    QFETCH(int, item);
    QFETCH(bool, ownLights);
    ScreenSaverSettings settings;
    saver::applyObject(settings, item);

    Scene scene;
    Frame* camera = scene.createFrame(scene.root());
    camera->setPosition({float(settings.cameraPosition.x), float(settings.cameraPosition.y),
                         float(settings.cameraPosition.z)});
    camera->setOrientation({0.35f, -0.65f, 1.0f}, {-0.15f, 1.0f, 0.5f});
    Frame* meshFrame = scene.createFrame(scene.root());
    meshFrame->setPosition({0, 0, 14});
    meshFrame->setRotation({0, 1, 0}, float(2 * std::numbers::pi / 24));
    MeshBuilder* mesh = scene.createMeshBuilder();
    QVERIFY(mesh->load(programFile(settings.meshFile)));
    const float s = float(settings.meshScale.x);
    mesh->scale(s, s, s);

    bool emissive = false;
    for (const MeshBuilder::Group& g : mesh->groups())
        emissive = emissive || g.material.isEmissive();
    QCOMPARE(emissive, ownLights);

    // Through a whole turn every vertex stays on a 640x480 screen, and the
    // object covers a good part of it.
    Viewport viewport(camera, 0, 0, 640, 480);
    float minX = 1e9f, maxX = -1e9f, minY = 1e9f, maxY = -1e9f;
    for (int step = 0; step < 24; ++step) {
        const Matrix4 world = meshFrame->worldTransform();
        for (const MeshBuilder::Vertex& v : mesh->vertices()) {
            float x = 0, y = 0;
            QVERIFY(viewport.project(world.transformPoint(v.position), x, y));
            minX = std::min(minX, x);
            maxX = std::max(maxX, x);
            minY = std::min(minY, y);
            maxY = std::max(maxY, y);
        }
        scene.move(1.0f);
    }
    const QString extent =
        QStringLiteral("x %1..%2 y %3..%4").arg(minX).arg(maxX).arg(minY).arg(maxY);
    QVERIFY2(minX >= 0 && maxX <= 640 && minY >= 0 && maxY <= 480, qPrintable(extent));
    QVERIFY2(maxY - minY >= 0.5f * 480 || maxX - minX >= 0.5f * 640, qPrintable(extent));
}

void TestScreenSaverScene::missingMeshLoadsEmpty()
{
    QTemporaryDir dir;
    MeshBuilder mesh;
    QVERIFY(!mesh.load(dir.filePath(QStringLiteral("nothing.x"))));
    QVERIFY(mesh.isEmpty());

    QFile broken(dir.filePath(QStringLiteral("broken.x")));
    QVERIFY(broken.open(QIODevice::WriteOnly));
    broken.write("xof 0303txt 0032\nMesh {\n 3;\n 0;0;");
    broken.close();
    QVERIFY(!mesh.load(broken.fileName()));
    QVERIFY(mesh.isEmpty());
    mesh.scale(2, 2, 2);
    QVERIFY(mesh.isEmpty());
}

void TestScreenSaverScene::scaleKeepsNormalsUnit()
{
    MeshBuilder mesh;
    QVERIFY(mesh.load(programFile(QStringLiteral("imm/primitive.x"))));
    const Vector3 before = mesh.boundsMax();
    const int revision = mesh.revision();
    mesh.scale(4, 4, 4);
    QVERIFY(near(mesh.boundsMax(), before * 4.0f, 1e-3f));
    QVERIFY(mesh.revision() != revision);
    for (const MeshBuilder::Vertex& v : mesh.vertices())
        QVERIFY(near(v.normal.length(), 1.0f, 1e-3f));
}

void TestScreenSaverScene::frameRate_data()
{
    QTest::addColumn<QList<int>>("ticks"); // milliseconds after the restart at 0
    QTest::addColumn<int>("rate");
    QTest::newRow("no second yet") << QList<int>{100, 500, 999} << 0;
    QTest::newRow("sixty in a second") << [] {
        QList<int> t;
        for (int i = 1; i <= 60; ++i)
            t << i * 1000 / 60;
        return t;
    }() << 60;
    // Three ticks over 1400 ms: 3000 / 1400 = 2.14, to the nearest integer.
    QTest::newRow("rounded") << QList<int>{400, 900, 1400} << 2;
    // 5 * 1000 / 1100 = 4.55 rounds up.
    QTest::newRow("rounded up") << QList<int>{200, 400, 600, 800, 1100} << 5;
    // A new measurement counts only the ticks after the previous one.
    QTest::newRow("second measurement") << QList<int>{1000, 1500, 2000} << 2;
    QTest::newRow("slow ticks") << QList<int>{2500} << 0;
}

void TestScreenSaverScene::frameRate()
{
    QFETCH(QList<int>, ticks);
    QFETCH(int, rate);
    FrameRateCounter counter;
    counter.restart(0);
    for (int t : ticks)
        counter.tick(t);
    QCOMPARE(counter.rate(), rate);
}

QTEST_GUILESS_MAIN(TestScreenSaverScene)
#include "test_screensaver_scene.moc"
