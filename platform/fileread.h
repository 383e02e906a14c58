#pragma once
// Opening a file to read it without ever waiting on it: a name that stands for a pipe, a device or
// a folder is refused before anything is read, since the open of a pipe waits for a writer, and a
// read of it for data, for good.

#include <QFile>
#include <QString>

namespace fileread {

// Whether a link under the name is followed to the file it names, or refused.
enum class Links { Followed, Refused };

// Opens `path`, a plain file (or a link to one, where links are followed), read-only into `file`.
// False when it cannot be opened or is no plain file, with the reason in `why` when given.
bool openPlain(QFile &file, const QString &path, QString *why = nullptr, Links links = Links::Followed);

}  // namespace fileread
