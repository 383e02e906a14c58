#pragma once
// The files of a folder that any process opens, and whether it closes them after opening them for
// writing or for reading only, as the kernel tells.

#include <QElapsedTimer>
#include <QFile>
#include <QStringList>
#include <poll.h>
#include <sys/inotify.h>
#include <unistd.h>

class FolderWatch {
public:
    explicit FolderWatch(const QString &folder) : fd_(inotify_init1(IN_NONBLOCK | IN_CLOEXEC))
    {
        inotify_add_watch(fd_, QFile::encodeName(folder).constData(), IN_OPEN | IN_CLOSE_WRITE | IN_CLOSE_NOWRITE);
    }
    ~FolderWatch() { close(fd_); }
    FolderWatch(const FolderWatch &) = delete;
    FolderWatch &operator=(const FolderWatch &) = delete;

    // Every event so far: "open NAME", "close NAME" (opened for reading only) or "close written
    // NAME". Waits up to `waitMs` for `awaited` to come.
    QStringList events(const QString &awaited = {}, int waitMs = 0)
    {
        QElapsedTimer waited;
        waited.start();
        alignas(inotify_event) char buffer[4096];
        for (;;) {
            for (ssize_t size; (size = read(fd_, buffer, sizeof buffer)) > 0;) {
                for (const char *p = buffer; p < buffer + size;) {
                    const auto *event = reinterpret_cast<const inotify_event *>(p);
                    p += sizeof(inotify_event) + event->len;
                    if (event->len == 0)
                        continue;  // the folder itself
                    const char *what = event->mask & IN_OPEN ? "open " : event->mask & IN_CLOSE_WRITE ? "close written " : "close ";
                    events_ << QLatin1String(what) + QFile::decodeName(event->name);
                }
            }
            if (awaited.isEmpty() || events_.contains(awaited) || waited.elapsed() >= waitMs)
                return events_;
            pollfd ready{fd_, POLLIN, 0};
            poll(&ready, 1, 20);
        }
    }

private:
    int fd_;
    QStringList events_;
};
