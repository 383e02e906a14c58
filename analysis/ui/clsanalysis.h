#pragma once
// The analysis service: opening a lottery, and the routines that put the analysis of the open
// lottery on the board in front.

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

    // ---- Help and text export ---------------------------------------------------------------
};
