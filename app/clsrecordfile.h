#pragma once
// The board settings record service: keeps the state of a board between runs, in the board
// settings file of each lottery and the record file of each saved ticket. It takes the values of a
// board's controls and gives back what they show; the analysis window and the pool marks it reads
// from and writes into the lottery itself. It never shows anything; failures are returned (false)
// with the reason in lastError(), and a damaged file read is described by loadProblem().

#include "analysis/openlottery.h"
#include "app/boardsettings.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <optional>

// What a board shows of a record it loads: the record read, or the reset values (`reset`) where the
// file could not be read or holds a record of another layout.
struct SettingsToShow {
    BoardSettings settings;
    bool reset = false;
};

class clsRecordFile {
public:
    // Chooses the file of the next read or write of the lottery's settings: "forConfigXYZfile" or
    // "forTICKETfile" (sets gstrRecordFileName and gstrRecordFilePath); any other kind keeps the
    // previous choice.
    void subSelectRecordFile(const QString &fileKind, const OpenLottery &lottery);

    // Mode 1: the values of a board's controls (`controls`, a record of the lottery's game) with the
    // lottery's analysis window and pool marks, written whole to the selected file.
    bool subSaveBoardSettings(const OpenLottery &lottery, const BoardSettings &controls);
    // Mode 2 (after the drawing deletedWeekNo was deleted): refreshes the analysis window of the
    // selected file's own record (see refreshAnalysisWindow) and writes it back; with no such file
    // nothing is written.
    bool subRefreshBoardSettings(int32_t deletedWeekNo);
    // Reads the selected file, puts the analysis window and pool marks of the record into the
    // lottery and gives what the board's controls show. A file that cannot be read (`read` false)
    // or whose record does not fit the game's layout gives the reset values instead.
    SettingsToShow subLoadBoardSettings(OpenLottery &lottery, bool *read = nullptr);
    // Puts the reset values into the lottery and gives those the board's controls show; touches no
    // file and leaves the record.
    BoardSettings subResetBoardSettings(OpenLottery &lottery);

    // The record of Mode 1 as bytes, without writing them: for files written together with
    // another one.
    std::optional<QByteArray> fncBoardSettingsBytes(const OpenLottery &lottery, const BoardSettings &controls);

    QString lastError() const { return error_; }
    // The kind of the last failed write.
    filewrite::Fault lastFault() const { return fault_; }
    // After a read: the message for the user when the file was damaged (what could not be read
    // took its reset value); empty when the read was whole.
    QString loadProblem() const { return loadProblem_; }

private:
    bool fill(const OpenLottery &lottery, BoardSettings settings);
    bool fail(const QString &why);

    BoardSettingsRecord record_;
    QString error_;
    filewrite::Fault fault_ = filewrite::Fault::None;
    QString loadProblem_;
};
