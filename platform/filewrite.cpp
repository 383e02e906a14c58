#include "platform/filewrite.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <cstring>
#include <memory>
#include <unistd.h>

namespace filewrite {

Fault faultOf(int e)
{
    switch (e) {
    case 0: return Fault::Other;
    case ENOSPC:
    case EFBIG:
    case EDQUOT: return Fault::NoRoom;
    case EACCES:
    case EPERM:
    case EROFS:
    case ETXTBSY: return Fault::ReadOnly;
    case ENOENT:
    case ENOTDIR: return Fault::Missing;
    case EIO: return Fault::Device;
    default: return Fault::Other;
    }
}

namespace {

bool fail(Error *error, const QString &path, const QString &what, int e)
{
    if (error) {
        error->fault = faultOf(e);
        const QString reason = e ? QString::fromLocal8Bit(std::strerror(e)) : what;
        error->detail = QStringLiteral("%1: %2").arg(path, reason);
    }
    return false;
}

// The new contents in the temporary file, written and flushed; nothing when that failed (the
// temporary file is gone again).
std::unique_ptr<QSaveFile> prepare(const QString &path, const QByteArray &bytes, Error *error)
{
    auto file = std::make_unique<QSaveFile>(path);
    errno = 0;
    if (!file->open(QIODevice::WriteOnly)) {
        fail(error, path, file->errorString(), errno);
        return nullptr;
    }
    errno = 0;
    // The bytes may sit in Qt's buffer after write(); only the flush shows that they reached the
    // file, and commit() does not always report a failed flush.
    const bool written = file->write(bytes) == bytes.size();
    const int writeErrno = errno;
    errno = 0;
    const bool flushed = written && file->flush();
    const int flushErrno = errno;
    if (!written || !flushed || file->error() != QFileDevice::NoError) {
        fail(error, path, file->errorString(), written ? flushErrno : writeErrno);
        file->cancelWriting();
        return nullptr;
    }
    return file;
}

bool commit(QSaveFile &file, Error *error)
{
    errno = 0;
    if (file.error() != QFileDevice::NoError || !file.commit())
        return fail(error, file.fileName(), file.errorString(), errno);
    return true;
}

// Keeps the present contents of `path` aside until a change of it is known to stand.
class Backup {
public:
    explicit Backup(const QString &path) : path_(path)
    {
        existed_ = QFileInfo(path).isFile();
        if (!existed_)
            return;
        // A second name for the same data costs no room; where the file system has no such
        // names, the bytes are kept in memory.
        aside_ = path + QStringLiteral(".old~");
        QFile::remove(aside_);
        linked_ = ::link(QFile::encodeName(path).constData(), QFile::encodeName(aside_).constData()) == 0;
        if (!linked_) {
            QFile file(path);
            if (file.open(QIODevice::ReadOnly)) {
                bytes_ = file.readAll();
                read_ = file.error() == QFileDevice::NoError;
            }
        }
    }
    ~Backup()
    {
        if (linked_)
            QFile::remove(aside_);
    }
    bool usable() const { return !existed_ || linked_ || read_; }

    // Puts the old contents back (or removes a file that did not exist before).
    void restore()
    {
        if (!existed_) {
            QFile::remove(path_);
        } else if (linked_) {
            if (::rename(QFile::encodeName(aside_).constData(), QFile::encodeName(path_).constData()) == 0)
                linked_ = false;
        } else if (read_) {
            writeWhole(path_, bytes_);
        }
    }

private:
    QString path_;
    QString aside_;
    QByteArray bytes_;
    bool existed_ = false;
    bool linked_ = false;
    bool read_ = false;
};

}  // namespace

bool writeWhole(const QString &path, const QByteArray &bytes, Error *error)
{
    auto file = prepare(path, bytes, error);
    return file && commit(*file, error);
}

bool writePair(const QString &firstPath, const QByteArray &first, const QString &secondPath,
               const QByteArray &second, Error *error)
{
    auto a = prepare(firstPath, first, error);
    if (!a)
        return false;
    auto b = prepare(secondPath, second, error);
    if (!b)
        return false;
    Backup old(firstPath);
    if (!old.usable())
        return fail(error, firstPath, QStringLiteral("cannot be read"), errno);
    if (!commit(*a, error))
        return false;
    if (!commit(*b, error)) {
        old.restore();
        return false;
    }
    return true;
}

}  // namespace filewrite
