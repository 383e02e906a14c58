#pragma once
// Whole-file writes that are done only when the data is on disk. The new contents go to a
// temporary file beside the target; only when every byte and the flush succeeded does it take
// the target's place. On any failure the old file stays as it was and the caller learns why.

#include <QByteArray>
#include <QString>
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
};

// The fault an errno value stands for.
Fault faultOf(int errnoValue);

// Replaces `path` with `bytes`.
bool writeWhole(const QString &path, const QByteArray &bytes, Error *error = nullptr);

// Replaces two files that belong together: afterwards both hold their new bytes, or (on
// failure) both are as they were before, a file that did not exist included. A process that ends
// in the middle leaves beside the first file its old contents ("<first>.old~") and a note
// ("<first>.pair~") from which recoverFolder() tells how far the pair got.
bool writePair(const QString &firstPath, const QByteArray &first, const QString &secondPath,
               const QByteArray &second, Error *error = nullptr);

// Brings the files of writes cut short in `folder` (by a process that ended in the middle of
// them) back to one whole state. `written(name)` tells the names of the files the program writes
// there. A pair whose second file had not taken its place goes back to its old first file (or to
// none, when it was new); the temporary files of the writes ("<file>.XXXXXX", six letters) and the
// old contents kept aside are removed. Files of other names are left alone. Only for a folder no
// other process writes to meanwhile.
void recoverFolder(const QString &folder, const std::function<bool(const QString &name)> &written);

// The points of writePair at which a process may end: both new files written aside, the old
// contents kept and the note on disk, nothing replaced yet; the first file replaced; both replaced.
enum class Step { Prepared, FirstCommitted, SecondCommitted };
// Called at each of those points (tests end the process there); none by default.
void setStepHook(void (*hook)(Step));

// The length in bytes, as the file system counts a name (QFile::encodeName), of the longest name
// that any write of the file `fileName` may make beside it: its temporary file, or as the first
// file of a pair its old contents kept aside and its note, written through a temporary file.
qsizetype longestNameWritten(const QString &fileName);

}  // namespace filewrite
