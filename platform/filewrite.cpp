#include "platform/filewrite.h"

#include "platform/fileread.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <optional>
#include <sys/stat.h>
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

// What the program makes beside a file it writes: the file's new contents until they take its
// place; and for the first file of a pair, its old contents until the pair stands, the note of
// the write and the note's new contents.
const QString kTemporary = QStringLiteral(".TALVINOR-new");
const QString kOldCopy = QStringLiteral(".TALVINOR-old");
const QString kNote = QStringLiteral(".TALVINOR-pair");
const QString kNoteTemporary = QStringLiteral(".TALVINOR-note");
// The folder's write lock.
const QString kLockName = QStringLiteral(".TALVINOR-write.lock");
// How long a write or a recovery waits for another copy of the program to end its own there.
constexpr int kLockWaitMs = 5000;
// No note the program writes is longer.
constexpr qsizetype kLongestNote = 4096;

bool fail(Error *error, const QString &path, const QString &what, int e)
{
    if (error) {
        error->replaced = false;
        error->fault = faultOf(e);
        const QString reason = e ? QString::fromLocal8Bit(std::strerror(e)) : what;
        error->detail = QStringLiteral("%1: %2").arg(path, reason);
    }
    return false;
}

QByteArray native(const QString &path) { return QFile::encodeName(path); }

void (*stepHook)(Step) = nullptr;
int (*folderSync)(int) = ::fsync;

void reached(Step step)
{
    if (stepHook)
        stepHook(step);
}

// 0 when `sync` brought what `fd` holds to the disk, else the errno of its failure. A file
// system that cannot sync it (it refuses with EINVAL, or as not supported) keeps it its own way:
// that is no failure.
int syncFailure(int fd, int (*sync)(int))
{
    while (sync(fd) != 0) {
        switch (errno) {
        case EINTR: continue;
        case EINVAL:
        case EOPNOTSUPP:  // ENOTSUP too
        case ENOSYS: return 0;
        default: return errno;
        }
    }
    return 0;
}

// Makes the names in `folder` (files made, renamed or removed there) stand on the disk, not only
// the data of the files.
bool syncFolder(const QString &folder, Error *error)
{
    const int fd = ::open(native(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return fail(error, folder, QStringLiteral("cannot be synced"), errno);
    const int e = syncFailure(fd, folderSync);
    ::close(fd);
    return e == 0 || fail(error, folder, QStringLiteral("cannot be synced"), e);
}

// True when nothing stands at `path` any more (or nothing could stand there); errno tells why not.
bool removed(const QString &path)
{
    return ::unlink(native(path).constData()) == 0 || errno == ENOENT || errno == ENAMETOOLONG || errno == ENOTDIR;
}

bool renamed(const QString &from, const QString &to, Error *error)
{
    return ::rename(native(from).constData(), native(to).constData()) == 0 || fail(error, to, {}, errno);
}

// Whether anything stands at `path`, links not followed.
bool stands(const QString &path)
{
    struct stat st;
    return ::lstat(native(path).constData(), &st) == 0 || errno != ENOENT;
}

// The contents of the plain file `path` (not a link, a folder or a pipe), when it can be read and
// holds at most `limit` bytes.
std::optional<QByteArray> readPlain(const QString &path, qsizetype limit = -1)
{
    QFile file;
    if (!fileread::openPlain(file, path, nullptr, fileread::Links::Refused) || (limit >= 0 && file.size() > limit))
        return std::nullopt;
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return bytes;
}

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

// Whether `path` may be replaced (or removed): it is no folder, and can be written where it
// exists, by the rights the process holds now (a read-only file stays).
bool replaceable(const QString &path, Error *error)
{
    struct stat st;
    if (::stat(native(path).constData(), &st) != 0)
        return true;  // nothing stands there (a failure to look is the write's to tell)
    if (S_ISDIR(st.st_mode))
        return fail(error, path, {}, EISDIR);
    return ::faccessat(AT_FDCWD, native(path).constData(), W_OK, AT_EACCESS) == 0 || fail(error, path, {}, errno);
}

// Writes `bytes` to the file `path`, made anew: its name is one the program gives its own files
// beside a file it writes, so that whatever stands there was left by a write cut short. Every
// byte and the sync are checked; the file takes the permissions of `like` where that exists.
bool writeNew(const QString &path, const QByteArray &bytes, const QString &like, Error *error)
{
    if (!removed(path))
        return fail(error, path, {}, errno);
    const int fd = ::open(native(path).constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0)
        return fail(error, path, {}, errno);
    int e = 0;
    struct stat st;
    if (!like.isEmpty() && ::stat(native(like).constData(), &st) == 0 && ::fchmod(fd, st.st_mode & 07777) != 0)
        e = errno;
    for (qsizetype done = 0; e == 0 && done < bytes.size();) {
        const ssize_t n = ::write(fd, bytes.constData() + done, static_cast<size_t>(bytes.size() - done));
        if (n > 0)
            done += n;
        else if (n == 0 || errno != EINTR)
            e = n == 0 ? EIO : errno;
    }
    if (e == 0)
        e = syncFailure(fd, ::fsync);
    if (::close(fd) != 0 && e == 0 && errno != EINTR)
        e = errno;
    if (e == 0)
        return true;
    removed(path);
    return fail(error, path, {}, e);
}

// `path` replaced with `bytes` through the file `temporary` beside it, the folder synced after.
bool replace(const QString &path, const QByteArray &bytes, const QString &temporary, Error *error)
{
    if (!replaceable(path, error) || !writeNew(temporary, bytes, path, error))
        return false;
    if (!renamed(temporary, path, error)) {
        removed(temporary);
        return false;
    }
    return syncFolder(QFileInfo(path).absolutePath(), error);
}

// The write lock of a folder, held while a write or the recovery of the folder runs.
class FolderLock {
public:
    explicit FolderLock(const QString &folder) : folder_(folder), lock_(QDir(folder).filePath(kLockName)) {}

    // The lock for a write. Where no lock file can be made at all (the folder is missing or
    // cannot be written to), no copy can make the write's files either: the write goes on, to
    // fail with its own reason.
    bool takeForWrite(Error *error)
    {
        if (lock_.tryLock(kLockWaitMs) || lock_.error() != QLockFile::LockFailedError)
            return true;
        return fail(error, folder_, QStringLiteral("another copy of the program is writing there"), 0);
    }
    // The lock for the recovery, which changes nothing without it.
    bool take() { return lock_.tryLock(kLockWaitMs); }
    bool heldElsewhere() const { return lock_.error() == QLockFile::LockFailedError; }

private:
    QString folder_;
    QLockFile lock_;
};

// The note of a write of a pair: the names of its files in the folder of the first file, and the
// digests of their new contents.
struct Note {
    QString first;
    QString second;
    QByteArray firstDigest;
    QByteArray secondDigest;
    bool existed = false;  // the first file stood before the write: its old contents are kept

    QString firstTemporary() const { return first + kTemporary; }
    QString secondTemporary() const { return second + kTemporary; }
    QString oldCopy() const { return first + kOldCopy; }
    QString note() const { return first + kNote; }
};

// A note as the program writes it, a line each: the second file, the temporary files of the
// first and the second, the old contents of the first, the digests of the first's and the
// second's new contents, and whether the first file stood before (1) or not (0).
QByteArray noteBytes(const Note &note)
{
    QByteArray bytes;
    for (const QByteArray &line : {native(note.second), native(note.firstTemporary()), native(note.secondTemporary()),
                                   native(note.oldCopy()), note.firstDigest, note.secondDigest,
                                   QByteArray(note.existed ? "1" : "0")})
        bytes += line + '\n';
    return bytes;
}

bool isDigest(const QByteArray &text)
{
    return text.size() == 64 && std::all_of(text.begin(), text.end(), [](char c) {
               return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f');
           });
}

// The note beside `first` when `bytes` are exactly a note the program writes for it; otherwise
// nothing, and why in `why`.
std::optional<Note> parseNote(const QString &first, const QByteArray &bytes, QString *why)
{
    const QList<QByteArray> lines = bytes.endsWith('\n') ? bytes.chopped(1).split('\n') : QList<QByteArray>();
    if (lines.size() != 7) {
        *why = QStringLiteral("it is not made of the seven lines of a note");
        return std::nullopt;
    }
    Note note{first, QFile::decodeName(lines[0]), lines[4], lines[5], lines[6] == "1"};
    const QString &second = note.second;
    if (second.isEmpty() || second == u'.' || second == QStringLiteral("..") || second.contains(u'/') ||
        second.contains(QChar(0)) || native(second) != lines[0] || second == first) {
        *why = QStringLiteral("its second file is no other file of its folder");
    } else if (lines[1] != native(note.firstTemporary()) || lines[2] != native(note.secondTemporary()) ||
               lines[3] != native(note.oldCopy())) {
        *why = QStringLiteral("it names files the program does not make");
    } else if (!isDigest(lines[4]) || !isDigest(lines[5])) {
        *why = QStringLiteral("its digests are not digests");
    } else if (lines[6] != "0" && lines[6] != "1") {
        *why = QStringLiteral("its last line is neither 0 nor 1");
    } else {
        return note;
    }
    return std::nullopt;
}

// Puts the first file's old contents back in its place, or removes the first file when it did
// not stand before. Old contents no longer kept were put back already.
bool putBack(const QDir &folder, const Note &note)
{
    const QString first = folder.filePath(note.first);
    if (!note.existed)
        return removed(first);
    const QString old = folder.filePath(note.oldCopy());
    return !stands(old) || ::rename(native(old).constData(), native(first).constData()) == 0;
}

// The files the note names go, the note last: while one of them stays, so does the note that
// shows it to be the program's.
bool clear(const QDir &folder, const Note &note)
{
    for (const QString &name : {note.firstTemporary(), note.secondTemporary(), note.oldCopy(), note.note()}) {
        if (!removed(folder.filePath(name)))
            return false;
    }
    return true;
}

// The pair whose note stands beside `first`: when the first file holds its new contents while the
// second's still wait beside it, the write ended between the two, and the first file goes back
// to its old contents (or away, when it is new). Then the files the note names go. Returns why the
// note stays, or nothing.
QString recoverPair(const QDir &folder, const QString &first, const FolderFiles &files)
{
    const std::optional<QByteArray> bytes = readPlain(folder.filePath(first + kNote), kLongestNote);
    QString why = QStringLiteral("it is no plain file of a note's size that can be read");
    std::optional<Note> note = bytes ? parseNote(first, *bytes, &why) : std::nullopt;
    if (note && !(files.pair && files.pair(first, note->second))) {
        why = QStringLiteral("it names no pair of files the program writes there");
        note.reset();
    }
    if (!note)
        return QStringLiteral("not a note of this program, left as it stands: %1").arg(why);

    const auto holds = [&](const QString &name, const QByteArray &wanted) {
        const std::optional<QByteArray> contents = readPlain(folder.filePath(name));
        return contents && digest(*contents) == wanted;
    };
    const bool cutBetween = holds(note->first, note->firstDigest) && holds(note->secondTemporary(), note->secondDigest);
    const bool settled = (!cutBetween || putBack(folder, *note)) && clear(folder, *note);
    if (settled)
        return {};
    const int e = errno;
    return QStringLiteral("what it names cannot be brought back or removed: %1")
        .arg(QString::fromLocal8Bit(std::strerror(e)));
}

// A note of an earlier write of the pair that still stands beside its first file (the write was
// cut short, or the folder's names could not be synced at its end) is settled before the pair is
// written or removed again; a file there that is no such note stops the write or the removal.
// Without a note, old contents of the first file kept by an earlier write serve nothing any more
// and go.
bool settleEarlierNote(const QDir &folder, const QString &first, const QString &second, Error *error)
{
    if (!stands(folder.filePath(first + kNote)))
        return removed(folder.filePath(first + kOldCopy)) || fail(error, folder.filePath(first + kOldCopy), {}, errno);
    const FolderFiles pair{{}, [&](const QString &f, const QString &s) { return f == first && s == second; }};
    const QString why = recoverPair(folder, first, pair);
    return why.isEmpty() || fail(error, folder.filePath(first + kNote), why, 0);
}

// The old contents of `path` kept as `old`: a second name for the same data, which costs no room;
// where the file system has no such names, a copy.
bool keepOld(const QString &path, const QString &old, Error *error)
{
    if (!removed(old))
        return fail(error, old, {}, errno);
    if (::link(native(path).constData(), native(old).constData()) == 0)
        return true;
    const std::optional<QByteArray> bytes = readWhole(path);
    return bytes ? writeNew(old, *bytes, path, error) : fail(error, path, QStringLiteral("cannot be read"), errno);
}

// The folder of two files of a pair, which must be one.
std::optional<QDir> folderOfPair(const QString &firstPath, const QString &secondPath, Error *error)
{
    const QFileInfo first(firstPath), second(secondPath);
    // (A note has a line for each name.)
    if (first.absolutePath() == second.absolutePath() && first.fileName() != second.fileName() &&
        !first.fileName().contains(u'\n') && !second.fileName().contains(u'\n'))
        return QDir(first.absolutePath());
    fail(error, secondPath, QStringLiteral("is not another file of the folder of %1").arg(firstPath), 0);
    return std::nullopt;
}

// The folder of a pair, held under its write lock while the object lives.
struct PairFolder {
    QDir dir;
    std::unique_ptr<FolderLock> lock;
};

// The folder of the pair `firstPath`, `secondPath` locked for a write of the pair or its removal,
// and what an earlier write of the pair left there settled; nothing when either cannot be done now.
std::optional<PairFolder> lockedPairFolder(const QString &firstPath, const QString &secondPath, Error *error)
{
    std::optional<QDir> folder = folderOfPair(firstPath, secondPath, error);
    if (!folder)
        return std::nullopt;
    auto lock = std::make_unique<FolderLock>(folder->path());
    if (!lock->takeForWrite(error) ||
        !settleEarlierNote(*folder, QFileInfo(firstPath).fileName(), QFileInfo(secondPath).fileName(), error))
        return std::nullopt;
    return PairFolder{std::move(*folder), std::move(lock)};
}

}  // namespace

QString fileWrittenWhole(const QString &path)
{
    // The file a link leads to is written, and the link stays.
    QFileInfo file(path);
    for (int depth = 0; file.isSymLink() && depth < 40; ++depth)
        file.setFile(file.symLinkTarget());
    return file.isSymLink() ? path : file.absoluteFilePath();
}

bool writeWhole(const QString &path, const QByteArray &bytes, Error *error)
{
    const QString target = fileWrittenWhole(path);
    FolderLock lock(QFileInfo(target).absolutePath());
    return lock.takeForWrite(error) && replace(target, bytes, target + kTemporary, error);
}

bool writePair(const QString &firstPath, const QByteArray &first, const QString &secondPath,
               const QByteArray &second, Error *error)
{
    const std::optional<PairFolder> held = lockedPairFolder(firstPath, secondPath, error);
    if (!held || !replaceable(firstPath, error) || !replaceable(secondPath, error))
        return false;
    const QDir &folder = held->dir;
    Note note{QFileInfo(firstPath).fileName(), QFileInfo(secondPath).fileName(), digest(first), digest(second)};
    note.existed = stands(firstPath);
    if (!replace(folder.filePath(note.note()), noteBytes(note), folder.filePath(note.first + kNoteTemporary), error)) {
        removed(folder.filePath(note.note()));  // (one that stood there before was settled above)
        return false;
    }
    reached(Step::Noted);

    const QString firstTemporary = folder.filePath(note.firstTemporary());
    const QString secondTemporary = folder.filePath(note.secondTemporary());
    if ((note.existed && !keepOld(firstPath, folder.filePath(note.oldCopy()), error)) ||
        !writeNew(firstTemporary, first, firstPath, error) || !writeNew(secondTemporary, second, secondPath, error) ||
        !syncFolder(folder.path(), error)) {
        clear(folder, note);
        return false;
    }
    reached(Step::Prepared);
    // The first file stands on the disk in its new contents before the second takes its place, so
    // that not even the machine's end can leave the second replaced and not the first.
    if (!renamed(firstTemporary, firstPath, error)) {
        clear(folder, note);
        return false;
    }
    if (!syncFolder(folder.path(), error)) {
        if (putBack(folder, note))
            clear(folder, note);
        return false;
    }
    reached(Step::FirstCommitted);
    if (!renamed(secondTemporary, secondPath, error)) {
        if (putBack(folder, note))
            clear(folder, note);
        return false;
    }
    reached(Step::SecondCommitted);
    // Until both new names stand on the disk the note stays, and with it the old contents: should
    // the machine end first, the next start judges the pair by them.
    if (!syncFolder(folder.path(), error)) {
        if (error)
            error->replaced = true;
        return false;
    }
    clear(folder, note);
    return true;
}

bool removePair(const QString &firstPath, const QString &secondPath)
{
    // A file where the pair's note goes that is no note of this pair stops the removal, as it
    // stops a write: the removal's own note would take its place.
    const std::optional<PairFolder> held = lockedPairFolder(firstPath, secondPath, nullptr);
    if (!held)
        return false;
    const QDir &folder = held->dir;
    Note note{QFileInfo(firstPath).fileName(), QFileInfo(secondPath).fileName(), {}, {}};
    const bool hasFirst = QFileInfo(firstPath).isFile(), hasSecond = QFileInfo(secondPath).isFile();
    // A read-only file is not removed, as it is not replaced: then neither file goes.
    if ((hasFirst && !replaceable(firstPath, nullptr)) || (hasSecond && !replaceable(secondPath, nullptr)))
        return false;
    // A file without the other goes in one step.
    if (!hasFirst || !hasSecond)
        return (!hasFirst || removed(firstPath)) && (!hasSecond || removed(secondPath)) && syncFolder(folder.path(), nullptr);

    // Both go through the state a write of a new pair leaves when it ends between its two files:
    // the note names the two files by their contents, and the second file stands aside under its
    // temporary name. From there the next start (or the next write of the pair) takes both away;
    // before, both stay. Each step stands on the disk before the next is taken.
    const std::optional<QByteArray> first = readPlain(firstPath), second = readPlain(secondPath);
    if (!first || !second)
        return false;
    note.firstDigest = digest(*first);
    note.secondDigest = digest(*second);
    if (!replace(folder.filePath(note.note()), noteBytes(note), folder.filePath(note.first + kNoteTemporary), nullptr)) {
        removed(folder.filePath(note.note()));
        return false;
    }
    reached(Step::Noted);
    const QString secondAside = folder.filePath(note.secondTemporary());
    const auto putBackAndClear = [&] {
        // Never over a file another program put there meanwhile: then the note stays, for the
        // next start to settle.
        if (::renameat2(AT_FDCWD, native(secondAside).constData(), AT_FDCWD, native(secondPath).constData(),
                        RENAME_NOREPLACE) == 0)
            clear(folder, note);
        return false;
    };
    if (!renamed(secondPath, secondAside, nullptr)) {
        clear(folder, note);
        return false;
    }
    if (!syncFolder(folder.path(), nullptr))
        return putBackAndClear();
    reached(Step::Prepared);
    if (!removed(firstPath))
        return putBackAndClear();
    // Until the first file's removal stands on the disk the note stays: should the machine end
    // first, the next start ends the removal.
    if (!syncFolder(folder.path(), nullptr))
        return false;
    reached(Step::FirstCommitted);
    if (!clear(folder, note))
        return false;
    reached(Step::SecondCommitted);
    return syncFolder(folder.path(), nullptr);
}

bool removeFirstOfPair(const QString &firstPath, const QString &secondPath)
{
    const std::optional<PairFolder> held = lockedPairFolder(firstPath, secondPath, nullptr);
    return held && replaceable(firstPath, nullptr) && removed(firstPath) && syncFolder(held->dir.path(), nullptr);
}

QStringList recoverFolder(const QString &folder, const FolderFiles &files)
{
    const QDir dir(folder);
    const auto names = [&] { return dir.entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Unsorted); };
    // A folder without a note or a temporary file of the program's has nothing to bring back, and
    // is not locked for it: what a write that starts meanwhile makes there is its own.
    const auto ours = [](const QString &name) {
        return name.endsWith(kNote) || name.endsWith(kTemporary) || name.endsWith(kNoteTemporary);
    };
    if (!dir.exists() || std::ranges::none_of(names(), ours))
        return {};
    FolderLock lock(folder);
    if (!lock.take()) {
        if (lock.heldElsewhere())
            return {QStringLiteral("%1: another copy of the program is writing there; left to the next start").arg(folder)};
        return {};
    }
    QStringList left;
    for (const QString &name : names()) {
        if (name.endsWith(kNote)) {
            if (const QString why = recoverPair(dir, name.chopped(kNote.size()), files); !why.isEmpty())
                left << QStringLiteral("%1: %2").arg(dir.filePath(name), why);
        }
    }
    // The temporary files of writes cut short of the files the program writes there; none while a
    // note stands there, which may still need them.
    for (const QString &name : left.isEmpty() ? names() : QStringList()) {
        for (const QString &suffix : {kTemporary, kNoteTemporary}) {
            if (name.endsWith(suffix) && files.written && files.written(name.chopped(suffix.size())))
                removed(dir.filePath(name));
        }
    }
    return left;
}

void setStepHook(void (*hook)(Step)) { stepHook = hook; }

void setFolderSync(int (*sync)(int fd)) { folderSync = sync ? sync : ::fsync; }

qsizetype longestNameWritten(const QString &fileName)
{
    qsizetype longest = 0;
    for (const QString &suffix : {kTemporary, kOldCopy, kNote, kNoteTemporary})
        longest = std::max(longest, QFile::encodeName(suffix).size());
    return QFile::encodeName(QFileInfo(fileName).fileName()).size() + longest;
}

}  // namespace filewrite
