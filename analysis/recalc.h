#pragma once
// The whole recalculation of POWER over the drawings of a lottery: pick counts, ranks, last picked
// weeks, powers and the drawing-sum statistics, for the main drum (digits on digit games) and for
// the second drum of two-drum games; and the pool a drum's powers give. The board reads the window
// from its combos, calls recalculateAll, keeps the tables it returns and shows them (power table,
// pool grid, interval).

#include "analysis/drum.h"
#include "analysis/gamelayout.h"
#include "analysis/history.h"
#include "analysis/interval.h"
#include "analysis/pool.h"
#include "analysis/statistics.h"

#include <QDate>
#include <array>
#include <cstdint>
#include <optional>

struct RecalcInputs {
    int32_t fromWeek = 0;        // cboStartDrawing
    int32_t toWeek = 0;          // cboEndDrawing
    QDate upToDate;              // cboDrawingDate
    int32_t hotColdMode = 0;     // gintHotColdMode
    bool powerIncrease = false;  // gblnPowerIncrease
    int32_t level = 2;           // hsbPowerIncrease.Value
    int32_t totalWeeks = 0;      // glngTotalWeeks
};

enum class WindowCode {
    Ok,
    NoDrawings,     // the lottery has no drawings yet
    StartAfterEnd,  // the start drawing comes after the end drawing
    EmptyWindow,    // no drawing lies between the start and the end drawing
};

struct WindowCheck {
    WindowCode code = WindowCode::Ok;
    int64_t missingWeeks = 0;    // week numbers of the window without a drawing (left out)
    int64_t numbersOutside = 0;  // drawn numbers outside their drum (left out)
    int64_t emptyNumbers = 0;    // columns of the drawings without a number (left out)

    bool refused() const { return code != WindowCode::Ok; }
    bool hasWarning() const { return missingWeeks > 0 || numbersOutside > 0 || emptyNumbers > 0; }
};

// Whether POWER can run over the window, and the week numbers of the window without a drawing (the
// numbers left out are counted by recalculateAll as it goes over the drawings).
WindowCheck checkAnalysisWindow(const History &history, const GameLayout &game, const RecalcInputs &in);

// What POWER computes for one drum over the window.
struct DrumAnalysis {
    BallArray<int32_t> pickCount;        // garrPickCount
    BallArray<int32_t> rankTable;        // garrRankTable: balls with a higher pick count
    BallArray<int32_t> lastPickedWeek;   // garrLastPickedWeek
    BallArray<double> power;             // garrPower
    std::optional<SumStats> sumStats;    // garrSumStats; none when the window holds no drawing
    LeftOutNumbers leftOut;              // the drum's numbers of all the drawings that are left out
};

// The statistics, powers and sum statistics of one drum, and the numbers left out: one pass over
// the drawings gathers them all but the sum statistics, which take the pick counts over the
// window's drawings once more. Nothing is checked here: call checkAnalysisWindow first.
DrumAnalysis recalculateDrum(const History &history, const DrumShape &drum, const RecalcInputs &in);

// What POWER computes: why the window was refused (nothing else then) or what it leaves out (of
// every drum), and the tables of each drum of the game, by drum index (the second drum's empty
// without one).
struct PowerTables {
    WindowCheck check;
    std::array<DrumAnalysis, 2> drums;
    const DrumAnalysis &of(Drum drum) const { return drums[static_cast<size_t>(drumIndex(drum))]; }
};

// The recalculation of POWER for a game.
PowerTables recalculateAll(const History &history, const RecalcInputs &in, const GameLayout &game);

// ---- The pool of one drum, for the board's POPULATE and pool refresh ----------------------------

// The weighted pool of a drum: the weights from the powers and the exclusions, rounded to counts
// (the weights the board shows), and the pool built from them.
struct PoolFill {
    BallArray<double> weights;
    Pool pool;
};
PoolFill fillPoolFromPowers(const BallArray<double> &power, const BallArray<int32_t> &excluded,
                            const DrumShape &drum, const RecalcInputs &in);
