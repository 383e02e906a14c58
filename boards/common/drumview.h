#pragma once
// One drum on the board: its power table, pool grid, exclusion boxes, power interval and totals,
// and the handlers of those controls. A board has one view for the main drum (the digits on the
// digit board) and one for the second drum (the controls that carry the suffix BONUS, made on the
// two-pool board only); the board window composes them and reaches them by drum.

#include "analysis/drum.h"
#include "analysis/openlottery.h"
#include "platform/ui/controls.h"
#include "platform/ui/ctlarray.h"

#include <QString>
#include <cstdint>
#include <map>
#include <type_traits>

class BoardBase;

// The controls of one drum. Controls a board does not have stay nullptr (or absent from their
// array).
struct DrumControls {
    // Power table: one row per table row, templates 0 and 29.
    CtlArray<VbPicture> picPowerBall;
    CtlArray<VbLabel> lblPowerBall;
    CtlArray<VbLabel> lblTotalPicks;
    CtlArray<VbLabel> lblStanding;
    CtlArray<VbLabel> lblPowerPercent;
    CtlArray<VbLabel> lblWeeksSincePick;
    // Headers of the two table halves (0 left, 1 right).
    CtlArray<VbLabel> lblHdrTotal;
    CtlArray<VbLabel> lblHdrStanding;
    CtlArray<VbLabel> lblHdrPowerPercent;
    CtlArray<VbLabel> lblHdrLastPicked;

    // Pool grid: one row per ball, templates 0 and 29.
    CtlArray<VbPicture> picPoolBall;
    CtlArray<VbLabel> lblPoolBall;
    CtlArray<VbTextBox> txtPoolPercent;
    CtlArray<VbTextBox> txtPoolCount;
    CtlArray<VbCheck> chkExcludeBall;
    CtlArray<VbLabel> lblHdrPool;
    CtlArray<VbLabel> lblHdrExclude;

    // Bands behind the ball-picture columns: 0/1 power table halves, 2/3 pool grid halves.
    CtlArray<VbShape> shpBallColumn;

    // Power interval.
    VbCheck *chkPowerInterval = nullptr;
    VbLabel *lblPowerInterval = nullptr;
    CtlArray<VbTextBox> txtPowerInterval;  // 0 lower, 1 upper
    VbCombo *cboPowerIntervalPct = nullptr;
    VbLabel *lblPowerIntervalPctSign = nullptr;
    VbScrollBar *hsbPowerInterval = nullptr;
    VbLabel *lblPowerLowest = nullptr;
    VbLabel *lblPowerMiddle = nullptr;
    VbLabel *lblPowerHighest = nullptr;
    VbLabel *lblPowerSliderPos = nullptr;

    // Power totals of the end drawing, the guess and the selected ticket column.
    VbLabel *lblDrawingPowerTotal = nullptr;
    VbLabel *lblGuessPowerTotal = nullptr;
    VbLabel *lblColumnPowerTotal = nullptr;

    // The game matrix ("6/49"; on the two-pool board the second drum's tab).
    VbLabel *lblGameMatrix = nullptr;
};

class DrumView : public DrumControls {
public:
    DrumView(BoardBase &board, Drum drum);
    DrumView(const DrumView &) = delete;
    DrumView &operator=(const DrumView &) = delete;

    // Connects the handlers below to the drum's controls (rows created later included); the
    // board calls it once its controls exist.
    void wire();

    BoardBase &board() const { return board_; }
    Drum drum() const { return drum_; }
    bool second() const { return drum_ == Drum::Second; }
    // The board has the drum and the open game draws from it.
    bool inUse() const;
    // The open lottery's tables of the drum.
    DrumState &state() const;
    // The drum's balls (first..max) in the open game's layout.
    DrumShape shape() const;
    // One table half whose template row 0 is the row of the first ball (the digits).
    bool oneHalf() const;

    int32_t first() const { return shape().firstBall; }
    int32_t last() const { return shape().maxBall; }
    bool hasBall(int32_t ball) const { return ball >= first() && ball <= last(); }
    bool excluded(int32_t ball) const { return state().garrExcluded.value(ball, 0) != 0; }
    // Gives a per-ball array the drum's balls (every element `fill`) unless it has them already.
    template <class T>
    void fitToDrum(BallArray<T> &array, const std::type_identity_t<T> &fill = T()) const
    {
        if (array.lo() != first() || array.hi() != last())
            array.reset(first(), last(), fill);
    }

    // ---- Power table --------------------------------------------------------------------------
    // Makes the rows of the drum's balls from the template rows, placed and hidden, with their ball
    // numbers; rows made before stay. The first fill shows them.
    void makePowerRows();
    // The largest power and the rows (created the first time), each row written in ball order, then
    // the table order refreshed.
    void subCalculatePowerTable();
    // Pick count, standing and power percent of row `ball` (ball order).
    void subShowPowerTableRow(int32_t ball);
    // Returns marked rows of the power table and of the pool grid to their normal look.
    void subResetColorOfHighlightedBalls();
    // Weeks since the ball was last drawn, counted from the end drawing of the last POWER.
    int32_t weeksSinceDrawn(int32_t ball) const;

    // Table orders.
    void subCalculateOrderByBallNumber();
    void subCalculateOrderByPickCount();
    void subRankByLastPickedWeek();
    void subRankByPowerPercentage();
    // Toggles between the order and ball-number order.
    void subCALCULATEorderBYlastPICKEDWEEK();
    void subCALCULATEorderBYpowerPERCENTAGE();
    // Ball-number order when the table is sorted, else pick-count order.
    void subRefreshPowerTableOrder();
    // The colours of the "Total", "%" and "<" headers of both halves.
    void setHeaderColours(uint32_t total, uint32_t percent, uint32_t lastPicked);

    // Header clicks (the half clicked does not matter): "Total", "%", "<". The headers are
    // coloured for the order that follows, then the order switched.
    void lblHdrTotal_Click(int Index);
    void lblHdrPowerPercent_Click(int Index);
    void lblHdrLastPicked_Click(int Index);

    // A ball picture clicked: the balls that share the ordering column's value are marked in both
    // tables (the clicked one as the key); the key clicked again removes the marking.
    void picPowerBall_Click(int Index);
    void picPoolBall_Click(int Index);

    // ---- Pool grid ----------------------------------------------------------------------------
    // The odds text "1/n" of a pool count against the drum's pool total; empty for 0 or less.
    QString fncPoolOddsText(int64_t count) const;
    // Shows the box of the ball that the pool view asks for: the count ("Pool n") or the odds
    // ("Pool %"); the two lie on one another and exactly one of them shows.
    void showPoolBoxes(int32_t ball);
    // The pool-grid rows, as makePowerRows makes the table rows.
    void makePoolRows();
    // Weights from the powers, counts and pool, then the grid rows (created the first time).
    void subFillPoolGrid();
    // The status-bar text of the drum's pool size (the second drum's only while its tables show).
    void showPoolStatus(int64_t size);
    // The counts typed into the pool forgotten.
    void subColourPoolCounts();
    // The pool recounted from the counts shown, typed counts and Equal Chance.
    void subRefreshPool();
    // The "Pool n" view ends (the focus was parked).
    void endPoolCountView();

    // The "Pool %" / "Pool n" views and the editing of counts.
    void txtPoolPercent_DblClick(int Index);
    void lblHdrPool_Click(int Index);
    void txtPoolPercent_GotFocus(int Index);
    void txtPoolPercent_LostFocus(int Index);
    void txtPoolPercent_MouseMove(int Index);
    void txtPoolCount_GotFocus(int Index);
    void txtPoolCount_Change(int Index);
    void txtPoolCount_LostFocus(int Index);
    void txtPoolCount_MouseMove(int Index);

    // What the pool boxes remember while they have the focus: each box its own.
    struct PoolEditMemory {
        std::map<int, int64_t> countBefore;  // "Pool n" boxes: the count at focus
        std::map<int, QString> oddsText;     // "Pool %" boxes: the text at focus
        int editIndex = -1;                  // the "Pool n" box being edited
    };
    PoolEditMemory poolEdit;

    // ---- Exclusions ---------------------------------------------------------------------------
    // The exclusion box of a ball while the game draws from the drum (none otherwise).
    VbCheck *exclusionBox(int32_t ball) const;
    // An exclusion box changed: the ball leaves or rejoins the pool at once.
    void chkExcludeBall_Click(int Index);
    void subApplyExclusions(int Index);
    void chkExcludeBall_MouseMove(int Index);
    // Exclude all / include all the balls whose box is not locked.
    void lblHdrExclude_Click(int Index);
    bool gblnExcludeAllRunning = false;

    // ---- Power interval -----------------------------------------------------------------------
    // Selects the percentage item the combo's text names when none is selected (a stored list
    // position), then shows the interval.
    void selectIntervalPercent();
    void subShowPowerInterval();
    // The option copied into the drum's state, its tool tip worded after it, the interval
    // controls enabled with it.
    void chkPowerInterval_Click();
    // The part of chkPowerInterval_Click that enables the interval controls.
    void subEnableIntervalControls();
    // The caption toggles the option; the percentage combo shows the interval for the width chosen
    // and puts back a valid width; the slider moves both limits by one per change; the limit boxes
    // keep a limit from 0 to the cap (9999, or the largest reachable sum) and the lower not above
    // the upper.
    void lblPowerInterval_Click();
    void cboPowerIntervalPct_Click();
    void cboPowerIntervalPct_GotFocus();
    void cboPowerIntervalPct_Change();
    void cboPowerIntervalPct_LostFocus();
    void hsbPowerInterval_Change();
    void txtPowerInterval_GotFocus(int Index);
    void txtPowerInterval_Change(int Index);
    void txtPowerInterval_LostFocus(int Index);
    // The highest limit the limit boxes take.
    int32_t intervalLimitCapOf() const;

    // What the interval boxes remember: the combo's width at focus and each limit box's own last
    // valid limit.
    struct IntervalEditMemory {
        QString percent;
        QString limit[2];
    };
    IntervalEditMemory intervalEdit;

private:
    OpenLottery &lottery() const;

    BoardBase &board_;
    const Drum drum_;
};

// Puts a ball picture ("B7", "G7", "R7", "Y7") into a picture box.
void showBallPicture(VbPicture *picture, const QString &name);

// The status-bar text of a pool of that size: " Total Ball Amount in the Pool: " and the size (the
// second drum's text for the second drum), in the current language.
QString poolStatusText(Drum drum, int64_t size);
