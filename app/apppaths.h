#pragma once
// The program's folder paths and outside programs, set by start-up (every folder path ends with
// "/").

#include <QString>
#include <QStringList>

// gstrSystemFolder, gstrLogFolder and gstrLogFilePath, so that the event log can be reached from
// the start on. The System folder itself is created when it is missing.
void subSetLogPaths();

// gstrAppFolder (the program folder `folder` with a trailing "/"), and under it
// gstrLotteryDbsFolder ("LotteryDBs/") and gstrSavedTicketsFolder ("SavedTickets/").
void subSetProgramFolderPaths(const QString &folder);
// The LotteryDBs folder (gstrLotteryDbsFolder) of the program folder `folder`.
QString fncLotteryDbsFolderOf(const QString &folder);

// Every path of the program in start-up order: program, Windows and System folders, LotteryDBs,
// SavedTickets, LogFiles; the text editor; the missing data folders are created; the help viewer;
// the event-log file.
void subSetAppPaths();

// The desktop text editors tried in turn, the desktop's opener last.
QStringList editorCandidates();

// The path of the first name in `names` found as an executable file in one of `folders`, the
// earlier folder winning for each name; empty when none is found.
QString fncFindProgram(const QStringList &names, const QStringList &folders);

// A folder path with exactly one trailing "/".
QString withTrailingSlash(const QString &folder);
