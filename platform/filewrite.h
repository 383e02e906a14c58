#pragma once
// Whole-file writes that are done only when the data is on disk. The new contents go to a
// temporary file beside the target; only when every byte and the flush succeeded does it take
// the target's place. On any failure the old file stays as it was and the caller learns why.

#include <QByteArray>
#include <QString>

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
// failure) both are as they were before, a file that did not exist included.
bool writePair(const QString &firstPath, const QByteArray &first, const QString &secondPath,
               const QByteArray &second, Error *error = nullptr);

}  // namespace filewrite
