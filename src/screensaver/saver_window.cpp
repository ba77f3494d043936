#include "screensaver/saver_window.h"

#include "core/errors.h"
#include "screensaver/saver_choices.h"
#include "screensaver/saver_scene.h"
#include "screensaver/scene.h"
#include "screensaver/viewport.h"
#include "shell/guard.h"
#include "ui/display/display_layer.h"
#include "ui/display/display_timer.h"
#include "ui/display/display_window.h"
#include "ui/display/override_pointer.h"
#include "ui_saver_window.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>

namespace {

const QString ZBufferOn = QStringLiteral("Z-Buffer: On");
const QString ZBufferOff = QStringLiteral("Z-Buffer: Off");
const QString RenderingHardware = QStringLiteral("Rendering: Hardware");
const QString RenderingSoftware = QStringLiteral("Rendering: Software");

} // namespace

SaverWindow::SaverWindow(AppContext& ctx, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint), m_ctx(ctx),
      m_ui(std::make_unique<Ui::SaverWindow>())
{
    setObjectName(QStringLiteral("Form7"));
    setWindowTitle(QStringLiteral("Form7"));
    m_ui->setupUi(this);

    DXDraw = m_ui->DXDraw;
    auto scene = std::make_unique<SaverScene>();
    m_scene = scene.get();
    DXDraw->setScene(std::move(scene));
    DXTimer = new DisplayTimer(this);
    DXTimer->setObjectName(QStringLiteral("DXTimer"));
    DXTimer->setInterval(0);

    // The form sees every key before the display does.
    DXDraw->surfaceWindow()->installEventFilter(this);

    connect(DXDraw, &DisplayLayer::initialized, this, &SaverWindow::DXDrawInitialize);
    connect(DXDraw, &DisplayLayer::surfaceInitialized, this, &SaverWindow::DXDrawInitializeSurface);
    connect(DXDraw, &DisplayLayer::finalized, this, &SaverWindow::DXDrawFinalize);
    connect(DXTimer, &DisplayTimer::timer, this, &SaverWindow::DXTimerTimer);
}

SaverWindow::~SaverWindow()
{
    DXDraw->surfaceWindow()->removeEventFilter(this);
    DXTimer->setEnabled(false);
    // A display still running leaves no pointer of its own and no folder behind.
    overridepointer::restore();
    if (!m_previousDir.isEmpty())
        QDir::setCurrent(m_previousDir);
}

void SaverWindow::showWindow()
{
    if (!isVisible()) {
        if (const QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen()) {
            const QRect desk = s->geometry();
            move(desk.x() + (desk.width() - width()) / 2,
                 desk.y() + (desk.height() - height()) / 2);
        }
    }
    show();
    raise();
    activateWindow();
}

void SaverWindow::start(const ScreenSaverStart& start)
{
    const int res = start.resolutionItem;
    if (res >= 0) {
        DXDraw->config().setWidth(saver::resolutionChoices()[res].width);
        DXDraw->config().setHeight(saver::resolutionChoices()[res].height);
    }
    DXDraw->config().setOption(DisplayConfig::doZBuffer, start.zBuffer);
    m_settings = start.settings;
    showWindow();
    overridepointer::set(Qt::BlankCursor);
    DXDraw->initialize();
}

void SaverWindow::setDepth(int bits)
{
    DXDraw->config().setBitCount(bits);
}

void SaverWindow::setResolutionItemSource(std::function<int()> source)
{
    m_resolutionItem = std::move(source);
}

void SaverWindow::DXDrawInitialize()
{
    guarded(m_ctx, this, [this] {
        const ScreenSaverSettings& s = m_settings;
        Scene* scene = m_scene->scene();
        Frame* root = m_scene->root();

        m_lightFrame = scene->createFrame(root);
        m_meshFrame = scene->createFrame(root);
        m_lightFrame->addLight(
            scene->createLight(Light::Type::Directional, float(s.objectLight.red),
                               float(s.objectLight.green), float(s.objectLight.blue)));
        root->addLight(scene->createLight(Light::Type::Ambient, float(s.ambientLight.red),
                                          float(s.ambientLight.green), float(s.ambientLight.blue)));
        // The light frame keeps its default orientation: the light shines along +z.
        m_lightFrame->setPosition({2.0f, 0.0f, 22.0f});

        Frame* camera = m_scene->camera();
        camera->setPosition(
            {float(s.cameraPosition.x), float(s.cameraPosition.y), float(s.cameraPosition.z)});
        camera->setOrientation({0.35f, -0.65f, 1.0f}, {-0.15f, 1.0f, 0.5f});

        m_meshFrame->setPosition({0.0f, 0.0f, 14.0f});
        m_meshFrame->setOrientation({0.0f, 0.0f, 1.0f}, {0.0f, 1.0f, 0.0f});
        m_meshFrame->setRotation({0.0f, 1.0f, 0.0f}, float(s.rotationSpeed));

        MeshBuilder* mesh = scene->createMeshBuilder();
        m_meshPath = m_ctx.programDir + s.meshFile;
        const QString folder = QFileInfo(m_meshPath).absolutePath();
        // Esc makes the directory the user's again; the dialogs resolve liste
        // and riff against it.
        if (m_previousDir.isEmpty())
            m_previousDir = QDir::currentPath();
        if (!QDir::setCurrent(folder))
            throw CorvaltoError(QStringLiteral("Cannot change to folder %1").arg(folder));
        // A missing or unreadable mesh leaves the builder empty: the scene runs
        // with its lights only.
        mesh->load(m_meshPath);
        mesh->scale(float(s.meshScale.x), float(s.meshScale.y), float(s.meshScale.z));
        m_meshFrame->addVisual(mesh);

        DXTimer->setEnabled(true);
    });
}

void SaverWindow::DXDrawInitializeSurface()
{
    RenderDevice* device = m_scene->device();
    if (DXDraw->nowOptions().testFlag(DisplayConfig::doHardware))
        device->textureQuality = RenderDevice::TextureQuality::Linear;
    device->renderMode = RenderDevice::BlendedTransparency | RenderDevice::SortedTransparency;
}

void SaverWindow::updateOverlayTexts()
{
    const int w = DXDraw->surfaceWidth();
    const int h = DXDraw->surfaceHeight();
    const int bits = DXDraw->bitCount();
    if (w != m_shownWidth || h != m_shownHeight || bits != m_shownBits) {
        m_resolutionText = QStringLiteral("Risoluzione: %1x%2x%3").arg(w).arg(h).arg(bits);
        m_shownWidth = w;
        m_shownHeight = h;
        m_shownBits = bits;
    }
    const int rate = DXTimer->frameRate();
    if (rate != m_shownRate) {
        m_fpsText = QStringLiteral("FPS: %1").arg(rate);
        m_shownRate = rate;
    }
}

void SaverWindow::DXTimerTimer(int)
{
    if (!DXDraw->canDraw())
        return;
    const int w = DXDraw->surfaceWidth();
    const int h = DXDraw->surfaceHeight();
    m_scene->viewport()->forceUpdate(0, 0, w, h);
    // The turn per tick is fixed: more frames a second spin the object faster.
    m_scene->scene()->move(1.0f);
    DXDraw->render();

    updateOverlayTexts();
    const int column = saver::overlayColumn(m_resolutionItem());
    DisplayCanvas& canvas = DXDraw->canvas();
    canvas.setTransparentBackground(true);
    canvas.setFontColour(QColor(255, 255, 255));
    canvas.setFontSize(12);
    canvas.textOut(column, 0, m_resolutionText);
    canvas.textOut(column, 15,
                   DXDraw->config().hasOption(DisplayConfig::doZBuffer) ? ZBufferOn : ZBufferOff);
    canvas.textOut(3, 0, m_fpsText);
    canvas.textOut(3, 15,
                   DXDraw->nowOptions().testFlag(DisplayConfig::doHardware) ? RenderingHardware
                                                                            : RenderingSoftware);
    canvas.release();
    DXDraw->flip();
}

void SaverWindow::DXDrawFinalize()
{
    DXTimer->setEnabled(false);
}

void SaverWindow::FormKeyDown(int key)
{
    if (key != Qt::Key_Escape)
        return;
    hide();
    if (!m_previousDir.isEmpty()) {
        QDir::setCurrent(m_previousDir);
        m_previousDir.clear();
    }
    overridepointer::restore();
    DXDraw->finalize();
}

void SaverWindow::keyPressEvent(QKeyEvent* event)
{
    FormKeyDown(event->key());
}

bool SaverWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == DXDraw->surfaceWindow() && event->type() == QEvent::KeyPress) {
        FormKeyDown(static_cast<QKeyEvent*>(event)->key());
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void SaverWindow::closeEvent(QCloseEvent* event)
{
    // Closing the display by the window system ends it as Esc does, so that no
    // hidden display keeps running with the pointer hidden.
    if (DXDraw->isInitialized() || overridepointer::isSet())
        FormKeyDown(Qt::Key_Escape);
    event->accept();
}
