#pragma once
// The board in front. Start-up, the opening of a lottery and the dialogs reach the open board
// through this interface; the start window is in front when no board is open.

#include "analysis/boardreport.h"
#include "analysis/gamefamily.h"
#include "analysis/recalc.h"
#include "app/boardsettings.h"

#include <QDate>
#include <QPointer>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <optional>
#include <vector>

class IBoard {
public:
    virtual ~IBoard() = default;

    virtual QWidget *window() = 0;
    // Shows the board; the first show runs its load routine (layout for the game code, drawings
    // listed, settings restored, POWER).
    virtual void showBoard() = 0;
    // Reads the text file of the saved ticket gstrTicketName into the ticket when it exists.
    virtual void subLoadTicketTextFile() = 0;
    // Hides and unloads the board; its unload routine runs once.
    virtual void unloadBoard() = 0;

    // ---- The board settings record (clsRecordFile) -----------------------------------------
    // The record file reads and writes the analysis window, gblnAllExcluded, gblnEqualChance and
    // the pool arrays (garrExcluded, garrPoolCountEdited, garrPoolWeightSaved and their BONUS
    // twins) itself; these functions cover the board's controls. `settings` arrives sized for
    // the open game (RecordShape::current()) and holds the reset values; the second-drum items
    // matter only on the two-pool board, optStraightBoxed only on the digit board.

    // Copies the board's values into `settings`: optHotCold(0)/(1), chkPowerIncrease,
    // hsbPowerIncrease value, txtGuaranteeNumber, chkGuaranteeNumbers, chkPowerInterval,
    // txtPowerInterval(0)/(1), the ListIndex of cboPowerIntervalPct (and the BONUS twins of these
    // three), txtColumnsToDraw, chkCompareWithGuess, chkIncrementalTicket, txtGuess, the values of
    // chkExcludeBall (and chkExcludeBallBONUS) into `excluded`, txtGuessSource, lblGuessPower,
    // lblGuessPowerTotal, chkEqualChance, optStraightBoxed(0)/(1).
    virtual void readBoardSettings(BoardSettings &settings) = 0;
    // Puts a record that was read back into the controls, in slot order, each control running
    // its own Click or Change handling as its value is set: the Text of cboStartDrawing
    // (startWeek as a number), cboDrawingDate (drawDate) and cboEndDrawing (endWeek); optHotCold
    // (0) then (1); chkPowerIncrease; hsbPowerIncrease Min 2, Max 4, SmallChange 1, then its value;
    // txtGuaranteeNumber; chkGuaranteeNumbers; chkPowerInterval; txtPowerInterval (0) then (1)
    // unless `limits` is empty; the percentIndex as a number into the Text of cboPowerIntervalPct
    // (no entry selected: the recalculation selects it); the BONUS twins of these on the two-pool
    // board; txtColumnsToDraw; chkCompareWithGuess; chkIncrementalTicket; txtGuess;
    // txtGuessSource; lblGuessPower; lblGuessPowerTotal; chkEqualChance; optStraightBoxed (0)
    // then (1) on the digit board. The check boxes of excluded balls are not set here (the pool
    // grid shows garrExcluded). The globals the record file sets are already set.
    virtual void applyBoardSettings(const BoardSettings &settings) = 0;
    // Puts the reset values (`defaults`, from boardSettingsDefaults) into the controls as
    // applyBoardSettings does, with the second-drum items last, and also sets the captions of
    // lblColumnNumber and lblColumnPowerTotal to "0".
    virtual void resetBoardSettings(const BoardSettings &defaults) = 0;

    // ---- What the analysis service and the dialogs ask of the board --------------------------
    // A board without these (a board of tests) answers with nothing and ignores the requests.

    // The analysis window as the drawing combos hold it, with the power-increase level.
    virtual std::optional<RecalcInputs> analysisWindow() { return std::nullopt; }
    // Puts the results of a recalculation on the board: the power table, the pool grid and the
    // power interval of every drum of the game.
    virtual void showRecalculation() {}
    // Lists the drawings, newest first, in the three drawing combos: `dates` holds the newest
    // drawing's date at 1 (element 0 unused), `total` drawings. False when the board has none.
    virtual bool listDrawings(const std::vector<QDate> &dates, int32_t total) { return false; }
    // Takes the hit marks off the guess boxes, or off the drawing-number labels.
    virtual void resetGuessMarks() {}
    virtual void resetDrawingMarks() {}
    // The board as a text report.
    virtual std::optional<BoardReport> report() const { return std::nullopt; }
    // The ticket list's lines, and the message for a ticket file that could not be read whole
    // (empty when it was read whole or did not exist).
    virtual QStringList ticketLines() const { return {}; }
    virtual QString ticketReadProblem() const { return {}; }
};

// The window in front: the open board, or the start window when no board is open, or nothing
// while a lottery is being opened.
inline QPointer<QWidget> gfrmCurrentBoard;

// The open board, or nullptr when the window in front is not a board.
inline IBoard *currentBoard() { return dynamic_cast<IBoard *>(gfrmCurrentBoard.data()); }

// Creates the board window of a family (nullptr when the program has none for it). Tests put a
// board of their own in place.
using BoardFactory = std::function<IBoard *(BoardFamily)>;
void setBoardFactory(BoardFactory factory);
IBoard *createBoard(BoardFamily family);
