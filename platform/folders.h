#pragma once
// Where the program finds its folders on this platform. Paths are returned without a trailing
// separator.

#include <QString>

namespace folders {

// The program folder: $TALVINOR_HOME when set, else the folder of the executable. It holds the
// catalogues, the board settings files, "LotteryDBs" and "SavedTickets".
QString programFolder();
// The per-user data folder ($XDG_DATA_HOME/TALVINOR), home of "LogFiles".
QString dataFolder();
// The per-user configuration folder ($XDG_CONFIG_HOME/TALVINOR), home of the settings store.
QString configFolder();
// The per-user runtime folder ($XDG_RUNTIME_DIR, else the temporary folder).
QString runtimeFolder();
// The folder the platform keeps its programs in (stands where the system's own folder stood).
QString platformProgramsFolder();

// The longest file name, in bytes, that the file system of `folder` takes (255 when it does not
// tell, or the folder cannot be asked).
qsizetype longestFileName(const QString &folder);

}  // namespace folders
