#include "bench.h"

#include "app/corvalto_app.h"
#include "core/app_context.h"
#include "screensaver/saver_choices.h"
#include "screensaver/saver_scene.h"
#include "screensaver/saver_settings_window.h"
#include "screensaver/saver_window.h"
#include "support/scripted_prompts.h"
#include "ui/display/display_layer.h"
#include "ui/display/display_timer.h"
#include "ui/display/display_window.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QOpenGLContext>
#include <QOpenGLFunctions>
#include <QRadioButton>
#include <QWindow>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <dlfcn.h>
#include <iostream>
#include <map>
#include <string>
#include <tuple>

// Allocation count of the main thread: the C allocator is wrapped so that
// every malloc, calloc and realloc there (C++ new included) is counted. Left
// out under AddressSanitizer, which owns the allocator itself.
#if defined(__SANITIZE_ADDRESS__)
#define CORVALTO_COUNT_ALLOCATIONS 0
#else
#define CORVALTO_COUNT_ALLOCATIONS 1
#endif

#if CORVALTO_COUNT_ALLOCATIONS
extern "C" {
void* __libc_malloc(size_t);
void* __libc_calloc(size_t, size_t);
void* __libc_realloc(void*, size_t);
void __libc_free(void*);
}

namespace {
thread_local bool t_counting = false;
std::atomic<long> g_allocations{0};

// Who called the allocator, by return address, for the report of which library
// allocates per frame; only the counting thread writes here.
struct Caller
{
    void* address;
    long count;
};
Caller g_callers[512];
int g_callerCount = 0;

inline void countAllocation(void* caller)
{
    if (!t_counting)
        return;
    g_allocations.fetch_add(1, std::memory_order_relaxed);
    for (int i = 0; i < g_callerCount; ++i) {
        if (g_callers[i].address == caller) {
            ++g_callers[i].count;
            return;
        }
    }
    if (g_callerCount < 512)
        g_callers[g_callerCount++] = {caller, 1};
}
} // namespace

extern "C" {
void* malloc(size_t size)
{
    countAllocation(__builtin_return_address(0));
    return __libc_malloc(size);
}
void* calloc(size_t n, size_t size)
{
    countAllocation(__builtin_return_address(0));
    return __libc_calloc(n, size);
}
void* realloc(void* p, size_t size)
{
    countAllocation(__builtin_return_address(0));
    return __libc_realloc(p, size);
}
void free(void* p)
{
    __libc_free(p);
}
}
#endif

namespace {

struct AllocationCount
{
    AllocationCount()
    {
#if CORVALTO_COUNT_ALLOCATIONS
        m_start = g_allocations.load();
        t_counting = true;
#endif
    }
    long stop()
    {
#if CORVALTO_COUNT_ALLOCATIONS
        t_counting = false;
        return g_allocations.load() - m_start;
#else
        return -1;
#endif
    }
    long m_start = 0;
};

struct Run
{
    double fps = 0;
    double allocationsPerFrame = 0;
    // Processor time of the whole program per frame, the renderer's drawing
    // threads included: steadier than frame rates on a shared machine.
    double cpuMsPerFrame = 0;
    // Allocations per frame by the library that called the allocator.
    std::string byLibrary;
};

void resetCallers()
{
#if CORVALTO_COUNT_ALLOCATIONS
    g_callerCount = 0;
#endif
}

std::string callersPerFrame(long frames)
{
    std::string out;
#if CORVALTO_COUNT_ALLOCATIONS
    std::map<std::string, long> byLibrary;
    for (int i = 0; i < g_callerCount; ++i) {
        Dl_info info{};
        std::string name = "?";
        if (dladdr(g_callers[i].address, &info) && info.dli_fname) {
            name = info.dli_fname;
            name = name.substr(name.find_last_of('/') + 1);
        }
        byLibrary[name] += g_callers[i].count;
    }
    for (const auto& [name, count] : byLibrary) {
        char buf[160];
        std::snprintf(buf, sizeof buf, "%s%s %.1f", out.empty() ? "" : ", ", name.c_str(),
                      double(count) / double(frames));
        out += buf;
    }
#else
    (void)frames;
#endif
    return out;
}

// Runs frame until about budgetMs have passed, events handled between frames
// as the idle loop does.
template <typename Frame> Run measure(Frame&& frame, double budgetMs)
{
    for (int i = 0; i < 10; ++i) {
        frame();
        QApplication::processEvents();
    }
    std::vector<double> samples;
    long allocations = 0;
    long frames = 0;
    resetCallers();
    timespec cpuStart{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &cpuStart);
    for (int sample = 0; sample < 3; ++sample) {
        QElapsedTimer timer;
        timer.start();
        int n = 0;
        AllocationCount count;
        while (timer.nsecsElapsed() < budgetMs * 1e6 / 3) {
            frame();
            ++n;
        }
        allocations += count.stop();
        frames += n;
        samples.push_back(n * 1e9 / double(timer.nsecsElapsed()));
        QApplication::processEvents();
    }
    timespec cpuEnd{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &cpuEnd);
    const double cpuMs =
        (cpuEnd.tv_sec - cpuStart.tv_sec) * 1e3 + (cpuEnd.tv_nsec - cpuStart.tv_nsec) / 1e6;
    return {bench::median(samples), double(allocations) / double(frames), cpuMs / double(frames),
            callersPerFrame(frames)};
}

// The floor: a window of the same size and format as the display's, cleared
// and presented, nothing else.
Run floorRun(int width, int height, double budgetMs)
{
    DisplayWindow window;
    window.resize(width, height);
    window.show();
    QElapsedTimer wait;
    wait.start();
    while (!window.isExposed() && wait.elapsed() < 5000)
        QApplication::processEvents();
    QOpenGLContext context;
    context.setFormat(window.requestedFormat());
    if (!context.create() || !context.makeCurrent(&window))
        return {};
    QOpenGLFunctions* gl = context.functions();
    int k = 0;
    const Run r = measure(
        [&] {
            context.makeCurrent(&window);
            gl->glViewport(0, 0, width, height);
            gl->glClearColor(0.0f, 0.0f, (++k % 2) * 0.1f, 1.0f);
            gl->glClear(GL_COLOR_BUFFER_BIT);
            context.swapBuffers(&window);
        },
        budgetMs);
    context.doneCurrent();
    return r;
}

// Makes the display's window the given size (a screen of that size, without
// needing one) and waits until its surface has it.
void presentOn(QWidget* top, DisplayWindow* surface, const QSize& screen)
{
    if (screen.isEmpty())
        return;
    top->resize(screen);
    QElapsedTimer wait;
    wait.start();
    while (surface->size() != screen && wait.elapsed() < 5000)
        QApplication::processEvents();
}

// The display layer's own floor: its back buffer (the off-screen target of the
// mode's size and depth) cleared and flipped, with no scene and no text.
Run layerFloorRun(int width, int height, int bits, double budgetMs, QSize screen = {})
{
    DisplayLayer layer;
    layer.setScene(std::make_unique<SaverScene>());
    layer.config().setWidth(width);
    layer.config().setHeight(height);
    layer.config().setBitCount(bits);
    layer.config().setOption(DisplayConfig::doFullScreen, false);
    layer.config().setOption(DisplayConfig::doZBuffer, true);
    layer.initialize();
    QElapsedTimer wait;
    wait.start();
    while (!layer.canDraw() && wait.elapsed() < 5000)
        QApplication::processEvents();
    presentOn(&layer, layer.surfaceWindow(), screen);
    const Run r = measure(
        [&] {
            layer.render();
            layer.flip();
        },
        budgetMs);
    layer.finalize();
    return r;
}

struct SaverSetup
{
    int object;
    int resolution;
    const char* bitButton;
    bool fullScreen;
    // The size the mode is scaled onto; empty for the mode's own size.
    QSize screen = {};
};

// The screen saver's own frame step on a running display, started through the
// settings window as a user does.
Run saverRun(const SaverSetup& setup, double budgetMs, int* idleRate)
{
    bench::Program program;
    SaverSettingsWindow* f6 = program.app->windows().saverSettings;
    SaverWindow* f7 = program.app->windows().saverWindow;
    auto* display = f7->findChild<DisplayLayer*>(QStringLiteral("DXDraw"));
    auto* timer = f7->findChild<DisplayTimer*>(QStringLiteral("DXTimer"));
    f6->findChild<QComboBox*>(QStringLiteral("ogg"))->setCurrentIndex(setup.object);
    f6->findChild<QComboBox*>(QStringLiteral("ris"))->setCurrentIndex(setup.resolution);
    f6->findChild<QRadioButton*>(QLatin1String(setup.bitButton))->setChecked(true);
    // Windowed, the display is exactly the mode's size, like the floor.
    display->config().setOption(DisplayConfig::doFullScreen, setup.fullScreen);
    f6->Button1Click();
    QElapsedTimer wait;
    wait.start();
    while (!display->canDraw() && wait.elapsed() < 5000)
        QApplication::processEvents();
    if (!display->canDraw()) {
        std::cout << "display did not start: "
                  << program.prompts.texts(QStringLiteral("error")).join(' ').toStdString()
                  << std::endl;
        return {};
    }
    // The timer is the program's; here the frame step is driven directly.
    timer->setEnabled(false);
    presentOn(f7, display->surfaceWindow(), setup.screen);
    const Run r = measure([&] { f7->DXTimerTimer(1); }, budgetMs);

    if (idleRate) {
        // The same display driven by its own idle timer, as the user sees it.
        f7->activateWindow();
        timer->setActiveOnly(false);
        timer->setEnabled(true);
        QElapsedTimer run;
        run.start();
        while (run.elapsed() < 2200)
            QApplication::processEvents();
        *idleRate = timer->frameRate();
    }
    f7->FormKeyDown(Qt::Key_Escape);
    return r;
}

void screenSaverBench()
{
    struct Size
    {
        int width, height, item;
    };
    const Size sizes[] = {{640, 480, 0}, {1600, 1200, 5}};
    const char* objects[] = {"Virmosk", "Tubi", "Primitive"};
    const double budget = 1500;
    std::printf("Frames per second on this machine's OpenGL, the display windowed at the "
                "mode's size.\n"
                "  window floor: a bare window of that size cleared and presented;\n"
                "  layer floor:  the display layer's back buffer (the off-screen target of "
                "the mode) cleared and flipped, no scene, no text;\n"
                "  renderer:     the screen saver's frame step (move, render, four texts, "
                "flip) started through the settings window.\n"
                "  Allocations are counted on the drawing thread, by calling library.\n");
    for (const Size& s : sizes) {
        const Run window = floorRun(s.width, s.height, budget);
        std::printf("%dx%d window floor: %.0f fps; %.1f allocations/frame (%s)\n", s.width,
                    s.height, window.fps, window.allocationsPerFrame, window.byLibrary.c_str());
        for (int bits : {16, 32}) {
            const Run layer = layerFloorRun(s.width, s.height, bits, budget);
            std::printf("%dx%dx%d layer floor: %.0f fps; %.1f allocations/frame (%s)\n", s.width,
                        s.height, bits, layer.fps, layer.allocationsPerFrame,
                        layer.byLibrary.c_str());
            const char* button = bits == 16 ? "bit16" : "bit32";
            for (int object = 0; object < 3; ++object) {
                int idle = 0;
                const Run r = saverRun({object, s.item, button, false}, budget,
                                       object == 1 ? &idle : nullptr);
                std::printf("%dx%dx%d %-9s renderer: %.0f fps, window floor/renderer %.1fx, "
                            "layer floor/renderer %.1fx; %.1f allocations/frame (%s)",
                            s.width, s.height, bits, objects[object], r.fps,
                            r.fps > 0 ? window.fps / r.fps : 0.0,
                            r.fps > 0 ? layer.fps / r.fps : 0.0, r.allocationsPerFrame,
                            r.byLibrary.c_str());
                if (object == 1)
                    std::printf("; its own idle timer shows FPS %d", idle);
                std::printf("\n");
            }
        }
        std::fflush(stdout);
    }
    // Every mode scaled onto a 1920x1080 screen (a window of that size), against
    // the layer's floor at the same mode and size. Target: at least 60 fps, and
    // within 1.5x of the floor.
    const QSize screen(1920, 1080);
    std::printf("Every mode presented on %dx%d, Tubi, z-buffer on (targets: >= 60 fps, "
                "renderer within 1.5x of the layer floor):\n",
                screen.width(), screen.height());
    double worstFps = 1e9;
    double worstRatio = 0;
    for (int item = 0; item < int(saver::resolutionChoices().size()); ++item) {
        const saver::ResolutionChoice& mode = saver::resolutionChoices()[item];
        for (int bits : {16, 24, 32}) {
            const Run layer = layerFloorRun(mode.width, mode.height, bits, 600, screen);
            const char* button = bits == 16 ? "bit16" : bits == 24 ? "bit24" : "bit32";
            const Run r = saverRun({1, item, button, false, screen}, 600, nullptr);
            const double ratio = r.fps > 0 ? layer.fps / r.fps : 0.0;
            worstFps = std::min(worstFps, r.fps);
            worstRatio = std::max(worstRatio, ratio);
            std::printf("%dx1080 %dx%dx%d: layer floor %.0f fps (%.1f ms processor time/frame), "
                        "renderer %.0f fps (%.1f ms), floor/renderer %.2fx\n",
                        screen.width(), mode.width, mode.height, bits, layer.fps,
                        layer.cpuMsPerFrame, r.fps, r.cpuMsPerFrame, ratio);
        }
        std::fflush(stdout);
    }
    std::printf("%dx%d, every mode: slowest %.0f fps (%s), largest floor/renderer %.2fx (%s)\n",
                screen.width(), screen.height(), worstFps, worstFps >= 60 ? "met" : "MISSED",
                worstRatio, worstRatio <= 1.5 ? "met" : "MISSED");
    // Full screen, the mode scaled onto the whole screen.
    for (const Size& s : sizes) {
        const Run r = saverRun({1, s.item, "bit16", true}, budget, nullptr);
        std::printf("full screen, %dx%dx16 Tubi scaled to the screen: %.0f fps\n", s.width,
                    s.height, r.fps);
    }
    std::fflush(stdout);
}

} // namespace

CORVALTO_BENCH("screensaver", screenSaverBench);

namespace {

// A quick look at the present path alone: the layer's floor for the smallest
// and largest modes on a 1920x1080 screen, and one renderer row.
void presentBench()
{
    const QSize screen(1920, 1080);
    const Run window = floorRun(screen.width(), screen.height(), 1500);
    std::printf("%dx1080 window floor %.0f fps\n", screen.width(), window.fps);
    for (const auto& [w, h, bits] : {std::tuple{640, 480, 16}, std::tuple{640, 480, 32},
                                     std::tuple{1600, 1200, 16}, std::tuple{1600, 1200, 32}}) {
        const Run layer = layerFloorRun(w, h, bits, 1500, screen);
        std::printf("%dx1080 %dx%dx%d: layer floor %.0f fps, %.2f ms processor time/frame\n",
                    screen.width(), w, h, bits, layer.fps, layer.cpuMsPerFrame);
    }
    const Run r = saverRun({1, 0, "bit16", false, screen}, 1500, nullptr);
    std::printf("%dx1080 640x480x16 Tubi renderer %.0f fps, %.2f ms processor time/frame\n",
                screen.width(), r.fps, r.cpuMsPerFrame);
    std::fflush(stdout);
}

} // namespace

CORVALTO_BENCH("present: the display layer's floor on 1920x1080", presentBench);
