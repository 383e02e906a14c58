#pragma once
// The program's file-system service: existence tests, folder creation and the event log. No
// operation raises: a failed test answers false, a failed change leaves things as they were.

#include <QString>
#include <cstdint>

class clsFileSystem {
public:
    // True when the path names an existing file (a folder is not a file).
    bool fncFileExists(const QString &FilePath);
    bool fncFolderExists(const QString &FolderPath);
    // Creates the folder (one level: its parent must exist).
    void subCreateFolder(const QString &FolderPath);

    // Appends one event to the event log gstrLogFilePath, creating the file when it is missing.
    // Nothing is written when the folder gstrLogFolder does not exist.
    void subWriteLogEvent(int32_t EventCode);
    // The same with one more line before the closing "#": "#Detail: " and `detail` (line breaks
    // made blanks), for failures whose technical reason belongs in the log and not in a message.
    void subWriteLogEvent(int32_t EventCode, const QString &detail);

private:
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
// What writes cut short left in a folder stays as it stands: a note the program cannot have
// written, files it could not bring back, a folder another copy was writing (detail given).
inline constexpr int32_t kWriteLeftAsItStands = 44840;

// The program version as the log writes it: major.minor.revision ("1.0.12").
QString versionText();

}  // namespace eventlog
