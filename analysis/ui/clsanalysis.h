#pragma once
// The analysis service: opening a lottery, and the routines that put the analysis of the open
// lottery on the board in front.

class clsAnalysis {
public:
    // Opens the lottery gstrLotteryDbFile (or, at start-up when that is empty, the last one).
    void subOpenSelectedLottery();
    // Opens the open lottery again (after the lottery manager closes).
    void subReopenCurrentLottery();
};
