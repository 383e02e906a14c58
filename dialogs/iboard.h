#pragma once
// The board in front. Start-up, the opening of a lottery and the dialogs reach the open board
// through this interface, which the boards implement; the start window is in front when no board
// is open.

#include "analysis/boardreport.h"
#include "app/application.h"
#include "analysis/gamelayout.h"
#include "analysis/ticketfile.h"
#include "app/boardsettings.h"
#include "app/clsrecordfile.h"

#include <QDate>
#include <QPointer>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class IBoard {
public:
    virtual ~IBoard() = default;

    virtual QWidget *window() = 0;
    // The lottery whose board it is; what outlives the board keeps it through openLottery().
    virtual OpenLottery &lottery() = 0;
    virtual std::shared_ptr<OpenLottery> openLottery() = 0;
    // Shows the board; the first show runs its load routine (layout for the game code, drawings
    // listed, settings restored, POWER).
    virtual void showBoard() = 0;
    // Reads the text file of the saved ticket gstrTicketName into the ticket when it exists.
    virtual void subLoadTicketTextFile() = 0;
    // The saved ticket's text file read ahead, for the board's first reading of it (a board of
    // tests reads the file itself).
    virtual void takeTicketReadAhead(TicketReadAhead /*ahead*/) {}
    // Hides and unloads the board; its unload routine runs once.
    virtual void unloadBoard() = 0;

    // ---- The board settings record (clsRecordFile) -----------------------------------------
    // The record file reads and writes the analysis window, gblnAllExcluded, gblnEqualChance and
    // the pool arrays (garrExcluded, garrPoolCountEdited, garrPoolWeightSaved and their BONUS
    // twins) itself; these three cover the board's controls: readBoardSettings copies
    // optHotCold(0)/(1), chkPowerIncrease, hsbPowerIncrease value, txtGuaranteeNumber,
    // chkGuaranteeNumbers, chkPowerInterval, txtPowerInterval(0)/(1), the ListIndex of
    // cboPowerIntervalPct (and the BONUS twins of these three), txtColumnsToDraw,
    // chkCompareWithGuess, chkIncrementalTicket, txtGuess, the values of chkExcludeBall (and
    // chkExcludeBallBONUS), txtGuessSource, lblGuessPower, lblGuessPowerTotal, chkEqualChance and
    // optStraightBoxed(0)/(1) into the record; applyBoardSettings puts them back in slot order, each
    // control running its own Click or Change handling as its value is set (the Text of
    // cboStartDrawing, cboDrawingDate and cboEndDrawing first; the percentIndex as a number into
    // the Text of cboPowerIntervalPct, the recalculation selecting the entry; the check boxes of
    // excluded balls are left to the pool grid, which shows garrExcluded); resetBoardSettings puts
    // the reset values in the same way, with the second-drum items last, and also sets the
    // captions of lblColumnNumber and lblColumnPowerTotal to "0".
    virtual void readBoardSettings(BoardSettings &settings) = 0;
    virtual void applyBoardSettings(const BoardSettings &settings) = 0;
    virtual void resetBoardSettings(const BoardSettings &defaults) = 0;

    // ---- What the analysis service and the dialogs ask of the board --------------------------
    // A board without these (a board of tests) answers with nothing and ignores the requests.

    // The board as a text report.
    virtual std::optional<BoardReport> report() const { return std::nullopt; }
    // The ticket's lines, and the message for a ticket file that could not be read whole
    // (empty when it was read whole or did not exist).
    virtual QStringList ticketLines() const { return {}; }
    virtual QString ticketReadProblem() const { return {}; }
};

// The values of the board's controls as a record of its lottery's game (readBoardSettings over the
// reset values of the game).
BoardSettings fncBoardControls(IBoard &board);

// The window in front (app().gfrmCurrentBoard): the open board, or the start window when no board
// is open, or nothing while a lottery is being opened.
inline QWidget *windowInFront() { return qobject_cast<QWidget *>(app().gfrmCurrentBoard.data()); }

// The open board, or nullptr when the window in front is not a board.
inline IBoard *currentBoard() { return dynamic_cast<IBoard *>(app().gfrmCurrentBoard.data()); }

// Creates the board window of a family, holding `lottery`, with the factory set last (nullptr
// without one, or when the program has no board for the family). The program sets its own boards
// at start-up; tests put boards of their own in place.
using BoardFactory = std::function<IBoard *(GameLayout::Family, std::shared_ptr<OpenLottery>)>;
void setBoardFactory(BoardFactory factory);
IBoard *createBoard(GameLayout::Family family, std::shared_ptr<OpenLottery> lottery);
