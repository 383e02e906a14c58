#pragma once
// The board settings record service: keeps the state of the board in front between runs, in the
// board settings file of each lottery and the record file of each saved ticket. It reaches the
// board through IBoard and never shows anything itself; failures are returned (false) with the
// reason in lastError().

#include "app/boardsettings.h"

#include <QString>
#include <cstdint>

class clsRecordFile {
public:
    // Chooses the file of the next read or write: "forConfigXYZfile" or "forTICKETfile" (sets
    // gstrRecordFileName and gstrRecordFilePath); any other kind keeps the previous choice.
    void subSelectRecordFile(const QString &fileKind);

    // Mode 1: fills the record from the board in front and the globals and writes it whole to
    // the selected file. Mode 2 (after the drawing deletedWeekNo was deleted): refreshes the
    // analysis window of the selected file's own record (see refreshAnalysisWindow) and writes it
    // back; with no such file nothing is written. Digit games use the digit layout.
    bool subSaveBoardSettings(int32_t mode, int32_t deletedWeekNo = 0);
    bool subSaveBoardSettingsFOR10(int32_t mode, int32_t deletedWeekNo = 0);
    // Reads the selected file and puts the record back into the board and globals. A file that
    // cannot be read resets the board instead (and gives false).
    bool subLoadBoardSettings();
    bool subLoadBoardSettingsFOR10();
    // Puts the reset values into the board and globals; touches no file and leaves the record.
    void subResetBoardSettings();

    // What was last read or written.
    const BoardSettingsRecord &record() const { return record_; }
    QString lastError() const { return error_; }

private:
    bool save(const RecordShape &shape, int32_t mode, int32_t deletedWeekNo);
    bool load(const RecordShape &shape);
    void reset(const RecordShape &shape);
    bool fail(const QString &why);

    BoardSettingsRecord record_;
    QString error_;
};

// Writes the board settings of the lottery gstrLotteryDbFile from the board in front (Mode 1 of
// its "forConfigXYZfile") and tells the user when they could not be written. False when nothing
// was written (also without a record service).
bool fncSaveLotterySettings();
