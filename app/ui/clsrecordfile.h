#pragma once
// The board settings record service: keeps the state of the board in front between runs, in the
// board settings file of each lottery and the record file of each saved ticket. It reaches the
// board through IBoard and never shows anything itself; failures are returned (false) with the
// reason in lastError(), and a damaged file read is described by loadProblem().

#include "app/boardsettings.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <optional>

class QWidget;

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
    // cannot be read (false), or whose record does not fit the open game's layout, resets the
    // board instead.
    bool subLoadBoardSettings();
    bool subLoadBoardSettingsFOR10();
    // Puts the reset values into the board and globals; touches no file and leaves the record.
    void subResetBoardSettings();

    // Fills the record from the board in front and the globals (as Mode 1 does) and returns its
    // bytes without writing them: for files written together with another one.
    std::optional<QByteArray> fncBoardSettingsBytes();

    QString lastError() const { return error_; }
    // The kind of the last failed write.
    filewrite::Fault lastFault() const { return fault_; }
    // After a read: the message for the user when the file was damaged (what could not be read
    // took its reset value); empty when the read was whole.
    QString loadProblem() const { return loadProblem_; }

private:
    bool fillFromBoard(const RecordShape &shape);
    bool save(const RecordShape &shape, int32_t mode, int32_t deletedWeekNo);
    bool load(const RecordShape &shape);
    void reset(const RecordShape &shape);
    bool fail(const QString &why);

    BoardSettingsRecord record_;
    QString error_;
    filewrite::Fault fault_ = filewrite::Fault::None;
    QString loadProblem_;
};

// Writes the board settings of the lottery gstrLotteryDbFile from the board in front (Mode 1 of
// its "forConfigXYZfile") and tells the user, in a box above `parent`, when they could not be
// written and why. False when nothing was written (also without a record service).
bool fncSaveLotterySettings(QWidget *parent);
// The message that the board settings of the lottery gstrLotteryDbFile could not be saved, with
// the reason of the record service's last failed save (its detail written to the event log).
QString fncLotterySettingsNotSavedText();
