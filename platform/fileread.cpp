#include "platform/fileread.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fileread {

bool openPlain(QFile &file, const QString &path, QString *why, Links links)
{
    const auto fail = [why](const QString &reason) {
        if (why)
            *why = reason;
        return false;
    };
    // Opened without waiting: a pipe opens at once, and is then refused.
    const int fd = ::open(QFile::encodeName(path).constData(),
                          O_RDONLY | O_NONBLOCK | O_CLOEXEC | (links == Links::Refused ? O_NOFOLLOW : 0));
    if (fd < 0)
        return fail(qt_error_string(errno));
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        const int error = errno;
        ::close(fd);
        return fail(S_ISREG(st.st_mode) ? qt_error_string(error) : QStringLiteral("not a file"));
    }
    // A plain file is read as any other.
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return fail(file.errorString());
    }
    return true;
}

}  // namespace fileread
