#include "ui/display/display_layer.h"

#include "core/errors.h"
#include "ui/display/display_window.h"

#include <QGuiApplication>
#include <QOpenGLContext>
#include <QOpenGLExtraFunctions>
#include <QScreen>
#include <QVBoxLayout>

DisplayLayer::DisplayLayer(QWidget* parent) : QWidget(parent), m_window(new DisplayWindow)
{
    setObjectName(QStringLiteral("DXDraw"));
    m_container = QWidget::createWindowContainer(m_window, this);
    m_container->setObjectName(QStringLiteral("DXDrawContainer"));
    m_container->setFocusPolicy(Qt::StrongFocus);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_container);
    setFocusProxy(m_container);
}

DisplayLayer::~DisplayLayer()
{
    releaseAll();
}

void DisplayLayer::setScene(std::unique_ptr<DisplayScene> scene)
{
    finalize();
    m_scene = std::move(scene);
}

bool DisplayLayer::isSoftwareRenderer(const QString& rendererName)
{
    static const char* const software[] = {"llvmpipe",    "softpipe",
                                           "swrast",      "software rasterizer",
                                           "swiftshader", "microsoft basic render",
                                           "gdi generic", "apple software renderer"};
    for (const char* name : software) {
        if (rendererName.contains(QLatin1String(name), Qt::CaseInsensitive))
            return true;
    }
    return false;
}

void DisplayLayer::fail(const QString& message)
{
    releaseAll();
    throw CorvaltoError(message);
}

void DisplayLayer::takeOverScreen()
{
    QWidget* top = window();
    QScreen* screen = top->screen() ? top->screen() : QGuiApplication::primaryScreen();
    if (m_config.hasOption(DisplayConfig::doFullScreen)) {
        if (screen)
            top->setGeometry(screen->geometry());
        top->showFullScreen();
    } else {
        top->setWindowState(top->windowState() & ~Qt::WindowFullScreen);
        top->resize(m_config.width(), m_config.height());
        if (screen && m_config.hasOption(DisplayConfig::doCenter)) {
            const QRect desk = screen->availableGeometry();
            top->move(desk.x() + (desk.width() - m_config.width()) / 2,
                      desk.y() + (desk.height() - m_config.height()) / 2);
        }
        top->show();
    }
    top->raise();
    top->activateWindow();
    m_container->setFocus();
    if (!m_window->handle())
        m_window->create();
}

bool DisplayLayer::makeCurrent()
{
    if (!m_context)
        return false;
    if (QOpenGLContext::currentContext() == m_context.get() && m_context->surface() == m_window)
        return true;
    return m_context->makeCurrent(m_window);
}

void DisplayLayer::initialize()
{
    finalize();
    takeOverScreen();

    const QString modeError = QStringLiteral("Display mode cannot be changed (%1x%2 %3bit)")
                                  .arg(m_config.width())
                                  .arg(m_config.height())
                                  .arg(m_config.bitCount());
    m_context = std::make_unique<QOpenGLContext>();
    m_context->setFormat(m_window->requestedFormat());
    if (!m_context->create() || !makeCurrent())
        fail(QStringLiteral("3D device not found"));
    QOpenGLExtraFunctions* gl = m_context->extraFunctions();
    const bool es = m_context->isOpenGLES();
    if (!es && m_context->format().majorVersion() < 3 &&
        !m_context->hasExtension(QByteArrayLiteral("GL_ARB_framebuffer_object")))
        fail(QStringLiteral("3D device not found"));

    GLint maxSize = 0;
    gl->glGetIntegerv(GL_MAX_RENDERBUFFER_SIZE, &maxSize);
    if (m_config.width() <= 0 || m_config.height() <= 0 || m_config.width() > maxSize ||
        m_config.height() > maxSize)
        fail(modeError);
    if (!m_target.create(gl, es, m_config.width(), m_config.height(), m_config.bitCount(),
                         m_config.hasOption(DisplayConfig::doZBuffer)))
        fail(modeError);
    if ((m_scene && !m_scene->createGraphics(gl, es)) ||
        !m_canvas.create(gl, es, m_target.width(), m_target.height(), [this] {
            if (!makeCurrent())
                return false;
            m_target.bind();
            return true;
        }))
        fail(QStringLiteral("3D device not found"));

    m_rendererName =
        QString::fromLatin1(reinterpret_cast<const char*>(gl->glGetString(GL_RENDERER)));
    m_nowOptions = m_config.options();
    const bool hardware = !isSoftwareRenderer(m_rendererName);
    if (!hardware)
        m_nowOptions.setFlag(DisplayConfig::doHardware, false);
    if (m_scene)
        m_scene->begin(m_target.width(), m_target.height(),
                       hardware && m_nowOptions.testFlag(DisplayConfig::doHardware));
    m_initialized = true;

    emit initialized();
    emit surfaceInitialized();
    // The scene is built: everything it needs for drawing is made now rather
    // than on the first frame.
    if (m_initialized && m_scene && makeCurrent())
        m_scene->prepare();
}

void DisplayLayer::finalize()
{
    if (!m_initialized) {
        releaseAll();
        return;
    }
    releaseAll();
    QWidget* top = window();
    top->setWindowState(top->windowState() & ~Qt::WindowFullScreen);
    emit finalized();
}

void DisplayLayer::releaseAll()
{
    m_initialized = false;
    if (m_context && makeCurrent()) {
        m_canvas.destroy();
        if (m_scene)
            m_scene->destroyGraphics();
        m_target.destroy();
        m_context->doneCurrent();
    } else {
        // The context is lost with everything in it; only the pointers to it go.
        m_canvas.abandon();
        if (m_scene)
            m_scene->abandonGraphics();
        m_target.abandon();
    }
    if (m_scene)
        m_scene->end();
    m_context.reset();
}

bool DisplayLayer::canDraw() const
{
    return m_initialized && m_window->isExposed();
}

void DisplayLayer::render()
{
    if (!m_initialized || !makeCurrent())
        return;
    m_target.bind();
    if (m_scene)
        m_scene->draw(m_target.hasDepthBuffer());
}

void DisplayLayer::flip()
{
    if (!m_initialized || !makeCurrent())
        return;
    if (m_canvas.hasPending())
        m_canvas.release();
    QOpenGLExtraFunctions* gl = m_context->extraFunctions();
    const qreal ratio = m_window->devicePixelRatio();
    const int ww = int(m_window->width() * ratio);
    const int wh = int(m_window->height() * ratio);
    // The largest rectangle of the target's aspect ratio, centred.
    int dw = ww;
    int dh = int(qint64(ww) * m_target.height() / m_target.width());
    if (dh > wh) {
        dh = wh;
        dw = int(qint64(wh) * m_target.width() / m_target.height());
    }
    const QRect dest((ww - dw) / 2, (wh - dh) / 2, dw, dh);
    const GLuint screen = m_context->defaultFramebufferObject();
    gl->glBindFramebuffer(GL_FRAMEBUFFER, screen);
    if (dw != ww || dh != wh) {
        gl->glViewport(0, 0, ww, wh);
        gl->glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
        gl->glClear(GL_COLOR_BUFFER_BIT);
    }
    m_target.presentTo(screen, dest);
    m_context->swapBuffers(m_window);
}

QImage DisplayLayer::grabSurface()
{
    if (!m_initialized || !makeCurrent())
        return {};
    return m_target.read();
}
