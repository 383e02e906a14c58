#pragma once
// One drum's tables on the board in front: the power table, the pool grid and the power interval
// of the main drum (the digits on the digit board) or of the second drum of the two-pool board.
// The analysis service and its second-drum twin put their results on the board through these
// routines, written once for every drum and board: each takes the drum it works on, and the
// board's design says whether the main drum's table has one half or two.

#include "analysis/drum.h"
#include "analysis/recalc.h"
#include "analysis/openlottery.h"

#include <QString>
#include <cstdint>
#include <type_traits>
#include <vector>

class BoardBase;
struct DrumControls;
class VbPicture;

struct DrumView {
    BoardBase &board;
    DrumControls &ctl;
    DrumState &state;
    DrumShape shape;   // the drum's balls (first..max)
    Drum drum;         // which drum of the board
    bool oneHalf;      // one table half whose template row 0 is the row of the first ball (digits)

    // A drum of the board: the main drum (or the digits), or the second drum.
    static DrumView of(BoardBase &board, Drum drum);
    // The drums the board shows for the open game: the main drum, then the second drum when it is
    // in use.
    static std::vector<DrumView> allOf(BoardBase &board);

    bool second() const { return drum == Drum::Second; }

    int32_t first() const { return shape.firstBall; }
    int32_t last() const { return shape.maxBall; }
    bool hasBall(int32_t ball) const { return ball >= first() && ball <= last(); }
    bool excluded(int32_t ball) const { return state.garrExcluded.value(ball, 0) != 0; }
    // Gives a per-ball array the drum's balls (every element `fill`) unless it has them already.
    template <class T>
    void fitToDrum(BallArray<T> &array, const std::type_identity_t<T> &fill = T()) const
    {
        if (array.lo() != first() || array.hi() != last())
            array.reset(first(), last(), fill);
    }
};

// Puts a ball picture ("B7", "G7", "R7", "Y7") into a picture box.
void showBallPicture(VbPicture *picture, const QString &name);

// The analysis window as the board's combos hold it, with the power-increase level; a text that
// is not a number gives the first or the newest drawing, a date that is not in the list the date
// of the end drawing.
RecalcInputs recalcInputsFromBoard(BoardBase &board);

// ---- Power table ------------------------------------------------------------------------------
// The largest power and the rows (created the first time), each row written in ball order, then
// the table order refreshed.
void subCalculatePowerTable(const DrumView &d);
// Pick count, standing and power percent of row `ball` (ball order).
void subShowPowerTableRow(const DrumView &d, int32_t ball);
// Returns marked rows of the power table and of the pool grid to their normal look.
void subResetColorOfHighlightedBalls(const DrumView &d);
// Weeks since the ball was last drawn, counted from the end drawing of the last POWER.
int32_t weeksSinceDrawn(const DrumView &d, int32_t ball);

// ---- Table orders -------------------------------------------------------------------------------
void subCalculateOrderByBallNumber(const DrumView &d);
void subCalculateOrderByPickCount(const DrumView &d);
void subRankByLastPickedWeek(const DrumView &d);
void subRankByPowerPercentage(const DrumView &d);
// Toggles between the order and ball-number order.
void subCALCULATEorderBYlastPICKEDWEEK(const DrumView &d);
void subCALCULATEorderBYpowerPERCENTAGE(const DrumView &d);
// Ball-number order when the table is sorted, else pick-count order.
void subRefreshPowerTableOrder(const DrumView &d);

// ---- Pool grid ----------------------------------------------------------------------------------
// The odds text "1/n" of a pool count against the drum's pool total; empty for 0 or less.
QString fncPoolOddsText(const DrumView &d, int64_t count);
// Shows the box of the ball that the pool view asks for: the count ("Pool n") or the odds
// ("Pool %"); the two lie on one another and exactly one of them shows.
void showPoolBoxes(const DrumView &d, int32_t ball);
// Weights from the powers, counts and pool, then the grid rows (created the first time).
void subFillPoolGrid(const DrumView &d);
// The status-bar text of a pool of that size: " Total Ball Amount in the Pool: " and the size (the
// second drum's text for the second drum), in the current language.
QString poolStatusText(Drum drum, int64_t size);
// The status-bar text of the drum's pool size (the second drum's only while its tables show).
void showPoolStatus(const DrumView &d, int64_t size);

// ---- Power interval -------------------------------------------------------------------------------
// Selects the percentage item the combo's text names when none is selected (a stored list
// position), then shows the interval.
void selectIntervalPercent(const DrumView &d);
void subShowPowerInterval(const DrumView &d);
