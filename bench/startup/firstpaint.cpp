// Loaded into a Qt program with LD_PRELOAD, this library watches the program hand its painted
// windows to the screen (QBackingStore::flush, which every widget repaint ends with). From the
// first time a window whose title contains $FIRSTPAINT_WINDOW is handed over, it counts the
// flushes of that window, and the next time the GUI thread's event loop is about to wait with
// nothing left to do (no event posted, no timer due, no window-system event waiting, so no paint
// pending either) it writes to the file descriptor $FIRSTPAINT_FD one line: the CLOCK_MONOTONIC
// times in nanoseconds of the window's first flush and of that idle moment, the window's flushes
// until then, its width and height, and the number of its widgets and of those visible; then it
// ends the process at once. The program itself is not changed. With $FIRSTPAINT_WINDOW unset it
// lists the title of every window flushed on standard error and ends nothing.
//
// The event loop is GLib's on Linux: nothing is left to do when its main context has no source
// ready (g_main_context_pending, found in the process, as Qt has loaded GLib).

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QBackingStore>
#include <QWidget>
#include <QWindow>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <dlfcn.h>
#include <unistd.h>

namespace {

long long monotonicNs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

// The watched window once it has been flushed: when first, how often, and what it holds.
struct Watched {
    QWindow *window = nullptr;
    long long firstFlush = 0;
    long flushes = 0;
    long widgets = 0;
    long visible = 0;
};

Watched &watched()
{
    static Watched w;
    return w;
}

// Writes the report line and ends the process.
[[noreturn]] void report(long long idle)
{
    const Watched &w = watched();
    char line[512];
    const int n = std::snprintf(line, sizeof line, "%lld %lld %ld %d %d %ld %ld\n", w.firstFlush, idle, w.flushes,
                                w.window->width(), w.window->height(), w.widgets, w.visible);
    const char *fd = std::getenv("FIRSTPAINT_FD");
    if (n <= 0 || write(fd ? std::atoi(fd) : 1, line, static_cast<size_t>(n)) < 0)
        _exit(3);
    _exit(0);
}

// From the first flush on: at every wait of the event loop, whether anything is left to do.
void watchForIdle()
{
    using Pending = int (*)(void *);
    static const auto pending = reinterpret_cast<Pending>(dlsym(RTLD_DEFAULT, "g_main_context_pending"));
    if (!pending) {
        std::fprintf(stderr, "firstpaint: the event loop is not GLib's\n");
        _exit(4);
    }
    QObject::connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, [] {
        if (!pending(nullptr))
            report(monotonicNs());
    });
}

}  // namespace

void QBackingStore::flush(const QRegion &region, QWindow *window, const QPoint &offset)
{
    using Flush = void (*)(QBackingStore *, const QRegion &, QWindow *, const QPoint &);
    static const auto real =
        reinterpret_cast<Flush>(dlsym(RTLD_NEXT, "_ZN13QBackingStore5flushERK7QRegionP7QWindowRK6QPoint"));
    real(this, region, window, offset);
    const long long now = monotonicNs();
    const QString title = window ? window->title() : QString();
    const char *wanted = std::getenv("FIRSTPAINT_WINDOW");
    if (!wanted) {
        std::fprintf(stderr, "firstpaint: %s\n", qPrintable(title));
        return;
    }
    Watched &w = watched();
    if (w.window) {
        w.flushes += window == w.window;
        return;
    }
    if (!title.contains(QString::fromUtf8(wanted)))
        return;
    w.window = window;
    w.firstFlush = now;
    w.flushes = 1;
    for (QWidget *top : QApplication::topLevelWidgets()) {
        if (top->windowHandle() != window)
            continue;
        const auto children = top->findChildren<QWidget *>();
        w.widgets = children.size();
        for (const QWidget *child : children)
            w.visible += child->isVisible();
    }
    watchForIdle();
}
