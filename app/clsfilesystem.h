#pragma once
// The program's file-system service: existence tests, folder and file creation and deletion,
// folder listings, file dates, and the event log. No operation raises: a failed test answers
// false, a failed change leaves things as they were.

#include <QString>
#include <QVariantList>
#include <cstdint>

class clsFileSystem {
public:
    // Element 0 holds the number n of subfolders (files), elements 1..n their names, sorted by
    // name without regard to case. An empty or missing folder gives {0}.
    QVariantList fncListSubFolders(const QString &FolderPath);
    QVariantList fncListFiles(const QString &FolderPath);

    // True when the path names an existing file (a folder is not a file).
    bool fncFileExists(const QString &FilePath);
    // Deletes the file; a read-only file stays.
    void subDeleteFile(const QString &FilePath);
    bool fncFolderExists(const QString &FolderPath);
    // Creates the folder (one level: its parent must exist).
    void subCreateFolder(const QString &FolderPath);
    // Deletes the folder with everything in it, read-only items included.
    void subDeleteFolder(const QString &FolderPath);

    // Creation, last-modified and last-accessed date and time; an element the system cannot
    // give is an empty variant.
    QVariantList fncGetFileDates(const QString &FilePath);
    QVariantList fncGetFolderDates(const QString &FolderPath);

    // Appends one event to the event log gstrLogFilePath, creating the file when it is missing.
    // Nothing is written when the folder gstrLogFolder does not exist.
    void subWriteLogEvent(int32_t EventCode);
    // The same with one more line before the closing "#": "#Detail: " and `detail` (line breaks
    // made blanks), for failures whose technical reason belongs in the log and not in a message.
    void subWriteLogEvent(int32_t EventCode, const QString &detail);

private:
    int32_t lngSubFolderCount_ = 0;
    int32_t lngFileCount_ = 0;
    QString strVersion_;
};

namespace eventlog {

// Event codes of the event log.
inline constexpr int32_t kStartupFinished = 42630;
inline constexpr int32_t kSecondCopy = 43528;
inline constexpr int32_t kDigitBoardClosed = 43795;
inline constexpr int32_t kLottoBoardClosed = 43816;
inline constexpr int32_t kTwoPoolBoardClosed = 43849;
inline constexpr int32_t kDatabaseFailure = 44810;  // a results database failed (detail given)
inline constexpr int32_t kFileWriteFailure = 44820;  // a file could not be written (detail given)
inline constexpr int32_t kFileReadFailure = 44830;   // a file could not be read (detail given)

// The program version as the log writes it: major.minor.revision ("1.0.12").
QString versionText();

}  // namespace eventlog
