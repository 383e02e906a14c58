#include "app/instancecheck.h"

#include "app/application.h"
#include "platform/folders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
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

QString instanceLockPath()
{
    return folders::runtimeFolder() + QStringLiteral("/TALVINOR-%1.lock").arg(::getuid());
}

InstanceLockFile::~InstanceLockFile() { ::close(fd_); }

bool acquireInstanceLock(qint64 *holder)
{
    if (app().instanceLock)
        return true;
    QDir().mkpath(folders::runtimeFolder());
    const int fd = ::open(QFile::encodeName(instanceLockPath()).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    // The lock file cannot be made at all (no runtime folder, no permission): the check cannot
    // tell, and the program runs rather than refusing to start.
    if (fd < 0)
        return true;
    QFile text;
    text.open(fd, QIODevice::ReadWrite, QFileDevice::DontCloseHandle);
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const bool held = errno == EWOULDBLOCK;
        // The holder's process id heads the file (0 while the holder has not written it yet).
        if (held && holder)
            *holder = text.readLine().trimmed().toLongLong();
        text.close();
        ::close(fd);
        return !held;
    }
    // The process id, for a copy that finds the lock taken, written over the one before (cutting
    // the file costs more than writing it, so only what a longer one left is cut off).
    const QByteArray pid = QByteArray::number(QCoreApplication::applicationPid()) + '\n';
    text.write(pid);
    if (text.size() > pid.size())
        text.resize(pid.size());
    text.close();
    app().instanceLock = std::make_unique<InstanceLockFile>(fd);
    return true;
}

void releaseInstanceLock() { app().instanceLock.reset(); }
