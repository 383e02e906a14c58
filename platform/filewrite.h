#pragma once
// Whole-file writes that are done only when the data is on disk. The new contents go to a
// temporary file beside the target ("<file>.TALVINOR-new"); only when every byte and its sync
// succeeded does it take the target's place, and then the folder is synced, so that the new name
// stands on the disk too. A failure before that leaves the old file as it was; every failure, the
// last sync's included, is told to the caller with its reason.
//
// Every write holds the write lock of its folder (the file ".TALVINOR-write.lock" there) and so
// does the recovery of the folder: no copy of the program brings back or removes the files
// another copy is writing. The files a write makes beside its target carry names of the form
// "<file>.TALVINOR-<what>", which no user gives a copy of a file; the recovery removes no other.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>

namespace filewrite {

// Why a write failed, in the terms the program tells the user.
enum class Fault {
    None,
    NoRoom,    // the disk is full, or the file would pass the size allowed
    ReadOnly,  // the file or its folder cannot be written to
    Missing,   // the folder does not exist
    Device,    // the disk could not be read or written
    Other,
};

struct Error {
    Fault fault = Fault::None;
    QString detail;  // the system's own words, with the path: for the event log
    // The new contents had taken the files' places when the write failed: only the last sync of
    // the folder failed, so the disk did not confirm them. False for every other failure.
    bool replaced = false;
};

// The fault an errno value stands for.
Fault faultOf(int errnoValue);

// Replaces `path` with `bytes` (where `path` is a link, the file it leads to).
bool writeWhole(const QString &path, const QByteArray &bytes, Error *error = nullptr);

// The file writeWhole(path) replaces: the file a link at `path` leads to (through links that
// lead to links), or `path` itself, as an absolute path; `path` as given when its links lead on
// without end. Beside it stand the files its writes make.
QString fileWrittenWhole(const QString &path);

// Replaces two files of one folder that belong together: afterwards both hold their new bytes,
// or (on failure) both are as they were before, a file that did not exist included; but for a
// failure of the last sync of the folder only, which leaves both new (Error::replaced). Before
// any new file is made, a note beside the first file ("<first>.TALVINOR-pair") names every file
// the write makes there; the first file's old contents stay beside it ("<first>.TALVINOR-old")
// until both new files stand. A process that ends in the middle leaves them to recoverFolder().
bool writePair(const QString &firstPath, const QByteArray &first, const QString &secondPath,
               const QByteArray &second, Error *error = nullptr);

// Removes the two files of a pair and what a write of the pair cut short left beside them (its
// note, the old contents kept, its temporary files): both files go, or (on failure) both stay.
// A pair of which a file is read-only stays. While both go, a note beside the first file names
// them, as for a write; a process that ends in the middle leaves them to recoverFolder(), which
// takes both away once the second has been moved aside (to its temporary name), and so does a
// removal whose folder sync fails after the first file went.
bool removePair(const QString &firstPath, const QString &secondPath);

// Removes the first file of a pair and leaves the second, which another pair holds as well: what
// a write of the pair cut short left beside them is settled first, as for removePair. A read-only
// first file stays. The first file's removal stands on the disk before success is told.
bool removeFirstOfPair(const QString &firstPath, const QString &secondPath);

// What the program writes in a folder.
struct FolderFiles {
    // The names of the files it writes there, whole or as one of a pair.
    std::function<bool(const QString &name)> written;
    // Whether it writes the files `first` and `second` there as a pair (none: it writes no pairs).
    std::function<bool(const QString &first, const QString &second)> pair;
};

// Brings the files of writes cut short in `folder` (by a process that ended in the middle of them)
// back to one whole state. A pair whose second file had not taken its place goes back to its old
// first file (or to none, when it was new); the files its note names then go, and so do the
// temporary files of writes of the files the program writes there. A note that is not exactly
// one the program writes for a pair of `files` changes nothing, and while it stands no temporary
// file goes either. Returns what was left as it stands (such notes, or the whole folder while
// another copy holds its lock), each with why, for the event log.
QStringList recoverFolder(const QString &folder, const FolderFiles &files);

// The points of writePair at which a process may end: the note on disk, nothing else made yet;
// both new files written aside, the old contents kept, all on disk, nothing replaced yet; the
// first file replaced; both replaced. removePair passes them too: the note on disk; the second
// file moved aside, on disk; the first file removed, on disk; the second and the note removed.
enum class Step { Noted, Prepared, FirstCommitted, SecondCommitted };
// Called at each of those points (tests end the process there); none by default.
void setStepHook(void (*hook)(Step));

// Makes a folder's names stand on the disk: fsync() by default; tests put a file system's answers
// in its place (nullptr: fsync() again).
void setFolderSync(int (*sync)(int fd));

// The length in bytes, as the file system counts it, of the longest name the writes above make
// beside the file `fileName` (its temporary file, old contents or note).
qsizetype longestNameWritten(const QString &fileName);

}  // namespace filewrite
