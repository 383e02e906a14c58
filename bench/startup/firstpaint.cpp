// Loaded into a Qt program with LD_PRELOAD, this library watches the program hand its painted
// windows to the screen (QBackingStore::flush, which every widget repaint ends with). From the
// first time a window whose title contains $FIRSTPAINT_WINDOW is handed over, it counts the
// flushes of that window, and the next time the GUI thread's event loop is about to wait with
// nothing left to do (no event posted, no timer due, no window-system event waiting, so no paint
// pending either) it takes the time, checks the window's widgets against $FIRSTPAINT_EXPECT when
// that is set, and writes to the file descriptor $FIRSTPAINT_FD one line: the CLOCK_MONOTONIC
// times in nanoseconds of the window's first flush and of that idle moment, the window's flushes
// until then, its width and height, the number of its widgets and of those visible, the number of
// checks that failed, and what the first of them found; then it ends the process at once. The
// program itself is not changed. With $FIRSTPAINT_WINDOW unset it lists the title of every window
// flushed on standard error and ends nothing.
//
// $FIRSTPAINT_EXPECT names a file of checks, one a line: a widget's object name, what is checked
// and the text expected, separated by tabs. What is checked: "text" (of a label, a text box, a
// button, or the text a combo box shows), "count" (a combo box's entries), "item K" (the text of
// entry K of a combo box), or "countdown" (a combo box of as many entries as the number expected,
// reading it, one less, ... down to 1).
//
// The event loop is GLib's on Linux: nothing is left to do when its main context has no source
// ready (g_main_context_pending, found in the process, as Qt has loaded GLib).

#include <QAbstractButton>
#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QBackingStore>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QWidget>
#include <QWindow>
#include <algorithm>
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
    QPointer<QWidget> widget;
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

// What a check of $FIRSTPAINT_EXPECT finds wrong with `widget`; empty when nothing is.
QString checkFault(const QWidget *widget, const QString &what, const QString &expected)
{
    const auto *combo = qobject_cast<const QComboBox *>(widget);
    QString found;
    if (what == QLatin1String("text")) {
        if (const auto *label = qobject_cast<const QLabel *>(widget))
            found = label->text();
        else if (const auto *box = qobject_cast<const QLineEdit *>(widget))
            found = box->text();
        else if (const auto *button = qobject_cast<const QAbstractButton *>(widget))
            found = button->text();
        else if (combo)
            found = combo->currentText();
        else
            return QStringLiteral("has no text");
    } else if (what == QLatin1String("count") && combo) {
        found = QString::number(combo->count());
    } else if (what.startsWith(QLatin1String("item ")) && combo) {
        found = combo->itemText(what.mid(5).toInt());
    } else if (what == QLatin1String("countdown") && combo) {
        const int count = expected.toInt();
        if (combo->count() != count)
            return QStringLiteral("lists %1 entries, not %2").arg(combo->count()).arg(count);
        for (int k = 0; k < count; ++k)
            if (combo->itemText(k) != QString::number(count - k))
                return QStringLiteral("entry %1 reads \"%2\", not %3").arg(k).arg(combo->itemText(k)).arg(count - k);
        return {};
    } else {
        return QStringLiteral("cannot be checked for %1").arg(what);
    }
    return found == expected ? QString() : QStringLiteral("%1 \"%2\", not \"%3\"").arg(what, found, expected);
}

// The checks of $FIRSTPAINT_EXPECT on the watched window that fail, and what the first found.
std::pair<int, QString> failedChecks()
{
    const char *path = std::getenv("FIRSTPAINT_EXPECT");
    if (!path)
        return {0, {}};
    QFile file(QString::fromLocal8Bit(path));
    const QWidget *top = watched().widget;
    if (!top || !file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {1, top ? QStringLiteral("the checks cannot be read") : QStringLiteral("the window is no widget")};
    int failed = 0;
    QString first;
    for (const QByteArray &line : file.readAll().split('\n')) {
        const QStringList fields = QString::fromUtf8(line).split(u'\t');
        if (fields.size() != 3)
            continue;
        const auto *widget = fields[0] == top->objectName() ? top : top->findChild<const QWidget *>(fields[0]);
        const QString fault = widget ? checkFault(widget, fields[1], fields[2]) : QStringLiteral("is missing");
        if (!fault.isEmpty() && failed++ == 0)
            first = fields[0] + u' ' + fault;
    }
    return {failed, first};
}

// Checks the window, writes the report line and ends the process.
[[noreturn]] void report(long long idle)
{
    const Watched &w = watched();
    const auto [failed, first] = failedChecks();
    char line[1024];
    const int n = std::snprintf(line, sizeof line, "%lld %lld %ld %d %d %ld %ld %d %s\n", w.firstFlush, idle, w.flushes,
                                w.window->width(), w.window->height(), w.widgets, w.visible, failed,
                                first.simplified().left(600).toUtf8().constData());
    const char *fd = std::getenv("FIRSTPAINT_FD");
    if (n <= 0 || write(fd ? std::atoi(fd) : 1, line, std::min(static_cast<size_t>(n), sizeof line - 1)) < 0)
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
        w.widget = top;
        const auto children = top->findChildren<QWidget *>();
        w.widgets = children.size();
        for (const QWidget *child : children)
            w.visible += child->isVisible();
    }
    watchForIdle();
}
