#include "platform/filewrite.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <optional>
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

const QString kAside = QStringLiteral(".old~");
const QString kNote = QStringLiteral(".pair~");

void (*stepHook)(Step) = nullptr;

void reached(Step step)
{
    if (stepHook)
        stepHook(step);
}

// True when `path` is gone (or never was).
bool removed(const QString &path) { return QFile::remove(path) || !QFileInfo::exists(path); }

std::optional<QByteArray> readWhole(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return bytes;
}

QByteArray digest(const QByteArray &bytes) { return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex(); }

// Makes the names of the folders of `paths` (files made, renamed or removed there) stand on the
// disk, not only the data of the files.
bool syncFolders(const QStringList &paths, Error *error)
{
    QStringList folders;
    for (const QString &path : paths) {
        const QString folder = QFileInfo(path).absolutePath();
        if (folders.contains(folder))
            continue;
        folders << folder;
        errno = 0;
        const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        const bool synced = fd >= 0 && ::fsync(fd) == 0;
        const int e = errno;
        if (fd >= 0)
            ::close(fd);
        if (!synced)
            return fail(error, folder, QStringLiteral("cannot be synced"), e);
    }
    return true;
}

// Puts the old contents kept aside back in place of `path`, or removes `path` when it did not
// exist before.
bool putBack(const QString &path, bool existed)
{
    if (!existed)
        return removed(path);
    return ::rename(QFile::encodeName(path + kAside).constData(), QFile::encodeName(path).constData()) == 0;
}

// The present contents of `path` kept on disk as "<path>.old~" until a change of it is known to
// stand; a file that does not exist is remembered as such.
class Backup {
public:
    explicit Backup(const QString &path) : path_(path), aside_(path + kAside) {}

    bool take(Error *error)
    {
        existed_ = QFileInfo(path_).isFile();
        // An old copy left by an earlier write must not pass for this file's.
        if (!removed(aside_))
            return fail(error, aside_, QStringLiteral("cannot be removed"), errno);
        if (!existed_)
            return true;
        // A second name for the same data costs no room; where the file system has no such names,
        // a copy.
        held_ = ::link(QFile::encodeName(path_).constData(), QFile::encodeName(aside_).constData()) == 0 ||
                copy(error);
        return held_;
    }
    bool existed() const { return existed_; }

    // Puts the old contents back (removes a file that did not exist before).
    bool restore()
    {
        if (!putBack(path_, existed_))
            return false;
        held_ = false;
        return true;
    }
    // The old contents are no longer needed.
    void drop()
    {
        if (held_)
            QFile::remove(aside_);
        held_ = false;
    }

private:
    bool copy(Error *error)
    {
        const std::optional<QByteArray> bytes = readWhole(path_);
        if (!bytes)
            return fail(error, path_, QStringLiteral("cannot be read"), errno);
        QFile file(aside_);
        errno = 0;
        if (file.open(QIODevice::WriteOnly) && file.write(*bytes) == bytes->size() && file.flush() &&
            ::fsync(file.handle()) == 0)
            return true;
        const int e = errno;
        file.remove();
        return fail(error, aside_, file.errorString(), e);
    }

    QString path_;
    QString aside_;
    bool existed_ = false;
    bool held_ = false;
};

// The note of a pair being written, beside its first file: the second file's name (from the
// first file's folder), the digest of the second file's new contents, and whether the first file
// existed ("1") or not ("0"), a line each.
QByteArray noteBytes(const QString &firstPath, const QString &secondPath, const QByteArray &second, bool existed)
{
    const QString secondName = QFileInfo(firstPath).absoluteDir().relativeFilePath(secondPath);
    return secondName.toUtf8() + '\n' + digest(second) + '\n' + (existed ? "1" : "0") + '\n';
}

// After a note was made: the note goes, and with it the old contents kept aside; where the note
// cannot go the old contents stay for the next recovery.
void settle(const QString &note, Backup &old)
{
    if (removed(note))
        old.drop();
}

// The pair whose note lies beside `first`: when the second file does not hold what the note says
// it was to hold, the pair never got further than its first file, which goes back to its old
// contents (or away, when it is new). The note goes once the pair is whole.
void recoverPair(const QDir &folder, const QString &first)
{
    const QString firstPath = folder.filePath(first);
    const QString note = firstPath + kNote;
    const QList<QByteArray> lines = readWhole(note).value_or(QByteArray()).split('\n');
    if (lines.size() != 4 || !lines[3].isEmpty())
        return;  // no note this program made
    const std::optional<QByteArray> second = readWhole(folder.filePath(QString::fromUtf8(lines[0])));
    const bool existed = lines[2] == "1";
    // (Old contents that are gone were taken away after the note was: the pair was whole.)
    if ((!second || digest(*second) != lines[1]) && (!existed || QFileInfo::exists(firstPath + kAside)) &&
        !putBack(firstPath, existed))
        return;
    QFile::remove(note);
}

// A file a cut-short write left behind: a temporary file (QSaveFile names it after its file and
// six letters) of a file the program writes or of a note, or old contents kept aside that no note
// still needs. A name the program writes itself is never one (a ticket whose name holds a dot).
bool isLeftover(const QDir &folder, const QString &name, const std::function<bool(const QString &)> &written)
{
    if (written(name))
        return false;
    if (name.endsWith(kAside)) {
        const QString file = name.chopped(kAside.size());
        return written(file) && !QFileInfo::exists(folder.filePath(file + kNote));
    }
    static const QRegularExpression temporary(QStringLiteral("^(.+)\\.[A-Za-z]{6}$"));
    const QRegularExpressionMatch match = temporary.match(name);
    if (!match.hasMatch())
        return false;
    const QString file = match.captured(1);
    return written(file) || (file.endsWith(kNote) && written(file.chopped(kNote.size())));
}

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
    // The old first file and the note stand on the disk before anything is replaced.
    Backup old(firstPath);
    const QString note = firstPath + kNote;
    if (!old.take(error) || !writeWhole(note, noteBytes(firstPath, secondPath, second, old.existed()), error) ||
        !syncFolders({firstPath}, error)) {
        settle(note, old);
        return false;
    }
    reached(Step::Prepared);
    if (!commit(*a, error)) {
        settle(note, old);
        return false;
    }
    reached(Step::FirstCommitted);
    if (!commit(*b, error)) {
        if (old.restore())
            settle(note, old);
        return false;
    }
    reached(Step::SecondCommitted);
    // The note goes only once both new files stand on the disk; until then the next recovery
    // judges the pair by the second file.
    if (syncFolders({firstPath, secondPath}, nullptr))
        settle(note, old);
    return true;
}

void recoverFolder(const QString &folder, const std::function<bool(const QString &name)> &written)
{
    const QDir dir(folder);
    const auto names = [&] { return dir.entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Unsorted); };
    for (const QString &name : names()) {
        if (name.endsWith(kNote) && written(name.chopped(kNote.size())))
            recoverPair(dir, name.chopped(kNote.size()));
    }
    for (const QString &name : names()) {
        if (isLeftover(dir, name, written))
            QFile::remove(dir.filePath(name));
    }
}

void setStepHook(void (*hook)(Step)) { stepHook = hook; }

qsizetype longestNameWritten(const QString &fileName)
{
    // QSaveFile writes "<name>.XXXXXX" and puts it in the file's place.
    const qsizetype temporary = QStringLiteral(".XXXXXX").size();
    return QFile::encodeName(fileName).size() + qMax(temporary, qMax(kAside.size(), kNote.size() + temporary));
}

}  // namespace filewrite
