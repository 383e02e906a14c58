// Loaded into a Qt program with LD_PRELOAD, this library watches the program hand its painted
// windows to the screen (QBackingStore::flush, which every widget repaint ends with) and, the first
// time a window whose title contains $FIRSTPAINT_WINDOW is handed over, writes to the file
// descriptor $FIRSTPAINT_FD one line: the CLOCK_MONOTONIC time in nanoseconds, the window's width
// and height, and the number of its widgets and of those visible; then it ends the process at
// once. The program itself is not changed. With $FIRSTPAINT_WINDOW unset it lists the title of
// every window flushed on standard error and ends nothing.

#include <QApplication>
#include <QBackingStore>
#include <QWidget>
#include <QWindow>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <dlfcn.h>
#include <unistd.h>

void QBackingStore::flush(const QRegion &region, QWindow *window, const QPoint &offset)
{
    using Flush = void (*)(QBackingStore *, const QRegion &, QWindow *, const QPoint &);
    static const auto real =
        reinterpret_cast<Flush>(dlsym(RTLD_NEXT, "_ZN13QBackingStore5flushERK7QRegionP7QWindowRK6QPoint"));
    real(this, region, window, offset);
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    const QString title = window ? window->title() : QString();
    const char *wanted = std::getenv("FIRSTPAINT_WINDOW");
    if (!wanted) {
        std::fprintf(stderr, "firstpaint: %s\n", qPrintable(title));
        return;
    }
    if (!title.contains(QString::fromUtf8(wanted)))
        return;
    long widgets = 0, visible = 0;
    for (QWidget *top : QApplication::topLevelWidgets()) {
        if (top->windowHandle() != window)
            continue;
        const auto children = top->findChildren<QWidget *>();
        widgets = children.size();
        for (const QWidget *w : children)
            visible += w->isVisible();
    }
    char line[512];
    const int n = std::snprintf(line, sizeof line, "%lld %d %d %ld %ld\n",
                                static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec, window->width(),
                                window->height(), widgets, visible);
    const char *fd = std::getenv("FIRSTPAINT_FD");
    if (n > 0 && write(fd ? std::atoi(fd) : 1, line, static_cast<size_t>(n)) < 0)
        _exit(3);
    _exit(0);
}
