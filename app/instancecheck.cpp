#include "app/instancecheck.h"

#include "app/application.h"
#include "platform/folders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLockFile>
#include <sys/stat.h>
#include <unistd.h>

int WindowListBox::addItem(const QString &text)
{
    items_ << text;
    data_.push_back(0);
    return listCount() - 1;
}

void WindowListBox::setItemData(int index, qint64 data)
{
    if (index >= 0 && index < listCount())
        data_[static_cast<size_t>(index)] = data;
}

qint64 WindowListBox::itemData(int index) const
{
    return (index >= 0 && index < listCount()) ? data_[static_cast<size_t>(index)] : 0;
}

bool fncIsProgramWindow(const TopLevelWindow &window, const QString &appTitle)
{
    return window.visible && window.parent == 0 && window.owner == 0 && !window.title.isEmpty()
        && window.title == appTitle;
}

int32_t fncEnumWindowsProc(const TopLevelWindow &window, WindowListBox &lst)
{
    if (!fncIsProgramWindow(window, app().gstrAppTitle))
        return 1;
    ++app().glngTitleWindowCount;
    app().gblnAlreadyRunning = app().glngTitleWindowCount > 1 ? -1 : 0;
    const int index = lst.addItem(window.title);
    lst.setItemData(index, window.handle);
    return 1;
}

int32_t fncScanProgramWindows(WindowListBox &lst)
{
    app().glngTitleWindowCount = 0;
    app().gblnAlreadyRunning = 0;
    for (const TopLevelWindow &window : fncTopLevelWindows())
        fncEnumWindowsProc(window, lst);
    return lst.listCount();
}

std::vector<TopLevelWindow> fncTopLevelWindows()
{
    std::vector<TopLevelWindow> windows;
    windows.push_back({QCoreApplication::applicationPid(), true, 0, 0, app().gstrAppTitle});
    qint64 holder = 0;
    if (!acquireInstanceLock(&holder))
        windows.push_back({holder, true, 0, 0, app().gstrAppTitle});
    return windows;
}

namespace {

// Whether what stands at `path` was made by this user (or nothing stands there any more).
bool madeByThisUser(const QString &path)
{
    struct stat st;
    return ::lstat(QFile::encodeName(path).constData(), &st) != 0 || st.st_uid == ::geteuid();
}

}  // namespace

QString instanceLockPath()
{
    return folders::runtimeFolder() + QStringLiteral("/TALVINOR-%1.lock").arg(::getuid());
}

bool acquireInstanceLock(qint64 *holder)
{
    if (app().instanceLock)
        return true;
    QDir().mkpath(folders::runtimeFolder());
    auto lock = std::make_unique<QLockFile>(instanceLockPath());
    // The lock is held for the whole run, so it must never be taken for stale because of its age;
    // a lock left by a copy that has ended is still reclaimed (its process is gone).
    lock->setStaleLockTime(0);
    if (lock->tryLock(0)) {
        app().instanceLock = std::move(lock);
        return true;
    }
    // Where the runtime folder is the temporary folder all users share, any user can make a file
    // under the lock's name: only a file of this user's is held by a copy of the program.
    if (lock->error() == QLockFile::LockFailedError && madeByThisUser(instanceLockPath())) {
        if (holder) {
            qint64 pid = 0;
            QString host, app;
            lock->getLockInfo(&pid, &host, &app);
            *holder = pid;
        }
        return false;
    }
    // The lock file cannot be made at all (no runtime folder, no permission, a file of another
    // user's in its place): the check cannot tell, and the program runs rather than refusing to
    // start.
    return true;
}

void releaseInstanceLock() { app().instanceLock.reset(); }
