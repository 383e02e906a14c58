#pragma once
// The analysis service: opening a lottery, and the routines that put the analysis of the open
// lottery on the board in front.

#include <QString>
#include <cstdint>

class clsAnalysis {
public:
    // Opens the lottery gstrLotteryDbFile (or, at start-up when that is empty, the last one).
    void subOpenSelectedLottery();
    // Sets gstrGameCode and makes the board of the configured game (a new one from the board
    // factory) the window in front, without showing it. False, with nothing changed, when the
    // game has no board.
    bool subSetGameCodeAndBoard();
    // Opens the open lottery again (after the lottery manager closes).
    void subReopenCurrentLottery();

    // ---- Power table, drawing lists, table orders, pool grid, power interval ----------------
    // All of these work on the board in front (boardInFront()) and do nothing without one.

    // The power table of the main drum (lotto boards) or of the digits (digit board): the
    // largest power, the rows (created the first time), each ball's pick count, standing and
    // power percent, then the table order refreshed.
    void subCalculatePowerTable();
    void subCalculatePowerTableFOR10();
    // Pick count, standing and power percent of the row of `ball` (the table in ball order).
    void subShowPowerTableRow(int32_t ball);
    // Marked rows of the power table and of the pool grid back to their normal look (only on an
    // initialised board with a marking on screen).
    void subResetColorOfHighlightedBalls();

    // "1/" and glngPoolTotal / count rounded half to even; empty for a count of 0 or less.
    QString fncPoolOddsText(int64_t count);
    // The pool of the main drum (of the digits) weighted from the powers, its grid written.
    void subFillPoolGrid();
    void subFillPoolGridFOR10();

    // POWER: the analysis of the window in the drawing combos recomputed and shown (power
    // tables, pool grids, power intervals of every drum of the game). False, with the tables as
    // they were, when the results cannot be read or the window is refused (the user is told).
    bool subRecalculateAll();

    // The power interval of the main drum from the drawing-sum statistics and the percentage.
    void subShowPowerInterval();

    // Lists the drawings in the three drawing combos (newest first), only while the board is not
    // initialised; connects the results database. False, after telling the user, when the
    // drawings cannot be read.
    bool fncTotalWeekNumberAndAllGameDates();
    // Hit marks off the guess boxes, and off the drawing-number labels.
    void subResetColorOfDrawingNumbers();
    void fncResetCOLORofSelectedWeekNumbers();

    // Table orders of the main drum: ball number <-> pick count, the two position rankings (read
    // in ball order, after POWER), weeks since drawn and power percent (each toggling with ball
    // order), and the two plain orders.
    void subRefreshPowerTableOrder();
    void subRankByLastPickedWeek();
    void subRankByPowerPercentage();
    void subCALCULATEorderBYlastPICKEDWEEK();
    void subCALCULATEorderBYpowerPERCENTAGE();
    void subCalculateOrderByPickCount();
    void subCalculateOrderByBallNumber();

    // ---- Help and text export ---------------------------------------------------------------
};
