#pragma once
// The board settings record service: keeps the state of a board between runs, in the board
// settings file of each lottery and the record file of each saved ticket. It reaches the board's
// controls through BoardSettingsControls and never shows anything itself; failures are returned
// (false) with the reason in lastError(), and a damaged file read is described by loadProblem().

#include "analysis/openlottery.h"
#include "app/boardsettings.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <optional>

// What the record service needs of a board: its lottery, and its controls read into a record and a
// record (or the reset values) put back into them. `settings` arrives sized for the lottery's game
// (RecordShape::of its layout); the board implements it.
class BoardSettingsControls {
public:
    virtual ~BoardSettingsControls() = default;
    // The lottery whose board it is.
    virtual OpenLottery &lottery() = 0;
    // Copies the board's values into `settings`.
    virtual void readBoardSettings(BoardSettings &settings) = 0;
    // Puts a record that was read back into the controls, each control running its own handling.
    virtual void applyBoardSettings(const BoardSettings &settings) = 0;
    // Puts the reset values into the controls.
    virtual void resetBoardSettings(const BoardSettings &defaults) = 0;
};

class clsRecordFile {
public:
    // Chooses the file of the next read or write of the lottery's settings: "forConfigXYZfile" or
    // "forTICKETfile" (sets gstrRecordFileName and gstrRecordFilePath); any other kind keeps the
    // previous choice.
    void subSelectRecordFile(const QString &fileKind, const OpenLottery &lottery);

    // Mode 1: fills the record from `board` and its lottery and writes it whole to the selected
    // file. Mode 2 (after the drawing deletedWeekNo was deleted; `board` is not used): refreshes
    // the analysis window of the selected file's own record (see refreshAnalysisWindow) and writes
    // it back; with no such file nothing is written. The layout is the open game's (lotto or
    // digit).
    bool subSaveBoardSettings(int32_t mode, BoardSettingsControls *board, int32_t deletedWeekNo = 0);
    // Reads the selected file and puts the record back into `board` and its lottery. A file that
    // cannot be read (false), or whose record does not fit the game's layout, resets the board
    // instead.
    bool subLoadBoardSettings(BoardSettingsControls &board);
    // Puts the reset values into `board` and its lottery; touches no file and leaves the record.
    void subResetBoardSettings(BoardSettingsControls &board);

    // Fills the record from `board` and its lottery (as Mode 1 does) and returns its bytes without
    // writing them: for files written together with another one.
    std::optional<QByteArray> fncBoardSettingsBytes(BoardSettingsControls *board);

    QString lastError() const { return error_; }
    // The kind of the last failed write.
    filewrite::Fault lastFault() const { return fault_; }
    // After a read: the message for the user when the file was damaged (what could not be read
    // took its reset value); empty when the read was whole.
    QString loadProblem() const { return loadProblem_; }

private:
    bool fillFromBoard(BoardSettingsControls *board);
    bool fail(const QString &why);

    BoardSettingsRecord record_;
    QString error_;
    filewrite::Fault fault_ = filewrite::Fault::None;
    QString loadProblem_;
};
